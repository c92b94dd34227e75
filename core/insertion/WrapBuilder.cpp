#include "core/insertion/WrapBuilder.h"

namespace wrap {

std::string lineStartBreak(const EditorState& editor) { return editor.caretNotAtLineStart ? "\r\n" : ""; }

Insertion inlineCommand(const EditorState& editor, std::string_view prefix, std::string_view suffix)
{
    Insertion out;
    out.text.append(prefix);
    if (editor.hasSelection()) {
        out.text += editor.selText;
    } else {
        out.caretBack = int(suffix.size());
    }
    out.text.append(suffix);
    return out;
}

Insertion environment(const EditorState& editor, std::string_view opening, std::string_view closing, int caretBack,
                      BreakSide side)
{
    Insertion out;
    out.text = lineStartBreak(editor);
    out.text.append(opening);
    if (editor.hasSelection()) out.text += editor.selText;
    out.text.append(closing);
    // The count is taken from the end, so the leading break leaves it alone.
    out.caretBack = editor.hasSelection() ? 0 : caretBack;
    out.side = side;
    return out;
}

Insertion templateText(const EditorState& editor, std::string_view text, int caretBack)
{
    Insertion out;
    out.text = lineStartBreak(editor);
    out.text.append(text);
    out.caretBack = caretBack;
    return out;
}

}  // namespace wrap
