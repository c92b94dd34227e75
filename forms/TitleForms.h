#pragma once
// Layouts of the title, date and page-style dialogs: the widgets, their names
// and texts.  What the dialogs insert is built in insert/.
#include "forms/FormParts.h"  // RadioGroup

class QCalendarWidget;
class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

struct FormTitleUi {
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormDateInsertUi {
    QCalendarWidget* MonthCalendar1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* BitBtnOk = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormPageStyleUi {
    RadioGroup RadioGroup1;
    QPushButton* BitBtnOk = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QPushButton* BitBtn1 = nullptr;  // Help
    void setupUi(QDialog* dialog);
};
