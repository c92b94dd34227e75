// TeX processing commands.
#include "app/Form1.h"

void TForm1::BuildTeXCommands() {}
void TForm1::StopTeXWorker() {}
