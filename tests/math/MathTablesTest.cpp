// The tables of the math commands that are no symbol pickers, held word for
// word: menu items and tool buttons, dialog captions, items and help, and
// what each row puts in the document.  A changed byte anywhere fails the row
// it belongs to.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "math/BracketDialog.h"
#include "math/RootDialog.h"
#include "math/MathSpaceDialogs.h"
#include "math/MatrixDialogs.h"
#include "math/ScriptDialogs.h"
#include "math/MathModes.h"
#include "tests/app/AppFixture.h"

namespace {

QString u(const char* text) { return text ? QString::fromUtf8(text) : QString(); }
using testsupport::sjis;

// A menu item, a pop-up item or a tool button: a missing shortcut, help or
// hint is none.
struct Item {
    const char* name;
    const char* caption;
    const char* shortcut = "";
    int help = 0;
    const char* hint = "";
};
struct Button {
    const char* name;
    const char* hint;
    const char* popup = nullptr;  // its drop-down menu
};
// A radio group or list: its title and its items in order.
struct Group {
    const char* title;
    std::vector<const char*> items;
};

// What an item puts in with nothing selected, and with "x" selected, "|" at
// the caret; a dialog it opens is answered with OK as it stands.
enum class Asks { Never, Always, WithoutSelection };
struct CommandRun {
    const char* item;
    const char* bare;
    const char* wrapped;
    Asks asks = Asks::Never;
};

class MathTables : public apptest::WindowTest {
protected:
    // Menu items and tool buttons by name; the drop-down items by their
    // object name in the window.
    static QAction* find(TForm1& form, const char* name)
    {
        QAction* item = form.Item(name);
        return item ? item : form.findChild<QAction*>(name);
    }
    void trigger(const char* name)
    {
        QAction* item = find(*form, name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }
    void expectItem(const Item& want)
    {
        QAction* item = find(*form, want.name);
        ASSERT_NE(item, nullptr) << want.name;
        EXPECT_EQ(item->text(), u(want.caption)) << want.name;
        EXPECT_EQ(item->shortcut(), QKeySequence(u(want.shortcut))) << want.name;
        EXPECT_EQ(form->HelpContextOf(want.name), want.help) << want.name;
        EXPECT_EQ(item->statusTip(), u(want.hint)) << want.name;
    }
    void expectButton(const Button& want)
    {
        QAction* button = form->Item(want.name);
        ASSERT_NE(button, nullptr) << want.name;
        EXPECT_EQ(button->toolTip(), u(want.hint)) << want.name;
        if (want.popup) {
            ASSERT_NE(button->menu(), nullptr) << want.name;
            EXPECT_EQ(button->menu()->objectName(), u(want.popup)) << want.name;
        }
    }
    static void expectGroup(const RadioGroup& group, const Group& want)
    {
        EXPECT_EQ(group.box->title(), u(want.title));
        ASSERT_EQ(group.Count(), int(want.items.size())) << want.title;
        for (size_t i = 0; i < want.items.size(); ++i)
            EXPECT_EQ(group.ItemText(int(i)), u(want.items[i])) << want.title << " row " << i;
    }
    // The document after an item ran on an empty one, "|" at the caret.
    void expectRun(const char* item, const std::string& marked)
    {
        setText("", 0);
        trigger(item);
        expectEditor(marked);
    }
    void expectRun(const CommandRun& run)
    {
        SCOPED_TRACE(run.item);
        const auto ok = [](QDialog&) { return int(mrOk); };
        if (run.asks != Asks::Never) script().onDialog(ok);
        expectRun(run.item, run.bare);
        if (run.asks == Asks::Always) script().onDialog(ok);
        setText("x", 0, 1);
        trigger(run.item);
        expectEditor(run.wrapped);
    }
};

// ---- math modes and sizes ----

struct ModeRow {
    Item item;
    Button button;
    const char* opening;
    const char* closing;
    bool ownLine;   // a line break goes in front inside a line
    int caretBack;  // nothing selected
};
const ModeRow kModes[] = {
    {{"MenuMathModeDollar", "文中に挿入(&B) / $$", "Shift+F1", 0, "$ , math環境 / 文中に数式を出力します｡"},
     {"ToolButtonMath1", "$ , math環境 / 文中に数式を出力します  Shift+F1"},
     "$",
     "$",
     false,
     1},
    {{"MenuMathMode1Line", "１行出力(&D) / \\[", "Shift+F2", 0, "\\[ , displaymath環境 / １行の数式を出力します｡"},
     {"ToolButtonMath2", "\\[ , displaymath環境 / １行の数式を出力します  Shift+F2"},
     "\\[\r\n",
     "\r\n\\]\r\n",
     true,
     5},
    {{"MenuMathModeEquation", "１行出力番号付き(&T) / equation環境", "Shift+F3", 0,
      "equation環境 / １行の数式を番号付きで出力します｡"},
     {"ToolButtonMath3", "equation環境 / １行の数式を番号付きで出力します  Shift+F3"},
     "\\begin{equation}\r\n",
     "\r\n\\end{equation}\r\n",
     true,
     17},
    {{"MenuMathModeEqnAsta", "複数行番号なし(&N) / eqnarray*環境", "Shift+F4", 0,
      "eqnarray*環境 / 数式を別行（複数行番号なし）で出力します｡"},
     {"ToolButtonMath4", "eqnarray*環境 / 数式を別行（複数行番号なし）で出力します  Shift+F4"},
     "\\begin{eqnarray*}\r\n",
     "\r\n\\end{eqnarray*}\r\n",
     true,
     18},
    {{"MenuMathModeEqn", "複数行番号付き(&E) / eqnarray環境", "Shift+F5", 0,
      "eqnarray環境 / 数式を別行（複数行番号付き）で出力します｡"},
     {"ToolButtonMath5", "eqnarray環境 / 数式を別行（複数行番号付き）で出力します  Shift+F5"},
     "\\begin{eqnarray}\r\n",
     "\r\n\\end{eqnarray}\r\n",
     true,
     17},
};

struct StyleRow {
    Item item;
    const char* declaration;
};
const StyleRow kStyles[] = {
    {{"MenuMathSizeTextstyle", "文書中の数式のサイズ(&T) / \\textstyle", "", 0,
      "\\textstyle/文書中の数式と同じサイズにします。"},
     "\\textstyle "},
    {{"MenuMathSizeDispsty", "別行数式のサイズ(&D) / \\displaystyle", "", 0,
      "\\displaystyle/数式が別の行に記述された時と同じサイズにします。"},
     "\\displaystyle "},
    {{"MenuMathSizeScriptsty", "添え字の数式のサイズ(&S) / \\scriptstyle", "", 0,
      "\\scriptstyle / 添え字の時の数式と同じサイズにします。"},
     "\\scriptstyle "},
    {{"MenuMathSizeSSScrSty", "添え字の添え字の数式のサイズ(&Z) / \\scriptscriptstyle", "", 0,
      "\\scriptscriptstyle / 添え字に、さらに添え字にした時の数式と同じサイズにします。"},
     "\\scriptscriptstyle "},
};

// ---- fractions and roots ----

const Item kFractionItems[] = {
    {"MenuMathFrac", "分数(&B) / \\frac", "Ctrl+B", 7200, "\\frac{}{} / 分数を挿入します。"},
    {"MenuMathRoot", "根号(&R)... / \\sqrt", "", 7140, "\\sqrt{} / 根号を挿入します。"},
    {"PMMathRoot", "２乗根"},
    {"N133", "３乗根以上"},
};
const Button kFractionButtons[] = {
    {"ToolButtonMathFrac", "\\frac{}{} / 分数を挿入します。"},
    {"ToolButtonMathRoot", "\\sqrt{} / 根号を挿入します。", "PopupMenuMathRoot"},
};
const CommandRun kFractionRuns[] = {
    {"MenuMathFrac", "\\frac{|}{}", "\\frac{x}{|}"},   {"PMMathRoot", "\\sqrt{|}", "\\sqrt{x}|"},
    {"ToolButtonMathRoot", "\\sqrt{|}", "\\sqrt{x}|"}, {"MenuMathRoot", "\\sqrt{|}", "\\sqrt{x}|", Asks::Always},
    {"N133", "\\sqrt{|}", "\\sqrt{x}|", Asks::Always},
};

// ---- brackets ----

const Item kBracketItem{"MenuMathKakko", "括弧(&K)...", "Ctrl+K", 7120, "数学用の括弧を挿入します。"};
const Button kBracketButton{"ToolButtonMathKakko", "数学用の括弧を挿入します  Ctrl+K"};
struct Row {
    const char* caption;
    const char* text;  // what the row puts in the document
};
// Each delimiter as the standard size ("標準") puts it in.
const Row kDelimiters[] = {
    {"(", "("},
    {")", ")"},
    {"[", "["},
    {"]", "]"},
    {"\\{", "\\{"},
    {"\\}", "\\}"},
    {"\\lfloor", "\\lfloor"},
    {"\\rfloor", "\\rfloor"},
    {"\\lceil", "\\lceil"},
    {"\\rceil", "\\rceil"},
    {"\\langle", "\\langle"},
    {"\\rangle", "\\rangle"},
    {"/", "/"},
    {"\\backslash", "\\backslash"},
    {"|", "|"},
    {"\\|", "\\|"},
    {"出力なし", "."},
};
const Row kBracketSizes[] = {
    {"自動（開き括弧）", "\\left"},
    {"自動（閉じ括弧）", "\\right"},
    {"標準", ""},
    {"大きい", "\\big"},
    {"より大きい", "\\Big"},
    {"さらに大きい", "\\bigg"},
    {"すごく大きい", "\\Bigg"},
};
const Row kBracketKinds[] = {
    {"開き括弧（前に空白を空ける）", "l"},
    {"閉じ括弧（後ろに空白を空ける）", "r"},
    {"関係子（前後に空白を空ける）", "m"},
    {"数式記号（前後に空白を空けない）", ""},
};

// ---- superscripts and subscripts ----

const Item kScriptItems[] = {
    {"MenuTexMathUD", "上／下添え字(&U)", "", 7180},
    {"MenuMathUpper", "上添え字(&U)...", "Ctrl+H", 7180, "^{} / 上添え字にします。"},
    {"MenuMathLower", "下添え字(&L)...", "Ctrl+M", 7180, "_{} / 下添え字にします。"},
    {"MenuMathUpDown", "上下添え字一括挿入(&D)...", "Ctrl+J", 7180, "_{}^{} / 上・下添え字を一括で挿入します"},
    {"PMMathUp", "上添え字の命令の挿入をする"},
    {"N126", "ダイアログで上添え字するものを指定する"},
    {"PMMathDown", "下添え字の命令の挿入をする"},
    {"N128", "ダイアログで下添え字するものを指定する"},
    {"PMMathUpDown", "前回ダイアログで選択した上添え字・下添え字命令を挿入する"},
    {"N127", "ダイアログで上・下添え字するものを指定する"},
};
const Button kScriptButtons[] = {
    {"ToolButtonMathUp", "^{} / 上添え字にします  Ctrl+H", "PopupMenuMathUp"},
    {"ToolButtonMathDown", "_{} / 下添え字にします  Ctrl+M", "PopupMenuMathDown"},
    {"ToolButtonMathUpDown", "_{}^{} / 上・下添え字を一括で挿入します  Ctrl+J", "PopupMenuMathUpDown"},
};
// Each drop-down offers its quick item first and its dialog item second.
const char* const kScriptPopups[][3] = {
    {"PopupMenuMathUp", "PMMathUp", "N126"},
    {"PopupMenuMathDown", "PMMathDown", "N128"},
    {"PopupMenuMathUpDown", "PMMathUpDown", "N127"},
};
// With the stored lists as they start.
const CommandRun kScriptRuns[] = {
    {"MenuMathUpper", "^{\\infty}|", "^{x}|", Asks::WithoutSelection},
    {"N126", "^{\\infty}|", "^{x}|", Asks::WithoutSelection},
    {"PMMathUp", "^{|}", "^{x}|"},
    {"ToolButtonMathUp", "^{|}", "^{x}|"},
    {"MenuMathLower", "_{-\\infty}|", "_{x}|", Asks::WithoutSelection},
    {"N128", "_{-\\infty}|", "_{x}|", Asks::WithoutSelection},
    {"PMMathDown", "_{|}", "_{x}|"},
    {"ToolButtonMathDown", "_{|}", "_{x}|"},
    {"MenuMathUpDown", "_{-\\infty}^{\\infty}|", "_{-\\infty}^{\\infty}|", Asks::Always},
    {"N127", "_{-\\infty}^{\\infty}|", "_{-\\infty}^{\\infty}|", Asks::Always},
    {"PMMathUpDown", "_{-\\infty}^{\\infty}|", "_{-\\infty}^{\\infty}|"},
};
struct ListEditorRow {
    scripts::Script script;
    const char* caption;
    const char* label;
};
const ListEditorRow kListEditors[] = {
    {scripts::Script::Up, "数式上添え設定変更",
     "あらかじめ、上添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。"},
    {scripts::Script::Down, "数式下添え設定変更",
     "あらかじめ、下添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。"},
};

// ---- matrices ----

const Item kMatrixItems[] = {
    {"MenuMathArray", "行列(&W)... / array環境", "", 7380, "array環境 / 行列を挿入します。"},
    {"MenuMathArrayChange", "行列変換...", "", 7400},
};
// The delimiter items: the text after \left and after \right.
const Row kMatrixDelimiters[] = {
    {"(", ")"}, {"[", "]"}, {"|", "|"}, {"\\|", "\\|"}, {"\\{", "."}, {".", "\\}"},
};
const Group kArrayBrackets{"括弧の種類", {"（：：）", "［：：］", "｜：：｜", "∥：：∥", "｛：：", "：：｝"}};
const Group kArrayAlign{"文字の配置位置", {"左揃え", "中央揃え", "右揃え"}};
const Group kConversionBrackets{"括弧の種類", {"（：：）", "［：：］", "｜：：｜", "|| ：： ||", "｛：：", "：：｝"}};
const Group kConversionAlign{"文字の配置位置", {"左揃え(&L)", "中央揃え(&C)", "右揃え(&R)"}};
const Group kConversionSeparators{"区切り文字", {"タブ(&U)", "カンマ(&C)", "スペース(&S)"}};
const char kSeparators[] = {'\t', ',', ' '};
const char kAlignLetters[] = {'l', 'c', 'r'};
const char* const kMatrixExplanation =
    "タブ文字等で区切られたテキストを元に、TeXの行列を作成する機能です。\r\n"
    "通常は、表計算ソフトから行列にしたい部分をコピー＆ペーストして、\r\n"
    "それをTeXの行列にしたい時にこの機能を使用します。\r\n"
    "行列に変換したい部分を選択して、このコマンドを実行して下さい。";

// ---- math spaces and fonts ----

const Item kSpaceFontItems[] = {
    {"MenuMathSpace", "数式用空白(&S)...", "", 7160, "数式用の空白を挿入します。"},
    {"MenuMathFont", "数式フォント(&T)...", "", 7040, "数式モードのフォントを指定します。"},
};
const Row kSpaces[] = {
    {"半角空白(&H)", "\\ "},          {"全角空白（クワタ）(&Z)", "\\quad "},
    {"クワタ２個分(&T)", "\\qquad "}, {"クワタの1/6(&S)", "\\,"},
    {"クワタの2/9(&N)", "\\>"},       {"クワタの5/18(&E)", "\\;"},
    {"クワタの-1/6(&M)", "\\!"},
};
const Row kFonts[] = {
    {"ローマン体", "\\mathrm{"}, {"サンセリフ体", "\\mathsf{"}, {"タイプライタ体", "\\mathtt{"},
    {"ボールド体", "\\mathbf{"}, {"イタリック体", "\\mathit{"}, {"カリグラフィック体", "\\mathcal{"},
    {"明朝体", "\\mathmc{"},     {"ゴシック体", "\\mathgt{"},   {"標準フォント", "\\mathnormal{"},
};

}  // namespace

TEST_F(MathTables, MathModesAndSizes)
{
    expectItem({"MenuTexMathMode", "数式モード(&M)", "", 7020});
    expectItem({"MenuMathSize", "数式サイズ(&O)", "", 7060});
    for (const ModeRow& m : kModes) {
        SCOPED_TRACE(m.item.name);
        expectItem(m.item);
        expectButton(m.button);
        const std::string body = std::string(m.opening) + m.closing;
        setText("a", 1);
        trigger(m.item.name);
        EXPECT_EQ(text(), "a" + std::string(m.ownLine ? "\r\n" : "") + body);
        setText("[x]", 1, 1);
        trigger(m.button.name);
        EXPECT_EQ(text(), "[" + std::string(m.ownLine ? "\r\n" : "") + m.opening + "x" + m.closing + "]");
        // The caret's count back from the end, nothing selected.
        for (const mathmodes::Mode& mode : mathmodes::modes()) {
            if (QString(mode.menuItem) != m.item.name) continue;
            const wrap::Insertion bare = mathmodes::modeText(mode, {});
            EXPECT_EQ(bare.text, body);
            EXPECT_EQ(bare.caretBack, m.caretBack);
        }
    }
    for (const StyleRow& s : kStyles) {
        SCOPED_TRACE(s.item.name);
        expectItem(s.item);
        setText("[x]", 1, 1);
        trigger(s.item.name);
        expectEditor(std::string("[") + s.declaration + "|]");
    }
}

TEST_F(MathTables, FractionsAndRoots)
{
    for (const Item& item : kFractionItems) expectItem(item);
    for (const Button& button : kFractionButtons) expectButton(button);
    for (const CommandRun& run : kFractionRuns) expectRun(run);

    // The root dialog as it opens, and an n-th root of the degree it shows.
    answer<TFormRoot>(mrOk, [](TFormRoot& d) {
        EXPECT_EQ(d.windowTitle(), u("根号"));
        EXPECT_EQ(d.GroupBox1->title(), u("根号の種類"));
        EXPECT_EQ(d.RadioButtonRoot2->text(), u("２乗根(&2)"));
        EXPECT_TRUE(d.RadioButtonRoot2->isChecked());
        EXPECT_EQ(d.RadioButtonRootN->text(), u("ｎ乗根(&N)"));
        EXPECT_EQ(d.MaskEditRoot->text(), "3");
        EXPECT_EQ(d.UpDown1->Min, 3);
        EXPECT_EQ(d.UpDown1->Max, 100);
        d.RadioButtonRootN->setChecked(true);
    });
    expectRun("MenuMathRoot", "\\sqrt[3]{|}");
    EXPECT_EQ(help, 7140);
    EXPECT_EQ(TFormRoot(nullptr).HelpContext, 7140);
}

TEST_F(MathTables, Brackets)
{
    expectItem(kBracketItem);
    expectButton(kBracketButton);
    answer<TFormKakko>(mrOk);
    expectRun("MenuMathKakko", "\\left(|");
    EXPECT_EQ(help, 7120);

    TFormKakko d(nullptr);
    EXPECT_EQ(d.windowTitle(), u("括弧"));
    EXPECT_EQ(d.HelpContext, 7120);
    EXPECT_EQ(d.Label1->text(), u("括弧の種類："));
    ASSERT_EQ(d.ListViewKind->count(), int(std::size(kDelimiters)));
    for (int i = 0; i < d.ListViewKind->count(); ++i) {
        EXPECT_EQ(d.ListViewKind->item(i)->text(), u(kDelimiters[i].caption)) << "row " << i;
        d.ListViewKind->setCurrentRow(i);
        d.RadioGroupSize.SetItemIndex(2);
        EXPECT_EQ(d.MakeBracketText(), kDelimiters[i].text) << "row " << i;
    }
    expectGroup(d.RadioGroupSize, {"大きさ",
                                   {kBracketSizes[0].caption, kBracketSizes[1].caption, kBracketSizes[2].caption,
                                    kBracketSizes[3].caption, kBracketSizes[4].caption, kBracketSizes[5].caption,
                                    kBracketSizes[6].caption}});
    expectGroup(d.RadioGroupSizeKind, {"大きさの種類",
                                       {kBracketKinds[0].caption, kBracketKinds[1].caption, kBracketKinds[2].caption,
                                        kBracketKinds[3].caption}});
    // Each size before "(" (the fixed ones without a kind letter), and each
    // kind letter after "\big".
    d.ListViewKind->setCurrentRow(0);
    for (int i = 0; i < int(std::size(kBracketSizes)); ++i) {
        d.RadioGroupSize.SetItemIndex(i);
        d.RadioGroupSizeKind.SetItemIndex(3);
        EXPECT_EQ(d.MakeBracketText(), std::string(kBracketSizes[i].text) + "(") << "size " << i;
    }
    d.RadioGroupSize.SetItemIndex(3);
    for (int i = 0; i < int(std::size(kBracketKinds)); ++i) {
        d.RadioGroupSizeKind.SetItemIndex(i);
        EXPECT_EQ(d.MakeBracketText(), std::string("\\big") + kBracketKinds[i].text + "(") << "kind " << i;
    }
}

TEST_F(MathTables, SuperscriptsAndSubscripts)
{
    for (const Item& item : kScriptItems) expectItem(item);
    for (const Button& button : kScriptButtons) expectButton(button);
    for (const auto& popup : kScriptPopups) {
        QMenu* menu = form->findChild<QMenu*>(popup[0]);
        ASSERT_NE(menu, nullptr) << popup[0];
        ASSERT_EQ(menu->actions().size(), 2) << popup[0];
        EXPECT_EQ(menu->actions()[0]->objectName(), popup[1]);
        EXPECT_EQ(menu->actions()[1]->objectName(), popup[2]);
    }
    for (const CommandRun& run : kScriptRuns) expectRun(run);

    answer<TFormMathUp>(mrCancel, [](TFormMathUp& d) {
        EXPECT_EQ(d.windowTitle(), u("上添え字"));
        EXPECT_EQ(d.RadioButton1->text(), u("命令のみ挿入する(&M)"));
        EXPECT_EQ(d.RadioButton2->text(), u("下で指定した命令を上添えする(&S)"));
        EXPECT_EQ(d.BitBtn4->text(), u("設定変更"));
    });
    trigger("MenuMathUpper");
    EXPECT_EQ(help, 7180);
    answer<TFormMathDown>(mrCancel, [](TFormMathDown& d) {
        EXPECT_EQ(d.windowTitle(), u("下添え字"));
        EXPECT_EQ(d.RadioButton1->text(), u("命令のみ挿入する(&M)"));
        EXPECT_EQ(d.RadioButton2->text(), u("下で指定した命令を下添えする(&S)"));
        EXPECT_EQ(d.BitBtn4->text(), u("設定変更"));
    });
    trigger("MenuMathLower");
    EXPECT_EQ(help, 7180);
    answer<TFormMathUpDown>(mrCancel, [](TFormMathUpDown& d) {
        EXPECT_EQ(d.windowTitle(), u("上･下添え一括挿入"));
        EXPECT_EQ(d.GroupBox2->title(), u("下添え項目選択"));
        EXPECT_EQ(d.GroupBox1->title(), u("上添え項目選択"));
        EXPECT_EQ(d.BitBtnDown->text(), u("設定変更"));
        EXPECT_EQ(d.BitBtnUp->text(), u("設定変更"));
    });
    trigger("MenuMathUpDown");
    EXPECT_EQ(help, 7180);
    for (const ListEditorRow& row : kListEditors) {
        const TFormMathSetting editor(row.script, nullptr);
        EXPECT_EQ(editor.windowTitle(), u(row.caption));
        EXPECT_EQ(editor.Label1->text(), u(row.label));
        EXPECT_EQ(editor.HelpContext, 7180);
    }
    EXPECT_EQ(readString("\\MathSoeji", "Up"), "\\infty");
    EXPECT_EQ(readString("\\MathSoeji", "Down"), "-\\infty");
}

TEST_F(MathTables, Matrices)
{
    for (const Item& item : kMatrixItems) expectItem(item);
    answer<TFormArray>(mrCancel, [](TFormArray& d) {
        EXPECT_EQ(d.windowTitle(), u("行列"));
        expectGroup(d.RadioGroupKakko, kArrayBrackets);
        expectGroup(d.RadioGroupHaiti, kArrayAlign);
        EXPECT_EQ(d.GroupBox1->title(), u("罫線"));
        EXPECT_EQ(d.CheckBoxTate->text(), u("縦罫線"));
        EXPECT_EQ(d.CheckBoxYoko->text(), u("横罫線"));
        EXPECT_EQ(d.GroupBox2->title(), u("行列数"));
        EXPECT_EQ(d.Label1->text(), u("行："));
        EXPECT_EQ(d.Label2->text(), u("列："));
        // The choices it starts with: round brackets, centred, 2 by 2, no rules.
        const matrix::Skeleton c = d.Choices();
        EXPECT_EQ(std::tuple(c.bracket, c.align, c.rows, c.columns, c.vrules, c.hrules),
                  std::tuple(0, 1, 2, 2, false, false));
    });
    trigger("MenuMathArray");
    EXPECT_EQ(help, 7380);
    setText("1", 0, 1);
    answer<TFormArrayChange>(mrCancel, [](TFormArrayChange& d) {
        EXPECT_EQ(d.windowTitle(), u("行列変換"));
        expectGroup(d.rgKind, kConversionBrackets);
        expectGroup(d.rgHaiti, kConversionAlign);
        expectGroup(d.rgKugiri, kConversionSeparators);
        EXPECT_EQ(d.GroupBox2->title(), u("罫線"));
        EXPECT_EQ(d.cbTate->text(), u("縦罫線(&K)"));
        EXPECT_EQ(d.cbYoko->text(), u("横罫線(&Y)"));
        const matrix::Conversion c = d.Choices();
        EXPECT_EQ(std::tuple(c.bracket, c.align, c.separator, c.vrules, c.hrules), std::tuple(0, 1, 0, false, false));
    });
    trigger("MenuMathArrayChange");
    EXPECT_EQ(help, 7400);

    // Each delimiter item, in both commands.
    for (int i = 0; i < int(std::size(kMatrixDelimiters)); ++i) {
        const std::string left = std::string("\\left") + kMatrixDelimiters[i].caption + "\r\n";
        const std::string right = std::string("\\right") + kMatrixDelimiters[i].text + "\r\n";
        const std::string skeleton = matrix::skeletonText({i, 1, 1, 1, false, false}).text;
        EXPECT_EQ(skeleton.substr(0, left.size()), left) << "row " << i;
        EXPECT_EQ(skeleton.substr(skeleton.size() - right.size()), right) << "row " << i;
        const std::string converted = matrix::conversionText("1", {i, 1, 0, false, false});
        const std::string head = sjis("% 行列\r\n") + left;
        EXPECT_EQ(converted.substr(0, head.size()), head) << "row " << i;
        EXPECT_EQ(converted.substr(converted.size() - right.size()), right) << "row " << i;
    }
    // Each separator and alignment item.
    for (int i = 0; i < 3; ++i) {
        const std::string converted =
            matrix::conversionText(std::string("a") + kSeparators[i] + "b", {0, i, i, false, false});
        const std::string columns = std::string("{") + kAlignLetters[i] + kAlignLetters[i] + "}\r\na & b \\\\\r\n";
        EXPECT_NE(converted.find(columns), std::string::npos) << "row " << i << ": " << converted;
    }

    setText("", 0);
    script().expectMessage(u(kMatrixExplanation), u("行列変換"), MB_OK | MB_ICONINFORMATION, IDOK);
    trigger("MenuMathArrayChange");
}

TEST_F(MathTables, MathSpacesAndFonts)
{
    for (const Item& item : kSpaceFontItems) expectItem(item);
    EXPECT_EQ(TFormSpace(nullptr).windowTitle(), u("空白"));
    EXPECT_EQ(TFormMathFont(nullptr).HelpContext, 7040);
    for (int i = 0; i < int(std::size(kSpaces)); ++i) {
        answer<TFormSpace>(mrOk, [i](TFormSpace& d) {
            EXPECT_EQ(d.windowTitle(), u("空白（数式モード用）"));
            EXPECT_EQ(d.RadioGroup.box->title(), u("空白の種類"));
            ASSERT_EQ(d.RadioGroup.Count(), int(std::size(kSpaces)));
            EXPECT_EQ(d.RadioGroup.ItemText(i), u(kSpaces[i].caption)) << "row " << i;
            d.RadioGroup.SetItemIndex(i);
        });
        expectRun("MenuMathSpace", std::string(kSpaces[i].text) + "|");
        EXPECT_EQ(help, 7160) << "row " << i;
    }
    for (int i = 0; i < int(std::size(kFonts)); ++i) {
        answer<TFormMathFont>(mrOk, [i](TFormMathFont& d) {
            EXPECT_EQ(d.windowTitle(), u("数式フォント"));
            EXPECT_EQ(d.Label1->text(), u("フォントの種類(&F)"));
            ASSERT_EQ(d.ComboBoxFont->count(), int(std::size(kFonts)));
            EXPECT_EQ(d.ComboBoxFont->itemText(i), u(kFonts[i].caption)) << "row " << i;
            d.ComboBoxFont->setCurrentIndex(i);
        });
        expectRun("MenuMathFont", std::string(kFonts[i].text) + "|}");
        EXPECT_EQ(help, 7040) << "row " << i;
    }
}
