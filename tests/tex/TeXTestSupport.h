#pragma once
// Helpers of the TeX and conversation tests: a private runtime folder for
// the sockets, small script programs, waiting with the event loop running,
// a stand-in DVI viewer that speaks the conversation, and an answer to TeX's
// first error prompt.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "platform/LocalConv.h"
#include "tex/TeXConsole.h"

namespace textest {

// Points the conversation sockets at a folder of this test alone.
class PrivateRuntime {
public:
    PrivateRuntime() : old_(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8()); }
    ~PrivateRuntime() { qputenv("XDG_RUNTIME_DIR", old_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
};

// A socket file bound and never closed, as a server killed while it
// listened leaves it: connecting to it is refused.
inline QString leaveStaleSocket(const QString& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min(sizeof address.sun_path - 1, size_t(name.size())));
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound ? path : QString();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A shell script program (the tests' fake programs are scripts; the editor
// itself never goes through a shell).
inline QString writeScript(const QString& path, const QByteArray& body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ReadOwner);
    return path;
}

// Runs the event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int ms = 10000)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// A DVI viewer stand-in on its own thread: answers "dvifile" and
// "current_page" and records the macros it is sent.
class FakeViewerPeer {
public:
    FakeViewerPeer(std::string shownFile, std::string currentPage)
        : shown_(std::move(shownFile)), page_(std::move(currentPage))
    {
        thread_.start();
        context_.moveToThread(&thread_);
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                server_ = new conv::Server("WinDvi", "WinDvi");
                server_->onRequest = [this](const QString& item) -> std::optional<std::string> {
                    if (item == "dvifile") return shown_;
                    if (item == "current_page") return page_;
                    return std::nullopt;
                };
                server_->onExecute = [this](const std::string& macro) {
                    std::lock_guard lock(mutex_);
                    macros_.push_back(macro);
                    return true;
                };
                listening_ = server_->listen();
            },
            Qt::BlockingQueuedConnection);
    }
    ~FakeViewerPeer()
    {
        QMetaObject::invokeMethod(
            &context_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool listening() const { return listening_; }
    std::vector<std::string> macros() const
    {
        std::lock_guard lock(mutex_);
        return macros_;
    }

private:
    std::string shown_, page_;
    QThread thread_;
    QObject context_;
    conv::Server* server_ = nullptr;
    bool listening_ = false;
    mutable std::mutex mutex_;
    std::vector<std::string> macros_;
};

// While it lives, the first error prompt of TeX in the console is answered
// (with "x" unless told otherwise), so that a failing run ends instead of
// waiting for the user.
class AnswerFirstError {
public:
    explicit AnswerFirstError(std::function<TeXConsole*()> console, QString answer = "x")
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, console, answer] {
            TeXConsole* view = console();
            if (!answered_ && view && view->text().contains("\n? ")) answered_ = view->sendLine(answer);
        });
        timer_.start(20);
    }
    bool answered() const { return answered_; }

private:
    QTimer timer_;
    bool answered_ = false;
};

}  // namespace textest
