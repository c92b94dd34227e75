#pragma once
// Layouts of the parent-file registration dialog and the TeX-related
// preferences dialog: widgets, names and texts.  The behaviour lives with
// the dialogs in tex/.
#include <QString>
#include <array>

#include "forms/InitForms.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

struct FormParentUi {
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboParent = nullptr;
    QToolButton* sbOpenDlg = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormPreferenceUi {
    QTabWidget* Tab = nullptr;
    RadioGroup RadioGroupZu, RadioGroupDir, rgJPaper, rgTexClass, rgHowTex;
    QCheckBox* cbAutoDelete = nullptr;
    // .dvi .log .aux .toc .lof .lot .idx .ind .ilg .bbl .blg
    std::array<QCheckBox*, 11> cbExtensions{};
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *HelpButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FormSpellCheck2Ui {
    QLineEdit* Edit1 = nullptr;  // the word, read-only
    QLabel* Label1 = nullptr;    // 置換する単語
    QComboBox* ComboBox1 = nullptr;
    QPushButton *ReplaceButton = nullptr, *IgnoreButton = nullptr, *CancelButton = nullptr;
    void setupUi(QDialog* dialog);
};

struct FSpellCheckProgressUi {
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    void setupUi(QWidget* form);
};

// The pages of the preferences dialog in tab order, with their help contexts.
struct PreferencePage {
    const char* title;
    int helpContext;
};
extern const std::array<PreferencePage, 6> kPreferencePages;
constexpr int kPreferenceFrontPage = 3;  // "文書クラス"
// Extension box names and captions, in the order of cbExtensions.
struct ExtensionBox {
    const char* name;
    const char* caption;
};
extern const std::array<ExtensionBox, 11> kExtensionBoxes;
