#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "app/Form1.h"
#include "insert/IndexBoxBuilder.h"
#include "insert/IndexBoxDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct IndexBoxFixture : testsupport::CommandFixture {
    IndexBoxFixture() { build("MenuTexSakuin", &insert::buildIndexBoxCommands); }
};

}  // namespace

TEST(IndexBoxBuilder, NestedEntryParts)
{
    using indexbox::NestedEntry;
    struct Case {
        NestedEntry entry;
        const char* expected;
    } cases[] = {
        {{"p", "", "", "", "c", ""}, "\\index{p!c}"},  {{"p", "P", "q", "Q", "c", "C"}, "\\index{P@p!Q@q!C@c}"},
        {{"p", "", "", "Q", "c", ""}, "\\index{p!c}"},  // reading without its word
        {{"", "P", "q", "", "c", ""}, "\\index{q!c}"}, {{"", "", "", "", "", ""}, "\\index{}"},
    };
    for (const Case& c : cases) EXPECT_EQ(indexbox::nestedIndexEntry("", c.entry), c.expected);
    EXPECT_EQ(indexbox::indexEntry("w", "w", "r"), "w\\index{r@w}");
    EXPECT_EQ(indexbox::indexEntry("", "w", ""), "\\index{w}");
}

TEST(IndexBoxBuilder, AnchorScan)
{
    const std::string hyou = sjis("表");  // its second byte is a backslash
    const std::string text = "\\name{a}{A} \\NAME{b}{B}" + hyou + "name{x} \\name{c}";
    EXPECT_EQ(indexbox::anchorNames(text), (std::vector<std::string>{"a", "b", "c"}));
    // A missing brace ends the scan; so does an over-long name.
    EXPECT_EQ(indexbox::anchorNames("\\name{a} \\name{b"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(indexbox::anchorNames("\\name{" + std::string(255, 'n') + "} \\name{z}").size(), 2u);
    EXPECT_EQ(indexbox::anchorNames("\\name{" + std::string(256, 'n') + "} \\name{z}").size(), 0u);
    // Brace bytes inside double-byte characters are no braces: マ is 83 7D,
    // ボ is 83 7B.
    const std::string theme = sjis("テーマ"), bo = sjis("ボ");
    EXPECT_EQ(indexbox::anchorNames("\\name{" + theme + "}{t} \\name" + bo + "{x}"),
              (std::vector<std::string>{theme, "x"}));
    EXPECT_EQ(indexbox::anchorNames("\\name{a{b}c}"), (std::vector<std::string>{"a{b}c"}));
    EXPECT_EQ(indexbox::anchorNames("%\\name{old}{x}\r\n\\name{a}{A}"), (std::vector<std::string>{"a"}));
}

TEST_F(IndexBoxFixture, FixedTextsBoxAndVerb)
{
    setText("ab", 1);
    trigger("MenuTexPreIndex");
    EXPECT_EQ(text(), "a\r\n\\usepackage{makeidx}\r\n\\makeindex\r\nb");
    setText("", 0);
    trigger("MenuTexPrtIdx");
    EXPECT_EQ(text(), "\\printindex\r\n");

    setText("xy", 1);
    trigger("PopupVerb");
    EXPECT_EQ(text(), "x\\verb||y");
    EXPECT_EQ(caret(), 7);
    setText("xwy", 1, 1);
    trigger("MenuFormatFbox");
    EXPECT_EQ(text(), "x\\fbox{w}y");
    setText("xwy", 1, 1);
    trigger("MenuFormatVerbVerb");
    EXPECT_EQ(text(), "x\\verb|w|y");
}

TEST_F(IndexBoxFixture, VerbTakesADelimiterTheSelectionDoesNotHold)
{
    const std::string hyphen = sjis("－");  // 81 7C: its second byte is "|"
    ASSERT_EQ(hyphen[1], '|');
    struct Case {
        std::string selection, result;
    } cases[] = {
        {"a|b", "\\verb+a|b+"},
        {"a|b+c!", "\\verb/a|b+c!/"},
        {"x" + hyphen + "y", "\\verb|x" + hyphen + "y|"},
    };
    for (const Case& c : cases) {
        setText(c.selection, 0, int(c.selection.size()));
        trigger("MenuFormatVerbVerb");
        EXPECT_EQ(text(), c.result) << c.selection;
    }
    // Every mark taken: nothing changes, and the user is told.
    const std::string all = "|+!/=\":;@#^~-.,?'`<>()[]";
    setText("a" + all, 1, int(all.size()));
    testsupport::ScriptedAsk ask;
    ask.expectMessage({std::nullopt, "\\verb", MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("MenuFormatVerbVerb");
    EXPECT_EQ(text(), "a" + all);
}

TEST_F(IndexBoxFixture, SelectedWordKeepsItsPlaceBeforeTheEntry)
{
    const std::string word = sjis("漢字");
    setText("a" + word + "b", 1, int(word.size()));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormSakuin&>(dialog);
        EXPECT_EQ(d.HelpContext, 5124);
        EXPECT_EQ(d.ui.EditSakuin->text(), QString::fromUtf8("漢字"));
        d.ui.EditYomi->setText(QString::fromUtf8("かんじ"));
        return int(mrOk);
    });
    trigger("MenuTexSakuin");
    EXPECT_EQ(text(), "a" + word + "\\index{" + sjis("かんじ") + "@" + word + "}b");
}

TEST_F(IndexBoxFixture, NestedParentsAreOfferedAgainAfterCancel)
{
    setText("", 0);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormSakuin2&>(dialog);
            EXPECT_TRUE(d.ui.EditPS1->text().isEmpty());
            d.ui.EditPS1->setText(QString::fromUtf8("親"));
            d.ui.EditPK2->setText("r2");
            return int(mrCancel);
        });
        trigger("MenuTexSakuin2");
    }
    EXPECT_EQ(text(), "");
    EXPECT_EQ(form.part<insert::LastUsed>().LastIndexParent1, QString::fromUtf8("親"));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormSakuin2&>(dialog);
        EXPECT_EQ(d.ui.EditPS1->text(), QString::fromUtf8("親"));
        EXPECT_EQ(d.ui.EditPK2->text(), "r2");
        d.ui.EditCS->setText("c");
        return int(mrOk);
    });
    trigger("MenuTexSakuin2");
    EXPECT_EQ(text(), "\\index{" + sjis("親") + "!c}");
}

