#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "core/search/Search.h"
#include "core/search/SearchForms.h"
#include "forms/SearchToolForms.h"
#include "tests/app/AppFixture.h"

namespace {

using textsearch::findDown;
using textsearch::findUp;
using textsearch::Options;

const std::string kHyo = "\x95\x5C";  // 表: second byte is a backslash
const std::string kSo = "\x83\x5C";   // ソ
const std::string kA = "\x82\xA0";    // あ
const std::string kI = "\x82\xA2";    // い

struct DownCase {
    const char* name;
    std::string text, pattern;
    int from;
    Options options;
    int expected;
};

TEST(SearchTest, FindDownTakesOnlyHitsOnCharacterBoundaries)
{
    const DownCase cases[] = {
        {"backslash inside double-byte characters", kHyo + kSo + kHyo, "\\", 0, {}, -1},
        {"backslash after them", kHyo + "\\x", "\\", 0, {}, 2},
        {"backslash at the very end", kA + kHyo, "\\", 0, {}, -1},
        {"double-byte char built from two others", "\x82\x82\xA0" + kA, kA, 0, {}, 3},
        {"pattern starting with a second byte", kHyo + "ab", "\\ab", 0, {}, -1},
        {"start inside a character moves to the next", kA + "a" + kA, "a", 1, {}, 2},
        {"case folded", "xABCx", "abc", 0, {}, 1},
        {"case kept", "xABCabc", "abc", 0, {false, true}, 4},
        {"trail byte never folded", "\x83\x41", "\x83\x61", 0, {}, -1},
        {"whole word skips part of a word", "cat catalog cat", "cat", 1, {true, false}, 12},
        {"whole word beside Japanese", kA + "cat" + kI, "cat", 0, {true, false}, 2},
        {"from behind the last hit", "abab", "ab", 1, {}, 2},
    };
    for (const DownCase& c : cases)
        EXPECT_EQ(findDown(c.text, c.pattern, c.from, static_cast<int>(c.text.size()), c.options), c.expected)
            << c.name;
}

TEST(SearchTest, FindDownHonoursTheWindowEnd)
{
    EXPECT_EQ(findDown("abcabc", "bc", 0, 2, {}), -1);
    EXPECT_EQ(findDown("abcabc", "bc", 0, 3, {}), 1);
    EXPECT_EQ(findDown("abc", "", 0, 3, {}), -1);
}

TEST(SearchTest, FindUpTakesTheLastHitEndingBeforeTheCaret)
{
    const std::string text = "word word word";
    EXPECT_EQ(findUp(text, "word", 7, {}), 0);  // caret inside the second word
    EXPECT_EQ(findUp(text, "word", 9, {}), 5);
    EXPECT_EQ(findUp(text, "word", 3, {}), -1);
    EXPECT_EQ(findUp(kHyo + kHyo, "\\", 4, {}), -1);
    // Hits do not overlap: "aaa" holds one "aa" before position 3.
    EXPECT_EQ(findUp("aaa", "aa", 3, {}), 0);
}

TEST(SearchTest, ReplaceAllGoesOnBehindEachReplacement)
{
    int count = 0;
    EXPECT_EQ(textsearch::replaceAll("aaa", "a", "ab", {}, &count), "ababab");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(textsearch::replaceAll(kHyo + "\\", "\\", "/", {}, &count), kHyo + "/");
    EXPECT_EQ(count, 1);
}

class SearchCommandTest : public apptest::AppTest {
protected:
    TForm1& open(const std::string& text) { return startOn(text); }
    static QString info(const char* text) { return QString::fromUtf8(text); }
};

TEST_F(SearchCommandTest, RepeatSearchGoesOnBehindTheSelectedHit)
{
    TForm1& f = open("ab ab ab");
    f.MenuSearchClick();
    EXPECT_FALSE(f.Item("MenuSearchSearchDown")->isEnabled());
    f.SearchText = "ab";
    f.MenuSearchClick();
    EXPECT_TRUE(f.Item("MenuSearchSearchUp")->isEnabled());
    f.RichEdit->SetSelStart(1);
    f.MenuSearchSearchDownClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 3);
    f.MenuSearchSearchDownClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 6);
    EXPECT_EQ(f.RichEdit->SelLength(), 2);
    script().expectMessage(info("検索文字列 'ab' は見つかりませんでした。"), info("検索"), MB_OK | MB_ICONINFORMATION,
                           IDOK);
    f.MenuSearchSearchDownClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 6);
    f.MenuSearchSearchUpClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 3);
}

