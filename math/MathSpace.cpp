#include "math/MathSpace.h"

namespace mathspace {

const std::array<Item, kSpaceCount>& spaces()
{
    static const std::array<Item, kSpaceCount> items{{
        {"半角空白(&H)", "\\ "},
        {"全角空白（クワタ）(&Z)", "\\quad "},
        {"クワタ２個分(&T)", "\\qquad "},
        {"クワタの1/6(&S)", "\\,"},
        {"クワタの2/9(&N)", "\\>"},
        {"クワタの5/18(&E)", "\\;"},
        {"クワタの-1/6(&M)", "\\!"},
    }};
    return items;
}

const std::array<Item, kFontCount>& fonts()
{
    static const std::array<Item, kFontCount> items{{
        {"ローマン体", "\\mathrm{"},
        {"サンセリフ体", "\\mathsf{"},
        {"タイプライタ体", "\\mathtt{"},
        {"ボールド体", "\\mathbf{"},
        {"イタリック体", "\\mathit{"},
        {"カリグラフィック体", "\\mathcal{"},
        {"明朝体", "\\mathmc{"},
        {"ゴシック体", "\\mathgt{"},
        {"標準フォント", "\\mathnormal{"},
    }};
    return items;
}

namespace {

template <size_t N>
std::string textAt(const std::array<Item, N>& items, int index)
{
    if (index < 0 || size_t(index) >= N) return {};
    return items[size_t(index)].text;
}

}  // namespace

std::string spaceCommand(int index) { return textAt(spaces(), index); }
std::string fontCommand(int index) { return textAt(fonts(), index); }

wrap::Insertion fontText(const std::string& opening, const wrap::EditorState& editor)
{
    // Without an opening a lone "}" would go in, or the selection would be
    // replaced by itself plus a stray brace.
    if (opening.empty()) return {};
    return wrap::inlineCommand(editor, opening, "}");
}

}  // namespace mathspace
