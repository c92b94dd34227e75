// The ".qmc" colour file and the checks on new table rows.
#include "core/colour/ColorFile.h"

#include "core/files/FileErrors.h"
#include "platform/Cp932.h"
#include "platform/WholeFile.h"

#include <QFile>
#include <cerrno>
#include <QSaveFile>

#include <unistd.h>

namespace colorfile {

namespace {

QString boolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// Splits on CR LF; a bare LF also ends a line, so files passed through a
// tool that dropped the CRs still read.
std::vector<QString> splitLines(const std::string& bytes)
{
    std::vector<QString> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = bytes.size();
        size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.push_back(cp932::decode(std::string_view(bytes).substr(start, stop - start)));
        start = last ? end : end + 1;
    }
    return lines;
}

class LineReader {
public:
    explicit LineReader(const std::vector<QString>& lines) : lines_(lines) {}
    bool text(size_t index, QString& out)
    {
        if (index >= lines_.size()) return fail(QStringLiteral("List index out of bounds (%1)").arg(index));
        out = lines_[index];
        return true;
    }
    bool number(size_t index, int& out)
    {
        QString t;
        if (!text(index, t)) return false;
        if (!parseInt(t, out)) return fail(QStringLiteral("'%1' is not a valid integer value").arg(t));
        return true;
    }
    bool color(size_t index, unsigned& out)
    {
        int v = 0;
        if (!number(index, v)) return false;
        out = unsigned(v);
        return true;
    }
    bool flag(size_t index, bool& out)
    {
        QString t;
        if (!text(index, t)) return false;
        out = t == QLatin1String("true");
        return true;
    }
    QString error;

private:
    bool fail(const QString& message)
    {
        error = message;
        return false;
    }
    const std::vector<QString>& lines_;
};

}  // namespace

QString colorHex(unsigned color)
{
    return QStringLiteral("0x0") + QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper();
}

bool parseInt(const QString& text, int& value)
{
    QString t = text.trimmed();
    if (t.isEmpty()) return false;
    bool negative = false;
    if (t.startsWith('-') || t.startsWith('+')) {
        negative = t.startsWith('-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    } else if (t.startsWith('$')) {
        base = 16;
        t.remove(0, 1);
    }
    if (t.isEmpty()) return false;
    bool ok = false;
    const qulonglong magnitude = t.toULongLong(&ok, base);
    if (!ok) return false;
    // Hexadecimal may spell a negative value as its 32-bit pattern, as the
    // system colours are written; decimal must fit the signed range.
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull) return false;
        const int v = int(unsigned(magnitude));
        value = negative ? -v : v;
        return true;
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return false;
    value = negative ? int(-qlonglong(magnitude)) : int(magnitude);
    return true;
}

