#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

#include "app/Form1.h"
#include "math/MathLastUsed.h"
#include "math/MathSpace.h"
#include "math/MathSpaceDialogs.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

TEST(MathSpaceText, TablesAndFontWrapping)
{
    const char* const spaces[] = {"\\ ", "\\quad ", "\\qquad ", "\\,", "\\>", "\\;", "\\!"};
    for (int i = 0; i < mathspace::kSpaceCount; ++i) EXPECT_EQ(mathspace::spaceCommand(i), spaces[i]) << i;
    const char* const fonts[] = {"\\mathrm{",  "\\mathsf{", "\\mathtt{", "\\mathbf{",    "\\mathit{",
                                 "\\mathcal{", "\\mathmc{", "\\mathgt{", "\\mathnormal{"};
    for (int i = 0; i < mathspace::kFontCount; ++i) EXPECT_EQ(mathspace::fontCommand(i), fonts[i]) << i;
    for (int bad : {-1, 7, 100}) EXPECT_EQ(mathspace::spaceCommand(bad), "") << bad;
    for (int bad : {-1, 9}) EXPECT_EQ(mathspace::fontCommand(bad), "") << bad;

    wrap::EditorState none;
    wrap::EditorState sel;
    sel.selLength = 3;
    sel.selText = "x+y";
    EXPECT_EQ(mathspace::fontText("\\mathmc{", none), (wrap::Insertion{"\\mathmc{}", 1}));
    EXPECT_EQ(mathspace::fontText("\\mathbf{", sel), (wrap::Insertion{"\\mathbf{x+y}", 0}));
    EXPECT_EQ(mathspace::fontText("", sel), wrap::Insertion{});
}

namespace {

using MathSpaceFixture = testsupport::CommandFixture;

// Runs a dialog once: records what it showed, picks item pick (a negative
// pick leaves the preselection) and answers with result.
struct SpaceRun {
    SpaceRun(TForm1& form, int result, int pick)
    {
        ask.onDialog([this, result, pick](QDialog& d) {
            auto& dialog = static_cast<TFormSpace&>(d);
            dialog.show();
            help = dialog.HelpContext;
            caption = dialog.windowTitle();
            shown = dialog.RadioGroup.ItemIndex();
            count = dialog.RadioGroup.Count();
            if (QScreen* s = QGuiApplication::primaryScreen())
                offCentre = (dialog.geometry().center() - s->availableGeometry().center()).manhattanLength();
            if (pick >= 0) dialog.RadioGroup.Button(pick)->setChecked(true);
            dialog.hide();
            return result;
        });
        form.Item("MenuMathSpace")->trigger();
    }
    testsupport::ScriptedAsk ask;
    int help = 0, shown = -1, count = 0, offCentre = 0;
    QString caption;
};

struct FontRun {
    FontRun(TForm1& form, int result, int pick)
    {
        ask.onDialog([this, result, pick](QDialog& d) {
            auto& dialog = static_cast<TFormMathFont&>(d);
            dialog.show();
            help = dialog.HelpContext;
            shown = dialog.ComboBoxFont->currentIndex();
            count = dialog.ComboBoxFont->count();
            if (pick >= 0) dialog.ComboBoxFont->setCurrentIndex(pick);
            dialog.hide();
            return result;
        });
        form.Item("MenuMathFont")->trigger();
    }
    testsupport::ScriptedAsk ask;
    int help = 0, shown = -1, count = 0;
};

}  // namespace

TEST_F(MathSpaceFixture, SpaceReplacesSelectionAndRemembersEvenOnCancel)
{
    setText("ab", 1);
    {
        SpaceRun run(form, mrOk, -1);
        EXPECT_EQ(run.help, 7160);
        EXPECT_EQ(run.caption, QString::fromUtf8("空白（数式モード用）"));
        EXPECT_EQ(run.count, 7);
        EXPECT_EQ(run.shown, 0);
        EXPECT_LE(run.offCentre, 2) << "centred on the screen";
    }
    EXPECT_EQ(text(), "a\\ b");
    EXPECT_EQ(caret(), 3);

    setText("a[xyz]b", 2, 3);
    {
        SpaceRun run(form, mrOk, 6);
    }
    EXPECT_EQ(text(), "a[\\!]b");
    EXPECT_EQ(caret(), 4);

    setText("keep", 0, 4);
    {
        SpaceRun run(form, mrCancel, 2);
        EXPECT_EQ(run.shown, 6) << "last choice preselected";
    }
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(form.part<math::MathLastUsed>().LastMathSpace, 2);
    {
        SpaceRun run(form, mrOk, -1);
        EXPECT_EQ(run.shown, 2);
    }
    EXPECT_EQ(text(), "\\qquad ");
}

TEST_F(MathSpaceFixture, SpaceWithNoItemChosenKeepsSelection)
{
    form.part<math::MathLastUsed>().LastMathSpace = 42;
    setText("keep", 0, 4);
    {
        SpaceRun run(form, mrOk, -1);
        EXPECT_EQ(run.shown, -1);
    }
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(form.part<math::MathLastUsed>().LastMathSpace, -1);
}

TEST_F(MathSpaceFixture, FontWrapsOrOpensEmptyBraces)
{
    setText("ab", 1);
    {
        FontRun run(form, mrOk, 6);
        EXPECT_EQ(run.help, 7040);
        EXPECT_EQ(run.count, 9);
        EXPECT_EQ(run.shown, 0);
    }
    EXPECT_EQ(text(), "a\\mathmc{}b");
    EXPECT_EQ(caret(), 9) << "between the braces";

    setText("[x+y]", 1, 3);
    {
        FontRun run(form, mrOk, 3);
        EXPECT_EQ(run.shown, 6);
    }
    EXPECT_EQ(text(), "[\\mathbf{x+y}]");
    EXPECT_EQ(caret(), 13);

    setText("z", 0, 1);
    {
        FontRun run(form, mrCancel, 8);
    }
    EXPECT_EQ(text(), "z");
    EXPECT_EQ(form.part<math::MathLastUsed>().LastMathFont, 8);
    {
        FontRun run(form, mrOk, -1);
        EXPECT_EQ(run.shown, 8);
    }
    EXPECT_EQ(text(), "\\mathnormal{z}");
}
