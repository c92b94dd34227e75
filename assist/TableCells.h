#pragma once
// The Tab key in the editor: from cell to cell along a table row, else blanks
// up to the next tab stop.  Everything here works on CP932 bytes; positions
// are byte offsets.
#include <string_view>

namespace tablecells {

// 1-based position in s of the first "&" that is not escaped as "\&", or 0.
// Only character starts are looked at, so the trail byte of a double-byte
// character is never taken for "&" or for the backslash before it.
int FindCellSeparator(std::string_view s);
// As FindCellSeparator; when s has no separator, the 1-based position of the
// first row end "\\", or 0.
int FindCellOrRowEnd(std::string_view s);

// Where a Tab in a table row goes.  Offsets are into the line.
struct CellMove {
    bool inTable = false;  // the line holds a separator: Tab never types
    bool moves = false;    // a separator follows the caret
    int start = 0;         // selection start
    int length = 0;        // 0: caret only
};
// line is the caret's line without its break; col is the caret's offset in it.
CellMove NextCell(std::string_view line, int col);

// Blanks a Tab inserts at caret: up to the next multiple of tabWidth, counted
// in bytes from the line's start.  1 to tabWidth, or 0 when tabWidth is not
// positive (no tab stops to reach).
int BlanksToTabStop(std::string_view text, int caret, int tabWidth);

}  // namespace tablecells
