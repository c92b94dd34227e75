#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "math/MathMenus.h"
#include "math/MathModes.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/EditorTestUtil.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using mathmodes::mode;

wrap::EditorState state(bool midLine, std::string sel = {})
{
    wrap::EditorState s;
    s.selLength = int(sel.size());
    s.selText = std::move(sel);
    s.caretNotAtLineStart = midLine;
    return s;
}

struct ModeCase {
    mathmodes::ModeKind kind;
    bool midLine;
    const char* selection;
    const char* text;
    int caretBack;
};

}  // namespace

TEST(MathModeText, EveryModeWithAndWithoutSelectionAndLineStart)
{
    const ModeCase cases[] = {
        {mathmodes::Dollar, false, "", "$$", 1},
        {mathmodes::Dollar, true, "", "$$", 1},
        {mathmodes::Dollar, true, "x+y", "$x+y$", 0},
        {mathmodes::OneLine, true, "", "\r\n\\[\r\n\r\n\\]\r\n", 5},
        {mathmodes::OneLine, false, "", "\\[\r\n\r\n\\]\r\n", 5},
        {mathmodes::OneLine, true, "a", "\r\n\\[\r\na\r\n\\]\r\n", 0},
        {mathmodes::Equation, false, "", "\\begin{equation}\r\n\r\n\\end{equation}\r\n", 17},
        {mathmodes::EqnArrayStar, true, "", "\r\n\\begin{eqnarray*}\r\n\r\n\\end{eqnarray*}\r\n", 18},
        {mathmodes::EqnArray, false, "a&=&b", "\\begin{eqnarray}\r\na&=&b\r\n\\end{eqnarray}\r\n", 0},
        {mathmodes::EqnArray, false, "", "\\begin{eqnarray}\r\n\r\n\\end{eqnarray}\r\n", 17},
    };
    for (const ModeCase& c : cases) {
        const wrap::Insertion got = mathmodes::modeText(mode(c.kind), state(c.midLine, c.selection));
        SCOPED_TRACE(c.text);
        EXPECT_EQ(got.text, c.text);
        EXPECT_EQ(got.caretBack, c.caretBack);
    }
}

TEST(MathModeText, ToolHints)
{
    EXPECT_EQ(mathmodes::toolHint(mode(mathmodes::Dollar)), "$ , math環境 / 文中に数式を出力します  Shift+F1");
    EXPECT_EQ(mathmodes::toolHint(mode(mathmodes::EqnArray)),
              "eqnarray環境 / 数式を別行（複数行番号付き）で出力します  Shift+F5");
}

namespace {

struct MathFormFixture : testsupport::CommandFixture {
    void trigger(const char* name)
    {
        testsupport::ScriptedAsk noDialog;  // none of these asks anything
        CommandFixture::trigger(name);
    }
};

}  // namespace

TEST_F(MathFormFixture, DisplayFormsLeaveTheCaretOnTheEmptyMiddleLine)
{
    const char* items[] = {"MenuMathMode1Line", "MenuMathModeEquation", "MenuMathModeEqnAsta", "MenuMathModeEqn"};
    for (int i = 0; i < 4; ++i) {
        const mathmodes::Mode& m = mode(mathmodes::ModeKind(i + 1));
        SCOPED_TRACE(items[i]);
        setText("ab\r\ncd", 5);  // inside the second line
        trigger(items[i]);
        const std::string inserted = std::string("\r\n") + m.opening + m.closing;
        ASSERT_EQ(text(), "ab\r\nc" + inserted + "d");
        const int line = form.RichEdit->LineFromChar(-1);
        EXPECT_EQ(form.RichEdit->Line(line), "");
        EXPECT_EQ(form.RichEdit->Line(line - 1), std::string(m.opening).substr(0, std::string(m.opening).size() - 2));
        EXPECT_EQ(form.RichEdit->SelLength(), 0);
        edtest::typeText(form.RichEdit, "x");
        EXPECT_EQ(text(), std::string("ab\r\nc\r\n") + m.opening + "x" + m.closing + "d");
    }
}

TEST_F(MathFormFixture, DollarAndSelectionsThroughMenuAndToolButton)
{
    setText("ab", 1);
    trigger("ToolButtonMath1");
    EXPECT_EQ(text(), "a$$b");
    EXPECT_EQ(caret(), 2);

    setText("[x+y]", 1, 3);
    trigger("MenuMathModeDollar");
    EXPECT_EQ(text(), "[$x+y$]");
    EXPECT_EQ(caret(), 6);

    setText("x\r\nab\r\n", 3, 2);  // selection at a line start
    trigger("ToolButtonMath5");
    EXPECT_EQ(text(), "x\r\n\\begin{eqnarray}\r\nab\r\n\\end{eqnarray}\r\n\r\n");
    EXPECT_EQ(caret(), 3 + 38);

    setText("", 0);
    trigger("MenuMathMode1Line");
    EXPECT_EQ(text(), "\\[\r\n\r\n\\]\r\n");
    EXPECT_EQ(caret(), 4);
}

TEST_F(MathFormFixture, StylesReplaceTheSelection)
{
    const struct {
        const char* item;
        const char* decl;
    } cases[] = {{"MenuMathSizeTextstyle", "\\textstyle "},
                 {"MenuMathSizeDispsty", "\\displaystyle "},
                 {"MenuMathSizeScriptsty", "\\scriptstyle "},
                 {"MenuMathSizeSSScrSty", "\\scriptscriptstyle "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        setText("a123b", 1, 3);
        trigger(c.item);
        EXPECT_EQ(text(), std::string("a") + c.decl + "b");
        EXPECT_EQ(caret(), 1 + int(std::string(c.decl).size()));
    }
}

TEST_F(MathFormFixture, MenuLayout)
{
    QMenu* modes = form.part<math::MathMenus>().MenuTexMathMode;
    ASSERT_NE(modes, nullptr);
    QStringList names;
    for (QAction* a : modes->actions()) names << (a->isSeparator() ? "-" : a->objectName());
    EXPECT_EQ(names, (QStringList{"MenuMathModeDollar", "-", "MenuMathMode1Line", "MenuMathModeEquation", "-",
                                  "MenuMathModeEqnAsta", "MenuMathModeEqn"}));
    EXPECT_EQ(form.HelpContextOf("MenuTexMathMode"), 7020);
    EXPECT_EQ(form.HelpContextOf("MenuMathSize"), 7060);
}
