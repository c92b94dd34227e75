// The colour file: round trip, older versions, refusals, damaged files.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/colour/ColorFile.h"

namespace {

ColorSettings sample()
{
    ColorSettings s;
    s.rows = {{"\\section", 0x000080, true, false, true},
              {"\\verb", 0x800080, false, true, false},
              {QString::fromUtf8("\\見出し"), 0xFFFFFFFF, false, false, false}};
    s.FontColor = 0x112233;
    s.BackColor = 0xFAFAFA;
    ColorClassSettings& c = s.classes;
    c.GenTeXColor = 0xB07001;
    c.RemColor = 0x808041;
    c.RemItalic = false;
    c.DollerColor = 0x4080FE;
    c.DollerItalic = true;
    c.AndColor = 0x0000FD;
    c.AndItalic = true;
    c.ZenColor = 0x0000FC;
    c.ZenOn = false;
    return s;
}

void expectSame(const ColorSettings& a, const ColorSettings& b)
{
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (size_t i = 0; i < a.rows.size(); ++i) {
        EXPECT_EQ(a.rows[i].name, b.rows[i].name) << i;
        EXPECT_EQ(a.rows[i].color, b.rows[i].color) << i;
        EXPECT_EQ(a.rows[i].bold, b.rows[i].bold) << i;
        EXPECT_EQ(a.rows[i].italic, b.rows[i].italic) << i;
        EXPECT_EQ(a.rows[i].ast, b.rows[i].ast) << i;
    }
    EXPECT_EQ(a.FontColor, b.FontColor);
    EXPECT_EQ(a.BackColor, b.BackColor);
    const ColorClassSettings &x = a.classes, &y = b.classes;
    EXPECT_EQ(x.GenTeXColor, y.GenTeXColor);
    EXPECT_EQ(x.RemColor, y.RemColor);
    EXPECT_EQ(x.RemItalic, y.RemItalic);
    EXPECT_EQ(x.DollerColor, y.DollerColor);
    EXPECT_EQ(x.DollerItalic, y.DollerItalic);
    EXPECT_EQ(x.AndColor, y.AndColor);
    EXPECT_EQ(x.AndItalic, y.AndItalic);
    EXPECT_EQ(x.ZenColor, y.ZenColor);
    EXPECT_EQ(x.ZenOn, y.ZenOn);
}

std::string lines(std::initializer_list<const char*> ls)
{
    std::string s;
    for (const char* l : ls) s += std::string(l) + "\r\n";
    return s;
}

}  // namespace

TEST(ColorFile, WritesTheLinesInOrderWithCrLf)
{
    ColorSettings s = sample();
    s.rows.resize(1);
    EXPECT_EQ(colorfile::write(s), lines({"Quillmark", "Color Struct File",
                                          "3",         "1122867",
                                          "16448250",  "8421441",
                                          "false",     "4227326",
                                          "true",      "253",
                                          "true",      "252",
                                          "false",     "1",
                                          "\\section", "0x0000080",
                                          "true",      "true",
                                          "false",     "0x0B07001"}));
}

