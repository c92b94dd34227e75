// The command list of command assist, apart from any widget.
#include "assist/CommandList.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <stdexcept>

#include "core/files/FileErrors.h"
#include "core/settings/Keys.h"
#include "platform/Cp932.h"
#include "platform/WholeFile.h"

static void initAssistResources() { Q_INIT_RESOURCE(assist); }

namespace cmdassist {
namespace {

char16_t foldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c; }

std::runtime_error fileError(const QString& path, const char* what, const QString& detail = {})
{
    QString text = path + QString::fromUtf8("\r\n") + QString::fromUtf8(what);
    if (!detail.isEmpty()) text += QString::fromUtf8("\r\n") + detail;
    return std::runtime_error(text.toUtf8().toStdString());
}

}  // namespace

const QStringList& builtinCommands()
{
    static const QStringList list = [] {
        initAssistResources();
        QFile file(QStringLiteral(":/assist/BuiltinCommands.txt"));
        if (!file.open(QIODevice::ReadOnly)) return QStringList();
        const QByteArray bytes = file.readAll();
        return splitLines(cp932::decode(std::string_view(bytes.constData(), size_t(bytes.size()))));
    }();
    return list;
}

bool startsWithFolded(const QString& s, const QString& prefix)
{
    if (s.size() < prefix.size()) return false;
    const char16_t* a = reinterpret_cast<const char16_t*>(s.constData());
    const char16_t* b = reinterpret_cast<const char16_t*>(prefix.constData());
    for (qsizetype i = 0; i < prefix.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    return true;
}

int findString(const QStringList& items, int start, const QString& prefix)
{
    const int n = int(items.size());
    if (n == 0) return -1;
    const int begin = start < 0 || start >= n - 1 ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (begin + k) % n;
        if (startsWithFolded(items[i], prefix)) return i;
    }
    return -1;
}

int prefixSearch(const QStringList& items, const QString& text, int limit)
{
    int hit = -1;
    limit = std::min<int>(limit, int(text.size()));
    for (int k = 1; k <= limit; ++k) {
        const int found = findString(items, -1, text.left(k));
        // A longer part can only match where a shorter one did, so the
        // first miss ends the search.
        if (found < 0) break;
        hit = found;
    }
    return hit;
}

bool learn(QStringList& items, int picked, int firstMatch, const QString& typed)
{
    if (firstMatch < 0 || picked <= firstMatch || picked >= items.size()) return false;
    if (!startsWithFolded(items[picked], typed)) return false;
    items.move(picked, firstMatch);
    return true;
}

bool isKigouChar(char c)
{
    if (c >= '0' && c <= '9') return true;
    switch (c) {
        case '(':
        case ')':
        case '{':
        case '}':
        case '[':
        case ']':
        case '|':
        case '\\':
        case '<':
        case '>':
        case '/':
        case ';':
        case ',':
        case '.':
        case '^':
        case '_': return true;
        default: return false;
    }
}

bool caretStepsBack(std::string_view inserted)
{
    return inserted.size() >= 2 &&
           (inserted.substr(inserted.size() - 2) == "{}" || inserted.substr(inserted.size() - 2) == "||");
}

QString joinLines(const QStringList& items)
{
    QString text;
    qsizetype total = 0;
    for (const QString& s : items) total += s.size() + 2;
    text.reserve(total);
    for (const QString& s : items) {
        text += s;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype from = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(from, i - from);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        from = i + 1;
    }
    if (from < n) lines << text.mid(from);
    return lines;
}

// The one place that knows how "\CmdAssist" is laid out in the store.
Settings readSettings(unsigned long, const QString& regKey)
{
    const settings::Store store(regKey);
    Settings s;
    // An option outside 0 and 1 reads as 0.
    const auto option = [&store](const settings::Integer& v) {
        const int value = store.read(v);
        return value == 0 || value == 1 ? value : 0;
    };
    {
        // The reads write the missing options' defaults; the batch puts them
        // into the file together with the list.
        settings::Batch batch;
        if (!store.exists(key::CmdAssistCommand.value))
            store.write(key::CmdAssistCommand, joinLines(builtinCommands()));
        s.space = option(key::CmdAssistSpace);
        s.kigou = option(key::CmdAssistKigou);
        s.kakutei = option(key::CmdAssistKakutei);
        s.list = option(key::CmdAssistList);
        s.gakusyuu = store.read(key::CmdAssistGakusyuu);
        batch.commit();
    }
    const std::optional<QString> commands = store.find(key::CmdAssistCommand);
    s.commands = commands ? splitLines(*commands) : builtinCommands();
    return s;
}

void writeSettings(unsigned long, const QString& regKey, const Settings& s)
{
    const settings::Store store(regKey);
    settings::Batch batch;
    store.write(key::CmdAssistCommand, joinLines(s.commands));
    store.write(key::CmdAssistSpace, s.space);
    store.write(key::CmdAssistKigou, s.kigou);
    store.write(key::CmdAssistKakutei, s.kakutei);
    store.write(key::CmdAssistList, s.list);
    store.write(key::CmdAssistGakusyuu, s.gakusyuu);
    batch.commit();
}

namespace qma {

std::string serialize(const QStringList& items)
{
    std::string bytes;
    for (const QString& s : items) {
        bytes += cp932::encode(s);
        bytes += "\r\n";
    }
    return bytes;
}

bool looksLikeText(std::string_view bytes)
{
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

QStringList load(const QString& path)
{
    const wholefile::Contents file = wholefile::read(path, kMaxBytes);
    if (file.status == wholefile::Status::TooLarge)
        throw fileError(path, "このファイルは大きすぎるため、読み込みできませんでした。");
    if (file.status != wholefile::Status::Ok)
        throw fileError(path, "このファイルを開けませんでした。",
                        docfile::fileErrorReason(docfile::FileAction::Read, path, file.error));
    const std::string_view bytes(file.bytes.constData(), size_t(file.bytes.size()));
    if (!looksLikeText(bytes))
        throw fileError(path, "このファイルはコマンド入力支援ファイルではないため、読み込みできませんでした。");
    return splitLines(cp932::decode(bytes));
}

void save(const QString& path, const QStringList& items)
{
    const std::string bytes = serialize(items);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.commit())
        throw fileError(path, "このファイルに保存できませんでした。",
                        docfile::fileErrorReason(docfile::FileAction::Save, path, errno));
}

}  // namespace qma
}  // namespace cmdassist
