#include "forms/ScriptForms.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/FormParts.h"

using formparts::named;
using formparts::u;

namespace {

QListWidget* makeList(QWidget* parent, const char* name)
{
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(160, 120);
    return list;
}

}  // namespace

void FormMathSettingUi::setupUi(QDialog* dialog, bool up)
{
    dialog->setObjectName("FormMathSetting");
    dialog->setWindowTitle(up ? u("数式上添え設定変更") : u("数式下添え設定変更"));
    Label1 =
        named(new QLabel(up ? u("あらかじめ、上添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。")
                            : u("あらかじめ、下添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。"),
                         dialog),
              "Label1");
    Label1->setWordWrap(true);
    Memo = named(new QPlainTextEdit(dialog), "Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setMinimumSize(320, 200);
    Memo->setTabChangesFocus(true);
    Label1->setBuddy(Memo);
    auto* main = new QVBoxLayout(dialog);
    main->addWidget(Label1);
    main->addWidget(Memo);
    const formparts::ButtonRow buttons = formparts::addButtons(dialog, main);
    // A line break in the memo belongs to the text, not to the OK button.
    buttons.ok->setAutoDefault(false);
}

void FormMathUpUi::setupUi(QDialog* dialog, bool up)
{
    dialog->setObjectName(up ? "FormMathUp" : "FormMathDown");
    dialog->setWindowTitle(up ? u("上添え字") : u("下添え字"));

    RadioButton1 = named(new QRadioButton(u("命令のみ挿入する(&M)"), dialog), "RadioButton1");
    RadioButton2 = named(
        new QRadioButton(up ? u("下で指定した命令を上添えする(&S)") : u("下で指定した命令を下添えする(&S)"), dialog),
        "RadioButton2");
    RadioButton2->setChecked(true);
    ListBox = makeList(dialog, "ListBox");
    BitBtn4 = named(new QPushButton(u("設定変更"), dialog), "BitBtn4");
    BitBtn4->setAutoDefault(false);

    auto* listRow = new QHBoxLayout;
    listRow->addSpacing(20);
    listRow->addWidget(ListBox, 1);
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(BitBtn4);
    listRow->addLayout(side);
    auto* main = new QVBoxLayout(dialog);
    main->addWidget(RadioButton1);
    main->addWidget(RadioButton2);
    main->addLayout(listRow);
    formparts::addButtons(dialog, main).keep(BitBtn1, BitBtn2, BitBtn3);
}

void FormMathUpDownUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormMathUpDown");
    dialog->setWindowTitle(u("上･下添え一括挿入"));

    auto makeSide = [dialog](QGroupBox*& box, QListWidget*& list, QPushButton*& edit, const char* title,
                             const char* boxName, const char* listName, const char* buttonName) {
        box = named(new QGroupBox(u(title), dialog), boxName);
        list = makeList(box, listName);
        edit = named(new QPushButton(u("設定変更"), box), buttonName);
        edit->setAutoDefault(false);
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(list);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(edit);
        layout->addLayout(row);
    };
    makeSide(GroupBox2, ListBox2, BitBtnDown, "下添え項目選択", "GroupBox2", "ListBox2", "BitBtnDown");
    makeSide(GroupBox1, ListBox1, BitBtnUp, "上添え項目選択", "GroupBox1", "ListBox1", "BitBtnUp");

    auto* sides = new QHBoxLayout;
    sides->addWidget(GroupBox2);
    sides->addWidget(GroupBox1);
    auto* main = new QVBoxLayout(dialog);
    main->addLayout(sides);
    formparts::addButtons(dialog, main).keep(BitBtn1, BitBtn2, BitBtn3);
}
