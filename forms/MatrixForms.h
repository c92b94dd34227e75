#pragma once
// The matrix dialog (delimiters, alignment, rules and size of an empty
// matrix) and the text-to-matrix dialog (delimiters, alignment, separator
// and rules).
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/FormParts.h"  // RadioGroup
#include "math/Matrix.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TUpDown;

class TFormArray : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormArray(QWidget* owner);

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

    matrix::Skeleton Choices() const;
    void SetChoices(const matrix::Skeleton& choices);
    // The empty matrix of the dialog's choices, with its caret.
    wrap::Insertion MakeArrayText() const;

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormArrayChange : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormArrayChange(QWidget* owner);

    RadioGroup rgKind;
    RadioGroup rgHaiti;
    RadioGroup rgKugiri;
    QGroupBox* GroupBox2 = nullptr;  // 罫線
    QCheckBox* cbTate = nullptr;
    QCheckBox* cbYoko = nullptr;

    matrix::Conversion Choices() const;
    void SetChoices(const matrix::Conversion& choices);
};
