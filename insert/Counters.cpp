// Setting a counter and redefining a predefined name: small dialogs centred
// on the screen that remember nothing and insert one line each.
#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/CountersDialogs.h"

namespace {

// The line goes in at the caret as it is; the caret ends after it.
void insertLine(TForm1& form, const std::string& line) { road::apply(form, wrap::Insertion{line, 0}); }

}  // namespace

void TForm1::MenuFormatSetcounterClick()
{
    road::ask<TFormCounter>(
        *this, {"MenuFormatSetcounter", road::Placement::ScreenCentre}, nullptr,
        [this](TFormCounter& d) { insertLine(*this, d.GetCommand()); }, nullptr);
}

void TForm1::MenuFormatRenewcommandClick()
{
    road::ask<TFormMojiHenkou>(
        *this, {"MenuFormatRenewcommand", road::Placement::ScreenCentre}, nullptr,
        [this](TFormMojiHenkou& d) { insertLine(*this, d.GetCommand()); }, nullptr);
}
