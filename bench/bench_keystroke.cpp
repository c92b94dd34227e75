// One typed character in the main window's editor (the key, the adapter's
// events, undo recording, the status panels and, with colour syntax on, the
// caret line recoloured), paint included, against a bare QPlainTextEdit in a
// QMainWindow typing into the same text with the same font.  Measured on a
// document near the 512000-byte limit, on a 4,000-line one and in the middle
// of one line of 400 KB, where Delete and Backspace are measured too: a key
// must cost the same whatever the length of its line.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QTextBlock>

namespace {

struct Key {
    const char* name;
    int key;
    const char* text;
};

struct Document {
    const char* name;
    std::string text;
    std::vector<Key> keys;
};

void typeInto(TForm1& form, bench::BareWindow& bare, const Document& doc, int keys)
{
    for (const Key& key : doc.keys) {
        // Colour off on a plain text, then colour on over a coloured one: the
        // caret line is recoloured on every key.
        for (const bool colour : {false, true}) {
            form.AutoColor = colour;
            form.RichEdit->SetText(doc.text);
            if (colour) form.ColorizeAll();
            // The middle line's start, or the middle of a text of one line.
            const int lines = form.RichEdit->LineCount();
            form.RichEdit->SetSelStart(lines > 1 ? form.RichEdit->LineIndex(lines / 2)
                                                 : form.RichEdit->GetTextLen() / 2);
            if (form.UndoManager) form.UndoManager->Reset();
            form.RichEdit->SetModified(false);

            bare.editor->setPlainText(cp932::decode(doc.text));
            QTextDocument* bareDoc = bare.editor->document();
            QTextCursor c(bareDoc->findBlockByNumber(bareDoc->blockCount() / 2));
            if (bareDoc->blockCount() == 1) c.setPosition(bareDoc->characterCount() / 2);
            bare.editor->setTextCursor(c);
            bench::settle();

            const QString text = QString::fromLatin1(key.text);
            bench::Side product{colour ? "product, colour on" : "product, colour off"};
            product.window = [&] { return static_cast<QWidget*>(&form); };
            product.viewport = [&] { return form.RichEdit->viewport(); };
            product.prepare = [&] { bench::activate(&form, form.RichEdit); };
            product.step = [&] { bench::keystroke(form.RichEdit, key.key, text); };
            bench::Side plain{"bare QPlainTextEdit"};
            plain.window = [&] { return static_cast<QWidget*>(&bare.window); };
            plain.viewport = [&] { return bare.editor->viewport(); };
            plain.prepare = [&] { bench::activate(&bare.window, bare.editor); };
            plain.step = [&] { bench::keystroke(bare.editor, key.key, text); };
            bench::alternate(product, plain, keys, 5);

            const std::string heading =
                std::string(key.name) + ", " + doc.name + (colour ? ", colour on" : ", colour off");
            bench::title(heading.c_str());
            const std::string figure = std::string(key.name) + " / bare " + key.name;
            bench::compare(figure.c_str(), product, plain, 2.0, "key");
            const double pixels = bench::median(product.series.viewportPixels);
            const double barePixels = bench::median(plain.series.viewportPixels);
            std::printf("  editor pixels repainted per key: %.0f against bare %.0f (%.2f x)\n", pixels, barePixels,
                        barePixels > 0 ? pixels / barePixels : 0);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();
    const int keys = 200;

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    bench::settle();
    const QFont font = form.RichEdit->font();
    bench::BareWindow bare({900, 700}, &font);

    const Key typed{"keystroke", Qt::Key_A, "a"};
    const Document large{"510 KB", bench::documentOf(510000), {typed}};
    const Document lines{"4,000 lines", bench::linesOf(4000), {typed}};
    const Document longLine{
        "one line of 400 KB",
        bench::documentOf(400000,
                          "\\textbf{\x93\xfa\x96\x7b\x8c\xea} text \x82\xa0\x82\xa2\x82\xa4 and $x^2$ words here "),
        {typed, {"Delete", Qt::Key_Delete, "\x7f"}, {"Backspace", Qt::Key_Backspace, "\b"}}};
    std::printf("documents: %zu bytes; %zu bytes in 4,000 lines; one line of %zu bytes\n", large.text.size(),
                lines.text.size(), longLine.text.size());
    typeInto(form, bare, large, keys);
    typeInto(form, bare, lines, keys);
    typeInto(form, bare, longLine, keys / 4);
    return 0;
}
