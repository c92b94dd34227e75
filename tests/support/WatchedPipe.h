#pragma once
// A named pipe that notices being opened for reading.  Code that opens it
// would wait for a writer for ever; instead the pipe lets such a reader go
// at once (a writer opens it and closes it again, so the reader sees an
// empty file) and remembers that it happened.
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace testsupport {

class WatchedPipe {
public:
    explicit WatchedPipe(const QString& path) : path_(QFile::encodeName(path))
    {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        watcher_ = std::thread([this] {
            while (!stop_) {
                // Succeeds only while someone has the pipe open for reading.
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~WatchedPipe()
    {
        stop_ = true;
        watcher_.join();
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    bool made() const { return made_; }
    bool wasOpened() const { return opened_; }
    // Still a pipe where it was made (nothing renamed or replaced it).
    bool inPlace() const
    {
        struct stat st {};
        return ::lstat(path_.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};

}  // namespace testsupport
