#include <gtest/gtest.h>

#include "core/MultiUndo.h"
#include "tests/core/FakeUndoEditor.h"

namespace {

class MultiUndoTest : public ::testing::Test {
protected:
    FakeUndoEditor ed;
    MultiUndo mu{&ed};

    void load(const std::string& text, int caret = -1)
    {
        ed.undo = nullptr;
        ed.text = text;
        ed.selStart = caret < 0 ? int(text.size()) : caret;
        ed.selLength = 0;
        ed.undo = &mu;
        mu.Reset();
    }
    void SetUp() override { load(""); }
    std::string undo()
    {
        mu.Undo();
        return ed.text;
    }
    std::string redo()
    {
        mu.Redo();
        return ed.text;
    }
};

}  // namespace

TEST_F(MultiUndoTest, TypingRunsAndEnterGroupAsOneStepEach)
{
    ed.type("abc");
    EXPECT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(undo(), "");

    load("");
    ed.type("ab");
    ed.enter();
    ed.type("cd");
    EXPECT_EQ(ed.text, "ab\r\ncd");
    EXPECT_EQ(undo(), "ab");
    EXPECT_EQ(undo(), "");
    EXPECT_FALSE(mu.CanUndo());
}

TEST_F(MultiUndoTest, BackspaceAndDeleteRunsRestoreInOrder)
{
    load("ab\x93\xfa\x96\x7b" "cd");  // ab日本cd
    ed.backspace();
    ed.backspace();
    ed.backspace();  // the double-byte character goes whole
    EXPECT_EQ(ed.text, "ab\x93\xfa");
    EXPECT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(undo(), "ab\x93\xfa\x96\x7b" "cd");

    load("x\r\nyz", 0);
    ed.del();
    ed.del();  // the line break as one
    ed.del();
    EXPECT_EQ(ed.text, "z");
    EXPECT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(undo(), "x\r\nyz");
}

TEST_F(MultiUndoTest, TypingOverASelectionIsADeletionThenAnInsertion)
{
    load("hello world");
    ed.setSelection(0, 5);
    ed.type("X");
    EXPECT_EQ(ed.text, "X world");
    EXPECT_EQ(mu.Queue().top, 2);
    EXPECT_EQ(undo(), " world");
    EXPECT_EQ(undo(), "hello world");
}

TEST_F(MultiUndoTest, UndoRedoWalk)
{
    ed.type("ab");
    ed.enter();
    ed.type("cd");
    EXPECT_FALSE(mu.CanRedo());
    EXPECT_EQ(undo(), "ab");
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(redo(), "ab");
    EXPECT_EQ(undo(), "");  // undoes again what the redo reapplied
    EXPECT_EQ(redo(), "ab");
    EXPECT_EQ(redo(), "ab\r\ncd");
    EXPECT_FALSE(mu.CanRedo());
    // Nothing is left to redo: no read past the newest entry.
    EXPECT_EQ(mu.Redo(), std::make_pair(0, 0));
    EXPECT_EQ(mu.Redo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, "ab\r\ncd");
    EXPECT_EQ(undo(), "ab");
}

TEST_F(MultiUndoTest, OnlyTheNewest256EditsCanBeUndone)
{
    for (int i = 0; i < 300; ++i) {
        ed.setSelection(0, 0);
        ed.type("x");
    }
    int undone = 0;
    while (mu.CanUndo() && undone < 1000) {
        mu.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(ed.text, std::string(44, 'x'));
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, std::string(44, 'x'));
}

TEST_F(MultiUndoTest, NothingToUndoAfterReset)
{
    load("loaded text");
    EXPECT_FALSE(mu.CanUndo());
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, "loaded text");
    EXPECT_FALSE(mu.CanRedo());
}

TEST_F(MultiUndoTest, DeletionWithoutAKeyIsRecordedAsItHappened)
{
    load("hello world");
    ed.type("!");
    ed.replaceSilently(0, 6, "", 0);
    EXPECT_EQ(ed.text, "world!");
    EXPECT_EQ(undo(), "hello world!");
    EXPECT_EQ(undo(), "hello world");

    // The last key was Delete, but this deletion happened away from the caret.
    load("abcdef", 0);
    ed.del();
    ed.text.erase(3, 1);
    ed.changed();
    EXPECT_EQ(ed.text, "bcdf");
    EXPECT_EQ(undo(), "bcdef");
    EXPECT_EQ(undo(), "abcdef");
}

