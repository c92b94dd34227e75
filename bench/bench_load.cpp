// Opening a 512000-byte Shift-JIS LaTeX document through the loader, paint
// included, with colour syntax on (the whole text coloured) and off, against
// a bare QPlainTextEdit in a QMainWindow reading, decoding and showing the
// same file; then the same kind of text as one line of 400000 bytes, which
// must cost about what the lines cost.  The loads alternate after a warm-up;
// the cold first load of each is printed apart.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/settings/Keys.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

namespace {

std::string makeDocument(size_t size)
{
    // LaTeX lines with kanji, kana, half-width kana and 0x5C trail bytes.
    const std::string lines[] = {
        "\\section{\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x95\xb6\x8f\x91}\r\n",
        "\x82\xb1\x82\xea\x82\xcd\x95\x5c\x82\xc6\x83\x5c\x83\x74\x83\x67\x82\xcc\x83\x65\x83\x58\x83\x67\x82\xc5\x82"
        "\xb7\x81\x42 $x^2 + y^2 = z^2$ % \x92\x8d\r\n",
        "\\begin{itemize}\r\n  \\item \xb6\xc0\xb6\xc5 \\label{item:a} & \\ref{x}\r\n\\end{itemize}\r\n",
        "\r\n",
    };
    std::string out;
    for (size_t i = 0; out.size() < size; ++i) out += lines[i % 4];
    out.resize(size);
    return out;
}

// The same kind of text with no line break at all: one line of `size` bytes.
std::string makeOneLine(size_t size)
{
    std::string pieces = makeDocument(4096);
    pieces.resize(pieces.rfind("\r\n"));
    std::string piece;
    for (const char c : pieces)
        if (c != '\r' && c != '\n') piece += c;
    std::string out;
    while (out.size() + piece.size() <= size) out += piece;
    out.append(size - out.size(), 'x');
    return out;
}

struct Document {
    const char* name;
    const char* file;
    std::string bytes;
    int pairs;
};

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();
    const Document documents[] = {
        {"512000 bytes", "thesis.tex", makeDocument(512000), 15},
        {"one line of 400000 bytes", "oneline.tex", makeOneLine(400000), 9},
    };

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    {
        // No size limit for colour syntax, so that the document is coloured.
        const settings::Store store = form.Settings();
        store.write(key::ColMaxSize, -1);
    }
    bench::settle();
    const QFont font = form.RichEdit->font();
    bench::BareWindow bare({900, 700}, &font);

    QString path;
    bench::Side plain{"bare QPlainTextEdit"};
    plain.window = [&] { return static_cast<QWidget*>(&bare.window); };
    plain.viewport = [&] { return bare.editor->viewport(); };
    plain.prepare = [&] {
        bare.editor->clear();
        bench::activate(&bare.window, bare.editor);
    };
    plain.step = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        bare.editor->setPlainText(cp932::decode(std::string_view(bytes.constData(), size_t(bytes.size()))));
    };

    for (const Document& doc : documents) {
        path = bench::scratch().filePath(doc.file);
        bench::writeFile(path, doc.bytes);
        const int length = int(doc.bytes.size());
        const int pairs = doc.pairs;
        for (const bool colour : {true, false}) {
            {
                const settings::Store store = form.Settings();
                store.write(key::ColAutoOn, colour);
            }
            bench::Side product{colour ? "LoadFile, colour on" : "LoadFile, colour off"};
            product.window = [&] { return static_cast<QWidget*>(&form); };
            product.viewport = [&] { return form.RichEdit->viewport(); };
            product.prepare = [&] {
                form.AutoColor = colour;
                form.RichEdit->SetText(std::string());
                form.RichEdit->SetModified(false);
                bench::activate(&form, form.RichEdit);
            };
            bool right = true;
            product.step = [&] { right = form.LoadFile(path) && right; };
            product.after = [&] { right = right && form.RichEdit->GetTextLen() == length && form.AutoColor == colour; };
            plain.series = {};
            bench::alternate(product, plain, pairs, 2);

            const std::string heading =
                std::string("open and show ") + doc.name + (colour ? ", colour on" : ", colour off");
            bench::title(heading.c_str());
            if (!right) std::printf("  the document did not load as asked (length or colour state differs)\n");
            bench::compare("load / bare load", product, plain, 1.5, "load");
        }
    }
    return 0;
}
