#pragma once
// Layouts of the TeX program settings dialog and its helpers: the widgets,
// their names and texts.  The behaviour lives with the dialogs in tex/.
#include <QString>
#include <array>
#include <span>

#include "forms/FormParts.h"  // RadioGroup

class QButtonGroup;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

struct FormInitUi;

// One program page of the settings dialog: its tab, the names of its file
// field, browse button and option field, and where the layout keeps them.
struct ProgramPageLayout {
    const char* title;
    const char* fileName;
    const char* browseName;
    const char* optionName;
    QLineEdit* FormInitUi::*file;
    QToolButton* FormInitUi::*browse;
    QLineEdit* FormInitUi::*option;
    bool startChoice = false;  // the page also holds rgDVIExe
};

struct FormInitUi {
    QTabWidget* rgMakeIndexExe = nullptr;
    QPushButton* BitBtn4 = nullptr;              // 自動初期設定実行
    QPushButton* BitBtnSettingWizard = nullptr;  // 初期設定ウィザード
    QLineEdit *TeXExeFileName = nullptr, *EditTeXCommand = nullptr;
    QLineEdit *TeXDVIFileName = nullptr, *EditDVIOption = nullptr;
    RadioGroup rgDVIExe;
    QLineEdit *EditMendexFile = nullptr, *EditMendexOption = nullptr;
    QLineEdit *EditBibFile = nullptr, *EditBibOption = nullptr;
    QLineEdit *EditDvips = nullptr, *EditDvipsOption = nullptr;
    QLineEdit *EditDVIPDF = nullptr, *EditDVIPDFOption = nullptr;
    QLineEdit *EditPDFReader = nullptr, *EditPDFReaderOption = nullptr;
    QLineEdit *EditPSViewer = nullptr, *EditPSViewerOption = nullptr;
    QLineEdit *EditSpellProg = nullptr, *EditSpellOpt = nullptr;
    QToolButton *sbTeX1 = nullptr, *SpeedButton1 = nullptr, *sbMendex = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton8 = nullptr, *SpeedButton12 = nullptr, *SpeedButton10 = nullptr, *SpeedButton11 = nullptr,
                *sbSpell = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    // The automatic setup's page first, then one page for each program.
    void setupUi(QDialog* dialog, std::span<const ProgramPageLayout> pages);
};

struct FormAutoSettingUi {
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    RadioGroup RadioGroup1;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* EditDrive = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormFileSiteiUi {
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormFileSitei2Ui {
    QLabel* Label1 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr;
    void setupUi(QDialog* dialog);
};

// Captions of the installation kinds of the automatic setup.
extern const std::array<const char*, 7> kInstallKindCaptions;
