#pragma once
// Scripted answers for everything that goes through the dialog seam.  While
// an object lives, no real window opens: each message box, modal dialog and
// common dialog takes the next scripted answer of its kind, every request is
// recorded, and a request that nobody scripted (or that does not match what
// was expected) fails the test and gets a harmless default answer instead of
// blocking.
#include "platform/Ask.h"

#include <QString>

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace testsupport {

struct ExpectedMessage {
    std::optional<QString> text;     // exact text when set
    std::optional<QString> caption;  // exact caption when set
    std::optional<int> flags;        // exact flags when set
    int answer = IDOK;
    // When set, called instead of answering: a box that fails to show (the
    // exception travels to whoever asked, from any thread).
    std::function<void()> raise;
};

class ScriptedAsk {
public:
    ScriptedAsk();
    // Clears the answerers and fails the test for scripted answers left over.
    ~ScriptedAsk();
    ScriptedAsk(const ScriptedAsk&) = delete;
    ScriptedAsk& operator=(const ScriptedAsk&) = delete;

    // Message boxes.
    ScriptedAsk& expectMessage(ExpectedMessage expected);
    ScriptedAsk& expectMessage(const QString& text, const QString& caption, int flags, int answer);
    // Any message box, answered with answer.
    ScriptedAsk& answerNextMessage(int answer);

    // Modal dialogs: f gets the dialog, may set its widgets and returns the result.
    ScriptedAsk& onDialog(std::function<int(QDialog&)> f);
    ScriptedAsk& onFile(std::function<ask::FileAnswer(const ask::FileRequest&)> f);
    ScriptedAsk& onFile(ask::FileAnswer answer);
    ScriptedAsk& onFont(ask::FontAnswer answer);
    ScriptedAsk& onColor(ask::ColorAnswer answer);
    ScriptedAsk& onDirectory(ask::DirAnswer answer);

    // Unscripted requests are answered with the default without failing.
    void allowUnscripted(bool allow = true) { allowUnscripted_ = allow; }

    std::vector<ask::MessageRequest> messages() const;
    std::vector<QString> dialogs() const;  // class names of the dialogs run
    std::vector<ask::FileRequest> fileRequests() const;
    int pending() const;

private:
    int answerMessage(const ask::MessageRequest& request);
    int answerDialog(QDialog& dialog);
    ask::FileAnswer answerFile(const ask::FileRequest& request);
    void unscripted(const QString& what);

    mutable std::mutex mutex_;
    bool allowUnscripted_ = false;
    std::deque<ExpectedMessage> expectedMessages_;
    std::deque<std::function<int(QDialog&)>> dialogScript_;
    std::deque<std::function<ask::FileAnswer(const ask::FileRequest&)>> fileScript_;
    std::deque<ask::FontAnswer> fontScript_;
    std::deque<ask::ColorAnswer> colorScript_;
    std::deque<ask::DirAnswer> dirScript_;
    std::vector<ask::MessageRequest> messages_;
    std::vector<QString> dialogs_;
    std::vector<ask::FileRequest> files_;
};

}  // namespace testsupport
