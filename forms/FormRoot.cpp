#include "forms/FormRoot.h"
#include "forms/FormParts.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "math/Fractions.h"
#include "platform/Cp932.h"

TUpDown::TUpDown(QLineEdit& associate, QWidget* parent) : QWidget(parent), associate_(associate)
{
    setObjectName("UpDown1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

int TUpDown::Position() const
{
    bool ok = false;
    const int typed = associate_.text().trimmed().toInt(&ok);
    return ok && typed >= Min && typed <= Max ? typed : position_;
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, Min, Max);
    associate_.setText(QString::number(position_));
}

void TUpDown::Step(int delta)
{
    SetPosition(Position() + delta);
    if (OnClick) OnClick();
}

TFormRoot::TFormRoot(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormRoot");
    setWindowTitle(QString::fromUtf8("根号"));
    HelpContext = fractions::kRootHelpContext;

    GroupBox1 = new QGroupBox(QString::fromUtf8("根号の種類"), this);
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

    auto* main = new QHBoxLayout(this);
    main->addWidget(GroupBox1);
    main->addLayout(formparts::buttonRow(this, formparts::kRoadButtons, formparts::OkIsDefault | formparts::Vertical)
                        .keep(BitBtn1, BitBtn2, BitBtn3));
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
