#pragma once
// Layouts of the find and replace dialogs, the text-tool dialogs and the
// editor settings dialog: the widgets, their names and texts.  The
// behaviour lives with the dialogs in core/.
#include <QStringList>

#include "forms/FormParts.h"  // RadioGroup

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QLayout;
class QRadioButton;

struct FormSearchUi {
    QLabel* LabelFind = nullptr;
    QLineEdit* EditFind = nullptr;
    QCheckBox *cbWholeWord = nullptr, *cbMatchCase = nullptr;
    QGroupBox* GroupDirection = nullptr;
    QRadioButton *rbUp = nullptr, *rbDown = nullptr;
    QPushButton *BtnFind = nullptr, *BtnCancel = nullptr, *BtnHelp = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormReplaceUi {
    QLabel *LabelFind = nullptr, *LabelReplace = nullptr;
    QLineEdit *EditFind = nullptr, *EditReplace = nullptr;
    QCheckBox *cbWholeWord = nullptr, *cbMatchCase = nullptr;
    QPushButton *BtnFind = nullptr, *BtnReplace = nullptr, *BtnReplaceAll = nullptr, *BtnCancel = nullptr,
                *BtnHelp = nullptr;
    void setupUi(QDialog* dialog);
};

// The OK, Cancel and Help row every small dialog ends with.
struct DialogButtons {
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog, QLayout* into);
};

struct FormZenSpaceUi {
    QLabel* Label1 = nullptr;
    RadioGroup rgKind;
    DialogButtons buttons;
    void setupUi(QDialog* dialog);
};

struct FormTabChangeUi {
    QGroupBox* GroupBox1 = nullptr;
    QSpinBox* UpDown1 = nullptr;  // the edit box Edit1 with its up-down control
    DialogButtons buttons;
    void setupUi(QDialog* dialog);
};

struct FormDelLineSpaceUi {
    QLabel* Label1 = nullptr;
    RadioGroup RadioGroup1;
    DialogButtons buttons;
    void setupUi(QDialog* dialog);
};

struct FormEditUi {
    QTabWidget* PageControl1 = nullptr;
    QCheckBox* cbAutoIndent = nullptr;
    RadioGroup RadioGroupBackup;
    QSpinBox* UpDownTab = nullptr;  // Edit2 with UpDownTab
    RadioGroup rgTabSpace;
    QSpinBox* UpDownTabSpace = nullptr;  // Edit1 with UpDownTabSpace
    QComboBox* cbColSize = nullptr;
    RadioGroup rgAutoOn, rgAutoOff;
    DialogButtons buttons;
    void setupUi(QDialog* dialog);
};
