// Start-up reading of the settings: defaults written when missing, existing
// values kept, bad values repaired instead of stopping the start.
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QDir>

#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {
struct Expected {
    const char* key;
    const char* name;
    bool isInt;
    int number;
    const char* text;
};

// What a first start must leave in the store, written out independently of
// the program's own tables.
const Expected kFirstStart[] = {
    {"", "ZuSmall", true, 0, nullptr},
    {"", "DirOnOff", true, 0, nullptr},
    {"", "Backup", true, 0, nullptr},
    {"", "FontSize", true, 12, nullptr},
    {"", "FontName", false, 0, "ＭＳ ゴシック"},
    {"", "FontColor", true, 0, nullptr},
    {"", "BackColor", true, 0xFFFFFF, nullptr},
    {"", "adAutoDelete", true, 0, nullptr},
    {"", "adDVI", true, 0, nullptr},
    {"", "adLOG", true, 1, nullptr},
    {"", "adAUX", true, 1, nullptr},
    {"", "adTOC", true, 1, nullptr},
    {"", "adLOF", true, 1, nullptr},
    {"", "adLOT", true, 1, nullptr},
    {"", "adIDX", true, 1, nullptr},
    {"", "adIND", true, 1, nullptr},
    {"", "adILG", true, 1, nullptr},
    {"", "adBBL", true, 1, nullptr},
    {"", "adBLG", true, 1, nullptr},
    {"", "WindowState", true, 0, nullptr},
    {"", "Tab", true, 24, nullptr},
    {"", "TabSpace", true, 1, nullptr},
    {"", "TabSpaceNo", true, 4, nullptr},
    {"", "CurrentDir", false, 0, ""},
    {"", "ColMaxSize", true, 256, nullptr},
    {"", "ColAutoOn", true, 1, nullptr},
    {"", "ColAutoOff", true, 1, nullptr},
    {"", "JPaper", true, 0, nullptr},
    {"", "DefOption", true, 0, nullptr},
    {"", "AutoIndent", true, 1, nullptr},
    {"", "AutoCommand", true, 1, nullptr},
    {"", "AutoColor", true, 1, nullptr},
    {"", "WindowTop", true, 0, nullptr},
    {"", "WindowLeft", true, 0, nullptr},
    {"", "WindowWidth", true, 875, nullptr},
    {"", "WindowHeight", true, 600, nullptr},
    {"\\Recent", "RecentFile1", false, 0, ""},
    {"\\Recent", "RecentFile5", false, 0, ""},
    {"\\UserDefine", "Title1", false, 0, "Not Defined"},
    {"\\UserDefine", "Define1", false, 0, ""},
    {"\\UserDefine", "Title48", false, 0, "Not Defined"},
    {"\\UserDefine", "Define48", false, 0, ""},
    {"\\UserPackage", "Package", false, 0, ""},
    {"\\MathSoeji", "Up", false, 0, "\\infty"},
    {"\\MathSoeji", "Down", false, 0, "-\\infty"},
    {"\\TeXSetting", "TeXFile", false, 0, ""},
    {"\\TeXSetting", "TeXOption", false, 0, ""},
    {"\\TeXSetting", "DviFile", false, 0, ""},
    {"\\TeXSetting", "DviOption", false, 0, ""},
    {"\\TeXSetting", "DviDde", true, 0, nullptr},
    {"\\TeXSetting", "MendexFile", false, 0, ""},
    {"\\TeXSetting", "MendexOption", false, 0, ""},
    {"\\TeXSetting", "BibTeXFile", false, 0, ""},
    {"\\TeXSetting", "BibTeXOption", false, 0, ""},
    {"\\TeXSetting", "DvipsFile", false, 0, ""},
    {"\\TeXSetting", "DvipsOption", false, 0, ""},
    {"\\TeXSetting", "DvipdfFile", false, 0, ""},
    {"\\TeXSetting", "DvipdfOption", false, 0, ""},
    {"\\TeXSetting", "PDFReaderFile", false, 0, ""},
    {"\\TeXSetting", "PDFReaderOption", false, 0, ""},
    {"\\TeXSetting", "PSViewerFile", false, 0, ""},
    {"\\TeXSetting", "PSViewerOption", false, 0, ""},
    {"\\TeXSetting", "HowTex", true, 2, nullptr},
};

class SettingsTest : public AppTest {};
}  // namespace

