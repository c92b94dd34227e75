#include "core/settings/Settings.h"

#include "platform/Registry.h"

namespace settings {

namespace {

QString pathOf(const QString& root, const Value& v)
{
    return *v.key ? root + u'\\' + QString::fromLatin1(v.key) : root;
}

QString rowName(const Value& v, int n) { return QString::fromLatin1(v.name) + QString::number(n); }

// What is stored under a name: nothing, a value of the declared type, or
// something else.
enum class Found { Missing, Readable, WrongType };

struct Number {
    Found found = Found::Missing;
    int value = 0;
};

struct String {
    Found found = Found::Missing;
    QString value;
};

Number readNumber(const QString& path, const QString& name, bool asText)
{
    TRegistry reg;
    if (!reg.OpenKey(path, false) || !reg.ValueExists(name)) return {};
    try {
        if (!asText) return {Found::Readable, reg.ReadInteger(name)};
        bool ok = false;
        const int value = reg.ReadString(name).trimmed().toInt(&ok, 10);
        return ok ? Number{Found::Readable, value} : Number{Found::WrongType, 0};
    } catch (const ERegistryException&) {
        return {Found::WrongType, 0};
    }
}

String readString(const QString& path, const QString& name)
{
    TRegistry reg;
    if (!reg.OpenKey(path, false) || !reg.ValueExists(name)) return {};
    try {
        return {Found::Readable, reg.ReadString(name)};
    } catch (const ERegistryException&) {
        return {Found::WrongType, {}};
    }
}

void writeNumber(const QString& path, const QString& name, const Value& v, int value)
{
    TRegistry reg;
    reg.OpenKey(path, true);
    if (v.kind == Kind::Bool) value = value != 0 ? 1 : 0;
    if (v.asText)
        reg.WriteString(name, QString::number(value));
    else
        reg.WriteInteger(name, value);
}

void writeString(const QString& path, const QString& name, const QString& value)
{
    TRegistry reg;
    reg.OpenKey(path, true);
    reg.WriteString(name, value);
}

// The one rule: missing or of the wrong type gives the default, which is
// written back (a missing value of a section saved at close excepted).
int number(const QString& path, const QString& name, const Value& v, int def)
{
    const Number n = readNumber(path, name, v.asText);
    if (n.found == Found::Readable) return v.kind == Kind::Bool ? int(n.value != 0) : n.value;
    if (n.found == Found::WrongType || !v.savedAtClose) writeNumber(path, name, v, def);
    return def;
}

QString string(const QString& path, const QString& name, const Value& v, const QString& def)
{
    String s = readString(path, name);
    if (s.found == Found::Readable) return s.value;
    if (s.found == Found::WrongType || !v.savedAtClose) writeString(path, name, def);
    return def;
}

QString defaultText(const Value& v) { return QString::fromUtf8(v.text ? v.text : ""); }

}  // namespace

QString programKey() { return QStringLiteral("\\Software\\Kestrelwood\\Quillmark"); }

Store::Store(QString root) : root_(std::move(root)) {}

int Store::read(const Integer& v) const
{
    return number(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, v.value.number);
}

bool Store::read(const Boolean& v) const
{
    return number(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, v.value.number) != 0;
}

QString Store::read(const Text& v) const
{
    return string(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, defaultText(v.value));
}

void Store::write(const Integer& v, int value) const
{
    writeNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value);
}

void Store::write(const Boolean& v, bool value) const
{
    writeNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value ? 1 : 0);
}

void Store::write(const Text& v, const QString& value) const
{
    writeString(pathOf(root_, v.value), QString::fromLatin1(v.value.name), value);
}

int Store::read(const IntegerRows& rows, int n) const { return read(rows, n, rows.value.number); }
bool Store::read(const BooleanRows& rows, int n) const { return read(rows, n, rows.value.number != 0); }
QString Store::read(const TextRows& rows, int n) const { return read(rows, n, defaultText(rows.value)); }

int Store::read(const IntegerRows& rows, int n, int def) const
{
    return number(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def);
}

bool Store::read(const BooleanRows& rows, int n, bool def) const
{
    return number(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def ? 1 : 0) != 0;
}

QString Store::read(const TextRows& rows, int n, const QString& def) const
{
    return string(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def);
}

std::optional<QString> Store::find(const TextRows& rows, int n) const
{
    String s = readString(pathOf(root_, rows.value), rowName(rows.value, n));
    if (s.found != Found::Readable) return std::nullopt;
    return s.value;
}

std::optional<QString> Store::find(const Text& v) const
{
    String s = readString(pathOf(root_, v.value), QString::fromLatin1(v.value.name));
    if (s.found != Found::Readable) return std::nullopt;
    return s.value;
}

void Store::write(const IntegerRows& rows, int n, int value) const
{
    writeNumber(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, value);
}

void Store::write(const BooleanRows& rows, int n, bool value) const
{
    writeNumber(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, value ? 1 : 0);
}

void Store::write(const TextRows& rows, int n, const QString& value) const
{
    writeString(pathOf(root_, rows.value), rowName(rows.value, n), value);
}

bool Store::exists(const Value& v) const
{
    TRegistry reg;
    return reg.OpenKey(pathOf(root_, v), false) && reg.ValueExists(QString::fromLatin1(v.name));
}

bool Store::exists(const Value& rows, int n) const
{
    TRegistry reg;
    return reg.OpenKey(pathOf(root_, rows), false) && reg.ValueExists(rowName(rows, n));
}

void Store::writeMissing(std::span<const Value* const> table) const
{
    for (const Value* v : table) {
        if (exists(*v)) continue;
        const QString path = pathOf(root_, *v);
        const QString name = QString::fromLatin1(v->name);
        if (v->kind == Kind::String)
            writeString(path, name, defaultText(*v));
        else
            writeNumber(path, name, *v, v->number);
    }
}

}  // namespace settings
