#pragma once
// The TeX-related preferences: how inserted LaTeX is shaped and which TeX
// by-products are deleted, edited in TFormPreference.
#include <QDialog>
#include <QString>
#include <array>

#include "core/settings/Keys.h"
#include "forms/TeXExtraForms.h"

class Session;

// The by-product flags, in the order of PreferenceValues::extensions.
inline constexpr std::array<const settings::Boolean*, 11> kExtensionValues = {
    &key::adDVI, &key::adLOG, &key::adAUX, &key::adTOC, &key::adLOF, &key::adLOT,
    &key::adIDX, &key::adIND, &key::adILG, &key::adBBL, &key::adBLG};

struct PreferenceValues {
    int ZuSmall = key::ZuSmall.value.number;
    int DirOnOff = key::DirOnOff.value.number;
    int JPaper = key::JPaper.value.number;
    int DefOption = key::DefOption.value.number;
    int HowTex = key::HowTex.value.number;  // in \TeXSetting
    bool adAutoDelete = key::adAutoDelete.value.number != 0;
    std::array<bool, 11> extensions = [] {
        std::array<bool, 11> flags{};
        for (size_t i = 0; i < flags.size(); ++i) flags[i] = kExtensionValues[i]->value.number != 0;
        return flags;
    }();
};

// Value names of the extension flags, in the order of PreferenceValues::extensions.
extern const std::array<const char*, 11> kExtensionValueNames;

// Reads the values below the settings key.
PreferenceValues readPreferences(const settings::Store& store);
// Writes the flags, then the integers, then HowTex in \TeXSetting.
void writePreferences(const settings::Store& store, const PreferenceValues& values);

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

namespace tex {
// 'TeX関連設定': the dialog over the session's stored preferences.
void MenuOptionPreferenceClick(Session& s);
}  // namespace tex
