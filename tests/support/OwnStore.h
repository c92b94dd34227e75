#pragma once
// A settings store of the test's own: from construction to destruction
// QUILLMARK_SETTINGS names a file in a fresh folder, so a window built in
// between reads and writes nothing another test left behind.  The folder
// also takes the test's documents.
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "platform/Registry.h"

namespace testsupport {

inline const QString kRoot = "\\Software\\Kestrelwood\\Quillmark";

class OwnStore {
private:
    // Each access opens the key afresh and closes it at once, as the
    // program's own readers and writers do.
    template <class F>
    static auto at(const QString& key, F f)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        return f(reg);
    }

public:
    OwnStore() : previousStore_(qgetenv("QUILLMARK_SETTINGS"))
    {
        qputenv("QUILLMARK_SETTINGS", storeFile().toLocal8Bit());
    }
    ~OwnStore() { qputenv("QUILLMARK_SETTINGS", previousStore_); }
    OwnStore(const OwnStore&) = delete;
    OwnStore& operator=(const OwnStore&) = delete;

    bool storeReady() const { return dir_.isValid(); }
    QString storeFile() const { return dir_.filePath("settings.ini"); }
    QString folder() const { return dir_.path(); }
    QString tempPath(const QString& name) const { return dir_.filePath(name); }
    // A small document on disk.
    QString document(const QString& name, const QByteArray& text = "\\documentclass{jarticle}\r\n") const
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        return path;
    }

    // Values under the program's key, key being the part after it ("\\Color").
    bool exists(const QString& key, const QString& name)
    {
        return at(key, [&](TRegistry& reg) { return reg.ValueExists(name); });
    }
    int readInt(const QString& key, const QString& name)
    {
        return at(key, [&](TRegistry& reg) { return reg.ReadInteger(name); });
    }
    QString readString(const QString& key, const QString& name)
    {
        return at(key, [&](TRegistry& reg) { return reg.ReadString(name); });
    }
    void writeInt(const QString& key, const QString& name, int value)
    {
        at(key, [&](TRegistry& reg) { reg.WriteInteger(name, value); });
    }
    void writeString(const QString& key, const QString& name, const QString& value)
    {
        at(key, [&](TRegistry& reg) { reg.WriteString(name, value); });
    }

private:
    QTemporaryDir dir_;
    QByteArray previousStore_;
};

}  // namespace testsupport
