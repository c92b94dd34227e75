#pragma once
// Text search over the editor's CP932 bytes.  A hit always starts on a
// character boundary: the search walks the text character by character, so
// a pattern can never match from the second byte of a double-byte character
// (searching "\" must not find the 0x5C inside "表").
#include <string>
#include <vector>

namespace textsearch {

struct Options {
    bool wholeWord = false;
    bool matchCase = false;
};

// Whether b opens a double-byte character.
bool isLeadByte(unsigned char b);

// The first hit of pattern that starts at or after `from` and ends at or
// before `end` (clamped to the text), or -1.  `from` is taken as a character
// boundary; an empty pattern finds nothing.
int findDown(const std::string& text, const std::string& pattern, int from, int end, const Options& options);

// The last hit that ends at or before `before`, hits being taken one after
// another from the start of the text, each behind the end of the previous
// one.  -1 when there is none.
int findUp(const std::string& text, const std::string& pattern, int before, const Options& options);

// Replaces every hit from the start, each search going on behind the
// replacement; returns the new text and sets *count.
std::string replaceAll(const std::string& text, const std::string& pattern, const std::string& replacement,
                       const Options& options, int* count);

// What comes before a search's start in the text the search really runs
// over, where that differs from `text` (Replace All searches on behind each
// replacement, so the character before the next hit may be one it put in).
struct Preceding {
    bool any = false;        // a character precedes at all
    bool single = true;      // it is one byte
    unsigned char byte = 0;  // its last byte
};

// The hits Replace All replaces one after another, as positions in `text`
// before any replacement: the first found from `from` (a character
// boundary when `before` is given, which then says what precedes it), each
// next one behind the previous hit, judged as if the replacements before it
// were already made.
std::vector<int> replaceAllHits(const std::string& text, const std::string& pattern, const std::string& replacement,
                                int from, const Preceding* before, const Options& options);

}  // namespace textsearch
