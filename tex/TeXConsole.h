#pragma once
// The window in which the TeX programs talk to the user: it shows their
// output as it comes and hands each line typed into it to the running
// program's standard input, so TeX's error prompts can be answered.
//
// The waiting thread reports through the thread-safe calls; everything on
// screen changes in the main thread.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QWidget>
#include <functional>
#include <mutex>

class QLineEdit;
class QPlainTextEdit;

class TeXConsole : public QWidget {
    Q_OBJECT
public:
    explicit TeXConsole(QWidget* parent = nullptr);
    ~TeXConsole() override;

    // ---- any thread ----
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
    QString text() const;
    void clear();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void append(const QString& text);
    QPlainTextEdit* output_ = nullptr;
    QLineEdit* input_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    mutable std::mutex mutex_;
    int stdinFd_ = -1;
    std::function<void()> stop_;
};
