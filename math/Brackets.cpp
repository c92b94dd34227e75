#include "math/Brackets.h"

#include <array>

namespace brackets {

namespace {

const std::array<std::string, kDelimiterCount>& captions()
{
    static const std::array<std::string, kDelimiterCount> table = {"(", ")", "[", "]", "\\{", "\\}", "\\lfloor",
                                                                   "\\rfloor", "\\lceil", "\\rceil", "\\langle",
                                                                   "\\rangle", "/", "\\backslash", "|", "\\|",
                                                                   // "出力なし" in CP932
                                                                   "\x8f\x6f\x97\xcd\x82\xc8\x82\xb5"};
    return table;
}

constexpr std::array<const char*, kSizeCount> kSizes = {"\\left", "\\right", "", "\\big", "\\Big", "\\bigg", "\\Bigg"};
constexpr std::array<const char*, kKindCount> kKinds = {"l", "r", "m", ""};

int clamp(int index, int count) { return index >= 0 && index < count ? index : 0; }

}  // namespace

const std::string& delimiterCaption(int index) { return captions()[size_t(clamp(index, kDelimiterCount))]; }

std::string delimiterText(int index)
{
    index = clamp(index, kDelimiterCount);
    return index == kNoOutput ? std::string(".") : captions()[size_t(index)];
}

std::string sizeCommand(int size) { return kSizes[size_t(clamp(size, kSizeCount))]; }

std::string kindLetter(int kind) { return kKinds[size_t(clamp(kind, kKindCount))]; }

std::string bracketText(int delimiter, int size, int kind)
{
    size = clamp(size, kSizeCount);
    std::string text = sizeCommand(size);
    if (size >= kFirstFixedSize) text += kindLetter(kind);
    return text + delimiterText(delimiter);
}

int autoSizeFor(int delimiter)
{
    if (delimiter >= 12 && delimiter <= 15) return 2;
    if (delimiter == kNoOutput) return 1;
    return delimiter % 2 == 0 ? 0 : 1;
}

int kindFor(int delimiter, int current)
{
    if (delimiter >= 0 && delimiter <= 9) return delimiter % 2 == 0 ? 0 : 1;
    if (delimiter == 14) return 1;
    if (delimiter >= 10 && delimiter <= 13) return 3;
    return current;
}

}  // namespace brackets
