#include "insert/TablesDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

#include "core/insertion/FieldText.h"

void setPlacement(const PlacementBoxes& b, const tables::Placement& p)
{
    b.Here->setChecked(p.here);
    b.Top->setChecked(p.top);
    b.Bottom->setChecked(p.bottom);
    b.Page->setChecked(p.page);
}

tables::Placement placementOf(const PlacementBoxes& b)
{
    return {b.Here->isChecked(), b.Top->isChecked(), b.Bottom->isChecked(), b.Page->isChecked()};
}

TFormTable::TFormTable(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5130;
    WireButtons();
    SetChoices({});
}

void TFormTable::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    ui.UpDownGyou->setFocus();
    ui.UpDownGyou->selectAll();
}

void TFormTable::SetChoices(const tables::TableChoices& c)
{
    setPlacement(ui.place, c.placement);
    ui.RadioGroupHaiti.SetItemIndex(c.align);
    ui.UpDownGyou->setValue(c.rows);
    ui.UpDownRetu->setValue(c.columns);
    ui.CheckBoxTate->setChecked(c.verticalRules);
    ui.CheckBoxYoko->setChecked(c.horizontalRules);
}

tables::TableChoices TFormTable::Choices() const
{
    tables::TableChoices c;
    c.placement = placementOf(ui.place);
    c.align = ui.RadioGroupHaiti.ItemIndex();
    c.rows = ui.UpDownGyou->value();
    c.columns = ui.UpDownRetu->value();
    c.verticalRules = ui.CheckBoxTate->isChecked();
    c.horizontalRules = ui.CheckBoxYoko->isChecked();
    return c;
}

TFormCline::TFormCline(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    HelpContext = 5220;
    WireButtons();
    connect(ui.UpDown1, &QSpinBox::valueChanged, this, [this] { Edit1Change(); });
    connect(ui.UpDown2, &QSpinBox::valueChanged, this, [this] { Edit2Change(); });
}

void TFormCline::Edit1Change()
{
    if (ui.UpDown1->value() >= ui.UpDown2->value()) ui.UpDown2->setValue(ui.UpDown1->value());
}

void TFormCline::Edit2Change()
{
    if (ui.UpDown1->value() >= ui.UpDown2->value()) ui.UpDown1->setValue(ui.UpDown2->value());
}

TFormCell::TFormCell(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5210;
    WireButtons();
}

void TFormCell::SetChoices(const tables::MergedCellChoices& c)
{
    ui.UpDown1->setValue(c.count);
    ui.rgHaiti.SetItemIndex(c.align);
    ui.rgLeftLine.SetItemIndex(c.leftRule ? 0 : 1);
    ui.rgRightLine.SetItemIndex(c.rightRule ? 0 : 1);
    fieldtext::fill(ui.EditMidasi, c.heading);
}

tables::MergedCellChoices TFormCell::Choices() const
{
    tables::MergedCellChoices c;
    c.count = ui.UpDown1->value();
    c.align = ui.rgHaiti.ItemIndex();
    c.leftRule = ui.rgLeftLine.ItemIndex() == 0;
    c.rightRule = ui.rgRightLine.ItemIndex() == 0;
    c.heading = fieldtext::bytesOf(ui.EditMidasi);
    return c;
}

TFormTableChange::TFormTableChange(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5200;
    WireButtons();
}

void TFormTableChange::SetChoices(const tables::ConversionChoices& c)
{
    setPlacement(ui.place, c.placement);
    ui.rgHaiti.SetItemIndex(c.align);
    ui.rgKugiri.SetItemIndex(c.separator);
    ui.cbTate->setChecked(c.verticalRules);
    ui.cbYoko->setChecked(c.horizontalRules);
}

tables::ConversionChoices TFormTableChange::Choices() const
{
    tables::ConversionChoices c;
    c.placement = placementOf(ui.place);
    c.align = ui.rgHaiti.ItemIndex();
    c.separator = ui.rgKugiri.ItemIndex();
    c.verticalRules = ui.cbTate->isChecked();
    c.horizontalRules = ui.cbYoko->isChecked();
    return c;
}
