#pragma once
// The settings store: a tree of keys with integer and string values, kept in
// one human-readable file.  The API mirrors the access pattern the program
// uses everywhere: open a key (with create), read or write, close.
//
// The file is $QUILLMARK_SETTINGS when set, else
// $XDG_CONFIG_HOME/quillmark/settings.ini (~/.config when unset).
// Every OpenKey re-reads the file, and every write is written through to it
// atomically (temporary file, then rename, under a lock file, merged with
// what is on disk at that moment), so a second instance sees the first one's
// writes and neither loses the other's.  settings::Batch groups many writes
// into one.
#include <QString>
#include <stdexcept>
#include <string>

#include "platform/SettingsFile.h"

// Raised by a read of a missing value or of a value of the wrong type.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr unsigned long HKEY_CURRENT_USER_ROOT = 0x80000001UL;

class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    unsigned long RootKey = HKEY_CURRENT_USER_ROOT;

    // Key paths are written as the program names them, e.g.
    // "\Software\Kestrelwood\Quillmark\TeXSetting"; a path without the
    // leading backslash is relative to the key open now.  Key and value names
    // compare without regard to case.  Returns false when the key is missing
    // and create is false.
    bool OpenKey(const QString& key, bool canCreate);
    void CloseKey();
    bool KeyExists(const QString& key);
    QString CurrentPath() const { return current_; }

    bool ValueExists(const QString& name);
    // Integer values are DWORDs; a boolean is 0 or 1 and any non-zero reads true.
    int ReadInteger(const QString& name);
    bool ReadBool(const QString& name);
    QString ReadString(const QString& name);
    void WriteInteger(const QString& name, int value);
    void WriteBool(const QString& name, bool value);
    void WriteString(const QString& name, const QString& value);

private:
    QString current_;
    bool open_ = false;
};

// Ini-style access below a key: sections are subkeys, every value is a
// string; integers and booleans are their decimal text and fall back to the
// given default when missing or not numeric.
class TRegIniFile {
public:
    explicit TRegIniFile(const QString& key);
    // Re-roots the object at another key (relative to the present one unless
    // the path starts with a backslash).  Neither this nor a read creates a
    // key; a write creates its section.
    void OpenKey(const QString& key);

    QString ReadString(const QString& section, const QString& ident, const QString& def);
    int ReadInteger(const QString& section, const QString& ident, int def);
    bool ReadBool(const QString& section, const QString& ident, bool def);
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteBool(const QString& section, const QString& ident, bool value);

private:
    QString key_;
};
