// The math-mode and math-style commands: no dialog, no message.
#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "math/MathModes.h"

namespace {

void insertMode(TForm1& form, mathmodes::ModeKind kind)
{
    road::apply(form, mathmodes::modeText(mathmodes::mode(kind), road::editorState(form)));
}

void insertStyle(TForm1& form, int index) { form.InsertText(mathmodes::styles()[size_t(index)].declaration); }

}  // namespace

void TForm1::MenuMathModeDollarClick() { insertMode(*this, mathmodes::Dollar); }
void TForm1::MenuMathMode1LineClick() { insertMode(*this, mathmodes::OneLine); }
void TForm1::MenuMathModeEquationClick() { insertMode(*this, mathmodes::Equation); }
void TForm1::MenuMathModeEqnAstaClick() { insertMode(*this, mathmodes::EqnArrayStar); }
void TForm1::MenuMathModeEqnClick() { insertMode(*this, mathmodes::EqnArray); }

void TForm1::MenuMathSizeTextstyleClick() { insertStyle(*this, 0); }
void TForm1::MenuMathSizeDispstyClick() { insertStyle(*this, 1); }
void TForm1::MenuMathSizeScriptstyClick() { insertStyle(*this, 2); }
void TForm1::MenuMathSizeSSScrStyClick() { insertStyle(*this, 3); }
