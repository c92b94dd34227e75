#include "forms/FormRoot.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/FormParts.h"
#include "forms/UpDown.h"

void FormRootUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormRoot");
    dialog->setWindowTitle(QString::fromUtf8("根号"));

    GroupBox1 = new QGroupBox(QString::fromUtf8("根号の種類"), dialog);
    RadioButtonRoot2 = new QRadioButton(QString::fromUtf8("２乗根(&2)"), GroupBox1);
    RadioButtonRoot2->setObjectName("RadioButtonRoot2");
    RadioButtonRootN = new QRadioButton(QString::fromUtf8("ｎ乗根(&N)"), GroupBox1);
    RadioButtonRootN->setObjectName("RadioButtonRootN");
    MaskEditRoot = new QLineEdit("3", GroupBox1);
    MaskEditRoot->setObjectName("MaskEditRoot");
    MaskEditRoot->setMaximumWidth(48);
    UpDown1 = new TUpDown(*MaskEditRoot, GroupBox1);
    UpDown1->Min = 3;
    UpDown1->SetPosition(3);
    RadioButtonRoot2->setChecked(true);

    auto* nthRow = new QHBoxLayout;
    nthRow->addWidget(RadioButtonRootN);
    nthRow->addWidget(MaskEditRoot);
    nthRow->addWidget(UpDown1);
    nthRow->addStretch();
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(RadioButtonRoot2);
    group->addLayout(nthRow);

    auto* main = new QHBoxLayout(dialog);
    main->addWidget(GroupBox1);
    main->addLayout(formparts::buttonRow(dialog, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
}
