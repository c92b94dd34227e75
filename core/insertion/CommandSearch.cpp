#include "core/insertion/CommandSearch.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace commandsearch {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool matchesAt(std::string_view text, size_t pos, std::string_view needle, bool ignoreCase, bool wholeName)
{
    if (pos + needle.size() > text.size()) return false;
    for (size_t i = 0; i < needle.size(); ++i) {
        const char a = text[pos + i], b = needle[i];
        if (ignoreCase ? folded(a) != folded(b) : a != b) return false;
    }
    if (!wholeName || !isLetter(needle.back())) return true;
    const size_t after = pos + needle.size();
    return after >= text.size() || !isLetter(text[after]);
}

// A line feed is never the second byte of a double-byte character, so the
// byte after one is a character boundary.
size_t lineStartOf(std::string_view text, size_t pos)
{
    const size_t lf = pos == 0 ? std::string_view::npos : text.rfind('\n', pos - 1);
    return lf == std::string_view::npos ? 0 : lf + 1;
}

size_t nextLineStart(std::string_view text, size_t pos)
{
    const size_t lf = text.find('\n', pos);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}

size_t charEnd(std::string_view text, size_t pos) { return pos + size_t(std::max(1, cp932::charLength(text, pos))); }

// The character start after the one at i; a backslash takes the character
// it escapes along.
size_t nextToken(std::string_view text, size_t i)
{
    const size_t next = charEnd(text, i);
    return text[i] == '\\' && next < text.size() ? charEnd(text, next) : next;
}

}  // namespace

bool inComment(std::string_view text, size_t pos)
{
    pos = std::min(pos, text.size());
    for (size_t i = lineStartOf(text, pos); i < pos;) {
        if (text[i] == '%') return true;
        i = nextToken(text, i);
    }
    return false;
}

int find(std::string_view text, std::string_view needle, int from, bool ignoreCase, bool wholeName)
{
    if (needle.empty() || from < 0 || size_t(from) >= text.size()) return -1;
    const size_t start = size_t(from);
    // From the line's start, so that a comment opened before `from` counts.
    for (size_t i = lineStartOf(text, start); i < text.size();) {
        if (i >= start && matchesAt(text, i, needle, ignoreCase, wholeName)) return int(i);
        i = text[i] == '%' ? nextLineStart(text, i) : nextToken(text, i);
    }
    return -1;
}

}  // namespace commandsearch
