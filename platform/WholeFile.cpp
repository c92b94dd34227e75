#include "platform/WholeFile.h"

#include "platform/FileErrors.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace wholefile {

namespace {

Contents failed(const QString& path, int error, const QString& reason = {})
{
    Contents c;
    c.status = error == ENOENT || error == ENOTDIR ? Status::Missing
               : error == EINVAL || error == EISDIR ? Status::NotRegular
               : error == EFBIG                     ? Status::TooLarge
                                                    : Status::Unreadable;
    c.error = error;
    c.reason = !reason.isEmpty() ? reason : fileerrors::reason(false, path, error);
    return c;
}

Contents tooLarge(const QString& path, qint64 limit)
{
    return failed(path, EFBIG, QStringLiteral("ファイルが大きすぎます（%1 KB まで）。").arg(limit / 1024));
}

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

}  // namespace

QString notRegularReason() { return fileerrors::reason(false, {}, EINVAL); }

int openRegular(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const auto refuse = [](int error) {
        errno = error;
        return -1;
    };
    if (native.isEmpty()) return refuse(ENOENT);
    // The kind is checked before the file is opened: opening a named pipe
    // waits for a writer, and opening a device may do something.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) return -1;
    if (S_ISDIR(st.st_mode)) return refuse(EISDIR);
    if (!S_ISREG(st.st_mode)) return refuse(EINVAL);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return -1;
    // The name may have been given to something else in between.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(EINVAL);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

Contents read(const QString& path, qint64 limit)
{
    Descriptor fd(openRegular(path));
    if (fd.get() < 0) return failed(path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return failed(path, errno);
    if (st.st_size > limit) return tooLarge(path, limit);
    // One byte past the bound: a file that grew since its size was taken is
    // refused rather than cut.
    Contents c;
    if (!readUpTo(fd.get(), c.bytes, st.st_size, limit + 1)) return failed(path, errno);
    if (c.bytes.size() > limit) return tooLarge(path, limit);
    c.status = Status::Ok;
    return c;
}

}  // namespace wholefile
