#include "core/files/DocumentFile.h"
#include "core/files/FileErrors.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace docfile {

// ---- line breaks ----

EditorText fromFileBytes(std::string_view bytes)
{
    EditorText out;
    out.text.reserve(bytes.size() + bytes.size() / 32);
    std::array<size_t, 3> count{};
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t at = bytes.find_first_of("\r\n", i);
        if (at == std::string_view::npos) {
            out.text.append(bytes.substr(i));
            break;
        }
        out.text.append(bytes.substr(i, at - i));
        Break b = Break::LF;
        i = at + 1;
        if (bytes[at] == '\r') {
            if (i < bytes.size() && bytes[i] == '\n') {
                b = Break::CRLF;
                ++i;
            } else {
                b = Break::CR;
            }
        }
        out.text += "\r\n";
        out.layout.breaks.push_back(b);
        ++count[size_t(b)];
    }
    // Ties go to CR LF, the form a new document is written in.
    Break dominant = Break::CRLF;
    if (count[size_t(Break::LF)] > count[size_t(dominant)]) dominant = Break::LF;
    if (count[size_t(Break::CR)] > count[size_t(dominant)]) dominant = Break::CR;
    out.layout.dominant = dominant;
    out.layout.baseline = out.text;
    return out;
}

namespace {

const char* breakBytes(Break b)
{
    switch (b) {
        case Break::LF: return "\n";
        case Break::CR: return "\r";
        case Break::CRLF: break;
    }
    return "\r\n";
}

bool uniform(const Layout& layout)
{
    for (Break b : layout.breaks)
        if (b != layout.dominant) return false;
    return true;
}

}  // namespace

std::string toFileBytes(std::string_view text, const Layout& layout)
{
    // Lines in the common head and tail of the baseline and the text are
    // the file's own lines and take back their own breaks; the edited middle
    // takes the dominant one.  A file with one kind of break needs no
    // comparison at all.
    size_t head = 0, tail = 0, tailBreaksTotal = 0;
    const std::string_view base = layout.baseline;
    const bool mixed = !uniform(layout);
    if (mixed) {
        const size_t n = std::min(base.size(), text.size());
        while (head < n && base[head] == text[head]) ++head;
        while (tail < n - head && base[base.size() - 1 - tail] == text[text.size() - 1 - tail]) ++tail;
        for (size_t i = base.size() - tail; i + 1 < base.size(); ++i)
            if (base[i] == '\r' && base[i + 1] == '\n') ++tailBreaksTotal;
    }
    // Breaks of the text counted from its end, to find those in the tail.
    size_t textBreaks = 0;
    if (mixed)
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '\r' && text[i + 1] == '\n') ++textBreaks;

    std::string out;
    out.reserve(text.size());
    size_t breakIndex = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            Break b = layout.dominant;
            if (mixed) {
                if (i + 2 <= head && breakIndex < layout.breaks.size()) {
                    b = layout.breaks[breakIndex];
                } else if (i >= text.size() - tail) {
                    const size_t fromEnd = textBreaks - breakIndex;  // 1 = last break
                    if (fromEnd <= tailBreaksTotal && fromEnd <= layout.breaks.size())
                        b = layout.breaks[layout.breaks.size() - fromEnd];
                }
            }
            out += breakBytes(b);
            ++breakIndex;
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// ---- file names ----

QString extractFileName(const QString& path) { return path.mid(path.lastIndexOf('/') + 1); }

QString extractFileDir(const QString& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QString();
    if (slash == 0) return QStringLiteral("/");
    return path.left(slash);
}

QString extractFileExt(const QString& path)
{
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0 || dot < path.lastIndexOf('/')) return QString();
    return path.mid(dot);
}

QString changeFileExt(const QString& path, const QString& ext)
{
    const QString old = extractFileExt(path);
    return path.left(path.size() - old.size()) + ext;
}

QString backupPathFor(const QString& path) { return changeFileExt(path, QStringLiteral(".BAK")); }

// ---- reading ----

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString fromNative(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0) ::close(fd);
    }
    int release()
    {
        int f = fd;
        fd = -1;
        return f;
    }
};

DiskStamp stampFrom(const struct stat& st)
{
    DiskStamp s;
    s.known = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modifiedSec = st.st_mtim.tv_sec;
    s.modifiedNsec = st.st_mtim.tv_nsec;
    return s;
}

}  // namespace

DiskStamp stampOf(const QString& path)
{
    struct stat st {};
    if (::stat(native(path).c_str(), &st) != 0) return {};
    return stampFrom(st);
}

