#include "math/MathModes.h"

namespace mathmodes {

const std::array<Mode, kModeCount>& modes()
{
    static const std::array<Mode, kModeCount> table{{
        {"MenuMathModeDollar", "文中に挿入(&B) / $$", "Shift+F1", "ToolButtonMath1",
         "$ , math環境 / 文中に数式を出力します｡", "$", "$", false, 1},
        {"MenuMathMode1Line", "１行出力(&D) / \\[", "Shift+F2", "ToolButtonMath2",
         "\\[ , displaymath環境 / １行の数式を出力します｡", "\\[\r\n", "\r\n\\]\r\n", true, 5},
        {"MenuMathModeEquation", "１行出力番号付き(&T) / equation環境", "Shift+F3", "ToolButtonMath3",
         "equation環境 / １行の数式を番号付きで出力します｡", "\\begin{equation}\r\n", "\r\n\\end{equation}\r\n", true,
         17},
        {"MenuMathModeEqnAsta", "複数行番号なし(&N) / eqnarray*環境", "Shift+F4", "ToolButtonMath4",
         "eqnarray*環境 / 数式を別行（複数行番号なし）で出力します｡", "\\begin{eqnarray*}\r\n",
         "\r\n\\end{eqnarray*}\r\n", true, 18},
        {"MenuMathModeEqn", "複数行番号付き(&E) / eqnarray環境", "Shift+F5", "ToolButtonMath5",
         "eqnarray環境 / 数式を別行（複数行番号付き）で出力します｡", "\\begin{eqnarray}\r\n", "\r\n\\end{eqnarray}\r\n",
         true, 17},
    }};
    return table;
}

const Mode& mode(ModeKind kind) { return modes()[size_t(kind)]; }

wrap::Insertion modeText(const Mode& mode, const wrap::EditorState& editor)
{
    if (!mode.ownLine) return wrap::inlineCommand(editor, mode.opening, mode.closing);
    // The count lands between the CR and the LF that end the empty middle
    // line; the caret is put before the CR, i.e. on that line, where the body
    // is to be typed.
    return wrap::environment(editor, mode.opening, mode.closing, mode.caretBack, BreakSide::BeforeCR);
}

std::string toolHint(const Mode& mode)
{
    std::string hint = mode.hint;
    static const std::string stop = "｡";
    if (hint.size() >= stop.size() && hint.compare(hint.size() - stop.size(), stop.size(), stop) == 0)
        hint.resize(hint.size() - stop.size());
    return hint + "  " + mode.shortcut;
}

const std::array<Style, kStyleCount>& styles()
{
    static const std::array<Style, kStyleCount> table{{
        {"MenuMathSizeTextstyle", "文書中の数式のサイズ(&T) / \\textstyle",
         "\\textstyle/文書中の数式と同じサイズにします。", "\\textstyle "},
        {"MenuMathSizeDispsty", "別行数式のサイズ(&D) / \\displaystyle",
         "\\displaystyle/数式が別の行に記述された時と同じサイズにします。", "\\displaystyle "},
        {"MenuMathSizeScriptsty", "添え字の数式のサイズ(&S) / \\scriptstyle",
         "\\scriptstyle / 添え字の時の数式と同じサイズにします。", "\\scriptstyle "},
        {"MenuMathSizeSSScrSty", "添え字の添え字の数式のサイズ(&Z) / \\scriptscriptstyle",
         "\\scriptscriptstyle / 添え字に、さらに添え字にした時の数式と同じサイズにします。", "\\scriptscriptstyle "},
    }};
    return table;
}

}  // namespace mathmodes
