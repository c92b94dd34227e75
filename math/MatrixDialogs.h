#pragma once
// The matrix dialog (an empty matrix of the chosen delimiters, alignment,
// rules and size) and the text-to-matrix dialog (delimiters, alignment,
// separator and rules).
#include "core/insertion/WrapBuilder.h"
#include "forms/DialogForm.h"
#include "forms/MatrixForms.h"
#include "forms/UpDown.h"
#include "math/Matrix.h"

class TFormArray : public TDialogForm, public FormArrayUi {
    Q_OBJECT
public:
    explicit TFormArray(QWidget* owner);

    matrix::Skeleton Choices() const;
    void SetChoices(const matrix::Skeleton& choices);
    // The empty matrix of the dialog's choices, with its caret.
    wrap::Insertion MakeArrayText() const;

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormArrayChange : public TDialogForm, public FormArrayChangeUi {
    Q_OBJECT
public:
    explicit TFormArrayChange(QWidget* owner);

    matrix::Conversion Choices() const;
    void SetChoices(const matrix::Conversion& choices);
};
