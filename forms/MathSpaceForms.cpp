#include "forms/MathSpaceForms.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Utf8.h"

void FormSpaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSpace");
    dialog->setWindowTitle(utf8("空白"));
    RadioGroup = formparts::radioGroup(dialog, "RadioGroup", utf8("空白の種類"), {}, 2, -1);
    auto* main = new QHBoxLayout(dialog);
    main->addWidget(RadioGroup.box);
    main->addLayout(formparts::buttonRow(dialog, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
}

void FormMathFontUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormMathFont");
    dialog->setWindowTitle(utf8("数式フォント"));
    Label1 = new QLabel(utf8("フォントの種類(&F)"), dialog);
    Label1->setObjectName("Label1");
    ComboBoxFont = new QComboBox(dialog);
    ComboBoxFont->setObjectName("ComboBoxFont");
    ComboBoxFont->setEditable(false);
    Label1->setBuddy(ComboBoxFont);
    auto* fields = new QVBoxLayout;
    fields->addWidget(Label1);
    fields->addWidget(ComboBoxFont);
    fields->addStretch();
    auto* main = new QHBoxLayout(dialog);
    main->addLayout(fields);
    main->addLayout(formparts::buttonRow(dialog, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
}
