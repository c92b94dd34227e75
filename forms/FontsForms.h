#pragma once
// Layout of the font dialog shared by the four font commands.  Its caption
// and combo items are always replaced by the command that opens it.
#include "forms/FormParts.h"  // RadioGroup

class QComboBox;
class QDialog;

struct FormFontUi {
    QComboBox* ComboBoxFont = nullptr;
    RadioGroup RadioGroupSelect;
    void setupUi(QDialog* dialog);
};