TEST_F(IndexBoxFixture, HypertextDialogs)
{
    setText("\\name{one}{1}\r\n", 15);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormHyperTexName&>(dialog);
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8("HyperTex URL参照"));
            EXPECT_EQ(d.HelpContext, 5128);
            d.ui.EditLabel->setText("http://x");
            return int(mrOk);
        });
        trigger("MenuTexinHypRefURL");
    }
    EXPECT_EQ(text(), "\\name{one}{1}\r\n\\href{http://x}{}");
    {
        testsupport::ScriptedAsk ask;  // empty fields go in as they are
        ask.onDialog([](QDialog&) { return int(mrOk); });
        trigger("MenuTexinHyperName");
    }
    EXPECT_EQ(text(), "\\name{one}{1}\r\n\\href{http://x}{}\\name{}{}");
    const std::string theme = sjis("テーマ");  // マ is 83 7D
    setText("\\name{" + theme + "}{1}\r\n", 19);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormHyperHref&>(dialog);
            EXPECT_EQ(d.ui.cbLabel->count(), 1);
            d.ui.cbLabel->setEditText(d.ui.cbLabel->itemText(0));
            d.ui.EditTitle->setText("t");
            return int(mrOk);
        });
        trigger("MenuTexinHyperRef");
    }
    EXPECT_EQ(text(), "\\name{" + theme + "}{1}\r\n\\href{#" + theme + "}{t}");
    setText("xsely", 1, 3);
    testsupport::ScriptedAsk ask;  // a selection needs no dialog
    trigger("MenuTexinHyperRef");
    EXPECT_EQ(text(), "x\\href{sel}{}y");
    EXPECT_TRUE(ask.dialogs().empty());
}
