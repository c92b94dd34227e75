// The fraction command, the quick square root and the root dialog.
#include <QRadioButton>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "math/Fractions.h"
#include "math/MathCommands.h"
#include "math/MathLastUsed.h"
#include "math/RootDialog.h"

namespace math {

void MenuMathFracClick(Session& s) { road::apply(s, fractions::fractionText(road::editorState(s))); }

void PMMathRootClick(Session& s)
{
    road::apply(s, fractions::rootText(fractions::rootCommand(true, {}), road::editorState(s)));
}

void MenuMathRootClick(Session& s)
{
    // The pop-up's item opens the same dialog with the menu item's help.
    MathLastUsed& last = s.part<MathLastUsed>();
    road::ask<TFormRoot>(
        s, {"MenuMathRoot"},
        [&last](TFormRoot& d) {
            d.UpDown1->SetPosition(last.LastRootDegree);
            d.SquareChosen = last.LastRootSquare;
        },
        [&s](TFormRoot& d) { road::apply(s, fractions::rootText(d.GetCommand(), road::editorState(s))); },
        [&last](TFormRoot& d) {
            last.LastRootDegree = int16_t(d.UpDown1->Position());
            last.LastRootSquare = d.RadioButtonRoot2->isChecked();
        });
}

}  // namespace math
