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

// The conversion.  CR LF, a lone CR and a lone LF each end a row; two
// separators in a row give an empty cell between them, and runs of blanks
// under the blank separator give one empty cell per extra blank.
CellRows cellRows(std::string_view text, char separator, bool horizontalRules);

}  // namespace convert
