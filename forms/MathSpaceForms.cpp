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

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

QVBoxLayout* addButtons(TDialogForm& form, QPushButton*& ok, QPushButton*& cancel, QPushButton*& helpButton)
{
    ok = new QPushButton("OK", &form);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    cancel = new QPushButton(utf8("キャンセル"), &form);
    cancel->setObjectName("BitBtn2");
    helpButton = new QPushButton(utf8("ヘルプ(&H)"), &form);
    helpButton->setObjectName("BitBtn3");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    return buttons;
}

}  // namespace

TRadioGroup::TRadioGroup(const QString& caption, int columns, QWidget* parent)
    : QWidget(parent), columns_(columns < 1 ? 1 : columns)
{
    box_ = new QGroupBox(caption, this);
    grid_ = new QGridLayout(box_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box_);
}

void TRadioGroup::SetItems(const QStringList& items)
{
    for (QRadioButton* b : buttons_) delete b;
    buttons_.clear();
    // Items run down the first column, then the next, as in a columned
    // radio group.
    const int count = int(items.size());
    const int rows = (count + columns_ - 1) / columns_;
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(items[i], box_);
        b->setObjectName(QString("RadioGroupItem%1").arg(i));
        grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
        buttons_.push_back(b);
    }
}

int TRadioGroup::ItemIndex() const
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked()) return int(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int index)
{
    // Exclusive buttons cannot all be unchecked one by one; lift the
    // exclusivity while clearing.
    for (QRadioButton* b : buttons_) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    if (QRadioButton* b = Button(index)) b->setChecked(true);
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && size_t(index) < buttons_.size() ? buttons_[size_t(index)] : nullptr;
}

TFormSpace::TFormSpace(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormSpace");
    setWindowTitle(utf8("空白"));
    RadioGroup = new TRadioGroup(utf8("空白の種類"), 2, this);
    RadioGroup->setObjectName("RadioGroup");
    auto* main = new QHBoxLayout(this);
    main->addWidget(RadioGroup);
    main->addLayout(addButtons(*this, BitBtn1, BitBtn2, BitBtn3));
    WireButtons();
}

std::string TFormSpace::GetCommand() const { return mathspace::spaceCommand(RadioGroup->ItemIndex()); }

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
    main->addLayout(addButtons(*this, BitBtn1, BitBtn2, BitBtn3));
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
