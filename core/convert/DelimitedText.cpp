#include "core/convert/DelimitedText.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace convert {

namespace {
constexpr std::string_view kRowEnd = " \\\\\r\n";
constexpr std::string_view kRule = "\\hline\r\n";
}  // namespace

char separatorByte(int choice)
{
    switch (choice) {
        case 1: return ',';
        case 2: return ' ';
        default: return '\t';
    }
}

CellRows cellRows(std::string_view text, char separator, bool horizontalRules)
{
    std::string rowEnd(kRowEnd);
    if (horizontalRules) rowEnd += kRule;

    CellRows out;
    std::string& body = out.body;
    body.reserve(text.size() + text.size() / 2 + rowEnd.size() + kRule.size());
    if (horizontalRules) body += kRule;

    int cells = 1;  // on the line being scanned
    bool firstDone = false;
    bool endedWithBreak = false;
    auto endRow = [&] {
        out.widestRowColumns = std::max(out.widestRowColumns, cells);
        if (!firstDone) out.firstRowColumns = cells;
        firstDone = true;
        cells = 1;
        body += rowEnd;
    };

    for (size_t i = 0; i < text.size();) {
        const int n = cp932::charLength(text, i);
        endedWithBreak = false;
        if (n == 2) {
            body.append(text.substr(i, 2));
            i += 2;
            continue;
        }
        const char c = text[i];
        if (c == separator) {
            body += " & ";
            ++cells;
            ++i;
        } else if (c == '\r' || c == '\n') {
            endRow();
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            endedWithBreak = true;
        } else {
            body += c;
            ++i;
        }
    }
    if (!endedWithBreak) endRow();
    return out;
}

}  // namespace convert