TEST_F(SearchCommandTest, FindDialogSearchesInItsDirection)
{
    TForm1& f = open(kHyo + "\\" + kHyo + "\\");
    f.MenuSearchSearchClick();
    ASSERT_TRUE(FormSearch);
    EXPECT_TRUE(FormSearch->isVisible());
    FormSearch->ui.EditFind->setText("");
    EXPECT_FALSE(FormSearch->ui.BtnFind->isEnabled());
    FormSearch->ui.EditFind->setText("\\");
    FormSearch->BtnFindClick();
    EXPECT_EQ(f.SearchText, "\\");
    EXPECT_EQ(f.RichEdit->SelStart(), 2);
    FormSearch->BtnFindClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 5);
    FormSearch->ui.rbUp->setChecked(true);
    FormSearch->BtnFindClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 2);
    FormSearch->BtnCancelClick();
    EXPECT_FALSE(FormSearch->isVisible());
}

TEST_F(SearchCommandTest, ReplaceAllCountsAndReports)
{
    TForm1& f = open("aaa");
    f.MenuSearchReplaceClick();
    ASSERT_TRUE(FormReplace);
    FormReplace->ui.EditFind->setText("a");
    FormReplace->ui.EditReplace->setText("ab");
    script().expectMessage(info("3 個置換しました。"), info("置換"), MB_OK | MB_ICONINFORMATION, IDOK);
    FormReplace->BtnReplaceAllClick();
    EXPECT_EQ(f.RichEdit->Text(), "ababab");

    script().expectMessage(info("置換する文字列が見つかりませんでした。"), info("置換"), MB_OK | MB_ICONINFORMATION,
                           IDOK);
    FormReplace->ui.EditFind->setText("z");
    FormReplace->BtnReplaceAllClick();
    EXPECT_EQ(f.RichEdit->Text(), "ababab");
}

// At the length limit a replacement is refused, the user is told, and the
// count says what was done.
TEST_F(SearchCommandTest, ReplacementsPastTheLengthLimitAreRefusedAndSaid)
{
    TForm1& f = open("aaa");
    f.RichEdit->SetMaxLength(5);
    f.MenuSearchReplaceClick();
    FormReplace->ui.EditFind->setText("a");
    FormReplace->ui.EditReplace->setText("ab");
    script().expectMessage(info("2 個置換しました。\r\n残りは、置換すると文書の大きさが上限の 5 バイトを超えるので、"
                                "実行しませんでした。"),
                           info("置換"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    FormReplace->BtnReplaceAllClick();
    EXPECT_EQ(f.RichEdit->Text(), "ababa");
    EXPECT_EQ(f.RichEdit->SelStart(), 4) << "the refused hit stays selected";
    EXPECT_EQ(f.RichEdit->SelLength(), 1);

    // Replace-and-next: the hit is refused the same way and stays selected.
    script().expectMessage(info("置換すると文書の大きさが上限の 5 バイトを超えるので、実行しませんでした。"),
                           info("置換"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    FormReplace->BtnReplaceClick();
    EXPECT_EQ(f.RichEdit->Text(), "ababa");
    EXPECT_EQ(f.RichEdit->SelStart(), 4);
    EXPECT_EQ(script().pending(), 0);
}

TEST_F(SearchCommandTest, ReplaceLeavesASelectionThatIsNoHit)
{
    TForm1& f = open("keep x x");
    f.RichEdit->Select(0, 4);
    f.MenuSearchReplaceClick();
    FormReplace->ui.EditFind->setText("x");
    FormReplace->ui.EditReplace->setText("y");
    FormReplace->BtnReplaceClick();  // selects the first hit, replaces nothing
    EXPECT_EQ(f.RichEdit->Text(), "keep x x");
    EXPECT_EQ(f.RichEdit->SelStart(), 5);
    FormReplace->BtnReplaceClick();  // replaces it and selects the next
    EXPECT_EQ(f.RichEdit->Text(), "keep y x");
    EXPECT_EQ(f.RichEdit->SelStart(), 7);
}

}  // namespace
