#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/Form1.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/TitleBuilder.h"
#include "insert/TitleDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct TitleFixture : testsupport::CommandFixture {
    TitleFixture() { build("MenuTexPreTitle", &insert::buildTitleCommands); }
};

}  // namespace

TEST(TitleBuilder, FindsTheBracedArgument)
{
    struct Case {
        std::string text;
        bool found;
        std::string argument;
    };
    const std::string hyou = sjis("表");  // second byte is a backslash
    const std::string plus = sjis("＋");  // second byte is an opening brace
    const Case cases[] = {
        {"x\\title{A {B} C}\r\nrest", true, "A {B} C"},
        {"\\title  {end}", true, "end"},  // closing brace is the last byte
        {"\\title[s]{long}", true, "long"},
        {"\\title{open {never closed}", false, ""},   // unbalanced
        {"\\title\r\n\\begin{document}", false, ""},  // brace of another command
        {"\\title" + std::string(30, ' ') + "{late}", false, ""},
        {"\\title{" + std::string(300, 'a') + "}", false, ""},
        {hyou + "title{no}", false, ""},  // the backslash is half of a character
        {"\\title{" + plus + "}", true, plus},
    };
    for (const Case& c : cases) {
        const auto found = title::findBraced(c.text, "\\title");
        ASSERT_EQ(found.has_value(), c.found) << c.text;
        if (found) EXPECT_EQ(title::argument(c.text, *found), c.argument) << c.text;
    }
    const std::string doc = "a\\author{Me}b";
    EXPECT_EQ(title::findBraced(doc, "\\author"), (title::Found{1, 8, 11}));
}

TEST(TitleBuilder, FirstBraceFormAndPageStyles)
{
    const std::string doc = "\\pagestyle{myheadings}\r\n";
    const auto found = title::findFirstBrace(doc, "\\pagestyle");
    ASSERT_TRUE(found);
    EXPECT_EQ(title::pageStyleIndex(title::argument(doc, *found)), 3);
    EXPECT_EQ(title::pageStyleIndex("headings"), 2);
    EXPECT_EQ(title::pageStyleIndex("empty"), 1);
    EXPECT_EQ(title::pageStyleIndex("fancy"), -1);
    EXPECT_FALSE(title::findFirstBrace("\\date}{x", "\\date"));
    EXPECT_FALSE(title::findFirstBrace("\\date\r\n\\begin{document}", "\\date"));
}

TEST(TitleBuilder, CommandsInCommentsOrLongerNamesAreNotTheCommand)
{
    // Each command stands first in a comment, then as a longer command, then
    // for real: only the real one is rewritten.
    const std::string doc =
        "%\\title{old} \\author{old} \\date{old} \\pagestyle{empty}\r\n"
        "\\titleformat{\\section}{x} \\authorrunning{x} \\dateformat{x} \\pagestylex{x}\r\n"
        "\\title{T} \\author{A} \\date{D} \\pagestyle{plain}\r\n";
    const size_t real = doc.find("\\title{T}");
    for (const char* command : {"\\title", "\\author"}) {
        const auto found = title::findBraced(doc, command);
        ASSERT_TRUE(found) << command;
        EXPECT_EQ(found->start, int(doc.find(std::string(command) + "{", real))) << command;
    }
    for (const char* command : {"\\date", "\\pagestyle"}) {
        const auto found = title::findFirstBrace(doc, command);
        ASSERT_TRUE(found) << command;
        EXPECT_EQ(found->start, int(doc.find(std::string(command) + "{", real))) << command;
    }
    EXPECT_FALSE(title::findBraced("%\\title{a}\r\n", "\\title"));
}

TEST(TitleBuilder, DateFormats)
{
    const char* expected[] = {"2008年11月10日",   "2008/11/10",        "10 November, 2008",
                              "10 November 2008", "November 10, 2008", "10-Nov-08"};
    for (int f = 0; f < title::kDateFormatCount; ++f)
        EXPECT_EQ(title::dateText(f, 2008, 11, 10), sjis(expected[f])) << f;
    EXPECT_EQ(title::dateText(5, 2024, 5, 3), "3-May-24");
    EXPECT_EQ(title::MonthName(1), "January");
    EXPECT_EQ(title::MonthName(13), "");
}

