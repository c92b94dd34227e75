#pragma once
// The table skeleton, the rules and merged cells used inside a tabular, and
// the conversion of delimited text into a table, as pure functions of the
// dialogs' choices.  Texts are CP932 bytes with CR LF; counts are bytes.
#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"

namespace tables {

// Float placement letters h, t, b, p for the ticked boxes, in that order.
struct Placement {
    bool here = false, top = false, bottom = false, page = false;
    std::string letters() const;
};

// Alignment index 0, 1, 2 as the letter l, c, r (anything else reads as c).
char alignLetter(int align);

struct TableChoices {
    Placement placement{false, true, true, false};
    int align = 1;
    int rows = 2;
    int columns = 2;
    bool verticalRules = true;
    bool horizontalRules = true;
};

// The table float with its empty tabular, and the caret in the first cell
// of the first row (after the row's four-blank indent and one more blank).
// A line break goes in front when the caret stands inside a line.
wrap::Insertion tableSkeleton(const TableChoices& choices, const wrap::EditorState& editor);

// \cline{from-to}.
std::string cline(int from, int to);

// What a selection makes of the merged-cell dialog: the number of cells it
// spans (one more than its unescaped "&"s) and the heading text, the cells'
// texts without the blanks and tabs around them, run together.
struct MergedCellPreset {
    int count = 1;
    std::string heading;
};
MergedCellPreset mergedCellPreset(std::string_view selection);

struct MergedCellChoices {
    int count = 1;
    int align = 1;
    bool leftRule = true;  // the radio group's item 0 "引く"
    bool rightRule = true;
    std::string heading;
};
// \multicolumn{count}{|c|}{heading}.
std::string multicolumn(const MergedCellChoices& choices);

struct ConversionChoices {
    Placement placement{true, true, true, true};
    int align = 1;
    int separator = 0;  // 0 tab, 1 comma, 2 blank
    bool verticalRules = true;
    bool horizontalRules = true;
};
// The table float whose tabular holds the cells of the delimited text.
std::string convertedTable(std::string_view text, const ConversionChoices& choices);

}  // namespace tables
