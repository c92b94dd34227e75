// Replace All of 10,000 hits in a 510000-byte document through the replace
// dialog's command, paint included, against a bare QPlainTextEdit replacing
// the same hits through QTextDocument::find in one edit block; and whether
// one Undo then takes the whole Replace All back and one Redo puts it back.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/search/SearchForms.h"
#include "core/undo/MultiUndo.h"
#include "forms/SearchToolForms.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTextDocument>

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();

    // 10,000 lines of 51 bytes, each with one hit.
    std::string line = "\x95\x5c\x8e\xa6 find hit here and then some words";
    line.append(49 - line.size(), '.');
    line += "\r\n";
    std::string text;
    for (int i = 0; i < 10000; ++i) text += line;
    std::string expected = text;
    for (size_t at = expected.find("hit"); at != std::string::npos; at = expected.find("hit", at))
        expected.replace(at, 3, "HT");

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    form.MenuSearchReplaceClick();
    FormReplace->ui.EditFind->setText("hit");
    FormReplace->ui.EditReplace->setText("HT");
    FormReplace->hide();
    bench::settle();
    const QFont font = form.RichEdit->font();
    bench::BareWindow bare({900, 700}, &font);
    const QString decoded = cp932::decode(text);

    bool right = true;
    bench::Side product{"ReplaceText(all)"};
    product.window = [&] { return static_cast<QWidget*>(&form); };
    product.viewport = [&] { return form.RichEdit->viewport(); };
    product.prepare = [&] {
        form.RichEdit->SetText(text);
        form.RichEdit->SetSelStart(0);
        if (form.UndoManager) form.UndoManager->Reset();
        bench::activate(&form, form.RichEdit);
    };
    product.step = [&] { form.ReplaceText(true); };
    product.after = [&] { right = right && form.RichEdit->Text() == expected; };

    bench::Side plain{"bare find and insertText"};
    plain.window = [&] { return static_cast<QWidget*>(&bare.window); };
    plain.viewport = [&] { return bare.editor->viewport(); };
    plain.prepare = [&] {
        bare.editor->setPlainText(decoded);
        bench::activate(&bare.window, bare.editor);
    };
    plain.step = [&] {
        QTextDocument* doc = bare.editor->document();
        QTextCursor edit(doc);
        edit.beginEditBlock();
        for (QTextCursor hit = doc->find("hit"); !hit.isNull(); hit = doc->find("hit", hit)) hit.insertText("HT");
        edit.endEditBlock();
    };
    bench::alternate(product, plain, 15, 2);

    bench::title("Replace All of 10,000 hits in 510000 bytes");
    std::printf("  text after the replacement: %s\n", right ? "right" : "WRONG");
    bench::compare("Replace All / bare find-and-insert", product, plain, 0, "run");
    bench::verdict("Replace All (ms)", bench::median(product.series.ms), "ms", 100);

    // The whole Replace All is one step of the undo history.
    form.MenuEditUndoClick();
    const bool undone = form.RichEdit->Text() == text;
    form.MenuEditRedoClick();
    const bool redone = undone && form.RichEdit->Text() == expected;
    std::printf("  one Undo takes back all 10,000 replacements, one Redo puts them back: %s\n",
                redone ? "yes" : "NO");
    return right && redone ? 0 : 1;
}
