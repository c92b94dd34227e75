#include "platform/Ask.h"

#include "platform/BgrColor.h"
#include "platform/Thread.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>

#include <mutex>

namespace ask {
namespace {

struct Answerers {
    std::mutex mutex;
    MessageAnswerer message;
    DialogAnswerer dialog;
    FileAnswerer file;
    FontAnswerer font;
    ColorAnswerer color;
    DirAnswerer directory;
    QPointer<QWidget> mainWindow;
};

Answerers& answerers()
{
    static Answerers a;
    return a;
}

template <class F>
F installed(F Answerers::*member)
{
    Answerers& a = answerers();
    std::lock_guard lock(a.mutex);
    return a.*member;
}

template <class F>
void install(F Answerers::*member, F f)
{
    Answerers& a = answerers();
    std::lock_guard lock(a.mutex);
    a.*member = std::move(f);
}

// Hands the keyboard back, once a modal window has closed, to the window
// that had it before.  The toolkit leaves that to the window manager; with
// none, or with one that only follows the pointer, no window of the program
// is active afterwards: typed text still reaches the widget under the
// pointer, but none of the window's shortcuts fire until it is clicked.
class ActivationReturn {
public:
    // fallback: the window to return to when none is active, as when a box
    // opens right after a dialog closed, before the window system has given
    // the keyboard back.
    explicit ActivationReturn(QWidget* fallback)
    {
        QWidget* active = QApplication::activeWindow();
        window_ = active ? active : fallback ? fallback->window() : nullptr;
        if (window_) focus_ = window_->focusWidget();
    }
    ~ActivationReturn()
    {
        if (!window_ || !window_->isVisible()) return;
        if (QApplication::activeWindow() != window_) window_->activateWindow();
        if (focus_ && focus_->window() == window_ && focus_->isVisible() && focus_->isEnabled())
            focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    ActivationReturn(const ActivationReturn&) = delete;
    ActivationReturn& operator=(const ActivationReturn&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

int showMessageBox(const MessageRequest& request)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.flags & 0xF0) {
        case MB_ICONERROR: icon = QMessageBox::Critical; break;
        case MB_ICONQUESTION: icon = QMessageBox::Question; break;
        case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
        case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
        default: break;
    }
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (request.flags & 0x0F) {
        case MB_OKCANCEL:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        case MB_YESNOCANCEL:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            first = QMessageBox::Yes;
            escape = QMessageBox::Cancel;
            break;
        case MB_YESNO:
            buttons = QMessageBox::Yes | QMessageBox::No;
            first = QMessageBox::Yes;
            escape = QMessageBox::No;
            break;
        default: buttons = QMessageBox::Ok; break;
    }
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ActivationReturn back(mainWindow());
    QMessageBox box(icon, request.caption, text, buttons, mainWindow());
    box.setDefaultButton(first);
    box.setEscapeButton(escape);
    switch (box.exec()) {
        case QMessageBox::Ok: return IDOK;
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        case QMessageBox::Cancel: return IDCANCEL;
        default: return escape == QMessageBox::No ? IDNO : escape == QMessageBox::Ok ? IDOK : IDCANCEL;
    }
}

FileAnswer showFileDialog(const FileRequest& request);

}  // namespace

// The file system's names are case-sensitive, and files made on other
// systems often carry upper-case extensions.
QString bothCases(const QString& filter)
{
    static const QRegularExpression patterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    QRegularExpressionMatch m = patterns.match(filter);
    if (!m.hasMatch()) return filter;
    QStringList out;
    for (const QString& p : m.captured(1).split(u' ', Qt::SkipEmptyParts)) {
        for (const QString& variant : {p, p.toLower(), p.toUpper()})
            if (!out.contains(variant)) out << variant;
    }
    return filter.left(m.capturedStart(0)) + u'(' + out.join(u' ') + u')';
}

namespace {

FileAnswer showFileDialog(const FileRequest& request)
{
    ActivationReturn back(mainWindow());
    QFileDialog dialog(mainWindow(), request.caption, request.directory);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const QString& f : request.filters) filters << bothCases(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = request.filterIndex - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    FileAnswer answer;
    answer.filterIndex = request.filterIndex;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
    answer.accepted = true;
    answer.fileName = dialog.selectedFiles().first();
    int chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0) answer.filterIndex = chosen + 1;
    return answer;
}

}  // namespace

int messageBox(const QString& text, const QString& caption, int flags)
{
    MessageRequest request{text, caption, flags};
    int result = IDCANCEL;
    runInMainThread([&] {
        if (MessageAnswerer answer = installed(&Answerers::message))
            result = answer(request);
        else
            result = showMessageBox(request);
    });
    return result;
}

void errorMessage(const QString& text) { messageBox(text, QStringLiteral("Error Message"), MB_OK | MB_ICONERROR); }

QString exceptionText(std::exception_ptr error)
{
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
    }
    return QStringLiteral("予期しないエラーが発生したため、処理を中止しました。");
}

void exceptionMessage(std::exception_ptr error) { errorMessage(exceptionText(error)); }

bool guard(const std::function<void()>& handler)
{
    if (!handler) return true;
    try {
        handler();
        return true;
    } catch (...) {
        exceptionMessage(std::current_exception());
        return false;
    }
}

