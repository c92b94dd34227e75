// The window's handlers of the command assist, the Tab key in table rows and
// the user-defined commands: each hands the session to its subsystem.
#include "app/Form1.h"
#include "assist/Assist.h"
#include "assist/TableCells.h"

int TForm1::FindCellSeparator(const std::string& s) { return tablecells::FindCellSeparator(s); }
int TForm1::FindCellOrRowEnd(const std::string& s) { return tablecells::FindCellOrRowEnd(s); }

void TForm1::sbAutoCommandClick() { assist::sbAutoCommandClick(*this); }
void TForm1::MenuAutoClick() { assist::MenuAutoClick(*this); }
void TForm1::MenuOptionCmdAssistSetClick() { assist::MenuOptionCmdAssistSetClick(*this); }

void TForm1::MenuUser1Click(QObject* sender) { assist::MenuUser1Click(*this, sender); }
void TForm1::MenuUserClick() { assist::MenuUserClick(*this); }
void TForm1::PopupMenuUserPopup() { assist::PopupMenuUserPopup(*this); }
void TForm1::sbUserClick() { assist::sbUserClick(*this); }
void TForm1::MenuUserDefineClick() { assist::MenuUserDefineClick(*this); }
