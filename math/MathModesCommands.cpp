// The math-mode and math-style commands: no dialog, no message.
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "math/MathCommands.h"
#include "math/MathModes.h"

namespace math {

namespace {

void insertMode(Session& s, mathmodes::ModeKind kind)
{
    road::apply(s, mathmodes::modeText(mathmodes::mode(kind), road::editorState(s)));
}

void insertStyle(Session& s, int index) { s.InsertText(mathmodes::styles()[size_t(index)].declaration); }

}  // namespace

void MenuMathModeDollarClick(Session& s) { insertMode(s, mathmodes::Dollar); }
void MenuMathMode1LineClick(Session& s) { insertMode(s, mathmodes::OneLine); }
void MenuMathModeEquationClick(Session& s) { insertMode(s, mathmodes::Equation); }
void MenuMathModeEqnAstaClick(Session& s) { insertMode(s, mathmodes::EqnArrayStar); }
void MenuMathModeEqnClick(Session& s) { insertMode(s, mathmodes::EqnArray); }

void MenuMathSizeTextstyleClick(Session& s) { insertStyle(s, 0); }
void MenuMathSizeDispstyClick(Session& s) { insertStyle(s, 1); }
void MenuMathSizeScriptstyClick(Session& s) { insertStyle(s, 2); }
void MenuMathSizeSSScrStyClick(Session& s) { insertStyle(s, 3); }

}  // namespace math
