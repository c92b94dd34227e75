#pragma once
// Breaks and text-mode spaces: the commands and captions of the break
// chooser, the fixed spaces and the three space dialogs, as pure functions
// of the dialog state.  Texts are CP932 bytes; captions are UTF-8 literals.
#include <array>
#include <string>

namespace breaks {

struct Break {
    const char* command;    // inserted text
    const char* caption;    // dialog item and pop-up item
    const char* popupItem;  // component name of the pop-up item
};
constexpr int kBreakCount = 8;
const std::array<Break, kBreakCount>& breakTable();
// The break command of a radio index; empty for an index out of the table.
std::string breakCommand(int index);
// What the pop-up inserts as its second insertion after the command: a line
// break, except after \noindent, which must stay in front of its paragraph.
std::string popupBreakTail(int index);

struct FixedSpace {
    const char* text;
    const char* menuItem;
    const char* menuCaption;
    const char* popupItem;
    const char* popupCaption;
};
constexpr int kFixedSpaceCount = 4;
const std::array<FixedSpace, kFixedSpaceCount>& fixedSpaces();
// The fixed space of a Tag; empty for a Tag out of the table.
std::string fixedSpace(int tag);

// \vspace, \vspace*, \hspace or \hspace* for kind 0 to 3, with the amount in mm.
std::string explicitSpace(int kind, int amountMm);
// \vfill, \vfil, \hfill or \hfil with its trailing blank.
std::string fillSpace(int kind, int ignored);
// A vertical stretchable space is followed by a line break of its own.
bool fillIsVertical(int kind);
// \smallskip, \medskip or \bigskip.
std::string paragraphSpace(int index);

}  // namespace breaks
