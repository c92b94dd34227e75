// Reading the settings at start-up and writing the window's own sections at
// close.  Every value with a default is written when missing and then read
// back from the store, so the store always holds what the program uses.
#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "app/WindowHooks.h"
#include "core/files/FilesLogic.h"
#include "core/settings/Keys.h"
#include "core/settings/Layout.h"
#include "platform/Ask.h"
#include "platform/BgrColor.h"
#include "platform/SettingsFailures.h"

namespace {
// The operating system's major version decides the widths of the TeX tool
// bars; the narrow ones belong to a major version this platform never has.
constexpr int kOsMajorVersion = 6;
constexpr int kFormatBarWidth = kOsMajorVersion == 5 ? 784 : 838;
constexpr int kMathBarWidth = kOsMajorVersion == 5 ? 734 : 822;

void tellAboutStore(const settings::StartCheck& check)
{
    const QString reason = check.reason.isEmpty() ? QString() : check.reason + QStringLiteral("\r\n");
    if (check.outcome == settings::StartCheck::SetAside)
        ask::messageBox(QString::fromUtf8("設定ファイルを読み込めませんでした。\r\n%1"
                                          "元のファイルを %2 に移し，既定の設定で起動します。")
                            .arg(reason, check.movedTo),
                        "Quillmark", MB_OK | MB_ICONEXCLAMATION);
    else if (check.outcome == settings::StartCheck::Refused)
        ask::messageBox(QString::fromUtf8("設定ファイル %1 を読み込めませんでした。\r\n%2"
                                          "既定の設定で起動します。設定の変更はこの起動の間だけ有効です。")
                            .arg(settings::storePath(), reason),
                        "Quillmark", MB_OK | MB_ICONEXCLAMATION);
}
}  // namespace

void reportSettingsWriteFailures()
{
    // Told once, from the event loop: the store calls this with itself locked.
    settings::setWriteFailureReporter([](const QString& reason) {
        QMetaObject::invokeMethod(
            qApp,
            [reason] {
                ask::messageBox(QString::fromUtf8("設定ファイルに書き込めません。\r\n%1\r\n"
                                                  "設定は読み込みましたが、変更はこの起動の間だけ有効です。")
                                    .arg(reason),
                                "Quillmark", MB_OK | MB_ICONEXCLAMATION);
            },
            Qt::QueuedConnection);
    });
}

void TForm1::ReadViewSettings()
{
    const settings::Store store = Settings();
    ToolBarFile->setHidden(!store.read(key::ViewEdit));
    ToolBarTeXShosiki->setMinimumWidth(kFormatBarWidth);
    ToolBarTeXShosiki->resize(kFormatBarWidth, ToolBarTeXShosiki->height());
    ToolBarTeXShosiki->setHidden(!store.read(key::ViewTeXSho));
    ToolBarTeXMath->setMinimumWidth(kMathBarWidth);
    ToolBarTeXMath->resize(kMathBarWidth, ToolBarTeXMath->height());
    ToolBarTeXMath->setHidden(!store.read(key::ViewTeXMath));
    ArrangeToolBars();
    SetDocuExpWidth(store.read(key::ViewDocuExpWidth));
    PanelDocumentExplorer->setHidden(!store.read(key::ViewDocuExp));
    StatusBar->setHidden(!store.read(key::ViewStatusBar));
}

void TForm1::WriteViewSettings()
{
    // The window is hidden by now, so what counts is whether each bar or pane was
    // switched off, not whether it is on screen.
    const settings::Store store = Settings();
    store.writeBack(key::ViewEdit, !ToolBarFile->isHidden());
    store.writeBack(key::ViewTeXSho, !ToolBarTeXShosiki->isHidden());
    store.writeBack(key::ViewTeXMath, !ToolBarTeXMath->isHidden());
    store.writeBack(key::ViewDocuExpWidth, docuExpWidth_);
    store.writeBack(key::ViewDocuExp, !PanelDocumentExplorer->isHidden());
    store.writeBack(key::ViewStatusBar, !StatusBar->isHidden());
}

void TForm1::ReadParentTable()
{
    const settings::Store store = Settings();
    for (int i = 0; i < layout::ParentCount; ++i) {
        ParentTable[i].Child = store.read(key::ParentChild, i);
        ParentTable[i].Parent = store.read(key::ParentParent, i);
        ParentTable[i].Execute = store.read(key::ParentExecute, i);
    }
}

