#include "core/search/Braces.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace braces {

int findOpen(std::string_view text, int from, int limit, bool stopAtLineEnd)
{
    const int end = std::min(limit, int(text.size()));
    for (int q = std::max(from, 0); q < end;) {
        const char c = text[q];
        if (cp932::isLeadByte(c)) {
            q += 2;
            continue;
        }
        if (c == '{') return q;
        if (stopAtLineEnd && (c == '\r' || c == '\n')) return -1;
        ++q;
    }
    return -1;
}

int findClose(std::string_view text, int open, int limit)
{
    const int end = std::min(limit, int(text.size()));
    int depth = 0;
    for (int r = open + 1; r < end;) {
        const char c = text[r];
        if (cp932::isLeadByte(c)) {
            r += 2;
            continue;
        }
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0) return r;
            --depth;
        }
        ++r;
    }
    return -1;
}

}  // namespace braces
