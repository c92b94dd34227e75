#pragma once
// The math modes and math styles: their tables and the texts they insert,
// apart from any widget.
#include <array>
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace mathmodes {

// ---- math modes: in-line, one displayed line, the numbered environments ----
struct Mode {
    const char* menuItem;
    const char* menuCaption;  // UTF-8
    const char* shortcut;
    const char* toolButton;
    const char* hint;  // UTF-8, status-bar hint of the menu item
    const char* opening;
    const char* closing;
    bool ownLine;   // starts a line of its own
    int caretBack;  // without a selection, from the end of the text
};
constexpr int kModeCount = 5;
const std::array<Mode, kModeCount>& modes();
enum ModeKind { Dollar, OneLine, Equation, EqnArrayStar, EqnArray };
const Mode& mode(ModeKind kind);

// opening + selection + closing; the display forms get a break in front when
// the caret is inside a line.  Without a selection the caret goes into the
// body: between the dollar signs, or onto the empty middle line.
wrap::Insertion modeText(const Mode& mode, const wrap::EditorState& editor);

// Tool-button hint: the menu hint without its closing "｡", two blanks and the
// shortcut.
std::string toolHint(const Mode& mode);  // UTF-8

// ---- math styles: a declaration and a blank at the caret ----
struct Style {
    const char* menuItem;
    const char* menuCaption;  // UTF-8
    const char* hint;         // UTF-8
    const char* declaration;  // with its trailing blank
};
constexpr int kStyleCount = 4;
const std::array<Style, kStyleCount>& styles();

constexpr int kModeMenuHelpContext = 7020;
constexpr int kStyleMenuHelpContext = 7060;

}  // namespace mathmodes
