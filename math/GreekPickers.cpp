// Greek letters and the names of math functions.  Omicron and the capitals
// that look like Latin letters go in as those Latin letters, with no blank:
// LaTeX has no commands for them.
#include "core/session/Session.h"
#include "math/MathLastUsed.h"
#include "math/SymbolPickers.h"

namespace mathpickers {

namespace {

constexpr picker::Row kSmallGreekRows[] = {
    {"\\alpha", "α", "\\alpha ", "α(&A)"},
    {"\\beta", "β", "\\beta ", "β(&B)"},
    {"\\gamma", "γ", "\\gamma ", "γ(&G)"},
    {"\\delta", "δ", "\\delta ", "δ(&D)"},
    {"\\epsilon", "ϵ", "\\epsilon ", "ε(&E)"},
    {"\\zeta", "ζ", "\\zeta ", "ζ(&Z)"},
    {"\\eta", "η", "\\eta ", "η(&H)"},
    {"\\theta", "θ", "\\theta ", "θ(&Q)"},
    {"\\iota", "ι", "\\iota ", "ι(&I)"},
    {"\\kappa", "κ", "\\kappa ", "κ(&K)"},
    {"\\lambda", "λ", "\\lambda ", "λ(&L)"},
    {"\\mu", "μ", "\\mu ", "μ(&M)"},
    {"\\nu", "ν", "\\nu ", "ν(&N)"},
    {"\\xi", "ξ", "\\xi ", "ξ(&C)"},
    {"o", "ο", "o", "ο(&O)"},
    {"\\pi", "π", "\\pi ", "π(&P)"},
    {"\\rho", "ρ", "\\rho ", "ρ(&R)"},
    {"\\sigma", "σ", "\\sigma ", "σ(&S)"},
    {"\\tau", "τ", "\\tau ", "τ(&T)"},
    {"\\upsilon", "υ", "\\upsilon ", "υ(&U)"},
    {"\\phi", "ϕ", "\\phi ", "φ(&F)"},
    {"\\chi", "χ", "\\chi ", "χ(&X)"},
    {"\\psi", "ψ", "\\psi ", "ψ(&Y)"},
    {"\\omega", "ω", "\\omega ", "ω(&W)"},
};

constexpr picker::Row kLargeGreekRows[] = {
    {"A", "Α", "A", "Α(&A)"},
    {"B", "Β", "B", "Β(&B)"},
    {"\\Gamma", "Γ", "\\Gamma ", "Γ(&G)"},
    {"\\Delta", "Δ", "\\Delta ", "Δ(&D)"},
    {"E", "Ε", "E", "Ε(&E)"},
    {"Z", "Ζ", "Z", "Ζ(&Z)"},
    {"H", "Η", "H", "Η(&H)"},
    {"\\Theta", "Θ", "\\Theta ", "Θ(&Q)"},
    {"I", "Ι", "I", "Ι(&I)"},
    {"K", "Κ", "K", "Κ(&K)"},
    {"\\Lambda", "Λ", "\\Lambda ", "Λ(&L)"},
    {"M", "Μ", "M", "Μ(&M)"},
    {"N", "Ν", "N", "Ν(&N)"},
    {"\\Xi", "Ξ", "\\Xi ", "Ξ(&C)"},
    {"O", "Ο", "O", "Ο(&O)"},
    {"\\Pi", "Π", "\\Pi ", "Π(&P)"},
    {"P", "Ρ", "P", "Ρ(&R)"},
    {"\\Sigma", "Σ", "\\Sigma ", "Σ(&S)"},
    {"T", "Τ", "T", "Τ(&T)"},
    {"\\Upsilon", "Υ", "\\Upsilon ", "Υ(&U)"},
    {"\\Phi", "Φ", "\\Phi ", "Φ(&F)"},
    {"X", "Χ", "X", "Χ(&X)"},
    {"\\Psi", "Ψ", "\\Psi ", "Ψ(&Y)"},
    {"\\Omega", "Ω", "\\Omega ", "Ω(&W)"},
};

constexpr picker::Row kVariantGreekRows[] = {
    {"\\varepsilon", "ε"}, {"\\vartheta", "ϑ"}, {"\\varpi", "ϖ"},
    {"\\varrho", "ϱ"},     {"\\varsigma", "ς"}, {"\\varphi", "φ"},
};

// Captions are the names as typeset ("lim inf" with its blank), no backslash.
constexpr picker::Row kFunctionRows[] = {
    {"arccos", nullptr, "\\arccos "}, {"arcsin", nullptr, "\\arcsin "},  {"arctan", nullptr, "\\arctan "},
    {"arg", nullptr, "\\arg "},       {"cos", nullptr, "\\cos "},        {"cosh", nullptr, "\\cosh "},
    {"cot", nullptr, "\\cot "},       {"coth", nullptr, "\\coth "},      {"csc", nullptr, "\\csc "},
    {"deg", nullptr, "\\deg "},       {"det", nullptr, "\\det "},        {"dim", nullptr, "\\dim "},
    {"exp", nullptr, "\\exp "},       {"gcd", nullptr, "\\gcd "},        {"hom", nullptr, "\\hom "},
    {"inf", nullptr, "\\inf "},       {"ker", nullptr, "\\ker "},        {"lg", nullptr, "\\lg "},
    {"lim", nullptr, "\\lim "},       {"lim inf", nullptr, "\\liminf "}, {"lim sup", nullptr, "\\limsup "},
    {"ln", nullptr, "\\ln "},         {"log", nullptr, "\\log "},        {"max", nullptr, "\\max "},
    {"min", nullptr, "\\min "},       {"Pr", nullptr, "\\Pr "},          {"sec", nullptr, "\\sec "},
    {"sin", nullptr, "\\sin "},       {"sinh", nullptr, "\\sinh "},      {"sup", nullptr, "\\sup "},
    {"tan", nullptr, "\\tan "},       {"tanh", nullptr, "\\tanh "},
};

// Where the columns of five radio buttons stand in their group.
constexpr int kGreekColumns[] = {8, 76, 144, 212, 280};
constexpr int kFunctionColumns[] = {8, 72, 136, 200, 264, 336, 400};

}  // namespace

const picker::Family kSmallGreek{
    .dialogName = "TFormMathSGreece",
    .caption = "ギリシャ文字（小文字）",
    .kind = picker::Kind::Radio,
    .finish = picker::Finish::AsIs,
    .helpContext = kGreekHelpContext,
    .width = 370,
    .height = 210,
    .boxWidth = 353,
    .boxHeight = 153,
    .columns = kGreekColumns,
    .closeButton = false,
    .layoutChecked = 0,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastSmallGreek; },
    .menuItem = "MenuMathGreeceSmall",
    .menuCaption = "ギリシャ小文字(&S)...",
    .shortcut = "Shift+F6",
    .menuHelpContext = kGreekHelpContext,
    .hint = "ギリシャ文字の小文字を出力します｡",
    .toolButton = "ToolButtonMathGreekSmall",
    .toolHint = "ギリシャ文字の小文字を出力します  Shift+F6",
    .toolFace = "α",
    .popupName = "PopupMenuSmallGreek",
    .repeatItem = "PMSmallGreekPrev",
    .itemPrefix = "PMSmallGreek",
    .rows = kSmallGreekRows,
};

