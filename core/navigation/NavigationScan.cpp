#include "core/navigation/NavigationScan.h"

#include <algorithm>

#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace navigation {
namespace {

// First match of the pattern at or after `from`, on a character boundary
// (`from` is one), as the editor's own text search finds it: a trail byte
// 0x5C is never taken for a backslash.  -1 when there is none.
int findFrom(std::string_view text, std::string_view pattern, int from)
{
    const int length = int(text.size());
    for (int p = std::max(from, 0); p + int(pattern.size()) <= length;) {
        if (text.compare(p, pattern.size(), pattern) == 0) return p;
        p += cp932::isLeadByte(text[p]) ? 2 : 1;
    }
    return -1;
}

const std::string_view kHeadingCommands[] = {
    "\\part", "\\chapter", "\\section", "\\subsection", "\\subsubsection", "\\paragraph", "\\subparagraph",
};

// The headings of one command, at most limit.
std::vector<NavEntry> headingsOf(std::string_view text, std::string_view command, int limit)
{
    std::vector<NavEntry> found;
    int s = 0;
    while (int(found.size()) < limit) {
        const int p = findFrom(text, command, s);
        if (p < 0) break;
        // The walks run to the text's end, so a heading that closes on the
        // very last byte is found too.
        const int brace = braces::findOpen(text, p, p + 31);
        const int close = brace >= 0 ? braces::findClose(text, brace, p + 511) : -1;
        if (brace >= 0 && close >= 0) found.push_back({p, close - p + 1, std::string(text.substr(p, close - p + 1))});
        s = brace >= 0 ? brace : p + 1;
    }
    return found;
}

}  // namespace

std::vector<NavEntry> FindHeadings(std::string_view text, std::string_view command)
{
    return headingsOf(text, command, kMaxScanHits);
}

std::vector<NavEntry> ScanHeadingList(std::string_view text, bool* complete)
{
    std::vector<NavEntry> all;
    // Where the first heading left out starts; the list ends in front of it.
    int cut = int(text.size()) + 1;
    for (std::string_view command : kHeadingCommands) {
        // One hit past the limit says where the command's first left-out
        // heading stands.
        std::vector<NavEntry> found = headingsOf(text, command, kMaxScanHits + 1);
        if (int(found.size()) > kMaxScanHits) {
            cut = std::min(cut, found[kMaxScanHits].position);
            found.resize(kMaxScanHits);
        }
        for (NavEntry& e : found) all.push_back(std::move(e));
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const NavEntry& a, const NavEntry& b) { return a.position < b.position; });
    if (int(all.size()) > kMaxListEntries) cut = std::min(cut, all[kMaxListEntries].position);
    const auto kept = std::find_if(all.begin(), all.end(), [cut](const NavEntry& e) { return e.position >= cut; });
    all.erase(kept, all.end());
    if (complete) *complete = cut > int(text.size());
    return all;
}

std::vector<NavEntry> FindLabels(std::string_view text)
{
    std::vector<NavEntry> found;
    int s = 0;
    while (int(found.size()) < kMaxScanHits) {
        const int p = findFrom(text, "\\label", s);
        if (p < 0) break;
        const int brace = findFrom(text, "{", p + 2);
        if (brace < 0) break;
        const int close = findFrom(text, "}", brace + 1);
        if (close < 0) break;
        s = close + 1;
        if (close - brace > 128) break;
        const int nameLength = close - p - 7;
        found.push_back({p, nameLength + 8, std::string(text.substr(p + 7, nameLength))});
    }
    return found;
}

int LineOfPosition(std::string_view text, int position)
{
    position = std::clamp(position, 0, int(text.size()));
    return int(std::count(text.begin(), text.begin() + position, '\n')) + 1;
}

std::string EntryCaption(std::string_view text, const NavEntry& entry)
{
    return std::to_string(LineOfPosition(text, entry.position)) + "\x8d\x73 : " + entry.text;
}

}  // namespace navigation
