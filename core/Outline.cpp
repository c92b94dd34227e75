// The outline pane's background thread.
#include "app/Form1.h"

void TForm1::ResumeExplorer() {}
void TForm1::CreateExplorer() {}
void TForm1::StopExplorer() {}
