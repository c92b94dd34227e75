#pragma once
// The LaTeX token scanner of the syntax colouring.  Pure functions over the
// CP932 bytes of the document: they find tokens and say which format each
// byte range gets; applying the formats to the editor is the caller's job.
#include "core/colour/ColorTable.h"
#include "platform/RichEdit.h"  // CharFormat, FormatSpan

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace colour {

// Token kinds, as FindNextTokenStart reports them.
enum TokenKind : int {
    kComment = 0,         // "%"
    kCommand = 1,         // "\"
    kInlineMath = 2,      // "$"
    kAmpersand = 3,       // "&"
    kFullWidthBlank = 4,  // 0x81 0x40
    kDisplayMath = 5,     // "$$"
};

// Window for commands that are not in the table.
constexpr int kCommandWindow = 28;

struct ColorCommand {
    std::string name;  // CP932 bytes, with the backslash
    unsigned color = 0;
    bool bold = false;
    bool italic = false;
    bool ast = false;
};

// The table in the form the scanner reads it.  Built once whenever the
// table changes: it keeps each name's length, the match window (longest
// name + 1) and, per byte after the backslash, the rows that can match
// there, so a backslash is tried against a handful of rows instead of all.
// Rows with an empty name can never be matched (they would colour nothing
// and stall the scan) and are left out; so are names that do not begin
// with a backslash, which no token can match, and names cut inside a
// double-byte character.
class ColorCommandTable {
public:
    ColorCommandTable() = default;
    explicit ColorCommandTable(std::vector<ColorCommand> rows) { assign(std::move(rows)); }
    void assign(std::vector<ColorCommand> rows);

    const std::vector<ColorCommand>& rows() const { return rows_; }
    int window() const { return window_; }
    // Row indices, in table order, that may match a backslash followed by
    // `next` (-1: the backslash is the last byte of the text).
    const std::vector<int>& candidates(int next) const;
    int nameLength(int row) const { return lengths_[size_t(row)]; }

private:
    std::vector<ColorCommand> rows_;
    std::vector<int> lengths_;
    int window_ = 1;
    std::array<std::vector<int>, 256> byNext_{};
    std::vector<int> shortRows_;  // names of length 1, candidates everywhere
};

// The colour table's rows in the scanner's form, names in CP932.
std::vector<ColorCommand> scannerRows(const std::vector<ColorCommandRow>& rows);

// One run of bytes with its format.
using FormatRun = FormatSpan;

// Position of the next token start in [from, to) and its kind, or -1.
// `from` must be on a character boundary.
int FindNextTokenStart(std::string_view text, int from, int to, bool zenOn, int& kind);

// Whether `window` begins with a command, and its coloured length.
bool TeXCommandLength(int& length, std::string_view window);

// Whether the table name stands whole at the start of `window`; sets the
// coloured length.  `remaining` is the number of bytes of the text from the
// window's start on.
bool MatchColorCommand(int& length, int nameLength, std::string_view window, int remaining, bool ast,
                       std::string_view name);

// The next token in [from, to) that gets a format, or -1.  For a command
// also its colour, bold and italic flags and its length.
int FindNextColoredToken(std::string_view text, int from, int to, const ColorCommandTable& table,
                         const ColorClassSettings& classes, int& kind, bool& italic, bool& bold, unsigned& color,
                         int& length);

// The formats of every byte of [from, to): consecutive runs, in order,
// covering the range without gaps.  Text between tokens gets `fontColor`.
std::vector<FormatRun> ColorizeRuns(std::string_view text, int from, int to, const ColorCommandTable& table,
                                    const ColorClassSettings& classes, unsigned fontColor);

// Line extension over the text (byte offsets): first position of the line
// holding q, and the position of the CR LF ending the line holding e (or
// the text length).
int LineStartOf(std::string_view text, int q);
int LineEndOf(std::string_view text, int e);

}  // namespace colour