void TForm1::WriteParentTable()
{
    const settings::Store store = Settings();
    settings::Batch batch;
    for (int i = 0; i < layout::ParentCount; ++i) {
        store.writeBack(key::ParentChild, i, ParentTable[i].Child);
        store.writeBack(key::ParentParent, i, ParentTable[i].Parent);
        store.writeBack(key::ParentExecute, i, ParentTable[i].Execute);
    }
    batch.commit();
}

namespace {
using RecentList = std::array<QString, layout::RecentCount>;

// The files a session opened, oldest first, as its list tells them: the
// shortest front part of the list after which the list as read goes on in
// its own order.  A file opened again while on top does not show.
std::vector<QString> openedSince(const RecentList& asRead, const RecentList& now)
{
    for (size_t k = 0;; ++k) {
        const auto opened = [&](const QString& path) {
            return std::find(now.begin(), now.begin() + k, path) != now.begin() + k;
        };
        std::vector<QString> rest;
        for (const QString& path : asRead)
            if (!opened(path)) rest.push_back(path);
        rest.resize(std::max(rest.size(), now.size()));
        if (k == now.size() || std::equal(now.begin() + k, now.end(), rest.begin())) {
            std::vector<QString> files;
            for (size_t i = k; i-- > 0;)
                if (!now[i].isEmpty()) files.push_back(now[i]);
            return files;
        }
    }
}
}  // namespace

void TForm1::WriteRecentFiles()
{
    // When another instance changed the list since this one read it, the
    // files this one opened go on top of the list as it is now.
    const settings::Store store = Settings();
    RecentList stored;
    for (int i = 1; i <= layout::RecentCount; ++i) stored[i - 1] = store.find(key::RecentFile, i).value_or(QString());
    RecentList list = RecentFile;
    if (stored != recentAsRead_) {
        list = stored;
        for (const QString& path : openedSince(recentAsRead_, RecentFile)) files::addRecent(list, path);
    }
    for (int i = 1; i <= layout::RecentCount; ++i) store.write(key::RecentFile, i, list[i - 1]);
}

void TForm1::LoadSettings()
{
    // A store that cannot be read is moved aside or left alone; the user
    // hears of it and the program starts with defaults instead of failing.
    tellAboutStore(settings::checkAtStart());

    // The defaults a first start writes reach the file in one write, not
    // one re-read and rewrite of the whole store per value.
    settings::Batch batch;
    ReadViewSettings();
    ReadParentTable();

    const settings::Store store = Settings();
    for (int i = 1; i <= layout::RecentCount; ++i) RecentFile[i - 1] = store.read(key::RecentFile, i);
    recentAsRead_ = RecentFile;

    layout::writeMissingUserDefines(store);
    store.writeMissing(layout::userPackageDefaults());
    store.writeMissing(layout::mathSoejiDefaults());

    ProgramDir = QCoreApplication::applicationDirPath();

    store.writeMissing(layout::texSettingDefaults());

    LoadColorSettings();
    store.writeMissing(layout::rootDefaults());

    TabSpace = store.read(key::TabSpace);
    TabSpaceNo = store.read(key::TabSpaceNo);
    CurrentDir = store.read(key::CurrentDir);
    AutoCommand = store.read(key::AutoCommand);
    AutoColor = store.read(key::AutoColor);
    if (QAction* button = Item("ToolButtonColorStructure")) {
        button->setCheckable(true);
        button->setChecked(AutoColor);
    }
    if (QAction* button = Item("ToolButtonCommandAssist")) {
        button->setCheckable(true);
        button->setChecked(AutoCommand);
    }

    const QString fontName = store.read(key::FontName);
    int fontSize = store.read(key::FontSize);
    const unsigned fontColor = static_cast<unsigned>(store.read(key::FontColor));
    if (fontSize <= 0) fontSize = key::FontSize.value.number;
    RichEdit->SelectAllText();
    QFont font(fontName);
    font.setPointSize(fontSize);
    RichEdit->SetEditorFont(font);
    CharFormat format;
    format.color = fontColor & 0xFFFFFF;
    RichEdit->SetFormat(0, RichEdit->GetTextLen(), format);
    RichEdit->SetDefaultFormat(format);

    FontColor = fontColor & 0xFFFFFF;
    BackColor = static_cast<unsigned>(store.read(key::BackColor)) & 0xFFFFFF;
    RichEdit->SetBackColor(BackColor);
    QPalette palette = TreeView->palette();
    palette.setColor(QPalette::Base, bgrColor(BackColor));
    palette.setColor(QPalette::Text, bgrColor(FontColor));
    TreeView->setPalette(palette);

    RichEdit->SetTabStops(store.read(key::Tab));

    RichEdit->SetSelLength(0);
    RichEdit->SetModified(false);

    store.writeMissing(layout::windowDefaults());
    batch.commit();
}
