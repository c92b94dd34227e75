// One typed character in the main window's editor on a document at the
// 512000-byte limit (the key press, the adapter's events, undo recording, the
// status panels and, with colour syntax on, the caret line recoloured)
// against a bare QPlainTextEdit typing into the same text.  The three are
// timed in alternation, so that a busy machine slows them alike.
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "app/Form1.h"
#include "bench/BenchSupport.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"

namespace {

void keystroke(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &release);
}

double micros(QWidget* target)
{
    QElapsedTimer clock;
    clock.start();
    keystroke(target);
    return double(clock.nsecsElapsed()) / 1000.0;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int kRounds = 150;
    const std::string text = bench::documentOf(512000 - 4 * kRounds - 10);

    TForm1 form;
    form.resize(900, 700);
    form.show();
    if (!form.UndoManager) form.UndoManager = new MultiUndo(form.RichEdit);
    form.StartingUp = false;
    form.RichEdit->SetText(text);
    form.RichEdit->SetSelStart(int(text.size()) / 2);
    form.UndoManager->Reset();
    form.RichEdit->setFocus();

    QPlainTextEdit bare;
    bare.resize(900, 700);
    bare.show();
    bare.setPlainText(cp932::decode(text));
    QTextCursor c = bare.textCursor();
    c.setPosition(bare.document()->characterCount() / 2);
    bare.setTextCursor(c);
    QApplication::processEvents();

    std::vector<double> plain, coloured, reference;
    for (int i = 0; i < kRounds; ++i) {
        form.AutoColor = false;
        plain.push_back(micros(form.RichEdit));
        form.AutoColor = true;
        coloured.push_back(micros(form.RichEdit));
        reference.push_back(micros(&bare));
    }
    const double b = bench::median(reference);
    std::printf("keystroke on a %zu-byte document: bare QPlainTextEdit %.1f us median\n", text.size(), b);
    bench::report("keystroke with undo and panels / bare keystroke", bench::median(plain) / b, "x", "<= 2",
                  bench::median(plain) / b <= 2);
    bench::report("keystroke with the caret line recoloured / bare keystroke", bench::median(coloured) / b, "x", "<= 2",
                  bench::median(coloured) / b <= 2);
    return 0;
}
