#pragma once
// The math-space dialog (the radio group of spacing commands) and the
// math-font dialog (the drop-down list of math alphabets).  Both are centred
// on the screen.
#include <string>

#include "forms/DialogForm.h"
#include "forms/MathSpaceForms.h"

class TFormSpace : public TDialogForm, public FormSpaceUi {
    Q_OBJECT
public:
    explicit TFormSpace(QWidget* owner);
    // The spacing command of the chosen item; "" when none is chosen.
    std::string GetCommand() const;
};

class TFormMathFont : public TDialogForm, public FormMathFontUi {
    Q_OBJECT
public:
    explicit TFormMathFont(QWidget* owner);
    // The opening of the chosen math alphabet; "" when none is chosen.
    std::string GetCommand() const;
    void FormCreate();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};
