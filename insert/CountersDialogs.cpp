#include "insert/CountersDialogs.h"
#include "forms/FormParts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "insert/CountersBuilder.h"
#include "platform/Cp932.h"

namespace {

using formparts::u;

QLabel* label(QWidget* dialog, const char* name, const char* text)
{
    auto* l = new QLabel(u(text), dialog);
    l->setObjectName(name);
    return l;
}

}  // namespace

TFormCounter::TFormCounter(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormCounter");
    setWindowTitle(u("カウンタ設定"));
    HelpContext = 6280;
    auto* layout = new QVBoxLayout(this);
    Label1 = label(this, "Label1", "設定するカウンタの種類(&C):");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (const char* name : counters::counterNames()) ComboBox1->addItem(u(name));
    Label1->setBuddy(ComboBox1);
    Label3 = label(this, "Label3", "設定する値(&V):");
    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setRange(0, 10000);
    UpDown1->setValue(0);
    Label3->setBuddy(UpDown1);
    layout->addWidget(label(this, "Label2", "カウンタの値を変更するときに使用します"));
    layout->addWidget(Label1);
    layout->addWidget(ComboBox1);
    layout->addWidget(Label3);
    layout->addWidget(UpDown1);
    layout->addWidget(label(this, "Label4", "初期値：０"));
    layout->addWidget(label(this, "Label5", "pageカウンタの場合だけ初期値：１"));
    formparts::addButtons(this, layout);
    WireButtons();
    ComboBox1->setCurrentIndex(0);
}

std::string TFormCounter::GetCommand() const
{
    return counters::setCounter(ComboBox1->currentIndex(), UpDown1->value());
}

TFormMojiHenkou::TFormMojiHenkou(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormMojiHenkou");
    setWindowTitle(u("定義済み文字列変更"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    HelpContext = 6300;
    auto* layout = new QVBoxLayout(this);
    Label1 = label(this, "Label1", "変更する定義(&D):");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (const counters::Name& n : counters::names()) ComboBox1->addItem(u(n.listText));
    Label1->setBuddy(ComboBox1);
    Label2 = label(this, "Label2", "変更後の文字（列）(&T):");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Label2->setBuddy(Edit1);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Edit1)})
        layout->addWidget(w);
    formparts::addButtons(this, layout);
    WireButtons();
    ComboBox1->setCurrentIndex(0);
    Edit1->setText(u("第"));
    // Only a choice by the user replaces the text, not the setup above.
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
}

void TFormMojiHenkou::ComboBox1Change()
{
    const int index = ComboBox1->currentIndex();
    if (index >= 0 && size_t(index) < counters::names().size())
        Edit1->setText(u(counters::names()[size_t(index)].defaultText));
}

std::string TFormMojiHenkou::GetCommand() const
{
    return counters::renewCommand(ComboBox1->currentIndex(), cp932::encode(Edit1->text()));
}
