#include "tex/TeXConsole.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cerrno>
#include <unistd.h>

TeXConsole::TeXConsole(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("TeXConsole");
    setWindowTitle("TeX");
    output_ = new QPlainTextEdit(this);
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(20000);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    input_ = new QLineEdit(this);
    input_->setObjectName("TeXConsoleInput");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(output_);
    layout->addWidget(input_);
    connect(input_, &QLineEdit::returnPressed, this, [this] {
        QString line = input_->text();
        input_->clear();
        if (sendLine(line))
            append(line + "\n");
    });
    resize(640, 400);
}

TeXConsole::~TeXConsole() = default;

void TeXConsole::processStarted(const QString& commandLine, int stdinFd, std::function<void()> stop)
{
    {
        std::lock_guard lock(mutex_);
        stdinFd_ = stdinFd;
        stop_ = std::move(stop);
    }
    QMetaObject::invokeMethod(this, [this, commandLine] {
        decoder_.resetState();
        append((output_->document()->isEmpty() ? QString() : QStringLiteral("\n")) + "> " + commandLine + "\n");
        if (!isVisible())
            show();
        raise();
        input_->setFocus();
    }, Qt::QueuedConnection);
}

void TeXConsole::processOutput(const QByteArray& bytes)
{
    QMetaObject::invokeMethod(this, [this, bytes] { append(decoder_.decode(bytes)); }, Qt::QueuedConnection);
}

void TeXConsole::processEnded(int)
{
    std::lock_guard lock(mutex_);
    stdinFd_ = -1;
    stop_ = nullptr;
}

bool TeXConsole::sendLine(const QString& line)
{
    QByteArray bytes = line.toUtf8() + '\n';
    std::lock_guard lock(mutex_);
    if (stdinFd_ < 0)
        return false;
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        ssize_t n = write(stdinFd_, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

bool TeXConsole::programRunning() const
{
    std::lock_guard lock(mutex_);
    return stdinFd_ >= 0;
}

QString TeXConsole::text() const { return output_->toPlainText(); }

void TeXConsole::clear() { output_->clear(); }

void TeXConsole::closeEvent(QCloseEvent* event)
{
    // As with a terminal window, closing it ends the program that talks in it.
    // Called under the lock: the program's end clears it under the same
    // lock, so the worker it points into is still there.
    {
        std::lock_guard lock(mutex_);
        if (stop_)
            stop_();
    }
    event->accept();
}

void TeXConsole::append(const QString& text)
{
    if (text.isEmpty())
        return;
    QTextCursor cursor(output_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    output_->verticalScrollBar()->setValue(output_->verticalScrollBar()->maximum());
}
