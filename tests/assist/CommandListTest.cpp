#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "assist/CommandList.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"

namespace {

using namespace cmdassist;

const QString kRoot = "\\Software\\Kestrelwood\\Quillmark";

TEST(CommandList, BuiltinListHasItsCommandsInOrder)
{
    const QStringList& list = builtinCommands();
    ASSERT_EQ(list.size(), 1158);
    EXPECT_EQ(list[0], "\\");
    EXPECT_EQ(list[1], "\\'");
    EXPECT_EQ(list[2], "\\'");
    EXPECT_EQ(list.count("\\'"), 2);
    EXPECT_EQ(list.back(), "\\zeta");
    for (const QString& s : list) EXPECT_TRUE(s.startsWith('\\') && !s.contains(' ')) << s.toStdString();
}

TEST(CommandList, FindStringIsACaseBlindPrefixSearchThatWraps)
{
    const QStringList items = {"\\Alpha", "\\alpha", "\\beta", "\\Beta", "\\b"};
    struct Row {
        int start;
        QString prefix;
        int found;
    };
    const Row rows[] = {
        {-1, "\\al", 0},                              // from the first item, case ignored
        {-1, "\\AL", 0},     {0, "\\al", 1},          // start 0 begins at item 1
        {1, "\\al", 0},                               // ... and wraps to the items before the start
        {2, "\\b", 3},       {4, "\\b", 2},           // start at the last item wraps to the first
        {-1, "\\gamma", -1}, {-1, "\\alphabet", -1},  // longer than every item
        {99, "\\al", 0},                              // a start past the list searches from the top
        {-1, "", 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(findString(items, r.start, r.prefix), r.found) << r.start << " " << r.prefix.toStdString();
    EXPECT_EQ(findString({}, -1, "\\"), -1);
    // Only ASCII letters fold: a full-width letter is not its half-width one.
    EXPECT_EQ(findString({QString::fromUtf8("\\Ａ")}, -1, QString::fromUtf8("\\ａ")), -1);
}

TEST(CommandList, PrefixSearchKeepsTheLongestLeadingPartFound)
{
    const QStringList items = {"\\", "\\sum", "\\see", "\\section"};
    EXPECT_EQ(prefixSearch(items, "\\sec", 4), 3);
    EXPECT_EQ(prefixSearch(items, "\\sec", 3), 2);  // "\se" only
    EXPECT_EQ(prefixSearch(items, "\\sec", 2), 1);  // "\s" only
    EXPECT_EQ(prefixSearch(items, "\\sex", 4), 2);  // "\sex" misses, "\se" found
    EXPECT_EQ(prefixSearch(items, "\\", 0), -1);    // nothing tried
    EXPECT_EQ(prefixSearch(items, "x", 1), -1);
    EXPECT_EQ(prefixSearch(items, "\\s", 99), 1);  // the limit is the text at most
}

TEST(CommandList, LearningMovesAPickUpToTheFirstMatch)
{
    QStringList items = {"\\a", "\\sec1", "\\sec2", "\\sec3", "\\z"};
    EXPECT_TRUE(learn(items, 3, 1, "\\SEC"));
    EXPECT_EQ(items, QStringList({"\\a", "\\sec3", "\\sec1", "\\sec2", "\\z"}));
    // Not further down, no first match, or not beginning with the typed
    // text: the order stays.
    const QStringList before = items;
    EXPECT_FALSE(learn(items, 1, 1, "\\sec"));
    EXPECT_FALSE(learn(items, 0, 1, "\\sec"));
    EXPECT_FALSE(learn(items, 3, -1, "\\sec"));
    EXPECT_FALSE(learn(items, 4, 1, "\\sec"));
    EXPECT_FALSE(learn(items, 9, 1, "\\sec"));
    EXPECT_EQ(items, before);
}

TEST(CommandList, SymbolsDigitsAndBraceEnds)
{
    for (char c : std::string("(){}[]|\\<>/;,.0123456789^_")) EXPECT_TRUE(isKigouChar(c)) << c;
    for (char c : std::string("aZ*@!'\"-+=:?&$#%~` ")) EXPECT_FALSE(isKigouChar(c)) << c;
    EXPECT_TRUE(caretStepsBack("\\section{}"));
    EXPECT_TRUE(caretStepsBack("\\verb||"));
    EXPECT_FALSE(caretStepsBack("}"));
    EXPECT_FALSE(caretStepsBack("\\section{"));
    EXPECT_FALSE(caretStepsBack("{}x"));
}

TEST(CommandList, LinesSplitAtEveryBreakKindAndKeepEmptyLines)
{
    EXPECT_EQ(splitLines(""), QStringList());
    EXPECT_EQ(splitLines("\\a"), QStringList({"\\a"}));
    EXPECT_EQ(splitLines("\\a\r\n"), QStringList({"\\a"}));
    EXPECT_EQ(splitLines("\\a\r\n\r\n\\b\r\n"), QStringList({"\\a", "", "\\b"}));
    EXPECT_EQ(splitLines("\\a\r\\b\n\\c"), QStringList({"\\a", "\\b", "\\c"}));
    EXPECT_EQ(splitLines("\n\n"), QStringList({"", ""}));
    EXPECT_EQ(joinLines({"\\a", "", "\\b"}), "\\a\r\n\r\n\\b\r\n");
    EXPECT_EQ(joinLines({}), "");
}

class QmaFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
};

TEST_F(QmaFileTest, RoundTripKeepsEveryByte)
{
    // Japanese text, an empty line, and bytes that are not Shift-JIS (a lone
    // 0x80, a lead byte without a trail byte, 0xFD to 0xFF).
    const QByteArray original =
        "\\section\r\n\\\x93\xfa\x96\x7b\x8c\xea\r\n\r\n\\bad\x80\xa0\r\n\\lead\x81\r\n\\high\xfd\xfe\xff\r\n";
    const QString in = write("in.qma", original);
    const QStringList list = qma::load(in);
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list[1], QString::fromUtf8("\\日本語"));
    EXPECT_EQ(list[2], "");
    const QString out = dir.filePath("out.qma");
    qma::save(out, list);
    EXPECT_EQ(readAll(out), original);

    // Lone CRs and LFs, and no break at the end, come back as CR LF lines.
    const QStringList mixed = qma::load(write("mixed.qma", "\\a\r\\b\n\\c"));
    qma::save(out, mixed);
    EXPECT_EQ(readAll(out), QByteArray("\\a\r\n\\b\r\n\\c\r\n"));
}

TEST_F(QmaFileTest, BadFilesAreRefusedWithAMessage)
{
    EXPECT_EQ(qma::load(write("empty.qma", "")), QStringList());

    const auto refused = [](const QString& path, const char* words) {
        try {
            qma::load(path);
            ADD_FAILURE() << "loaded " << path.toStdString();
        } catch (const std::runtime_error& e) {
            const QString message = QString::fromUtf8(e.what());
            EXPECT_TRUE(message.startsWith(path)) << e.what();
            EXPECT_TRUE(message.contains(QString::fromUtf8(words))) << e.what();
        }
    };
    refused(write("nul.qma", QByteArray("\\a\r\n\\b\0c\r\n", 10)), "コマンド入力支援ファイルではない");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(char((i * 7919 + 13) & 0xFF));
    refused(write("garbage.qma", garbage), "コマンド入力支援ファイルではない");
    refused(write("big.qma", QByteArray(int(qma::kMaxBytes) + 1, 'a')), "大きすぎる");
    refused(dir.filePath("missing.qma"), "開けませんでした。\r\nこのファイルはありません。");
    refused(dir.path(), "ファイルではなく、フォルダです。");

    // Just under the limit loads: a long list is not garbage.
    QByteArray many;
    for (int i = 0; i < 10000; ++i) many += "\\command" + QByteArray::number(i) + "\r\n";
    EXPECT_EQ(qma::load(write("many.qma", many)).size(), 10000);
}

TEST_F(QmaFileTest, SaveFailureLeavesTheOldFile)
{
    const QString path = write("keep.qma", "\\old\r\n");
    try {
        qma::save(dir.filePath("no/such/folder/x.qma"), {"\\a"});
        ADD_FAILURE() << "saved into a folder that is not there";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).endsWith(
            QString::fromUtf8("フォルダ \"%1\" がありません。").arg(dir.filePath("no/such/folder"))))
            << e.what();
    }
    qma::save(path, {"\\new"});
    EXPECT_EQ(readAll(path), QByteArray("\\new\r\n"));
}

class CmdAssistStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QByteArray previous;
    void SetUp() override
    {
        previous = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", dir.filePath("settings.ini").toLocal8Bit());
    }
    void TearDown() override { qputenv("QUILLMARK_SETTINGS", previous); }
    TRegistry reg;
    void open() { ASSERT_TRUE(reg.OpenKey(kRoot + "\\CmdAssist", true)); }
};

TEST_F(CmdAssistStoreTest, FirstReadWritesTheDefaults)
{
    const Settings s = readSettings(HKEY_CURRENT_USER_ROOT, kRoot);
    EXPECT_EQ(s, (Settings{builtinCommands(), 0, 0, 0, 0, true}));
    open();
    EXPECT_EQ(reg.ReadString("Command"), joinLines(builtinCommands()));
    EXPECT_TRUE(reg.ReadString("Command").endsWith("\\zeta\r\n"));
    for (const char* name : {"Space", "Kigou", "Kakutei", "List"}) EXPECT_EQ(reg.ReadInteger(name), 0) << name;
    EXPECT_TRUE(reg.ReadBool("Gakusyuu"));
}

TEST_F(CmdAssistStoreTest, ListAndOptionsSurviveTheStore)
{
    // Breaks, an empty command and bytes that are not Shift-JIS.
    const std::string bytes = "\\a\r\n\r\n\\\x93\xfa\r\n\\bad\x80\xfd\r\n";
    const Settings written{splitLines(cp932::decode(bytes)), 1, 0, 1, 0, false};
    writeSettings(HKEY_CURRENT_USER_ROOT, kRoot, written);
    const Settings back = readSettings(HKEY_CURRENT_USER_ROOT, kRoot);
    EXPECT_EQ(back, written);
    EXPECT_EQ(qma::serialize(back.commands), bytes);
}

TEST_F(CmdAssistStoreTest, WrongTypedOrOutOfRangeValuesReadAsDefaults)
{
    open();
    reg.WriteInteger("Command", 5);
    reg.WriteString("Space", "garbage");
    reg.WriteInteger("Kigou", 7);
    reg.WriteInteger("Kakutei", -1);
    reg.WriteInteger("List", 1);
    reg.WriteString("Gakusyuu", "yes");
    const Settings s = readSettings(HKEY_CURRENT_USER_ROOT, kRoot);
    EXPECT_EQ(s.commands, builtinCommands());
    EXPECT_EQ(s.space, 0);
    EXPECT_EQ(s.kigou, 0);
    EXPECT_EQ(s.kakutei, 0);
    EXPECT_EQ(s.list, 1);  // a good value among bad ones is kept
    EXPECT_TRUE(s.gakusyuu);
    // An empty stored list is a list of no commands, not a missing one.
    reg.WriteString("Command", "");
    EXPECT_TRUE(readSettings(HKEY_CURRENT_USER_ROOT, kRoot).commands.isEmpty());
}

}  // namespace
