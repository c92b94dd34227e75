#pragma once
// Math-mode spaces and math alphabets: their item tables and the texts they
// insert, apart from any widget.
#include <array>
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace mathspace {

struct Item {
    const char* caption;  // UTF-8, as shown in the dialog
    const char* text;     // document bytes (ASCII)
};

constexpr int kSpaceCount = 7;
constexpr int kFontCount = 9;

const std::array<Item, kSpaceCount>& spaces();
const std::array<Item, kFontCount>& fonts();

// The spacing command of an item; "" for no item (or one out of range).
std::string spaceCommand(int index);
// The opening of a math alphabet, such as "\mathrm{"; "" for no item.
std::string fontCommand(int index);

// opening + selection + "}", or opening + "}" with the caret between the
// braces.  An empty opening (nothing chosen) inserts nothing.
wrap::Insertion fontText(const std::string& opening, const wrap::EditorState& editor);

constexpr int kSpaceHelpContext = 7160;
constexpr int kFontHelpContext = 7040;

}  // namespace mathspace