ReadResult read(const QString& path, size_t limit)
{
    ReadResult r;
    const auto fail = [&](int err) {
        r.status = ReadStatus::Failed;
        r.error = fileErrorText(FileAction::Read, path, err);
        return r;
    };
    Fd f;
    f.fd = ::open(native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (f.fd < 0) return fail(errno);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) return fail(errno);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    r.stamp = stampFrom(st);
    if (S_ISREG(st.st_mode) && size_t(st.st_size) > limit) {
        r.status = ReadStatus::TooLarge;
        r.fileSize = size_t(st.st_size);
        return r;
    }
    // Read one byte past the limit so a file that grew since fstat (or a
    // pipe) is still caught rather than cut.
    std::string bytes;
    bytes.resize(limit + 1);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(f.fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (n == 0) break;
        got += size_t(n);
    }
    if (got > limit) {
        r.status = ReadStatus::TooLarge;
        r.fileSize = got;
        return r;
    }
    bytes.resize(got);
    r.content = fromFileBytes(bytes);
    r.fileSize = got;
    r.textSize = r.content.text.size();
    if (r.content.text.size() > limit) {
        r.status = ReadStatus::TooLarge;
        r.content = {};
        return r;
    }
    r.status = ReadStatus::Ok;
    return r;
}

// ---- writing ----

namespace {

[[noreturn]] void throwCreate(const std::string& path, int err)
{
    throw FileError(fileErrorText(FileAction::Save, fromNative(path), err), err);
}

void writeAll(int fd, std::string_view bytes, const std::string& path)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwCreate(path, errno);
        }
        done += size_t(n);
    }
}

// The folder part of a path with its slash ("" for a bare name).
std::string folderPrefixOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A temporary file beside `path`, removed again unless kept.
struct TempFile {
    std::string name;
    Fd f;
    bool kept = false;
    explicit TempFile(const std::string& path)
    {
        const std::string dir = folderPrefixOf(path);
        std::string pattern = dir + "." + path.substr(dir.size()) + ".XXXXXX";
        f.fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (f.fd < 0) throwCreate(path, errno);
        name = pattern;
    }
    void finish(const std::string& forPath)
    {
        if (::fsync(f.fd) != 0) throwCreate(forPath, errno);
        if (::close(f.release()) != 0) throwCreate(forPath, errno);
    }
    ~TempFile()
    {
        if (!kept && !name.empty()) ::unlink(name.c_str());
    }
};

void syncFolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    Fd d;
    d.fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d.fd >= 0) ::fsync(d.fd);
}

// Puts the current contents of `doc` under `bak`, replacing an older backup
// only once the new one exists.  A hard link costs nothing where the document
// is about to get a new file of its own; a document written in place keeps
// its file, so its backup must be a copy.  Where the file system has no hard
// links, the bytes are copied too.
void copyToBackup(const std::string& doc, const std::string& bak, bool mayLink)
{
    TempFile tmp(bak);
    bool linked = false;
    if (mayLink) {
        // The temporary name is free once unlinked; link() then claims it.
        ::close(tmp.f.release());
        if (::unlink(tmp.name.c_str()) == 0 && ::link(doc.c_str(), tmp.name.c_str()) == 0) linked = true;
    }
    if (!linked) {
        Fd src;
        src.fd = ::open(doc.c_str(), O_RDONLY | O_CLOEXEC);
        if (src.fd < 0) throwCreate(bak, errno);
        struct stat st {};
        if (::fstat(src.fd, &st) != 0) throwCreate(bak, errno);
        if (tmp.f.fd < 0) tmp.f.fd = ::open(tmp.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (tmp.f.fd < 0) throwCreate(bak, errno);
        ::fchmod(tmp.f.fd, st.st_mode & 07777);
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(src.fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                throwCreate(bak, errno);
            }
            if (n == 0) break;
            writeAll(tmp.f.fd, std::string_view(buffer, size_t(n)), bak);
        }
        tmp.finish(bak);
    }
    if (::rename(tmp.name.c_str(), bak.c_str()) != 0) throwCreate(bak, errno);
    tmp.kept = true;
}

// A backup that cannot be made stops the save, and says so.
void makeBackup(const std::string& doc, const std::string& bak, bool mayLink)
{
    try {
        copyToBackup(doc, bak, mayLink);
    } catch (const FileError& e) {
        throw FileError(fileErrorText(FileAction::Backup, fromNative(bak), e.error()), e.error());
    }
}

