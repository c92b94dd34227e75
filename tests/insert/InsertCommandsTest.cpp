#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/StructureBuilder.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

// Answers the one-line dialog and records how it was set up.
struct OneLineScript {
    OneLineScript(int result, QString typed = {})
    {
        ask.onDialog([this, result, typed](QDialog& d) {
            auto& dialog = static_cast<TFormEditDialog&>(d);
            caption = dialog.windowTitle();
            prompt = dialog.Label1->text();
            help = dialog.HelpContext;
            dialog.Edit1->setText(typed);
            return result;
        });
    }
    testsupport::ScriptedAsk ask;
    QString caption, prompt;
    int help = 0;
};

struct InsertFixture : testsupport::CommandFixture {
    InsertFixture() { build("MenuInsTitle", &insert::buildInsertCommands); }
};

}  // namespace

TEST_F(InsertFixture, FixedInsertionAndUnderline)
{
    // The line is broken at the caret; no break goes in front.
    setText("abcdef", 3);
    trigger("MenuInsTitle");
    EXPECT_EQ(text(), "abc\\maketitle\r\ndef");
    EXPECT_EQ(caret(), 15);

    setText("ab", 1);
    trigger("MenuFormatUnderline");
    EXPECT_EQ(text(), "a\\underline{}b");
    EXPECT_EQ(caret(), 12);
}

TEST_F(InsertFixture, HeadingThroughTheOneLineDialog)
{
    setText("ab", 1);
    {
        OneLineScript script(mrOk, QString::fromUtf8("序論"));
        trigger("MenuInsMidSection");
        EXPECT_EQ(script.caption, "section");
        EXPECT_EQ(script.prompt, QString::fromUtf8("節の見出し："));
        EXPECT_EQ(script.help, 5100);
    }
    // No line break in front, even inside a line.
    EXPECT_EQ(text(), "a\\section{" + sjis("序論") + "}\r\nb");

    setText("ab", 1);
    {
        OneLineScript script(mrCancel, "ignored");
        trigger("MenuInsMidSection");
        EXPECT_EQ(script.ask.pending(), 0);
    }
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(form.DialogCenterX, 9999) << "the one-line road stores nothing";

    setText("", 0);
    {
        OneLineScript script(mrOk, "");
        trigger("MenuInsMidSubsec");
        EXPECT_EQ(script.prompt, QString::fromUtf8("小節の見出し:"));
    }
    EXPECT_EQ(text(), "\\subsection{}\r\n");
    EXPECT_EQ(caret(), 12) << "between the braces";
}

TEST_F(InsertFixture, HeadingFromTheSelectionAndFromThePopUp)
{
    const std::string word = sjis("表示");
    setText("[" + word + "]", 1, 4);
    {
        testsupport::ScriptedAsk noDialog;  // a selection needs no dialog
        trigger("MenuTexMidChapter2");
    }
    EXPECT_EQ(text(), "[\\chapter*{" + word + "}\r\n]");

    ASSERT_NE(form.part<insert::InsertMenus>().PopupMenuMidasi, nullptr);
    QAction* section2 = form.part<insert::InsertMenus>().PopupMenuMidasi->actions().value(9);
    ASSERT_NE(section2, nullptr);
    EXPECT_EQ(section2->objectName(), "PopupSection2");
    EXPECT_EQ(tagOf(section2), 9);
    setText("", 0);
    {
        OneLineScript script(mrOk, "Intro");
        section2->trigger();
        EXPECT_EQ(script.caption, "section*");
    }
    EXPECT_EQ(text(), "\\section*{Intro}\r\n");
}

TEST_F(InsertFixture, EveryEnvironmentLeavesTheCaretOnItsEmptyLine)
{
    for (const auto& env : structure::environments()) {
        SCOPED_TRACE(env.menuItem);
        setText("", 0);
        trigger(env.menuItem);
        EXPECT_EQ(text(), std::string(env.opening) + env.closing);
        EXPECT_EQ(form.RichEdit->LineFromChar(-1), 1);
        // What the user types next lands between \begin and \end.
        form.InsertText("x");
        EXPECT_EQ(text(), std::string(env.opening) + "x" + env.closing);
    }
}

TEST_F(InsertFixture, ListTemplatesPutTheCaretAtThePlaceholderInTheEditor)
{
    // The placeholder's double-byte characters count two positions each.
    setText("x", 1);
    trigger("ToolButtonShoKajyou2");
    EXPECT_EQ(text().substr(0, 3), "x\r\n");
    EXPECT_EQ(text()[size_t(caret())], '%');

    setText("", 0);
    trigger("MenuFormatDescription");
    EXPECT_EQ(text().substr(size_t(caret()) - 1, 2), "[]");
}

TEST_F(InsertFixture, NothingChosenLeavesTheSelectionAlone)
{
    setText("keep", 0, 4);
    EXPECT_FALSE(road::apply(form, wrap::Insertion{}));
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(form.RichEdit->SelLength(), 4);
}

TEST_F(InsertFixture, HeadingButtonDropsThePopUpUnderItself)
{
    if (!form.ToolBarTeXShosiki) GTEST_SKIP() << "no tool bar in this build";
    form.setGeometry(100, 100, 900, 600);
    form.show();
    QAction* button = form.Item("ToolButtonTeXInMidashi");
    ASSERT_NE(button, nullptr);
    QWidget* widget = form.ToolBarTeXShosiki->widgetForAction(button);
    ASSERT_NE(widget, nullptr);
    trigger("ToolButtonTeXInMidashi");
    EXPECT_TRUE(form.part<insert::InsertMenus>().PopupMenuMidasi->isVisible());
    EXPECT_EQ(form.part<insert::InsertMenus>().PopupMenuMidasi->pos(), widget->mapToGlobal(QPoint(0, widget->height())));
    form.part<insert::InsertMenus>().PopupMenuMidasi->hide();
}
