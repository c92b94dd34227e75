#pragma once
// Layouts of the heading list, the label list and the go-to-line dialog:
// the widgets, their names and texts.  The behaviour lives in core/.
#include <QString>

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// The heading and label lists share one frame.
struct FormSearchListUi {
    QLabel* Label1 = nullptr;
    QListWidget* ListBox = nullptr;
    QLabel* Label2 = nullptr;
    // Says that the list holds only the first entries; hidden otherwise.
    QLabel* LabelLimit = nullptr;
    QPushButton* BitBtn1 = nullptr;  // close
    QPushButton* HelpButton = nullptr;
    void setupUi(QDialog* dialog, const QString& caption, const QString& hint);
};

struct FormLineJumpUi {
    QLabel* Label1 = nullptr;
    QSpinBox* UpDown1 = nullptr;  // the edit box with its up-down control
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog);
};
