// The colouring scanner: bytes in, format runs out.
#include "core/colour/ColorScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/CaseName.h"

namespace {

using colour::ColorCommand;
using colour::ColorCommandTable;
using colour::FormatRun;

constexpr unsigned kFont = 0x000000;
const ColorClassSettings kClasses;  // the defaults

ColorCommandTable builtInTable()
{
    std::vector<ColorCommand> rows;
    for (const ColorCommandRow& r : builtInColorTable())
        rows.push_back({r.name.toStdString(), r.color, r.bold, r.italic, r.ast});
    return ColorCommandTable(std::move(rows));
}

const CharFormat kPlain{kFont};
const CharFormat kHeading{0x000080, true};
const CharFormat kBreak{0x008000};
const CharFormat kOther{kClasses.GenTeXColor};
const CharFormat kMath{kClasses.DollerColor, false, kClasses.DollerItalic};
const CharFormat kRemark{kClasses.RemColor, false, kClasses.RemItalic};
const CharFormat kAnd{kClasses.AndColor, false, kClasses.AndItalic};
const CharFormat kZen{kClasses.ZenColor, false, false, true};

// One format per byte of [from, to), checking on the way that the runs
// cover the range in order and without gaps.
std::vector<CharFormat> formatsOf(const std::string& text, const ColorCommandTable& table,
                                  const ColorClassSettings& classes = kClasses, int from = 0, int to = -1)
{
    if (to < 0) to = int(text.size());
    std::vector<CharFormat> out;
    int expected = from;
    for (const FormatRun& run : colour::ColorizeRuns(text, from, to, table, classes, kFont)) {
        EXPECT_EQ(run.start, expected) << "runs leave a gap or overlap in " << text;
        EXPECT_GT(run.length, 0);
        for (int i = 0; i < run.length; ++i) out.push_back(run.format);
        expected = run.start + run.length;
    }
    EXPECT_EQ(expected, to) << "runs do not reach the end of " << text;
    return out;
}

struct Span {
    int start, length;
    CharFormat format;
};

// Expected formats: the listed spans, everything else plain.
std::vector<CharFormat> expected(size_t size, std::initializer_list<Span> spans)
{
    std::vector<CharFormat> out(size, kPlain);
    for (const Span& s : spans)
        for (int i = 0; i < s.length; ++i) out[size_t(s.start + i)] = s.format;
    return out;
}

// 表 is 0x95 0x5C: its trail byte is a backslash.
const std::string kHyo = "\x95\x5C";
const std::string kZenBlank = "\x81\x40";
const std::string kKanji = "\x8A\xBF";  // 漢

struct Case {
    const char* what;
    std::string text;
    std::vector<Span> spans;
};

// What gtest prints for a case: its description, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class ColoringCase : public ::testing::TestWithParam<Case> {};

TEST_P(ColoringCase, GivesEachByteItsFormat)
{
    const Case& c = GetParam();
    const auto got = formatsOf(c.text, builtInTable());
    std::vector<CharFormat> want(c.text.size(), kPlain);
    for (const Span& s : c.spans)
        for (int i = 0; i < s.length; ++i) want[size_t(s.start + i)] = s.format;
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << c.what << ": byte " << i << " of \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, ColoringCase,
    ::testing::Values(Case{"starred heading", "\\section*{A}", {{0, 9, kHeading}}},
                      Case{"unstarred row takes no star", "\\begin*{x}", {{0, 6, CharFormat{0x800000, true}}}},
                      Case{"table name before a letter", "\\parbox{x}", {{0, 7, kOther}}},
                      Case{"table name twice", "\\par\\par", {{0, 8, kBreak}}},
                      Case{"line break with option", "\\\\[2mm]", {{0, 2, kBreak}}},
                      Case{"line break before a letter", "\\\\a", {{0, 2, kBreak}}},
                      Case{"escaped percent", "50\\% off", {{2, 2, kOther}}},
                      Case{"comment takes the rest of its line", "a% \\section x\r\nb", {{1, 12, kRemark}}},
                      Case{"inline math and ampersand", "$x$ & y", {{0, 3, kMath}, {4, 1, kAnd}}},
                      Case{"unclosed math stops at the break", "$x+y\r\nz", {{0, 4, kMath}}},
                      Case{"display math with a dollar inside", "$$a$b$$ c", {{0, 7, kMath}}},
                      Case{"full-width blank", "a" + kZenBlank + "b", {{1, 2, kZen}}},
                      Case{"trail byte 0x5C is no command", kHyo + "section", {}},
                      Case{"backslash before a double-byte character", "\\" + kHyo + "section", {}},
                      Case{"backslash before a blank", "\\ \\par", {{2, 4, kBreak}}},
                      Case{"accent before a letter", "\\'e", {{0, 2, kOther}}},
                      Case{"accent before a double-byte character", "\\'" + kKanji, {}},
                      Case{"long name is cut at the window", "\\" + std::string(30, 'a') + " x", {{0, 28, kOther}}},
                      Case{"at sign in other commands", "\\@ifnextchar[", {{0, 12, kOther}}},
                      Case{"dollar inside a comment", "%$x$", {{0, 4, kRemark}}},
                      Case{"double-byte character inside math", "$" + kHyo + "$x", {{0, 4, kMath}}},
                      Case{"lone backslash at the end", "ab\\", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return testsupport::caseName(info.param.what); });

TEST(ColorScanner, FullWidthBlankIsPlainWhenMarkingIsOff)
{
    ColorClassSettings off;
    off.ZenOn = false;
    const std::string text = "a" + kZenBlank + "b";
    EXPECT_EQ(formatsOf(text, builtInTable(), off), expected(text.size(), {}));
}

TEST(ColorScanner, EmptyAndForeignNamesInTheTableAreSkipped)
{
    // An empty name would match everywhere with length 0 and stall the scan.
    ColorCommandTable table({{"", 0x111111}, {"section", 0x222222}, {"\\x\x95", 0x444444}, {"\\section", 0x333333}});
    const std::string text = "\\section x \\foo";
    EXPECT_EQ(formatsOf(text, table), expected(text.size(), {{0, 8, CharFormat{0x333333}}, {11, 4, kOther}}));
    EXPECT_EQ(table.window(), 9);
    const std::string cut = "\\x" + kHyo + "section";
    EXPECT_EQ(formatsOf(cut, table), expected(cut.size(), {{0, 2, kOther}}));
}

TEST(ColorScanner, FirstMatchingRowInTableOrderWins)
{
    ColorCommandTable table({{"\\sec", 0x000001}, {"\\section", 0x000002}, {"\\section", 0x000003}});
    const std::string text = "\\section \\sec";
    EXPECT_EQ(formatsOf(text, table),
              expected(text.size(), {{0, 8, CharFormat{0x000002}}, {9, 4, CharFormat{0x000001}}}));
}

TEST(ColorScanner, BracketRowsMatchBeforeLetters)
{
    ColorCommandTable table({{"\\[", 0x0000AA}, {"\\]", 0x0000BB}});
    const std::string text = "\\[x\\]";
    EXPECT_EQ(formatsOf(text, table),
              expected(text.size(), {{0, 2, CharFormat{0x0000AA}}, {3, 2, CharFormat{0x0000BB}}}));
}

TEST(ColorScanner, RangeInsideTheTextSeesBytesBeyondIt)
{
    // The line "\par" followed by "box" on no break: the match looks past `to`.
    const std::string text = "x\r\n\\par\r\n\\parbox";
    const auto got = formatsOf(text, builtInTable(), kClasses, 3, 7);
    EXPECT_EQ(got, std::vector<CharFormat>(4, kBreak));
    const auto cut = formatsOf(text, builtInTable(), kClasses, 9, 13);
    EXPECT_EQ(cut, std::vector<CharFormat>(4, kOther));
}

TEST(ColorScanner, CommandLengthAtTheWindowsEdges)
{
    struct {
        std::string window;
        bool command;
        int length;
    } cases[] = {
        {"\\", false, 1},
        {"\\'", true, 2},
        {"\\\\", false, 1},
        {"\\a@b1 ", true, 5},
        {"\\" + std::string(27, 'z'), true, 28},
    };
    for (const auto& c : cases) {
        int length = -1;
        EXPECT_EQ(colour::TeXCommandLength(length, c.window), c.command) << c.window;
        if (c.command) EXPECT_EQ(length, c.length) << c.window;
    }
}

TEST(ColorScanner, LineExtension)
{
    // 0x8A 0x81 has a trail byte in the lead-byte range.
    const std::string text = "ab\r\n\x8A\x81x\r\n\r\nlast";
    struct {
        int pos, start, end;
    } cases[] = {{0, 0, 2}, {2, 0, 2}, {4, 4, 7}, {7, 4, 7}, {6, 4, 7}, {9, 9, 9}, {11, 11, 15}, {15, 11, 15}};
    for (const auto& c : cases) {
        EXPECT_EQ(colour::LineStartOf(text, c.pos), c.start) << c.pos;
        EXPECT_EQ(colour::LineEndOf(text, c.pos), c.end) << c.pos;
    }
}

}  // namespace
