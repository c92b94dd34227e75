#include "forms/MatrixForms.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/FormParts.h"
#include "forms/UpDown.h"

using formparts::named;
using formparts::u;

namespace {

QGroupBox* ruleBox(QWidget* parent, const char* name, QCheckBox*& vertical, const char* verticalName,
                   const char* verticalCaption, QCheckBox*& horizontal, const char* horizontalName,
                   const char* horizontalCaption)
{
    auto* box = named(new QGroupBox(u("罫線"), parent), name);
    vertical = named(new QCheckBox(u(verticalCaption), box), verticalName);
    horizontal = named(new QCheckBox(u(horizontalCaption), box), horizontalName);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(vertical);
    layout->addWidget(horizontal);
    layout->addStretch();
    return box;
}

// A read-only two-digit number field driven by its up-down arrows.
QLineEdit* numberField(QWidget* parent, const char* name, const char* upDownName, TUpDown*& upDown)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setMaxLength(2);
    field->setMaximumWidth(40);
    field->setAlignment(Qt::AlignRight);
    upDown = named(new TUpDown(*field, parent), upDownName);
    return field;
}

}  // namespace

void FormArrayUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormArray");
    dialog->setWindowTitle(u("行列"));

    RadioGroupKakko = formparts::radioGroup(dialog, "RadioGroupKakko", "括弧の種類",
                                            {"（：：）", "［：：］", "｜：：｜", "∥：：∥", "｛：：", "：：｝"}, 2);
    RadioGroupHaiti =
        formparts::radioGroup(dialog, "RadioGroupHaiti", "文字の配置位置", {"左揃え", "中央揃え", "右揃え"});
    GroupBox1 =
        ruleBox(dialog, "GroupBox1", CheckBoxTate, "CheckBoxTate", "縦罫線", CheckBoxYoko, "CheckBoxYoko", "横罫線");

    GroupBox2 = named(new QGroupBox(u("行列数"), dialog), "GroupBox2");
    Label1 = named(new QLabel(u("行："), GroupBox2), "Label1");
    MaskEditGyou = numberField(GroupBox2, "MaskEditGyou", "UpDownGyou", UpDownGyou);
    Label2 = named(new QLabel(u("列："), GroupBox2), "Label2");
    MaskEditRetu = numberField(GroupBox2, "MaskEditRetu", "UpDownRetu", UpDownRetu);
    Label1->setBuddy(MaskEditGyou);
    Label2->setBuddy(MaskEditRetu);
    auto* sizes = new QGridLayout(GroupBox2);
    sizes->addWidget(Label1, 0, 0);
    sizes->addWidget(MaskEditGyou, 0, 1);
    sizes->addWidget(UpDownGyou, 0, 2);
    sizes->addWidget(Label2, 1, 0);
    sizes->addWidget(MaskEditRetu, 1, 1);
    sizes->addWidget(UpDownRetu, 1, 2);
    sizes->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox1);
    right->addWidget(GroupBox2);
    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroupKakko.box);
    groups->addWidget(RadioGroupHaiti.box);
    groups->addLayout(right);
    auto* main = new QVBoxLayout(dialog);
    main->addLayout(groups);
    formparts::addButtons(dialog, main);
}

void FormArrayChangeUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormArrayChange");
    dialog->setWindowTitle(u("行列変換"));

    rgKind = formparts::radioGroup(dialog, "rgKind", "括弧の種類",
                                   {"（：：）", "［：：］", "｜：：｜", "|| ：： ||", "｛：：", "：：｝"}, 2);
    rgHaiti = formparts::radioGroup(dialog, "rgHaiti", "文字の配置位置", {"左揃え(&L)", "中央揃え(&C)", "右揃え(&R)"});
    rgKugiri = formparts::radioGroup(dialog, "rgKugiri", "区切り文字", {"タブ(&U)", "カンマ(&C)", "スペース(&S)"});
    GroupBox2 = ruleBox(dialog, "GroupBox2", cbTate, "cbTate", "縦罫線(&K)", cbYoko, "cbYoko", "横罫線(&Y)");

    auto* right = new QVBoxLayout;
    right->addWidget(rgKugiri.box);
    right->addWidget(GroupBox2);
    auto* groups = new QHBoxLayout;
    groups->addWidget(rgKind.box);
    groups->addWidget(rgHaiti.box);
    groups->addLayout(right);
    auto* main = new QVBoxLayout(dialog);
    main->addLayout(groups);
    formparts::addButtons(dialog, main);
}
