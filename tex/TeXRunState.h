#pragma once
// What the TeX subsystem keeps for a session: the run in progress, the
// window that shows its programs' output, the companion TeX starts at an
// error, and the two conversations (the error jump served, the DVI viewer
// talked to).  The objects are children of the session's window, which
// takes them down with it.
#include <QString>

#include "core/session/Session.h"

class TTeXEXE;
class TeXConsole;
class TDdeServerConv;
class TDdeClientConv;

namespace tex {

struct TeXRunState {
    TTeXEXE* TeXThread = nullptr;
    TeXConsole* TeXConsoleWindow = nullptr;  // created on first use
    QString CompanionPath;                   // empty: ProgramDir + "/quilldde"
    TDdeServerConv* DdeServer = nullptr;
    TDdeClientConv* DdeClientConv = nullptr;
};

inline TeXRunState& runState(Session& s) { return s.part<TeXRunState>(); }

}  // namespace tex
