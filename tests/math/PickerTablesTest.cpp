// Every table of the math pickers held word for word: the dialog, its help,
// the menu item and tool button, the messages, and for each entry its caption
// in the dialog and the pop-up and what it puts in the document.  A changed
// byte anywhere fails the row it belongs to.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QToolBar>
#include <vector>

#include "math/SymbolPickers.h"
#include "tests/support/OwnStore.h"
#include "tests/support/PickerDriver.h"

using namespace pickertest;
using namespace mathpickers;

namespace {

// One entry: its caption in the dialog (list item or radio button), what it
// inserts with nothing selected (for the accents the command and its "{"),
// and its caption in the pop-up and on the repeat item.  A missing inserted
// text is the caption and a blank, a missing pop-up caption the caption.
struct Entry {
    const char* caption;
    const char* inserted = nullptr;
    const char* popup = nullptr;
    bool latexsym = false;  // the dialog first says latexsym is needed
};
constexpr Entry latexsym(const char* caption) { return {caption, nullptr, nullptr, true}; }

struct MenuItem {
    const char* name;
    const char* caption;
    const char* shortcut;
    int help;
    const char* hint;
};
struct ToolButton {
    const char* name = nullptr;  // none when null
    const char* hint = nullptr;
    const char* popup = nullptr;
};
struct Messages {
    const char* empty = nullptr;  // OK with nothing chosen
    const char* caption = nullptr;
    const char* notice = nullptr;  // latexsym
};
struct Table {
    const picker::Family* family;
    const char* caption;  // the dialog's title, and the radio group's
    int ownHelp;          // the dialog's help context before the menu item's replaces it
    MenuItem menu;
    ToolButton tool;
    Messages messages;
    std::vector<Entry> entries;
};

const char* const kNoSymbol = "記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。";
const char* const kNoAccent = "アクセント記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。";
const char* const kLatexsym =
    "注意:\r\nこの記号を出力するには、latexsym.styﾊﾟｯｹｰｼﾞを\r\nプリアンブル部で読み込んでいる必要があります。";
const char* const kLatexsymArrow =
    "注意\r\nこの記号を出力するには、latexsym.styﾊﾟｯｹｰｼﾞを\r\nプリアンブル部で読み込んでいる必要があります。";

const Table kSmallGreekTable{
    .family = &kSmallGreek,
    .caption = "ギリシャ文字（小文字）",
    .ownHelp = 7080,
    .menu = {"MenuMathGreeceSmall", "ギリシャ小文字(&S)...", "Shift+F6", 7080, "ギリシャ文字の小文字を出力します｡"},
    .tool = {"ToolButtonMathGreekSmall", "ギリシャ文字の小文字を出力します  Shift+F6", "PopupMenuSmallGreek"},
    .messages = {},
    .entries =
        {
            {"α(&A)", "\\alpha ", "\\alpha"}, {"β(&B)", "\\beta ", "\\beta"},       {"γ(&G)", "\\gamma ", "\\gamma"},
            {"δ(&D)", "\\delta ", "\\delta"}, {"ε(&E)", "\\epsilon ", "\\epsilon"}, {"ζ(&Z)", "\\zeta ", "\\zeta"},
            {"η(&H)", "\\eta ", "\\eta"},     {"θ(&Q)", "\\theta ", "\\theta"},     {"ι(&I)", "\\iota ", "\\iota"},
            {"κ(&K)", "\\kappa ", "\\kappa"}, {"λ(&L)", "\\lambda ", "\\lambda"},   {"μ(&M)", "\\mu ", "\\mu"},
            {"ν(&N)", "\\nu ", "\\nu"},       {"ξ(&C)", "\\xi ", "\\xi"},           {"ο(&O)", "o", "o"},
            {"π(&P)", "\\pi ", "\\pi"},       {"ρ(&R)", "\\rho ", "\\rho"},         {"σ(&S)", "\\sigma ", "\\sigma"},
            {"τ(&T)", "\\tau ", "\\tau"},     {"υ(&U)", "\\upsilon ", "\\upsilon"}, {"φ(&F)", "\\phi ", "\\phi"},
            {"χ(&X)", "\\chi ", "\\chi"},     {"ψ(&Y)", "\\psi ", "\\psi"},         {"ω(&W)", "\\omega ", "\\omega"},
        },
};

const Table kVariantGreekTable{
    .family = &kVariantGreek,
    .caption = "ギリシャ文字（小文字異体）",
    .ownHelp = 7080,
    .menu = {"MenuMathGreeceSmall2", "ギリシャ小文字異体(&I)...", "", 7080, "ギリシャ文字の小文字異体を出力します｡"},
    .tool = {},
    .messages = {"文字が選択されていなかったので\r\nコマンドを作成出来ませんでした。", "ギリシャ小文字異体", nullptr},
    .entries =
        {
            {"\\varepsilon", "\\varepsilon "},
            {"\\vartheta", "\\vartheta "},
            {"\\varpi", "\\varpi "},
            {"\\varrho", "\\varrho "},
            {"\\varsigma", "\\varsigma "},
            {"\\varphi", "\\varphi "},
        },
};

const Table kLargeGreekTable{
    .family = &kLargeGreek,
    .caption = "ギリシャ文字（大文字）",
    .ownHelp = 7080,
    .menu = {"MenuMathGreeceLarge", "ギリシャ大文字(&L)...", "Shift+F7", 7080, "ギリシャ文字の大文字を出力します｡"},
    .tool = {"ToolButtonMathGreekLarge", "ギリシャ文字の大文字を出力します  Shift+F7", "PopupMenuLargeGreek"},
    .messages = {},
    .entries =
        {
            {"Α(&A)", "A", "A"},
            {"Β(&B)", "B", "B"},
            {"Γ(&G)", "\\Gamma ", "\\Gamma"},
            {"Δ(&D)", "\\Delta ", "\\Delta"},
            {"Ε(&E)", "E", "E"},
            {"Ζ(&Z)", "Z", "Z"},
            {"Η(&H)", "H", "H"},
            {"Θ(&Q)", "\\Theta ", "\\Theta"},
            {"Ι(&I)", "I", "I"},
            {"Κ(&K)", "K", "K"},
            {"Λ(&L)", "\\Lambda ", "\\Lambda"},
            {"Μ(&M)", "M", "M"},
            {"Ν(&N)", "N", "N"},
            {"Ξ(&C)", "\\Xi ", "\\Xi"},
            {"Ο(&O)", "O", "O"},
            {"Π(&P)", "\\Pi ", "\\Pi"},
            {"Ρ(&R)", "P", "P"},
            {"Σ(&S)", "\\Sigma ", "\\Sigma"},
            {"Τ(&T)", "T", "T"},
            {"Υ(&U)", "\\Upsilon ", "\\Upsilon"},
            {"Φ(&F)", "\\Phi ", "\\Phi"},
            {"Χ(&X)", "X", "X"},
            {"Ψ(&Y)", "\\Psi ", "\\Psi"},
            {"Ω(&W)", "\\Omega ", "\\Omega"},
        },
};

const Table kFunctionTable{
    .family = &kMathFunction,
    .caption = "数学関数",
    .ownHelp = 7100,
    .menu = {"MenuMathFunction", "数学関数(&F)...", "Shift+F8", 7100, "数学の関数を出力します｡"},
    .tool = {"ToolButtonMathFunction", "数学の関数を出力します  Shift+F8", "PopupMenuMathFunction"},
    .messages = {},
    .entries =
        {
            {"arccos", "\\arccos "},  {"arcsin", "\\arcsin "}, {"arctan", "\\arctan "}, {"arg", "\\arg "},
            {"cos", "\\cos "},        {"cosh", "\\cosh "},     {"cot", "\\cot "},       {"coth", "\\coth "},
            {"csc", "\\csc "},        {"deg", "\\deg "},       {"det", "\\det "},       {"dim", "\\dim "},
            {"exp", "\\exp "},        {"gcd", "\\gcd "},       {"hom", "\\hom "},       {"inf", "\\inf "},
            {"ker", "\\ker "},        {"lg", "\\lg "},         {"lim", "\\lim "},       {"lim inf", "\\liminf "},
            {"lim sup", "\\limsup "}, {"ln", "\\ln "},         {"log", "\\log "},       {"max", "\\max "},
            {"min", "\\min "},        {"Pr", "\\Pr "},         {"sec", "\\sec "},       {"sin", "\\sin "},
            {"sinh", "\\sinh "},      {"sup", "\\sup "},       {"tan", "\\tan "},       {"tanh", "\\tanh "},
        },
};

const Table kBinaryTable{
    .family = &kBinaryOperator,
    .caption = "演算子",
    .ownHelp = 7130,
    .menu = {"MenuMathEnzansi", "演算子(&E)...", "Shift+F11", 7300, "演算子（×、÷など）を挿入します。"},
    .tool = {"ToolButtonMathTimes", "演算子（×、÷など）を挿入します  Shift+F11", "PopupMenuMathEnzansi"},
    .messages = {kNoSymbol, "演算子", kLatexsym},
    .entries =
        {
            {"\\times"},
            {"\\div"},
            {"\\ast"},
            {"\\star"},
            {"\\pm"},
            {"\\mp"},
            {"\\circ"},
            {"\\bullet"},
            {"\\cdot"},
            {"\\cap"},
            {"\\cup"},
            {"\\uplus"},
            {"\\sqcap"},
            {"\\sqcup"},
            {"\\vee"},
            {"\\wedge"},
            {"\\setminus"},
            {"\\wr"},
            {"\\diamond"},
            {"\\bigtriangleup"},
            {"\\bigtriangledown"},
            {"\\triangleleft"},
            {"\\triangleright"},
            {"\\oplus"},
            {"\\ominus"},
            {"\\otimes"},
            {"\\oslash"},
            {"\\odot"},
            {"\\bigcirc"},
            {"\\dagger"},
            {"\\ddagger"},
            {"\\amalg"},
            latexsym("\\lhd"),
            latexsym("\\rhd"),
            latexsym("\\unlhd"),
            latexsym("\\unrhd"),
        },
};

const Table kRelationTable{
    .family = &kRelation,
    .caption = "関係子",
    .ownHelp = 7140,
    .menu = {"MenuMathKankeisi", "関係子(&X)...", "Shift+F12", 7320, "関係（<など）子を挿入します。"},
    .tool = {"ToolButtonMathKankei", "関係（<など）子を挿入します  Shift+F12", "PopupMenuMathKankeisi"},
    .messages = {kNoSymbol, "関係子", kLatexsym},
    .entries =
        {
            {"\\le"},
            {"\\ge"},
            {"\\ll"},
            {"\\gg"},
            {"\\subset"},
            {"\\supset"},
            {"\\subseteq"},
            {"\\supseteq"},
            {"\\sqsubseteq"},
            {"\\sqsupseteq"},
            {"\\prec"},
            {"\\succ"},
            {"\\preceq"},
            {"\\succeq"},
            {"\\in"},
            {"\\notin"},
            {"\\ni"},
            {"\\vdash"},
            {"\\dashv"},
            {"\\smile"},
            {"\\frown"},
            {"\\neq"},
            {"\\doteq"},
            {"\\propto"},
            {"\\equiv"},
            {"\\sim"},
            {"\\simeq"},
            {"\\asymp"},
            {"\\approx"},
            {"\\cong"},
            {"\\models"},
            {"\\perp"},
            {"\\mid"},
            {"\\parallel"},
            {"\\bowtie"},
            latexsym("\\Join"),
            latexsym("\\sqsubset"),
            latexsym("\\sqsupset"),
        },
};

const Table kSymbolTable{
    .family = &kMathSymbol,
    .caption = "数学記号",
    .ownHelp = 7120,
    .menu = {"MenuMathKigou", "数学記号(&Z)...", "Shift+F10", 7280, "数学記号（∞など）を挿入します。"},
    .tool = {"ToolButtonMathInfty", "数学記号（∞など）を挿入します  Shift+F10", "PopupMenuMathKigou"},
    .messages = {kNoSymbol, "数学記号", kLatexsym},
    .entries =
        {
            {"\\aleph"},       {"\\hbar"},      {"\\imath"},       {"\\jmath"},
            {"\\ell"},         {"\\wp"},        {"\\Re"},          {"\\Im"},
            {"\\partial"},     {"\\infty"},     {"\\prime"},       {"\\emptyset"},
            {"\\nabla"},       {"\\surd"},      {"\\|"},           {"\\top"},
            {"\\bot"},         {"\\angle"},     {"\\triangle"},    {"\\forall"},
            {"\\exists"},      {"\\neg"},       {"\\backslash"},   {"\\flat"},
            {"\\natural"},     {"\\sharp"},     {"\\clubsuit"},    {"\\diamondsuit"},
            {"\\heartsuit"},   {"\\spadesuit"}, latexsym("\\Box"), latexsym("\\Diamond"),
            latexsym("\\mho"),
        },
};

const Table kLargeOperatorTable{
    .family = &kLargeOperator,
    .caption = "和・積分記号等",
    .ownHelp = 7110,
    .menu = {"MenuMathIntegral", "和・積分記号等(&I)...", "Shift+F9", 7260, "Σ･∫記号等を挿入します。"},
    .tool = {"ToolButtonMathInt", "Σ･∫記号等を挿入します  Shift+F9", "PopupMenuMathInt"},
    .messages = {kNoSymbol, "数式記号", nullptr},
    .entries =
        {
            {"\\int"},
            {"\\oint"},
            {"\\sum"},
            {"\\prod"},
            {"\\coprod"},
            {"\\bigcap"},
            {"\\bigcup"},
            {"\\bigwedge"},
            {"\\bigvee"},
            {"\\bigsqcup"},
            {"\\bigodot"},
            {"\\bigotimes"},
            {"\\bigoplus"},
            {"\\biguplus"},
        },
};

const Table kSmallAccentTable{
    .family = &kSmallAccent,
    .caption = "数式アクセント（1文字用）",
    .ownHelp = 7220,
    .menu = {"MenuMathSmallAccent", "数式アクセント（1文字用）(&A)...", "", 7220,
             "数式モードで１文字にアクセント記号を付けます。"},
    .tool = {"ToolButtonMathAccent1", "数式モードで１文字にアクセント記号を付けます。", "PopupMenuMathSmallAccent"},
    .messages = {kNoAccent, "数式アクセント（小）", nullptr},
    .entries =
        {
            {"\\vec", "\\vec{"},
            {"\\dot", "\\dot{"},
            {"\\ddot", "\\ddot{"},
            {"\\acute", "\\acute{"},
            {"\\grave", "\\grave{"},
            {"\\bar", "\\bar{"},
            {"\\hat", "\\hat{"},
            {"\\check", "\\check{"},
            {"\\breve", "\\breve{"},
            {"\\tilde", "\\tilde{"},
        },
};

const Table kBigAccentTable{
    .family = &kBigAccent,
    .caption = "数式アクセント（2文字以上）",
    .ownHelp = 7240,
    .menu = {"MenuMathBigAcc", "数式アクセント（2文字以上用）(&D)...", "", 7240,
             "数式モードで２文字以上にアクセント記号を付けます。"},
    .tool = {"ToolButtonMathAccent2", "数式モードで２文字以上にアクセント記号を付けます。", "PopupMenuMathBigAccent"},
    .messages = {kNoAccent, "数式アクセント（大）", nullptr},
    .entries =
        {
            {"\\overrightarrow", "\\overrightarrow{"},
            {"\\overleftarrow", "\\overleftarrow{"},
            {"\\overline", "\\overline{"},
            {"\\underline", "\\underline{"},
            {"\\overbrace", "\\overbrace{"},
            {"\\underbrace", "\\underbrace{"},
            {"\\widehat", "\\widehat{"},
            {"\\widetilde", "\\widetilde{"},
        },
};

const Table kDotsTable{
    .family = &kDots,
    .caption = "省略記号",
    .ownHelp = 7150,
    .menu = {"MenuMathOmi", "省略記号(&C)...", "", 7360, "省略記号（…など）を挿入します。"},
    .tool = {"ToolButtonMathOmit", "省略記号（…など）を挿入します。", "PopupMenuMathOmission"},
    .messages = {kNoSymbol, "省略記号", nullptr},
    .entries =
        {
            {"\\ldots"},
            {"\\cdots"},
            {"\\vdots"},
            {"\\ddots"},
        },
};

const Table kArrowTable{
    .family = &kArrow,
    .caption = "矢印",
    .ownHelp = 7160,
    .menu = {"MenuMathArrow", "矢印(&Y)...", "", 7340, "矢印（→など）を挿入します。"},
    .tool = {"ToolButtonMathArrow", "矢印（→など）を挿入します", "PopupMenuMathArrow"},
    .messages = {kNoSymbol, "矢印", kLatexsymArrow},
    .entries =
        {
            {"\\gets"},
            {"\\longleftarrow"},
            {"\\Leftarrow"},
            {"\\Longleftarrow"},
            {"\\to"},
            {"\\longrightarrow"},
            {"\\Rightarrow"},
            {"\\Longrightarrow"},
            {"\\leftrightarrow"},
            {"\\longleftrightarrow"},
            {"\\Leftrightarrow"},
            {"\\Longleftrightarrow"},
            {"\\mapsto"},
            {"\\longmapsto"},
            {"\\hookleftarrow"},
            {"\\hookrightarrow"},
            {"\\leftharpoonup"},
            {"\\rightharpoonup"},
            {"\\leftharpoondown"},
            {"\\rightharpoondown"},
            {"\\rightleftharpoons"},
            {"\\uparrow"},
            {"\\Uparrow"},
            {"\\downarrow"},
            {"\\Downarrow"},
            {"\\updownarrow"},
            {"\\Updownarrow"},
            {"\\nearrow"},
            {"\\searrow"},
            {"\\swarrow"},
            {"\\nwarrow"},
            latexsym("\\leadsto"),
        },
};

QString u(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QStringList captions(const TPickerDialog& d)
{
    QStringList out;
    if (d.ListView)
        for (int i = 0; i < d.ListView->count(); ++i) out << d.ListView->item(i)->text();
    for (const QRadioButton* b : d.RadioButtons) out << b->text();
    return out;
}

struct PickerTables : ::testing::Test, testsupport::OwnStore {
    TForm1 form;
    PickerDriver drive{form};
    void expectTable(const Table& want);
};

void PickerTables::expectTable(const Table& want)
{
    const picker::Family& f = *want.family;
    SCOPED_TRACE(f.dialogName);

    QAction* item = form.Item(u(want.menu.name));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), u(want.menu.caption));
    EXPECT_EQ(item->shortcut(), QKeySequence(u(want.menu.shortcut)));
    EXPECT_EQ(form.HelpContextOf(u(want.menu.name)), want.menu.help);
    EXPECT_EQ(item->statusTip(), u(want.menu.hint));

