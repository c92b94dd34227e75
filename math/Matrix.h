#pragma once
// Matrices: an array environment between \left and \right delimiters, as an
// empty skeleton of a given size or converted from delimited text.  Texts are
// CP932 bytes with CR LF.
#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"

namespace matrix {

constexpr int kDelimiterCount = 6;
constexpr int kMinSize = 1;
constexpr int kMaxSize = 99;
constexpr int kArrayHelpContext = 7380;
constexpr int kConvertHelpContext = 7400;

// The text after \left and after \right for a delimiter item: ( ), [ ], | |,
// \| \|, \{ with the empty ".", and "." with \}.  Out of range reads as 0.
std::string leftDelimiter(int index);
std::string rightDelimiter(int index);
// "l", "c" or "r" for the alignment item; out of range reads as "c".
char alignLetter(int index);

struct Skeleton {
    int bracket = 0;
    int align = 1;
    int rows = 2;
    int columns = 2;
    bool vrules = false;
    bool hrules = false;
};

// Whether the document goes on with a line break of its own right after the
// selection (or the caret), one that does not merely end the selection's last
// line.  following is the document's text after the selection; its first byte
// is enough.  A matrix put there leaves out its own final line break, since a
// second one would make an empty line: a paragraph end, which stops TeX
// inside display maths.
bool lineBreakFollows(std::string_view selection, std::string_view following);

// The empty matrix, with the caret moved back to stand in front of the first
// cell of the first row.  Rows and columns are held to 1..99.
wrap::Insertion skeletonText(const Skeleton& choices, bool breakFollows = false);

struct Conversion {
    int bracket = 0;
    int align = 1;
    int separator = 0;  // 0 tab, 1 comma, 2 blank
    bool vrules = false;
    bool hrules = false;
};

// The matrix made from a selected block of delimited text: one row per line,
// as many columns declared as the row with the most cells holds.  The caret
// stays behind it.
std::string conversionText(std::string_view selection, const Conversion& choices, bool breakFollows = false);

// The explanation shown when the conversion is asked for without a selection.
extern const char* const kConvertExplanation;  // UTF-8
extern const char* const kConvertCaption;      // "行列変換"

}  // namespace matrix
