#include "tests/core/UndoProperty.h"

#include "core/MultiUndo.h"
#include "tests/core/FakeUndoEditor.h"

namespace {

class FakeDriver final : public EditDriver {
public:
    FakeUndoEditor ed;
    MultiUndo mu{&ed};

    explicit FakeDriver(const std::string& start)
    {
        ed.text = start;
        ed.undo = &mu;
        mu.Reset();
    }
    std::string text() override { return ed.text; }
    void select(int s, int l) override
    {
        mu.SyncSelection();  // as the form does on a mouse press
        ed.setSelection(s, l);
    }
    void type(const std::string& c) override { ed.type(c); }
    void enter() override { ed.enter(); }
    void backspace() override { ed.backspace(); }
    void del() override { ed.del(); }
    void insertText(const std::string& t) override
    {
        if (ed.selLength > 0) ed.SetSelText("");
        if (!t.empty()) ed.SetSelText(t);
    }
    void paste(const std::string& t) override { insertText(t); }
    void dragMove(int to) override { ed.dragMove(to); }
    bool undo() override { return mu.CanUndo() && (mu.Undo(), true); }
    bool redo() override
    {
        if (!mu.CanRedo()) return false;
        mu.Redo();
        return true;
    }
    bool canUndo() override { return mu.CanUndo(); }
};

}  // namespace

TEST(UndoProperty, RandomSessionsOnTheRecorderUndoAndRedoExactly)
{
    const std::string starts[] = {"", "hello\r\nworld", "\x93\xfa\x96\x7b\x8c\xea\r\n\\item a\r\n\x95\x5c"};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const std::string& start = starts[seed % 3];
        FakeDriver d(start);
        undoprop::run(d, seed, 60, start);
        if (HasFatalFailure()) return;
    }
}
