// Command assist and user-defined commands.
#include "app/Form1.h"

void TForm1::BuildAssistCommands() {}
