#include "core/files/FileErrors.h"

#include "platform/FileErrors.h"

namespace docfile {

QString fileErrorReason(FileAction action, const QString& path, int error)
{
    return fileerrors::reason(action != FileAction::Read, path, error);
}

QString fileErrorText(FileAction action, const QString& path, int error)
{
    QString what;
    switch (action) {
        case FileAction::Read: what = QStringLiteral("ファイル \"%1\" を開けませんでした。"); break;
        case FileAction::Save: what = QStringLiteral("ファイル \"%1\" に保存できませんでした。"); break;
        case FileAction::Backup:
            what = QStringLiteral("バックアップ ファイル \"%1\" を作れなかったので、保存しませんでした。");
            break;
    }
    return what.arg(path) + QStringLiteral("\r\n") + fileErrorReason(action, path, error);
}

}  // namespace docfile
