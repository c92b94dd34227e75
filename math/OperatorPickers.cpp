// Operators, relations, symbols, large operators, math accents, dots and
// arrows.  The entries marked latexsym need that package; the dialog says so
// before inserting them, the pop-ups do not.
#include "core/session/Session.h"
#include "math/MathLastUsed.h"
#include "math/SymbolPickers.h"

namespace mathpickers {

namespace {

constexpr const char* kNoSymbol = "記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。";
constexpr const char* kNoAccent = "アクセント記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。";
constexpr const char* kLatexsym =
    "注意:\r\nこの記号を出力するには、latexsym.styﾊﾟｯｹｰｼﾞを\r\nプリアンブル部で読み込んでいる必要があります。";
// The arrow dialog has always written its notice without the colon.
constexpr const char* kLatexsymArrow =
    "注意\r\nこの記号を出力するには、latexsym.styﾊﾟｯｹｰｼﾞを\r\nプリアンブル部で読み込んでいる必要があります。";

constexpr picker::Row latexsym(const char* caption, const char* picture)
{
    return {caption, picture, nullptr, nullptr, nullptr, true};
}

constexpr picker::Row kBinaryRows[] = {
    {"\\times", "×"},
    {"\\div", "÷"},
    {"\\ast", "∗"},
    {"\\star", "⋆"},
    {"\\pm", "±"},
    {"\\mp", "∓"},
    {"\\circ", "∘"},
    {"\\bullet", "∙"},
    {"\\cdot", "⋅"},
    {"\\cap", "∩"},
    {"\\cup", "∪"},
    {"\\uplus", "⊎"},
    {"\\sqcap", "⊓"},
    {"\\sqcup", "⊔"},
    {"\\vee", "∨"},
    {"\\wedge", "∧"},
    {"\\setminus", "∖"},
    {"\\wr", "≀"},
    {"\\diamond", "⋄"},
    {"\\bigtriangleup", "△"},
    {"\\bigtriangledown", "▽"},
    {"\\triangleleft", "◁"},
    {"\\triangleright", "▷"},
    {"\\oplus", "⊕"},
    {"\\ominus", "⊖"},
    {"\\otimes", "⊗"},
    {"\\oslash", "⊘"},
    {"\\odot", "⊙"},
    {"\\bigcirc", "◯"},
    {"\\dagger", "†"},
    {"\\ddagger", "‡"},
    {"\\amalg", "⨿"},
    latexsym("\\lhd", "⊲"),
    latexsym("\\rhd", "⊳"),
    latexsym("\\unlhd", "⊴"),
    latexsym("\\unrhd", "⊵"),
};

constexpr picker::Row kRelationRows[] = {
    {"\\le", "≤"},
    {"\\ge", "≥"},
    {"\\ll", "≪"},
    {"\\gg", "≫"},
    {"\\subset", "⊂"},
    {"\\supset", "⊃"},
    {"\\subseteq", "⊆"},
    {"\\supseteq", "⊇"},
    {"\\sqsubseteq", "⊑"},
    {"\\sqsupseteq", "⊒"},
    {"\\prec", "≺"},
    {"\\succ", "≻"},
    {"\\preceq", "⪯"},
    {"\\succeq", "⪰"},
    {"\\in", "∈"},
    {"\\notin", "∉"},
    {"\\ni", "∋"},
    {"\\vdash", "⊢"},
    {"\\dashv", "⊣"},
    {"\\smile", "⌣"},
    {"\\frown", "⌢"},
    {"\\neq", "≠"},
    {"\\doteq", "≐"},
    {"\\propto", "∝"},
    {"\\equiv", "≡"},
    {"\\sim", "∼"},
    {"\\simeq", "≃"},
    {"\\asymp", "≍"},
    {"\\approx", "≈"},
    {"\\cong", "≅"},
    {"\\models", "⊨"},
    {"\\perp", "⊥"},
    {"\\mid", "∣"},
    {"\\parallel", "∥"},
    {"\\bowtie", "⋈"},
    latexsym("\\Join", "▷◁"),
    latexsym("\\sqsubset", "⊏"),
    latexsym("\\sqsupset", "⊐"),
};

constexpr picker::Row kSymbolRows[] = {
    {"\\aleph", "ℵ"},       {"\\hbar", "ℏ"},      {"\\imath", "ı"},       {"\\jmath", "ȷ"},
    {"\\ell", "ℓ"},         {"\\wp", "℘"},        {"\\Re", "ℜ"},          {"\\Im", "ℑ"},
    {"\\partial", "∂"},     {"\\infty", "∞"},     {"\\prime", "′"},       {"\\emptyset", "∅"},
    {"\\nabla", "∇"},       {"\\surd", "√"},      {"\\|", "‖"},           {"\\top", "⊤"},
    {"\\bot", "⊥"},         {"\\angle", "∠"},     {"\\triangle", "△"},    {"\\forall", "∀"},
    {"\\exists", "∃"},      {"\\neg", "¬"},       {"\\backslash", "\\"},  {"\\flat", "♭"},
    {"\\natural", "♮"},     {"\\sharp", "♯"},     {"\\clubsuit", "♣"},    {"\\diamondsuit", "♢"},
    {"\\heartsuit", "♡"},   {"\\spadesuit", "♠"}, latexsym("\\Box", "□"), latexsym("\\Diamond", "◇"),
    latexsym("\\mho", "℧"),
};

constexpr picker::Row kLargeOperatorRows[] = {
    {"\\int", "∫"},     {"\\oint", "∮"},      {"\\sum", "∑"},      {"\\prod", "∏"},     {"\\coprod", "∐"},
    {"\\bigcap", "⋂"},  {"\\bigcup", "⋃"},    {"\\bigwedge", "⋀"}, {"\\bigvee", "⋁"},   {"\\bigsqcup", "⨆"},
    {"\\bigodot", "⨀"}, {"\\bigotimes", "⨂"}, {"\\bigoplus", "⨁"}, {"\\biguplus", "⨄"},
};

// Each accent over an "a"; the wide ones over "AB", with the mark stretched.
constexpr picker::Row kSmallAccentRows[] = {
    {"\\vec", "a\u20D7"}, {"\\dot", "ȧ"}, {"\\ddot", "ä"},  {"\\acute", "á"}, {"\\grave", "à"},
    {"\\bar", "ā"},       {"\\hat", "â"}, {"\\check", "ǎ"}, {"\\breve", "ă"}, {"\\tilde", "ã"},
};

constexpr picker::Row kBigAccentRows[] = {
    {"\\overrightarrow", "AB^→"}, {"\\overleftarrow", "AB^←"}, {"\\overline", "AB^‾"}, {"\\underline", "AB_‾"},
    {"\\overbrace", "AB^⏞"},      {"\\underbrace", "AB_⏟"},    {"\\widehat", "AB^ˆ"},  {"\\widetilde", "AB^~"},
};

constexpr picker::Row kDotsRows[] = {
    {"\\ldots", "…"},
    {"\\cdots", "⋯"},
    {"\\vdots", "⋮"},
    {"\\ddots", "⋱"},
};

constexpr picker::Row kArrowRows[] = {
    {"\\gets", "←"},
    {"\\longleftarrow", "⟵"},
    {"\\Leftarrow", "⇐"},
    {"\\Longleftarrow", "⟸"},
    {"\\to", "→"},
    {"\\longrightarrow", "⟶"},
    {"\\Rightarrow", "⇒"},
    {"\\Longrightarrow", "⟹"},
    {"\\leftrightarrow", "↔"},
    {"\\longleftrightarrow", "⟷"},
    {"\\Leftrightarrow", "⇔"},
    {"\\Longleftrightarrow", "⟺"},
    {"\\mapsto", "↦"},
    {"\\longmapsto", "⟼"},
    {"\\hookleftarrow", "↩"},
    {"\\hookrightarrow", "↪"},
    {"\\leftharpoonup", "↼"},
    {"\\rightharpoonup", "⇀"},
    {"\\leftharpoondown", "↽"},
    {"\\rightharpoondown", "⇁"},
    {"\\rightleftharpoons", "⇌"},
    {"\\uparrow", "↑"},
    {"\\Uparrow", "⇑"},
    {"\\downarrow", "↓"},
    {"\\Downarrow", "⇓"},
    {"\\updownarrow", "↕"},
    {"\\Updownarrow", "⇕"},
    {"\\nearrow", "↗"},
    {"\\searrow", "↘"},
    {"\\swarrow", "↙"},
    {"\\nwarrow", "↖"},
    latexsym("\\leadsto", "⇝"),
};

}  // namespace

const picker::Family kMathSymbol{
    .dialogName = "TFormMathKigou",
    .caption = "数学記号",
    .helpContext = 7120,
    .width = 450,
    .height = 441,
    .boxWidth = 433,
    .boxHeight = 385,
    .emptyMessage = kNoSymbol,
    .messageCaption = "数学記号",
    .notice = kLatexsym,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathKigou; },
    .menuItem = "MenuMathKigou",
    .menuCaption = "数学記号(&Z)...",
    .shortcut = "Shift+F10",
    .menuHelpContext = 7280,
    .hint = "数学記号（∞など）を挿入します。",
    .toolButton = "ToolButtonMathInfty",
    .toolHint = "数学記号（∞など）を挿入します  Shift+F10",
    .toolFace = "∞",
    .popupName = "PopupMenuMathKigou",
    .repeatItem = "PMMathKigouPrev",
    .itemPrefix = "PMMathKigou",
    .rows = kSymbolRows,
};

