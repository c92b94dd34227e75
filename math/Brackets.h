#pragma once
// Math delimiters with their size commands: the text the bracket dialog
// inserts and the presets its groups follow, apart from any widget.
#include <string>

namespace brackets {

constexpr int kDelimiterCount = 17;
constexpr int kNoOutput = 16;  // the list's "出力なし", the empty delimiter "."
constexpr int kSizeCount = 7;
constexpr int kKindCount = 4;
constexpr int kFirstFixedSize = 3;  // "\big" and larger take a kind letter
constexpr int kHelpContext = 7120;

// The list captions (document bytes); item kNoOutput is the Japanese caption.
const std::string& delimiterCaption(int index);
// What goes into the document for a list item: its caption, or "." for
// kNoOutput.
std::string delimiterText(int index);
// "\left", "\right", "", "\big", "\Big", "\bigg", "\Bigg".
std::string sizeCommand(int size);
// "l", "r", "m", "".
std::string kindLetter(int kind);

// Size command (with its kind letter from size 3 on) followed by the
// delimiter.  Indices out of range fall back to the first item of their
// group, so the result is never empty.
std::string bracketText(int delimiter, int size, int kind);

// The automatic size a newly chosen delimiter gets: 0 opening, 1 closing,
// 2 standard.
int autoSizeFor(int delimiter);
// The kind preset for a fixed size; delimiters without a preset keep current.
int kindFor(int delimiter, int current);

}  // namespace brackets
