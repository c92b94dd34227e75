#pragma once
// Delimited text, as copied from a spreadsheet (one row per line, cells
// separated by tabs, commas or blanks), turned into the rows of a LaTeX
// alignment: the body shared by the tabular of the table conversion and the
// array of the matrix conversion.  Text is CP932 bytes; the scan steps over
// double-byte characters whole, so no byte inside one is taken for a
// separator or a line break.
#include <string>
#include <string_view>

namespace convert {

// The separator byte of a separator choice: 0 tab, 1 comma, 2 blank.  Any
// other choice reads as the tab.
char separatorByte(int choice);

struct CellRows {
    // Every separator turned into " & ", every line break into the row end
    // " \\" CR LF (followed by "\hline" CR LF with horizontal rules), the last
    // row closed even when the text does not end with a line break, and with
    // horizontal rules one more "\hline" line in front.
    std::string body;
    // Cells on the first line: one more than its separators.
    int firstRowColumns = 1;
    // Cells on the line that holds the most.  An alignment that declares
    // fewer columns than a row uses stops TeX with "Extra alignment tab", so
    // the alignment's column letters are built from this count.
    int widestRowColumns = 1;
};

// What the cells hold.
enum class Cells {
    AsTyped,  // LaTeX as it stands: the cells of a matrix
    Text,     // text, as a spreadsheet gives it: the cells of a table (see textCell)
};

// A cell of text as it goes into a tabular, so that it stays one cell, its
// row still ends and TeX takes it:
// - "%", "&" and "#" are always escaped: a comment would swallow the row end,
//   an "&" would start another cell;
// - "$" is escaped when the cell holds an odd number of them; in pairs they
//   stay, as maths;
// - "{" and "}" are escaped when the cell's braces do not pair up; paired
//   ones stay, as groups and command arguments;
// - "_" and "^" are escaped (as "\_" and "\^{}") outside maths and outside
//   any group, where TeX would stop at them; in "$x_1$" or "\ref{tab_1}" they
//   stay.
// What a backslash escapes stays as it is ("50\%" is not escaped twice), and
// so do commands, "~" and everything else.
std::string textCell(std::string_view cell);

// The conversion.  CR LF, a lone CR and a lone LF each end a row; two
// separators in a row give an empty cell between them, and runs of blanks
// under the blank separator give one empty cell per extra blank.
CellRows cellRows(std::string_view text, char separator, bool horizontalRules, Cells cells = Cells::AsTyped);

}  // namespace convert
