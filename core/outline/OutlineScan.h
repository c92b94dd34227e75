#pragma once
// The outline's heading scanner: a pure function of the document's CP932
// bytes, so the background thread can run it on a copy of the text and
// tests can run it without any widget.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One hit of one sectioning command.
struct FindDataStruct {
    int start = 0;      // the command's backslash
    int bracePos = 0;   // the title's opening brace
    int closePos = 0;   // its matching closing brace
    std::string title;  // the bytes strictly between the braces
};

// One heading of the outline tree.
struct FinalDataStruct {
    int kind = 0;   // index into kOutlineCommands
    int depth = 0;  // tree level, 0 = root
    int start = 0;
    int bracePos = 0;
    int closePos = 0;
    std::string title;
    bool operator==(const FinalDataStruct&) const = default;
};

namespace outline {

// The sectioning commands by kind, highest level first.
inline constexpr std::array<std::string_view, 7> kOutlineCommands = {
    "\\part", "\\chapter", "\\section", "\\subsection", "\\subsubsection", "\\paragraph", "\\subparagraph",
};
inline constexpr int kMaxCommandHits = 1024;
inline constexpr int kMaxHeadings = 4096;

// Asked between characters; true ends the scan with no result.
using StopRequested = std::function<bool()>;

// Every hit of one command whose title's braces stand on the command's line
// and close within 256 bytes.  A command followed by a letter or digit is a
// longer command and is passed over; a starred one is found.  At most
// kMaxCommandHits hits.  Empty when stop() became true.
std::vector<FindDataStruct> FindCommand(std::string_view text, std::string_view command,
                                        const StopRequested& stop = {});

// Every heading of every kind, in text order, with its tree level.  Past
// the limits (kMaxCommandHits of one command, kMaxHeadings in all) the list
// ends in front of the first heading left out, so that it always holds the
// document's first headings and nothing after a gap; `complete` (when given)
// tells whether none was left out.  `stopped` (when given) reports that
// stop() ended the scan.
std::vector<FinalDataStruct> ScanHeadings(std::string_view text, const StopRequested& stop = {},
                                          bool* stopped = nullptr, bool* complete = nullptr);

// Gives each heading (in text order) its tree level: one below the nearest
// earlier heading of a higher kind that is still open, skipped levels
// taking no room.
void AssignDepths(std::vector<FinalDataStruct>& headings);

}  // namespace outline