TEST(ColorFile, ParseIntTakesDecimalAndHexLikeTheWriter)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"123", true, 123},
                          {"-5", true, -5},
                          {"0x0ABCDEF", true, 0xABCDEF},
                          {"$1F", true, 31},
                          {"0x0FF000005", true, int(0xFF000005u)},
                          {"", false, 0},
                          {"12a", false, 0},
                          {"0x", false, 0},
                          {"99999999999", false, 0},
                          {"true", false, 0}};
    for (const Case& c : cases) {
        int v = 0;
        EXPECT_EQ(colorfile::parseInt(c.text, v), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(ColorFile, RoundTripThroughAFileKeepsEverything)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.qmc");
    const ColorSettings s = sample();
    ASSERT_TRUE(colorfile::saveFile(path, s));
    std::string bytes;
    ASSERT_EQ(colorfile::loadFileBytes(path, bytes).status, colorfile::ReadStatus::Ok);
    EXPECT_NE(bytes.find("\\\x8C\xA9\x8F\x6F\x82\xB5\r\n"), std::string::npos);  // CP932 name
    ColorSettings back;
    const colorfile::ReadResult r = colorfile::read(bytes, back);
    ASSERT_EQ(r.status, colorfile::ReadStatus::Ok);
    EXPECT_EQ(r.version, 3);
    expectSame(back, s);
}

TEST(ColorFile, OlderVersionsKeepWhatTheyDoNotCarry)
{
    const ColorSettings before = sample();
    // Version 2: no GenTeXColor line.
    ColorSettings v2 = before;
    auto r = colorfile::read(lines({"Quillmark", "Color Struct File", "2", "1", "2", "3", "true", "4", "false", "5",
                                    "false", "6", "true", "1", "\\foo", "0x0000007", "true", "false", "true"}),
                             v2);
    ASSERT_EQ(r.status, colorfile::ReadStatus::Ok);
    EXPECT_EQ(v2.FontColor, 1u);
    EXPECT_EQ(v2.classes.DollerColor, 4u);
    EXPECT_EQ(v2.classes.ZenColor, 6u);
    EXPECT_TRUE(v2.classes.ZenOn);
    EXPECT_EQ(v2.classes.GenTeXColor, before.classes.GenTeXColor);
    ASSERT_EQ(v2.rows.size(), 1u);
    EXPECT_EQ(v2.rows[0].color, 7u);
    EXPECT_TRUE(v2.rows[0].ast);
    EXPECT_TRUE(v2.rows[0].italic);

    // Version 1: count at line 7, rows from line 8; "$", "&", blanks kept.
    ColorSettings v1 = before;
    r = colorfile::read(lines({"Quillmark", "Color Struct File", "1", "10", "20", "30", "TRUE", "1", "\\bar", "9",
                               "false", "true", "false"}),
                        v1);
    ASSERT_EQ(r.status, colorfile::ReadStatus::Ok);
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(v1.classes.RemColor, 30u);
    EXPECT_FALSE(v1.classes.RemItalic);  // only exactly "true" is true
    EXPECT_EQ(v1.classes.DollerColor, before.classes.DollerColor);
    EXPECT_EQ(v1.classes.DollerItalic, before.classes.DollerItalic);
    EXPECT_EQ(v1.classes.AndColor, before.classes.AndColor);
    EXPECT_EQ(v1.classes.ZenColor, before.classes.ZenColor);
    EXPECT_EQ(v1.classes.ZenOn, before.classes.ZenOn);
    EXPECT_EQ(v1.classes.GenTeXColor, before.classes.GenTeXColor);
    ASSERT_EQ(v1.rows.size(), 1u);
    EXPECT_EQ(v1.rows[0].name, "\\bar");
    EXPECT_TRUE(v1.rows[0].bold);
}

namespace {
std::string withVersion(std::string bytes, const std::string& version)
{
    return bytes.replace(bytes.find("\r\n3\r\n"), 5, "\r\n" + version + "\r\n");
}
// The first row ("\section" in the sample) renamed.
std::string withRowName(std::string bytes, const std::string& name)
{
    return bytes.replace(bytes.find("\r\n\\section\r\n"), 12, "\r\n" + name + "\r\n");
}
}  // namespace

TEST(ColorFile, RefusedAndDamagedFilesLeaveTheSettingsAlone)
{
    struct Case {
        const char* what;
        std::string bytes;
        colorfile::ReadStatus status;
    };
    const std::string good = colorfile::write(sample());
    std::string truncated = good.substr(0, good.size() / 2);
    std::string badNumber = good;
    badNumber.replace(badNumber.find("0x0000080"), 9, "0xZZ");
    // A count far past what the lines can back, as a damaged file may give.
    std::string hugeCount = good;
    hugeCount.replace(hugeCount.find("\r\n3\r\n\\section"), 3, "\r\n900000000");
    const Case cases[] = {
        {"empty", "", colorfile::ReadStatus::NotQuillmark},
        {"other program", lines({"Other", "Color Struct File", "3"}), colorfile::ReadStatus::NotQuillmark},
        {"other file", lines({"Quillmark", "Settings", "3"}), colorfile::ReadStatus::NotColorFile},
        {"newer", lines({"Quillmark", "Color Struct File", "4"}), colorfile::ReadStatus::UnsupportedVersion},
        {"version 0", withVersion(good, "0"), colorfile::ReadStatus::UnsupportedVersion},
        {"version -1", withVersion(good, "-1"), colorfile::ReadStatus::UnsupportedVersion},
        {"row without backslash", withRowName(good, "section"), colorfile::ReadStatus::BadRow},
        {"row of a backslash alone", withRowName(good, "\\"), colorfile::ReadStatus::BadRow},
        {"row without a name", withRowName(good, ""), colorfile::ReadStatus::BadRow},
        {"row given twice", withRowName(good, "\\verb"), colorfile::ReadStatus::BadRow},
        {"version not a number", lines({"Quillmark", "Color Struct File", "x"}), colorfile::ReadStatus::Malformed},
        {"truncated", truncated, colorfile::ReadStatus::Malformed},
        {"bad colour", badNumber, colorfile::ReadStatus::Malformed},
        {"huge count", hugeCount, colorfile::ReadStatus::TooManyRows},
        {"negative count", lines({"Quillmark", "Color Struct File", "1", "1", "2", "3", "true", "-1"}),
         colorfile::ReadStatus::Malformed},
    };
    for (const Case& c : cases) {
        ColorSettings s;
        s.rows = {{"\\keep", 1, false, false, false}};
        s.FontColor = 42;
        const auto r = colorfile::read(c.bytes, s);
        EXPECT_EQ(r.status, c.status) << c.what;
        if (c.status == colorfile::ReadStatus::Malformed || c.status == colorfile::ReadStatus::BadRow)
            EXPECT_FALSE(r.error.isEmpty()) << c.what;
        ASSERT_EQ(s.rows.size(), 1u) << c.what;
        EXPECT_EQ(s.rows[0].name, "\\keep") << c.what;
        EXPECT_EQ(s.FontColor, 42u) << c.what;
    }
}

TEST(ColorFile, TheTableStopsAt2048AndALongerFileIsRefused)
{
    ColorSettings big;
    for (int i = 0; i < 2050; ++i) big.rows.push_back({QString("\\c%1").arg(i), unsigned(i), false, false, false});
    std::string bytes = colorfile::write(big);  // the writer stops at the table's size
    ColorSettings back;
    ASSERT_EQ(colorfile::read(bytes, back).status, colorfile::ReadStatus::Ok);
    EXPECT_EQ(back.rows.size(), 2048u);

    // A file from elsewhere may claim more rows than the table holds: it is
    // refused, not cut.
    std::string over = lines({"Quillmark", "Color Struct File", "2", "0", "0", "0", "false", "0", "false", "0", "false",
                              "0", "false", "2049"});
    for (int i = 0; i < 2049; ++i) over += "\\c" + std::to_string(i) + "\r\n0x0000001\r\nfalse\r\nfalse\r\nfalse\r\n";
    ColorSettings s;
    s.rows = {{"\\keep", 1, false, false, false}};
    EXPECT_EQ(colorfile::read(over, s).status, colorfile::ReadStatus::TooManyRows);
    ASSERT_EQ(s.rows.size(), 1u);

}

TEST(ColorFile, LoadingLooksAtTheHeaderAndTheSizeBeforeReading)
{
    QTemporaryDir dir;
    // Sparse files: a gigabyte on paper costs nothing on disk, but reading it
    // whole would cost that much memory and more.
    auto sparse = [&](const char* name, const QByteArray& head, qint64 size) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(head);
        EXPECT_TRUE(f.resize(size));
        return f.fileName();
    };
    const qint64 huge = qint64(1) << 30;
    struct Case {
        const char* what;
        QString path;
        colorfile::ReadStatus status;
    };
    const Case cases[] = {
        {"foreign", sparse("other.qmc", "Other\r\nColor Struct File\r\n3\r\n", huge),
         colorfile::ReadStatus::NotQuillmark},
        {"one long line", sparse("long.qmc", QByteArray("Quillmark") + QByteArray(200, 'x'), huge),
         colorfile::ReadStatus::NotQuillmark},
        {"other file", sparse("settings.qmc", "Quillmark\nSettings\n", huge), colorfile::ReadStatus::NotColorFile},
        {"huge colour file", sparse("huge.qmc", "Quillmark\r\nColor Struct File\r\n3\r\n", huge),
         colorfile::ReadStatus::TooLarge},
        {"one byte over", sparse("over.qmc", "Quillmark\r\nColor Struct File\r\n", colorfile::kMaxFileBytes + 1),
         colorfile::ReadStatus::TooLarge},
        {"a folder", dir.path(), colorfile::ReadStatus::Unreadable},
    };
    for (const Case& c : cases) {
        std::string bytes;
        const colorfile::ReadResult r = colorfile::loadFileBytes(c.path, bytes);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_TRUE(bytes.empty()) << c.what;
        if (c.status == colorfile::ReadStatus::Unreadable)
            EXPECT_EQ(r.error, QString::fromUtf8("ファイルではなく、フォルダです。")) << c.what;
    }

    // At the limit the file is read, and the header check agrees with read()
    // on files whose lines end in a bare LF.
    const QString atLimit = sparse("limit.qmc", "Quillmark\nColor Struct File\n", colorfile::kMaxFileBytes);
    std::string bytes;
    EXPECT_EQ(colorfile::loadFileBytes(atLimit, bytes).status, colorfile::ReadStatus::Ok);
    EXPECT_EQ(bytes.size(), size_t(colorfile::kMaxFileBytes));
}

TEST(ColorFile, NewRowNamesAreChecked)
{
    const std::vector<ColorCommandRow> rows = {{"\\section", 0, false, false, false}};
    struct Case {
        const char* name;
        QString expected;
    };
    const Case cases[] = {
        {"", QString::fromUtf8("命令が指定されていません。")},
        {"section", QString::fromUtf8("section\r\nカラー構文用の命令は、必ず\r\n\\で始まる命令を指定してください。")},
        {"\\", QString::fromUtf8("\\だけでは命令として追加できません。")},
        {"\\section", QString::fromUtf8("\\section\r\nすでに同じ命令が定義されていますので\r\n追加できません。")},
        {"\\subsection", QString()},
        {"\\Section", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(colorfile::refuseNewName(rows, QString::fromUtf8(c.name)), c.expected) << c.name;
}
