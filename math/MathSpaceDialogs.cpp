#include "math/MathSpaceDialogs.h"

#include <QComboBox>
#include <QShowEvent>

#include "math/MathSpace.h"
#include "platform/Utf8.h"

TFormSpace::TFormSpace(QWidget* owner) : TDialogForm(owner)
{
    setupUi(this);
    WireButtons();
}

std::string TFormSpace::GetCommand() const { return mathspace::spaceCommand(RadioGroup.ItemIndex()); }

TFormMathFont::TFormMathFont(QWidget* owner) : TDialogForm(owner)
{
    setupUi(this);
    HelpContext = mathspace::kFontHelpContext;
    for (const mathspace::Item& item : mathspace::fonts()) ComboBoxFont->addItem(utf8(item.caption));
    WireButtons();
    FormCreate();
}

std::string TFormMathFont::GetCommand() const { return mathspace::fontCommand(ComboBoxFont->currentIndex()); }

void TFormMathFont::FormCreate() { ComboBoxFont->setCurrentIndex(0); }
void TFormMathFont::FormShow() { ComboBoxFont->setFocus(Qt::OtherFocusReason); }

void TFormMathFont::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}
