// Document files: new, open, the loader, recent files and the File menu.
#include "core/files/FilesLogic.h"
#include "core/files/FilesState.h"
#include "core/settings/Keys.h"
#include "core/undo/MultiUndo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

QString tooLargeMessage(const QString& path, const docfile::ReadResult& read)
{
    // A file within the limit on disk can still pass it once its lone line
    // feeds become CR LF in the editor; the message then names the size the
    // editor would hold, not the file's.
    if (read.fileSize > docfile::kMaxTextBytes)
        return QStringLiteral(
                   "ファイル \"%1\" は %2 バイトあり、開ける大きさ（%3 バイト）を超えているので開けません。\r\n"
                   "編集中の文書はそのままです。")
            .arg(docfile::extractFileName(path))
            .arg(qulonglong(read.fileSize))
            .arg(qulonglong(docfile::kMaxTextBytes));
    return QStringLiteral(
               "ファイル \"%1\" は %2 バイトですが、改行を CR LF にすると %3 バイトになり、"
               "編集できる大きさ（%4 バイト）を超えるので開けません。\r\n編集中の文書はそのままです。")
        .arg(docfile::extractFileName(path))
        .arg(qulonglong(read.fileSize))
        .arg(qulonglong(read.textSize))
        .arg(qulonglong(docfile::kMaxTextBytes));
}

}  // namespace

Session::DocumentState& Session::documentState()
{
    if (!Document) Document = std::make_shared<DocumentState>();
    return *Document;
}

void adoptLayout(Session& form, docfile::Layout layout)
{
    Session::DocumentState& state = form.documentState();
    state.layout = std::move(layout);
    if (!form.RichEdit || state.followed == &form.RichEdit->Document()) return;
    const TextDocument& doc = form.RichEdit->Document();
    state.followed = &doc;
    // The listener lives as long as the editor's document; the state may go
    // first, and is then left alone.
    std::weak_ptr<Session::DocumentState> weak = form.Document;
    doc.subscribe([weak, &doc](const TextDocument::Change& change) {
        if (const auto s = weak.lock()) docfile::followChange(s->layout, doc, change);
    });
}

bool Session::AskSaveChanges(const QString& question)
{
    bool goOn = true;
    if (RichEdit->Modified()) {
        const int answer = ask::messageBox(question, AppTitle, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) {
            goOn = false;
        } else if (answer == IDYES) {
            MenuFileSaveClick();
            goOn = !RichEdit->Modified();
        }
    }
    UpdateModifiedPanel();
    return goOn;
}

void Session::MenuFileNewClick()
{
    if (Busy) return;
    if (AskSaveChanges(QStringLiteral("変更されています。保存しますか"))) NewDocument();
}

void Session::NewDocument()
{
    if (deleteByProducts) deleteByProducts(FileName);
    ClearDocument();
}

void Session::ClearDocument()
{
    RichEdit->SetText(std::string());
    RichEdit->SetModified(false);
    mainWindow->setWindowTitle(AppTitle);
    mainWindow->setWindowIconText(AppTitle);
    FileName.clear();
    SearchText.clear();
    HasFileName = false;
    TeXProcessed = false;
    FilterIndex = FigureFilterIndex = InputFilterIndex = 1;
    adoptLayout(*this, {});
    documentState().stamp = {};
    if (UndoManager) UndoManager->Reset();
    HasParent = false;
    ParentExecute = false;
}

void Session::MenuFileOpenClick()
{
    if (Busy) return;
    if (AskSaveChanges(QStringLiteral("変更されています。保存しますか。"))) OpenDocument();
}

void Session::OpenDocument()
{
    CurrentFolderGuard folder;
    ask::FileRequest request;
    request.caption = QStringLiteral("開く");
    request.directory = CurrentDir;
    request.filters = files::dialogFilters();
    request.filterIndex = FilterIndex;
    const ask::FileAnswer answer = ask::fileDialog(request);
    // The document stays when the dialog is cancelled, and so do its files.
    if (!answer.accepted) return;
    if (deleteByProducts) deleteByProducts(FileName);
    {
        scope::WaitCursor wait;
        LoadFile(answer.fileName);
    }
    FilterIndex = answer.filterIndex;
}

