#include "forms/MathSpaceForms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "math/MathSpace.h"
#include "platform/Utf8.h"

TFormSpace::TFormSpace(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormSpace");
    setWindowTitle(utf8("空白"));
    RadioGroup = formparts::radioGroup(this, "RadioGroup", utf8("空白の種類"), {}, 2, -1);
    auto* main = new QHBoxLayout(this);
    main->addWidget(RadioGroup.box);
    main->addLayout(formparts::buttonRow(this, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
    WireButtons();
}

std::string TFormSpace::GetCommand() const { return mathspace::spaceCommand(RadioGroup.ItemIndex()); }

TFormMathFont::TFormMathFont(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormMathFont");
    setWindowTitle(utf8("数式フォント"));
    HelpContext = mathspace::kFontHelpContext;
    Label1 = new QLabel(utf8("フォントの種類(&F)"), this);
    Label1->setObjectName("Label1");
    ComboBoxFont = new QComboBox(this);
    ComboBoxFont->setObjectName("ComboBoxFont");
    ComboBoxFont->setEditable(false);
    for (const mathspace::Item& item : mathspace::fonts()) ComboBoxFont->addItem(utf8(item.caption));
    Label1->setBuddy(ComboBoxFont);
    auto* fields = new QVBoxLayout;
    fields->addWidget(Label1);
    fields->addWidget(ComboBoxFont);
    fields->addStretch();
    auto* main = new QHBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(formparts::buttonRow(this, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
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