    if (want.tool.name) {
        QAction* button = form.Item(u(want.tool.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), u(want.tool.hint));
        ASSERT_NE(button->menu(), nullptr);
        EXPECT_EQ(button->menu()->objectName(), u(want.tool.popup));
    } else {
        EXPECT_EQ(f.toolButton, nullptr);
        EXPECT_EQ(f.popupName, nullptr);
    }

    EXPECT_EQ(u(f.emptyMessage), u(want.messages.empty));
    EXPECT_EQ(u(f.messageCaption), u(want.messages.caption));
    EXPECT_EQ(u(f.notice), u(want.messages.notice));

    // The dialog as its layout makes it, then as the menu item shows it.
    {
        TPickerDialog layout(nullptr, f);
        EXPECT_EQ(layout.windowTitle(), u(want.caption));
        if (layout.GroupBox1) EXPECT_EQ(layout.GroupBox1->title(), u(want.caption));
        EXPECT_EQ(layout.HelpContext, want.ownHelp);
        const QStringList shown = captions(layout);
        ASSERT_EQ(shown.size(), int(want.entries.size()));
        for (size_t i = 0; i < want.entries.size(); ++i)
            EXPECT_EQ(shown[int(i)], u(want.entries[i].caption)) << "row " << i;
    }
    int help = 0;
    drive.viaMenu(
        f, [&](TPickerDialog& d) { help = d.HelpContext; }, mrCancel);
    EXPECT_EQ(help, want.menu.help);

