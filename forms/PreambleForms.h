#pragma once
// Layouts of the document-class, package and user-package dialogs: the
// widgets, their names and texts.  What the dialogs insert is built in
// insert/.
#include "forms/MathSpaceForms.h"  // TRadioGroup

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

struct FormTexClassUi {
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TRadioGroup* RadioGroupPaperSize = nullptr;
    TRadioGroup* RadioGroupCharSize = nullptr;
    TRadioGroup* RadioGroupDir = nullptr;
    TRadioGroup* RadioGroupColumn = nullptr;
    TRadioGroup* RadioGroupSide = nullptr;
    TRadioGroup* RadioGroupHyoudai = nullptr;
    TRadioGroup* RadioGroupMathPos = nullptr;
    TRadioGroup* RadioGroupMathNoPos = nullptr;
    TRadioGroup* RadioGroupKumiMode = nullptr;
    TRadioGroup* RadioGroupBunken = nullptr;
    TRadioGroup* RadioGroupTest = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* rbOddPage = nullptr;
    QRadioButton* rbBothPage = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormUsepackageUi {
    QListWidget* ListBox = nullptr;
    TRadioGroup* RadioGroup = nullptr;
    QPushButton* BitBtn4 = nullptr;  // the user's list
    void setupUi(QDialog* dialog, const QStringList& groups);
};

struct FormUserPackageUi {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    void setupUi(QDialog* dialog);
};
