// The text accent and special-character pickers in the main window: their
// menu items, pop-ups and drop-down buttons on the TeX tool bar.
#include <QPointer>

#include "app/Form1.h"
#include "app/ResidentForms.h"
#include "core/insertion/PickerBinding.h"
#include "core/insertion/PickerDialog.h"
#include "insert/TextSymbolPickers.h"

// Created at start-up with the other resident forms; the command makes a
// fresh dialog each time, so that every use starts from the remembered entry.
QPointer<TPickerDialog> FormTMoji;

void TForm1::BuildTextPickerCommands()
{
    picker::bind(*this, textpickers::kAccent, MenuFormat, ToolBarTeXShosiki);
    picker::bind(*this, textpickers::kSpecialChar, MenuInsert, ToolBarTeXShosiki);
    registerResidentForm(ResidentForm::TMoji,
                         [this](Session&) { FormTMoji = new TPickerDialog(this, textpickers::kSpecialChar); });
}
