#pragma once
// The typed settings facade.  Every value the program keeps is declared once
// (key, name, type, default) as a constant of this header's types, and read
// and written only through settings::Store.  One rule holds for every read:
// a value that is missing or of the wrong type gives its default, and the
// default is written in its place, so the store always holds what the
// program uses and one bad value never stops a command.
//
// Values in sections the window writes itself when it closes (its view
// switches, the parent-file table) are declared `savedAtClose`: a missing
// one is not written at once, since the close writes them all.
#include <QHash>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

#include "platform/SettingsFile.h"

namespace settings {

enum class Kind { Integer, Bool, String };

// One declared value.  `key` is the subkey below the program's key ("" for
// the key itself, "TeXSetting", "Parent\\Child"); for a numbered list
// `name` is the prefix the row number follows ("RecentFile" + 1).
struct Value {
    const char* key;
    const char* name;
    Kind kind;
    int number;                 // default of integers and booleans
    const char* text;           // default of strings (UTF-8)
    bool asText = false;        // an integer or boolean kept as its decimal text
    bool savedAtClose = false;  // a missing one is left missing when read
};

// A value with its C++ type, so that a read gives the right type.
template <class T>
struct Typed {
    Value value;
};
using Integer = Typed<int>;
using Boolean = Typed<bool>;
using Text = Typed<QString>;

// A numbered list of values below one key: rows 1, 2, ... (or 0, 1, ...)
// named prefix + number.  `value.number`/`value.text` are the default of a
// row the caller gives no default of its own.
template <class T>
struct Rows {
    Value value;
};
using IntegerRows = Rows<int>;
using BooleanRows = Rows<bool>;
using TextRows = Rows<QString>;

constexpr Integer integer(const char* key, const char* name, int def)
{
    return {{key, name, Kind::Integer, def, nullptr}};
}
constexpr Boolean boolean(const char* key, const char* name, bool def)
{
    return {{key, name, Kind::Bool, def ? 1 : 0, nullptr}};
}
constexpr Text text(const char* key, const char* name, const char* def) { return {{key, name, Kind::String, 0, def}}; }
constexpr IntegerRows integerRows(const char* key, const char* prefix, int def)
{
    return {{key, prefix, Kind::Integer, def, nullptr}};
}
constexpr BooleanRows booleanRows(const char* key, const char* prefix, bool def)
{
    return {{key, prefix, Kind::Bool, def ? 1 : 0, nullptr}};
}
constexpr TextRows textRows(const char* key, const char* prefix, const char* def)
{
    return {{key, prefix, Kind::String, 0, def}};
}

// The same, kept as text (sections of the "name=1" kind the window writes).
template <class T>
constexpr T keptAsText(T typed, bool savedAtClose = true)
{
    typed.value.asText = typed.value.kind != Kind::String;
    typed.value.savedAtClose = savedAtClose;
    return typed;
}

// The program's own key in the store.
QString programKey();

// What one window last read of each value and what it last wrote to it.
// Several instances may share the store: what a window writes back when it
// closes is compared with this, not with the store as it is then, so a
// value another instance changed meanwhile keeps that change unless this
// window changed it too (Store::writeBack).
class Known {
public:
    std::optional<QString> find(const QString& path, const QString& name) const;
    void note(const QString& path, const QString& name, const QString& value);

private:
    mutable std::mutex mutex_;
    QHash<QString, QString> values_;
};

// Access to the values below one program key (tests and the TeX worker's
// tests use a key of their own).  Cheap to make and to copy; every read
// sees the file as it is now, every write goes through to it.  With a
// Known, every value read or written through the store is noted in it.
class Store {
public:
    explicit Store(QString root = programKey(), std::shared_ptr<Known> known = {});
    const QString& root() const { return root_; }

    int read(const Integer& v) const;
    bool read(const Boolean& v) const;
    QString read(const Text& v) const;
    void write(const Integer& v, int value) const;
    void write(const Boolean& v, bool value) const;
    void write(const Text& v, const QString& value) const;

    // Row n of a list; the second form gives the row's own default.
    int read(const IntegerRows& rows, int n) const;
    bool read(const BooleanRows& rows, int n) const;
    QString read(const TextRows& rows, int n) const;
    int read(const IntegerRows& rows, int n, int def) const;
    bool read(const BooleanRows& rows, int n, bool def) const;
    QString read(const TextRows& rows, int n, const QString& def) const;
    // A row that has no default: nothing when missing or of the wrong type,
    // and nothing is written.
    std::optional<QString> find(const TextRows& rows, int n) const;
    std::optional<QString> find(const Text& v) const;
    void write(const IntegerRows& rows, int n, int value) const;
    void write(const BooleanRows& rows, int n, bool value) const;
    void write(const TextRows& rows, int n, const QString& value) const;
    bool exists(const Value& v) const;
    bool exists(const Value& rows, int n) const;

    // What a window writes when it closes: the value is written when it is
    // missing, or when it differs from what the store's Known holds of it
    // (or the Known holds nothing of it); otherwise the store keeps what it
    // holds, which may be another instance's change.
    void writeBack(const Integer& v, int value) const;
    void writeBack(const Boolean& v, bool value) const;
    void writeBack(const Text& v, const QString& value) const;
    void writeBack(const TextRows& rows, int n, const QString& value) const;
    void writeBack(const BooleanRows& rows, int n, bool value) const;

    // Writes the default of each value of the table that is missing, in the
    // table's order (the start-up step).
    void writeMissing(std::span<const Value* const> table) const;

private:
    QString root_;
    std::shared_ptr<Known> known_;
};

}  // namespace settings
