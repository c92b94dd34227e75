#pragma once
// Base of the program's dialogs: a help context and the OK, Cancel and Help
// buttons, found by their names BitBtn1, BitBtn2 and BitBtn3.
#include <QDialog>
#include <functional>

class QKeyEvent;

class TDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TDialogForm(QWidget* owner);
    int HelpContext = 0;
    // Asked when OK is clicked: false keeps the dialog open (the check has
    // told the user why).
    std::function<bool()> AcceptCheck;
    // Connects the buttons of a layout built after construction.
    void WireButtons();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool wired_ = false;
};
