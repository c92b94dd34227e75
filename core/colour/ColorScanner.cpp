// The token scanner of the syntax colouring.
#include "core/colour/ColorScanner.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace colour {
namespace {

constexpr unsigned char kCR = 0x0D;
constexpr unsigned char kLF = 0x0A;

inline unsigned char at(std::string_view s, int i) { return static_cast<unsigned char>(s[size_t(i)]); }

inline bool isLetterOrDigit(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

inline bool isCommandLetter(unsigned char c) { return isLetterOrDigit(c) || c == '@'; }

inline bool isBreak(unsigned char c) { return c == kCR || c == kLF; }

// Length of the character at i, never reaching past `end`.
inline int step(std::string_view text, int i, int end) { return cp932::isLeadByte(at(text, i)) && i + 1 < end ? 2 : 1; }

// A name whose last byte is a lead byte would leave the scan on the trail
// byte that follows it in the text.
bool endsInsideCharacter(std::string_view name)
{
    size_t i = 0;
    while (i < name.size()) i += cp932::isLeadByte(name[i]) ? 2 : 1;
    return i > name.size();
}

}  // namespace

void ColorCommandTable::assign(std::vector<ColorCommand> rows)
{
    rows_ = std::move(rows);
    lengths_.assign(rows_.size(), 0);
    for (auto& bucket : byNext_) bucket.clear();
    shortRows_.clear();
    int longest = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const std::string& name = rows_[i].name;
        lengths_[i] = int(name.size());
        if (name.empty() || name[0] != '\\' || endsInsideCharacter(name)) continue;
        longest = std::max(longest, int(name.size()));
        if (name.size() == 1) {
            shortRows_.push_back(int(i));
            for (auto& bucket : byNext_) bucket.push_back(int(i));
        } else {
            byNext_[static_cast<unsigned char>(name[1])].push_back(int(i));
        }
    }
    window_ = longest + 1;
}

std::vector<ColorCommand> scannerRows(const std::vector<ColorCommandRow>& rows)
{
    std::vector<ColorCommand> out;
    out.reserve(std::min(rows.size(), size_t(kMaxColorCommands)));
    for (const ColorCommandRow& r : rows) {
        if (out.size() >= size_t(kMaxColorCommands)) break;
        out.push_back({cp932::encode(r.name), r.color, r.bold, r.italic, r.ast});
    }
    return out;
}

const std::vector<int>& ColorCommandTable::candidates(int next) const
{
    return next < 0 ? shortRows_ : byNext_[size_t(next & 0xFF)];
}

int FindNextTokenStart(std::string_view text, int from, int to, bool zenOn, int& kind)
{
    to = std::min(to, int(text.size()));
    int pos = std::max(from, 0);
    while (pos < to) {
        const unsigned char c = at(text, pos);
        const bool pair = pos + 1 < to;
        if (cp932::isLeadByte(c)) {
            if (zenOn && pair && c == 0x81 && at(text, pos + 1) == 0x40) {
                kind = kFullWidthBlank;
                return pos;
            }
            pos += 2;
            continue;
        }
        if (c == '$' && pair && at(text, pos + 1) == '$') {
            kind = kDisplayMath;
            return pos;
        }
        switch (c) {
            case '%': kind = kComment; return pos;
            case '\\': kind = kCommand; return pos;
            case '$': kind = kInlineMath; return pos;
            case '&': kind = kAmpersand; return pos;
            default: ++pos;
        }
    }
    return -1;
}

bool TeXCommandLength(int& length, std::string_view w)
{
    length = 1;
    if (w.size() < 2) return false;
    const unsigned char second = static_cast<unsigned char>(w[1]);
    if (std::string_view("`'^~=.\"").find(char(second)) != std::string_view::npos) {
        // An accent over a double-byte character is not a command of its own.
        if (w.size() > 2 && cp932::isLeadByte(w[2])) return false;
        length = 2;
        return true;
    }
    if (std::string_view("#$%&_{}").find(char(second)) != std::string_view::npos) {
        length = 2;
        return true;
    }
    size_t n = 1;
    while (n < w.size() && isCommandLetter(static_cast<unsigned char>(w[n]))) ++n;
    if (n == 1) return false;
    length = int(n);
    return true;
}

bool MatchColorCommand(int& length, int nameLength, std::string_view window, int remaining, bool ast,
                       std::string_view name)
{
    const size_t n = size_t(nameLength);
    if (nameLength <= 0 || remaining < nameLength || window.size() < n || window.substr(0, n) != name) return false;
    length = nameLength;
    if (name == "\\\\" || remaining == nameLength || window.size() == n) return true;
    const unsigned char next = static_cast<unsigned char>(window[n]);
    if (ast && next == '*') length = nameLength + 1;
    if (isLetterOrDigit(next)) return name == "\\[" || name == "\\]";
    return true;
}

