// Editor events, edit commands and the insertion primitive.
#include "app/Form1.h"

void TForm1::InsertText(const std::string& text)
{
    RichEdit->SetSelText("");
    RichEdit->SetSelText(text);
}
bool TForm1::CaretNotAtLineStart() { return RichEdit->SelStart() - RichEdit->LineIndex(RichEdit->LineFromChar(-1)) > 0; }
int TForm1::DialogTop(int height) { return y() + (height < this->height() ? (this->height() - height) / 2 : 0); }
int TForm1::DialogLeft(int width) { return x() + (width < this->width() ? (this->width() - width) / 2 : 0); }
void TForm1::StoreDialogTop(int top, int height) { DialogCenterY = top + height / 2; }
void TForm1::StoreDialogLeft(int left, int width) { DialogCenterX = left + width / 2; }
void TForm1::UpdateCaretPosPanel() {}
void TForm1::UpdateModifiedPanel() {}
void TForm1::SetImeColors() {}
void TForm1::AutoIndentOnEnter(int&, int) {}
void TForm1::RichEditChange() {}
void TForm1::RichEditKeyDown(int&, int) {}
void TForm1::RichEditKeyPress(char&) {}
void TForm1::RichEditSelectionChange() {}
void TForm1::RichEditMouseDown() {}
void TForm1::RichEditImeStartComposition() {}
void TForm1::RichEditImeEndComposition() {}
void TForm1::MenuEditClick() {}
void TForm1::MenuEditUndoClick() {}
void TForm1::MenuEditRedoClick() {}
void TForm1::MenuEditCutClick() {}
void TForm1::MenuEditCopyClick() {}
void TForm1::MenuEditPasteClick() {}
void TForm1::MenuEditDeleteClick() {}
void TForm1::MenuEditSelAllClick() {}
void TForm1::MenuEditWordWrapClick() {}
void TForm1::MenuOptionFontClick() {}
void TForm1::PopupMenu1Popup() {}
void TForm1::BuildEditCommands() {}
