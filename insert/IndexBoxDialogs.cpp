#include "insert/IndexBoxDialogs.h"

#include <QLineEdit>

#include "core/insertion/FieldText.h"

namespace indexbox {
std::string fieldText(const QLineEdit* edit) { return fieldtext::bytesOf(edit); }
void setFieldText(QLineEdit* edit, const std::string& bytes) { fieldtext::fill(edit, bytes); }
}  // namespace indexbox

TFormSakuin::TFormSakuin(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5124;
    WireButtons();
}

void TFormSakuin::FormShow()
{
    if (!ui.EditSakuin->text().isEmpty()) ui.EditYomi->setFocus();
}

void TFormSakuin::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

TFormSakuin2::TFormSakuin2(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5180;
    WireButtons();
}

TFormHyperTexName::TFormHyperTexName(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5126;
    WireButtons();
}

TFormHyperHref::TFormHyperHref(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5127;
    WireButtons();
}
