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
    QByteArray bytes;   // Ok: the file, or its end for readTail
    qint64 offset = 0;  // where the bytes begin in the file
    QString reason;     // not Ok: the reason in plain words, for a message
};

// The whole file, at most `limit` bytes.
Contents read(const QString& path, qint64 limit);
// The file's last `limit` bytes at most, for a file whose end is what
// matters (a TeX log); offset says where they begin.
Contents readTail(const QString& path, qint64 limit);

// Opens a regular file for reading, never waiting; -1 when it is missing,
// of another kind or cannot be opened, with status and reason set.  For code
// that reads the file its own way.
int openRegular(const QString& path, Status* status = nullptr, QString* reason = nullptr);

// The reason for a file that is not a regular one.
QString notRegularReason();

}  // namespace wholefile
