#pragma once
// Delimited text (cells parted by a tab, comma or blank, one row per line,
// as a spreadsheet copies them) turned into the rows of a LaTeX tabular or
// array body.  Both the table and the matrix conversions read it; each wraps
// the body in its own environment.  Text is CP932 bytes with CR LF.
#include <string>
#include <string_view>

namespace convert {

// The separator choices of the conversion dialogs, by item index: 0 tab,
// 1 comma, 2 blank.  An index out of range reads as the tab.
char separatorByte(int index);

struct DelimitedRows {
    std::string body;  // the rows, each ended by " \\" and a line break
    int columns = 1;   // one more than the separators of the first line
};

// Scans the text once.  Each separator byte becomes " & "; each line break
// becomes the row end " \\\r\n", followed by "\hline\r\n" when hrules is
// set.  Bytes of a double-byte character are copied whole, so a trail byte
// equal to the separator or to a backslash never parts a cell.  The last row
// is closed unless the text already ended with its line break, and with
// hrules the body also opens with "\hline\r\n".  Only the first line is
// counted for the columns; later lines are converted as they stand.
DelimitedRows delimitedRows(std::string_view text, char separator, bool hrules);

}  // namespace convert
