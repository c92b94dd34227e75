#pragma once
#include <QStringList>

#include "core/commands/ResidentForms.h"

// The program entry after the application object exists: title, the main
// window and the resident forms, the event loop.  The parameters are the
// command line's after the program's name (the document, a line switch).
// An exception that leaves start-up is shown and the program still ends
// normally.  Returns the exit code (0).
class QApplication;
int runQuillmark(QApplication& application, const QStringList& parameters = {});
