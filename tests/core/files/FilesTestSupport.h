#pragma once
// Temporary folders, file bytes and scripted answers for the file tests.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Ask.h"

namespace filestest {

inline std::string readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

inline void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes.data(), qint64(bytes.size()));
}

inline QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Answers message boxes and file dialogs from queues and records what was
// asked.  An unexpected message is answered with IDCANCEL, an unexpected file
// dialog is cancelled.
struct Answers {
    std::vector<ask::MessageRequest> messages;
    std::vector<ask::FileRequest> fileRequests;
    std::deque<int> messageReplies;
    std::deque<ask::FileAnswer> fileReplies;

    Answers()
    {
        ask::setMessageAnswerer([this](const ask::MessageRequest& r) {
            messages.push_back(r);
            if (messageReplies.empty()) return int(IDCANCEL);
            const int reply = messageReplies.front();
            messageReplies.pop_front();
            return reply;
        });
        ask::setFileAnswerer([this](const ask::FileRequest& r) {
            fileRequests.push_back(r);
            if (fileReplies.empty()) return ask::FileAnswer{};
            ask::FileAnswer a = fileReplies.front();
            fileReplies.pop_front();
            return a;
        });
    }
    ~Answers()
    {
        ask::setMessageAnswerer({});
        ask::setFileAnswerer({});
    }
    void choose(const QString& name, int filterIndex) { fileReplies.push_back({true, name, filterIndex}); }
};

}  // namespace filestest

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
