#pragma once
// The TeX-related preferences: how inserted LaTeX is shaped and which TeX
// by-products are deleted, edited in TFormPreference.
#include <QDialog>
#include <QString>
#include <array>

#include "forms/TeXExtraForms.h"

struct PreferenceValues {
    int ZuSmall = 0;
    int DirOnOff = 0;
    int JPaper = 0;
    int DefOption = 0;
    int HowTex = 2;                  // in \TeXSetting
    bool adAutoDelete = false;
    // adDVI adLOG adAUX adTOC adLOF adLOT adIDX adIND adILG adBBL adBLG
    std::array<bool, 11> extensions{false, true, true, true, true, true, true, true, true, true, true};
};

// Value names of the extension flags, in the order of PreferenceValues::extensions.
extern const std::array<const char*, 11> kExtensionValueNames;

// Reads the values below the settings key; a missing value reads as its
// start-up default.
PreferenceValues readPreferences(unsigned long rootKey, const QString& regKey);
// Writes the flags, then the integers, then HowTex in \TeXSetting.
void writePreferences(unsigned long rootKey, const QString& regKey, const PreferenceValues& values);

class TFormPreference : public QDialog {
    Q_OBJECT
public:
    explicit TFormPreference(QWidget* owner = nullptr);
    FormPreferenceUi ui;
    int HelpContext = 0;  // the menu item's; each page has its own

    void SetValues(const PreferenceValues& values);
    PreferenceValues Values() const;
    // The help context of the page in front.
    int CurrentHelpContext() const;
};
