#include "core/tools/TextTools.h"

#include "platform/Cp932.h"

namespace texttools {

std::vector<int> fullWidthBlankPositions(const std::string& text)
{
    std::vector<int> hits;
    for (size_t p = 0; p < text.size();) {
        const int length = cp932::charLength(text, p);
        if (length == 2 && text[p] == '\x81' && text[p + 1] == '\x40') hits.push_back(static_cast<int>(p));
        p += static_cast<size_t>(length);
    }
    return hits;
}

std::string fullWidthReplacement(int item)
{
    switch (item) {
        case 0: return " ";
        case 1: return "  ";
        case 2: return "\\qquad ";
        default: return "";
    }
}

std::string replaceFullWidthBlanks(const std::string& text, const std::string& replacement, int* count)
{
    const std::vector<int> hits = fullWidthBlankPositions(text);
    std::string out;
    out.reserve(text.size());
    size_t copied = 0;
    for (int hit : hits) {
        out.append(text, copied, hit - copied);
        out += replacement;
        copied = static_cast<size_t>(hit) + 2;
    }
    out.append(text, copied, std::string::npos);
    if (count) *count = static_cast<int>(hits.size());
    return out;
}

std::string replaceTabs(const std::string& text, int n, int* count)
{
    std::string out;
    int tabs = 0;
    for (char c : text) {
        // A tab byte is never the second byte of a double-byte character.
        if (c == '\t') {
            out.append(static_cast<size_t>(n), ' ');
            ++tabs;
        } else {
            out += c;
        }
    }
    if (count) *count = tabs;
    return out;
}

int trimmedLength(const std::string& line)
{
    size_t end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= 32) --end;
    return static_cast<int>(end);
}

int digitCount(int n)
{
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

std::string lineNumberPrefix(int number, int width)
{
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<size_t>(width) - digits.size(), ' ');
    return digits + " ";
}

}  // namespace texttools
