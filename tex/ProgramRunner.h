#pragma once
// Starting the outside programs: always an argument vector, never a shell
// command line, in a given working folder and with extra environment
// variables, so the editor's own current folder and environment stay as
// they are.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <sys/types.h>

namespace proc {

// Splits an option text into arguments.  Blanks and tabs separate; '...'
// keeps everything literally; "..." groups, and inside it a backslash
// escapes only \ " $ and `; outside quotes a backslash takes the next
// character literally.  Nothing is expanded.
QStringList splitArguments(const QString& text);

// A file name that the user or a document chose, as an argument that its
// program reads as that file whatever the name holds.  The programs give a
// first character of their own meaning to many a name: "-" starts an
// option for all of them, "&" names a format to TeX, "|" and "!" a pipe to
// TeX and dvips.  So a relative name that begins with anything but a letter
// or a digit (or a character beyond ASCII) gets "./" in front; other names,
// absolute ones and those that begin with "./" among them, stay as they are.
QString fileArgument(const QString& name);

struct Launch {
    QString program;  // a path; relative ones count from the editor's folder
    QStringList arguments;
    QString workingDirectory;  // empty: the editor's current folder
    QStringList environment;   // "NAME=value" entries added to (or replacing in) ours
};

// What a waited program does, reported from the waiting thread.
struct Io {
    // The program started; its standard input is the write end of a pipe,
    // which never blocks (a write the pipe cannot take now fails with EAGAIN).
    std::function<void(int stdinFd, pid_t pid)> started;
    // Bytes of its standard output and error, as they come.
    std::function<void(const QByteArray& bytes)> output;
    // It ended (before the input pipe is closed).
    std::function<void(int exitCode)> ended;
};

struct Result {
    bool started = false;
    int exitCode = -1;  // 128 + signal for a program ended by a signal
};

// Starts the program in a process group of its own and waits for it.  When
// cancel becomes true while it runs, the group is asked to end, and killed
// when it has not ended a second later.
Result runAndWait(const Launch& launch, const Io& io = {}, const std::atomic<bool>* cancel = nullptr);

// Starts the program and does not wait; it outlives the editor.
bool startDetached(const Launch& launch);

}  // namespace proc
