#pragma once
// The counter dialog and the predefined-name dialog.  Both open with their
// start values every time: nothing of them is remembered.
#include <string>

#include "core/insertion/DialogRoad.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class TFormCounter : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormCounter(QWidget* owner);
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QSpinBox* UpDown1 = nullptr;  // the Edit1 line with its up-down control
    std::string GetCommand() const;
};

class TFormMojiHenkou : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormMojiHenkou(QWidget* owner);
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    // Choosing another name puts its usual text into the line, over what was typed.
    void ComboBox1Change();
    std::string GetCommand() const;
};
