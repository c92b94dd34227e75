#pragma once
// The one seam through which every message box and modal dialog is shown.
// The application shows real windows; tests install answerers that see what
// would have been asked and answer it, so nothing ever blocks on a modal
// window under the offscreen platform.
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

class QAbstractButton;
class QDialog;
class QWidget;

// Message box flags and results, as the program's texts give them.
enum : int {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,        // 16
    MB_ICONQUESTION = 0x20,     // 32
    MB_ICONEXCLAMATION = 0x30,  // 48
    MB_ICONINFORMATION = 0x40,  // 64
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
// Modal results of dialogs.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

namespace ask {

struct MessageRequest {
    QString text;
    QString caption;
    int flags = 0;
};
using MessageAnswerer = std::function<int(const MessageRequest&)>;

// Shows a message box and returns IDOK, IDCANCEL, IDYES or IDNO.
// Safe to call from any thread: a call from a worker is carried to the main
// thread and the worker waits for the answer.
int messageBox(const QString& text, const QString& caption, int flags);
// Shows an exception's message captioned "Error Message" with the error icon.
void errorMessage(const QString& text);
// The text an exception is shown with: its own message, or a plain
// sentence for one that carries none.
QString exceptionText(std::exception_ptr error);
// Shows an exception as errorMessage does.
void exceptionMessage(std::exception_ptr error);
// The one exception boundary of the program's handlers: runs the handler,
// and whatever it throws is shown in an "Error Message" box instead of
// crossing a Qt signal.  True when the handler ran to its end.
bool guard(const std::function<void()>& handler);
// Connects a button's click to a handler that runs behind guard, for as long
// as context lives.  Every button of the program's windows and dialogs,
// OK and Cancel included, is connected this way.
QMetaObject::Connection onClick(QAbstractButton* button, const QObject* context, std::function<void()> handler);
// The same for another signal of a widget that stands for a button: a double
// click in a list that means OK, Enter in a line, a dialog's shortcut.
template <class Sender, class Signal>
QMetaObject::Connection onSignal(const Sender* sender, Signal signal, const QObject* context,
                                 std::function<void()> handler)
{
    return QObject::connect(sender, signal, context, [h = std::move(handler)] { guard(h); });
}
// Shows an exception that ended a worker thread, in the main thread and
// without making the worker wait for the box.  Once the application is
// going down nothing is shown any more.
void exceptionMessageLater(std::exception_ptr error);

// Runs a dialog modally and returns its result (mrOk, mrCancel, ...).
// With an answerer installed the dialog is shown without blocking, handed to
// the answerer (which may fill in its widgets and returns the result), and
// then closed with done(result), so result() and the accepted/rejected
// signals behave as after a click.
using DialogAnswerer = std::function<int(QDialog&)>;
int execModal(QDialog& dialog);

// Common dialogs.
struct FileRequest {
    bool save = false;
    QString caption;
    QString directory;
    QString fileName;     // preset name
    QStringList filters;  // "TeX文書 (*.tex)" ...; patterns match both cases
    int filterIndex = 1;  // 1-based, as the program counts
};
struct FileAnswer {
    bool accepted = false;
    QString fileName;
    int filterIndex = 1;
};
using FileAnswerer = std::function<FileAnswer(const FileRequest&)>;
// A stored start folder may be gone: the dialog opens in the nearest folder
// above it that exists (the home folder when none but the root does), and a
// preset name that lies in a folder that is gone keeps only its name.  The
// answerer sees the request as the dialog would.
FileAnswer fileDialog(const FileRequest& request);
// A filter as the real dialog shows it: each pattern also in lower and upper
// case ("TeX文書 (*.tex)" -> "TeX文書 (*.tex *.TEX)").
QString bothCases(const QString& filter);

struct FontAnswer {
    bool accepted = false;
    QFont font;
};
using FontAnswerer = std::function<FontAnswer(const QFont& initial)>;
FontAnswer fontDialog(const QFont& initial, QWidget* parent = nullptr);

struct ColorAnswer {
    bool accepted = false;
    unsigned color = 0;
};  // 0x00BBGGRR
using ColorAnswerer = std::function<ColorAnswer(unsigned initial)>;
ColorAnswer colorDialog(unsigned initial, QWidget* parent = nullptr);

struct DirAnswer {
    bool accepted = false;
    QString directory;
};
using DirAnswerer = std::function<DirAnswer(const QString& caption, const QString& start)>;
DirAnswer directoryDialog(const QString& caption, const QString& start, QWidget* parent = nullptr);

// Installing an answerer replaces the real windows until it is cleared with
// an empty function.  Tests use ScriptedAnswers (tests/support) on top.
void setMessageAnswerer(MessageAnswerer answerer);
void setDialogAnswerer(DialogAnswerer answerer);
void setFileAnswerer(FileAnswerer answerer);
void setFontAnswerer(FontAnswerer answerer);
void setColorAnswerer(ColorAnswerer answerer);
void setDirectoryAnswerer(DirAnswerer answerer);

// Parent of message boxes and dialogs shown through the seam.
void setMainWindow(QWidget* window);
QWidget* mainWindow();

}  // namespace ask
