// The text accent and special-character pickers in the main window: their
// menu items, pop-ups and drop-down buttons on the TeX tool bar.
#include <QPointer>

#include "core/commands/ResidentForms.h"
#include "core/insertion/PickerBinding.h"
#include "core/insertion/PickerDialog.h"
#include "core/session/Session.h"
#include "insert/InsertCommands.h"
#include "insert/TextSymbolPickers.h"

// Created at start-up with the other resident forms; the command makes a
// fresh dialog each time, so that every use starts from the remembered entry.
QPointer<TPickerDialog> FormTMoji;

namespace insert {

void buildTextPickerCommands(Session& s)
{
    picker::bind(s, textpickers::kAccent, s.MenuFormat, s.ToolBarTeXShosiki);
    picker::bind(s, textpickers::kSpecialChar, s.MenuInsert, s.ToolBarTeXShosiki);
    registerResidentForm(ResidentForm::TMoji, [](Session& session) {
        FormTMoji = new TPickerDialog(session.mainWindow, textpickers::kSpecialChar);
    });
}

}  // namespace insert
