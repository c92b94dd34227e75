#include <gtest/gtest.h>

#include <QString>

#include "core/convert/DelimitedText.h"
#include "platform/Cp932.h"

namespace {

std::string sjis(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

}  // namespace

TEST(DelimitedRows, RowsColumnsAndTheLastRow)
{
    struct Case {
        const char* text;
        char separator;
        bool hrules;
        const char* body;
        int columns;
    };
    const Case cases[] = {
        // A final line break closes the last row; without it the row is closed all the same.
        {"1\t2\r\n3\t4\r\n", '\t', false, "1 & 2 \\\\\r\n3 & 4 \\\\\r\n", 2},
        {"1\t2\r\n3\t4", '\t', false, "1 & 2 \\\\\r\n3 & 4 \\\\\r\n", 2},
        // Only the first line is counted; later lines are converted as they stand.
        {"a,b,c,d\r\ne,f,g\r\n", ',', false, "a & b & c & d \\\\\r\ne & f & g \\\\\r\n", 4},
        {"a,b\r\nc,d,e,f", ',', false, "a & b \\\\\r\nc & d & e & f \\\\\r\n", 2},
        // Empty cells: two separators in a row, a separator opening a line.
        {",,x\r\n,y", ',', false, " &  & x \\\\\r\n & y \\\\\r\n", 3},
        // An empty line is a row of its own.
        {"a\r\n\r\nb", '\t', false, "a \\\\\r\n \\\\\r\nb \\\\\r\n", 1},
        // Nothing but separators, or nothing but a line break.
        {"\t\t", '\t', false, " &  &  \\\\\r\n", 3},
        {"\r\n", '\t', false, " \\\\\r\n", 1},
        // No separator at all: one cell.
        {"x+y", '\t', false, "x+y \\\\\r\n", 1},
        // Comma separation keeps tabs and blanks inside the cells.
        {"a b\tc,d", ',', false, "a b\tc & d \\\\\r\n", 2},
        // Blank separation makes every blank a border.
        {"a  b", ' ', false, "a &  & b \\\\\r\n", 3},
        // Rules: one above the first row and one below every row.
        {"a\tb\r\nc\td\r\n", '\t', true, "\\hline\r\na & b \\\\\r\n\\hline\r\nc & d \\\\\r\n\\hline\r\n", 2},
        {"a\tb\r\nc\td", '\t', true, "\\hline\r\na & b \\\\\r\n\\hline\r\nc & d \\\\\r\n\\hline\r\n", 2},
    };
    for (const Case& c : cases) {
        const convert::DelimitedRows rows = convert::delimitedRows(c.text, c.separator, c.hrules);
        EXPECT_EQ(rows.body, c.body) << c.text;
        EXPECT_EQ(rows.columns, c.columns) << c.text;
    }
}

TEST(DelimitedRows, DoubleByteCharactersAreNeverParted)
{
    // 表, ソ and 能 end in 0x5C, the backslash byte; the full-width blank
    // is 0x81 0x40 and is no border under blank separation.
    const std::string text = sjis("表\tソ\r\n能　Ａ\t１");
    const convert::DelimitedRows rows = convert::delimitedRows(text, '\t', false);
    EXPECT_EQ(rows.body, sjis("表 & ソ \\\\\r\n能　Ａ & １ \\\\\r\n"));
    EXPECT_EQ(rows.columns, 2);

    const convert::DelimitedRows blanks = convert::delimitedRows(sjis("能　表 ソ"), ' ', false);
    EXPECT_EQ(blanks.body, sjis("能　表 & ソ \\\\\r\n"));
    EXPECT_EQ(blanks.columns, 2);

    // The dialogs' separator items; an unknown one reads as the tab.
    EXPECT_EQ(std::string({convert::separatorByte(0), convert::separatorByte(1), convert::separatorByte(2),
                           convert::separatorByte(7)}),
              "\t, \t");
}

TEST(DelimitedRows, StrayBytesAndLoneCarriageReturnsLoseNothing)
{
    // A lead byte with no partner is a byte of its own: the line break after
    // it still ends the row.
    const std::string stray = std::string("a\x95") + "\r\nb";
    EXPECT_EQ(convert::delimitedRows(stray, '\t', false).body, std::string("a\x95") + " \\\\\r\nb \\\\\r\n");
    // A carriage return without its line feed ends the row but takes no
    // character of the next line with it.
    EXPECT_EQ(convert::delimitedRows("a\rb\tc", '\t', false).body, "a \\\\\r\nb & c \\\\\r\n");
    // A lead byte at the very end is kept.
    EXPECT_EQ(convert::delimitedRows("a\t\x95", '\t', false).body, "a & \x95 \\\\\r\n");
}
