#include "core/files/DocumentFile.h"
#include "core/files/FileErrors.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/WholeFile.h"

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
    out.layout.origin.resize(out.layout.breaks.size() + 1);
    for (size_t k = 0; k < out.layout.origin.size(); ++k) out.layout.origin[k] = int(k);
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

// The lines of a CR LF text, without their breaks.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> out;
    size_t from = 0;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", from)) {
        out.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    out.push_back(text.substr(from));
    return out;
}

// Lines without an origin that stand between two lines with one may still
// be lines of the file that lay between those two: an edit that split or
// joined lines and was then undone leaves them so.  They are matched from
// both ends of the stretch, line by line, as long as the texts agree.
void matchStretches(std::vector<int>& origin, const std::vector<std::string_view>& lines,
                    const std::vector<std::string_view>& base)
{
    const int n = int(lines.size());
    const int baseCount = int(base.size());
    int j = 0;
    while (j < n) {
        if (origin[size_t(j)] >= 0) {
            ++j;
            continue;
        }
        const int j0 = j;
        while (j < n && origin[size_t(j)] < 0) ++j;
        const int j1 = j;
        // The file's lines strictly between the known neighbours.
        const int b0 = j0 > 0 ? origin[size_t(j0 - 1)] + 1 : 0;
        const int b1 = j1 < n ? origin[size_t(j1)] : baseCount;
        int front = 0;
        while (j0 + front < j1 && b0 + front < b1 && lines[size_t(j0 + front)] == base[size_t(b0 + front)]) {
            origin[size_t(j0 + front)] = b0 + front;
            ++front;
        }
        for (int back = 1; j1 - back >= j0 + front && b1 - back >= b0 + front; ++back) {
            if (lines[size_t(j1 - back)] != base[size_t(b1 - back)]) break;
            origin[size_t(j1 - back)] = b1 - back;
        }
    }
}

}  // namespace

std::string toFileBytes(std::string_view text, const Layout& layout)
{
    const std::vector<std::string_view> lines = linesOf(text);
    std::vector<int> origin = layout.origin;
    // A text the layout did not follow line by line is matched as a whole.
    if (origin.size() != lines.size()) origin.assign(lines.size(), -1);
    bool uniform = true;
    for (Break b : layout.breaks) uniform = uniform && b == layout.dominant;
    if (!uniform && std::find(origin.begin(), origin.end(), -1) != origin.end())
        matchStretches(origin, lines, linesOf(layout.baseline));

    std::string out;
    out.reserve(text.size());
    for (size_t k = 0; k < lines.size(); ++k) {
        out.append(lines[k]);
        if (k + 1 == lines.size()) break;
        const int o = origin[k];
        // The file's last line had no break: one given to it now is new.
        out += breakBytes(o >= 0 && size_t(o) < layout.breaks.size() ? layout.breaks[size_t(o)] : layout.dominant);
    }
    return out;
}

void followChange(Layout& layout, const TextDocument& now, const TextDocument::Change& change)
{
    std::vector<int>& origin = layout.origin;
    const int newCount = now.lineCount();
    const int delta = newCount - int(origin.size());
    const int first = now.lineOfPosition(change.start);
    const int last = now.lineOfPosition(now.length() - change.tail);
    const int fresh = last - first + 1;
    const int count = fresh - delta;
    if (change.start < 0 || change.tail < 0 || count < 1 || first + count > int(origin.size())) {
        // Nothing known to follow from: every line counts as new.
        origin.assign(size_t(newCount), -1);
        return;
    }
    // The same number of lines: each is still the line it was (a key, a
    // replacement inside the lines).
    if (delta == 0) return;

    // Lines were split or joined.  A line that stayed whole at the front
    // (the change begins at its end) or at the back (the change ends at its
    // start) is the line it was; otherwise the last line keeps the break
    // that still ends the stretch, and the lines between are new.
    const int lastOld = origin[size_t(first + count - 1)];
    const int firstOld = origin[size_t(first)];
    const bool frontWhole = now.lineLength(first) > 0 && change.start >= now.lineStart(first) + now.lineLength(first);
    const bool backWhole = now.lineLength(last) > 0 && now.length() - change.tail <= now.lineStart(last);
    const bool single = count == 1 || fresh == 1;  // the front and the back are one line
    std::vector<int> made(size_t(fresh), -1);
    if (frontWhole && !(backWhole && single)) made.front() = firstOld;
    if (backWhole || !(frontWhole && single)) made.back() = lastOld;
    origin.erase(origin.begin() + first, origin.begin() + first + count);
    origin.insert(origin.begin() + first, made.begin(), made.end());
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
    // Only a regular file is opened: a named pipe or a terminal would wait.
    f.fd = wholefile::openRegular(path);
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
