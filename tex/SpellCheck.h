#pragma once
// Running the user's spell checker on the saved document.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

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

// What the checker changed, as whole lines: the `length` bytes at `start`
// of the text before became `text`.  Nothing when the texts are the same.
struct LineChange {
    int start = 0;
    int length = 0;
    std::string text;
};
std::optional<LineChange> changedLines(std::string_view before, std::string_view after);

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
// given values.  The checker works on a copy of the saved document in a
// folder of the editor's own, so that nothing it writes beside its file
// (a checker's own backup, named after the file) can meet a file of the
// user's; what it changed comes back into the document as a replacement of
// the lines it changed, which the user can undo, and is then saved as any
// other change.
void runExternalChecker(Session& s, const CheckerValues& values);
// The built-in checker over the word list at its fixed place.
void runWordListCheck(Session& s);

namespace tex {
// The external checker named in the TeX program settings.
void MenuTeXSpellClick(Session& s);
}  // namespace tex