const picker::Family kBinaryOperator{
    .dialogName = "TFormMathEnzansi",
    .caption = "演算子",
    .helpContext = 7130,
    .width = 465,
    .height = 402,
    .boxWidth = 449,
    .boxHeight = 345,
    .emptyMessage = kNoSymbol,
    .messageCaption = "演算子",
    .notice = kLatexsym,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathEnzansi; },
    .menuItem = "MenuMathEnzansi",
    .menuCaption = "演算子(&E)...",
    .shortcut = "Shift+F11",
    .menuHelpContext = 7300,
    .hint = "演算子（×、÷など）を挿入します。",
    .toolButton = "ToolButtonMathTimes",
    .toolHint = "演算子（×、÷など）を挿入します  Shift+F11",
    .toolFace = "×",
    .popupName = "PopupMenuMathEnzansi",
    .repeatItem = "PMMathEnzansiPrev",
    .itemPrefix = "PMMathEnzansi",
    .rows = kBinaryRows,
};

const picker::Family kRelation{
    .dialogName = "TFormMathKankeisi",
    .caption = "関係子",
    .helpContext = 7140,
    .width = 465,
    .height = 393,
    .boxWidth = 449,
    .boxHeight = 337,
    .emptyMessage = kNoSymbol,
    .messageCaption = "関係子",
    .notice = kLatexsym,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathKankeisi; },
    .menuItem = "MenuMathKankeisi",
    .menuCaption = "関係子(&X)...",
    .shortcut = "Shift+F12",
    .menuHelpContext = 7320,
    .hint = "関係（<など）子を挿入します。",
    .toolButton = "ToolButtonMathKankei",
    .toolHint = "関係（<など）子を挿入します  Shift+F12",
    .toolFace = "≤",
    .popupName = "PopupMenuMathKankeisi",
    .repeatItem = "PMMathKankeisiPrev",
    .itemPrefix = "PMMathKankeisi",
    .rows = kRelationRows,
};