TEST_F(TitleFixture, TitleFromSelectionAndRewrite)
{
    setText("ab", 0, 1);
    {
        testsupport::ScriptedAsk ask;  // no dialog with a selection
        trigger("MenuTexPreTitle");
    }
    EXPECT_EQ(text(), "\\title{a}\r\nb");

    setText("\\title{Old {x}}\r\nbody", 20);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTitle&>(dialog);
        EXPECT_EQ(d.HelpContext, 8020);
        EXPECT_EQ(d.ui.Memo1->toPlainText(), "Old {x}");
        EXPECT_EQ(d.ui.Memo1->textCursor().selectedText(), "Old {x}");
        d.ui.Memo1->setPlainText("New");
        return int(mrOk);
    });
    trigger("MenuTexPreTitle");
    EXPECT_EQ(text(), "\\title{New}\r\nbody");
}

TEST_F(TitleFixture, EmptyAuthorInMidLineLeavesTheCaretInside)
{
    setText("abc", 1);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormEditDialog&>(dialog);
        EXPECT_EQ(d.HelpContext, 8020);
        EXPECT_TRUE(d.Edit1->text().isEmpty());
        return int(mrOk);
    });
    ask.onDialog([](QDialog&) { return int(mrCancel); });
    trigger("MenuTexPreAuthor");
    EXPECT_EQ(text(), "a\r\n\\author{}\r\nbc");
    EXPECT_EQ(caret(), 11);
    trigger("MenuTexPreAuthor");  // cancel changes nothing
    EXPECT_EQ(text(), "a\r\n\\author{}\r\nbc");
}

TEST_F(TitleFixture, TextTheDocumentCannotTakeIsRefused)
{
    // Typed into the memo of the title dialog or the one-line author dialog:
    // a character Shift-JIS lacks would go in as "?".
    setText("\\title{Old}\r\n", 0);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        dynamic_cast<TFormTitle&>(dialog).ui.Memo1->setPlainText(QString::fromUtf8("Caf\u00e9"));
        return int(mrOk);
    });
    ask.expectMessage({std::nullopt, QString::fromUtf8("タイトル指定"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("MenuTexPreTitle");
    ask.onDialog([](QDialog& dialog) {
        dynamic_cast<TFormEditDialog&>(dialog).Edit1->setText(QString::fromUtf8("\u00c5ngstr\u00f6m"));
        return int(mrOk);
    });
    ask.expectMessage({std::nullopt, QString::fromUtf8("著者指定"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("MenuTexPreAuthor");
    EXPECT_EQ(text(), "\\title{Old}\r\n");
    ASSERT_EQ(ask.messages().size(), 2u);
    EXPECT_TRUE(ask.messages()[0].text.contains(QString::fromUtf8("：\u00e9")));
    EXPECT_TRUE(ask.messages()[1].text.contains(QString::fromUtf8("：\u00c5、\u00f6")));
}

TEST_F(TitleFixture, DateAndPageStyle)
{
    setText("\\date{x}\r\n", 10);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormDateInsert&>(dialog);
            EXPECT_EQ(d.HelpContext, 8030);
            EXPECT_EQ(d.ui.ComboBox1->count(), 6);
            d.ui.MonthCalendar1->setSelectedDate(QDate(2008, 11, 10));
            d.ui.ComboBox1->setCurrentIndex(5);
            return int(mrOk);
        });
        trigger("MenuTexPreDate");
    }
    EXPECT_EQ(text(), "\\date{10-Nov-08}\r\n");

    setText("\\pagestyle{myheadings}", 0);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormPageStyle&>(dialog);
            EXPECT_EQ(d.RadioGroup1.ItemIndex(), 3);
            d.RadioGroup1.SetItemIndex(1);
            return int(mrOk);
        });
        trigger("MenuTexPrePageStyle");
    }
    EXPECT_EQ(text(), "\\pagestyle{empty}");

    setText("ab", 1);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog&) { return int(mrOk); });
    trigger("MenuTexPrePageStyle");
    EXPECT_EQ(text(), "a\r\n\\pagestyle{plain}\r\nb");
}
