#include "math/RootDialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>

#include "math/Fractions.h"
#include "platform/Cp932.h"

TFormRoot::TFormRoot(QWidget* owner) : TDialogForm(owner)
{
    setupUi(this);
    HelpContext = fractions::kRootHelpContext;
    WireButtons();

    connect(MaskEditRoot, &QLineEdit::textChanged, this, [this] { MaskEditRootChange(); });
    UpDown1->OnClick = [this] { UpDown1Click(); };
    RadioButtonRootN->installEventFilter(this);
}

std::string TFormRoot::GetCommand() const
{
    return fractions::rootCommand(RadioButtonRoot2->isChecked(), cp932::encode(MaskEditRoot->text()));
}

void TFormRoot::FormShow() { (SquareChosen ? RadioButtonRoot2 : RadioButtonRootN)->setChecked(true); }

void TFormRoot::MaskEditRootChange() { RadioButtonRootN->setChecked(true); }
void TFormRoot::UpDown1Click() { RadioButtonRootN->setChecked(true); }

void TFormRoot::RadioButtonRootNEnter()
{
    RadioButtonRootN->setChecked(true);
    MaskEditRoot->setFocus(Qt::OtherFocusReason);
}

void TFormRoot::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

bool TFormRoot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RadioButtonRootN && event->type() == QEvent::FocusIn) RadioButtonRootNEnter();
    return TDialogForm::eventFilter(watched, event);
}
