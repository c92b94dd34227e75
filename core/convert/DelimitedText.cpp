#include "core/convert/DelimitedText.h"

#include "platform/Cp932.h"

namespace convert {

char separatorByte(int index)
{
    switch (index) {
    case 1: return ',';
    case 2: return ' ';
    default: return '\t';
    }
}

DelimitedRows delimitedRows(std::string_view text, char separator, bool hrules)
{
    const std::string_view rowBreak = " \\\\\r\n";
    const std::string_view rule = "\\hline\r\n";
    DelimitedRows rows;
    std::string& out = rows.body;
    out.reserve(text.size() + text.size() / 4 + 16);
    if (hrules) out += rule;
    const size_t bodyStart = out.size();
    bool firstLineDone = false;
    for (size_t i = 0; i < text.size();) {
        const int length = cp932::charLength(text, i);
        if (length > 1) {
            out.append(text.substr(i, size_t(length)));
            i += size_t(length);
            continue;
        }
        const char c = text[i];
        if (c == separator) {
            out += " & ";
            if (!firstLineDone) ++rows.columns;
            ++i;
        } else if (c == '\r') {
            out += rowBreak;
            if (hrules) out += rule;
            firstLineDone = true;
            // The line feed of the break goes with it; a carriage return
            // standing alone takes nothing of the next line along.
            i += (i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else {
            out += c;
            ++i;
        }
    }
    const std::string_view closed = hrules ? rule : std::string_view("\\\\\r\n");
    const std::string_view body = std::string_view(out).substr(bodyStart);
    if (!(body.size() >= closed.size() && body.substr(body.size() - closed.size()) == closed)) {
        out += rowBreak;
        if (hrules) out += rule;
    }
    return rows;
}

}  // namespace convert