mode_t currentUmask()
{
    const mode_t m = ::umask(022);
    ::umask(m);
    return m;
}

// The name a save writes to: the path itself, or, through every symbolic
// link on the way, the name the last one points at, which need not exist yet
// (a link whose file has gone gets the file back).
std::string followLinks(const std::string& path)
{
    std::string at = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        if (hops == 40) throwCreate(path, ELOOP);
        std::string target(size_t(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
        for (;;) {
            const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
            if (n < 0) throwCreate(path, errno);
            if (size_t(n) < target.size()) {
                target.resize(size_t(n));
                break;
            }
            target.resize(target.size() * 2);
        }
        if (target.empty()) throwCreate(path, ENOENT);
        // A relative link names a file of the link's own folder.
        at = target.front() == '/' ? target : folderPrefixOf(at) + target;
    }
}

void writeAt(int fd, std::string_view bytes, const std::string& path)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throwCreate(path, errno);
        }
        done += size_t(n);
    }
}

std::string readWhole(int fd, const std::string& path)
{
    std::string bytes;
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwCreate(path, errno);
        }
        if (n == 0) return bytes;
        bytes.append(buffer, size_t(n));
        at += n;
    }
}

// A file with other names (hard links) is rewritten in its own place, so
// that every name keeps showing the same file.  Its old contents are held
// until the new ones are on disk; a write that fails part way puts them
// back, with the old modification time, so the file is as it was.
bool writeInPlace(const std::string& target, const struct stat& st, std::string_view bytes, bool backup,
                  const std::string& bak)
{
    Fd f;
    f.fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (f.fd < 0) throwCreate(target, errno);
    struct stat now {};
    if (::fstat(f.fd, &now) != 0) throwCreate(target, errno);
    if (now.st_dev != st.st_dev || now.st_ino != st.st_ino) throwCreate(target, EAGAIN);
    const std::string old = readWhole(f.fd, target);

    bool backedUp = false;
    if (backup && bak != target) {
        makeBackup(target, bak, false);
        backedUp = true;
    }
    // Room for the new contents first, where the file system can promise it.
    if (bytes.size() > old.size() && ::fallocate(f.fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        throwCreate(target, errno);
    try {
        writeAt(f.fd, bytes, target);
        if (::ftruncate(f.fd, off_t(bytes.size())) != 0) throwCreate(target, errno);
        if (::fsync(f.fd) != 0) throwCreate(target, errno);
    } catch (const FileError&) {
        try {
            writeAt(f.fd, old, target);
        } catch (const FileError&) {
        }
        if (::ftruncate(f.fd, off_t(old.size())) == 0) {
            const struct timespec times[2] = {{0, UTIME_OMIT}, now.st_mtim};
            ::futimens(f.fd, times);
        }
        ::fsync(f.fd);
        throw;
    }
    if (::close(f.release()) != 0) throwCreate(target, errno);
    return backedUp;
}

}  // namespace

bool write(const QString& path, std::string_view bytes, bool backup)
{
    const std::string target = followLinks(native(path));
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) throwCreate(target, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // The rename below would replace a file that may not be written, since
    // it needs only the folder's permission.
    if (exists && ::access(target.c_str(), W_OK) != 0) throwCreate(target, errno);
    if (exists && (st.st_mode & 0222) == 0) throwCreate(target, EACCES);

    // The backup is the file's: beside it and named after it, also when a
    // symbolic link from another folder led here.
    const std::string bak = native(backupPathFor(fromNative(target)));
    if (exists && st.st_nlink > 1) return writeInPlace(target, st, bytes, backup, bak);

    TempFile tmp(target);
    writeAll(tmp.f.fd, bytes, target);
    if (exists) {
        if (::fchown(tmp.f.fd, st.st_uid, st.st_gid) != 0) { /* keeps our own ownership */
        }
        ::fchmod(tmp.f.fd, st.st_mode & 07777);
    } else {
        ::fchmod(tmp.f.fd, 0666 & ~currentUmask());
    }
    tmp.finish(target);

    bool backedUp = false;
    if (backup && exists) {
        struct stat bst {};
        const bool sameFile =
            bak == target || (::stat(bak.c_str(), &bst) == 0 && bst.st_dev == st.st_dev && bst.st_ino == st.st_ino);
        if (!sameFile) {
            makeBackup(target, bak, true);
            backedUp = true;
        }
    }
    if (::rename(tmp.name.c_str(), target.c_str()) != 0) throwCreate(target, errno);
    tmp.kept = true;
    syncFolderOf(target);
    return backedUp;
}

}  // namespace docfile
