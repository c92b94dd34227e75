#include "platform/Registry.h"
#include "platform/SettingsFailures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("\\Software\\Kestrelwood\\Quillmark");

// Each test gets a store file of its own in a fresh folder.
class SettingsStore : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        saved_ = qgetenv("QUILLMARK_SETTINGS");
        path_ = dir_.filePath(QStringLiteral("settings.ini"));
        qputenv("QUILLMARK_SETTINGS", path_.toLocal8Bit());
    }
    void TearDown() override { qputenv("QUILLMARK_SETTINGS", saved_); }

    void writeFile(const QByteArray& contents)
    {
        QFile f(path_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contents);
    }
    QByteArray fileContents() const
    {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Points the store at a copy of the file, so that what follows reads
    // only what was written to disk.
    void rereadFromCopy()
    {
        QString copy = dir_.filePath(QStringLiteral("copy.ini"));
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(path_, copy));
        qputenv("QUILLMARK_SETTINGS", copy.toLocal8Bit());
    }

    QTemporaryDir dir_;
    QString path_;
    QByteArray saved_;
};

TEST_F(SettingsStore, ValuesKeepTheirTypeAndTextThroughTheFile)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("ＭＳ ゴシック"),
        QStringLiteral("line one\r\nline two\n"),
        QStringLiteral("C:\\path\\with\\backslashes\\"),
        QStringLiteral("a=b; [c] \t tab \\n not an escape"),
        QStringLiteral("\x01\x1f\x7f") + QString::fromUcs4(U"\U0001F600") + QChar(0xDC00),
        QStringLiteral("  leading and trailing blanks  "),
    };
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger(QStringLiteral("FontSize"), 12);
        reg.WriteInteger(QStringLiteral("ColMaxSize"), -1);
        reg.WriteInteger(QStringLiteral("BackColor"), 0xFFFFFF);
        reg.WriteBool(QStringLiteral("AutoColor"), true);
        reg.WriteBool(QStringLiteral("adDVI"), false);
        reg.WriteInteger(QStringLiteral("NonZero"), 5);
        for (int i = 0; i < int(std::size(texts)); ++i) reg.WriteString(QStringLiteral("Text%1").arg(i), texts[i]);
        reg.WriteString(QStringLiteral("=odd;[name\\\r\n"), QStringLiteral("x"));
        reg.CloseKey();
    }
    rereadFromCopy();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("FontSize")), 12);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("ColMaxSize")), -1);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("BackColor")), 0xFFFFFF);
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("AutoColor")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("AutoColor")), 1);
    EXPECT_FALSE(reg.ReadBool(QStringLiteral("adDVI")));
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("NonZero")));
    for (int i = 0; i < int(std::size(texts)); ++i)
        EXPECT_EQ(reg.ReadString(QStringLiteral("Text%1").arg(i)), texts[i]) << i;
    EXPECT_EQ(reg.ReadString(QStringLiteral("=odd;[name\\\r\n")), QStringLiteral("x"));
}

TEST_F(SettingsStore, MissingOrWrongTypedValuesThrow)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\TeXSetting"), true));
    reg.WriteString(QStringLiteral("TeXFile"), QStringLiteral("platex"));
    reg.WriteInteger(QStringLiteral("HowTex"), 2);
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("TeXFile")));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("DviFile")));
    EXPECT_THROW(reg.ReadString(QStringLiteral("DviFile")), ERegistryException);
    EXPECT_THROW(reg.ReadInteger(QStringLiteral("TeXFile")), ERegistryException);
    EXPECT_THROW(reg.ReadBool(QStringLiteral("TeXFile")), ERegistryException);
    EXPECT_THROW(reg.ReadString(QStringLiteral("HowTex")), ERegistryException);
    // A value is replaced whole, type included.
    reg.WriteString(QStringLiteral("HowTex"), QStringLiteral("2"));
    EXPECT_THROW(reg.ReadInteger(QStringLiteral("HowTex")), ERegistryException);
}

TEST_F(SettingsStore, KeysAreCreatedOnlyWhenAsked)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKey + QStringLiteral("\\Recent"), false));
    EXPECT_FALSE(reg.KeyExists(kKey));
    EXPECT_FALSE(QFile::exists(path_));
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Recent"), true));
    EXPECT_EQ(reg.CurrentPath(), kKey + QStringLiteral("\\Recent"));
    EXPECT_TRUE(reg.KeyExists(kKey));  // a parent exists with its subkey
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\software\\kestrelwood\\QUILLMARK\\recent")));
    EXPECT_FALSE(reg.KeyExists(kKey + QStringLiteral("\\Rec")));
    reg.WriteString(QStringLiteral("RecentFile1"), QStringLiteral("/tmp/a.tex"));
    EXPECT_EQ(reg.ReadString(QStringLiteral("recentfile1")), QStringLiteral("/tmp/a.tex"));
    reg.CloseKey();
    EXPECT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Recent"), false));
}