const picker::Family kLargeOperator{
    .dialogName = "TFormMathIntKigou",
    .caption = "和・積分記号等",
    .choice = picker::Choice::AtIndex,
    .helpContext = 7110,
    .width = 337,
    .height = 347,
    .boxWidth = 321,
    .boxHeight = 289,
    .emptyMessage = kNoSymbol,
    .messageCaption = "数式記号",
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathInt; },
    .menuItem = "MenuMathIntegral",
    .menuCaption = "和・積分記号等(&I)...",
    .shortcut = "Shift+F9",
    .menuHelpContext = 7260,
    .hint = "Σ･∫記号等を挿入します。",
    .toolButton = "ToolButtonMathInt",
    .toolHint = "Σ･∫記号等を挿入します  Shift+F9",
    .toolFace = "∫",
    .popupName = "PopupMenuMathInt",
    .repeatItem = "PMMathIntPrev",
    .itemPrefix = "PMMathInt",
    .rows = kLargeOperatorRows,
};

const picker::Family kSmallAccent{
    .dialogName = "TFormMathSmallAccent",
    .caption = "数式アクセント（1文字用）",
    .finish = picker::Finish::Accent,
    .helpContext = 7220,
    .width = 275,
    .height = 210,
    .boxWidth = 257,
    .boxHeight = 161,
    .emptyMessage = kNoAccent,
    .messageCaption = "数式アクセント（小）",
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathSmallAccent; },
    .menuItem = "MenuMathSmallAccent",
    .menuCaption = "数式アクセント（1文字用）(&A)...",
    .menuHelpContext = 7220,
    .hint = "数式モードで１文字にアクセント記号を付けます。",
    .toolButton = "ToolButtonMathAccent1",
    .toolHint = "数式モードで１文字にアクセント記号を付けます。",
    .toolFace = "â",
    .popupName = "PopupMenuMathSmallAccent",
    .repeatItem = "PMMathSmallAccentPrev",
    .itemPrefix = "PMMathSmallAccent",
    .rows = kSmallAccentRows,
};

