#pragma once
// Layouts of the document-class, package and user-package dialogs: the
// widgets, their names and texts.  What the dialogs insert is built in
// insert/.
#include "forms/FormParts.h"  // RadioGroup

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
    RadioGroup RadioGroupPaperSize;
    RadioGroup RadioGroupCharSize;
    RadioGroup RadioGroupDir;
    RadioGroup RadioGroupColumn;
    RadioGroup RadioGroupSide;
    RadioGroup RadioGroupHyoudai;
    RadioGroup RadioGroupMathPos;
    RadioGroup RadioGroupMathNoPos;
    RadioGroup RadioGroupKumiMode;
    RadioGroup RadioGroupBunken;
    RadioGroup RadioGroupTest;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* rbOddPage = nullptr;
    QRadioButton* rbBothPage = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormUsepackageUi {
    QListWidget* ListBox = nullptr;
    ::RadioGroup RadioGroup;
    QPushButton* BitBtn4 = nullptr;  // the user's list
    void setupUi(QDialog* dialog, const QStringList& groups);
};

struct FormUserPackageUi {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    void setupUi(QDialog* dialog);
};
