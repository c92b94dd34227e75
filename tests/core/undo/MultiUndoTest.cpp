#include <gtest/gtest.h>

#include "core/undo/MultiUndo.h"
#include "tests/core/undo/FakeUndoEditor.h"

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
    void undoAll()
    {
        for (int guard = 0; mu.CanUndo() && guard < 1000; ++guard) mu.Undo();
    }
};

}  // namespace

TEST_F(MultiUndoTest, OnlyTheNewest256EditsCanBeUndone)
{
    for (int i = 0; i < 300; ++i) {
        ed.Select(0, 0);
        ed.type("x");
    }
    int undone = 0;
    for (; mu.CanUndo() && undone < 1000; ++undone) mu.Undo();
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(ed.text, std::string(44, 'x'));
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, std::string(44, 'x'));
}

TEST_F(MultiUndoTest, ChangesNoKeyExplainsAreRecordedAsTheyHappened)
{
    load("hello world");
    ed.type("!");
    ed.replaceSilently(0, 6, "", 0);
    EXPECT_EQ(ed.text, "world!");
    EXPECT_EQ(undo(), "hello world!");
    EXPECT_EQ(undo(), "hello world");

    // The last key was Delete, but the deletion happened away from the caret.
    load("abcdef", 0);
    ed.del();
    ed.text.erase(3, 1);
    ed.changed();
    EXPECT_EQ(undo(), "bcdef");
    EXPECT_EQ(undo(), "abcdef");

    // A selection reported before a click elsewhere is not the Delete's.
    load("0123456789");
    ed.Select(0, 5);
    ed.Select(8, 0);
    ed.del();
    ASSERT_EQ(mu.Queue().top, 1);
    EXPECT_EQ(mu.Queue().Entry(1)->start, 8);
    EXPECT_EQ(undo(), "0123456789");
}

TEST_F(MultiUndoTest, UnexplainedChangeAfterUndoIsNotUndoneTwice)
{
    ed.type("ab");
    ed.key(VK_RETURN);
    ed.SetSelText("\r\n");
    ed.type("cd");
    EXPECT_EQ(undo(), "ab");
    ed.replaceSilently(0, 1, "", 0);
    EXPECT_EQ(undo(), "ab");
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(mu.Undo(), std::make_pair(0, 0));
    EXPECT_EQ(ed.text, "");
}

TEST_F(MultiUndoTest, DropMovesAndCtrlDropCopies)
{
    load("abc def");
    ed.Select(0, 3);
    ed.drop(4, false);
    EXPECT_EQ(ed.text, " defabc");
    EXPECT_EQ(mu.Queue().top, 2);
    EXPECT_EQ(undo(), " def");
    EXPECT_EQ(undo(), "abc def");

    load("abc def");
    ed.Select(0, 3);
    ed.drop(4, true);
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

TEST_F(MultiUndoTest, RecordedDifferenceNeverSplitsADoubleByteCharacter)
{
    load("\x82\xa0\x82\xa2");                 // あい
    ed.replaceSilently(0, 2, "\x82\xa2", 2);  // あ -> い: only the trail byte differs
    for (int k = 1; k <= mu.Queue().top; ++k) EXPECT_EQ(mu.Queue().Entry(k)->start, 0);
    undoAll();
    EXPECT_EQ(ed.text, "\x82\xa0\x82\xa2");
}
