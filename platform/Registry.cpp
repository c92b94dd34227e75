#include "platform/Registry.h"
#include "platform/SettingsFailures.h"
#include "platform/WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

// File format, one line each:
//   [\Software\Kestrelwood\Quillmark\TeXSetting]   a key
//   Name=dword:12                                  a DWORD (signed decimal)
//   Name=sz:text                                   a string
//   ; comment
// In names and texts a backslash starts an escape: \\ \r \n \t \= \xHH
// \uHHHH.  Names and key components compare without regard to case, as the
// program's keys always did; the spelling first written is kept.

namespace {

// Names and key paths are nearly always ASCII, where folding is lowering
// A to Z; a name already in lower case is shared, not copied.
QString folded(const QString& text)
{
    bool upper = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) return text.toCaseFolded();
        upper = upper || (u >= u'A' && u <= u'Z');
    }
    if (!upper) return text;
    QString result = text;
    for (QChar& c : result)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z') c = QChar(char16_t(c.unicode() + (u'a' - u'A')));
    return result;
}

struct StoredValue {
    bool isDword = false;
    qint32 dword = 0;
    QString text;
    bool operator==(const StoredValue& o) const
    {
        return isDword == o.isDword && (isDword ? dword == o.dword : text == o.text);
    }
};

struct KeyData {
    QString path;  // "\A\B" as first written
    std::vector<std::pair<QString, StoredValue>> values;
    QHash<QString, size_t> index;  // folded name -> position in values

    const StoredValue* find(const QString& name) const
    {
        auto it = index.constFind(folded(name));
        return it == index.constEnd() ? nullptr : &values[*it].second;
    }
    bool set(const QString& name, const StoredValue& value)
    {
        QString key = folded(name);
        auto it = index.constFind(key);
        if (it != index.constEnd()) {
            if (values[*it].second == value) return false;
            values[*it].second = value;
            return true;
        }
        index.insert(key, values.size());
        values.emplace_back(name, value);
        return true;
    }
};

using Tree = std::map<QString, KeyData>;  // folded path -> key

QString normalisePath(const QString& path)
{
    // Most paths come in the form kept: a backslash before each part, none
    // doubled and none at the end.
    if (!path.isEmpty() && path.front() == u'\\' && path.back() != u'\\' && !path.contains(u"\\\\"))
        return path;
    QString result;
    result.reserve(path.size() + 1);
    bool separate = true;
    for (const QChar c : path) {
        if (c == u'\\') {
            separate = true;
            continue;
        }
        if (separate) result += u'\\';
        separate = false;
        result += c;
    }
    return result;
}

void appendEscaped(QString& out, const QString& text, bool isName)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        char16_t u = c.unicode();
        if (u == u'\\')
            out += u"\\\\";
        else if (u == u'\r')
            out += u"\\r";
        else if (u == u'\n')
            out += u"\\n";
        else if (u == u'\t')
            out += u"\\t";
        else if (isName && (u == u'=' || (i == 0 && (u == u'[' || u == u';'))))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QChar(u'0'));
        else if (u < 0x20 || u == 0x7F)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QChar(u'0'));
        else if (c.isSurrogate() && !(c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) &&
                 !(c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QChar(u'0'));
        else
            out += c;
    }
}

std::optional<QString> unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) return std::nullopt;
        char16_t e = text[i].unicode();
        switch (e) {
            case u'\\': out += u'\\'; break;
            case u'r': out += u'\r'; break;
            case u'n': out += u'\n'; break;
            case u't': out += u'\t'; break;
            case u'=': out += u'='; break;
            case u'x':
            case u'u': {
                int digits = e == u'x' ? 2 : 4;
                if (i + digits >= text.size()) return std::nullopt;
                bool ok = false;
                uint code = text.mid(i + 1, digits).toUInt(&ok, 16);
                if (!ok) return std::nullopt;
                out += QChar(static_cast<char16_t>(code));
                i += digits;
                break;
            }
            default: return std::nullopt;
        }
    }
    return out;
}

