// Command assist on a 500000-byte document, paint included: from the
// backslash key to the pop-up shown with its list filled and searched, and
// each further character typed into it, with the built-in list and with a
// list of ten thousand commands, against the same key typed into a bare
// QPlainTextEdit.  The first opening of the process is printed apart: the
// median hides it.
#include "app/Form1.h"
#include "assist/CommandList.h"
#include "bench/Harness.h"
#include "assist/CmdAssistForms.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QListWidget>

namespace {

bool open() { return FormCmdAssist && FormCmdAssist->IsOpen(); }

void close()
{
    if (open()) bench::keystroke(FormCmdAssist->MemoCmd, Qt::Key_Escape, {});
    bench::settle();
}

// Types the words into the pop-up one character a turn, against the same
// characters typed into the bare editor.
void typeWords(TForm1& form, bench::BareWindow& bare, const QStringList& words, const char* heading)
{
    QString all = words.join("");
    std::vector<bool> startsWord;
    for (const QString& w : words)
        for (int i = 0; i < w.size(); ++i) startsWord.push_back(i == 0);
    size_t at = 0, bareAt = 0;
    auto keyOf = [](QChar c) { return int(Qt::Key_A + (c.toLower().unicode() - 'a')); };

    bench::Side product{"key into the pop-up"};
    product.window = [] { return static_cast<QWidget*>(FormCmdAssist); };
    product.prepare = [&] {
        const size_t i = at % size_t(all.size());
        if (startsWord[i] || !open()) {
            close();
            bench::activate(&form, form.RichEdit);
            bench::keystroke(form.RichEdit, Qt::Key_Backslash, "\\");
        }
    };
    int missed = 0;  // keys that found the pop-up closed
    product.step = [&] {
        const QChar c = all[int(at++ % size_t(all.size()))];
        if (open())
            bench::keystroke(FormCmdAssist->MemoCmd, keyOf(c), QString(c));
        else
            ++missed;
    };
    // The bare editor takes its keys without being activated, so that the
    // pop-up keeps the keyboard through each word.
    bench::Side plain{"bare keystroke"};
    plain.window = [&] { return static_cast<QWidget*>(&bare.window); };
    plain.viewport = [&] { return bare.editor->viewport(); };
    plain.step = [&] {
        const QChar c = all[int(bareAt++ % size_t(all.size()))];
        bench::keystroke(bare.editor, keyOf(c), QString(c));
    };
    bench::alternate(product, plain, int(all.size()), 0);
    close();
    bench::title(heading);
    if (missed) std::printf("  %d keys found the pop-up closed\n", missed);
    bench::compare("key into the pop-up / bare keystroke", product, plain, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    const std::string text = bench::documentOf(500000);
    form.RichEdit->SetText(text);
    form.RichEdit->SetSelStart(int(text.size()) / 2);
    bench::settle();
    const QFont font = form.RichEdit->font();
    bench::BareWindow bare({900, 700}, &font);
    bare.editor->setPlainText(cp932::decode(text));
    bench::settle();

    bool filled = true;
    bench::Side opening{"backslash to pop-up"};
    opening.window = [] { return static_cast<QWidget*>(nullptr); };  // the pop-up and the editor both count
    opening.viewport = [&] { return form.RichEdit->viewport(); };
    opening.prepare = [&] {
        close();
        bench::activate(&form, form.RichEdit);
    };
    opening.step = [&] { bench::keystroke(form.RichEdit, Qt::Key_Backslash, "\\"); };
    opening.after = [&] { filled = filled && open() && FormCmdAssist->lbCmd->count() == 1158; };
    bench::Side backslash{"bare backslash"};
    backslash.window = [&] { return static_cast<QWidget*>(&bare.window); };
    backslash.viewport = [&] { return bare.editor->viewport(); };
    backslash.prepare = [&] { bench::activate(&bare.window, bare.editor); };
    backslash.step = [&] { bench::keystroke(bare.editor, Qt::Key_Backslash, "\\"); };
    bench::alternate(opening, backslash, 30, 3);
    close();

    bench::title("backslash to the pop-up shown and filled (1158 commands)");
    if (!filled) std::printf("  the pop-up did not open filled every time\n");
    bench::compare("opening / bare backslash", opening, backslash, 0, "key");
    std::printf("  cold first opening of the process: %.3f ms\n", opening.series.coldMs);

    const QStringList words = {"section", "zeta", "usepackage", "xspaceskip", "begin", "qquad", "nopagebreak"};
    typeWords(form, bare, words, "per character typed into the pop-up, 1158 commands");

    QStringList big;
    for (int i = 0; i < 10000; ++i) big << QString("\\user%1command").arg(i, 5, 10, QChar('0'));
    big << cmdassist::builtinCommands();
    std::sort(big.begin(), big.end());
    FormCmdAssist->SetSetting(cmdassist::joinLines(big), 0, 0, 0, 0, true);
    const std::string heading = "per character typed into the pop-up, " + std::to_string(big.size()) + " commands";
    typeWords(form, bare, words + QStringList({"userzzz", "usera"}), heading.c_str());
    return filled ? 0 : 1;
}
