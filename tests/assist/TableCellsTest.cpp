#include <gtest/gtest.h>

#include "assist/TableCells.h"
#include "tests/core/FormFixture.h"

namespace {

// 表 ends in 0x5C and ソ in 0x5C: trail bytes that look like a backslash.
const std::string kHyo = "\x95\x5c";
const std::string kSo = "\x83\x5c";
// 日 and 本: ordinary double-byte characters.
const std::string kNichi = "\x93\xfa";
const std::string kHon = "\x96\x7b";
// The full-width ampersand.
const std::string kWideAmp = "\x81\x95";

TEST(TableCells, FindsSeparatorsAndRowEnds)
{
    struct Row {
        std::string s;
        int sep, sepOrEnd;
    };
    const Row rows[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {"a & b", 3, 3},
        {"\\& x & y", 6, 6},
        {"\\&\\&", 0, 0},
        {"a \\\\", 0, 3},
        {kHyo + "&", 3, 3},    // the trail byte is no backslash
        {kSo + "\\ x", 0, 0},  // nor the first half of a row end
        {kSo + "\\\\", 0, 3},
        {kWideAmp + " x", 0, 0},  // a full-width ampersand separates nothing
        {kNichi + kHon + " & a", 6, 6},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(tablecells::FindCellSeparator(r.s), r.sep) << r.s;
        EXPECT_EQ(tablecells::FindCellOrRowEnd(r.s), r.sepOrEnd) << r.s;
    }
}

TEST(TableCells, NextCellSelectsTheTrimmedTextOfTheFollowingCell)
{
    struct Row {
        std::string line;
        int col;
        bool inTable, moves;
        int start, length;
    };
    const std::string three = "aa & bb & cc \\\\";
    const Row rows[] = {
        {"plain text", 0, false, false, 0, 0},
        {three, 0, true, true, 5, 2},
        {three, 5, true, true, 10, 2},
        {three, 10, true, false, 0, 0},
        {three, 4, true, true, 10, 2},       // just after it
        {"a &   & b", 0, true, true, 3, 0},  // blank cell: caret after the separator
        {"x\\&y & z & w", 0, true, true, 7, 1},
        {"a & b " + kNichi + "  ", 0, true, true, 4, 4},  // last cell ends at a wide character
        {"a &  " + kHyo + " \\\\", 0, true, true, 5, 2},
        {"a & b", 99, true, false, 0, 0},
        {"x\\& y & z", 2, true, true, 8, 1},  // caret inside "\&": still escaped
    };
    for (const Row& r : rows) {
        const tablecells::CellMove m = tablecells::NextCell(r.line, r.col);
        EXPECT_EQ(m.inTable, r.inTable) << r.line << " @" << r.col;
        EXPECT_EQ(m.moves, r.moves) << r.line << " @" << r.col;
        if (r.moves) {
            EXPECT_EQ(m.start, r.start) << r.line << " @" << r.col;
            EXPECT_EQ(m.length, r.length) << r.line << " @" << r.col;
        }
    }
    // A caret between the two bytes of a character searches from its start.
    const std::string wide = kNichi + "& b";
    const tablecells::CellMove m = tablecells::NextCell(wide, 1);
    EXPECT_TRUE(m.moves);
    EXPECT_EQ(m.start, 4);
    EXPECT_EQ(m.length, 1);
}

TEST(TableCells, BlanksReachTheNextTabStop)
{
    struct Row {
        std::string text;
        int caret, width, blanks;
    };
    const Row rows[] = {
        {"", 0, 4, 4},         {"abcde", 5, 4, 3},      {"abcdefgh", 8, 4, 4},
        {"x\r\nabc", 6, 4, 1}, {kNichi + "a", 3, 4, 1},  // a wide character counts two
        {"abc", 3, 0, 0},      {"abc", -5, 4, 4},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tablecells::BlanksToTabStop(r.text, r.caret, r.width), r.blanks) << r.text << " @" << r.caret;
}

class TabKey : public FormFixture {
public:
    void tab() { key(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")); }
};

TEST_F(TabKey, WalksTheCellsOfARowAndStopsAtItsEnd)
{
    const std::string row = "\\hline\r\n" + kNichi + " & bb & " + kHon + "cc \\\\\r\nnext";
    load(row, 8);
    form->TabSpace = 1;
    tab();
    EXPECT_EQ(ed->SelStart(), 13);
    EXPECT_EQ(ed->SelText(), "bb");
    tab();
    EXPECT_EQ(ed->SelText(), kHon + "cc");
    tab();
    EXPECT_EQ(ed->SelText(), kHon + "cc");  // no separator left: nothing moves
    EXPECT_EQ(text(), row);
    EXPECT_FALSE(ed->Modified());

    // Typing replaces the selected cell.
    ed->Select(13, 2);
    type("X");
    EXPECT_EQ(text(), "\\hline\r\n" + kNichi + " & X & " + kHon + "cc \\\\\r\nnext");
}

TEST_F(TabKey, OutsideTablesInsertsBlanksOrTheTabCharacter)
{
    form->TabSpace = 1;
    form->TabSpaceNo = 4;
    load("abcde\r\n" + kNichi + "x", 5);
    tab();
    EXPECT_EQ(text(), "abcde   \r\n" + kNichi + "x");
    EXPECT_EQ(ed->SelStart(), 8);
    ed->Select(13, 0);
    tab();
    EXPECT_EQ(text(), "abcde   \r\n" + kNichi + "x ");  // the wide character counts two
    EXPECT_EQ(undo(), "abcde   \r\n" + kNichi + "x");

    // The blanks replace a selection.
    load("abc def", 4);
    ed->Select(4, 3);
    tab();
    EXPECT_EQ(text(), "abc     ");

    form->TabSpace = 0;
    load("ab", 2);
    tab();
    EXPECT_EQ(text(), "ab\t");

    // No tab stops to reach: the tab character itself.
    form->TabSpace = 1;
    form->TabSpaceNo = 0;
    load("ab", 2);
    tab();
    EXPECT_EQ(text(), "ab\t");

    // A table line never gets a blank or a tab, whatever TabSpace says.
    form->TabSpaceNo = 4;
    for (int tabSpace : {0, 1}) {
        form->TabSpace = tabSpace;
        load("a & b", 5);
        tab();
        EXPECT_EQ(text(), "a & b");
    }
}

// Shift+Tab is the editor's key too: it takes the Tab road, and the keys
// typed after it still reach the document.
TEST_F(TabKey, ShiftTabStaysInTheEditor)
{
    QApplication::setActiveWindow(form.get());
    ed->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), ed);
    form->TabSpace = 1;
    form->TabSpaceNo = 4;
    for (const QString& produced : {QString(), QStringLiteral("\t")}) {
        load("ab", 2);
        ed->setFocus();
        key(Qt::Key_Backtab, Qt::ShiftModifier, produced);
        EXPECT_EQ(QApplication::focusWidget(), ed);
        type("x");
        EXPECT_EQ(text(), "ab  x");
    }
    load("a & b & c", 0);
    ed->setFocus();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "b");
    EXPECT_EQ(QApplication::focusWidget(), ed);
}

}  // namespace