const picker::Family kBigAccent{
    .dialogName = "TFormBigMathAccent",
    .caption = "数式アクセント（2文字以上）",
    .choice = picker::Choice::AtIndex,
    .finish = picker::Finish::Accent,
    .helpContext = 7240,
    .width = 305,
    .height = 266,
    .boxWidth = 289,
    .boxHeight = 209,
    .emptyMessage = kNoAccent,
    .messageCaption = "数式アクセント（大）",
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathBigAccent; },
    .menuItem = "MenuMathBigAcc",
    .menuCaption = "数式アクセント（2文字以上用）(&D)...",
    .menuHelpContext = 7240,
    .hint = "数式モードで２文字以上にアクセント記号を付けます。",
    .toolButton = "ToolButtonMathAccent2",
    .toolHint = "数式モードで２文字以上にアクセント記号を付けます。",
    .toolFace = "A\u0305B\u0305",
    .popupName = "PopupMenuMathBigAccent",
    .repeatItem = "PMMathBigAccentPrev",
    .itemPrefix = "PMMathBigAccent",
    .rows = kBigAccentRows,
};

const picker::Family kDots{
    .dialogName = "TFormMathOmission",
    .caption = "省略記号",
    .helpContext = 7150,
    .width = 267,
    .height = 105,
    .boxWidth = 249,
    .boxHeight = 57,
    .emptyMessage = kNoSymbol,
    .messageCaption = "省略記号",
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathOmission; },
    .menuItem = "MenuMathOmi",
    .menuCaption = "省略記号(&C)...",
    .menuHelpContext = 7360,
    .hint = "省略記号（…など）を挿入します。",
    .toolButton = "ToolButtonMathOmit",
    .toolHint = "省略記号（…など）を挿入します。",
    .toolFace = "…",
    .popupName = "PopupMenuMathOmission",
    .repeatItem = "PMMathOmissionPrev",
    .itemPrefix = "PMMathOmission",
    .rows = kDotsRows,
};

const picker::Family kArrow{
    .dialogName = "TFormMathArrow",
    .caption = "矢印",
    .helpContext = 7160,
    .width = 482,
    .height = 401,
    .boxWidth = 465,
    .boxHeight = 345,
    .emptyMessage = kNoSymbol,
    .messageCaption = "矢印",
    .notice = kLatexsymArrow,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathArrow; },
    .menuItem = "MenuMathArrow",
    .menuCaption = "矢印(&Y)...",
    .menuHelpContext = 7340,
    .hint = "矢印（→など）を挿入します。",
    .toolButton = "ToolButtonMathArrow",
    .toolHint = "矢印（→など）を挿入します",
    .toolFace = "→",
    .popupName = "PopupMenuMathArrow",
    .repeatItem = "PMMathArrowPrev",
    .itemPrefix = "PMMathArrow",
    .rows = kArrowRows,
};

}  // namespace mathpickers
