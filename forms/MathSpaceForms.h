#pragma once
// Layouts of the math-space dialog (a radio group the dialog fills) and the
// math-font dialog (a drop-down list the dialog fills).
#include "forms/FormParts.h"  // RadioGroup

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;

struct FormSpaceUi {
    ::RadioGroup RadioGroup;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help
    void setupUi(QDialog* dialog);
};

struct FormMathFontUi {
    QLabel* Label1 = nullptr;
    QComboBox* ComboBoxFont = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    void setupUi(QDialog* dialog);
};