QByteArray serialise(const Tree& tree)
{
    QString out = QStringLiteral("; Quillmark settings\n");
    for (const auto& [folded, key] : tree) {
        out += u'\n';
        out += u'[';
        out += key.path.isEmpty() ? QStringLiteral("\\") : key.path;
        out += QStringLiteral("]\n");
        for (const auto& [name, value] : key.values) {
            appendEscaped(out, name, true);
            if (value.isDword) {
                out += QStringLiteral("=dword:") + QString::number(value.dword) + u'\n';
            } else {
                out += u"=sz:";
                appendEscaped(out, value.text, false);
                out += u'\n';
            }
        }
    }
    return out.toUtf8();
}

KeyData& keyFor(Tree& tree, const QString& path)
{
    KeyData& key = tree[folded(path)];
    if (key.path.isEmpty()) key.path = path;
    return key;
}

std::optional<Tree> parse(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    Tree tree;
    KeyData* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']')) return std::nullopt;
            current = &keyFor(tree, normalisePath(line.mid(1, line.size() - 2).toString()));
            continue;
        }
        if (!current) return std::nullopt;
        // The first unescaped '=' ends the name ('=' in names is always escaped).
        qsizetype eq = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'\\')
                ++i;
            else if (line[i] == u'=') {
                eq = i;
                break;
            }
        }
        if (eq < 0) return std::nullopt;
        auto name = unescape(line.left(eq));
        QStringView data = line.mid(eq + 1);
        if (!name) return std::nullopt;
        StoredValue value;
        if (data.startsWith(u"dword:")) {
            bool ok = false;
            value.isDword = true;
            value.dword = data.mid(6).toInt(&ok);
            if (!ok) return std::nullopt;
        } else if (data.startsWith(u"sz:")) {
            auto unescaped = unescape(data.mid(3));
            if (!unescaped) return std::nullopt;
            value.text = *unescaped;
        } else {
            return std::nullopt;
        }
        current->set(*name, value);
    }
    return tree;
}

struct FileStamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    bool operator==(const FileStamp& o) const
    {
        return exists == o.exists && dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec;
    }
};

FileStamp stampOf(const QString& path)
{
    FileStamp s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        s.exists = true;
        s.dev = st.st_dev;
        s.ino = st.st_ino;
        s.size = st.st_size;
        s.mtime = st.st_mtim;
    }
    return s;
}

QString quarantinePath(const QString& path)
{
    QString base =
        path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n) candidate = base + u'-' + QString::number(n);
    return candidate;
}

// Whether the store's own name may be renamed aside or replaced: a regular
// file or a link (moving a link leaves what it points to alone), never a
// pipe, a device or a folder that stands there itself.
bool replaceable(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode) || S_ISLNK(st.st_mode);
}

std::string notReplaceableMessage(const QString& path)
{
    return (path + QStringLiteral(": ") + wholefile::notRegularReason()).toStdString();
}

