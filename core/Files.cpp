// Document files: new, open, save, backup, recent files.
#include "app/Form1.h"

bool TForm1::LoadFile(const QString&) { return false; }
void TForm1::SetFilterIndexFromExt(const QString&) {}
void TForm1::AddRecentFile(const QString&) {}
void TForm1::MenuFileClick() {}
void TForm1::MenuFileNewClick() {}
void TForm1::MenuFileOpenClick() {}
void TForm1::MenuFileSaveClick() {}
void TForm1::MenuFileSaveAsClick() {}
void TForm1::MenuFilePrintSetupClick() {}
void TForm1::MenuFilePrintClick() {}
void TForm1::MenuFileQuitClick() { close(); }
void TForm1::MenuFileRec1Click(int) {}
void TForm1::BuildFileCommands() {}
