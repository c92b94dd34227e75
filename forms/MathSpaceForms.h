#pragma once
// The math-space dialog (a radio group the caller fills) and the math-font
// dialog (a drop-down list of math alphabets).  Both are centred on the
// screen.
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "core/insertion/DialogRoad.h"
#include "forms/FormParts.h"  // RadioGroup

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TFormSpace : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormSpace(QWidget* owner);
    ::RadioGroup RadioGroup;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help
    // The spacing command of the chosen item; "" when none is chosen.
    std::string GetCommand() const;
};

class TFormMathFont : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormMathFont(QWidget* owner);
    QLabel* Label1 = nullptr;
    QComboBox* ComboBoxFont = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    // The opening of the chosen math alphabet; "" when none is chosen.
    std::string GetCommand() const;
    void FormCreate();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};
