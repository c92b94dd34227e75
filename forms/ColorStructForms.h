#pragma once
// Layouts of the colour settings dialog and its row dialog: the widgets,
// their names and texts.  The behaviour lives in core/ColorSettings.cpp.
class QCheckBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

struct FormColorStructUi {
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QFrame* CPanel = nullptr;
    QPushButton *BtnChange = nullptr, *BtnAdd = nullptr, *BtnDelete = nullptr;
    QFrame* PanelFontColor = nullptr;
    QPushButton* BtnFontColor = nullptr;
    QFrame* PanelBackColor = nullptr;
    QPushButton* BtnBackColor = nullptr;
    QCheckBox* cbDollerItalic = nullptr;
    QLabel* PanelDollerColor = nullptr;
    QPushButton* BtnDoller = nullptr;
    QCheckBox* cbAndItalic = nullptr;
    QLabel* PanelAndColor = nullptr;
    QPushButton* BtnAnd = nullptr;
    QFrame* PanelGenTeXColor = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QCheckBox* cbRemItalic = nullptr;
    QLabel* PanelRemColor = nullptr;
    QPushButton* BtnRemCChange = nullptr;
    QCheckBox* cbZen = nullptr;
    QFrame* PanelZenColor = nullptr;
    QPushButton* BtnZenkaku = nullptr;
    QPushButton *BtnImport = nullptr, *BtnExport = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormColorSetUi {
    QLabel* LabelCom = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox *cbAst = nullptr, *cbBold = nullptr, *cbItalic = nullptr;
    QFrame* CPanel2 = nullptr;
    QPushButton* BtnColChange = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr;
    void setupUi(QDialog* dialog);
};
