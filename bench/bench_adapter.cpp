// Editor control costs on a document at the text limit: loading against a
// bare QPlainTextEdit, position mapping, a one-line format and a keystroke.
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>

namespace {

std::string makeDocument(int targetBytes)
{
    const QString prose[] = {
        QString::fromUtf8("日本語の文章をここに書きます。"),
        QString::fromUtf8("数式は$x^2+y^2=z^2$のように書く。"),
        QString::fromUtf8("　段落の始めは全角空白で字下げする。"),
        QString::fromUtf8("参照は図~\\ref{fig:a}を見よ。"),
    };
    const QString latex[] = {
        "\\section{Introduction}",
        "\\begin{itemize}",
        "  \\item first point % comment",
        "\\end{itemize}",
        "\\begin{equation} a & b \\\\ c \\end{equation}",
    };
    std::string text;
    int i = 0;
    while (int(text.size()) < targetBytes - 64) {
        QString line = (i % 3 == 2) ? latex[i % 5] : prose[i % 4] + prose[(i + 1) % 4];
        text += cp932::encode(line);
        text += "\r\n";
        ++i;
    }
    text.resize(size_t(targetBytes - 2), 'x');
    text += "\r\n";
    return text;
}

template <class F>
double microseconds(int runs, F&& f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i) f(i);
    return double(t.nsecsElapsed()) / 1000.0 / runs;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string doc = makeDocument(512000);
    const QString decoded = cp932::decode(doc);

    QPlainTextEdit bare;
    bare.resize(800, 600);
    bare.show();
    TRichEdit edit;
    edit.resize(800, 600);
    edit.show();
    QApplication::processEvents();

    // Interleaved, best of several, so that load on the machine hits both alike.
    double bareLoad = 1e300, ourLoad = 1e300;
    for (int run = 0; run < 7; ++run) {
        bareLoad = std::min(bareLoad, microseconds(1, [&](int) {
                                bare.setPlainText(decoded);
                                QApplication::processEvents();
                            }));
        ourLoad = std::min(ourLoad, microseconds(1, [&](int) {
                               edit.SetText(doc);
                               QApplication::processEvents();
                           }));
    }
    std::printf("document: %d bytes, %d lines\n", edit.GetTextLen(), edit.LineCount());
    std::printf("load: QPlainTextEdit::setPlainText %.0f us, TRichEdit::SetText %.0f us, ratio %.2f (goal <= 1.5)\n",
                bareLoad, ourLoad, ourLoad / bareLoad);

    const int end = edit.GetTextLen();
    volatile int sink = 0;
    const double mapping = microseconds(10000, [&](int i) {
        const int pos = end - 1 - (i % 40);
        sink = sink + edit.toQtPosition(pos) + edit.LineFromChar(pos) + edit.fromQtPosition(decoded.size() - i % 40);
    });
    std::printf("position mapping near the end (to Qt, line, from Qt): %.2f us\n", mapping);

    const int lastLine = edit.LineCount() - 2;
    const int lineStart = edit.LineIndex(lastLine);
    const CharFormat formats[2] = {{0x000080, true, false, false, false}, {0x808040, false, true, false, false}};
    const double format = microseconds(10000, [&](int i) { edit.SetFormat(lineStart, 20, formats[i % 2]); });
    edit.hide();
    const double formatRelayout = microseconds(1000, [&](int i) {
        edit.SetFormat(lineStart, 20, formats[i % 2]);
        QApplication::processEvents();  // the layout refresh, nothing to paint
    });
    edit.show();
    const double formatPaint = microseconds(200, [&](int i) {
        edit.SetFormat(lineStart, 20, formats[i % 2]);
        QApplication::processEvents();  // layout refresh and a repaint of the view
    });
    std::printf(
        "one-line SetFormat at the end: %.2f us; with its relayout %.2f us; with relayout and repaint %.0f us\n",
        format, formatRelayout, formatPaint);

    const double text = microseconds(200, [&](int) { sink = sink + int(edit.Text().size()); });
    std::printf("Text() of the whole document: %.2f us\n", text);

    auto typeAt = [](QWidget* w, int i) {
        const QString ch(QChar(i % 2 ? u'a' : u'\u3042'));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &press);
    };
    QTextCursor c = bare.textCursor();
    c.setPosition(int(decoded.size()) / 2);
    bare.setTextCursor(c);
    const double bareKey = microseconds(500, [&](int i) { typeAt(&bare, i); });
    edit.SetMaxLength(1 << 30);
    edit.SetCaret(end / 2, BreakSide::BeforeCR);
    std::string copy;
    edit.OnChange = [&] { copy = edit.Text(); };
    const double key = microseconds(500, [&](int i) { typeAt(&edit, i); });
    std::printf(
        "keystroke in the middle: QPlainTextEdit %.0f us, TRichEdit with OnChange copying Text() %.0f us, "
        "ratio %.2f\n",
        bareKey, key, key / bareKey);
    return sink == 42 ? 1 : 0;
}
