#pragma once
// The window in which the TeX programs talk to the user: it shows their
// output as it comes and hands each line typed into it to the running
// program's standard input, so TeX's error prompts can be answered.
//
// The waiting thread reports through the thread-safe calls, which only
// queue what came (a bounded amount: a flood keeps its newest part); the
// main thread takes the queue in on a short timer, so however fast a program
// writes, the window gets a bounded amount of work per tick and stays
// responsive.  What is shown is the run's transcript (TeXTranscript).
//
// Lines typed in go the other way without ever waiting: what the program's
// input pipe cannot take at once waits here and goes on the timer, under a
// lock of its own that the output never needs, so a program that writes
// and does not read cannot stop the window.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QWidget>
#include <functional>
#include <mutex>
#include <vector>

#include "tex/TeXTranscript.h"

class QLineEdit;
class QPlainTextEdit;
class QTimer;

class TeXConsole : public QWidget {
    Q_OBJECT
public:
    explicit TeXConsole(QWidget* parent = nullptr);
    ~TeXConsole() override;

    // ---- any thread ----
    // A new run starts: the window forgets the previous one.
    void runStarted();
    // A program started; stop ends it when the user closes the window.
    void processStarted(const QString& commandLine, int stdinFd, std::function<void()> stop);
    // Its terminal output, in the encoding of the locale it was given (UTF-8).
    void processOutput(const QByteArray& bytes);
    void processEnded(int exitCode);

    // ---- main thread ----
    // Hands the line and a line feed to the running program.  False when
    // none runs, it no longer reads, or the line is refused (with a
    // message): longer than kMaxInputLine, or more than that would wait for
    // a program that has not read what it was sent before.
    bool sendLine(const QString& line);
    bool programRunning() const;
    // Everything queued so far is taken in first.
    QString text();
    void clear();
    // Takes in what the programs wrote since the last tick.
    void flush();

    // Bytes of output queued between two ticks beyond which the oldest are
    // dropped (they would be trimmed from the transcript anyway).
    static constexpr qsizetype kQueueLimit = 256 * 1024;
    // Bytes of one line sent, its line feed included.  TeX reads a terminal
    // line into the buffer that also holds the lines of the files it has
    // open (200,000 bytes as TeX Live sets it up) and ends the run on one
    // that does not fit; a line this long always fits.
    static constexpr qsizetype kMaxInputLine = 32 * 1024;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Sent { Yes, NoProgram, Refused };
    Sent send(const QString& line);
    // Writes what waits, as far as the pipe takes it; false when the
    // program no longer reads.  Under inputMutex_.
    bool writeWaitingInput();
    void append(const QString& text);
    void showChange();
    QPlainTextEdit* output_ = nullptr;
    QLineEdit* input_ = nullptr;
    QTimer* tick_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    TeXTranscript transcript_;
    mutable std::mutex mutex_;  // the queue
    // The running program's input, its end, and the bytes sent to it that
    // its pipe has not taken yet.
    mutable std::mutex inputMutex_;
    int stdinFd_ = -1;
    std::function<void()> stop_;
    QByteArray waitingInput_;
    // Queued by the waiting thread, in order: a new run, a heading, output.
    struct Queued {
        enum Kind { Run, Program, Output } kind;
        QString commandLine;
        QByteArray bytes;
        qint64 dropped = 0;
    };
    std::vector<Queued> queue_;
    qsizetype queuedBytes_ = 0;
};