QMetaObject::Connection onClick(QAbstractButton* button, const QObject* context, std::function<void()> handler)
{
    return onSignal(button, &QAbstractButton::clicked, context, std::move(handler));
}

void exceptionMessageLater(std::exception_ptr error)
{
    postToMainThread([error] {
        // A queue served after the application object has gone, or while it
        // goes, has no window left to show a box in.
        if (!QCoreApplication::instance() || QCoreApplication::closingDown()) {
            qWarning("%s", qUtf8Printable(exceptionText(error)));
            return;
        }
        exceptionMessage(error);
    });
}

int execModal(QDialog& dialog)
{
    int result = mrCancel;
    runInMainThread([&] {
        ActivationReturn back(dialog.parentWidget() ? dialog.parentWidget() : mainWindow());
        if (DialogAnswerer answer = installed(&Answerers::dialog)) {
            // Shown, so that what the dialog does on showing has happened
            // before the answerer looks at it; done() then closes it as a
            // click would and leaves the result where result() finds it.
            dialog.show();
            result = answer(dialog);
            dialog.done(result);
        } else {
            result = dialog.exec();
        }
    });
    return result;
}

namespace {

// The folder a dialog opens in for a stored one; "" stays "" (the process's
// current folder).
QString existingFolder(const QString& stored)
{
    if (stored.isEmpty()) return stored;
    const QString wanted = QDir::cleanPath(QFileInfo(stored).absoluteFilePath());
    QString path = wanted;
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path) break;
        path = parent;
    }
    // Only the root left of it: the stored place is gone altogether.
    if (!QFileInfo(path).isDir() || (path != wanted && QDir(path).isRoot())) return QDir::homePath();
    return path;
}

}  // namespace

FileAnswer fileDialog(const FileRequest& asked)
{
    // The dialog takes a start folder that is not there for a file name
    // inside its parent ("Command" typed into the program's folder), and a
    // preset name in a folder that is gone for a folder to show: it is
    // given a folder that exists, and of the preset name only the name.
    FileRequest request = asked;
    const QFileInfo preset(request.fileName);
    if (request.fileName.contains('/') && !preset.dir().exists()) {
        if (request.directory.isEmpty()) request.directory = preset.path();
        request.fileName = preset.fileName();
    }
    request.directory = existingFolder(request.directory);
    FileAnswer answer;
    runInMainThread([&] {
        if (FileAnswerer answerer = installed(&Answerers::file))
            answer = answerer(request);
        else
            answer = showFileDialog(request);
    });
    return answer;
}

FontAnswer fontDialog(const QFont& initial, QWidget* parent)
{
    FontAnswer answer;
    runInMainThread([&] {
        if (FontAnswerer answerer = installed(&Answerers::font)) {
            answer = answerer(initial);
            return;
        }
        ActivationReturn back(parent ? parent : mainWindow());
        bool ok = false;
        QFont font = QFontDialog::getFont(&ok, initial, parent ? parent : mainWindow());
        answer.accepted = ok;
        answer.font = ok ? font : initial;
    });
    return answer;
}

ColorAnswer colorDialog(unsigned initial, QWidget* parent)
{
    ColorAnswer answer;
    runInMainThread([&] {
        if (ColorAnswerer answerer = installed(&Answerers::color)) {
            answer = answerer(initial);
            return;
        }
        ActivationReturn back(parent ? parent : mainWindow());
        const QColor start = bgrColor(initial);
        QColor chosen = QColorDialog::getColor(start, parent ? parent : mainWindow());
        answer.accepted = chosen.isValid();
        answer.color = answer.accepted ? bgrOf(chosen) : initial;
    });
    return answer;
}

DirAnswer directoryDialog(const QString& caption, const QString& start, QWidget* parent)
{
    DirAnswer answer;
    runInMainThread([&] {
        if (DirAnswerer answerer = installed(&Answerers::directory)) {
            answer = answerer(caption, start);
            return;
        }
        ActivationReturn back(parent ? parent : mainWindow());
        QString dir = QFileDialog::getExistingDirectory(parent ? parent : mainWindow(), caption, start);
        answer.accepted = !dir.isEmpty();
        answer.directory = dir;
    });
    return answer;
}

void setMessageAnswerer(MessageAnswerer answerer) { install(&Answerers::message, std::move(answerer)); }
void setDialogAnswerer(DialogAnswerer answerer) { install(&Answerers::dialog, std::move(answerer)); }
void setFileAnswerer(FileAnswerer answerer) { install(&Answerers::file, std::move(answerer)); }
void setFontAnswerer(FontAnswerer answerer) { install(&Answerers::font, std::move(answerer)); }
void setColorAnswerer(ColorAnswerer answerer) { install(&Answerers::color, std::move(answerer)); }
void setDirectoryAnswerer(DirAnswerer answerer) { install(&Answerers::directory, std::move(answerer)); }

void setMainWindow(QWidget* window)
{
    std::lock_guard lock(answerers().mutex);
    answerers().mainWindow = window;
}

QWidget* mainWindow()
{
    std::lock_guard lock(answerers().mutex);
    return answerers().mainWindow.data();
}

}  // namespace ask
