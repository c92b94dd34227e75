#include "math/MatrixDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QShowEvent>

// ---- empty matrix ----

TFormArray::TFormArray(QWidget* owner) : TDialogForm(owner)
{
    setupUi(this);
    HelpContext = matrix::kArrayHelpContext;
    for (TUpDown* size : {UpDownGyou, UpDownRetu}) {
        size->Min = matrix::kMinSize;
        size->Max = matrix::kMaxSize;
        size->SetPosition(2);
    }
    WireButtons();
}

matrix::Skeleton TFormArray::Choices() const
{
    matrix::Skeleton c;
    c.bracket = RadioGroupKakko.ItemIndex();
    c.align = RadioGroupHaiti.ItemIndex();
    c.rows = UpDownGyou->Position();
    c.columns = UpDownRetu->Position();
    c.vrules = CheckBoxTate->isChecked();
    c.hrules = CheckBoxYoko->isChecked();
    return c;
}

void TFormArray::SetChoices(const matrix::Skeleton& c)
{
    RadioGroupKakko.SetItemIndex(c.bracket);
    RadioGroupHaiti.SetItemIndex(c.align);
    UpDownGyou->SetPosition(c.rows);
    UpDownRetu->SetPosition(c.columns);
    CheckBoxTate->setChecked(c.vrules);
    CheckBoxYoko->setChecked(c.hrules);
}

wrap::Insertion TFormArray::MakeArrayText() const { return matrix::skeletonText(Choices()); }

void TFormArray::FormShow() { MaskEditGyou->setFocus(Qt::OtherFocusReason); }

void TFormArray::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

// ---- text to matrix ----

TFormArrayChange::TFormArrayChange(QWidget* owner) : TDialogForm(owner)
{
    setupUi(this);
    HelpContext = matrix::kConvertHelpContext;
    WireButtons();
}

matrix::Conversion TFormArrayChange::Choices() const
{
    matrix::Conversion c;
    c.bracket = rgKind.ItemIndex();
    c.align = rgHaiti.ItemIndex();
    c.separator = rgKugiri.ItemIndex();
    c.vrules = cbTate->isChecked();
    c.hrules = cbYoko->isChecked();
    return c;
}

void TFormArrayChange::SetChoices(const matrix::Conversion& c)
{
    rgKind.SetItemIndex(c.bracket);
    rgHaiti.SetItemIndex(c.align);
    rgKugiri.SetItemIndex(c.separator);
    cbTate->setChecked(c.vrules);
    cbYoko->setChecked(c.hrules);
}
