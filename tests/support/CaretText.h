#pragma once
// Expected editor text written with a caret marker, so that tests state
// where the caret ends instead of counting bytes by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/Cp932.h"

namespace testsupport {

struct CaretText {
    std::string text;
    int caret = -1;
};

// The first place at or after from where the marker starts a character, so
// that the second byte of a double-byte character is never taken for it.
inline size_t findMarker(const std::string& marked, const std::string& marker, size_t from)
{
    for (size_t i = 0; i < marked.size(); i += size_t(std::max(1, cp932::charLength(marked, i))))
        if (i >= from && marked.compare(i, marker.size(), marker) == 0) return i;
    return std::string::npos;
}

// "ab|cd" gives {"abcd", 2}.  The marker must occur exactly once.
inline CaretText splitCaret(const std::string& marked, const std::string& marker = "|")
{
    CaretText out;
    const size_t at = findMarker(marked, marker, 0);
    EXPECT_NE(at, std::string::npos) << "no caret marker in: " << marked;
    if (at == std::string::npos) {
        out.text = marked;
        return out;
    }
    EXPECT_EQ(findMarker(marked, marker, at + marker.size()), std::string::npos) << "two caret markers in: " << marked;
    out.text = marked.substr(0, at) + marked.substr(at + marker.size());
    out.caret = int(at);
    return out;
}

// The reverse: text with the marker put in at the caret, for comparing a
// builder's text and caret with one marked expectation.
inline std::string markCaret(const std::string& text, int caret, const std::string& marker = "|")
{
    EXPECT_GE(caret, 0);
    EXPECT_LE(caret, int(text.size()));
    std::string out = text;
    out.insert(size_t(std::clamp(caret, 0, int(text.size()))), marker);
    return out;
}

// A builder's insertion (its text, and the caret counted back from the end)
// with the marker at the caret.
template <class Insertion>
std::string markInsertion(const Insertion& ins, const std::string& marker = "|")
{
    return markCaret(ins.text, int(ins.text.size()) - ins.caretBack, marker);
}

// The caret marker of table and figure texts, where "|" is a column rule.
inline constexpr const char* kTableCaret = "<|>";

}  // namespace testsupport
