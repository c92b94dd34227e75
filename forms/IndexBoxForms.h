#pragma once
// Layouts of the index entry dialogs and the hypertext anchor and link
// dialogs: the widgets, their names and texts.  What they insert is built in
// insert/.
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;

struct FormSakuinUi {
    QLabel* Label3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* EditSakuin = nullptr;
    QLineEdit* EditYomi = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormSakuin2Ui {
    QLabel* Label1 = nullptr;
    QLineEdit* EditPS1 = nullptr;
    QLineEdit* EditPK1 = nullptr;
    QLineEdit* EditPS2 = nullptr;
    QLineEdit* EditPK2 = nullptr;
    QLineEdit* EditCS = nullptr;
    QLineEdit* EditCK = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormHyperTexNameUi {
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditLabel = nullptr;
    QLineEdit* EditTitle = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormHyperHrefUi {
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* cbLabel = nullptr;
    QLineEdit* EditTitle = nullptr;
    void setupUi(QDialog* dialog);
};
