// Start-up reading of the settings: defaults written when missing, existing
// values kept, bad values repaired instead of stopping the start.
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include "tests/app/AppFixture.h"
#include "tests/support/WatchedPipe.h"

#include <sys/stat.h>

using namespace apptest;

namespace {
// What a first start must leave in the store, written out independently of
// the program's own tables: integers (booleans are 0 or 1) and strings.
struct ExpectedInt {
    const char* key;
    const char* name;
    int value;
};
struct ExpectedString {
    const char* key;
    const char* name;
    const char* value;
};
const ExpectedInt kInts[] = {
    {"", "ZuSmall", 0},
    {"", "DirOnOff", 0},
    {"", "Backup", 0},
    {"", "FontSize", 12},
    {"", "FontColor", 0},
    {"", "BackColor", 0xFFFFFF},
    {"", "adAutoDelete", 0},
    {"", "adDVI", 0},
    {"", "adLOG", 1},
    {"", "adAUX", 1},
    {"", "adTOC", 1},
    {"", "adLOF", 1},
    {"", "adLOT", 1},
    {"", "adIDX", 1},
    {"", "adIND", 1},
    {"", "adILG", 1},
    {"", "adBBL", 1},
    {"", "adBLG", 1},
    {"", "WindowState", 0},
    {"", "Tab", 24},
    {"", "TabSpace", 1},
    {"", "TabSpaceNo", 4},
    {"", "ColMaxSize", 256},
    {"", "ColAutoOn", 1},
    {"", "ColAutoOff", 1},
    {"", "JPaper", 0},
    {"", "DefOption", 0},
    {"", "AutoIndent", 1},
    {"", "AutoCommand", 1},
    {"", "AutoColor", 1},
    {"", "WindowTop", 0},
    {"", "WindowLeft", 0},
    {"", "WindowWidth", 875},
    {"", "WindowHeight", 600},
    {"\\TeXSetting", "DviDde", 0},
    {"\\TeXSetting", "HowTex", 2},
};
const ExpectedString kStrings[] = {
    {"", "FontName", "ＭＳ ゴシック"},
    {"", "CurrentDir", ""},
    {"\\Recent", "RecentFile1", ""},
    {"\\Recent", "RecentFile5", ""},
    {"\\UserDefine", "Title1", "Not Defined"},
    {"\\UserDefine", "Define1", ""},
    {"\\UserDefine", "Title48", "Not Defined"},
    {"\\UserDefine", "Define48", ""},
    {"\\UserPackage", "Package", ""},
    {"\\MathSoeji", "Up", "\\infty"},
    {"\\MathSoeji", "Down", "-\\infty"},
};
const char* const kTeXStrings[] = {
    "TeXFile",       "TeXOption",       "DviFile",      "DviOption",      "MendexFile", "MendexOption",
    "BibTeXFile",    "BibTeXOption",    "DvipsFile",    "DvipsOption",    "DvipdfFile", "DvipdfOption",
    "PDFReaderFile", "PDFReaderOption", "PSViewerFile", "PSViewerOption",
};

class SettingsTest : public AppTest {
protected:
    QStringList setAside() const
    {
        return QDir(folder()).entryList({"settings.ini.corrupt*"}, QDir::Files | QDir::System | QDir::Dirs);
    }
    // Starts, shows and closes a window on the store as it is, which must
    // say once that it could not be read.
    TForm1& startTold()
    {
        script().expectMessage({.caption = "Quillmark", .flags = MB_OK | MB_ICONEXCLAMATION});
        TForm1& f = start();
        f.FormShow();
        closeForm();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(messages().size(), 1u);
        return f;
    }
};
}  // namespace

