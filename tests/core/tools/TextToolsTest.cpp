#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "core/undo/MultiUndo.h"
#include "core/tools/TextTools.h"
#include "tests/app/AppFixture.h"

namespace {

const std::string kZen = "\x81\x40";  // full-width blank
const std::string kEq = "\x81\x81";   // ＝: second byte 0x81
const std::string kA = "\x82\xA0";    // あ

TEST(TextToolsTest, FullWidthBlanksAreFoundOnlyAsWholeCharacters)
{
    // ＝ followed by "@" forms the bytes 81 81 40: no blank there.
    EXPECT_TRUE(texttools::fullWidthBlankPositions(kEq + "@").empty());
    EXPECT_EQ(texttools::fullWidthBlankPositions(kA + kZen + "a" + kZen), (std::vector<int>{2, 5}));

    const struct {
        int item;
        std::string expected;
    } kinds[] = {{0, kA + " x "}, {1, kA + "  x  "}, {2, kA + "\\qquad x\\qquad "}, {3, kA + "x"}};
    for (const auto& k : kinds) {
        int count = 0;
        EXPECT_EQ(
            texttools::replaceFullWidthBlanks(kA + kZen + "x" + kZen, texttools::fullWidthReplacement(k.item), &count),
            k.expected)
            << k.item;
        EXPECT_EQ(count, 2);
    }
    int count = 0;
    EXPECT_EQ(texttools::replaceFullWidthBlanks(kZen + kZen + kZen, "\\qquad ", &count), "\\qquad \\qquad \\qquad ");
    EXPECT_EQ(count, 3);
}

TEST(TextToolsTest, TabsTrailingBlanksAndNumbers)
{
    int count = 0;
    EXPECT_EQ(texttools::replaceTabs("\t\t\t", 4, &count), std::string(12, ' '));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(texttools::replaceTabs("a\tb" + kA, 2, &count), "a  b" + kA);

    EXPECT_EQ(texttools::trimmedLength("ab \t\x01 "), 2);
    EXPECT_EQ(texttools::trimmedLength("ab" + kZen), 4);  // a full-width blank stays
    EXPECT_EQ(texttools::trimmedLength("   "), 0);

    EXPECT_EQ(texttools::digitCount(9), 1);
    EXPECT_EQ(texttools::digitCount(10), 2);
    EXPECT_EQ(texttools::lineNumberPrefix(1, 2), " 1 ");
    EXPECT_EQ(texttools::lineNumberPrefix(10, 2), "10 ");
}

// Picks item `index` of the radio group named `group` in a dialog.
void pick(QDialog& dialog, const char* group, int index)
{
    auto* box = dialog.findChild<QGroupBox*>(group);
    ASSERT_NE(box, nullptr) << group;
    const QList<QRadioButton*> radios = box->findChildren<QRadioButton*>();
    ASSERT_LT(index, radios.size());
    radios[index]->setChecked(true);
}

class TextToolsCommandTest : public apptest::AppTest {
protected:
    TForm1& open(const std::string& text) { return startOn(text); }
    static QString u(const char* text) { return QString::fromUtf8(text); }
};

TEST_F(TextToolsCommandTest, FullWidthBlankCommandReplacesThroughTheEditor)
{
    TForm1& f = open(kEq + "@" + kZen + "x" + kZen);
    script().onDialog([](QDialog& d) {
        pick(d, "rgKind", 2);
        return mrOk;
    });
    script().expectMessage(u("2個の全角空白を置換しました。"), u("全角空白置換"), MB_OK | MB_ICONINFORMATION, IDOK);
    f.MenuSearchZenSpaceClick();
    EXPECT_EQ(f.RichEdit->Text(), kEq + "@\\qquad x\\qquad ");
}

TEST_F(TextToolsCommandTest, TabCommandPutsTheCaretBack)
{
    TForm1& f = open("\t\t\tx");
    f.RichEdit->SetSelStart(3);
    script().onDialog([](QDialog& d) {
        EXPECT_EQ(d.findChild<QSpinBox*>("UpDown1")->value(), 4);
        return mrOk;
    });
    script().expectMessage(u("3個のタブを半角空白に置換しました。"), u("タブ→空白変換"), MB_OK | MB_ICONINFORMATION,
                           IDOK);
    f.MenuEditTabSpaceClick();
    EXPECT_EQ(f.RichEdit->Text(), std::string(12, ' ') + "x");
    EXPECT_EQ(f.RichEdit->SelStart(), 3);
    ASSERT_NE(f.UndoManager, nullptr);
    EXPECT_FALSE(f.UndoManager->CanUndo());
}

// A rewrite of the whole text that would pass the length limit is refused
// before anything changes, and the undo history is kept.
TEST_F(TextToolsCommandTest, RewritesPastTheLengthLimitChangeNothing)
{
    const std::string text = kZen + "\t" + kZen + "\t\r\nab";
    TForm1& f = open(text);
    f.RichEdit->SetMaxLength(static_cast<int>(text.size()) + 5);
    f.RichEdit->Select(0, 0);
    f.InsertText("");
    f.RichEdit->Select(0, 0);
    f.InsertText("x");  // something to undo
    const std::string before = f.RichEdit->Text();
    const QString tail = u("文書の大きさが上限の %1 バイトを超えるので、実行しませんでした。").arg(text.size() + 5);

    script().onDialog([](QDialog& d) {
        pick(d, "rgKind", 2);  // "\qquad " for each: 10 bytes more
        return mrOk;
    });
    script().expectMessage(u("置換すると") + tail, u("全角空白置換"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    f.MenuSearchZenSpaceClick();

    script().onDialog([](QDialog& d) {
        d.findChild<QSpinBox*>("UpDown1")->setValue(5);  // 8 bytes more
        return mrOk;
    });
    script().expectMessage(u("置換すると") + tail, u("タブ→空白変換"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    f.MenuEditTabSpaceClick();

    f.RichEdit->Select(0, static_cast<int>(before.size()));  // two lines: 4 bytes more
    f.RichEdit->SetMaxLength(static_cast<int>(before.size()) + 3);
    script().expectMessage(
        u("行番号を付加すると") +
            u("文書の大きさが上限の %1 バイトを超えるので、実行しませんでした。").arg(before.size() + 3),
        u("行番号付加"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    f.MenuEditLineNumClick();

    EXPECT_EQ(f.RichEdit->Text(), before);
    ASSERT_NE(f.UndoManager, nullptr);
    EXPECT_TRUE(f.UndoManager->CanUndo());
}

TEST_F(TextToolsCommandTest, TrailingBlanksGoFromTheChosenLines)
{
    const std::string text = "a \r\n" + kA + " \t\r\nc  \r\nd ";
    {
        TForm1& f = open(text);
        f.RichEdit->SetWordWrap(true);
        script().onDialog([](QDialog&) { return mrOk; });
        f.MenuEditEndSpaceCutClick();
        EXPECT_EQ(f.RichEdit->Text(), "a\r\n" + kA + "\r\nc\r\nd");
    }
    {
        TForm1& f = open(text);
        f.RichEdit->Select(5, 8);  // from line 1 into line 2
        script().onDialog([](QDialog& d) {
            auto* box = d.findChild<QGroupBox*>("RadioGroup1");
            EXPECT_TRUE(box->findChildren<QRadioButton*>()[2]->isChecked());
            return mrOk;
        });
        f.MenuEditEndSpaceCutClick();
        EXPECT_EQ(f.RichEdit->Text(), "a \r\n" + kA + "\r\nc\r\nd ");
    }
}

TEST_F(TextToolsCommandTest, LineNumbersLineUpAndIncludeALineTheSelectionJustReaches)
{
    std::string text;
    for (int i = 0; i < 11; ++i) text += "L\r\n";
    TForm1& f = open(text);
    f.RichEdit->Select(0, f.RichEdit->LineIndex(9));  // ends at the start of line 10 (index 9)
    f.MenuEditLineNumClick();
    EXPECT_EQ(f.RichEdit->Line(0), " 1 L");
    EXPECT_EQ(f.RichEdit->Line(8), " 9 L");
    EXPECT_EQ(f.RichEdit->Line(9), "10 L");
    EXPECT_EQ(f.RichEdit->Line(10), "L");

    TForm1& g = open("a\r\nb");
    script().expectMessage(u("行番号を付加したい範囲を選択してから、\r\nこのメニューを実行して下さい。"),
                           u("行番号付加"), MB_OK | MB_ICONINFORMATION, IDOK);
    g.MenuEditLineNumClick();
    EXPECT_EQ(g.RichEdit->Text(), "a\r\nb");
}

}  // namespace