TEST_F(SettingsTest, FirstStartWritesEveryDefault) {
    TForm1& f = start();
    for (const Expected& e : kFirstStart) {
        SCOPED_TRACE(std::string(e.key) + "\\" + e.name);
        ASSERT_TRUE(exists(e.key, e.name));
        if (e.isInt)
            EXPECT_EQ(readInt(e.key, e.name), e.number);
        else
            EXPECT_EQ(readString(e.key, e.name), QString::fromUtf8(e.text));
    }
    // The window's own sections appear only at the first close.
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(kRoot + "\\View"));
    EXPECT_FALSE(reg.KeyExists(kRoot + "\\Parent\\Child"));

    EXPECT_EQ(f.TabSpace, 1);
    EXPECT_EQ(f.TabSpaceNo, 4);
    EXPECT_TRUE(f.AutoColor);
    EXPECT_TRUE(f.AutoCommand);
    EXPECT_EQ(f.BackColor, 0xFFFFFFu);
    EXPECT_EQ(f.DocuExpWidth(), 130);
    EXPECT_FALSE(f.RichEdit->Modified());
    EXPECT_EQ(f.StatusPanelText(2), QString::fromUtf8("挿入"));
    EXPECT_FALSE(f.StartingUp);
    EXPECT_EQ(f.RichEdit->MaxLength(), 512000);
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family(), "IPAexGothic");
}

TEST_F(SettingsTest, ExistingValuesAreKept) {
    writeInt("", "FontSize", 20);
    writeInt("", "TabSpaceNo", 8);
    writeInt("", "AutoColor", 0);
    writeInt("", "WindowWidth", 1000);
    writeString("", "CurrentDir", "");
    writeString("\\TeXSetting", "TeXFile", "/usr/bin/platex");
    writeString("\\MathSoeji", "Up", "n");
    writeString("\\Recent", "RecentFile2", "/tmp/b.tex");
    TForm1& f = start();
    EXPECT_EQ(readInt("", "FontSize"), 20);
    EXPECT_EQ(readInt("", "WindowWidth"), 1000);
    EXPECT_EQ(readInt("", "WindowHeight"), 600);
    EXPECT_EQ(readString("\\TeXSetting", "TeXFile"), "/usr/bin/platex");
    EXPECT_EQ(readString("\\MathSoeji", "Up"), "n");
    EXPECT_EQ(readString("\\MathSoeji", "Down"), "-\\infty");
    EXPECT_EQ(f.TabSpaceNo, 8);
    EXPECT_FALSE(f.AutoColor);
    EXPECT_TRUE(f.CurrentDir.isEmpty());
    EXPECT_EQ(f.RecentFile[0], "");
    EXPECT_EQ(f.RecentFile[1], "/tmp/b.tex");
}

TEST_F(SettingsTest, ExistingUserDefineTitleKeepsItsDefinitionUntouched) {
    writeString("\\UserDefine", "Title5", "Mine");
    writeString("\\UserDefine", "Title7", "Other");
    writeString("\\UserDefine", "Define7", "\\textbf{}");
    start();
    EXPECT_EQ(readString("\\UserDefine", "Title5"), "Mine");
    EXPECT_FALSE(exists("\\UserDefine", "Define5"));
    EXPECT_EQ(readString("\\UserDefine", "Define7"), "\\textbf{}");
    EXPECT_EQ(readString("\\UserDefine", "Title6"), "Not Defined");
    EXPECT_EQ(readString("\\UserDefine", "Define6"), "");
}

TEST_F(SettingsTest, ViewSectionFallsBackOnTextThatIsNoNumber) {
    {
        TRegIniFile ini(kRoot);
        ini.WriteString("View", "DocuExpWidth", "wide");
        ini.WriteString("View", "Edit", "0");
        ini.WriteString("View", "StatusBar", "yes?");
    }
    TForm1& f = start();
    EXPECT_EQ(f.DocuExpWidth(), 130);
    EXPECT_TRUE(f.ToolBarFile->isHidden());
    EXPECT_FALSE(f.StatusBar->isHidden());

    TRegIniFile(kRoot).WriteInteger("View", "DocuExpWidth", 4);
    EXPECT_EQ(start().DocuExpWidth(), 30);
}

TEST_F(SettingsTest, WrongTypedValuesAreRepairedAndTheStartGoesOn) {
    writeString("", "TabSpace", "many");
    writeString("", "FontSize", "big");
    writeInt("", "FontName", 3);
    writeInt("\\Recent", "RecentFile1", 9);
    TForm1& f = start();
    EXPECT_EQ(f.TabSpace, 1);
    EXPECT_EQ(readInt("", "TabSpace"), 1);
    EXPECT_EQ(readInt("", "FontSize"), 12);
    EXPECT_EQ(readString("", "FontName"), QString::fromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(readString("\\Recent", "RecentFile1"), "");
    EXPECT_EQ(f.RecentFile[0], "");
    EXPECT_FALSE(f.StartingUp);
}

TEST_F(SettingsTest, CorruptStoreIsKeptAsideAndTheUserTold) {
    {
        QFile file(storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is \x01\x02 not a settings file\n[[[\nx=\n");
    }
    script().expectMessage({.caption = "Quillmark", .flags = MB_OK | MB_ICONEXCLAMATION});
    TForm1& f = start();
    EXPECT_EQ(script().pending(), 0);
    EXPECT_EQ(f.TabSpaceNo, 4);
    EXPECT_EQ(readInt("", "Tab"), 24);
    const QStringList aside = QDir(QFileInfo(storeFile()).absolutePath())
                                  .entryList({"settings.ini.corrupt*"}, QDir::Files);
    EXPECT_EQ(aside.size(), 1);
}
