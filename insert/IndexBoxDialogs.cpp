#include "insert/IndexBoxDialogs.h"

#include <QLineEdit>

#include "platform/Cp932.h"

namespace indexbox {
std::string fieldText(const QLineEdit* edit) { return cp932::encode(edit->text()); }
void setFieldText(QLineEdit* edit, const std::string& bytes) { edit->setText(cp932::decode(bytes)); }
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
