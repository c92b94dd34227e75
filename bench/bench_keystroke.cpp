// Cost of one typed character in the main window's editor on a document at
// the 512000-byte limit: the key press, the adapter's events, undo recording
// and the status panels, against a bare QPlainTextEdit typing into the same
// text.  Prints the absolute medians and their ratio.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Form1.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"

namespace {

std::string documentOf(size_t bytes)
{
    // Mixed ASCII and double-byte lines, as a Japanese LaTeX document is.
    const std::string line = "\\section{\x93\xfa\x96\x7b\x8c\xea} text \x82\xa0\x82\xa2\x82\xa4 and more words here\r\n";
    std::string t;
    while (t.size() + line.size() <= bytes) t += line;
    t.append(bytes - t.size(), 'x');
    return t;
}

double medianMicros(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename Press>
std::vector<double> time(int count, Press press)
{
    std::vector<double> out;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        press();
        out.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    return out;
}

void keystroke(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &release);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS"))
        qputenv("QUILLMARK_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    QApplication app(argc, argv);
    const int kPresses = 200;
    const std::string text = documentOf(512000 - 2 * kPresses - 10);

    TForm1 form;
    form.resize(900, 700);
    form.show();
    if (!form.UndoManager) form.UndoManager = new MultiUndo(form.RichEdit);
    if (!form.RichEdit->OnChange) {
        TForm1* f = &form;
        f->RichEdit->OnChange = [f] { f->RichEditChange(); };
        f->RichEdit->OnSelectionChange = [f] { f->RichEditSelectionChange(); };
        f->RichEdit->OnKeyDown = [f](int& key, int shift) { f->RichEditKeyDown(key, shift); };
        f->RichEdit->OnKeyPress = [f](char& key) { f->RichEditKeyPress(key); };
    }
    form.StartingUp = false;
    form.RichEdit->SetText(text);
    form.RichEdit->SetSelStart(int(text.size()) / 2);
    form.UndoManager->Reset();
    form.RichEdit->setFocus();
    QApplication::processEvents();
    const bool colour = form.AutoColor;
    form.AutoColor = false;
    const auto ours = time(kPresses, [&] { keystroke(form.RichEdit); });
    // The same with the caret line recoloured after each change.
    form.AutoColor = true;
    const auto coloured = time(kPresses, [&] { keystroke(form.RichEdit); });
    form.AutoColor = colour;

    QPlainTextEdit bare;
    bare.resize(900, 700);
    bare.show();
    bare.setPlainText(cp932::decode(text));
    QTextCursor c = bare.textCursor();
    c.setPosition(bare.document()->characterCount() / 2);
    bare.setTextCursor(c);
    bare.setFocus();
    QApplication::processEvents();
    const auto plain = time(kPresses, [&] { keystroke(&bare); });

    const double a = medianMicros(ours), b = medianMicros(plain);
    std::printf("document %zu bytes, %d keystrokes\n", text.size(), kPresses);
    std::printf("editor keystroke (events, undo, panels): %.1f us median\n", a);
    std::printf("bare QPlainTextEdit keystroke:            %.1f us median\n", b);
    std::printf("ratio: %.2f\n", b > 0 ? a / b : 0.0);
    const double col = medianMicros(coloured);
    std::printf("with the caret line recoloured:           %.1f us median, ratio %.2f\n", col, b > 0 ? col / b : 0.0);
    return 0;
}