TEST_F(MultiUndoTest, UnexplainedChangeAfterUndoIsNotUndoneTwice)
{
    ed.type("ab");
    ed.enter();
    ed.type("cd");
    EXPECT_EQ(undo(), "ab");
    ed.replaceSilently(0, 1, "", 0);
    EXPECT_EQ(ed.text, "b");
    EXPECT_EQ(undo(), "ab");
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, "");
}

TEST_F(MultiUndoTest, ResetTakesTheSelectionInForce)
{
    ed.undo = nullptr;
    ed.text = "line1\r\nline2\r\nline3";
    ed.selStart = 7;
    ed.selLength = 5;  // selected before the reset, as a jump to a line does
    ed.undo = &mu;
    mu.Reset();
    ed.type("Z");
    EXPECT_EQ(ed.text, "line1\r\nZ\r\nline3");
    EXPECT_EQ(mu.Queue().top, 2);
    EXPECT_EQ(undo(), "line1\r\n\r\nline3");
    EXPECT_EQ(undo(), "line1\r\nline2\r\nline3");
}

TEST_F(MultiUndoTest, SelectionCollapsedOutOfSightIsResynchronised)
{
    load("abcdefgh");
    ed.setSelection(2, 3);
    // Collapsed while events were not passed on (colouring, a font change).
    ed.selStart = 8;
    ed.selLength = 0;
    mu.SyncSelection();
    ed.backspace();
    ed.backspace();
    EXPECT_EQ(ed.text, "abcdef");
    EXPECT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(undo(), "abcdefgh");

    // Without the resynchronisation the edit is still recorded truly.
    load("abcdefgh");
    ed.setSelection(2, 3);
    ed.selStart = 8;
    ed.selLength = 0;
    ed.backspace();
    EXPECT_EQ(ed.text, "abcdefg");
    EXPECT_EQ(undo(), "abcdefgh");
}

TEST_F(MultiUndoTest, StaleSelectionDoesNotMisplaceALaterDelete)
{
    load("0123456789");
    ed.setSelection(0, 5);
    ed.setSelection(8, 0);  // a click elsewhere
    ed.del();
    EXPECT_EQ(ed.text, "012345679");
    ASSERT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(mu.Queue().Entry(1)->start, 8);
    EXPECT_EQ(undo(), "0123456789");
}

TEST_F(MultiUndoTest, DragMoveAndDragCopy)
{
    load("abc def");
    ed.setSelection(0, 3);
    ed.dragMove(4);
    EXPECT_EQ(ed.text, " defabc");
    EXPECT_EQ(undo(), " def");
    EXPECT_EQ(undo(), "abc def");

    load("abc def");
    ed.setSelection(0, 3);
    ed.dragCopy(4);
    EXPECT_EQ(ed.text, "abc abcdef");
    ASSERT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(mu.Queue().Entry(1)->mode, UndoQueue::ModeAdd);
    EXPECT_EQ(undo(), "abc def");
}

TEST_F(MultiUndoTest, RefusedReplayLeavesTheWalkWhereItWas)
{
    load("abcdef");
    ed.backspace();
    ed.backspace();
    ed.backspace();
    ed.maxLength = 4;
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, "abc");
    EXPECT_TRUE(mu.CanUndo());
    ed.maxLength = 512000;
    EXPECT_EQ(undo(), "abcdef");
}

TEST_F(MultiUndoTest, DifferenceNeverSplitsADoubleByteCharacter)
{
    load("\x82\xa0\x82\xa2");  // あい
    ed.replaceSilently(0, 2, "\x82\xa2", 2);  // あ -> い: only the trail byte differs
    ASSERT_GE(mu.Queue().top, 1);
    for (int k = 1; k <= mu.Queue().top; ++k) EXPECT_EQ(mu.Queue().Entry(k)->start, 0);
    while (mu.CanUndo()) mu.Undo();
    EXPECT_EQ(ed.text, "\x82\xa0\x82\xa2");
}
