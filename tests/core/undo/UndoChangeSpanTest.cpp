// The recorder on the real editor reads only the stretch the editor says
// changed; a change it never saw must still end up in the history, or
// undoing would leave bytes behind.
#include <gtest/gtest.h>

#include "core/undo/MultiUndo.h"
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"

namespace {

TEST(UndoChangeSpan, ChangesTheRecorderMissedAreUndoneToo)
{
    TRichEdit e;
    MultiUndo undo(&e);
    bool listening = true;
    e.OnChange = [&] {
        if (listening) undo.OnChange();
    };
    e.OnSelectionChange = [&] {
        if (listening) undo.OnSelectionChange();
    };
    const std::string start = "one \x82\xa0 line\r\nsecond line\r\nthird line";
    e.SetText(start);
    undo.Reset();

    auto typeAt = [&](int at, const char* text) {
        e.Select(at, 0);
        undo.SyncSelection();
        undo.OnKeyDown(0);
        edtest::typeText(&e, text);
    };
    typeAt(3, "a");
    // A change the recorder does not hear of, far from the next one...
    listening = false;
    e.Select(25, 2);
    e.SetSelText("ZZZ");
    listening = true;
    // ...and one whose stretch alone does not hold it.
    typeAt(1, "b");
    const std::string beforeC = e.Text();
    typeAt(2, "c");
    // The next step back is the typing, not a change found late.
    const std::string withC = e.Text();
    undo.Undo();
    EXPECT_EQ(e.Text(), beforeC);
    undo.Redo();
    ASSERT_EQ(e.Text(), withC);
    // Masked changes are reported with the next one.
    e.SetEventMask(ENM_NONE);
    e.Select(int(e.GetTextLen()), 0);
    e.SetSelText("\r\nmore");
    e.SetEventMask(ENM_ALL);
    typeAt(0, "d");

    const std::string newest = e.Text();
    for (int guard = 0; undo.CanUndo() && guard < 100; ++guard) undo.Undo();
    EXPECT_EQ(e.Text(), start);
    for (int guard = 0; undo.CanRedo() && guard < 100; ++guard) undo.Redo();
    EXPECT_EQ(e.Text(), newest);
}

}  // namespace
