// The fraction command, the quick square root and the root dialog.
#include <QRadioButton>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "math/RootDialog.h"
#include "math/Fractions.h"

void TForm1::MenuMathFracClick() { road::apply(*this, fractions::fractionText(road::editorState(*this))); }

void TForm1::PMMathRootClick()
{
    road::apply(*this, fractions::rootText(fractions::rootCommand(true, {}), road::editorState(*this)));
}

void TForm1::MenuMathRootClick()
{
    // The pop-up's item opens the same dialog with the menu item's help.
    road::ask<TFormRoot>(
        *this, {"MenuMathRoot"},
        [this](TFormRoot& d) {
            d.UpDown1->SetPosition(Last.LastRootDegree);
            d.SquareChosen = Last.LastRootSquare;
        },
        [this](TFormRoot& d) { road::apply(*this, fractions::rootText(d.GetCommand(), road::editorState(*this))); },
        [this](TFormRoot& d) {
            Last.LastRootDegree = int16_t(d.UpDown1->Position());
            Last.LastRootSquare = d.RadioButtonRoot2->isChecked();
        });
}