// Holds the exclusive lock on the store's lock file for one read-modify-write.
class FileLock {
public:
    explicit FileLock(const QString& storeFile)
    {
        QDir().mkpath(QFileInfo(storeFile).absolutePath());
        fd_ = ::open(QFile::encodeName(storeFile + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                     0600);
        if (fd_ < 0)
            throw ERegistryException("Cannot lock the settings file " + storeFile.toStdString() + ": " +
                                     std::strerror(errno));
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FileLock()
    {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

void writeAtomically(const QString& path, const QByteArray& data)
{
    // A store the user made read-only stays as it is: the rename below needs
    // only the folder's permission and would replace it.
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && (::access(target.constData(), W_OK) != 0 || (old.st_mode & 0222) == 0)) {
        if (errno == 0 || (old.st_mode & 0222) == 0) errno = EACCES;
        throw ERegistryException("Cannot write the settings file " + path.toStdString() + ": " + std::strerror(errno));
    }
    QByteArray templ = QFile::encodeName(path + QStringLiteral(".tmp-XXXXXX"));
    int fd = ::mkostemp(templ.data(), O_CLOEXEC);
    auto fail = [&](const char* what) {
        std::string message =
            std::string(what) + " the settings file " + path.toStdString() + ": " + std::strerror(errno);
        if (fd >= 0) ::close(fd);
        ::unlink(templ.constData());
        throw ERegistryException(message);
    };
    if (fd < 0) fail("Cannot write");
    if (exists) ::fchmod(fd, old.st_mode & 07777);
    for (qsizetype done = 0; done < data.size();) {
        ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("Cannot write");
        done += n;
    }
    if (::fdatasync(fd) != 0) fail("Cannot write");
    if (::close(fd) != 0) {
        fd = -1;
        fail("Cannot write");
    }
    fd = -1;
    if (::rename(templ.constData(), QFile::encodeName(path).constData()) != 0) fail("Cannot replace");
}

// One change to the tree: a value set, or (without a name) a key created.
struct Change {
    QString path;
    std::optional<QString> name;
    StoredValue value;

    bool applyTo(Tree& tree) const
    {
        if (!name) {
            bool existed = tree.count(folded(path)) != 0;
            keyFor(tree, path);
            return !existed;
        }
        return keyFor(tree, path).set(*name, value);
    }
};

// The process's view of the store file, shared by every registry object and
// thread.  Reads come from the copy parsed at the last refresh; writes go
// through to the file under the lock, merged with whatever another instance
// wrote since.  Inside a batch, changes are kept in memory (and re-applied
// whenever the file is re-read) until the batch ends.
class Store {
public:
    static Store& instance()
    {
        static Store store;
        return store;
    }

    std::mutex mutex;

    // Re-reads the file when it is not the one parsed last.  A file that
    // cannot be parsed reads as empty (start-up quarantines it first).
    void refresh()
    {
        if (readingDepth_ > 0 && loaded_) return;
        QString path = settings::storePath();
        FileStamp stamp = stampOf(path);
        if (path == path_ && stamp == stamp_ && loaded_) return;
        if (path != path_) unsaved_.clear();  // they belong to the store they were meant for
        path_ = path;
        stamp_ = stamp;
        loaded_ = true;
        corrupt_ = false;
        tree_.clear();
        if (stamp.exists) {
            // Unreadable, too large or not a file: a write must not replace
            // it with less.
            const wholefile::Contents contents = wholefile::read(path, settings::kMaxStoreBytes);
            std::optional<Tree> tree;
            if (contents.status == wholefile::Status::Ok) tree = parse(contents.bytes);
            if (tree)
                tree_ = std::move(*tree);
            else
                corrupt_ = true;
        }
        for (const Change& c : unsaved_) c.applyTo(tree_);
        for (const Change& c : pending_) c.applyTo(tree_);
    }

    void change(const Change& c)
    {
        if (batchDepth_ > 0) {
            refresh();
            if (c.applyTo(tree_)) pending_.push_back(c);
            return;
        }
        commit({c}, false);
    }

    void beginBatch() { ++batchDepth_; }

    // A reading starts from the file as it is now, which may be another
    // store than the one read last.
    void beginReading()
    {
        if (readingDepth_ == 0) refresh();
        ++readingDepth_;
    }
    void endReading() { --readingDepth_; }

    void endBatch()
    {
        if (--batchDepth_ > 0 || pending_.empty()) return;
        std::vector<Change> changes;
        changes.swap(pending_);
        commit(changes, true);
    }

    bool keyExists(const QString& path) const
    {
        if (path.isEmpty()) return true;
        const QString key = folded(path);
        auto it = tree_.lower_bound(key);
        if (it == tree_.end()) return false;
        return it->first == key || it->first.startsWith(key + u'\\');
    }

    const StoredValue* value(const QString& path, const QString& name) const
    {
        auto it = tree_.find(folded(path));
        return it == tree_.end() ? nullptr : it->second.find(name);
    }

    void invalidate() { loaded_ = false; }

    std::function<void(const QString&)> onWriteFailure;

private:
    // Writes the changes; a store that cannot be written (a read-only file
    // or folder, a full disk) keeps them in memory for this session, where
    // every reader sees them, and tries again with the next change.  The
    // user is told once, with the reason.
    void commit(const std::vector<Change>& changes, bool alreadyApplied)
    {
        try {
            write(changes, alreadyApplied);
            unsaved_.clear();
        } catch (const ERegistryException& e) {
            loaded_ = false;
            refresh();
            for (const Change& c : changes)
                if (c.applyTo(tree_) || alreadyApplied) unsaved_.push_back(c);
            if (!failureReported) {
                failureReported = true;
                if (onWriteFailure)
                    onWriteFailure(QString::fromLocal8Bit(e.what()));
                else
                    qWarning("Settings kept for this session only: %s", e.what());
            }
        }
    }

    // Applies the changes to the freshest tree under the lock and writes the
    // file when something changed (or always, for changes already in tree_).
    void write(const std::vector<Change>& changes, bool alreadyApplied)
    {
        QString path = settings::storePath();
        if (!replaceable(path)) throw ERegistryException(notReplaceableMessage(path));
        FileLock lock(path);
        // Under the lock the file is always read afresh: a rename can reuse
        // the inode number, and timestamps are coarse, so the stamp alone
        // can miss another instance's write made a moment ago.
        loaded_ = false;
        refresh();
        if (corrupt_) {
            // Never overwrite a file that could not be read: keep it aside.
            ::rename(QFile::encodeName(path).constData(), QFile::encodeName(quarantinePath(path)).constData());
            loaded_ = false;
            refresh();
        }
        bool changed = alreadyApplied || !unsaved_.empty();
        for (const Change& c : changes) changed = c.applyTo(tree_) || changed;
        if (!changed) return;
        // A store the next start would refuse is never written.
        const QByteArray bytes = serialise(tree_);
        if (bytes.size() > settings::kMaxStoreBytes)
            throw ERegistryException(QStringLiteral("設定が %1 KB を超えるため、書き込めません。")
                                         .arg(settings::kMaxStoreBytes / 1024)
                                         .toStdString());
        writeAtomically(path, bytes);
        stamp_ = stampOf(path);
    }

    QString path_;
    FileStamp stamp_;
    bool loaded_ = false;
    bool corrupt_ = false;
    Tree tree_;
    int batchDepth_ = 0;
    int readingDepth_ = 0;
    std::vector<Change> pending_;
    std::vector<Change> unsaved_;  // made while the file could not be written

public:
    bool failureReported = false;
};

std::string quoted(const QString& name) { return "'" + name.toStdString() + "'"; }

void writeValue(const QString& path, const QString& name, const StoredValue& value)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.change(Change{path, name, value});
}

StoredValue dword(qint32 v)
{
    StoredValue s;
    s.isDword = true;
    s.dword = v;
    return s;
}

StoredValue string(const QString& text)
{
    StoredValue s;
    s.text = text;
    return s;
}

}  // namespace

namespace settings {

QString storePath()
{
    QString named = qEnvironmentVariable("QUILLMARK_SETTINGS");
    if (!named.isEmpty()) return named;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config)) config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/quillmark/settings.ini");
}

