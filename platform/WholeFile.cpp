#include "platform/WholeFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace wholefile {

namespace {

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

Contents failed(Status status, const QString& reason)
{
    Contents c;
    c.status = status;
    c.reason = reason;
    return c;
}

QString tooLargeReason(qint64 limit)
{
    return QStringLiteral("ファイルが大きすぎます（%1 KB まで）。").arg(limit / 1024);
}

Status statusOf(int err) { return err == ENOENT || err == ENOTDIR ? Status::Missing : Status::Unreadable; }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads up to `most` bytes, starting with room for `expected` (the size
// the file had); false with errno on a failed read.
bool readUpTo(int fd, QByteArray& bytes, qint64 expected, qint64 most)
{
    bytes.resize(std::min(expected + 1, most));
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got == most) break;
            bytes.resize(std::min(most, std::max<qint64>(got * 2, 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += n;
    }
    bytes.resize(got);
    return true;
}

Contents readFile(const QString& path, qint64 limit, bool tail)
{
    Status status = Status::Ok;
    QString reason;
    Descriptor fd(openRegular(path, &status, &reason));
    if (fd.get() < 0) return failed(status, reason);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return failed(Status::Unreadable, systemReason(errno));
    Contents c;
    if (st.st_size > limit) {
        if (!tail) return failed(Status::TooLarge, tooLargeReason(limit));
        c.offset = st.st_size - limit;
        if (::lseek(fd.get(), c.offset, SEEK_SET) < 0) return failed(Status::Unreadable, systemReason(errno));
    }
    // One byte past the bound: a file that grew since its size was taken is
    // refused rather than cut.
    if (!readUpTo(fd.get(), c.bytes, st.st_size - c.offset, limit + 1))
        return failed(Status::Unreadable, systemReason(errno));
    if (c.bytes.size() > limit) {
        if (!tail) return failed(Status::TooLarge, tooLargeReason(limit));
        c.offset += c.bytes.size() - limit;
        c.bytes.remove(0, c.bytes.size() - limit);
    }
    c.status = Status::Ok;
    return c;
}

}  // namespace

QString notRegularReason() { return QStringLiteral("通常のファイルではありません。"); }

int openRegular(const QString& path, Status* status, QString* reason)
{
    const auto refuse = [&](Status s, const QString& why) {
        if (status) *status = s;
        if (reason) *reason = why;
        return -1;
    };
    const QByteArray native = QFile::encodeName(path);
    // The kind is checked before the file is opened: opening a named pipe
    // waits for a writer, and opening a device may do something.
    struct stat st {};
    if (native.isEmpty()) return refuse(Status::Missing, systemReason(ENOENT));
    if (::stat(native.constData(), &st) != 0) return refuse(statusOf(errno), systemReason(errno));
    if (S_ISDIR(st.st_mode)) return refuse(Status::NotRegular, systemReason(EISDIR));
    if (!S_ISREG(st.st_mode)) return refuse(Status::NotRegular, notRegularReason());
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return refuse(statusOf(errno), systemReason(errno));
    // The name may have been given to something else in between.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(Status::NotRegular, notRegularReason());
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (status) *status = Status::Ok;
    return fd;
}

Contents read(const QString& path, qint64 limit) { return readFile(path, limit, false); }

Contents readTail(const QString& path, qint64 limit) { return readFile(path, limit, true); }

}  // namespace wholefile