TEST_F(SettingsStore, IniSectionsFallBackToTheirDefaults)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\View"), true));
        reg.WriteString(QStringLiteral("DocuExpWidth"), QStringLiteral("wide"));
        reg.WriteString(QStringLiteral("Edit"), QStringLiteral("0"));
        reg.WriteString(QStringLiteral("TeXSho"), QStringLiteral(""));
    }
    TRegIniFile ini(kKey);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("View"), QStringLiteral("DocuExpWidth"), 130), 130);
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("View"), QStringLiteral("Edit"), true));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("View"), QStringLiteral("TeXSho"), true));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("View"), QStringLiteral("StatusBar"), true));
    EXPECT_EQ(ini.ReadString(QStringLiteral("View"), QStringLiteral("None"), QStringLiteral("d")), QStringLiteral("d"));

    // Reading a section never creates it; writing stores text.
    ini.OpenKey(kKey + QStringLiteral("\\Parent"));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Execute"), QStringLiteral("0"), false));
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(kKey + QStringLiteral("\\Parent")));
    ini.WriteBool(QStringLiteral("Execute"), QStringLiteral("0"), true);
    ini.WriteInteger(QStringLiteral("Execute"), QStringLiteral("1"), 250);
    ini.WriteString(QStringLiteral("Child"), QStringLiteral("0"), QStringLiteral("/doc/ch1.tex"));
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Parent\\Execute"), false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(reg.ReadString(QStringLiteral("1")), QStringLiteral("250"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Execute"), QStringLiteral("0"), false));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Execute"), QStringLiteral("1"), 0), 250);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Child"), QStringLiteral("0"), {}), QStringLiteral("/doc/ch1.tex"));
}

TEST_F(SettingsStore, WritesLeaveOnlyTheStoreAndItsLock)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    for (int i = 0; i < 50; ++i) reg.WriteInteger(QStringLiteral("V%1").arg(i), i);
    QStringList names = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(names, QStringList({QStringLiteral("settings.ini"), QStringLiteral("settings.ini.lock")}));
}

TEST_F(SettingsStore, SeesChangesMadeToTheFileByOthers)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger(QStringLiteral("Tab"), 24);
    reg.CloseKey();
    writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:8\nCurrentDir=sz:/home/u/\\xe6\n");
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 8);
    EXPECT_EQ(reg.ReadString(QStringLiteral("CurrentDir")), QStringLiteral("/home/u/\u00e6"));
    // A write merges into what is on disk now, not into an older copy.
    writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:8\nOther=dword:3\n");
    reg.WriteInteger(QStringLiteral("TabSpaceNo"), 4);
    rereadFromCopy();
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Other")), 3);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("TabSpaceNo")), 4);
}

TEST_F(SettingsStore, CorruptFileIsMovedAsideAndNeverOverwritten)
{
    const QByteArray garbage = "[\\Software\\Kestrelwood\\Quillmark]\nFontSize=twelve\n";
    writeFile(garbage);
    const settings::StartCheck check = settings::checkAtStart();
    const QString movedTo = check.movedTo;
    EXPECT_EQ(check.outcome, settings::StartCheck::SetAside);
    EXPECT_FALSE(QFile::exists(path_));
    QFile moved(movedTo);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), garbage);
    EXPECT_TRUE(movedTo.startsWith(path_ + QStringLiteral(".corrupt-")));

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("FontSize")));
    reg.WriteInteger(QStringLiteral("FontSize"), 12);
    EXPECT_EQ(settings::checkAtStart().outcome, settings::StartCheck::Fine);

    // Corrupted while running: the next write keeps the damaged file aside too.
    writeFile("not a settings file\n");
    reg.WriteInteger(QStringLiteral("Tab"), 24);
    int asides = QDir(dir_.path()).entryList({QStringLiteral("settings.ini.corrupt-*")}, QDir::Files).size();
    EXPECT_EQ(asides, 2);
}

TEST_F(SettingsStore, BatchWritesOnceAndMergesWithTheFile)
{
    TRegistry reg;
    {
        settings::Batch batch;
        ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\UserDefine"), true));
        for (int n = 1; n <= 48; ++n) {
            reg.WriteString(QStringLiteral("Title%1").arg(n), QStringLiteral("Not Defined"));
            reg.WriteString(QStringLiteral("Define%1").arg(n), QString());
        }
        EXPECT_EQ(reg.ReadString(QStringLiteral("Title48")), QStringLiteral("Not Defined"));
        EXPECT_FALSE(QFile::exists(path_));
        // Another instance writes meanwhile; a re-read keeps the batch's values.
        writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:8\n");
        ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\UserDefine"), false));
        EXPECT_EQ(reg.ReadString(QStringLiteral("Title1")), QStringLiteral("Not Defined"));
    }
    rereadFromCopy();
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\UserDefine"), false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("Title48")), QStringLiteral("Not Defined"));
    EXPECT_EQ(reg.ReadString(QStringLiteral("Define1")), QString());
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 8);
}

