#include "forms/NavigationForms.h"
#include "forms/FormParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

void FormSearchListUi::setupUi(QDialog* dialog, const QString& caption, const QString& hint)
{
    dialog->setWindowTitle(caption);
    dialog->resize(420, 320);
    auto* column = new QVBoxLayout(dialog);
    Label1 = new QLabel(QString::fromUtf8("検索結果(&A)："), dialog);
    Label1->setObjectName("Label1");
    ListBox = new QListWidget(dialog);
    ListBox->setObjectName("ListBox");
    ListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Label1->setBuddy(ListBox);
    Label2 = new QLabel(hint, dialog);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    LabelLimit = new QLabel(dialog);
    LabelLimit->setObjectName("LabelLimit");
    LabelLimit->setWordWrap(true);
    LabelLimit->hide();
    BitBtn1 = new QPushButton(QString::fromUtf8("閉じる"), dialog);
    BitBtn1->setObjectName("BitBtn1");
    HelpButton = new QPushButton(QString::fromUtf8("ヘルプ(&H)"), dialog);
    HelpButton->setObjectName("HelpButton");
    column->addWidget(Label1);
    column->addWidget(ListBox, 1);
    column->addWidget(LabelLimit);
    column->addWidget(Label2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(HelpButton);
    column->addLayout(buttons);
}

void FormLineJumpUi::setupUi(QDialog* dialog)
{
    dialog->setWindowTitle(QString::fromUtf8("指定行に移動"));
    auto* column = new QVBoxLayout(dialog);
    auto* row = new QHBoxLayout;
    Label1 = new QLabel(QString::fromUtf8("移動先の行(&G)："), dialog);
    Label1->setObjectName("Label1");
    UpDown1 = new QSpinBox(dialog);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setRange(1, 10000);
    UpDown1->setValue(1);
    Label1->setBuddy(UpDown1);
    row->addWidget(Label1);
    row->addWidget(UpDown1, 1);
    column->addLayout(row);
    column->addLayout(formparts::buttonRow(dialog, formparts::kPlainButtons, formparts::OkIsDefault)
                          .keep(OkButton, CancelButton, HelpButton));
}
