#pragma once
// The radical-sign dialog: square root or n-th root with its degree.
#include <string>

#include "forms/DialogForm.h"
#include "forms/FormRoot.h"
#include "forms/UpDown.h"

class TFormRoot : public TDialogForm, public FormRootUi {
    Q_OBJECT
public:
    explicit TFormRoot(QWidget* owner);

    bool SquareChosen = true;  // set before showing; decides the checked button
    // "\sqrt" or "\sqrt[degree]", the degree as typed (document bytes).
    std::string GetCommand() const;

    void FormShow();
    void MaskEditRootChange();
    void UpDown1Click();
    void RadioButtonRootNEnter();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
