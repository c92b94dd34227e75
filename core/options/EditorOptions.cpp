#include "core/options/EditorOptions.h"
#include "forms/SearchToolForms.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <array>

#include "core/session/Session.h"
#include "core/settings/Keys.h"
#include "forms/FormProgBar.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "platform/Scope.h"

namespace editoptions {
namespace {
constexpr std::array<int, 11> kSizes = {32, 64, 96, 128, 192, 256, 384, 512, 768, 1024, 2048};
constexpr int kAlwaysOnItem = 11;
}  // namespace

int colSizeItemFor(int kilobytes)
{
    if (kilobytes == -1) return kAlwaysOnItem;
    for (size_t i = 0; i < kSizes.size(); ++i)
        if (kSizes[i] >= kilobytes) return static_cast<int>(i);
    return -1;
}

int colSizeOfItem(int item)
{
    if (item < 0 || item >= static_cast<int>(kSizes.size())) return -1;
    return kSizes[static_cast<size_t>(item)];
}
}  // namespace editoptions

TFormEdit::TFormEdit(QWidget* owner, int helpContext)
    : QDialog(owner), layout_(std::make_unique<FormEditUi>()), ui(*layout_), HelpContext(helpContext)
{
    ui.setupUi(this);
    ask::onClick(ui.buttons.HelpButton, this, [this] { help::showContext(HelpContext); });
}

TFormEdit::~TFormEdit() = default;

void TFormEdit::SetColMaxSize(int kilobytes) { ui.cbColSize->setCurrentIndex(editoptions::colSizeItemFor(kilobytes)); }

int TFormEdit::GetColMaxSize() const { return editoptions::colSizeOfItem(ui.cbColSize->currentIndex()); }

void Session::MenuOptionEditClick()
{
    if (Busy) return;
    scope::CurrentFolder folder;
    const int context = HelpContextOf("MenuOptionEdit");
    TFormEdit form(mainWindow, context ? context : 9110);
    const settings::Store store = Settings();
    form.ui.RadioGroupBackup.SetItemIndex(store.read(key::Backup));
    form.ui.cbAutoIndent->setChecked(store.read(key::AutoIndent));
    form.ui.UpDownTab->setValue(store.read(key::Tab));
    form.SetColMaxSize(store.read(key::ColMaxSize));
    form.ui.rgTabSpace.SetItemIndex(TabSpace);
    form.ui.UpDownTabSpace->setValue(TabSpaceNo);
    form.ui.rgAutoOn.SetItemIndex(store.read(key::ColAutoOn) ? 0 : 1);
    form.ui.rgAutoOff.SetItemIndex(store.read(key::ColAutoOff) ? 0 : 1);

    if (ask::execModal(form) == mrOk) {
        store.write(key::Backup, form.ui.RadioGroupBackup.ItemIndex());
        store.write(key::AutoIndent, form.ui.cbAutoIndent->isChecked());
        store.write(key::Tab, form.ui.UpDownTab->value());
        store.write(key::ColMaxSize, form.GetColMaxSize());
        store.write(key::TabSpace, form.ui.rgTabSpace.ItemIndex());
        store.write(key::TabSpaceNo, form.ui.UpDownTabSpace->value());
        TabSpace = form.ui.rgTabSpace.ItemIndex();
        TabSpaceNo = form.ui.UpDownTabSpace->value();
        store.write(key::ColAutoOn, form.ui.rgAutoOn.ItemIndex() == 0);
        store.write(key::ColAutoOff, form.ui.rgAutoOff.ItemIndex() == 0);

        // The stops are set over the whole text; the control keeps one
        // distance for all of them, so the gauge walks the 32 stops while
        // that one call does the work.
        const int distance = store.read(key::Tab);
        {
            scope::Busy busy(Busy);
            scope::ViewKeeper keep(*RichEdit);
            TFormProgBar progress(mainWindow);
            progress.setWindowTitle(QString::fromUtf8("編集設定変更中"));
            progress.PlaceOver(mainWindow);
            progress.Start();
            RichEdit->SetTabStops(distance);
            for (int i = 0; i < 32; ++i) progress.SetProgress((i + 1) * 100 / 32);
        }
        RichEdit->EmptyUndoBuffer();
    }
}
