#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>

#include "app/Form1.h"
#include "math/BracketDialog.h"
#include "math/Brackets.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

TEST(BracketText, SizeKindAndDelimiter)
{
    struct Case {
        int delimiter, size, kind;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 0, "\\left("},     {16, 1, 0, "\\right."}, {4, 3, 0, "\\bigl\\{"},
        {14, 4, 2, "\\Bigm|"},    {10, 2, 1, "\\langle"}, {13, 6, 3, "\\Bigg\\backslash"},
        {15, 5, 1, "\\biggr\\|"}, {3, 1, 2, "\\right]"},  {16, 2, 0, "."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(brackets::bracketText(c.delimiter, c.size, c.kind), c.text) << c.delimiter << " " << c.size;
    EXPECT_EQ(brackets::bracketText(99, -1, 7), "\\left(") << "out of range falls back, never empty";
}

TEST(BracketPresets, AutomaticSizeAndKindFollowTheirOwnTables)
{
    const int autoSizes[brackets::kDelimiterCount] = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 2, 2, 2, 2, 1};
    const int kinds[brackets::kDelimiterCount] = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 3, 3, 3, 3, 1, 2, 2};
    for (int i = 0; i < brackets::kDelimiterCount; ++i) {
        EXPECT_EQ(brackets::autoSizeFor(i), autoSizes[i]) << i;
        EXPECT_EQ(brackets::kindFor(i, 2), kinds[i]) << i;
    }
}

namespace {

struct BracketFixture : testsupport::CommandFixture {
    // Runs the command with the dialog answered by act and result.
    void run(int result, const std::function<void(TFormKakko&)>& act = {})
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            auto& dialog = static_cast<TFormKakko&>(d);
            dialog.show();
            help = dialog.HelpContext;
            if (act) act(dialog);
            dialog.hide();
            return result;
        });
        form.Item("MenuMathKakko")->trigger();
    }
    static void size(TFormKakko& d, int index) { d.RadioGroupSize.buttons->button(index)->click(); }
    int help = 0;
};

}  // namespace

TEST_F(BracketFixture, FirstUseAndChoicesThatSurviveCancel)
{
    run(mrOk);
    EXPECT_EQ(help, 7120);
    EXPECT_EQ(text(), "\\left(");
    ASSERT_TRUE(FormKakko);
    TFormKakko* resident = FormKakko.data();

    // A fixed size with "(" presets the opening letter.
    form.RichEdit->SetText("");
    run(mrOk, [](TFormKakko& d) {
        size(d, 3);
        EXPECT_TRUE(d.RadioGroupSizeKind.box->isEnabled());
        EXPECT_EQ(d.RadioGroupSizeKind.ItemIndex(), 0);
    });
    EXPECT_EQ(text(), "\\bigl(");

    // Choosing ")" afterwards falls back to the automatic closing size.
    form.RichEdit->SetText("");
    run(mrOk, [](TFormKakko& d) {
        d.ListViewKind->setCurrentRow(1);
        EXPECT_EQ(d.RadioGroupSize.ItemIndex(), 1);
        EXPECT_FALSE(d.RadioGroupSizeKind.box->isEnabled());
    });
    EXPECT_EQ(text(), "\\right)");

    // Cancel inserts nothing but leaves every choice as it was.
    form.RichEdit->SetText("");
    run(mrCancel, [](TFormKakko& d) {
        d.ListViewKind->setCurrentRow(14);
        size(d, 4);
        d.RadioGroupSizeKind.buttons->button(2)->click();
    });
    EXPECT_EQ(text(), "");
    EXPECT_EQ(FormKakko.data(), resident) << "the form is kept, not recreated";
    int shownRow = -1;
    run(mrOk, [&](TFormKakko& d) { shownRow = d.ListViewKind->currentRow(); });
    EXPECT_EQ(shownRow, 14);
    EXPECT_EQ(text(), "\\Bigm|");
}

TEST_F(BracketFixture, NoOutputReplacesTheSelection)
{
    form.RichEdit->SetText("a(b)c");
    form.RichEdit->Select(1, 3);
    run(mrOk, [](TFormKakko& d) {
        d.ListViewKind->setCurrentRow(brackets::kNoOutput);
        EXPECT_EQ(d.RadioGroupSize.ItemIndex(), 1);
    });
    EXPECT_EQ(text(), "a\\right.c");
}