StartCheck checkAtStart()
{
    StartCheck check;
    const QString path = storePath();
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return check;
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    if (!replaceable(path)) {
        // Nothing is renamed or written there; this session's changes are
        // kept in memory, which the user hears of now rather than again at
        // the first write.
        check.outcome = StartCheck::Refused;
        check.reason = wholefile::notRegularReason();
        store.failureReported = true;
        store.invalidate();
        return check;
    }
    std::optional<FileLock> lock;
    try {
        lock.emplace(path);
    } catch (const ERegistryException&) {
        return check;  // a store that cannot be written is not moved aside either
    }
    const wholefile::Contents contents = wholefile::read(path, kMaxStoreBytes);
    if (contents.status == wholefile::Status::Missing) return check;
    if (contents.status == wholefile::Status::Ok && parse(contents.bytes)) return check;
    const QString target = quarantinePath(path);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) return check;
    store.invalidate();
    check.outcome = StartCheck::SetAside;
    check.movedTo = target;
    if (contents.status != wholefile::Status::Ok) check.reason = contents.reason;
    return check;
}

void setWriteFailureReporter(std::function<void(const QString& reason)> report)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.onWriteFailure = std::move(report);
    store.failureReported = false;
}

Batch::Batch()
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.beginBatch();
}

void Batch::commit()
{
    if (committed_) return;
    committed_ = true;
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.endBatch();
}

