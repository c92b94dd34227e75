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

void note(Known* known, const QString& path, const QString& name, const QString& value)
{
    if (known) known->note(path, name, value);
}

int normalised(const Value& v, int value) { return v.kind == Kind::Bool ? int(value != 0) : value; }

void writeNumber(const QString& path, const QString& name, const Value& v, int value, Known* known)
{
    TRegistry reg;
    reg.OpenKey(path, true);
    value = normalised(v, value);
    if (v.asText)
        reg.WriteString(name, QString::number(value));
    else
        reg.WriteInteger(name, value);
    note(known, path, name, QString::number(value));
}

void writeString(const QString& path, const QString& name, const QString& value, Known* known)
{
    TRegistry reg;
    reg.OpenKey(path, true);
    reg.WriteString(name, value);
    note(known, path, name, value);
}

// The one rule: missing or of the wrong type gives the default, which is
// written back (a missing value of a section saved at close excepted).
int number(const QString& path, const QString& name, const Value& v, int def, Known* known)
{
    const Number n = readNumber(path, name, v.asText);
    int value = normalised(v, def);
    if (n.found == Found::Readable)
        value = normalised(v, n.value);
    else if (n.found == Found::WrongType || !v.savedAtClose)
        writeNumber(path, name, v, def, nullptr);
    note(known, path, name, QString::number(value));
    return value;
}

QString string(const QString& path, const QString& name, const Value& v, const QString& def, Known* known)
{
    String s = readString(path, name);
    if (s.found != Found::Readable && (s.found == Found::WrongType || !v.savedAtClose))
        writeString(path, name, def, nullptr);
    const QString& value = s.found == Found::Readable ? s.value : def;
    note(known, path, name, value);
    return value;
}

bool valueExists(const QString& path, const QString& name)
{
    TRegistry reg;
    return reg.OpenKey(path, false) && reg.ValueExists(name);
}

// Written when missing or when this window changed it since it last knew it.
bool wantsWriteBack(const QString& path, const QString& name, const QString& value, const Known* known)
{
    const std::optional<QString> seen = known ? known->find(path, name) : std::nullopt;
    return !seen || *seen != value || !valueExists(path, name);
}

void writeBackNumber(const QString& path, const QString& name, const Value& v, int value, Known* known)
{
    if (wantsWriteBack(path, name, QString::number(normalised(v, value)), known))
        writeNumber(path, name, v, value, known);
}

void writeBackString(const QString& path, const QString& name, const QString& value, Known* known)
{
    if (wantsWriteBack(path, name, value, known)) writeString(path, name, value, known);
}

QString defaultText(const Value& v) { return QString::fromUtf8(v.text ? v.text : ""); }

}  // namespace

QString programKey() { return QStringLiteral("\\Software\\Kestrelwood\\Quillmark"); }

std::optional<QString> Known::find(const QString& path, const QString& name) const
{
    std::lock_guard guard(mutex_);
    auto it = values_.constFind(path + u'\n' + name);
    if (it == values_.constEnd()) return std::nullopt;
    return *it;
}

void Known::note(const QString& path, const QString& name, const QString& value)
{
    std::lock_guard guard(mutex_);
    values_.insert(path + u'\n' + name, value);
}

Store::Store(QString root, std::shared_ptr<Known> known) : root_(std::move(root)), known_(std::move(known)) {}

int Store::read(const Integer& v) const
{
    return number(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, v.value.number, known_.get());
}

bool Store::read(const Boolean& v) const
{
    return number(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, v.value.number, known_.get()) !=
           0;
}

QString Store::read(const Text& v) const
{
    return string(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, defaultText(v.value),
                  known_.get());
}

void Store::write(const Integer& v, int value) const
{
    writeNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value, known_.get());
}

void Store::write(const Boolean& v, bool value) const
{
    writeNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value ? 1 : 0, known_.get());
}

void Store::write(const Text& v, const QString& value) const
{
    writeString(pathOf(root_, v.value), QString::fromLatin1(v.value.name), value, known_.get());
}

int Store::read(const IntegerRows& rows, int n) const { return read(rows, n, rows.value.number); }
bool Store::read(const BooleanRows& rows, int n) const { return read(rows, n, rows.value.number != 0); }
QString Store::read(const TextRows& rows, int n) const { return read(rows, n, defaultText(rows.value)); }

int Store::read(const IntegerRows& rows, int n, int def) const
{
    return number(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def, known_.get());
}

bool Store::read(const BooleanRows& rows, int n, bool def) const
{
    return number(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def ? 1 : 0, known_.get()) != 0;
}

QString Store::read(const TextRows& rows, int n, const QString& def) const
{
    return string(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, def, known_.get());
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
    writeNumber(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, value, known_.get());
}

void Store::write(const BooleanRows& rows, int n, bool value) const
{
    writeNumber(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, value ? 1 : 0, known_.get());
}

void Store::write(const TextRows& rows, int n, const QString& value) const
{
    writeString(pathOf(root_, rows.value), rowName(rows.value, n), value, known_.get());
}

bool Store::exists(const Value& v) const { return valueExists(pathOf(root_, v), QString::fromLatin1(v.name)); }

bool Store::exists(const Value& rows, int n) const { return valueExists(pathOf(root_, rows), rowName(rows, n)); }

void Store::writeMissing(std::span<const Value* const> table) const
{
    for (const Value* v : table) {
        if (exists(*v)) continue;
        const QString path = pathOf(root_, *v);
        const QString name = QString::fromLatin1(v->name);
        if (v->kind == Kind::String)
            writeString(path, name, defaultText(*v), known_.get());
        else
            writeNumber(path, name, *v, v->number, known_.get());
    }
}

void Store::writeBack(const Integer& v, int value) const
{
    writeBackNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value, known_.get());
}

void Store::writeBack(const Boolean& v, bool value) const
{
    writeBackNumber(pathOf(root_, v.value), QString::fromLatin1(v.value.name), v.value, value ? 1 : 0, known_.get());
}

void Store::writeBack(const Text& v, const QString& value) const
{
    writeBackString(pathOf(root_, v.value), QString::fromLatin1(v.value.name), value, known_.get());
}

void Store::writeBack(const TextRows& rows, int n, const QString& value) const
{
    writeBackString(pathOf(root_, rows.value), rowName(rows.value, n), value, known_.get());
}

void Store::writeBack(const BooleanRows& rows, int n, bool value) const
{
    writeBackNumber(pathOf(root_, rows.value), rowName(rows.value, n), rows.value, value ? 1 : 0, known_.get());
}

}  // namespace settings
