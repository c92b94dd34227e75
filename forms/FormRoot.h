#pragma once
// Layout of the radical-sign dialog: square root, or n-th root with its
// degree in a field with up-down arrows (3 and up).
class QDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TUpDown;

struct FormRootUi {
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButtonRoot2 = nullptr;
    QRadioButton* RadioButtonRootN = nullptr;
    QLineEdit* MaskEditRoot = nullptr;
    TUpDown* UpDown1 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help
    void setupUi(QDialog* dialog);
};
