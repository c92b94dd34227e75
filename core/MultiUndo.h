#pragma once
// Multi-level undo: watches the editor's events, works out what text was
// inserted or deleted where, and keeps the edits in a bounded history.
#include <string>
#include <utility>

class TRichEdit;

class MultiUndo {
public:
    explicit MultiUndo(TRichEdit* edit);
    ~MultiUndo();
    MultiUndo(const MultiUndo&) = delete;
    MultiUndo& operator=(const MultiUndo&) = delete;

    void Reset();
    void OnKeyDown(int key);
    void OnSelectionChange();
    void OnChange();
    bool CanUndo() const;
    bool CanRedo() const;
    std::pair<int, int> Undo();
    std::pair<int, int> Redo();

private:
    TRichEdit* edit;
};
