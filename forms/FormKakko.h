#pragma once
// Layout of the bracket dialog: a list of delimiter pictures, their size and
// spacing kind.  The dialog fills the list and gives the controls their work.
#include "forms/FormParts.h"  // RadioGroup

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;

struct FormKakkoUi {
    QLabel* Label1 = nullptr;
    QListWidget* ListViewKind = nullptr;  // icon view of 24 by 24 pictures, empty
    RadioGroup RadioGroupSize;
    RadioGroup RadioGroupSizeKind;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help
    void setupUi(QDialog* dialog);
};
