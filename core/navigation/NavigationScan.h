#pragma once
// The scans behind the heading and label lists: pure functions of the
// document's CP932 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace navigation {

inline constexpr int kMaxScanHits = 1000;
inline constexpr int kMaxListEntries = 4096;

// One list entry: where the command starts, how much of it a jump selects,
// what the list shows after the line number.
struct NavEntry {
    int position = 0;
    int length = 0;
    std::string text;
};

// Headings of one command: the command, its brace (within 30 bytes of the
// backslash) and title, up to the closing brace (within 510 bytes).
// Searched as a plain string on character boundaries, so a starred form and
// longer commands that begin with it are found too.  At most 1000.
std::vector<NavEntry> FindHeadings(std::string_view text, std::string_view command);
// All sectioning commands in text order.  Past the limits (1000 of one
// command, 4096 in all) the list ends in front of the first heading left
// out, so that it holds the document's first headings with no gap;
// `complete` (when given) tells whether none was left out.
std::vector<NavEntry> ScanHeadingList(std::string_view text, bool* complete = nullptr);
// "\label" commands in text order, the entry text being the name.  The scan
// ends at a label without braces or one longer than 128 bytes.  At most 1000.
std::vector<NavEntry> FindLabels(std::string_view text);
// 1-based line of a position, lines being separated by CR LF.
int LineOfPosition(std::string_view text, int position);
// What the list shows: the line number, "行 : ", then the text.
std::string EntryCaption(std::string_view text, const NavEntry& entry);

}  // namespace navigation
