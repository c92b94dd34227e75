#pragma once
// What the user is told when a file cannot be read or written: what failed,
// on which file (its name as it is), and why, in the window's language (the
// reasons are those of platform/FileErrors.h).
#include <QString>

namespace docfile {

enum class FileAction {
    Read,    // opening or reading a document
    Save,    // writing a document
    Backup,  // keeping the previous contents as the ".BAK" file before a save
};

// Why, alone: the system error number read in the light of the action and
// of the file and folder as they are now (a read-only file and a folder one
// may not write in both come as "permission denied").
QString fileErrorReason(FileAction action, const QString& path, int error);
// The whole message: what failed on which file, a line break, and why.
QString fileErrorText(FileAction action, const QString& path, int error);

}  // namespace docfile
