// The TeX-related preferences dialog and its command.  The dialog only shows
// and collects the values; their users read them afresh each time they act.
#include "tex/Preference.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include "core/session/Session.h"
#include "core/settings/Keys.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "platform/Scope.h"

const std::array<const char*, 11> kExtensionValueNames = [] {
    std::array<const char*, 11> names{};
    for (size_t i = 0; i < names.size(); ++i) names[i] = kExtensionValues[i]->value.name;
    return names;
}();

namespace {

struct IntegerValue {
    const settings::Integer* value;
    int PreferenceValues::*field;
};
constexpr IntegerValue kIntegers[] = {
    {&key::ZuSmall, &PreferenceValues::ZuSmall},
    {&key::DirOnOff, &PreferenceValues::DirOnOff},
    {&key::JPaper, &PreferenceValues::JPaper},
    {&key::DefOption, &PreferenceValues::DefOption},
};

}  // namespace

PreferenceValues readPreferences(const settings::Store& store)
{
    PreferenceValues v;
    for (const IntegerValue& i : kIntegers) v.*i.field = store.read(*i.value);
    v.adAutoDelete = store.read(key::adAutoDelete);
    for (size_t i = 0; i < kExtensionValues.size(); ++i) v.extensions[i] = store.read(*kExtensionValues[i]);
    v.HowTex = store.read(key::HowTex);
    return v;
}

void writePreferences(const settings::Store& store, const PreferenceValues& values)
{
    settings::Batch batch;
    store.write(key::adAutoDelete, values.adAutoDelete);
    for (size_t i = 0; i < kExtensionValues.size(); ++i) store.write(*kExtensionValues[i], values.extensions[i]);
    for (const IntegerValue& i : kIntegers) store.write(*i.value, values.*i.field);
    store.write(key::HowTex, values.HowTex);
    batch.commit();
}

TFormPreference::TFormPreference(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(CurrentHelpContext()); });
}

int TFormPreference::CurrentHelpContext() const
{
    const int page = ui.Tab->currentIndex();
    if (page < 0 || page >= int(kPreferencePages.size())) return HelpContext;
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
    for (size_t i = 0; i < v.extensions.size(); ++i) ui.cbExtensions[i]->setChecked(v.extensions[i]);
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
    for (size_t i = 0; i < v.extensions.size(); ++i) v.extensions[i] = ui.cbExtensions[i]->isChecked();
    return v;
}

void tex::MenuOptionPreferenceClick(Session& s)
{
    scope::CurrentFolder folder;
    TFormPreference form(s.mainWindow);
    form.HelpContext = s.HelpContextOf("MenuOptionPreference");
    form.SetValues(readPreferences(s.Settings()));
    if (ask::execModal(form) == mrOk) writePreferences(s.Settings(), form.Values());
}
