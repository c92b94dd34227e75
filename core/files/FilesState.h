#pragma once
// What the file commands keep about the open document beyond TForm1's own
// members, and the settings access they share.
#include "app/Form1.h"
#include "core/files/DocumentFile.h"

#include <QDir>
#include <QPrinter>
#include <memory>

struct TForm1::DocumentState {
    docfile::Layout layout;             // line breaks of the file on disk
    docfile::DiskStamp stamp;           // the file as last loaded or saved
    std::unique_ptr<QPrinter> printer;  // kept between printer set-up and print
};

// The settings key opened for one command and closed again on every path.
// A value that is missing reads as its start-up default.
class SettingsKey {
public:
    explicit SettingsKey(const TForm1& form)
    {
        reg_.RootKey = form.RootKey;
        reg_.OpenKey(form.RegKey, true);
    }
    ~SettingsKey() { reg_.CloseKey(); }
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    int integer(const QString& name, int def) { return reg_.ValueExists(name) ? reg_.ReadInteger(name) : def; }
    bool boolean(const QString& name, bool def) { return reg_.ValueExists(name) ? reg_.ReadBool(name) : def; }

private:
    TRegistry reg_;
};

// The process's current folder, put back when a file dialog is done.
struct CurrentFolderGuard {
    QString saved = QDir::currentPath();
    ~CurrentFolderGuard() { QDir::setCurrent(saved); }
};
