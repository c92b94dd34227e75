// One typed character in the main window's editor (the key, the adapter's
// events, undo recording, the status panels and, with colour syntax on, the
// caret line recoloured), paint included, against a bare QPlainTextEdit in a
// QMainWindow typing into the same text with the same font.  Measured on a
// document near the 512000-byte limit and on a 4,000-line one.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QTextBlock>

namespace {

struct Document {
    const char* name;
    std::string text;
};

void typeInto(TForm1& form, bench::BareWindow& bare, const Document& doc, int keys)
{
    // Colour off on a plain text, then colour on over a coloured one: the
    // caret line is recoloured on every key.
    for (const bool colour : {false, true}) {
        form.AutoColor = colour;
        form.RichEdit->SetText(doc.text);
        if (colour) form.ColorizeAll();
        form.RichEdit->SetSelStart(form.RichEdit->LineIndex(form.RichEdit->LineCount() / 2));
        if (form.UndoManager) form.UndoManager->Reset();
        form.RichEdit->SetModified(false);

        bare.editor->setPlainText(cp932::decode(doc.text));
        QTextCursor c(bare.editor->document()->findBlockByNumber(bare.editor->document()->blockCount() / 2));
        bare.editor->setTextCursor(c);
        bench::settle();

        bench::Side product{colour ? "product, colour on" : "product, colour off"};
        product.window = [&] { return static_cast<QWidget*>(&form); };
        product.viewport = [&] { return form.RichEdit->viewport(); };
        product.prepare = [&] { bench::activate(&form, form.RichEdit); };
        product.step = [&] { bench::keystroke(form.RichEdit); };
        bench::Side plain{"bare QPlainTextEdit"};
        plain.window = [&] { return static_cast<QWidget*>(&bare.window); };
        plain.viewport = [&] { return bare.editor->viewport(); };
        plain.prepare = [&] { bench::activate(&bare.window, bare.editor); };
        plain.step = [&] { bench::keystroke(bare.editor); };
        bench::alternate(product, plain, keys, 5);

        const std::string heading = std::string("keystroke, ") + doc.name + (colour ? ", colour on" : ", colour off");
        bench::title(heading.c_str());
        bench::compare("keystroke / bare keystroke", product, plain, 2.0, "key");
        const double pixels = bench::median(product.series.viewportPixels);
        const double barePixels = bench::median(plain.series.viewportPixels);
        std::printf("  editor pixels repainted per key: %.0f against bare %.0f (%.2f x)\n", pixels, barePixels,
                    barePixels > 0 ? pixels / barePixels : 0);
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

    const Document large{"510 KB", bench::documentOf(510000)};
    const Document lines{"4,000 lines", bench::linesOf(4000)};
    std::printf("documents: %zu bytes; %zu bytes in 4,000 lines\n", large.text.size(), lines.text.size());
    typeInto(form, bare, large, keys);
    typeInto(form, bare, lines, keys);
    return 0;
}
