#pragma once
// Layouts of the superscript and subscript dialogs: the single-script
// dialog, the dialog for both at once, and the memo that edits a stored list.
class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The list editor; superscript: the title and the explanation say which list.
struct FormMathSettingUi {
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    void setupUi(QDialog* dialog, bool superscript);
};

struct FormMathUpUi {
    QRadioButton* RadioButton1 = nullptr;  // the empty command only
    QRadioButton* RadioButton2 = nullptr;  // the chosen list entry
    QListWidget* ListBox = nullptr;
    QPushButton* BitBtn4 = nullptr;  // 設定変更
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help
    void setupUi(QDialog* dialog, bool superscript);
};

struct FormMathUpDownUi {
    QGroupBox* GroupBox1 = nullptr;  // superscripts, on the right
    QListWidget* ListBox1 = nullptr;
    QPushButton* BitBtnUp = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // subscripts, on the left
    QListWidget* ListBox2 = nullptr;
    QPushButton* BitBtnDown = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    void setupUi(QDialog* dialog);
};
