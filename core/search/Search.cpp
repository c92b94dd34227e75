#include "core/search/Search.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace textsearch {

bool isLeadByte(unsigned char b) { return cp932::isLeadByte(b); }

namespace {

unsigned char fold(unsigned char b) { return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b; }

bool isWordByte(unsigned char b)
{
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
}

// Compares pattern with the text at p, which is a character boundary.  Case
// folding applies to single-byte characters only: the second byte of a
// double-byte character is compared as it is.
bool matchesAt(const std::string& text, const std::string& pattern, size_t p, bool matchCase)
{
    size_t i = 0;
    while (i < pattern.size()) {
        const auto t = static_cast<unsigned char>(text[p + i]);
        const auto s = static_cast<unsigned char>(pattern[i]);
        if (cp932::charLength(pattern, i) == 2) {
            if (t != s || text[p + i + 1] != pattern[i + 1]) return false;
            i += 2;
            continue;
        }
        if (matchCase ? t != s : fold(t) != fold(s)) return false;
        ++i;
    }
    return true;
}

// A word hit has no letter, digit or underscore right before or after it.
// prevSingle tells whether the character before p is a single byte.
bool wordBounded(const std::string& text, size_t p, size_t length, bool prevSingle)
{
    if (p > 0 && prevSingle && isWordByte(static_cast<unsigned char>(text[p - 1]))) return false;
    const size_t after = p + length;
    if (after < text.size() && isWordByte(static_cast<unsigned char>(text[after]))) return false;
    return true;
}

// Steps to the next character boundary.  Only a lead byte can open a
// double-byte character, so the tables are asked about lead bytes alone.
size_t nextBoundary(const std::string& text, size_t p)
{
    if (p < text.size() && !cp932::isLeadByte(static_cast<unsigned char>(text[p]))) return p + 1;
    return p + static_cast<size_t>(cp932::charLength(text, p));
}

}  // namespace

namespace {
// The character boundary at or after pos, walking from the start of its
// line (a byte after LF is always a boundary: LF is never a second byte).
// prevSingle tells whether the character before the result is one byte.
size_t boundaryAtOrAfter(const std::string& text, size_t pos, bool& prevSingle)
{
    size_t q = pos;
    while (q > 0 && text[q - 1] != '\n') --q;
    prevSingle = true;
    while (q < pos) {
        const size_t next = nextBoundary(text, q);
        prevSingle = next - q == 1;
        q = next;
    }
    return q;
}

bool lastCharSingle(const std::string& pattern)
{
    bool single = true;
    for (size_t i = 0; i < pattern.size();) {
        const size_t n = static_cast<size_t>(cp932::charLength(pattern, i));
        single = n == 1;
        i += n;
    }
    return single;
}
}  // namespace

int findDown(const std::string& text, const std::string& pattern, int from, int end, const Options& options)
{
    if (pattern.empty() || from < 0) return -1;
    const size_t limit = std::min<size_t>(end < 0 ? 0 : static_cast<size_t>(end), text.size());
    const size_t length = pattern.size();
    if (static_cast<size_t>(from) + length > limit) return -1;
    bool prevSingle = true;
    for (size_t p = boundaryAtOrAfter(text, static_cast<size_t>(from), prevSingle); p + length <= limit;) {
        const size_t next = nextBoundary(text, p);
        if (matchesAt(text, pattern, p, options.matchCase) &&
            (!options.wholeWord || wordBounded(text, p, length, prevSingle)))
            return static_cast<int>(p);
        prevSingle = next - p == 1;
        p = next;
    }
    return -1;
}

int findUp(const std::string& text, const std::string& pattern, int before, const Options& options)
{
    if (pattern.empty() || before <= 0) return -1;
    const size_t limit = std::min<size_t>(static_cast<size_t>(before), text.size());
    const size_t length = pattern.size();
    int found = -1;
    bool prevSingle = true;
    for (size_t p = 0; p + length <= limit;) {
        if (matchesAt(text, pattern, p, options.matchCase) &&
            (!options.wholeWord || wordBounded(text, p, length, prevSingle))) {
            found = static_cast<int>(p);
            // The next hit is looked for behind this one.
            const size_t end = p + length;
            prevSingle = lastCharSingle(pattern);
            p = end;
            continue;
        }
        const size_t next = nextBoundary(text, p);
        prevSingle = next - p == 1;
        p = next;
    }
    return found;
}

std::vector<int> replaceAllHits(const std::string& text, const std::string& pattern, const std::string& replacement,
                                int from, const Preceding* before, const Options& options)
{
    std::vector<int> hits;
    if (pattern.empty() || from < 0 || size_t(from) > text.size()) return hits;
    const size_t length = pattern.size();
    Preceding prev;
    size_t p = static_cast<size_t>(from);
    if (before) {
        prev = *before;
    } else {
        p = boundaryAtOrAfter(text, p, prev.single);
        prev.any = p > 0;
        prev.byte = p > 0 ? static_cast<unsigned char>(text[p - 1]) : 0;
    }
    Preceding afterReplacement;
    if (!replacement.empty())
        afterReplacement = {true, lastCharSingle(replacement), static_cast<unsigned char>(replacement.back())};
    const unsigned char first = static_cast<unsigned char>(pattern[0]);
    const bool firstFolds = !options.matchCase && !cp932::isLeadByte(first);
    while (p + length <= text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[p]);
        const bool maybe = b == first || (firstFolds && fold(b) == fold(first));
        if (!maybe && !cp932::isLeadByte(b)) {
            // A run of one-byte characters none of which can start a hit is
            // passed in one go: most of a long text is such a run.
            size_t q = p + 1;
            while (q + length <= text.size()) {
                const unsigned char c = static_cast<unsigned char>(text[q]);
                if (c == first || (firstFolds && fold(c) == fold(first)) || cp932::isLeadByte(c)) break;
                ++q;
            }
            prev = {true, true, static_cast<unsigned char>(text[q - 1])};
            p = q;
            continue;
        }
        if (maybe && matchesAt(text, pattern, p, options.matchCase)) {
            const size_t after = p + length;
            const bool bounded =
                !options.wholeWord || (!(prev.any && prev.single && isWordByte(prev.byte)) &&
                                       !(after < text.size() && isWordByte(static_cast<unsigned char>(text[after]))));
            if (bounded) {
                hits.push_back(static_cast<int>(p));
                // An empty replacement leaves in front of the next search
                // whatever stood in front of the hit.
                if (!replacement.empty()) prev = afterReplacement;
                p = after;
                continue;
            }
        }
        const size_t next = nextBoundary(text, p);
        prev = {true, next - p == 1, static_cast<unsigned char>(text[next - 1])};
        p = next;
    }
    return hits;
}

std::string replaceAll(const std::string& text, const std::string& pattern, const std::string& replacement,
                       const Options& options, int* count)
{
    std::string out;
    int n = 0;
    size_t copied = 0;
    int from = 0;
    while (true) {
        const int hit = findDown(text, pattern, from, static_cast<int>(text.size()), options);
        if (hit < 0) break;
        out.append(text, copied, hit - copied);
        out += replacement;
        ++n;
        copied = hit + pattern.size();
        from = static_cast<int>(copied);
    }
    out.append(text, copied, std::string::npos);
    if (count) *count = n;
    return out;
}

}  // namespace textsearch
