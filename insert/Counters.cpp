// Setting a counter and redefining a predefined name: small dialogs centred
// on the screen that remember nothing and insert one line each.
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/CountersDialogs.h"
#include "insert/InsertCommands.h"

namespace {

// The line goes in at the caret as it is; the caret ends after it.
void insertLine(Session& s, const std::string& line) { road::apply(s, wrap::Insertion{line, 0}); }

}  // namespace

namespace insert {

void MenuFormatSetcounterClick(Session& s)
{
    road::ask<TFormCounter>(
        s, {"MenuFormatSetcounter", road::Placement::ScreenCentre}, nullptr,
        [&s](TFormCounter& d) { insertLine(s, d.GetCommand()); }, nullptr);
}

void MenuFormatRenewcommandClick(Session& s)
{
    road::ask<TFormMojiHenkou>(
        s, {"MenuFormatRenewcommand", road::Placement::ScreenCentre}, nullptr,
        [&s](TFormMojiHenkou& d) { insertLine(s, d.GetCommand()); }, nullptr);
}

}  // namespace insert
