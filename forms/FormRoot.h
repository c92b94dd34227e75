#pragma once
// The radical-sign dialog: square root or n-th root with its degree.
#include <string>

#include "core/insertion/DialogRoad.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// An up-down control bound to an edit field: the arrows step the position
// between Min and Max and write it into the field; the position read back is
// the field's number when it holds one in range, else the last position.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit& associate, QWidget* parent);
    int Min = 0;
    int Max = 100;
    int Position() const;
    void SetPosition(int position);
    // Steps by delta as an arrow press does.
    void Step(int delta);
    std::function<void()> OnClick;

private:
    QLineEdit& associate_;
    int position_ = 0;
};

class TFormRoot : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormRoot(QWidget* owner);

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButtonRoot2 = nullptr;
    QRadioButton* RadioButtonRootN = nullptr;
    QLineEdit* MaskEditRoot = nullptr;
    TUpDown* UpDown1 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help

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
