#pragma once
// Whole-document clean-ups on the editor's CP932 text: full-width blanks,
// tabs, trailing blanks and line numbers.  The transforms here are pure; the
// menu commands apply the same edits to the editor one by one.
#include <string>
#include <vector>

namespace texttools {

// The full-width blank (U+3000) in CP932.
inline constexpr const char* kFullWidthBlank = "\x81\x40";

// Start of every full-width blank that begins on a character boundary, so
// the pair 81 40 formed by the end of one character and the start of the
// next never counts.
std::vector<int> fullWidthBlankPositions(const std::string& text);
// The replacement for each item of the blank dialog: one blank, two
// blanks, "\qquad ", nothing.
std::string fullWidthReplacement(int item);
std::string replaceFullWidthBlanks(const std::string& text, const std::string& replacement, int* count);

// Every tab becomes exactly n blanks, whatever its column.
std::string replaceTabs(const std::string& text, int n, int* count);

// Length of the line without its trailing bytes of code 32 or below
// (blanks, tabs, control characters; a full-width blank stays).
int trimmedLength(const std::string& line);

// Decimal digits of n (n >= 1).
int digitCount(int n);
// The number put in front of a line: right-aligned in width, then a blank.
std::string lineNumberPrefix(int number, int width);

}  // namespace texttools
