#pragma once
#include "core/commands/ResidentForms.h"

// The program entry after the application object exists: title, the main
// window and the resident forms, the event loop.  An exception that leaves
// start-up is shown and the program still ends normally.  Returns the exit
// code (0).
class QApplication;
int runQuillmark(QApplication& application);
