#include "core/MultiUndo.h"

MultiUndo::MultiUndo(TRichEdit* e) : edit(e) {}
MultiUndo::~MultiUndo() = default;
void MultiUndo::Reset() {}
void MultiUndo::OnKeyDown(int) {}
void MultiUndo::OnSelectionChange() {}
void MultiUndo::OnChange() {}
bool MultiUndo::CanUndo() const { return false; }
bool MultiUndo::CanRedo() const { return false; }
std::pair<int, int> MultiUndo::Undo() { return {0, 0}; }
std::pair<int, int> MultiUndo::Redo() { return {0, 0}; }
