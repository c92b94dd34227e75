#pragma once
// Running the user's spell checker on the saved document.
#include <QString>

#include "tex/ProgramRunner.h"

namespace spell {

// The checker's start: the option text split into arguments, then the
// document's full path as one argument (blanks in it need no short form),
// in the document's folder.
proc::Launch checkerLaunch(const QString& program, const QString& options, const QString& documentPath);

}  // namespace spell
