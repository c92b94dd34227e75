#include "insert/BreaksDialogs.h"

#include <QSpinBox>

#include "insert/BreaksBuilder.h"

TFormDanraku::TFormDanraku(QWidget* owner) : TDialogForm(owner)
{
    QStringList captions;
    for (const breaks::Break& b : breaks::breakTable()) captions << QString::fromUtf8(b.caption);
    ui.setupUi(this, captions);
    HelpContext = 5060;
    WireButtons();
}

std::string TFormDanraku::MakeCommand() const { return breaks::breakCommand(ui.RadioGroup1.ItemIndex()); }

TFormMeijiSpace::TFormMeijiSpace(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5052;
    WireButtons();
}

std::string TFormMeijiSpace::GetCommand() const
{
    // A number typed but not yet committed by the spin box still counts.
    ui.UpDown->interpretText();
    return breaks::explicitSpace(ui.rgSpaceKind.ItemIndex(), ui.UpDown->value());
}

TFormSpaceFill::TFormSpaceFill(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5054;
    WireButtons();
}

std::string TFormSpaceFill::GetCommand() const
{
    return breaks::fillSpace(ui.rgSpaceKind.ItemIndex(), ui.rgMusi.ItemIndex());
}

TFormDanrakuSpace::TFormDanrakuSpace(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5056;
    WireButtons();
}

std::string TFormDanrakuSpace::MakeCommand() const { return breaks::paragraphSpace(ui.rgDanrakuSpace.ItemIndex()); }
