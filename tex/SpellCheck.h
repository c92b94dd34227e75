#pragma once
// Running the user's spell checker on the saved document.
#include <QString>

#include "core/settings/Keys.h"
#include "tex/ProgramRunner.h"

namespace spell {

// The checker's start: the option text split into arguments, then the
// document's full path as one argument (blanks in it need no short form),
// in the document's folder.
proc::Launch checkerLaunch(const QString& program, const QString& options, const QString& documentPath);

// The terminal the checker is answered in: the desktop's terminal emulator
// (Debian's x-terminal-emulator, else xterm) found on PATH; empty when none.
QString terminalEmulator();
// The checker's start wrapped in the terminal, which ends when it ends.
proc::Launch inTerminal(const QString& terminal, const proc::Launch& checker);

// The fixed place of the built-in checker's word list.
QString wordListPath(const QString& programDir);

}  // namespace spell

class Session;
// Where the external checker's program and options are kept.
struct CheckerValues {
    const settings::Text* program;
    const settings::Text* options;
};
// The external checker's road with its program and options read from the
// given values.
void runExternalChecker(Session& s, const CheckerValues& values);
// The built-in checker over the word list at its fixed place.
void runWordListCheck(Session& s);

namespace tex {
// The external checker named in the TeX program settings.
void MenuTeXSpellClick(Session& s);
}  // namespace tex