TEST_F(SettingsStore, OneReadingKeepsItsCopyButNotPastItsEnd)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger(QStringLiteral("Tab"), 24);
    {
        settings::OneReading reading;
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 24);
        writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:8\nOther=dword:3\n");
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 24);
        // A write inside the reading still merges with what is on disk now
        // and is seen at once.
        reg.WriteInteger(QStringLiteral("TabSpaceNo"), 4);
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("TabSpaceNo")), 4);
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Other")), 3);
    }
    writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:9\n");
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 9);
    // A reading begun after another store is named reads that store, not the
    // copy of the one read before (each window of a test has its own store).
    writeFile("[\\Software\\Kestrelwood\\Quillmark]\nTab=dword:10\n");
    rereadFromCopy();
    settings::OneReading reading;
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 10);
}

TEST_F(SettingsStore, KeysAndNamesMatchWhateverTheirCaseAndBackslashes)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\Kestrelwood\\Quillmark\\Color"), true));
    reg.WriteInteger(QStringLiteral("TeXCommand"), 5);
    reg.WriteString(QStringLiteral("\u00c4rger"), QStringLiteral("umlaut"));
    reg.CloseKey();
    for (const char* spelling : {"\\SOFTWARE\\kestrelwood\\QuillMark\\color", "Software\\Kestrelwood\\\\Quillmark\\Color\\",
                                 "\\\\Software\\Kestrelwood\\Quillmark\\COLOR"}) {
        SCOPED_TRACE(spelling);
        ASSERT_TRUE(reg.OpenKey(QString::fromLatin1(spelling), false));
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("texcommand")), 5);
        EXPECT_EQ(reg.ReadString(QStringLiteral("\u00e4RGER")), QStringLiteral("umlaut"));
        reg.CloseKey();
    }
    // The spelling first written is the one kept in the file.
    EXPECT_TRUE(fileContents().contains("[\\Software\\Kestrelwood\\Quillmark\\Color]\nTeXCommand="));
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("\\Software\\Kestrelwood\\Quillmark\\Colour"), false));
}

TEST_F(SettingsStore, StorePathFollowsTheEnvironment)
{
    EXPECT_EQ(settings::storePath(), path_);
    QByteArray home = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("QUILLMARK_SETTINGS");
    qputenv("XDG_CONFIG_HOME", "/config/elsewhere");
    EXPECT_EQ(settings::storePath(), QStringLiteral("/config/elsewhere/quillmark/settings.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settings::storePath(), QDir::homePath() + QStringLiteral("/.config/quillmark/settings.ini"));
    if (!home.isNull()) qputenv("XDG_CONFIG_HOME", home);
}

// Run only as the second instance started by the test below.
TEST(SettingsStoreSecondInstance, DISABLED_WriteValues)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Shared"), true));
    for (int i = 0; i < 40; ++i) reg.WriteInteger(QStringLiteral("Child%1").arg(i), i);
}

TEST_F(SettingsStore, TwoInstancesWritingAtOnceLoseNothing)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--gtest_also_run_disabled_tests"),
                        QStringLiteral("--gtest_filter=SettingsStoreSecondInstance.DISABLED_WriteValues")});
    child.setProcessChannelMode(QProcess::MergedChannels);
    // Earlier tests in the same process may have left it in a removed folder.
    child.setWorkingDirectory(QDir::tempPath());
    child.start();  // inherits QUILLMARK_SETTINGS: the same store
    ASSERT_TRUE(child.waitForStarted());
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Shared"), true));
    for (int i = 0; i < 40; ++i) reg.WriteInteger(QStringLiteral("Parent%1").arg(i), i);
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();

    ASSERT_TRUE(reg.OpenKey(kKey + QStringLiteral("\\Shared"), false));
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Parent%1").arg(i)), i);
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("Child%1").arg(i)), i);
    }
}

}  // namespace

TEST_F(SettingsStore, AValueThatWouldOutgrowTheStoreIsKeptForTheSessionOnly)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger(QStringLiteral("Tab"), 24);
    const QByteArray before = fileContents();
    QStringList reasons;
    settings::setWriteFailureReporter([&](const QString& reason) { reasons << reason; });
    const QString big(int(settings::kMaxStoreBytes), QChar(u'x'));
    reg.WriteString(QStringLiteral("Package"), big);
    reg.WriteInteger(QStringLiteral("Tab"), 32);
    settings::setWriteFailureReporter({});
    // The next start could not read such a store, so none is written.
    EXPECT_EQ(fileContents(), before);
    EXPECT_EQ(reasons.size(), 1);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Package")).size(), big.size());
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Tab")), 32);
}
