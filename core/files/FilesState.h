#pragma once
// What the file commands keep about the open document beyond Session's own
// members.
#include "core/session/Session.h"
#include "core/files/DocumentFile.h"
#include "core/settings/Keys.h"
#include "platform/Scope.h"

#include <QDir>
#include <QPrinter>
#include <memory>

struct Session::DocumentState {
    docfile::Layout layout;                  // line breaks of the file on disk
    docfile::DiskStamp stamp;                // the file as last loaded or saved
    std::unique_ptr<QPrinter> printer;       // kept between printer set-up and print
    const TextDocument* followed = nullptr;  // whose changes move the layout on
};

// Makes `layout` the one the next save writes by, for the text the editor
// holds now; from then on it follows every edit of that text.
void adoptLayout(Session& form, docfile::Layout layout);

// The process's current folder, put back when a file dialog is done.
using CurrentFolderGuard = scope::CurrentFolder;
