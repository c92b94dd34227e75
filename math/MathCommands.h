#pragma once
// The math menu's commands, on the session they insert into.  The builders
// make the menu items, tool buttons and pop-ups; the rest are what those
// items run.
class Session;

namespace math {

// ---- builders, in the order the main menu runs them ----
void buildMathCommands(Session& s);           // modes, styles, fraction and root
void buildMathSpaceFontCommands(Session& s);  // math spaces and math fonts
void buildBracketCommands(Session& s);
void buildMathPickerCommands(Session& s);  // the symbol families and the Greek sub-menu
void buildScriptCommands(Session& s);      // superscripts and subscripts
void buildMatrixCommands(Session& s);

// ---- math modes and math styles ----
void MenuMathModeDollarClick(Session& s);
void MenuMathMode1LineClick(Session& s);
void MenuMathModeEquationClick(Session& s);
void MenuMathModeEqnAstaClick(Session& s);
void MenuMathModeEqnClick(Session& s);
void MenuMathSizeTextstyleClick(Session& s);
void MenuMathSizeDispstyClick(Session& s);
void MenuMathSizeScriptstyClick(Session& s);
void MenuMathSizeSSScrStyClick(Session& s);

// ---- fractions and roots ----
void MenuMathFracClick(Session& s);
void MenuMathRootClick(Session& s);
void PMMathRootClick(Session& s);

// ---- spaces, fonts, brackets ----
void MenuMathSpaceClick(Session& s);
void MenuMathFontClick(Session& s);
void MenuMathKakkoClick(Session& s);

// ---- superscripts, subscripts and matrices ----
void MenuMathUpperClick(Session& s);
void MenuMathLowerClick(Session& s);
void PMMathUpClick(Session& s);
void PMMathDownClick(Session& s);
void MenuMathUpDownClick(Session& s);
void PMMathUpDownClick(Session& s);
void MenuMathArrayClick(Session& s);
void MenuMathArrayChangeClick(Session& s);

}  // namespace math