    // The pop-up's entries, and its repeat item for each of them.
    if (want.tool.popup) {
        for (size_t i = 0; i < want.entries.size(); ++i) {
            const Entry& e = want.entries[i];
            const QString caption = u(e.popup ? e.popup : e.caption);
            QAction* entry = drive.popupItem(f, int(i));
            ASSERT_NE(entry, nullptr) << "row " << i;
            EXPECT_EQ(entry->text(), caption) << "row " << i;
            *f.last(form) = int(i);
            QAction* repeat = drive.repeatItem(f);
            EXPECT_EQ(repeat->text(), caption) << "row " << i;
            EXPECT_EQ(tagOf(repeat), int(i)) << "row " << i;
        }
    }

    // What each entry puts in, through the dialog and the pop-up, with and
    // without a selection (the accents wrap it in their braces).
    std::vector<std::string> texts;
    for (const Entry& e : want.entries) {
        std::string text = e.inserted ? e.inserted : std::string(e.caption) + " ";
        if (f.finish == picker::Finish::Accent) {
            EXPECT_EQ(text.back(), '{') << e.caption;
            text.pop_back();
        }
        texts.push_back(text);
    }
    std::vector<Expected> expected;
    for (size_t i = 0; i < texts.size(); ++i) expected.push_back({texts[i].c_str(), want.entries[i].latexsym});
    checkEveryEntry(form, f, expected);

