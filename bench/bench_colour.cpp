// Colouring cost, measured against a bare QPlainTextEdit in the same run:
//   1. ColorizeAll over a 512000-byte LaTeX document vs loading that text
//      into a bare QPlainTextEdit;
//   2. ColorizeCurrentLine after one keystroke in the middle of a
//      10000-line document vs the bare keystroke itself.
#include "app/Form1.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisOf(const std::function<void()>& f)
{
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A document that looks like a real one: Japanese prose with inline math,
// headings, environments, tables, comments and display math.
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
    std::string text;
    const std::string block = documentOf(200000);
    size_t pos = 0;
    for (int i = 0; i < lines; ++i) {
        size_t end = block.find("\r\n", pos);
        if (end == std::string::npos) {
            pos = 0;
            end = block.find("\r\n", pos);
        }
        text.append(block, pos, end - pos);
        if (i + 1 < lines) text += "\r\n";
        pos = end + 2;
    }
    return text;
}

void typeKey(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TForm1 form;
    form.LoadColorSettings();
    form.AutoColor = true;
    form.resize(900, 700);
    form.show();
    QPlainTextEdit bare;
    bare.resize(form.RichEdit->size());
    bare.show();
    QApplication::processEvents();

    // ---- whole text ----
    const std::string doc = documentOf(512000);
    const QString docText = cp932::decode(doc);
    std::vector<double> bareLoad, colourAll, adapterLoad;
    for (int round = 0; round < 3; ++round) {
        bare.clear();
        QApplication::processEvents();
        bareLoad.push_back(millisOf([&] {
            bare.setPlainText(docText);
            QApplication::processEvents();
        }));
        form.RichEdit->SetText(doc);
        QApplication::processEvents();
        colourAll.push_back(millisOf([&] {
            form.ColorizeAll();
            QApplication::processEvents();
        }));
    }
    const double load = median(bareLoad), all = median(colourAll);
    std::printf("ColorizeAll, %zu bytes: %.1f ms; bare QPlainTextEdit load: %.1f ms; ratio %.2f (goal <= 2)\n",
                doc.size(), all, load, all / load);

    // A second ColorizeAll over unchanged formats only reads them back.
    const double again = millisOf([&] { form.ColorizeAll(); });
    std::printf("ColorizeAll again, formats already in place: %.1f ms; ratio to bare load %.2f\n", again, again / load);

    // ---- one keystroke ----
    const std::string lines = linesOf(10000);
    form.RichEdit->SetText(lines);
    form.ColorizeAll();
    bare.setPlainText(cp932::decode(lines));
    QApplication::processEvents();
    const int middleLine = 5000;
    std::vector<double> bareKey, currentLine;
    for (int i = 0; i < 200; ++i) {
        QTextCursor c(bare.document()->findBlockByNumber(middleLine));
        c.movePosition(QTextCursor::EndOfBlock);
        bare.setTextCursor(c);
        bareKey.push_back(millisOf([&] { typeKey(&bare); }));

        const int pos = form.RichEdit->LineIndex(middleLine) + form.RichEdit->LineLength(middleLine);
        form.RichEdit->SetSelStart(pos);
        const int mask = form.RichEdit->EventMask();
        form.RichEdit->SetEventMask(ENM_NONE);  // type without the change handler
        form.RichEdit->SetSelText("a");
        form.RichEdit->SetEventMask(mask);
        currentLine.push_back(millisOf([&] { form.ColorizeCurrentLine(); }));
    }
    const double key = median(bareKey), line = median(currentLine);
    std::printf(
        "ColorizeCurrentLine after a keystroke, line %d of 10000: %.3f ms (goal < 1 ms); "
        "bare keystroke %.3f ms; ratio %.2f\n",
        middleLine + 1, line, key, line / key);
    return 0;
}
