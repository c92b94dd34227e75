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
    // Writes the line and a line feed to the running program.  False when
    // none runs or it no longer reads.
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void append(const QString& text);
    void showChange();
    QPlainTextEdit* output_ = nullptr;
    QLineEdit* input_ = nullptr;
    QTimer* tick_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    TeXTranscript transcript_;
    mutable std::mutex mutex_;
    int stdinFd_ = -1;
    std::function<void()> stop_;
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