bool Session::LoadFile(const QString& givenPath)
{
    // Kept absolute: the process's current folder moves with the recent
    // files and drops, and a relative name would then point elsewhere.
    const QString path = givenPath.isEmpty() ? givenPath : QDir::cleanPath(QFileInfo(givenPath).absoluteFilePath());
    docfile::ReadResult read = docfile::read(path);
    if (read.status == docfile::ReadStatus::TooLarge) {
        // The open document stays as it was: nothing of the file is shown,
        // so nothing cut short can be saved over it.
        ask::messageBox(tooLargeMessage(path, read), QStringLiteral("開く"), MB_OK | MB_ICONERROR);
        return false;
    }
    if (read.status == docfile::ReadStatus::Failed) {
        // No document rather than the old name over an empty editor, which a
        // later Save would write over the old file.
        ClearDocument();
        ask::errorMessage(read.error);
        return false;
    }

    mainWindow->setWindowTitle(path + CaptionSuffix);
    mainWindow->setWindowIconText(docfile::extractFileName(path) + CaptionSuffix);
    RichEdit->SetText(read.content.text);
    RichEdit->setFocus();
    adoptLayout(*this, std::move(read.content.layout));
    documentState().stamp = read.stamp;

    FileName = path;
    SearchText.clear();
    HasFileName = true;
    TeXProcessed = false;
    AddRecentFile(path);
    CurrentDir = docfile::extractFileDir(path);

    RichEdit->SetModified(false);
    RichEdit->repaint();
    RichEdit->SetSelStart(0);

    files::ColorInputs colour;
    {
        const settings::Store store = Settings();
        colour.maxSizeKB = store.read(key::ColMaxSize);
        colour.autoOn = store.read(key::ColAutoOn);
        colour.autoOff = store.read(key::ColAutoOff);
    }
    colour.path = path;
    colour.length = RichEdit->GetTextLen();
    colour.autoColor = AutoColor;
    const files::ColorAction action = files::decideColor(colour);
    const QString caption = QStringLiteral("開く");
    switch (action) {
        case files::ColorAction::SizeOff:
        case files::ColorAction::ExtensionOff:
            ToggleAutoColor();
            ask::messageBox(files::colorMessage(action, colour), caption, MB_OK | MB_ICONINFORMATION);
            break;
        case files::ColorAction::ExtensionOn:
            ask::messageBox(files::colorMessage(action, colour), caption, MB_OK | MB_ICONINFORMATION);
            ToggleAutoColor();
            break;
        case files::ColorAction::Recolor: ColorizeAll(); break;
    }

    if (UndoManager) UndoManager->Reset();

    HasParent = false;
    ParentExecute = false;
    for (const ParentFileEntry& entry : ParentTable) {
        if (entry.Child == FileName) {
            ParentFile = entry.Parent;
            HasParent = true;
            ParentExecute = entry.Execute;
            break;
        }
    }
    // Putting the text in marked the document changed on the way; every road
    // that loads (menu, recent files, command line, drop, spell check) shows
    // the untouched state.
    UpdateModifiedPanel();
    return true;
}

void Session::SetFilterIndexFromExt(const QString& path) { FilterIndex = files::filterIndexForExt(path); }

void Session::AddRecentFile(const QString& path) { files::addRecent(RecentFile, path); }

void Session::MenuFileClick()
{
    for (int n = 1; n <= 5; ++n)
        if (QAction* item = Item(QStringLiteral("MenuFileRec%1").arg(n)))
            item->setText(files::recentCaption(n, RecentFile[size_t(n - 1)]));
}

void Session::MenuFileRec1Click(int tag)
{
    if (Busy || tag < 1 || tag > 5) return;
    const QString entry = RecentFile[size_t(tag - 1)];  // a copy: loading reorders the list
    if (entry.isEmpty()) return;
    if (!AskSaveChanges(QStringLiteral("変更されています。保存しますか。"))) return;
    if (deleteByProducts) deleteByProducts(FileName);
    LoadFile(entry);
    SetFilterIndexFromExt(entry);
    QDir::setCurrent(docfile::extractFileDir(entry));
}

void Session::MenuFileQuitClick() { mainWindow->close(); }

void Session::BuildFileCommands()
{
    QAction* quit = MenuFileQuit;
    const auto separator = [&] {
        if (MenuFile) MenuFile->insertSeparator(quit);
    };
    InsertItem(
        MenuFile, quit, "MenuFileNew", "新規作成(&N)", [this] { MenuFileNewClick(); }, QKeySequence::New);
    InsertItem(
        MenuFile, quit, "MenuFileOpen", "開く(&O)...", [this] { MenuFileOpenClick(); }, QKeySequence::Open);
    InsertItem(
        MenuFile, quit, "MenuFileSave", "上書き保存(&S)", [this] { MenuFileSaveClick(); }, QKeySequence::Save);
    InsertItem(MenuFile, quit, "MenuFileSaveAs", "名前を付けて保存(&A)...", [this] { MenuFileSaveAsClick(); });
    separator();
    InsertItem(MenuFile, quit, "MenuFilePrintSetup", "プリンタの設定(&R)...", [this] { MenuFilePrintSetupClick(); });
    InsertItem(MenuFile, quit, "MenuFilePrint", "印刷(&P)...", [this] { MenuFilePrintClick(); }, {});
    separator();
    for (int n = 1; n <= 5; ++n)
        InsertItem(MenuFile, quit, QStringLiteral("MenuFileRec%1").arg(n), QStringLiteral("&%1 ").arg(n),
                   [this, n] { MenuFileRec1Click(n); });
    separator();
    if (MenuFile) QObject::connect(MenuFile, &QMenu::aboutToShow, mainWindow, [this] { Guard([this] { MenuFileClick(); }); });
}
