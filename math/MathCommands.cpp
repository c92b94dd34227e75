// Math insertion commands.
#include "app/Form1.h"

void TForm1::BuildMathCommands() {}
