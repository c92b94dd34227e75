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

#include "app/WindowHooks.h"
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

void tellAboutQuarantine(const QString& movedTo)
{
    ask::messageBox(QString::fromUtf8("設定ファイルを読み込めませんでした。\r\n"
                                      "元のファイルを %1 に移し，既定の設定で起動します。")
                        .arg(movedTo),
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
    store.write(key::ViewEdit, !ToolBarFile->isHidden());
    store.write(key::ViewTeXSho, !ToolBarTeXShosiki->isHidden());
    store.write(key::ViewTeXMath, !ToolBarTeXMath->isHidden());
    store.write(key::ViewDocuExpWidth, docuExpWidth_);
    store.write(key::ViewDocuExp, !PanelDocumentExplorer->isHidden());
    store.write(key::ViewStatusBar, !StatusBar->isHidden());
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
        store.write(key::ParentChild, i, ParentTable[i].Child);
        store.write(key::ParentParent, i, ParentTable[i].Parent);
        store.write(key::ParentExecute, i, ParentTable[i].Execute);
    }
    batch.commit();
}

void TForm1::LoadSettings()
{
    // A store that cannot be parsed is moved aside; the user hears of it
    // and the program starts with defaults instead of failing.
    QString movedTo;
    if (settings::quarantineIfCorrupt(&movedTo)) tellAboutQuarantine(movedTo);

    // The defaults a first start writes reach the file in one write, not
    // one re-read and rewrite of the whole store per value.
    settings::Batch batch;
    ReadViewSettings();
    ReadParentTable();

    const settings::Store store = Settings();
    for (int i = 1; i <= layout::RecentCount; ++i) RecentFile[i - 1] = store.read(key::RecentFile, i);

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
