#pragma once
// An editor that holds bytes and a selection and raises the events a rich
// edit raises, in its order: the selection change (when the selection
// differs) before the change.  It drives a MultiUndo directly.
#include <string>

#include "core/MultiUndo.h"
#include "platform/Cp932.h"
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
    void Select(int start, int length) override { setSelection(start, length); }
    bool SetSelText(const std::string& t) override
    {
        if (text.size() - size_t(selLength) + t.size() > maxLength) return false;
        text.replace(size_t(selStart), size_t(selLength), t);
        setSelection(selStart + int(t.size()), 0);
        changed();
        return true;
    }

    void setSelection(int start, int length)
    {
        if (start == selStart && length == selLength) return;
        selStart = start;
        selLength = length;
        if (undo) undo->OnSelectionChange();
    }
    void changed()
    {
        if (undo) undo->OnChange();
    }

    // ---- what a user does ----
    void key(int code)
    {
        if (undo) undo->OnKeyDown(code);
    }
    void type(const std::string& chars)
    {
        for (size_t i = 0; i < chars.size(); i += size_t(cp932::charLength(chars, i))) {
            key(0);
            SetSelText(chars.substr(i, size_t(cp932::charLength(chars, i))));
        }
    }
    void enter()
    {
        key(VK_RETURN);
        SetSelText("\r\n");
    }
    void backspace()
    {
        key(VK_BACK);
        if (selLength > 0) {
            SetSelText("");
            return;
        }
        if (selStart == 0) return;
        const int n = charBefore(selStart);
        text.erase(size_t(selStart - n), size_t(n));
        setSelection(selStart - n, 0);
        changed();
    }
    void del()
    {
        key(VK_DELETE);
        if (selLength > 0) {
            SetSelText("");
            return;
        }
        if (size_t(selStart) >= text.size()) return;
        const int n = charAt(selStart);
        text.erase(size_t(selStart), size_t(n));
        changed();
    }
    // A drag of the selection to position to (counted in the text without
    // the selection); the dropped text ends up selected.
    void dragMove(int to)
    {
        const std::string moved = text.substr(size_t(selStart), size_t(selLength));
        text.erase(size_t(selStart), moved.size());
        text.insert(size_t(to), moved);
        setSelection(to, int(moved.size()));
        changed();
    }
    // Ctrl-drag: a copy of the selection dropped at to; the copy ends up selected.
    void dragCopy(int to)
    {
        const std::string copied = text.substr(size_t(selStart), size_t(selLength));
        text.insert(size_t(to), copied);
        setSelection(to, int(copied.size()));
        changed();
    }
    // An edit that arrives with no key and no selection behind it.
    void replaceSilently(int start, int length, const std::string& t, int caret)
    {
        key(0);
        text.replace(size_t(start), size_t(length), t);
        setSelection(caret, 0);
        changed();
    }

    int charAt(int pos) const
    {
        if (text.compare(size_t(pos), 2, "\r\n") == 0) return 2;
        return cp932::charLength(text, size_t(pos));
    }
    int charBefore(int pos) const
    {
        if (pos >= 2 && text.compare(size_t(pos - 2), 2, "\r\n") == 0) return 2;
        return pos - int(cp932::charStart(text, 0, size_t(pos - 1)));
    }
};
