#include "core/outline/OutlineScan.h"

#include <algorithm>

#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace outline {
namespace {

bool isAsciiAlnum(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

constexpr int kBraceReach = 128;  // from the end of the command to "{"
constexpr int kTitleReach = 257;  // from "{" to "}" (exclusive)

}  // namespace

std::vector<FindDataStruct> FindCommand(std::string_view text, std::string_view command, const StopRequested& stop) {
    std::vector<FindDataStruct> hits;
    const int length = int(text.size());
    const int commandLength = int(command.size());
    int p = 0;
    int untilPoll = 0;
    while (p < length) {
        // Polled every few thousand characters: the stop test takes a lock.
        if (stop && --untilPoll <= 0) {
            if (stop()) return {};
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
        if (p + commandLength > length) break;
        if (text.substr(p, commandLength) != command) {
            // A backslash and the character it escapes; that character may
            // be double-byte, and its trail byte can be 0x5C, which is no
            // backslash.
            p += 1 + (p + 1 < length && cp932::isLeadByte(text[p + 1]) ? 2 : 1);
            continue;
        }
        const int end = p + commandLength;
        if (end >= length) break;
        if (isAsciiAlnum(text[end])) {
            p = end;
            continue;
        }

        const int brace = braces::findOpen(text, end, end + kBraceReach, true);
        if (brace < 0) {
            p = end;
            continue;
        }

        const int close = braces::findClose(text, brace, brace + kTitleReach);
        if (close < 0) {
            p = end;
            continue;
        }

        hits.push_back({p, brace, close, std::string(text.substr(brace + 1, close - brace - 1))});
        if (int(hits.size()) >= kMaxCommandHits) break;
        p = close + 1;
    }
    return hits;
}

void AssignDepths(std::vector<FinalDataStruct>& headings) {
    std::array<bool, kOutlineCommands.size()> open{};
    for (FinalDataStruct& h : headings) {
        open[h.kind] = true;
        for (size_t lower = h.kind + 1; lower < open.size(); ++lower) open[lower] = false;
        h.depth = int(std::count(open.begin(), open.end(), true)) - 1;
    }
}

std::vector<FinalDataStruct> ScanHeadings(std::string_view text, const StopRequested& stop, bool* stopped) {
    if (stopped) *stopped = false;
    std::vector<FinalDataStruct> headings;
    for (int kind = 0; kind < int(kOutlineCommands.size()); ++kind) {
        for (const FindDataStruct& hit : FindCommand(text, kOutlineCommands[kind], stop)) {
            if (int(headings.size()) >= kMaxHeadings) break;
            headings.push_back({kind, 0, hit.start, hit.bracePos, hit.closePos, hit.title});
        }
    }
    if (stop && stop()) {
        if (stopped) *stopped = true;
        return {};
    }
    // Starts are distinct, so a stable sort gives the same order as the
    // neighbour-swapping passes would.
    std::stable_sort(headings.begin(), headings.end(),
                     [](const FinalDataStruct& a, const FinalDataStruct& b) { return a.start < b.start; });
    AssignDepths(headings);
    return headings;
}

}  // namespace outline
