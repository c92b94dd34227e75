#pragma once
// Layout of the user-definition dialog: 48 tabs of a title and a definition,
// and the OK, Cancel, Help, Load and Save buttons.
#include <array>

class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

struct FormUserDefineUi {
    static constexpr int kTabs = 48;
    QTabWidget* PageControl1 = nullptr;
    std::array<QLineEdit*, kTabs> Edit{};       // Edit1 .. Edit48
    std::array<QPlainTextEdit*, kTabs> Memo{};  // Memo1 .. Memo48
    QPushButton* BitBtn4 = nullptr;             // Save
    QPushButton* BitBtn5 = nullptr;             // Load
    void setupUi(QDialog* dialog);
};
