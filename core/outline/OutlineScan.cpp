#include "core/outline/OutlineScan.h"

#include <algorithm>

#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace outline {
namespace {

bool isAsciiAlnum(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

constexpr int kBraceReach = 128;  // from the end of the command to "{"
constexpr int kTitleReach = 257;  // from "{" to "}" (exclusive)

}  // namespace

namespace {

// Every backslash a scan of the text meets at a character start: the trail
// byte of a double-byte character is passed over, and so is the character a
// backslash escapes (which may be double-byte, with a 0x5C trail byte).  A
// command scan only ever acts at these places, so the text is walked once
// for all seven commands.  Empty when stop() became true.
std::vector<int> backslashesOf(std::string_view text, const StopRequested& stop, bool* stopped)
{
    std::vector<int> found;
    const int length = int(text.size());
    int p = 0;
    int untilPoll = 0;
    while (p < length) {
        // Polled every few thousand characters: the stop test takes a lock.
        if (stop && --untilPoll <= 0) {
            if (stop()) {
                *stopped = true;
                return {};
            }
            untilPoll = 4096;
        }
        const char c = text[p];
        if (cp932::isLeadByte(c)) {
            p += 2;
            continue;
        }
        if (c != '\\') {
            ++p;
            continue;
        }
        found.push_back(p);
        p += 1 + (p + 1 < length && cp932::isLeadByte(text[p + 1]) ? 2 : 1);
    }
    return found;
}

// The hits of one command among those backslashes.  After a hit the scan
// goes on behind its title, and after a longer command or a command without
// a title behind the command's name: places the walk above also passes.
std::vector<FindDataStruct> findAmong(std::string_view text, const std::vector<int>& backslashes,
                                      std::string_view command, int limit)
{
    std::vector<FindDataStruct> hits;
    const int length = int(text.size());
    const int commandLength = int(command.size());
    int resume = 0;
    for (const int p : backslashes) {
        if (p < resume) continue;
        if (p + commandLength > length) break;
        if (text.substr(p, commandLength) != command) continue;
        const int end = p + commandLength;
        if (end >= length) break;
        resume = end;
        if (isAsciiAlnum(text[end])) continue;
        const int brace = braces::findOpen(text, end, end + kBraceReach, true);
        if (brace < 0) continue;
        const int close = braces::findClose(text, brace, brace + kTitleReach);
        if (close < 0) continue;
        hits.push_back({p, brace, close, std::string(text.substr(brace + 1, close - brace - 1))});
        if (int(hits.size()) >= limit) break;
        resume = close + 1;
    }
    return hits;
}

}  // namespace

std::vector<FindDataStruct> FindCommand(std::string_view text, std::string_view command, const StopRequested& stop)
{
    bool stopped = false;
    const std::vector<int> backslashes = backslashesOf(text, stop, &stopped);
    if (stopped) return {};
    return findAmong(text, backslashes, command, kMaxCommandHits);
}

void AssignDepths(std::vector<FinalDataStruct>& headings)
{
    std::array<bool, kOutlineCommands.size()> open{};
    for (FinalDataStruct& h : headings) {
        open[h.kind] = true;
        for (size_t lower = h.kind + 1; lower < open.size(); ++lower) open[lower] = false;
        h.depth = int(std::count(open.begin(), open.end(), true)) - 1;
    }
}

std::vector<FinalDataStruct> ScanHeadings(std::string_view text, const StopRequested& stop, bool* stopped,
                                          bool* complete)
{
    if (stopped) *stopped = false;
    if (complete) *complete = true;
    std::vector<FinalDataStruct> headings;
    bool halted = false;
    const std::vector<int> backslashes = backslashesOf(text, stop, &halted);
    // Where the first heading left out starts; the list ends in front of it.
    int cut = int(text.size()) + 1;
    for (int kind = 0; kind < int(kOutlineCommands.size()) && !halted; ++kind) {
        // One hit past the limit says where the command's first left-out
        // heading stands.
        std::vector<FindDataStruct> hits = findAmong(text, backslashes, kOutlineCommands[kind], kMaxCommandHits + 1);
        if (int(hits.size()) > kMaxCommandHits) {
            cut = std::min(cut, hits[kMaxCommandHits].start);
            hits.resize(kMaxCommandHits);
        }
        for (const FindDataStruct& hit : hits)
            headings.push_back({kind, 0, hit.start, hit.bracePos, hit.closePos, hit.title});
    }
    if (halted || (stop && stop())) {
        if (stopped) *stopped = true;
        return {};
    }
    // Starts are distinct, so a stable sort gives the same order as the
    // neighbour-swapping passes would.
    std::stable_sort(headings.begin(), headings.end(),
                     [](const FinalDataStruct& a, const FinalDataStruct& b) { return a.start < b.start; });
    if (int(headings.size()) > kMaxHeadings) cut = std::min(cut, headings[kMaxHeadings].start);
    const auto kept =
        std::find_if(headings.begin(), headings.end(), [cut](const FinalDataStruct& h) { return h.start >= cut; });
    headings.erase(kept, headings.end());
    if (complete) *complete = cut > int(text.size());
    AssignDepths(headings);
    return headings;
}

}  // namespace outline
