#include "math/Fractions.h"

namespace fractions {

wrap::Insertion fractionText(const wrap::EditorState& editor)
{
    wrap::Insertion out;
    if (editor.hasSelection()) {
        out.text = "\\frac{" + editor.selText + "}{}";
        out.caretBack = 1;
    } else {
        out.text = "\\frac{}{}";
        out.caretBack = 3;
    }
    return out;
}

std::string rootCommand(bool square, const std::string& degree)
{
    return square ? std::string("\\sqrt") : "\\sqrt[" + degree + "]";
}

wrap::Insertion rootText(const std::string& command, const wrap::EditorState& editor)
{
    return wrap::inlineCommand(editor, command + "{", "}");
}

}  // namespace fractions
