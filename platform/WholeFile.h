#pragma once
// Reading a file whole, within a bound that suits the file.  Only a regular
// file, or a link to one, is read: a named pipe, a device, a socket or a
// folder is refused before it is opened for reading, and the file is opened
// without waiting, so a pipe never stalls the editor and a device such as
// /dev/zero never fills its memory.  A file over the bound is refused, also
// one that grows past it while it is read.
#include <QByteArray>
#include <QString>

namespace wholefile {

enum class Status { Ok, Missing, NotRegular, TooLarge, Unreadable };

struct Contents {
    Status status = Status::Unreadable;
    QByteArray bytes;  // Ok: the file
    // Not Ok: the system's error number, as openRegular sets it (EFBIG past
    // the bound), and the reason in the window's language.
    int error = 0;
    QString reason;
};

// The whole file, at most `limit` bytes.
Contents read(const QString& path, qint64 limit);

// Opens a regular file for reading, never waiting, for code that reads it
// its own way; otherwise -1 with errno set as open() would, EISDIR for a
// folder and EINVAL for a file of another kind.
int openRegular(const QString& path);

// The reason for a file that is not a regular one.
QString notRegularReason();

}  // namespace wholefile
