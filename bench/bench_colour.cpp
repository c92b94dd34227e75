// Colouring cost, paint included, against a bare QPlainTextEdit in the same
// run:
//   1. the first ColorizeAll over a fresh 512000-byte LaTeX text (no formats
//      in place yet) against loading that text into the bare editor;
//   2. ColorizeAll again over formats already in place, the same baseline;
//   3. ColorizeCurrentLine after a character typed in the middle of a
//      10000-line document against the bare keystroke itself.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QTextBlock>

namespace {

// Japanese prose with inline math, headings, environments, tables, comments
// and display math, as a real document has them.
QString paragraphBlock(int n)
{
    const QString k = QString::number(n);
    return QString(
               "\\section{第%1節 実験の概要}\\label{sec:%1}\r\n"
               "本節では，測定の手順と結果を述べる．試料の温度を$T_%1 = 300\\,\\mathrm{K}$に保ち，"
               "磁場$B$を変化させながら抵抗率$\\rho(B)$を測った．図\\ref{fig:%1}に結果を示す．\r\n"
               "% 測定条件は付録を参照のこと．\r\n"
               "\\begin{equation}\r\n"
               "  \\rho(B) = \\rho_0 \\left( 1 + \\frac{\\mu^2 B^2}{1 + \\alpha B} \\right) \\label{eq:%1}\r\n"
               "\\end{equation}\r\n"
               "ここで$\\mu$は移動度，$\\alpha$は補正係数である．　式(\\ref{eq:%1})から分かるように，"
               "強磁場では$\\rho \\propto B$となる．\\\\[2mm]\r\n"
               "\\begin{tabular}{|c|c|}\\hline\r\n"
               "  $B$ [T] & $\\rho$ [$\\Omega$m] \\\\ \\hline\r\n"
               "  0.5 & 1.2 \\\\ 1.0 & 1.9 \\\\ \\hline\r\n"
               "\\end{tabular}\r\n"
               "$$E = mc^2 + \\sum_{i=1}^{n} a_i$$\r\n"
               "\\subsection*{考察}\r\n"
               "以上の結果は理論とよく一致する\\cite{ref%1}．50\\%%程度の誤差を見込んでも結論は変わらない．\r\n"
               "\r\n")
        .arg(k);
}

std::string documentOf(int bytes)
{
    std::string text = cp932::encode("\\documentclass{jarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n");
    for (int n = 1; int(text.size()) < bytes; ++n) text += cp932::encode(paragraphBlock(n));
    text.resize(size_t(bytes));
    // Do not end inside a double-byte character or between CR and LF.
    while (!text.empty() && (cp932::isLeadByte(text.back()) || text.back() == '\r')) text.pop_back();
    return text;
}

std::string linesOf(int lines)
{
    const std::string block = documentOf(200000);
    std::string text;
    size_t pos = 0;
    for (int i = 0; i < lines; ++i) {
        size_t end = block.find("\r\n", pos);
        if (end == std::string::npos) end = block.find("\r\n", pos = 0);
        text.append(block, pos, end - pos);
        if (i + 1 < lines) text += "\r\n";
        pos = end + 2;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();
    const int pairs = 15;

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    form.LoadColorSettings();
    form.AutoColor = true;
    bench::settle();
    const QFont font = form.RichEdit->font();
    bench::BareWindow bare({900, 700}, &font);

    const std::string doc = documentOf(512000);
    const QString docText = cp932::decode(doc);
    auto productWindow = [&] { return static_cast<QWidget*>(&form); };
    auto productViewport = [&] { return form.RichEdit->viewport(); };

    bench::Side load{"bare QPlainTextEdit load"};
    load.window = [&] { return static_cast<QWidget*>(&bare.window); };
    load.viewport = [&] { return bare.editor->viewport(); };
    load.prepare = [&] {
        bare.editor->clear();
        bench::activate(&bare.window, bare.editor);
    };
    load.step = [&] { bare.editor->setPlainText(docText); };

    {
        bench::Side first{"first ColorizeAll"};
        first.window = productWindow;
        first.viewport = productViewport;
        first.prepare = [&] {
            form.RichEdit->SetText(doc);  // a fresh text: nothing coloured yet
            bench::activate(&form, form.RichEdit);
        };
        first.step = [&] { form.ColorizeAll(); };
        bench::alternate(first, load, pairs, 2);
        bench::title("first ColorizeAll over a fresh 512000-byte text");
        bench::compare("first ColorizeAll / bare load", first, load, 1.0, "run");
    }
    {
        bench::Side again{"ColorizeAll, formats in place"};
        again.window = productWindow;
        again.viewport = productViewport;
        again.prepare = [&] { bench::activate(&form, form.RichEdit); };
        again.step = [&] { form.ColorizeAll(); };
        form.RichEdit->SetText(doc);
        form.ColorizeAll();
        load.series = {};
        bench::alternate(again, load, pairs, 2);
        bench::title("ColorizeAll again over formats already in place (for comparison)");
        bench::compare("ColorizeAll again / bare load", again, load, 0, "run");
    }
    {
        const std::string lines = linesOf(10000);
        form.RichEdit->SetText(lines);
        form.ColorizeAll();
        bare.editor->setPlainText(cp932::decode(lines));
        const int middleLine = 5000;
        bench::Side current{"ColorizeCurrentLine"};
        current.window = productWindow;
        current.viewport = productViewport;
        current.prepare = [&] {
            bench::activate(&form, form.RichEdit);
            const int pos = form.RichEdit->LineIndex(middleLine) + form.RichEdit->LineLength(middleLine);
            form.RichEdit->SetSelStart(pos);
            const int mask = form.RichEdit->EventMask();
            form.RichEdit->SetEventMask(ENM_NONE);  // the character goes in without the change handler
            form.RichEdit->SetSelText("a");
            form.RichEdit->SetEventMask(mask);
        };
        current.step = [&] { form.ColorizeCurrentLine(); };
        bench::Side key{"bare keystroke"};
        key.window = load.window;
        key.viewport = load.viewport;
        key.prepare = [&] {
            bench::activate(&bare.window, bare.editor);
            QTextCursor c(bare.editor->document()->findBlockByNumber(middleLine));
            c.movePosition(QTextCursor::EndOfBlock);
            bare.editor->setTextCursor(c);
        };
        key.step = [&] { bench::keystroke(bare.editor); };
        bench::alternate(current, key, 100, 5);
        bench::title("ColorizeCurrentLine after a keystroke, line 5001 of 10000");
        bench::compare("ColorizeCurrentLine / bare keystroke", current, key, 0, "line");
        bench::verdict("ColorizeCurrentLine, paint included (ms)", bench::median(current.series.ms), "ms", 1.0);
    }
    return 0;
}
