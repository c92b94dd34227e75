#include "insert/FontsBuilder.h"

namespace fonts {

namespace {

const std::array<KindRow, kKindCount>& rows()
{
    static const std::array<KindRow, kKindCount> table = {{
        {"MenuFormatFontFamily",
         6040,
         "フォント変更(&F)...",
         "ToolButtonShoFont",
         "F",
         "フォント変更",
         "フォントを指定します。",
         {"Roman", "Sans Serif", "Typewriter", "明朝体（全角文字）", "ゴシック体（全角文字）"},
         {"\\textrm", "\\textsf", "\\texttt", "\\textmc", "\\textgt"},
         {"\\rmfamily", "\\sffamily", "\\ttfamily", "\\mcfamily", "\\gtfamily"}},
        {"MenuFormatFontSeries",
         6060,
         "太字(&B)...",
         "ToolButtonShoFontBold",
         "B",
         "太字",
         "太字／標準を指定します。",
         {"Boldface（太字）", "Midiumface（標準）"},
         {"\\textbf", "\\textmd"},
         {"\\bfseries", "\\mdseries"}},
        {"MenuFormatFontShape",
         6080,
         "イタリック体等(&I)...",
         "ToolButtonShoFontItalic",
         "I",
         "イタリック体等",
         "イタリック体等の指定をします。",
         {"Italic", "Slanted", "Small Caps"},
         {"\\textit", "\\textsl", "\\textsc"},
         {"\\itshape", "\\slshape", "\\scshape"}},
        {"MenuFormatFontSize",
         6100,
         "フォント･サイズ変更(&S)...",
         "ToolButtonShoFontSize",
         "S",
         "フォント・サイズ",
         "フォントのサイズを指定します。",
         {"縮小４", "縮小３", "縮小２", "縮小１", "標準", "拡大１", "拡大２", "拡大３", "拡大４", "拡大５"},
         {"\\tiny", "\\scriptsize", "\\footnotesize", "\\small", "\\normalsize", "\\large", "\\Large", "\\LARGE",
          "\\huge", "\\Huge"},
         {"\\tiny", "\\scriptsize", "\\footnotesize", "\\small", "\\normalsize", "\\large", "\\Large", "\\LARGE",
          "\\huge", "\\Huge"}},
    }};
    return table;
}

std::string pick(const std::vector<const char*>& list, int index)
{
    if (index < 0 || index >= int(list.size())) return {};
    return list[size_t(index)];
}

}  // namespace

const KindRow& kindRow(Kind kind) { return rows()[size_t(kind)]; }

int dialogKind(Kind kind, Scope scope)
{
    if (kind == Size) return 3;
    return scope == DeclarationScope ? int(kind) : int(kind) + 4;
}

std::string makeFontCommand(int kind, int index)
{
    if (kind == 3) return pick(rows()[Size].declarations, index);
    if (kind >= 0 && kind <= 2) return pick(rows()[size_t(kind)].declarations, index);
    if (kind >= 4 && kind <= 6) return pick(rows()[size_t(kind - 4)].commands, index);
    return {};
}

wrap::Insertion fontInsertion(Kind kind, const wrap::EditorState& editor, int entry, int scope)
{
    const Scope form = editor.hasSelection() || scope != DeclarationScope ? CommandScope : DeclarationScope;
    const std::string command = makeFontCommand(dialogKind(kind, form), entry);
    if (command.empty()) return {};
    if (form == DeclarationScope) return {command + "\r\n"};
    if (kind == Size) return {"{" + command + " " + editor.selText + "}"};
    if (editor.hasSelection()) return {command + "{" + editor.selText + "}"};
    return {command + "{}", 1};
}

}  // namespace fonts
