#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>

#include "app/Form1.h"
#include "insert/FootnotesBuilder.h"
#include "insert/FootnotesDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct FootnotesFixture : testsupport::CommandFixture {
    FootnotesFixture() { build("MenuInsertFootnote", &insert::buildBreakCommands); }
};

}  // namespace

TEST(FootnotesBuilder, TextsAndCaret)
{
    const std::string note = sjis("注釈");
    EXPECT_EQ(footnotes::footnote(note), (wrap::Insertion{"\\footnote{" + note + "}", 0}));
    EXPECT_EQ(footnotes::footnote(""), (wrap::Insertion{"\\footnote{}", 1}));
    EXPECT_EQ(footnotes::marginpar(note, 0), (wrap::Insertion{"\\marginpar{" + note + "}", 0}));
    EXPECT_EQ(footnotes::marginpar("", 1), (wrap::Insertion{"\\marginpar{\\footnotesize }", 1}));
    EXPECT_EQ(footnotes::marginpar("a\r\nb", 1), (wrap::Insertion{"\\marginpar{\\footnotesize a\r\nb}", 0}));
}

TEST_F(FootnotesFixture, SelectedFootnoteGoesInWithoutTheDialog)
{
    const std::string word = sjis("脚注");
    setText("a" + word + "b", 1, int(word.size()));
    testsupport::ScriptedAsk ask;  // any dialog would fail the test
    trigger("MenuInsertFootnote");
    EXPECT_EQ(text(), "a\\footnote{" + word + "}b");
    EXPECT_EQ(caret(), 1 + 11 + int(word.size()));
    EXPECT_TRUE(ask.dialogs().empty());
}

TEST_F(FootnotesFixture, FootnoteFromTheMemo)
{
    setText("ab", 1);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormFootnote&>(dialog);
            EXPECT_EQ(d.HelpContext, 5070);
            EXPECT_TRUE(d.ui.Memo1->toPlainText().isEmpty());
            return int(mrOk);
        });
        trigger("MenuInsertFootnote");
    }
    EXPECT_EQ(text(), "a\\footnote{}b");
    EXPECT_EQ(caret(), 11);

    // Lines pasted into the memo arrive with CR LF.
    setText("", 0);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            dynamic_cast<TFormFootnote&>(dialog).ui.Memo1->setPlainText(QString::fromUtf8("一行目\n二行目"));
            return int(mrOk);
        });
        trigger("MenuInsertFootnote");
    }
    EXPECT_EQ(text(), "\\footnote{" + sjis("一行目") + "\r\n" + sjis("二行目") + "}");

    // Enter in the memo adds no line: it is the dialog's OK.
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormFootnote&>(dialog);
        d.ui.Memo1->setPlainText("x");
        QTest::keyClick(d.ui.Memo1, Qt::Key_Return);
        EXPECT_EQ(d.ui.Memo1->toPlainText(), "x");
        EXPECT_EQ(d.result(), mrOk);
        return int(mrCancel);
    });
    trigger("MenuInsertFootnote");
}

TEST_F(FootnotesFixture, MarginparOffersTheSelectionAndRemembersTheSize)
{
    const std::string word = sjis("傍注");
    setText("a" + word + "b", 1, int(word.size()));
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormMarginpar&>(dialog);
            EXPECT_EQ(d.ui.Memo1->toPlainText(), QString::fromUtf8("傍注"));
            d.rgSize.SetItemIndex(1);
            return int(mrCancel);
        });
        trigger("MenuInsertMarginpar");
    }
    EXPECT_EQ(text(), "a" + word + "b");
    EXPECT_EQ(form.part<insert::LastUsed>().LastMarginparSize, 1);

    // OK over the selection replaces it; the size comes preselected.
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormMarginpar&>(dialog);
            EXPECT_EQ(d.rgSize.ItemIndex(), 1);
            return int(mrOk);
        });
        trigger("MenuInsertMarginpar");
    }
    EXPECT_EQ(text(), "a\\marginpar{\\footnotesize " + word + "}b");

    // Empty and in footnote size: the caret stands between the blank and the brace.
    setText("", 0);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog&) { return int(mrOk); });
        trigger("MenuInsertMarginpar");
    }
    EXPECT_EQ(text(), "\\marginpar{\\footnotesize }");
    EXPECT_EQ(caret(), int(text().size()) - 1);
}
