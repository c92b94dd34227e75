#include <gtest/gtest.h>

#include "core/convert/DelimitedText.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"

namespace {

using testsupport::sjis;

}  // namespace

TEST(DelimitedText, SeparatorsAndRowEnds)
{
    using convert::cellRows;
    struct Case {
        const char* text;
        int separator;
        bool rules;
        const char* body;
        int first, widest;
    } cases[] = {
        // Spreadsheet copy with its final line break: no empty extra row.
        {"a\tb\r\nc\td\r\n", 0, false, "a & b \\\\\r\nc & d \\\\\r\n", 2, 2},
        {"a\tb\r\nc\td", 0, false, "a & b \\\\\r\nc & d \\\\\r\n", 2, 2},
        {"a\tb\r\nc\td", 0, true, "\\hline\r\na & b \\\\\r\n\\hline\r\nc & d \\\\\r\n\\hline\r\n", 2, 2},
        // Commas leave tabs and blanks inside the cells alone.
        {"x y,\tz", 1, false, "x y & \tz \\\\\r\n", 2, 2},
        // Blanks: every blank is a border, so a run gives empty cells.
        {"a  b", 2, false, "a &  & b \\\\\r\n", 3, 3},
        // Leading and trailing separators give empty first and last cells.
        {",a,\r\n", 1, false, " & a &  \\\\\r\n", 3, 3},
        // An empty line is a row of its own.
        {"a\r\n\r\nb", 0, false, "a \\\\\r\n \\\\\r\nb \\\\\r\n", 1, 1},
        // Ragged rows: the first line counts for the first row only.
        {"a,b\r\nc,d,e,f\r\ng", 1, false, "a & b \\\\\r\nc & d & e & f \\\\\r\ng \\\\\r\n", 2, 4},
        // A lone CR or LF also ends a row, and is not swallowed with what follows.
        {"a\rb\nc", 0, false, "a \\\\\r\nb \\\\\r\nc \\\\\r\n", 1, 1},
        {"a\r", 0, false, "a \\\\\r\n", 1, 1},
    };
    for (const Case& c : cases) {
        const convert::CellRows rows = cellRows(c.text, convert::separatorByte(c.separator), c.rules);
        EXPECT_EQ(rows.body, c.body) << c.text;
        EXPECT_EQ(rows.firstRowColumns, c.first) << c.text;
        EXPECT_EQ(rows.widestRowColumns, c.widest) << c.text;
    }
    EXPECT_EQ(convert::separatorByte(7), '\t');
}

TEST(DelimitedText, DoubleByteCharactersStayWhole)
{
    // 表 and ソ end in 0x5C, the full-width blank is 81 40: none of them is a
    // separator, and the bytes come through unchanged.
    const std::string hyou = sjis("表"), so = sjis("ソ"), wide = sjis("　");
    ASSERT_EQ(hyou[1], '\\');
    const convert::CellRows rows = convert::cellRows(hyou + wide + so + " " + hyou + "\r\n", ' ', false);
    EXPECT_EQ(rows.body, hyou + wide + so + " & " + hyou + " \\\\\r\n");
    EXPECT_EQ(rows.firstRowColumns, 2);

    // A stray lead byte before a separator or a line break does not hide it.
    const std::string stray = std::string("\x81") + "\t" + "x" + "\x82" + "\r\n";
    EXPECT_EQ(convert::cellRows(stray, '\t', false).body, std::string("\x81") + " & x\x82 \\\\\r\n");
}

TEST(DelimitedText, TextCellsStayCellsAndTeXTakesThem)
{
    struct Case {
        const char* cell;
        const char* text;
    } cases[] = {
        // Always escaped: a comment would eat the row end, "&" would add a cell.
        {"50%", "50\\%"},
        {"R&D", "R\\&D"},
        {"#1", "\\#1"},
        // Dollars: an odd number is money, pairs are maths.
        {"$100", "\\$100"},
        {"$x$ costs $", "\\$x\\$ costs \\$"},
        {"$x^2_1$ and $y$", "$x^2_1$ and $y$"},
        // Scripts outside maths and groups.
        {"file_name", "file\\_name"},
        {"x^2", "x\\^{}2"},
        {"\\(x^2\\) a_b", "\\(x^2\\) a\\_b"},
        {"\\ref{tab_1}", "\\ref{tab_1}"},
        // Braces that do not pair up are text; pairs are groups.
        {"{a", "\\{a"},
        {"b}}", "b\\}\\}"},
        {"}{", "\\}\\{"},
        {"\\textbf{a}", "\\textbf{a}"},
        // What a backslash already escapes stays, once.
        {"50\\%", "50\\%"},
        {"\\{x", "\\{x"},
        {"\\\\%", "\\\\\\%"},
        // Untouched: ties, commands, a backslash at the end, plain text.
        {"Fig.~1", "Fig.~1"},
        {"C:\\", "C:\\"},
        {"\\alpha", "\\alpha"},
        {"", ""},
        {"abc 123", "abc 123"},
    };
    for (const Case& c : cases) EXPECT_EQ(convert::textCell(c.cell), c.text) << c.cell;

    // 表 and ソ end in the byte of a backslash: that byte escapes nothing.
    EXPECT_EQ(convert::textCell(sjis("表_ソ%")), sjis("表\\_ソ\\%"));
    EXPECT_EQ(convert::textCell(sjis("\\表%")), sjis("\\表\\%"));

    // Cell by cell: escaped characters do not count as cells, and matrix
    // cells stay as they were typed.
    const convert::CellRows rows = convert::cellRows("a&b,c%\r\n{,}", ',', false, convert::Cells::Text);
    EXPECT_EQ(rows.body, "a\\&b & c\\% \\\\\r\n\\{ & \\} \\\\\r\n");
    EXPECT_EQ(rows.firstRowColumns, 2);
    EXPECT_EQ(rows.widestRowColumns, 2);
    EXPECT_EQ(convert::cellRows("x_1,{y\r\n", ',', false).body, "x_1 & {y \\\\\r\n");
}