std::string write(const ColorSettings& s)
{
    QStringList lines;
    const ColorClassSettings& c = s.classes;
    lines << "Quillmark"
          << "Color Struct File" << QString::number(kCurrentVersion) << QString::number(int(s.FontColor))
          << QString::number(int(s.BackColor)) << QString::number(int(c.RemColor)) << boolText(c.RemItalic)
          << QString::number(int(c.DollerColor)) << boolText(c.DollerItalic) << QString::number(int(c.AndColor))
          << boolText(c.AndItalic) << QString::number(int(c.ZenColor)) << boolText(c.ZenOn);
    const size_t count = std::min(s.rows.size(), size_t(kMaxColorCommands));
    lines << QString::number(count);
    for (size_t i = 0; i < count; ++i) {
        const ColorCommandRow& r = s.rows[i];
        lines << r.name << colorHex(r.color) << boolText(r.ast) << boolText(r.bold) << boolText(r.italic);
    }
    lines << colorHex(c.GenTeXColor);
    std::string bytes;
    for (const QString& line : lines) {
        bytes += cp932::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

ReadResult read(const std::string& bytes, ColorSettings& settings)
{
    ReadResult result;
    const std::vector<QString> lines = splitLines(bytes);
    LineReader in(lines);
    QString t;
    if (!in.text(0, t) || t != QLatin1String("Quillmark")) {
        result.status = ReadStatus::NotQuillmark;
        return result;
    }
    if (!in.text(1, t) || t != QLatin1String("Color Struct File")) {
        result.status = ReadStatus::NotColorFile;
        return result;
    }
    auto malformed = [&] {
        result.status = ReadStatus::Malformed;
        result.error = in.error;
        return result;
    };
    if (!in.number(2, result.version)) return malformed();
    if (result.version >= 4 || result.version <= 0) {
        result.status = ReadStatus::UnsupportedVersion;
        return result;
    }

    // Everything goes into a copy first so a bad line leaves the caller's
    // settings as they were.
    ColorSettings next = settings;
    ColorClassSettings& c = next.classes;
    if (!in.color(3, next.FontColor) || !in.color(4, next.BackColor) || !in.color(5, c.RemColor) ||
        !in.flag(6, c.RemItalic))
        return malformed();
    int count = 0;
    size_t first = 0;
    if (result.version >= 2) {
        if (!in.color(7, c.DollerColor) || !in.flag(8, c.DollerItalic) || !in.color(9, c.AndColor) ||
            !in.flag(10, c.AndItalic) || !in.color(11, c.ZenColor) || !in.flag(12, c.ZenOn) || !in.number(13, count))
            return malformed();
        first = 14;
    } else {
        if (!in.number(7, count)) return malformed();
        first = 8;
    }
    if (count < 0) {
        in.error = QStringLiteral("'%1' is not a valid row count").arg(count);
        return malformed();
    }
    if (count > kMaxColorCommands) {
        result.status = ReadStatus::TooManyRows;
        return result;
    }
    // The count must be backed by lines before anything is allocated for it.
    const size_t needed = first + 5 * size_t(count) + (result.version >= 3 ? 1 : 0);
    if (lines.size() < needed) {
        in.error = QStringLiteral("List index out of bounds (%1)").arg(lines.size());
        return malformed();
    }
    next.rows.clear();
    for (int i = 0; i < count; ++i) {
        const size_t at = first + 5 * size_t(i);
        ColorCommandRow row;
        if (!in.text(at, row.name) || !in.color(at + 1, row.color) || !in.flag(at + 2, row.ast) ||
            !in.flag(at + 3, row.bold) || !in.flag(at + 4, row.italic))
            return malformed();
        const QString refusal = refuseNewName(next.rows, row.name);
        if (!refusal.isEmpty()) {
            result.status = ReadStatus::BadRow;
            result.error = refusal;
            return result;
        }
        next.rows.push_back(row);
    }
    if (result.version >= 3 && !in.color(first + 5 * size_t(count), c.GenTeXColor)) return malformed();

    settings = std::move(next);
    result.status = ReadStatus::Ok;
    return result;
}

bool saveFile(const QString& path, const ColorSettings& settings)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = write(settings);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

// One header line as read() sees it: without its LF and a CR before that.
QByteArray headerLine(QFile& file)
{
    QByteArray line = file.readLine(64);
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

}  // namespace

ReadResult loadFileBytes(const QString& path, std::string& bytes)
{
    ReadResult result;
    QFile file;
    // The reason is read from errno as the failing call left it.
    auto unreadable = [&] {
        result.status = ReadStatus::Unreadable;
        result.error = docfile::fileErrorReason(docfile::FileAction::Read, path, errno);
        return result;
    };
    // Opened only when it is a regular file: a named pipe would wait.
    const int fd = wholefile::openRegular(path);
    if (fd < 0) return unreadable();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return unreadable();
    }
    if (headerLine(file) != "Quillmark") {
        result.status = ReadStatus::NotQuillmark;
        return result;
    }
    if (headerLine(file) != "Color Struct File") {
        result.status = ReadStatus::NotColorFile;
        return result;
    }
    if (file.error() != QFileDevice::NoError) return unreadable();
    result.status = ReadStatus::TooLarge;
    if (file.size() > kMaxFileBytes) return result;
    if (!file.seek(0)) return unreadable();
    // Read one byte past the limit: a file that grew since its size was
    // taken is refused the same way.
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return unreadable();
    if (data.size() > kMaxFileBytes) return result;
    bytes.assign(data.constData(), size_t(data.size()));
    result.status = ReadStatus::Ok;
    return result;
}

QString refuseNewName(const std::vector<ColorCommandRow>& rows, const QString& name)
{
    if (name.isEmpty()) return QStringLiteral("命令が指定されていません。");
    if (!name.startsWith('\\'))
        return name + QStringLiteral("\r\nカラー構文用の命令は、必ず\r\n\\で始まる命令を指定してください。");
    if (name == QLatin1String("\\")) return QStringLiteral("\\だけでは命令として追加できません。");
    for (const ColorCommandRow& r : rows)
        if (r.name == name)
            return name + QStringLiteral("\r\nすでに同じ命令が定義されていますので\r\n追加できません。");
    return {};
}

}  // namespace colorfile
