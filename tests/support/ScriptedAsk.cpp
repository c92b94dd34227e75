#include "tests/support/ScriptedAsk.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace testsupport {
namespace {

std::string describe(const ask::MessageRequest& r)
{
    return "message \"" + r.text.toStdString() + "\" captioned \"" + r.caption.toStdString() + "\" flags " +
           std::to_string(r.flags);
}

// What a user who only wants the box gone would press.
int defaultAnswer(int flags)
{
    switch (flags & 0x0F) {
        case MB_OKCANCEL:
        case MB_YESNOCANCEL: return IDCANCEL;
        case MB_YESNO: return IDNO;
        default: return IDOK;
    }
}

}  // namespace

ScriptedAsk::ScriptedAsk()
{
    ask::setMessageAnswerer([this](const ask::MessageRequest& r) { return answerMessage(r); });
    ask::setDialogAnswerer([this](QDialog& d) { return answerDialog(d); });
    ask::setFileAnswerer([this](const ask::FileRequest& r) { return answerFile(r); });
    ask::setFontAnswerer([this](const QFont& initial) {
        std::unique_lock lock(mutex_);
        if (fontScript_.empty()) {
            lock.unlock();
            unscripted("font dialog");
            return ask::FontAnswer{false, initial};
        }
        ask::FontAnswer a = fontScript_.front();
        fontScript_.pop_front();
        return a;
    });
    ask::setColorAnswerer([this](unsigned initial) {
        std::unique_lock lock(mutex_);
        if (colorScript_.empty()) {
            lock.unlock();
            unscripted("colour dialog");
            return ask::ColorAnswer{false, initial};
        }
        ask::ColorAnswer a = colorScript_.front();
        colorScript_.pop_front();
        return a;
    });
    ask::setDirectoryAnswerer([this](const QString& caption, const QString&) {
        std::unique_lock lock(mutex_);
        if (dirScript_.empty()) {
            lock.unlock();
            unscripted("directory dialog \"" + caption + "\"");
            return ask::DirAnswer{};
        }
        ask::DirAnswer a = dirScript_.front();
        dirScript_.pop_front();
        return a;
    });
}

ScriptedAsk::~ScriptedAsk()
{
    ask::setMessageAnswerer({});
    ask::setDialogAnswerer({});
    ask::setFileAnswerer({});
    ask::setFontAnswerer({});
    ask::setColorAnswerer({});
    ask::setDirectoryAnswerer({});
    for (const ExpectedMessage& e : expectedMessages_)
        ADD_FAILURE() << "expected message never shown: \"" << e.text.value_or(QStringLiteral("(any)")).toStdString()
                      << "\"";
    if (!dialogScript_.empty()) ADD_FAILURE() << dialogScript_.size() << " scripted dialog answer(s) never used";
    if (!fileScript_.empty()) ADD_FAILURE() << fileScript_.size() << " scripted file dialog answer(s) never used";
    if (!fontScript_.empty() || !colorScript_.empty() || !dirScript_.empty())
        ADD_FAILURE() << "scripted font, colour or directory answers never used";
}

ScriptedAsk& ScriptedAsk::expectMessage(ExpectedMessage expected)
{
    std::lock_guard lock(mutex_);
    expectedMessages_.push_back(std::move(expected));
    return *this;
}

ScriptedAsk& ScriptedAsk::expectMessage(const QString& text, const QString& caption, int flags, int answer)
{
    return expectMessage(ExpectedMessage{text, caption, flags, answer});
}

ScriptedAsk& ScriptedAsk::answerNextMessage(int answer)
{
    return expectMessage(ExpectedMessage{std::nullopt, std::nullopt, std::nullopt, answer});
}

ScriptedAsk& ScriptedAsk::onDialog(std::function<int(QDialog&)> f)
{
    std::lock_guard lock(mutex_);
    dialogScript_.push_back(std::move(f));
    return *this;
}

ScriptedAsk& ScriptedAsk::onFile(std::function<ask::FileAnswer(const ask::FileRequest&)> f)
{
    std::lock_guard lock(mutex_);
    fileScript_.push_back(std::move(f));
    return *this;
}

ScriptedAsk& ScriptedAsk::onFile(ask::FileAnswer answer)
{
    return onFile([answer](const ask::FileRequest&) { return answer; });
}

ScriptedAsk& ScriptedAsk::onFont(ask::FontAnswer answer)
{
    std::lock_guard lock(mutex_);
    fontScript_.push_back(std::move(answer));
    return *this;
}

ScriptedAsk& ScriptedAsk::onColor(ask::ColorAnswer answer)
{
    std::lock_guard lock(mutex_);
    colorScript_.push_back(answer);
    return *this;
}

ScriptedAsk& ScriptedAsk::onDirectory(ask::DirAnswer answer)
{
    std::lock_guard lock(mutex_);
    dirScript_.push_back(std::move(answer));
    return *this;
}

std::vector<ask::MessageRequest> ScriptedAsk::messages() const
{
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<QString> ScriptedAsk::dialogs() const
{
    std::lock_guard lock(mutex_);
    return dialogs_;
}

std::vector<ask::FileRequest> ScriptedAsk::fileRequests() const
{
    std::lock_guard lock(mutex_);
    return files_;
}

int ScriptedAsk::pending() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(expectedMessages_.size() + dialogScript_.size() + fileScript_.size() + fontScript_.size() +
                            colorScript_.size() + dirScript_.size());
}

void ScriptedAsk::unscripted(const QString& what)
{
    if (!allowUnscripted_) ADD_FAILURE() << "unscripted " << what.toStdString();
}

int ScriptedAsk::answerMessage(const ask::MessageRequest& request)
{
    std::unique_lock lock(mutex_);
    messages_.push_back(request);
    if (expectedMessages_.empty()) {
        lock.unlock();
        unscripted(QString::fromStdString(describe(request)));
        return defaultAnswer(request.flags);
    }
    ExpectedMessage e = expectedMessages_.front();
    expectedMessages_.pop_front();
    lock.unlock();
    bool matches = (!e.text || *e.text == request.text) && (!e.caption || *e.caption == request.caption) &&
                   (!e.flags || *e.flags == request.flags);
    if (!matches) {
        ADD_FAILURE() << "unexpected " << describe(request) << "; expected \""
                      << e.text.value_or(QStringLiteral("(any)")).toStdString() << "\" captioned \""
                      << e.caption.value_or(QStringLiteral("(any)")).toStdString() << "\" flags "
                      << (e.flags ? std::to_string(*e.flags) : std::string("(any)"));
    }
    if (e.raise) e.raise();
    return e.answer;
}

int ScriptedAsk::answerDialog(QDialog& dialog)
{
    std::unique_lock lock(mutex_);
    dialogs_.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    if (dialogScript_.empty()) {
        lock.unlock();
        unscripted(QStringLiteral("dialog %1 \"%2\"").arg(dialog.metaObject()->className(), dialog.windowTitle()));
        return mrCancel;
    }
    auto f = std::move(dialogScript_.front());
    dialogScript_.pop_front();
    lock.unlock();
    return f(dialog);
}

ask::FileAnswer ScriptedAsk::answerFile(const ask::FileRequest& request)
{
    std::unique_lock lock(mutex_);
    files_.push_back(request);
    if (fileScript_.empty()) {
        lock.unlock();
        unscripted(QStringLiteral("file dialog \"%1\"").arg(request.caption));
        return ask::FileAnswer{};
    }
    auto f = std::move(fileScript_.front());
    fileScript_.pop_front();
    lock.unlock();
    return f(request);
}

}  // namespace testsupport
