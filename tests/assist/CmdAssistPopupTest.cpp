// The command-assist pop-up on the real main window, driven by key events.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "tests/assist/CmdAssistFixture.h"

namespace {

using assisttest::PopupTest;
using cmdassist::Settings;

Settings options(int space, int kigou, int kakutei, int list, bool gakusyuu = true,
                 QStringList commands = cmdassist::builtinCommands())
{
    return Settings{std::move(commands), space, kigou, kakutei, list, gakusyuu};
}

TEST_F(PopupTest, BackslashOpensThePopupAtTheCaretAndTypesNothing)
{
    open();
    load("ab\r\ncd", 5);
    const QPoint caret = ed->mapToGlobal(ed->CaretRect().topLeft());
    backslash();
    ASSERT_TRUE(popupOpen());
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(text(), "ab\r\ncd");
    EXPECT_EQ(memo(), "\\");
    EXPECT_EQ(popup()->MemoCmd->cursorPosition(), 1);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(popup()->pos(), caret + QPoint(3, 2));
    EXPECT_EQ(popup()->size(), QSize(200, 104));
    EXPECT_EQ(popup()->Items().size(), 1158);

    // Keys now reach the pop-up, not the editor.
    type("sec");
    EXPECT_EQ(memo(), "\\sec");
    EXPECT_EQ(text(), "ab\r\ncd");
    enter();
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "ab\r\nc" + popup()->Items()[firstWith("\\sec")].toStdString() + "d");
}

TEST_F(PopupTest, NoPopupWhenOffBusyOrThroughTheInputMethod)
{
    TForm1& f = open();
    f.AutoCommand = false;
    backslash();
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\");

    f.AutoCommand = true;
    f.Busy = true;
    backslash();
    EXPECT_FALSE(popupOpen());
    f.Busy = false;

    // A backslash committed by the input method is the method's text.
    load("");
    QInputMethodEvent commit;
    commit.setCommitString("\\");
    QApplication::sendEvent(ed, &commit);
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\");
}

TEST_F(PopupTest, EscBackspaceAndASecondBackslash)
{
    open();
    load("xSELy", 1);
    ed->Select(1, 3);
    backslash();
    key(Qt::Key_Escape);
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "xy") << "nothing inserted, the selection removed";

    load("xy", 1);
    backslash();
    key(Qt::Key_Backspace);
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "xy");

    load("xy", 1);
    backslash();
    backslash();
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "x\\\\y");
    EXPECT_EQ(ed->SelStart(), 3);
}

TEST_F(PopupTest, EnterAndCtrlEnterFollowKakutei)
{
    open();
    const QString first = [&] {
        backslash();
        type("SEC");
        return selectedText();
    }();
    EXPECT_TRUE(first.startsWith("\\sec")) << first.toStdString();
    enter();
    EXPECT_EQ(text(), first.toStdString());

    load("");
    backslash();
    type("sec");
    enter(Qt::ControlModifier);
    EXPECT_EQ(text(), "\\sec");

    popup()->Kakutei = 1;
    load("");
    backslash();
    type("sec");
    enter();
    EXPECT_EQ(text(), "\\sec");
    load("");
    backslash();
    type("sec");
    enter(Qt::ControlModifier);
    EXPECT_EQ(text(), first.toStdString());
}

TEST_F(PopupTest, CaretStopsBetweenBracesAndBars)
{
    Settings s = options(0, 1, 0, 0);
    s.commands = QStringList({"\\", "\\author{}", "\\verb||", "\\ver"});
    open(&s);
    backslash();
    type("auth");
    enter();
    EXPECT_EQ(text(), "\\author{}");
    EXPECT_EQ(ed->SelStart(), 8);

    load("");
    backslash();
    type("verb|");
    EXPECT_EQ(memo(), "\\verb|") << "with Kigou 1 a symbol is typed";
    EXPECT_EQ(selectedText(), "\\verb||");
    enter();
    EXPECT_EQ(text(), "\\verb||");
    EXPECT_EQ(ed->SelStart(), 6);
}

