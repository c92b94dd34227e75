#include "tex/TeXConsole.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cerrno>
#include <unistd.h>

#include "platform/Ask.h"

TeXConsole::TeXConsole(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("TeXConsole");
    setWindowTitle("TeX");
    output_ = new QPlainTextEdit(this);
    output_->setReadOnly(true);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    input_ = new QLineEdit(this);
    input_->setObjectName("TeXConsoleInput");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(output_);
    layout->addWidget(input_);
    connect(input_, &QLineEdit::returnPressed, this, [this] {
        QString line = input_->text();
        // A refused line stays, to be shortened or sent later.
        Sent sent = send(line);
        if (sent == Sent::Refused) return;
        input_->clear();
        if (sent == Sent::Yes) append(line + "\n");
    });
    resize(640, 400);
    tick_ = new QTimer(this);
    tick_->setInterval(50);
    connect(tick_, &QTimer::timeout, this, [this] {
        flush();
        std::lock_guard lock(inputMutex_);
        writeWaitingInput();
    });
    tick_->start();
}

TeXConsole::~TeXConsole() = default;

void TeXConsole::runStarted()
{
    std::lock_guard lock(mutex_);
    queue_.push_back({Queued::Run, {}, {}, 0});
}

void TeXConsole::processStarted(const QString& commandLine, int stdinFd, std::function<void()> stop)
{
    {
        std::lock_guard lock(inputMutex_);
        stdinFd_ = stdinFd;
        stop_ = std::move(stop);
        waitingInput_.clear();
    }
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({Queued::Program, commandLine, {}, 0});
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            flush();
            if (!isVisible()) show();
            raise();
            input_->setFocus();
        },
        Qt::QueuedConnection);
}

void TeXConsole::processOutput(const QByteArray& bytes)
{
    std::lock_guard lock(mutex_);
    if (queue_.empty() || queue_.back().kind != Queued::Output) queue_.push_back({Queued::Output, {}, {}, 0});
    Queued& out = queue_.back();
    out.bytes += bytes;
    queuedBytes_ += bytes.size();
    // Trimmed only when twice the limit, so each byte is moved at most a
    // couple of times however small the pieces come.
    if (out.bytes.size() > 2 * kQueueLimit) {
        const qsizetype cut = out.bytes.size() - kQueueLimit;
        out.bytes.remove(0, cut);
        out.dropped += cut;
        queuedBytes_ -= cut;
    }
}

void TeXConsole::flush()
{
    std::vector<Queued> taken;
    {
        std::lock_guard lock(mutex_);
        taken.swap(queue_);
        queuedBytes_ = 0;
    }
    for (Queued& item : taken) {
        switch (item.kind) {
            case Queued::Run: transcript_.clear(); break;
            case Queued::Program:
                decoder_.resetState();
                transcript_.startProgram(item.commandLine);
                break;
            case Queued::Output:
                if (item.dropped > 0) {
                    // Cut mid-character perhaps: start decoding afresh at the
                    // next character's first byte.
                    decoder_.resetState();
                    qsizetype skip = 0;
                    while (skip < item.bytes.size() && (uchar(item.bytes[skip]) & 0xC0) == 0x80) ++skip;
                    item.bytes.remove(0, skip);
                    transcript_.dropped(item.dropped + skip);
                }
                transcript_.append(QString(decoder_.decode(item.bytes)));
                break;
        }
    }
    if (!taken.empty()) showChange();
}

void TeXConsole::showChange()
{
    TeXTranscript::Change change = transcript_.takeChange();
    if (change.rebuild) {
        output_->setPlainText(transcript_.text());
    } else if (!change.appended.isEmpty()) {
        QTextCursor cursor(output_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(change.appended);
    } else {
        return;
    }
    output_->verticalScrollBar()->setValue(output_->verticalScrollBar()->maximum());
}

void TeXConsole::processEnded(int)
{
    std::lock_guard lock(inputMutex_);
    stdinFd_ = -1;
    stop_ = nullptr;
    waitingInput_.clear();
}

bool TeXConsole::sendLine(const QString& line) { return send(line) == Sent::Yes; }

TeXConsole::Sent TeXConsole::send(const QString& line)
{
    QByteArray bytes = line.toUtf8() + '\n';
    QString refusal;
    {
        std::lock_guard lock(inputMutex_);
        if (stdinFd_ < 0) return Sent::NoProgram;
        if (bytes.size() > kMaxInputLine)
            refusal =
                QString("入力した行が長すぎるので、送れませんでした。\n1行は%1バイトまでです。").arg(kMaxInputLine);
        else if (waitingInput_.size() + bytes.size() > kMaxInputLine)
            refusal = "プログラムが前に送った入力をまだ読んでいないので、送れませんでした。";
        if (refusal.isEmpty()) {
            waitingInput_ += bytes;
            return writeWaitingInput() ? Sent::Yes : Sent::NoProgram;
        }
    }
    // Outside the lock: the message's own event loop runs the timer.
    ask::messageBox(refusal, "Quillmark", MB_ICONERROR);
    return Sent::Refused;
}

bool TeXConsole::writeWaitingInput()
{
    while (stdinFd_ >= 0 && !waitingInput_.isEmpty()) {
        ssize_t n = write(stdinFd_, waitingInput_.constData(), size_t(waitingInput_.size()));
        if (n > 0) {
            waitingInput_.remove(0, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;  // the rest goes on a later tick
        } else {
            waitingInput_.clear();
            return false;
        }
    }
    return stdinFd_ >= 0;
}

bool TeXConsole::programRunning() const
{
    std::lock_guard lock(inputMutex_);
    return stdinFd_ >= 0;
}

QString TeXConsole::text()
{
    flush();
    return transcript_.text();
}

void TeXConsole::clear()
{
    flush();
    transcript_.clear();
    showChange();
}

void TeXConsole::closeEvent(QCloseEvent* event)
{
    // As with a terminal window, closing it ends the program that talks in it.
    // Called under the lock: the program's end clears it under the same
    // lock, so the worker it points into is still there.
    {
        std::lock_guard lock(inputMutex_);
        if (stop_) stop_();
    }
    event->accept();
}

void TeXConsole::append(const QString& text)
{
    if (text.isEmpty()) return;
    flush();
    transcript_.append(text);
    showChange();
}
