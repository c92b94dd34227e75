#pragma once
// Text search over the editor's CP932 bytes.  A hit always starts on a
// character boundary: the search walks the text character by character, so
// a pattern can never match from the second byte of a double-byte character
// (searching "\" must not find the 0x5C inside "表").
#include <string>

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

}  // namespace textsearch
