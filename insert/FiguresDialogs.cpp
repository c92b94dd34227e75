#include "insert/FiguresDialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "insert/TablesDialogs.h"  // setPlacement, placementOf

TFormZuinsert::TFormZuinsert(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    WireButtons();
    connect(ui.RBSizeOff, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RBSizeOffClick();
    });
    connect(ui.RBSizeOn, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RBSizeOnClick();
    });
    connect(ui.rbGraphics, &QRadioButton::toggled, this, [this](bool on) {
        if (on) rbGraphicsClick();
    });
    connect(ui.rbGraphicx, &QRadioButton::toggled, this, [this](bool on) {
        if (on) rbGraphicxClick();
    });
    connect(ui.cbAspect, &QCheckBox::toggled, this, [this] { cbAspectClick(); });
    SetChoices({});
}

void TFormZuinsert::enableWidth(bool on)
{
    ui.LabelWidth->setEnabled(on);
    ui.UpDownWidth->setEnabled(on);
}

void TFormZuinsert::RBSizeOffClick()
{
    enableWidth(false);
    ui.LabelHeight->setEnabled(false);
    ui.UpDownHeight->setEnabled(false);
    ui.rbGraphics->setEnabled(false);
    ui.rbGraphicx->setEnabled(false);
    ui.cbAspect->setEnabled(false);
}

void TFormZuinsert::RBSizeOnClick()
{
    enableWidth(true);
    ui.LabelHeight->setEnabled(true);
    ui.UpDownHeight->setEnabled(true);
    ui.rbGraphics->setEnabled(true);
    ui.rbGraphicx->setEnabled(true);
    if (ui.rbGraphics->isChecked())
        rbGraphicsClick();
    else
        rbGraphicxClick();
}

void TFormZuinsert::rbGraphicsClick()
{
    ui.cbAspect->setEnabled(false);
    enableWidth(true);
}

void TFormZuinsert::rbGraphicxClick()
{
    ui.cbAspect->setEnabled(true);
    cbAspectClick();
}

void TFormZuinsert::cbAspectClick() { enableWidth(!ui.cbAspect->isChecked()); }

// Choosing a package while no size is asked for would otherwise switch the
// size fields on.
void TFormZuinsert::updateEnabled()
{
    if (ui.RBSizeOn->isChecked())
        RBSizeOnClick();
    else
        RBSizeOffClick();
}

void TFormZuinsert::RequireSize()
{
    ui.RBSizeOn->setChecked(true);
    ui.RBSizeOff->setEnabled(false);
    updateEnabled();
}

void TFormZuinsert::SetChoices(const figures::FigureChoices& c)
{
    setPlacement(ui.place, c.placement);
    ui.RGZuIchi.SetItemIndex(c.align);
    (c.graphics ? ui.rbGraphics : ui.rbGraphicx)->setChecked(true);
    ui.cbAspect->setChecked(c.aspect);
    ui.cbLabel->setChecked(c.label);
    ui.UpDownWidth->setValue(c.width);
    ui.UpDownHeight->setValue(c.height);
    (c.sizeOn ? ui.RBSizeOn : ui.RBSizeOff)->setChecked(true);
    updateEnabled();
}

figures::FigureChoices TFormZuinsert::Choices() const
{
    figures::FigureChoices c;
    c.placement = placementOf(ui.place);
    c.align = ui.RGZuIchi.ItemIndex();
    c.sizeOn = ui.RBSizeOn->isChecked();
    c.graphics = ui.rbGraphics->isChecked();
    c.aspect = ui.cbAspect->isChecked();
    c.label = ui.cbLabel->isChecked();
    c.width = ui.UpDownWidth->value();
    c.height = ui.UpDownHeight->value();
    return c;
}

TFormInputInclude::TFormInputInclude(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    WireButtons();
}
