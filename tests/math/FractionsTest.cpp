#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

#include "app/Form1.h"
#include "math/Fractions.h"
#include "math/MathLastUsed.h"
#include "math/MathMenus.h"
#include "math/RootDialog.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

wrap::EditorState state(std::string sel = {})
{
    wrap::EditorState s;
    s.selLength = int(sel.size());
    s.selText = std::move(sel);
    return s;
}

}  // namespace

TEST(FractionText, BracesAndCaret)
{
    EXPECT_EQ(fractions::fractionText(state()), (wrap::Insertion{"\\frac{}{}", 3}));
    EXPECT_EQ(fractions::fractionText(state("a+b")), (wrap::Insertion{"\\frac{a+b}{}", 1}));

    EXPECT_EQ(fractions::rootCommand(true, "7"), "\\sqrt");
    EXPECT_EQ(fractions::rootCommand(false, "3"), "\\sqrt[3]");
    EXPECT_EQ(fractions::rootCommand(false, ""), "\\sqrt[]");
    EXPECT_EQ(fractions::rootCommand(false, "n+1"), "\\sqrt[n+1]");
    EXPECT_EQ(fractions::rootText("\\sqrt[3]", state()), (wrap::Insertion{"\\sqrt[3]{}", 1}));
    EXPECT_EQ(fractions::rootText("\\sqrt", state("x")), (wrap::Insertion{"\\sqrt{x}", 0}));
}

namespace {

// Answers the root dialog after showing it, as the real modal run would.
struct RootScript {
    RootScript(int result, std::function<void(TFormRoot&)> act = {})
    {
        ask.onDialog([this, result, act](QDialog& d) {
            auto& dialog = static_cast<TFormRoot&>(d);
            dialog.show();
            help = dialog.HelpContext;
            shownSquare = dialog.RadioButtonRoot2->isChecked();
            shownDegree = dialog.MaskEditRoot->text();
            if (act) act(dialog);
            dialog.hide();
            return result;
        });
    }
    testsupport::ScriptedAsk ask;
    int help = 0;
    bool shownSquare = false;
    QString shownDegree;
};

struct RootFixture : testsupport::CommandFixture {
    QAction* popupItem(int index) { return form.part<math::MathMenus>().PopupMenuMathRoot->actions().value(index); }
};

}  // namespace

TEST_F(RootFixture, FractionAndQuickSquareRoot)
{
    testsupport::ScriptedAsk noDialog;
    setText("ab", 1);
    form.Item("MenuMathFrac")->trigger();
    EXPECT_EQ(text(), "a\\frac{}{}b");
    EXPECT_EQ(caret(), 7);

    setText("[x]", 1, 1);
    form.Item("ToolButtonMathFrac")->trigger();
    EXPECT_EQ(text(), "[\\frac{x}{}]");
    EXPECT_EQ(caret(), 10);

    setText("", 0);
    form.Item("ToolButtonMathRoot")->trigger();
    EXPECT_EQ(text(), "\\sqrt{}");
    EXPECT_EQ(caret(), 6);

    ASSERT_NE(form.part<math::MathMenus>().PopupMenuMathRoot, nullptr);
    ASSERT_EQ(form.part<math::MathMenus>().PopupMenuMathRoot->actions().size(), 2);
    EXPECT_EQ(popupItem(0)->objectName(), "PMMathRoot");
    setText("y", 0, 1);
    popupItem(0)->trigger();
    EXPECT_EQ(text(), "\\sqrt{y}");
    EXPECT_EQ(caret(), 8);
}

TEST_F(RootFixture, DialogRemembersDegreeAndChoiceAlsoOnCancel)
{
    setText("ab", 1);
    {
        RootScript script(mrOk, [](TFormRoot& d) { d.RadioButtonRootN->setChecked(true); });
        form.Item("MenuMathRoot")->trigger();
        EXPECT_EQ(script.help, 7140);
        EXPECT_TRUE(script.shownSquare) << "square root at start";
        EXPECT_EQ(script.shownDegree, "3");
    }
    EXPECT_EQ(text(), "a\\sqrt[3]{}b");
    EXPECT_EQ(caret(), 10);

    // Raised to 5 with the arrow, then cancelled: nothing goes in, but the
    // next dialog opens with 5 and the n-th root checked.
    setText("", 0);
    {
        RootScript script(mrCancel, [](TFormRoot& d) {
            d.UpDown1->Step(1);
            d.UpDown1->Step(1);
            EXPECT_TRUE(d.RadioButtonRootN->isChecked());
        });
        form.Item("MenuMathRoot")->trigger();
        EXPECT_FALSE(script.shownSquare);
    }
    EXPECT_EQ(text(), "");
    EXPECT_EQ(form.part<math::MathLastUsed>().LastRootDegree, 5);
    EXPECT_FALSE(form.part<math::MathLastUsed>().LastRootSquare);

    // The pop-up's item opens the same dialog; a freely typed degree goes in
    // unchanged and checks the n-th root by itself.
    setText("z", 0, 1);
    {
        RootScript script(mrOk, [](TFormRoot& d) {
            d.RadioButtonRoot2->setChecked(true);
            d.MaskEditRoot->setText("n");
        });
        QAction* n133 = popupItem(1);
        ASSERT_NE(n133, nullptr);
        EXPECT_EQ(n133->objectName(), "N133");
        n133->trigger();
        EXPECT_EQ(script.help, 7140);
        EXPECT_EQ(script.shownDegree, "5");
    }
    EXPECT_EQ(text(), "\\sqrt[n]{z}");
    EXPECT_EQ(caret(), 11);
    EXPECT_EQ(form.part<math::MathLastUsed>().LastRootDegree, 5) << "a degree that is not a number keeps the last position";
}

TEST_F(RootFixture, EmptyDegreeAndTheUpDownRange)
{
    setText("", 0);
    {
        RootScript script(mrOk, [](TFormRoot& d) {
            d.MaskEditRoot->clear();
            EXPECT_EQ(d.GetCommand(), "\\sqrt[]");
        });
        form.Item("MenuMathRoot")->trigger();
    }
    EXPECT_EQ(text(), "\\sqrt[]{}");

    TFormRoot dialog(nullptr);
    dialog.UpDown1->SetPosition(250);
    EXPECT_EQ(dialog.MaskEditRoot->text(), "100");
}