const picker::Family kVariantGreek{
    .dialogName = "TFormMathSGreece2",
    .caption = "ギリシャ文字（小文字異体）",
    .kind = picker::Kind::List,
    .choice = picker::Choice::Focused,
    .finish = picker::Finish::Blank,
    .helpContext = kGreekHelpContext,
    .width = 257,
    .height = 183,
    .boxWidth = 249,
    .boxHeight = 145,
    .pictureSize = 32,
    .editable = true,
    .placement = road::Placement::ScreenCentre,
    .preload = false,
    .emptyMessage = "文字が選択されていなかったので\r\nコマンドを作成出来ませんでした。",
    .messageCaption = "ギリシャ小文字異体",
    .menuItem = "MenuMathGreeceSmall2",
    .menuCaption = "ギリシャ小文字異体(&I)...",
    .menuHelpContext = kGreekHelpContext,
    .hint = "ギリシャ文字の小文字異体を出力します｡",
    .rows = kVariantGreekRows,
};

const picker::Family kLargeGreek{
    .dialogName = "TFormMathLGreece",
    .caption = "ギリシャ文字（大文字）",
    .kind = picker::Kind::Radio,
    .finish = picker::Finish::AsIs,
    .helpContext = kGreekHelpContext,
    .width = 371,
    .height = 209,
    .boxWidth = 353,
    .boxHeight = 153,
    .columns = kGreekColumns,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastLargeGreek; },
    .menuItem = "MenuMathGreeceLarge",
    .menuCaption = "ギリシャ大文字(&L)...",
    .shortcut = "Shift+F7",
    .menuHelpContext = kGreekHelpContext,
    .hint = "ギリシャ文字の大文字を出力します｡",
    .toolButton = "ToolButtonMathGreekLarge",
    .toolHint = "ギリシャ文字の大文字を出力します  Shift+F7",
    .toolFace = "Ω",
    .popupName = "PopupMenuLargeGreek",
    .repeatItem = "PMLargeGreekPrev",
    .itemPrefix = "PMLargeGreek",
    .rows = kLargeGreekRows,
};

const picker::Family kMathFunction{
    .dialogName = "TFormMathFunction",
    .caption = "数学関数",
    .kind = picker::Kind::Radio,
    .finish = picker::Finish::AsIs,
    .helpContext = 7100,
    .keepHelp = true,
    .width = 481,
    .height = 209,
    .boxWidth = 465,
    .boxHeight = 153,
    .columns = kFunctionColumns,
    .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathFunction; },
    .menuItem = "MenuMathFunction",
    .menuCaption = "数学関数(&F)...",
    .shortcut = "Shift+F8",
    .menuHelpContext = 7100,
    .hint = "数学の関数を出力します｡",
    .toolButton = "ToolButtonMathFunction",
    .toolHint = "数学の関数を出力します  Shift+F8",
    .toolFace = "sin",
    .popupName = "PopupMenuMathFunction",
    .repeatItem = "PMMathFunctionPrev",
    .itemPrefix = "PMMathFunction",
    .popupImages = false,
    .rows = kFunctionRows,
};

}  // namespace mathpickers
