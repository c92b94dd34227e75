#pragma once
// Expected insertions written with a caret marker: "\\frac{[*]}{}" is the
// text "\\frac{}{}" with the caret moved back 3 from its end.
#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"

namespace testsupport {

constexpr std::string_view kCaret = "[*]";

// The text without its marker, the caret counted back from the end; a text
// without a marker leaves the caret at the end.
inline wrap::Insertion caretText(std::string_view marked)
{
    std::string text(marked);
    const size_t at = text.find(kCaret);
    if (at == std::string::npos) return wrap::Insertion{text, 0};
    text.erase(at, kCaret.size());
    return wrap::Insertion{text, int(text.size() - at)};
}

// The position of the marker from the start, for checking an editor's caret.
inline int caretPosition(std::string_view marked) { return int(marked.find(kCaret)); }
inline std::string withoutCaret(std::string_view marked) { return caretText(marked).text; }

}  // namespace testsupport