    // OK with nothing chosen, where the dialog reads the selection.
    if (f.kind == picker::Kind::List && f.choice != picker::Choice::AtIndex) {
        drive.load("@");
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            static_cast<TPickerDialog&>(d).ListView->clearSelection();
            return mrOk;
        });
        ask.expectMessage(u(want.messages.empty), u(want.messages.caption), MB_ICONEXCLAMATION, IDOK);
        item->trigger();
        EXPECT_EQ(drive.state(), "@");
    }
}

}  // namespace

TEST_F(PickerTables, GreekLetters)
{
    QAction* greek = form.Item("MenuTexMathGreece");
    ASSERT_NE(greek, nullptr);
    EXPECT_EQ(greek->text(), u("ギリシャ文字(&G)"));
    EXPECT_EQ(form.HelpContextOf("MenuTexMathGreece"), 7080);
    EXPECT_EQ(greek->statusTip(), u("ギリシャ文字を入力します。"));
    expectTable(kSmallGreekTable);
    expectTable(kVariantGreekTable);
    expectTable(kLargeGreekTable);
}

TEST_F(PickerTables, MathFunctions) { expectTable(kFunctionTable); }
TEST_F(PickerTables, BinaryOperators) { expectTable(kBinaryTable); }
TEST_F(PickerTables, Relations) { expectTable(kRelationTable); }
TEST_F(PickerTables, Symbols) { expectTable(kSymbolTable); }
TEST_F(PickerTables, LargeOperators) { expectTable(kLargeOperatorTable); }

TEST_F(PickerTables, MathAccents)
{
    expectTable(kSmallAccentTable);
    expectTable(kBigAccentTable);
}

TEST_F(PickerTables, Dots) { expectTable(kDotsTable); }
TEST_F(PickerTables, Arrows) { expectTable(kArrowTable); }
