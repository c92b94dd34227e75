#pragma once
// An editor of bytes and a selection that raises the events in a rich
// edit's order (the selection change, when it differs, before the change)
// straight into a MultiUndo.  It makes the edits the real editor cannot be
// made to produce on demand: changes with no key or selection behind them,
// stale keys, refusals at the length limit.
#include <string>

#include "core/undo/MultiUndo.h"
#include "platform/RichEdit.h"

class FakeUndoEditor : public UndoEditor {
public:
    std::string text;
    int selStart = 0, selLength = 0;
    size_t maxLength = 512000;
    MultiUndo* undo = nullptr;

    std::string Text() const override { return text; }
    int SelStart() const override { return selStart; }
    int SelLength() const override { return selLength; }
    void Select(int start, int length) override
    {
        if (start == selStart && length == selLength) return;
        selStart = start;
        selLength = length;
        if (undo) undo->OnSelectionChange();
    }
    bool SetSelText(const std::string& t) override
    {
        if (text.size() - size_t(selLength) + t.size() > maxLength) return false;
        text.replace(size_t(selStart), size_t(selLength), t);
        Select(selStart + int(t.size()), 0);
        changed();
        return true;
    }
    void changed()
    {
        if (undo) undo->OnChange();
    }

    void key(int code) { undo->OnKeyDown(code); }
    void type(const std::string& chars)
    {
        for (char c : chars) {
            key(0);
            SetSelText(std::string(1, c));
        }
    }
    void backspace()
    {
        key(VK_BACK);
        text.erase(size_t(selStart - 1), 1);
        Select(selStart - 1, 0);
        changed();
    }
    void del()
    {
        key(VK_DELETE);
        text.erase(size_t(selStart), 1);
        changed();
    }
    // A drop of the selection that leaves the dropped text selected, the way
    // the rich edit reports both a move and a Ctrl copy.
    void drop(int to, bool copy)
    {
        const std::string moved = text.substr(size_t(selStart), size_t(selLength));
        if (!copy) text.erase(size_t(selStart), moved.size());
        text.insert(size_t(to), moved);
        Select(to, int(moved.size()));
        changed();
    }
    // An edit with no key and no selection behind it.
    void replaceSilently(int start, int length, const std::string& t, int caret)
    {
        key(0);
        text.replace(size_t(start), size_t(length), t);
        Select(caret, 0);
        changed();
    }
};
