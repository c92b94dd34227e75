#include "insert/EditDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

#include "core/insertion/FieldText.h"
#include "core/session/Session.h"
#include "platform/Ask.h"
#include "ui_EditDialog.h"

TFormEditDialog* FormEditDialog = nullptr;

TFormEditDialog::TFormEditDialog(QWidget* owner) : TDialogForm(owner), ui_(std::make_unique<Ui::TFormEditDialog>())
{
    ui_->setupUi(this);
    setFixedSize(353, 89);
    Label1 = ui_->Label1;
    Edit1 = ui_->Edit1;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;
    WireButtons();
}

TFormEditDialog::~TFormEditDialog()
{
    if (FormEditDialog == this) FormEditDialog = nullptr;
}

void TFormEditDialog::FormShow() { Edit1->setFocus(Qt::OtherFocusReason); }

void TFormEditDialog::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

TFormEditDialog& ResidentEditDialog(Session& s)
{
    if (!FormEditDialog) FormEditDialog = new TFormEditDialog(s.mainWindow);
    return *FormEditDialog;
}

namespace road {

std::optional<std::string> askOneLine(Session& form, const QString& caption, const QString& prompt, int helpContext,
                                      const std::string& prefill)
{
    TFormEditDialog& dialog = ResidentEditDialog(form);
    dialog.setWindowTitle(caption);
    dialog.Label1->setText(prompt);
    dialog.HelpContext = helpContext;
    fieldtext::fill(dialog.Edit1, prefill);
    place(form, dialog, Placement::MainWindowCentre);
    if (execChecked(dialog, FieldUse::Inserted) != mrOk) return std::nullopt;
    return fieldtext::bytesOf(dialog.Edit1);
}

}  // namespace road