int FindNextColoredToken(std::string_view text, int from, int to, const ColorCommandTable& table,
                         const ColorClassSettings& classes, int& kind, bool& italic, bool& bold, unsigned& color,
                         int& length)
{
    const int textLength = int(text.size());
    to = std::min(to, textLength);
    int p = from;
    for (;;) {
        p = FindNextTokenStart(text, p, to, classes.ZenOn, kind);
        if (p < 0) return -1;
        if (kind != kCommand) return p;

        const std::string_view window = text.substr(size_t(p), size_t(table.window()));
        const int next = p + 1 < textLength ? at(text, p + 1) : -1;
        for (int row : table.candidates(next)) {
            const ColorCommand& c = table.rows()[size_t(row)];
            if (MatchColorCommand(length, table.nameLength(row), window, textLength - p, c.ast, c.name)) {
                color = c.color;
                bold = c.bold;
                italic = c.italic;
                return p;
            }
        }
        if (TeXCommandLength(length, text.substr(size_t(p), kCommandWindow))) {
            color = classes.GenTeXColor;
            bold = false;
            italic = false;
            return p;
        }
        // The backslash starts nothing: skip it and the character after it,
        // whole, so the scan never resumes on a trail byte (which may be
        // 0x5C and would look like another backslash).
        p += 1;
        if (p < textLength) p += step(text, p, textLength);
        if (p > to - 1) return -1;
    }
}

std::vector<FormatRun> ColorizeRuns(std::string_view text, int from, int to, const ColorCommandTable& table,
                                    const ColorClassSettings& c, unsigned fontColor)
{
    std::vector<FormatRun> runs;
    const int textLength = int(text.size());
    to = std::min(to, textLength);
    from = std::max(from, 0);
    if (from >= to) return runs;
    // A LaTeX text has a run every few bytes; growing the list by doubling
    // would copy it over and over.
    runs.reserve(size_t(to - from) / 4 + 8);

    // A token that runs past `to` is coloured only up to it: the caller
    // asked for [from, to).
    auto add = [&](int start, int end, const CharFormat& format) {
        end = std::min(end, to);
        if (end > start) runs.push_back({start, end - start, format});
    };
    const CharFormat plain{fontColor};
    const CharFormat math{c.DollerColor, false, c.DollerItalic};

    int cur = from;
    while (cur <= to - 1) {
        int kind = 0, length = 0;
        bool italic = false, bold = false;
        unsigned color = 0;
        const int p = FindNextColoredToken(text, cur, to, table, c, kind, italic, bold, color, length);
        if (p < 0) break;
        add(cur, p, plain);
        int q = p;
        switch (kind) {
            case kCommand:
                q = p + length;
                add(p, q, CharFormat{color, bold, italic});
                break;
            case kInlineMath:
                q = p + 1;
                while (q < to && !isBreak(at(text, q))) {
                    if (at(text, q) == '$') {
                        ++q;
                        break;
                    }
                    q += step(text, q, to);
                }
                add(p, q, math);
                break;
            case kDisplayMath:
                q = p + 2;
                while (q < to && !isBreak(at(text, q))) {
                    if (at(text, q) == '$' && q + 1 < to && at(text, q + 1) == '$') {
                        q += 2;
                        break;
                    }
                    q += step(text, q, to);
                }
                add(p, q, math);
                break;
            case kComment:
                q = p + 1;
                while (q < to && !isBreak(at(text, q))) q += step(text, q, to);
                add(p, q, CharFormat{c.RemColor, false, c.RemItalic});
                break;
            case kAmpersand:
                q = p + 1;
                add(p, q, CharFormat{c.AndColor, false, c.AndItalic});
                break;
            case kFullWidthBlank:
                q = p + 2;
                add(p, q, CharFormat{c.ZenColor, false, false, true});
                break;
        }
        cur = q;
    }
    add(cur, to, plain);
    return runs;
}

int LineStartOf(std::string_view text, int q)
{
    q = std::clamp(q, 0, int(text.size()));
    while (q >= 2) {
        if (cp932::isLeadByte(at(text, q - 2))) {
            q -= 2;
        } else if (at(text, q - 2) == kCR && at(text, q - 1) == kLF) {
            return q;
        } else {
            q -= 1;
        }
    }
    return 0;
}

int LineEndOf(std::string_view text, int e)
{
    const int length = int(text.size());
    e = std::max(e, 0);
    while (e <= length) {
        if (e >= length - 1) return length;
        if (at(text, e) == kCR && at(text, e + 1) == kLF) return e;
        e += cp932::isLeadByte(at(text, e)) ? 2 : 1;
    }
    return length;
}

}  // namespace colour
