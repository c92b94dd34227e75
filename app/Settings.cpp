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

#include "app/SettingsLayout.h"
#include "app/WindowHooks.h"
#include "platform/Ask.h"
#include "platform/SettingsFailures.h"

namespace {
QColor colorOf(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The operating system's major version decides the widths of the TeX tool
// bars; the narrow ones belong to a major version this platform never has.
constexpr int kOsMajorVersion = 6;
constexpr int kFormatBarWidth = kOsMajorVersion == 5 ? 784 : 838;
constexpr int kMathBarWidth = kOsMajorVersion == 5 ? 734 : 822;
constexpr int kMinExplorerWidth = 30;

void tellAboutQuarantine(const QString& movedTo) {
    ask::messageBox(QString::fromUtf8("設定ファイルを読み込めませんでした。\r\n"
                                      "元のファイルを %1 に移し，既定の設定で起動します。")
                        .arg(movedTo),
                    "Quillmark", MB_OK | MB_ICONEXCLAMATION);
}
}  // namespace

void reportSettingsWriteFailures() {
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

void TForm1::SetDocuExpWidth(int width) {
    docuExpWidth_ = std::max(width, kMinExplorerWidth);
    if (!Splitter1) return;
    QList<int> sizes = Splitter1->sizes();
    int total = 0;
    for (int s : sizes) total += s;
    if (total <= 0) total = docuExpWidth_ + 745;
    Splitter1->setSizes({docuExpWidth_, std::max(total - docuExpWidth_, 1)});
}

void TForm1::ReadViewSettings() {
    TRegIniFile ini(RegKey);
    ToolBarFile->setHidden(!ini.ReadBool("View", "Edit", true));
    ToolBarTeXShosiki->setMinimumWidth(kFormatBarWidth);
    ToolBarTeXShosiki->resize(kFormatBarWidth, ToolBarTeXShosiki->height());
    ToolBarTeXShosiki->setHidden(!ini.ReadBool("View", "TeXSho", true));
    ToolBarTeXMath->setMinimumWidth(kMathBarWidth);
    ToolBarTeXMath->resize(kMathBarWidth, ToolBarTeXMath->height());
    ToolBarTeXMath->setHidden(!ini.ReadBool("View", "TeXMath", true));
    ArrangeToolBars();
    SetDocuExpWidth(ini.ReadInteger("View", "DocuExpWidth", 130));
    PanelDocumentExplorer->setHidden(!ini.ReadBool("View", "DocuExp", true));
    StatusBar->setHidden(!ini.ReadBool("View", "StatusBar", true));
}

void TForm1::WriteViewSettings() {
    // The window is hidden by now, so what counts is whether each bar or pane was
    // switched off, not whether it is on screen.
    TRegIniFile ini(RegKey);
    ini.WriteBool("View", "Edit", !ToolBarFile->isHidden());
    ini.WriteBool("View", "TeXSho", !ToolBarTeXShosiki->isHidden());
    ini.WriteBool("View", "TeXMath", !ToolBarTeXMath->isHidden());
    ini.WriteInteger("View", "DocuExpWidth", docuExpWidth_);
    ini.WriteBool("View", "DocuExp", !PanelDocumentExplorer->isHidden());
    ini.WriteBool("View", "StatusBar", !StatusBar->isHidden());
}

void TForm1::ReadParentTable() {
    TRegIniFile ini(RegKey + "\\Parent");
    for (int i = 0; i < layout::ParentCount; ++i) {
        const QString index = QString::number(i);
        ParentTable[i].Child = ini.ReadString("Child", index, "");
        ParentTable[i].Parent = ini.ReadString("Parent", index, "");
        ParentTable[i].Execute = ini.ReadBool("Execute", index, false);
    }
}

void TForm1::WriteParentTable() {
    TRegIniFile ini(RegKey + "\\Parent");
    for (int i = 0; i < layout::ParentCount; ++i) {
        const QString index = QString::number(i);
        ini.WriteString("Child", index, ParentTable[i].Child);
        ini.WriteString("Parent", index, ParentTable[i].Parent);
        ini.WriteBool("Execute", index, ParentTable[i].Execute);
    }
}

void TForm1::LoadSettings() {
    // A store that cannot be parsed is moved aside; the user hears of it
    // and the program starts with defaults instead of failing.
    QString movedTo;
    if (settings::quarantineIfCorrupt(&movedTo)) tellAboutQuarantine(movedTo);

    // The defaults a first start writes reach the file in one write, not
    // one re-read and rewrite of the whole store per value.
    settings::Batch batch;
    ReadViewSettings();
    ReadParentTable();

    TRegistry reg;
    reg.RootKey = RootKey;
    reg.OpenKey(RegKey + "\\Recent", true);
    for (int i = 0; i < layout::RecentCount; ++i) {
        const QString name = "RecentFile" + QString::number(i + 1);
        if (!reg.ValueExists(name)) reg.WriteString(name, "");
        RecentFile[i] = layout::readString(reg, name, "");
    }
    reg.CloseKey();

    reg.OpenKey(RegKey + "\\UserDefine", true);
    layout::writeMissingUserDefines(reg);
    reg.CloseKey();
    reg.OpenKey(RegKey + "\\UserPackage", true);
    layout::writeMissing(reg, layout::userPackageDefaults());
    reg.CloseKey();
    reg.OpenKey(RegKey + "\\MathSoeji", true);
    layout::writeMissing(reg, layout::mathSoejiDefaults());
    reg.CloseKey();

    ProgramDir = QCoreApplication::applicationDirPath();

    reg.OpenKey(RegKey + "\\TeXSetting", true);
    layout::writeMissing(reg, layout::texSettingDefaults());
    reg.CloseKey();

    reg.OpenKey(RegKey, true);
    LoadColorSettings();
    layout::writeMissing(reg, layout::rootDefaults());

    TabSpace = layout::readInteger(reg, "TabSpace", 1);
    TabSpaceNo = layout::readInteger(reg, "TabSpaceNo", 4);
    CurrentDir = layout::readString(reg, "CurrentDir", "");
    AutoCommand = layout::readBool(reg, "AutoCommand", true);
    AutoColor = layout::readBool(reg, "AutoColor", true);
    if (QAction* button = Item("ToolButtonColorStructure")) {
        button->setCheckable(true);
        button->setChecked(AutoColor);
    }
    if (QAction* button = Item("ToolButtonCommandAssist")) {
        button->setCheckable(true);
        button->setChecked(AutoCommand);
    }

    const QString fontName = layout::readString(reg, "FontName", QString::fromUtf8("ＭＳ ゴシック"));
    int fontSize = layout::readInteger(reg, "FontSize", 12);
    const unsigned fontColor = static_cast<unsigned>(layout::readInteger(reg, "FontColor", 0));
    if (fontSize <= 0) fontSize = 12;
    RichEdit->SelectAllText();
    QFont font(fontName);
    font.setPointSize(fontSize);
    RichEdit->SetEditorFont(font);
    CharFormat format;
    format.color = fontColor & 0xFFFFFF;
    RichEdit->SetFormat(0, RichEdit->GetTextLen(), format);
    RichEdit->SetDefaultFormat(format);

    FontColor = fontColor & 0xFFFFFF;
    BackColor = static_cast<unsigned>(layout::readInteger(reg, "BackColor", 0xFFFFFF)) & 0xFFFFFF;
    RichEdit->SetBackColor(BackColor);
    QPalette palette = TreeView->palette();
    palette.setColor(QPalette::Base, colorOf(BackColor));
    palette.setColor(QPalette::Text, colorOf(FontColor));
    TreeView->setPalette(palette);

    RichEdit->SetTabStops(layout::readInteger(reg, "Tab", 24));

    RichEdit->SetSelLength(0);
    RichEdit->SetModified(false);

    layout::writeMissing(reg, layout::windowDefaults());
    reg.CloseKey();
    batch.commit();
}
