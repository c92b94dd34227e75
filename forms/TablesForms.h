#pragma once
// Layouts of the table dialog, the partial-rule and merged-cell dialogs and
// the text-to-table conversion dialog: the widgets, their names and texts.
// What they insert is built in insert/.
#include "forms/FormParts.h"  // RadioGroup

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The four float placement boxes the table, conversion and figure dialogs share.
struct PlacementBoxes {
    QCheckBox *Here = nullptr, *Top = nullptr, *Bottom = nullptr, *Page = nullptr;
};

struct FormTableUi {
    QSpinBox* UpDownGyou = nullptr;  // MaskEditGyou with its up-down control
    QSpinBox* UpDownRetu = nullptr;  // MaskEditRetu with its up-down control
    QCheckBox *CheckBoxTate = nullptr, *CheckBoxYoko = nullptr;
    RadioGroup RadioGroupHaiti;
    PlacementBoxes place;  // CheckBoxHere, CheckBoxTop, CheckBoxBottom, CheckBoxPage
    void setupUi(QDialog* dialog);
};

struct FormClineUi {
    QSpinBox* UpDown1 = nullptr;  // Edit1 with its up-down control
    QSpinBox* UpDown2 = nullptr;  // Edit2 with its up-down control
    void setupUi(QDialog* dialog);
};

struct FormCellUi {
    QSpinBox* UpDown1 = nullptr;  // Edit1 with its up-down control
    RadioGroup rgHaiti;
    RadioGroup rgLeftLine;
    RadioGroup rgRightLine;
    QLineEdit* EditMidasi = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormTableChangeUi {
    PlacementBoxes place;  // cbHere, cbTop, cbBottom, cbPage
    RadioGroup rgHaiti;
    QCheckBox *cbTate = nullptr, *cbYoko = nullptr;
    RadioGroup rgKugiri;
    void setupUi(QDialog* dialog);
};

// The placement group: "Here その場所(&H)" ... "Page 独立したページ(&P)",
// the boxes named prefix + Here, Top, Bottom, Page.
QGroupBox* makePlacementGroup(QDialog* dialog, const char* title, const char* prefix, PlacementBoxes& boxes);
