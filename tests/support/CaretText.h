#pragma once
// Expected editor text written with a marker where the caret stands, so that
// tests say where the caret lands instead of counting bytes by hand.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"

namespace testsupport {

// The marker; it never occurs in the LaTeX the commands build.
inline constexpr std::string_view kCaret = "<|>";

struct CaretText {
    std::string text;  // without the marker
    int caret = -1;    // where the marker stood
};

inline CaretText caretText(std::string_view marked)
{
    const size_t at = marked.find(kCaret);
    EXPECT_NE(at, std::string_view::npos) << "no caret marker in the expected text";
    if (at == std::string_view::npos) return {std::string(marked), -1};
    std::string text(marked.substr(0, at));
    text.append(marked.substr(at + kCaret.size()));
    return {text, int(at)};
}

// An insertion's text with the marker where its caret ends.
inline std::string marked(const wrap::Insertion& insertion)
{
    std::string text = insertion.text;
    const size_t at = text.size() - size_t(insertion.caretBack);
    text.insert(at, kCaret);
    return text;
}

}  // namespace testsupport
