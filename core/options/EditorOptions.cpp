#include "core/options/EditorOptions.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <array>

#include "app/Form1.h"
#include "forms/FormProgBar.h"
#include "platform/Ask.h"
#include "platform/Help.h"

namespace editoptions {
namespace {
constexpr std::array<int, 11> kSizes = {32, 64, 96, 128, 192, 256, 384, 512, 768, 1024, 2048};
constexpr int kAlwaysOnItem = 11;
}  // namespace

int colSizeItemFor(int kilobytes) {
    if (kilobytes == -1) return kAlwaysOnItem;
    for (size_t i = 0; i < kSizes.size(); ++i)
        if (kSizes[i] >= kilobytes) return static_cast<int>(i);
    return -1;
}

int colSizeOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kSizes.size())) return -1;
    return kSizes[static_cast<size_t>(item)];
}
}  // namespace editoptions

TFormEdit::TFormEdit(QWidget* owner, int helpContext) : QDialog(owner), HelpContext(helpContext) {
    ui.setupUi(this);
    connect(ui.buttons.HelpButton, &QPushButton::clicked, this, [this] { help::showContext(HelpContext); });
}

void TFormEdit::SetColMaxSize(int kilobytes) { ui.cbColSize->setCurrentIndex(editoptions::colSizeItemFor(kilobytes)); }

int TFormEdit::GetColMaxSize() const { return editoptions::colSizeOfItem(ui.cbColSize->currentIndex()); }

namespace {
// A value that is missing or of the wrong kind reads as its start-up default.
int readInt(TRegistry& reg, const char* name, int def) {
    try {
        return reg.ValueExists(name) ? reg.ReadInteger(name) : def;
    } catch (const ERegistryException&) {
        return def;
    }
}
bool readBool(TRegistry& reg, const char* name, bool def) {
    try {
        return reg.ValueExists(name) ? reg.ReadBool(name) : def;
    } catch (const ERegistryException&) {
        return def;
    }
}
}  // namespace

void TForm1::MenuOptionEditClick() {
    if (Busy) return;
    const QString folder = QDir::currentPath();
    const int context = HelpContextOf("MenuOptionEdit");
    TFormEdit form(this, context ? context : 9110);
    TRegistry reg;
    reg.OpenKey(RegKey, true);
    form.ui.RadioGroupBackup.SetItemIndex(readInt(reg, "Backup", 0));
    form.ui.cbAutoIndent->setChecked(readBool(reg, "AutoIndent", true));
    form.ui.UpDownTab->setValue(readInt(reg, "Tab", 24));
    form.SetColMaxSize(readInt(reg, "ColMaxSize", 256));
    form.ui.rgTabSpace.SetItemIndex(TabSpace);
    form.ui.UpDownTabSpace->setValue(TabSpaceNo);
    form.ui.rgAutoOn.SetItemIndex(readBool(reg, "ColAutoOn", true) ? 0 : 1);
    form.ui.rgAutoOff.SetItemIndex(readBool(reg, "ColAutoOff", true) ? 0 : 1);

    if (ask::execModal(form) == mrOk) {
        reg.WriteInteger("Backup", form.ui.RadioGroupBackup.ItemIndex());
        reg.WriteBool("AutoIndent", form.ui.cbAutoIndent->isChecked());
        reg.WriteInteger("Tab", form.ui.UpDownTab->value());
        reg.WriteInteger("ColMaxSize", form.GetColMaxSize());
        reg.WriteInteger("TabSpace", form.ui.rgTabSpace.ItemIndex());
        reg.WriteInteger("TabSpaceNo", form.ui.UpDownTabSpace->value());
        TabSpace = form.ui.rgTabSpace.ItemIndex();
        TabSpaceNo = form.ui.UpDownTabSpace->value();
        reg.WriteBool("ColAutoOn", form.ui.rgAutoOn.ItemIndex() == 0);
        reg.WriteBool("ColAutoOff", form.ui.rgAutoOff.ItemIndex() == 0);

        // The stops are set over the whole text; the control keeps one
        // distance for all of them, so the gauge walks the 32 stops while
        // that one call does the work.
        const int distance = readInt(reg, "Tab", 24);
        Busy = true;
        const bool modified = RichEdit->Modified();
        const int caret = RichEdit->SelStart();
        const int selection = RichEdit->SelLength();
        RichEdit->HideSelection(true);
        {
            TFormProgBar progress(this);
            progress.setWindowTitle(QString::fromUtf8("編集設定変更中"));
            progress.PlaceOver(this);
            progress.Start();
            RichEdit->SetTabStops(distance);
            for (int i = 0; i < 32; ++i) progress.SetProgress((i + 1) * 100 / 32);
        }
        RichEdit->Select(caret, selection);
        RichEdit->HideSelection(false);
        RichEdit->SetModified(modified);
        Busy = false;
        RichEdit->EmptyUndoBuffer();
    }
    reg.CloseKey();
    QDir::setCurrent(folder);
}