TEST_F(SettingsTest, FirstStartWritesEveryDefault)
{
    TForm1& f = start();
    for (const ExpectedInt& e : kInts) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(exists(e.key, e.name));
        EXPECT_EQ(readInt(e.key, e.name), e.value);
    }
    for (const ExpectedString& e : kStrings) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(exists(e.key, e.name));
        EXPECT_EQ(readString(e.key, e.name), QString::fromUtf8(e.value));
    }
    for (const char* name : kTeXStrings) {
        ASSERT_TRUE(exists("\\TeXSetting", name)) << name;
        EXPECT_EQ(readString("\\TeXSetting", name), "") << name;
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

TEST_F(SettingsTest, ExistingValuesAreKept)
{
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

TEST_F(SettingsTest, ExistingUserDefineTitleKeepsItsDefinitionUntouched)
{
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

TEST_F(SettingsTest, ViewSectionFallsBackOnTextThatIsNoNumber)
{
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

TEST_F(SettingsTest, WrongTypedValuesAreRepairedAndTheStartGoesOn)
{
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

TEST_F(SettingsTest, CorruptStoreIsKeptAsideAndTheUserTold)
{
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
    const QStringList aside =
        QDir(QFileInfo(storeFile()).absolutePath()).entryList({"settings.ini.corrupt*"}, QDir::Files);
    EXPECT_EQ(aside.size(), 1);
}

TEST_F(SettingsTest, APipeOrAFolderInTheStoresPlaceIsLeftAloneAndNeverWaitedFor)
{
    {
        testsupport::WatchedPipe pipe(storeFile());
        ASSERT_TRUE(pipe.made());
        EXPECT_EQ(startTold().TabSpaceNo, 4);
        ASSERT_FALSE(messages().empty());
        EXPECT_TRUE(messages()[0].text.contains(storeFile()));
        EXPECT_FALSE(pipe.wasOpened());
        EXPECT_TRUE(pipe.inPlace());
        EXPECT_TRUE(setAside().isEmpty());
        // This session's changes are kept for it.
        writeInt("", "Tab", 32);
        EXPECT_EQ(readInt("", "Tab"), 32);
    }
    QFile::remove(storeFile());
    form.reset();
    ASSERT_TRUE(QDir().mkdir(storeFile()));
    script().expectMessage({.caption = "Quillmark", .flags = MB_OK | MB_ICONEXCLAMATION});
    start();
    EXPECT_TRUE(QFileInfo(storeFile()).isDir());
    EXPECT_TRUE(QDir(storeFile()).isEmpty());
    EXPECT_TRUE(setAside().isEmpty());
}

TEST_F(SettingsTest, AStoreLinkedToADeviceOrTooLargeIsSetAside)
{
    ASSERT_TRUE(QFile::link("/dev/zero", storeFile()));
    TForm1& f = startTold();
    EXPECT_EQ(f.TabSpaceNo, 4);
    ASSERT_EQ(setAside().size(), 1);
    // The link went aside; what it points to is untouched.
    EXPECT_EQ(QFileInfo(folder() + "/" + setAside()[0]).symLinkTarget(), "/dev/zero");
    struct stat zero {};
    EXPECT_TRUE(::stat("/dev/zero", &zero) == 0 && S_ISCHR(zero.st_mode));
    EXPECT_TRUE(QFileInfo(storeFile()).isFile() && !QFileInfo(storeFile()).isSymLink());
    EXPECT_EQ(readInt("", "Tab"), 24);

    // A value of 20 MB is not taken in.
    form.reset();
    QFile::remove(storeFile());
    {
        QFile file(storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[\\Software\\Kestrelwood\\Quillmark]\nTabSpaceNo=dword:8\nPackage=sz:");
        file.write(QByteArray(20 << 20, 'x'));
        file.write("\n");
    }
    script().expectMessage({.caption = "Quillmark", .flags = MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(start().TabSpaceNo, 4);
    EXPECT_EQ(setAside().size(), 2);
    EXPECT_LT(QFileInfo(storeFile()).size(), 1 << 20);
    EXPECT_FALSE(exists("", "Package"));
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenIsStillReadAndTheUserToldOnce)
{
    writeInt("", "TabSpaceNo", 8);
    writeString("\\Recent", "RecentFile1", "/tmp/a.tex");
    const QByteArray before = [&] {
        QFile file(storeFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    // The lock cannot be taken, as in a folder the user may not write (a
    // folder in the lock's place fails even for the administrator).
    QFile::remove(storeFile() + ".lock");
    ASSERT_TRUE(QDir().mkpath(storeFile() + ".lock"));
    TForm1& f = startTold();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains("Is a directory")) << messages()[0].text.toStdString();
    // What the store holds was read; the defaults a first start adds and the
    // session's own changes are seen while the program runs.
    EXPECT_EQ(f.TabSpaceNo, 8);
    EXPECT_EQ(f.RecentFile[0], "/tmp/a.tex");
    EXPECT_EQ(readInt("", "Tab"), 24);
    writeInt("", "Tab", 32);
    EXPECT_EQ(readInt("", "Tab"), 32);
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    QDir(storeFile() + ".lock").removeRecursively();
}

TEST_F(SettingsTest, AReadOnlyStoreKeepsItsContentsAndItsMode)
{
    writeInt("", "TabSpaceNo", 8);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(storeFile(), readOnly));
    script().expectMessage({.caption = "Quillmark", .flags = MB_OK | MB_ICONEXCLAMATION});
    TForm1& f = start();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(f.TabSpaceNo, 8);
    EXPECT_FALSE(exists("", "NoSuchValue"));
    EXPECT_FALSE(QFileInfo(storeFile()).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("ColMaxSize"));  // no default was written into it
    QFile::setPermissions(storeFile(), readOnly | QFile::WriteOwner);
}

TEST_F(SettingsTest, AFirstStartOnALargeStoreWritesItsDefaultsAtOnce)
{
    // Another program's many values make every write of the store costly; a
    // first start must not pay that once per missing default.
    {
        settings::Batch batch;
        TRegistry reg;
        reg.OpenKey("\\Software\\Other", true);
        for (int i = 0; i < 60000; ++i) reg.WriteString("Value" + QString::number(i), QString(50, QChar('x')));
    }
    ASSERT_GT(QFileInfo(storeFile()).size(), 3'000'000);
    QElapsedTimer timer;
    timer.start();
    start();
    EXPECT_LT(timer.elapsed(), 8000);
    EXPECT_EQ(readInt("", "Tab"), 24);
    EXPECT_EQ(readString("\\UserDefine", "Title48"), "Not Defined");
}
