// The math menu's handlers under the window's own names; the work is the
// math layer's, on the window's session.
#include "app/Form1.h"
#include "math/MathCommands.h"

void TForm1::MenuMathModeDollarClick() { math::MenuMathModeDollarClick(*this); }
void TForm1::MenuMathMode1LineClick() { math::MenuMathMode1LineClick(*this); }
void TForm1::MenuMathModeEquationClick() { math::MenuMathModeEquationClick(*this); }
void TForm1::MenuMathModeEqnAstaClick() { math::MenuMathModeEqnAstaClick(*this); }
void TForm1::MenuMathModeEqnClick() { math::MenuMathModeEqnClick(*this); }
void TForm1::MenuMathSizeTextstyleClick() { math::MenuMathSizeTextstyleClick(*this); }
void TForm1::MenuMathSizeDispstyClick() { math::MenuMathSizeDispstyClick(*this); }
void TForm1::MenuMathSizeScriptstyClick() { math::MenuMathSizeScriptstyClick(*this); }
void TForm1::MenuMathSizeSSScrStyClick() { math::MenuMathSizeSSScrStyClick(*this); }
void TForm1::MenuMathFracClick() { math::MenuMathFracClick(*this); }
void TForm1::MenuMathRootClick() { math::MenuMathRootClick(*this); }
void TForm1::PMMathRootClick() { math::PMMathRootClick(*this); }
void TForm1::MenuMathSpaceClick() { math::MenuMathSpaceClick(*this); }
void TForm1::MenuMathFontClick() { math::MenuMathFontClick(*this); }
void TForm1::MenuMathKakkoClick() { math::MenuMathKakkoClick(*this); }
void TForm1::MenuMathUpperClick() { math::MenuMathUpperClick(*this); }
void TForm1::MenuMathLowerClick() { math::MenuMathLowerClick(*this); }
void TForm1::PMMathUpClick() { math::PMMathUpClick(*this); }
void TForm1::PMMathDownClick() { math::PMMathDownClick(*this); }
void TForm1::MenuMathUpDownClick() { math::MenuMathUpDownClick(*this); }
void TForm1::PMMathUpDownClick() { math::PMMathUpDownClick(*this); }
void TForm1::MenuMathArrayClick() { math::MenuMathArrayClick(*this); }
void TForm1::MenuMathArrayChangeClick() { math::MenuMathArrayChangeClick(*this); }
