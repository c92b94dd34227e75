#include "platform/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace fileerrors {

namespace {

QString folderOf(const QString& path)
{
    const QString folder = QFileInfo(path).path();
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

bool mayWrite(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }

// A write refused by permission: the file itself (read-only for everyone,
// or not the user's to write) or the folder it is to be made in.
QString refusedWrite(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists()) {
        if (!(file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
            return QStringLiteral("読み取り専用のファイルです。");
        if (!mayWrite(path)) return QStringLiteral("このファイルに書き込む権限がありません。");
    }
    return QStringLiteral("フォルダ \"%1\" に書き込む権限がありません。").arg(folderOf(path));
}

}  // namespace

QString reason(bool writing, const QString& path, int error)
{
    const bool reading = !writing;
    // Qt refuses a folder opened as a file without the system saying why.
    if (QFileInfo(path).isDir()) error = EISDIR;
    switch (error) {
        case ENOSPC: return QStringLiteral("ディスクの空きがありません。");
        case EDQUOT: return QStringLiteral("ディスクの使用量の上限を超えています。");
        case EACCES:
        case EPERM: return reading ? QStringLiteral("このファイルを読む権限がありません。") : refusedWrite(path);
        case EROFS: return QStringLiteral("読み取り専用のディスクにあるため、書き込めません。");
        case ENOENT:
            if (reading && QFileInfo(folderOf(path)).isDir()) return QStringLiteral("このファイルはありません。");
            return QStringLiteral("フォルダ \"%1\" がありません。").arg(folderOf(path));
        case ENOTDIR: return QStringLiteral("途中のフォルダの名前が、フォルダでないものを指しています。");
        case EISDIR: return QStringLiteral("ファイルではなく、フォルダです。");
        case EINVAL: return QStringLiteral("普通のファイルではありません。");
        case EFBIG: return QStringLiteral("ファイルが大きすぎます。");
        case ENAMETOOLONG: return QStringLiteral("ファイルの名前が長すぎます。");
        case ELOOP: return QStringLiteral("シンボリックリンクが循環しています。");
        case EIO: return QStringLiteral("ディスクの読み書きでエラーが起きました。");
        case EMFILE:
        case ENFILE: return QStringLiteral("開いているファイルが多すぎます。");
        case ETXTBSY:
        case EBUSY: return QStringLiteral("このファイルはほかのプログラムが使っています。");
        case EAGAIN:
            if (!reading) return QStringLiteral("保存の途中で、ほかのプログラムがファイルを置き換えました。");
            break;
        default: break;
    }
    if (error == 0) return QStringLiteral("エラーが起きました。");
    return QStringLiteral("エラーが起きました（%1）。").arg(QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace fileerrors
