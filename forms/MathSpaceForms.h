#pragma once
// The math-space dialog (a radio group the caller fills) and the math-font
// dialog (a drop-down list of math alphabets).  Both are centred on the
// screen.
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "core/insertion/DialogRoad.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A group of radio buttons in columns, addressed by item index as one
// control; -1 means no item is chosen.
class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, int columns, QWidget* parent);
    void SetItems(const QStringList& items);
    int Count() const { return int(buttons_.size()); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const;

private:
    QGroupBox* box_ = nullptr;
    QGridLayout* grid_ = nullptr;
    int columns_ = 1;
    std::vector<QRadioButton*> buttons_;
};

class TFormSpace : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormSpace(QWidget* owner);
    TRadioGroup* RadioGroup = nullptr;
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
