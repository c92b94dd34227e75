// The TeX log window and deletion of TeX by-products.
#include "app/Form1.h"

void TForm1::AutoDeleteTeXFiles(const QString&) {}
void TForm1::MenuTexLogDispClick() {}
void TForm1::BuildLogCommands() {}