Batch::~Batch()
{
    try {
        commit();
    } catch (const std::exception& e) {
        qWarning("Settings not saved: %s", e.what());
    }
}

OneReading::OneReading()
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.beginReading();
}

OneReading::~OneReading()
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.endReading();
}

}  // namespace settings

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

static QString resolveKey(const QString& key, const QString& current, bool open)
{
    if (key.startsWith(u'\\') || !open) return normalisePath(key);
    return normalisePath(current + u'\\' + key);
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    QString path = resolveKey(key, current_, open_);
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    if (!store.keyExists(path)) {
        if (!canCreate) return false;
        store.change(Change{path, std::nullopt, {}});
    }
    current_ = path;
    open_ = true;
    return true;
}

void TRegistry::CloseKey()
{
    current_.clear();
    open_ = false;
}

bool TRegistry::KeyExists(const QString& key)
{
    QString path = resolveKey(key, current_, open_);
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    return store.keyExists(path);
}

bool TRegistry::ValueExists(const QString& name)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    return store.value(current_, name) != nullptr;
}

int TRegistry::ReadInteger(const QString& name)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    const StoredValue* v = store.value(current_, name);
    if (!v) throw ERegistryException("Value " + quoted(name) + " does not exist");
    if (!v->isDword) throw ERegistryException("Invalid data type for " + quoted(name));
    return v->dword;
}

bool TRegistry::ReadBool(const QString& name) { return ReadInteger(name) != 0; }

QString TRegistry::ReadString(const QString& name)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    const StoredValue* v = store.value(current_, name);
    if (!v) throw ERegistryException("Value " + quoted(name) + " does not exist");
    if (v->isDword) throw ERegistryException("Invalid data type for " + quoted(name));
    return v->text;
}

void TRegistry::WriteInteger(const QString& name, int value) { writeValue(current_, name, dword(value)); }
void TRegistry::WriteBool(const QString& name, bool value) { writeValue(current_, name, dword(value ? 1 : 0)); }
void TRegistry::WriteString(const QString& name, const QString& value) { writeValue(current_, name, string(value)); }

TRegIniFile::TRegIniFile(const QString& key) : key_(normalisePath(key)) {}

void TRegIniFile::OpenKey(const QString& key) { key_ = resolveKey(key, key_, true); }

static QString sectionPath(const QString& key, const QString& section)
{
    return section.isEmpty() ? key : normalisePath(key + u'\\' + section);
}

QString TRegIniFile::ReadString(const QString& section, const QString& ident, const QString& def)
{
    Store& store = Store::instance();
    std::lock_guard guard(store.mutex);
    store.refresh();
    const StoredValue* v = store.value(sectionPath(key_, section), ident);
    if (!v) return def;
    return v->isDword ? QString::number(v->dword) : v->text;
}

int TRegIniFile::ReadInteger(const QString& section, const QString& ident, int def)
{
    bool ok = false;
    int value = ReadString(section, ident, QString()).trimmed().toInt(&ok, 10);
    return ok ? value : def;
}

bool TRegIniFile::ReadBool(const QString& section, const QString& ident, bool def)
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    writeValue(sectionPath(key_, section), ident, string(value));
}

void TRegIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
    WriteString(section, ident, QString::number(value));
}

void TRegIniFile::WriteBool(const QString& section, const QString& ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}