TEST_F(PopupTest, SymbolsAndDigitsEndTheCommandWithKigouZero)
{
    open();
    backslash();
    type("sec{");
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\sec{");

    load("");
    backslash();
    type("hspace2");
    EXPECT_EQ(text(), "\\hspace2");

    load("");
    backslash();
    type("a*b");  // "*" is no symbol of the set
    EXPECT_TRUE(popupOpen());
    EXPECT_EQ(memo(), "\\a*b");
    key(Qt::Key_Escape);
}

TEST_F(PopupTest, SpaceKeyFollowsItsOption)
{
    Settings s = options(1, 0, 0, 0);
    open(&s);
    backslash();
    type("item ");
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\item ");

    popup()->Space = 0;
    load("");
    backslash();
    ASSERT_EQ(selected(), 0);
    key(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(memo(), popup()->Items()[1]);
    key(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(selected(), 2);
    key(Qt::Key_Space, Qt::ShiftModifier, " ");
    EXPECT_EQ(selected(), 1);
    key(Qt::Key_Up);
    EXPECT_EQ(selected(), 0);
    key(Qt::Key_Up);
    key(Qt::Key_Space, Qt::ShiftModifier, " ");
    EXPECT_EQ(selected(), 0) << "nothing above the first item";
    EXPECT_TRUE(popupOpen());
    EXPECT_EQ(memo(), popup()->Items()[0]) << "the line keeps the last item copied into it";
    key(Qt::Key_Escape);
    EXPECT_EQ(text(), "");
}

TEST_F(PopupTest, ListOptionOneOnlyScrollsUntilAKeySelects)
{
    Settings s = options(0, 0, 0, 1);
    open(&s);
    backslash();
    EXPECT_EQ(selected(), -1);
    type("sec");
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(popup()->TopIndex(), firstWith("\\sec") - 2);
    enter();
    EXPECT_EQ(text(), "\\sec");

    // Down tries the typed text less its last character.
    load("");
    backslash();
    type("se");
    key(Qt::Key_Down);
    EXPECT_EQ(selected(), firstWith("\\s"));
    key(Qt::Key_Escape);

    // Space tries the whole text once the list has scrolled...
    load("");
    backslash();
    type("se");
    key(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(selected(), firstWith("\\se"));
    EXPECT_EQ(memo(), "\\se") << "a search does not rewrite the line";
    key(Qt::Key_Escape);

    // ... and at the top it takes the first item.
    load("");
    backslash();
    key(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(selected(), 0);
    key(Qt::Key_Escape);

    // One character: Up and Down find nothing.
    load("");
    backslash();
    key(Qt::Key_Up);
    EXPECT_EQ(selected(), -1);
    key(Qt::Key_Escape);
}

TEST_F(PopupTest, LearningMovesTheChosenCommandUpForTheRun)
{
    const QStringList list = {"\\", "\\a", "\\sec1", "\\sec2", "\\sec3", "\\z"};
    Settings s = options(0, 1, 0, 0, true, list);
    open(&s);
    backslash();
    type("sec");
    EXPECT_EQ(selectedText(), "\\sec1");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(memo(), "\\sec3");
    enter();
    EXPECT_EQ(text(), "\\sec3");
    EXPECT_EQ(popup()->Items(), QStringList({"\\", "\\a", "\\sec3", "\\sec1", "\\sec2", "\\z"}));
    EXPECT_EQ(popup()->lbCmd->item(2)->text(), "\\sec3");

    load("");
    backslash();
    type("sec");
    EXPECT_EQ(selectedText(), "\\sec3");
    key(Qt::Key_Escape);

    // The store keeps the order it had: a new pop-up reads it again.
    EXPECT_EQ(cmdassist::readSettings(HKEY_CURRENT_USER_ROOT, apptest::kRoot).commands, list);

    // Learning off, or a double click: no move.
    popup()->Gakusyuu = false;
    load("");
    backslash();
    type("sec");
    key(Qt::Key_Down);
    enter();
    EXPECT_EQ(text(), "\\sec1");
    EXPECT_EQ(popup()->Items()[2], "\\sec3");

    popup()->Gakusyuu = true;
    load("");
    backslash();
    type("sec");
    QListWidget* list2 = popup()->lbCmd;
    const QRect row = list2->visualItemRect(list2->item(4));
    QTest::mouseClick(list2->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list2->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\sec2");
    EXPECT_EQ(popup()->Items()[2], "\\sec3");
}

TEST_F(PopupTest, ScrollingAndTheEndOfTheList)
{
    QStringList list;
    for (int i = 0; i < 40; ++i) list << QString("\\c%1").arg(i, 2, 10, QChar('0'));
    Settings s = options(0, 1, 0, 0, true, list);
    open(&s);
    backslash();
    type("c01");
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(popup()->TopIndex(), 0) << "a hit among the first three leaves the scroll";
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    type("20");
    EXPECT_EQ(selected(), 20);
    EXPECT_EQ(popup()->TopIndex(), 18) << "the hit shows as the third row";
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    type("39");
    for (int i = 0; i < 3; ++i) key(Qt::Key_Down);
    EXPECT_EQ(selected(), 39);
    EXPECT_EQ(memo(), "\\c39");

    // A click copies the item into the line and searches on it.
    const QRect row = popup()->lbCmd->visualItemRect(popup()->lbCmd->item(37));
    QTest::mouseClick(popup()->lbCmd->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(popupOpen());
    EXPECT_EQ(memo(), "\\c37");
    EXPECT_EQ(selected(), 37);
    enter();
    EXPECT_EQ(text(), "\\c37");
}

TEST_F(PopupTest, PlacementStaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(200, 104);
    EXPECT_EQ(cmdAssistPosition({100, 100}, size, screen), QPoint(103, 102));
    EXPECT_EQ(cmdAssistPosition({100, 700}, size, screen), QPoint(103, 800 - 104 - 32));
    EXPECT_EQ(cmdAssistPosition({1200, 100}, size, screen), QPoint(1280 - 200, 102));
    EXPECT_EQ(cmdAssistPosition({1270, 790}, size, screen), QPoint(1080, 664));
    EXPECT_EQ(cmdAssistPosition({1400, 100}, size, QRect(1280, 0, 1024, 768)), QPoint(1403, 102));
    EXPECT_EQ(cmdAssistPosition({1, 1}, size, QRect(0, 0, 150, 100)), QPoint(0, 0));

    // On the real window, with the caret at the bottom right of the screen.
    TForm1& f = open();
    const QRect area = f.screen()->geometry();
    f.move(area.right() - 300, area.bottom() - 150);
    QApplication::processEvents();
    load(std::string(60, 'x'));
    const QPoint caret = ed->mapToGlobal(ed->CaretRect().topLeft());
    backslash();
    ASSERT_TRUE(popupOpen());
    const QRect g = popup()->geometry();
    EXPECT_LE(g.bottom() + 1, area.bottom() + 1 - 32);
    EXPECT_LE(g.right(), area.right());
    EXPECT_EQ(g.topLeft(), cmdAssistPosition(caret, g.size(), area));
    key(Qt::Key_Escape);
}

TEST_F(PopupTest, InsertedCommandIsColouredAndUndoneAsAnEdit)
{
    TForm1& f = open();
    ASSERT_TRUE(f.AutoColor);
    load("a  b", 2);
    backslash();
    type("section");
    enter(Qt::ControlModifier);
    EXPECT_EQ(text(), "a \\section b");
    EXPECT_EQ(ed->SelStart(), 10);
    EXPECT_NE(ed->FormatAt(3).color, f.FontColor) << "the command is coloured";
    EXPECT_EQ(ed->FormatAt(0).color, f.FontColor);
    EXPECT_TRUE(ed->Modified());
    f.MenuEditUndoClick();
    EXPECT_EQ(text(), "a  b");
}

TEST_F(PopupTest, ClosesWhenTheWindowLosesFocusOrCloses)
{
    TForm1& f = open();
    backslash();
    type("sec");
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&f, &deactivate);
    EXPECT_FALSE(popupOpen());
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(text(), "\\sec") << "what was typed is kept";

    // Closing the window while it is open: the pop-up ends first, so the
    // save question already counts what it inserted.
    load("");
    backslash();
    type("al");
    script().answerNextMessage(IDNO);
    f.close();
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\al");
    EXPECT_EQ(messages().size(), 1u);

    // A window destroyed with the pop-up open takes it along quietly.
    TForm1& g = open();
    backslash();
    type("x");
    ASSERT_TRUE(popupOpen());
    ASSERT_EQ(popup()->parentWidget(), &g);
    form.reset();
    EXPECT_EQ(popup(), nullptr);
}

TEST_F(PopupTest, KeysFromTheWindowSystemGoToThePopup)
{
    TForm1& f = open();
    QWindow* window = f.windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_Backslash, Qt::NoModifier);
    ASSERT_TRUE(popupOpen());
    for (char c : std::string("frac")) QTest::keyClick(window, c);
    EXPECT_EQ(memo(), "\\frac");
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_FALSE(popupOpen());
    EXPECT_EQ(text(), "\\frac");
    // The editor has the keyboard again.
    QTest::keyClick(window, 'x');
    EXPECT_EQ(text(), "\\fracx");
}

TEST_F(PopupTest, F7SwitchesAssistAndTheItemContinuation)
{
    TForm1& f = open();
    QAction* item = f.Item("MenuOptionAutoCommand");
    QAction* button = f.Item("ToolButtonCommandAssist");
    ASSERT_NE(item, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_TRUE(button->isChecked());
    QTest::keyClick(f.windowHandle(), Qt::Key_F7);
    EXPECT_FALSE(f.AutoCommand);
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(item->isChecked());

    load("\\item a");
    enter();
    EXPECT_EQ(text(), "\\item a\r\n") << "no item continuation while off";
    backslash();
    EXPECT_FALSE(popupOpen());

    button->trigger();
    EXPECT_TRUE(f.AutoCommand);
    EXPECT_TRUE(button->isChecked());
    f.AutoCommand = false;
    f.MenuAutoClick();
    EXPECT_FALSE(item->isChecked()) << "the check mark follows the flag when the menu opens";
    item->trigger();
    EXPECT_TRUE(f.AutoCommand);
    load("\\item a");
    enter();
    EXPECT_EQ(text(), "\\item a\r\n\\item ");
}

}  // namespace

TEST_F(PopupTest, AnEntryTheDocumentCannotTakeIsRefusedNamingIt)
{
    // A list file or a stored list may hold a character Shift-JIS lacks.
    const Settings withAccent = options(0, 0, 0, 0, false, {QString::fromUtf8("\\caf\u00e9")});
    open(&withAccent);
    load("ab", 1);
    script().expectMessage({std::nullopt, QString::fromUtf8("コマンド入力支援"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    backslash();
    type("caf");
    enter();
    EXPECT_EQ(text(), "ab");
    ASSERT_FALSE(script().messages().empty());
    EXPECT_TRUE(script().messages().back().text.contains(QString::fromUtf8("：\u00e9")));
}
