// Save and Save As, with the optional ".BAK" backup.
#include "core/files/FilesLogic.h"
#include "core/files/FilesState.h"
#include "core/settings/Keys.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Writes the editor's text with the line breaks of the file it came from,
// and makes what was written the layout later saves compare against.
void writeDocument(Session& form, const QString& path, bool backup)
{
    Session::DocumentState& state = form.documentState();
    const std::string bytes = docfile::toFileBytes(form.RichEdit->Text(), state.layout);
    docfile::write(path, bytes, backup);
    adoptLayout(form, docfile::fromFileBytes(bytes).layout);
    state.stamp = docfile::stampOf(path);
}

// Whether another program has written the document's file since it was
// loaded or last saved here; such a file is overwritten only when the user
// says so.  A file that has gone is simply written again.
bool changedOnDisk(Session& form, const QString& path)
{
    const docfile::DiskStamp& known = form.documentState().stamp;
    if (!known.known) return false;
    const docfile::DiskStamp now = docfile::stampOf(path);
    return now.known && !(now == known);
}

bool backupWanted(Session& form) { return form.Settings().read(key::Backup) == 0; }

}  // namespace

void Session::MenuFileSaveClick()
{
    if (Busy) return;
    if (HasFileName) {
        // An unmodified document is not written, so no backup either.
        if (RichEdit->Modified()) {
            if (changedOnDisk(*this, FileName) &&
                ask::messageBox(QStringLiteral("このファイルは、開いた後（または最後に保存した後）に"
                                               "他のプログラムによって変更されています。\r\n上書き保存しますか。"),
                                AppTitle, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
                UpdateModifiedPanel();
                return;
            }
            writeDocument(*this, FileName, backupWanted(*this));
            RichEdit->SetModified(false);
            TeXProcessed = false;
            CurrentDir = docfile::extractFileDir(FileName);
        }
    } else {
        MenuFileSaveAsClick();
    }
    UpdateModifiedPanel();
}

void Session::MenuFileSaveAsClick()
{
    if (Busy) return;
    QString name;
    {
        CurrentFolderGuard folder;
        ask::FileRequest request;
        request.save = true;
        request.caption = QStringLiteral("名前を付けて保存");
        request.directory = CurrentDir;
        request.fileName = HasFileName ? FileName : QStringLiteral("*.tex");
        request.filters = files::dialogFilters();
        request.filterIndex = FilterIndex;
        for (;;) {
            const ask::FileAnswer answer = ask::fileDialog(request);
            if (!answer.accepted) return;
            FilterIndex = answer.filterIndex;
            name = files::forceExtension(answer.fileName, FilterIndex);
            // A symbolic link whose file has gone still takes the name; the
            // save would write through it.
            const QFileInfo taken(name);
            if (!taken.exists() && !taken.isSymLink()) break;
            const int overwrite =
                ask::messageBox(QStringLiteral("同名のファイルが存在します。\r\n上書き保存しますか。"),
                                QStringLiteral("ファイル名を付けて保存"), MB_YESNO | MB_ICONEXCLAMATION);
            if (overwrite == IDYES) break;
            request.fileName = answer.fileName;
            request.filterIndex = FilterIndex;
        }
    }
    name = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    const bool backup = name == FileName && backupWanted(*this);
    writeDocument(*this, name, backup);
    AddRecentFile(name);
    FileName = name;
    RichEdit->SetModified(false);
    mainWindow->setWindowTitle(FileName + CaptionSuffix);
    mainWindow->setWindowIconText(docfile::extractFileName(FileName) + CaptionSuffix);
    HasFileName = true;
    TeXProcessed = false;
    CurrentDir = docfile::extractFileDir(FileName);
    UpdateModifiedPanel();
}
