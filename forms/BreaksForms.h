#pragma once
// Layouts of the break chooser, the space dialogs and the footnote and
// marginal-note dialogs: the widgets, their names and texts.  What the
// dialogs insert is built in insert/.
#include <QStringList>

#include "forms/FormParts.h"  // RadioGroup

class QDialog;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

struct FormDanrakuUi {
    RadioGroup RadioGroup1;
    void setupUi(QDialog* dialog, const QStringList& captions);
};

struct FormMeijiSpaceUi {
    RadioGroup rgSpaceKind;
    QLabel* Label1 = nullptr;
    QSpinBox* UpDown = nullptr;  // the edit MaskEdit with its up-down control
    QLabel* LabelUnit = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormSpaceFillUi {
    RadioGroup rgSpaceKind;
    RadioGroup rgMusi;
    void setupUi(QDialog* dialog);
};

struct FormDanrakuSpaceUi {
    RadioGroup rgDanrakuSpace;
    void setupUi(QDialog* dialog);
};

struct FormFootnoteUi {
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormMarginparUi {
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    RadioGroup rgSize;
    void setupUi(QDialog* dialog);
};
