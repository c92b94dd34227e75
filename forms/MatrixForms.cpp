#include "forms/MatrixForms.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "forms/FormParts.h"
#include "forms/FormRoot.h"  // TUpDown

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

// A read-only two-digit number field driven by its up-down arrows, 1 to 99.
QLineEdit* numberField(QWidget* parent, const char* name, const char* upDownName, TUpDown*& upDown)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setMaxLength(2);
    field->setMaximumWidth(40);
    field->setAlignment(Qt::AlignRight);
    upDown = named(new TUpDown(*field, parent), upDownName);
    upDown->Min = matrix::kMinSize;
    upDown->Max = matrix::kMaxSize;
    upDown->SetPosition(2);
    return field;
}

}  // namespace

// ---- empty matrix ----

TFormArray::TFormArray(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormArray");
    setWindowTitle(u("行列"));
    HelpContext = matrix::kArrayHelpContext;

    RadioGroupKakko = formparts::radioGroup(this, "RadioGroupKakko", "括弧の種類",
                                            {"（：：）", "［：：］", "｜：：｜", "∥：：∥", "｛：：", "：：｝"}, 2);
    RadioGroupHaiti =
        formparts::radioGroup(this, "RadioGroupHaiti", "文字の配置位置", {"左揃え", "中央揃え", "右揃え"});
    GroupBox1 =
        ruleBox(this, "GroupBox1", CheckBoxTate, "CheckBoxTate", "縦罫線", CheckBoxYoko, "CheckBoxYoko", "横罫線");

    GroupBox2 = named(new QGroupBox(u("行列数"), this), "GroupBox2");
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
    auto* main = new QVBoxLayout(this);
    main->addLayout(groups);
    formparts::addButtons(this, main);
    WireButtons();
}

matrix::Skeleton TFormArray::Choices() const
{
    matrix::Skeleton c;
    c.bracket = RadioGroupKakko.ItemIndex();
    c.align = RadioGroupHaiti.ItemIndex();
    c.rows = UpDownGyou->Position();
    c.columns = UpDownRetu->Position();
    c.vrules = CheckBoxTate->isChecked();
    c.hrules = CheckBoxYoko->isChecked();
    return c;
}

void TFormArray::SetChoices(const matrix::Skeleton& c)
{
    RadioGroupKakko.SetItemIndex(c.bracket);
    RadioGroupHaiti.SetItemIndex(c.align);
    UpDownGyou->SetPosition(c.rows);
    UpDownRetu->SetPosition(c.columns);
    CheckBoxTate->setChecked(c.vrules);
    CheckBoxYoko->setChecked(c.hrules);
}

wrap::Insertion TFormArray::MakeArrayText() const { return matrix::skeletonText(Choices()); }

void TFormArray::FormShow() { MaskEditGyou->setFocus(Qt::OtherFocusReason); }

void TFormArray::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

// ---- text to matrix ----

TFormArrayChange::TFormArrayChange(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormArrayChange");
    setWindowTitle(u("行列変換"));
    HelpContext = matrix::kConvertHelpContext;

    rgKind = formparts::radioGroup(this, "rgKind", "括弧の種類",
                                   {"（：：）", "［：：］", "｜：：｜", "|| ：： ||", "｛：：", "：：｝"}, 2);
    rgHaiti = formparts::radioGroup(this, "rgHaiti", "文字の配置位置", {"左揃え(&L)", "中央揃え(&C)", "右揃え(&R)"});
    rgKugiri = formparts::radioGroup(this, "rgKugiri", "区切り文字", {"タブ(&U)", "カンマ(&C)", "スペース(&S)"});
    GroupBox2 = ruleBox(this, "GroupBox2", cbTate, "cbTate", "縦罫線(&K)", cbYoko, "cbYoko", "横罫線(&Y)");

    auto* right = new QVBoxLayout;
    right->addWidget(rgKugiri.box);
    right->addWidget(GroupBox2);
    auto* groups = new QHBoxLayout;
    groups->addWidget(rgKind.box);
    groups->addWidget(rgHaiti.box);
    groups->addLayout(right);
    auto* main = new QVBoxLayout(this);
    main->addLayout(groups);
    formparts::addButtons(this, main);
    WireButtons();
}

matrix::Conversion TFormArrayChange::Choices() const
{
    matrix::Conversion c;
    c.bracket = rgKind.ItemIndex();
    c.align = rgHaiti.ItemIndex();
    c.separator = rgKugiri.ItemIndex();
    c.vrules = cbTate->isChecked();
    c.hrules = cbYoko->isChecked();
    return c;
}

void TFormArrayChange::SetChoices(const matrix::Conversion& c)
{
    rgKind.SetItemIndex(c.bracket);
    rgHaiti.SetItemIndex(c.align);
    rgKugiri.SetItemIndex(c.separator);
    cbTate->setChecked(c.vrules);
    cbYoko->setChecked(c.hrules);
}
