#pragma once
// Layouts of the matrix dialog (delimiters, alignment, rules and size of an
// empty matrix) and the text-to-matrix dialog (delimiters, alignment,
// separator and rules).
#include "forms/FormParts.h"  // RadioGroup

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class TUpDown;

struct FormArrayUi {
    RadioGroup RadioGroupKakko;
    RadioGroup RadioGroupHaiti;
    QGroupBox* GroupBox1 = nullptr;  // 罫線
    QCheckBox* CheckBoxTate = nullptr;
    QCheckBox* CheckBoxYoko = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // 行列数
    QLabel* Label1 = nullptr;
    QLineEdit* MaskEditGyou = nullptr;
    TUpDown* UpDownGyou = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MaskEditRetu = nullptr;
    TUpDown* UpDownRetu = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormArrayChangeUi {
    RadioGroup rgKind;
    RadioGroup rgHaiti;
    RadioGroup rgKugiri;
    QGroupBox* GroupBox2 = nullptr;  // 罫線
    QCheckBox* cbTate = nullptr;
    QCheckBox* cbYoko = nullptr;
    void setupUi(QDialog* dialog);
};
