#pragma once
// Layouts of the figure dialog and the \input or \include question: the
// widgets, their names and texts.  What they insert is built in insert/.
#include "forms/FormParts.h"    // RadioGroup
#include "forms/TablesForms.h"  // PlacementBoxes

class QCheckBox;
class QDialog;
class QLabel;
class QRadioButton;
class QSpinBox;

struct FormZuinsertUi {
    PlacementBoxes place;  // CheckBoxHere, CheckBoxTop, CheckBoxBottom, CheckBoxPage
    QRadioButton *RBSizeOff = nullptr, *RBSizeOn = nullptr;
    QLabel *LabelWidth = nullptr, *LabelHeight = nullptr;
    QSpinBox* UpDownWidth = nullptr;   // MaskEditWidth with its up-down control
    QSpinBox* UpDownHeight = nullptr;  // MaskEditHeight with its up-down control
    QRadioButton *rbGraphics = nullptr, *rbGraphicx = nullptr;
    QCheckBox* cbAspect = nullptr;
    RadioGroup RGZuIchi;
    QCheckBox* cbLabel = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormInputIncludeUi {
    RadioGroup rgInputInclude;
    void setupUi(QDialog* dialog);
};
