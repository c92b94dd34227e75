#pragma once
// The wrapping rules every insertion command shares: what text goes in and
// where the caret ends, as a pure function of what the command reads from the
// editor.  Texts are CP932 bytes with CR LF; every count is in bytes.
#include <string>
#include <string_view>

#include "platform/RichEdit.h"  // BreakSide

namespace wrap {

// What an insertion command reads from the editor before it inserts.
struct EditorState {
    int selLength = 0;
    std::string selText;
    bool caretNotAtLineStart = false;
    bool hasSelection() const { return selLength > 0; }
};

// The text to put over the selection, and how far the caret moves back from
// the end of it afterwards.  side says on which side of a CR LF the caret
// stands when the move lands between the CR and the LF of one break.
struct Insertion {
    std::string text;
    int caretBack = 0;
    BreakSide side = BreakSide::BeforeCR;
    bool operator==(const Insertion&) const = default;
};

// prefix + selection + suffix; without a selection prefix + suffix with the
// caret between them.
Insertion inlineCommand(const EditorState& editor, std::string_view prefix, std::string_view suffix);

// opening + selection + closing, on a line of its own.  Without a selection
// the caret moves back caretBack positions; for the text environments that
// lands between the CR and LF after the opening line, and the user is to type
// on the empty line that follows, hence AfterLF by default.
Insertion environment(const EditorState& editor, std::string_view opening, std::string_view closing, int caretBack,
                      BreakSide side = BreakSide::AfterLF);

// A multi-line template with a placeholder, on a line of its own, the caret
// caretBack positions from its end.
Insertion templateText(const EditorState& editor, std::string_view text, int caretBack);

// "\r\n" when the caret is inside a line, so that what follows starts one.
std::string lineStartBreak(const EditorState& editor);

}  // namespace wrap
