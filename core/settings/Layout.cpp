#include "core/settings/Layout.h"
#include "core/settings/Keys.h"

namespace {
using settings::Value;

const Value* const kRoot[] = {
    &key::ZuSmall.value,    &key::DirOnOff.value,   &key::Backup.value,      &key::FontSize.value,
    &key::FontName.value,   &key::FontColor.value,  &key::BackColor.value,   &key::adAutoDelete.value,
    &key::adDVI.value,      &key::adLOG.value,      &key::adAUX.value,       &key::adTOC.value,
    &key::adLOF.value,      &key::adLOT.value,      &key::adIDX.value,       &key::adIND.value,
    &key::adILG.value,      &key::adBBL.value,      &key::adBLG.value,       &key::WindowState.value,
    &key::Tab.value,        &key::TabSpace.value,   &key::TabSpaceNo.value,  &key::CurrentDir.value,
    &key::ColMaxSize.value, &key::ColAutoOn.value,  &key::ColAutoOff.value,  &key::JPaper.value,
    &key::DefOption.value,  &key::AutoIndent.value, &key::AutoCommand.value, &key::AutoColor.value,
};

const Value* const kTeXSetting[] = {
    &key::TeXFile.value,        &key::TeXOption.value,     &key::DviFile.value,         &key::DviOption.value,
    &key::DviDde.value,         &key::MendexFile.value,    &key::MendexOption.value,    &key::BibTeXFile.value,
    &key::BibTeXOption.value,   &key::DvipsFile.value,     &key::DvipsOption.value,     &key::DvipdfFile.value,
    &key::DvipdfOption.value,   &key::PDFReaderFile.value, &key::PDFReaderOption.value, &key::PSViewerFile.value,
    &key::PSViewerOption.value, &key::HowTex.value,
};

const Value* const kMathSoeji[] = {&key::MathSoejiUp.value, &key::MathSoejiDown.value};
const Value* const kUserPackage[] = {&key::UserPackage.value};
const Value* const kWindow[] = {&key::WindowTop.value, &key::WindowLeft.value, &key::WindowWidth.value,
                                &key::WindowHeight.value};
}  // namespace

namespace layout {
Table rootDefaults() { return kRoot; }
Table texSettingDefaults() { return kTeXSetting; }
Table mathSoejiDefaults() { return kMathSoeji; }
Table userPackageDefaults() { return kUserPackage; }
Table windowDefaults() { return kWindow; }

void writeMissingUserDefines(const settings::Store& store)
{
    for (int n = 1; n <= UserDefineCount; ++n) {
        if (store.exists(key::UserDefineTitle.value, n)) continue;
        store.write(key::UserDefineTitle, n, QStringLiteral("Not Defined"));
        store.write(key::UserDefineText, n, QString());
    }
}
}  // namespace layout
