// Syntax colouring.
#include "app/Form1.h"

void TForm1::LoadColorSettings() {}
void TForm1::ColorizeAll() {}
void TForm1::ColorizeLines(int, int) {}
void TForm1::ColorizeCurrentLine() {}
void TForm1::ToggleAutoColor() {}
std::string TForm1::GetLineAt(int) { return {}; }
void TForm1::BuildColorCommands() {}
