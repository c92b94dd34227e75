// The TeX-related preferences dialog and its command.  The dialog only shows
// and collects the values; their users read them afresh each time they act.
#include "tex/Preference.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "platform/Registry.h"

const std::array<const char*, 11> kExtensionValueNames = {"adDVI", "adLOG", "adAUX", "adTOC", "adLOF", "adLOT",
                                                          "adIDX", "adIND", "adILG", "adBBL", "adBLG"};

namespace {

struct IntegerValue {
    const char* name;
    int PreferenceValues::*field;
};
constexpr IntegerValue kIntegers[] = {
    {"ZuSmall", &PreferenceValues::ZuSmall},
    {"DirOnOff", &PreferenceValues::DirOnOff},
    {"JPaper", &PreferenceValues::JPaper},
    {"DefOption", &PreferenceValues::DefOption},
};

int readInteger(TRegistry& reg, const char* name, int def) { return reg.ValueExists(name) ? reg.ReadInteger(name) : def; }
bool readBool(TRegistry& reg, const char* name, bool def) { return reg.ValueExists(name) ? reg.ReadBool(name) : def; }

}  // namespace

PreferenceValues readPreferences(unsigned long rootKey, const QString& regKey)
{
    PreferenceValues v;
    TRegistry reg;
    reg.RootKey = rootKey;
    if (reg.OpenKey(regKey, true)) {
        for (const IntegerValue& i : kIntegers)
            v.*i.field = readInteger(reg, i.name, v.*i.field);
        v.adAutoDelete = readBool(reg, "adAutoDelete", v.adAutoDelete);
        for (size_t i = 0; i < kExtensionValueNames.size(); ++i)
            v.extensions[i] = readBool(reg, kExtensionValueNames[i], v.extensions[i]);
        reg.CloseKey();
    }
    if (reg.OpenKey(regKey + "\\TeXSetting", true)) {
        v.HowTex = readInteger(reg, "HowTex", v.HowTex);
        reg.CloseKey();
    }
    return v;
}

void writePreferences(unsigned long rootKey, const QString& regKey, const PreferenceValues& values)
{
    settings::Batch batch;
    TRegistry reg;
    reg.RootKey = rootKey;
    if (reg.OpenKey(regKey, true)) {
        reg.WriteBool("adAutoDelete", values.adAutoDelete);
        for (size_t i = 0; i < kExtensionValueNames.size(); ++i)
            reg.WriteBool(kExtensionValueNames[i], values.extensions[i]);
        for (const IntegerValue& i : kIntegers)
            reg.WriteInteger(i.name, values.*i.field);
        reg.CloseKey();
    }
    if (reg.OpenKey(regKey + "\\TeXSetting", true)) {
        reg.WriteInteger("HowTex", values.HowTex);
        reg.CloseKey();
    }
    batch.commit();
}

TFormPreference::TFormPreference(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    connect(ui.HelpButton, &QPushButton::clicked, this, [this] { help::showContext(CurrentHelpContext()); });
}

int TFormPreference::CurrentHelpContext() const
{
    const int page = ui.Tab->currentIndex();
    if (page < 0 || page >= int(kPreferencePages.size()))
        return HelpContext;
    return kPreferencePages[size_t(page)].helpContext;
}

void TFormPreference::SetValues(const PreferenceValues& v)
{
    ui.RadioGroupZu.SetItemIndex(v.ZuSmall);
    ui.RadioGroupDir.SetItemIndex(v.DirOnOff);
    ui.rgJPaper.SetItemIndex(v.JPaper);
    ui.rgTexClass.SetItemIndex(v.DefOption);
    ui.rgHowTex.SetItemIndex(v.HowTex);
    ui.cbAutoDelete->setChecked(v.adAutoDelete);
    for (size_t i = 0; i < v.extensions.size(); ++i)
        ui.cbExtensions[i]->setChecked(v.extensions[i]);
}

PreferenceValues TFormPreference::Values() const
{
    PreferenceValues v;
    v.ZuSmall = ui.RadioGroupZu.ItemIndex();
    v.DirOnOff = ui.RadioGroupDir.ItemIndex();
    v.JPaper = ui.rgJPaper.ItemIndex();
    v.DefOption = ui.rgTexClass.ItemIndex();
    v.HowTex = ui.rgHowTex.ItemIndex();
    v.adAutoDelete = ui.cbAutoDelete->isChecked();
    for (size_t i = 0; i < v.extensions.size(); ++i)
        v.extensions[i] = ui.cbExtensions[i]->isChecked();
    return v;
}

void TForm1::MenuOptionPreferenceClick()
{
    const QString folder = QDir::currentPath();
    {
        TFormPreference form(this);
        form.HelpContext = HelpContextOf("MenuOptionPreference");
        form.SetValues(readPreferences(RootKey, RegKey));
        if (ask::execModal(form) == mrOk)
            writePreferences(RootKey, RegKey, form.Values());
    }
    QDir::setCurrent(folder);
}
