#include "core/convert/DelimitedText.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace convert {

namespace {
constexpr std::string_view kRowEnd = " \\\\\r\n";
constexpr std::string_view kRule = "\\hline\r\n";

// The characters of a cell, one at a time: a double-byte character whole, and
// a backslash together with the character it escapes (or the first letter of
// the command it starts), so that "\%" or a 0x5C trail byte is never taken
// for a character of its own.
template <class Visit>
void eachUnit(std::string_view cell, Visit visit)
{
    for (size_t i = 0; i < cell.size();) {
        size_t n = size_t(cp932::charLength(cell, i));
        if (n == 1 && cell[i] == '\\' && i + 1 < cell.size()) n += size_t(cp932::charLength(cell, i + 1));
        visit(cell.substr(i, n));
        i += n;
    }
}
}  // namespace

char separatorByte(int choice)
{
    switch (choice) {
        case 1: return ',';
        case 2: return ' ';
        default: return '\t';
    }
}

std::string textCell(std::string_view cell)
{
    int dollars = 0, depth = 0;
    bool bracesHold = true;
    eachUnit(cell, [&](std::string_view u) {
        if (u == "$") ++dollars;
        if (u == "{") ++depth;
        if (u == "}" && --depth < 0) bracesHold = false;
    });
    bracesHold = bracesHold && depth == 0;
    const bool mathHolds = dollars % 2 == 0;

    std::string out;
    out.reserve(cell.size() + cell.size() / 4);
    bool math = false;
    depth = 0;
    eachUnit(cell, [&](std::string_view u) {
        const char c = u.size() == 1 ? u[0] : '\0';
        if (u == "\\(" || u == "\\)") math = u[1] == '(';
        if (c == '%' || c == '&' || c == '#' || (c == '$' && !mathHolds) || ((c == '{' || c == '}') && !bracesHold) ||
            (c == '_' && !math && depth == 0)) {
            out += '\\';
            out += c;
            return;
        }
        if (c == '^' && !math && depth == 0) {
            out += "\\^{}";
            return;
        }
        if (c == '$') math = !math;
        if (c == '{') ++depth;
        if (c == '}') --depth;
        out.append(u);
    });
    return out;
}

CellRows cellRows(std::string_view text, char separator, bool horizontalRules, Cells cells)
{
    std::string rowEnd(kRowEnd);
    if (horizontalRules) rowEnd += kRule;

    CellRows out;
    std::string& body = out.body;
    body.reserve(text.size() + text.size() / 2 + rowEnd.size() + kRule.size());
    if (horizontalRules) body += kRule;

    int count = 1;  // cells on the line being scanned
    bool firstDone = false;
    bool endedWithBreak = false;
    size_t cellStart = 0;
    auto endCell = [&](size_t end) {
        const std::string_view cell = text.substr(cellStart, end - cellStart);
        if (cells == Cells::Text)
            body += textCell(cell);
        else
            body.append(cell);
    };
    auto endRow = [&] {
        out.widestRowColumns = std::max(out.widestRowColumns, count);
        if (!firstDone) out.firstRowColumns = count;
        firstDone = true;
        count = 1;
        body += rowEnd;
    };

    for (size_t i = 0; i < text.size();) {
        const int n = cp932::charLength(text, i);
        endedWithBreak = false;
        if (n == 2) {
            i += 2;
            continue;
        }
        const char c = text[i];
        if (c == separator) {
            endCell(i);
            body += " & ";
            ++count;
            cellStart = ++i;
        } else if (c == '\r' || c == '\n') {
            endCell(i);
            endRow();
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            cellStart = i;
            endedWithBreak = true;
        } else {
            ++i;
        }
    }
    if (!endedWithBreak) {
        endCell(text.size());
        endRow();
    }
    return out;
}

}  // namespace convert
