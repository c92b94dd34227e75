#include "forms/IndexBoxForms.h"
#include "forms/FormParts.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using formparts::addButtons;
using formparts::named;
using formparts::u;

// A labelled line edit in a form layout; the label's accelerator focuses it.
QLineEdit* field(QFormLayout* form, QWidget* parent, const char* name, const char* caption, QLabel** label = nullptr)
{
    auto* edit = named(new QLineEdit(parent), name);
    auto* text = new QLabel(u(caption), parent);
    text->setBuddy(edit);
    form->addRow(text, edit);
    if (label) *label = text;
    return edit;
}

}  // namespace

void FormSakuinUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSakuin");
    dialog->setWindowTitle(u("索引語の指定"));
    auto* layout = new QVBoxLayout(dialog);
    Label3 = named(new QLabel(u("索引語が漢字の場合のみ、読み仮名を記述してください。"), dialog), "Label3");
    GroupBox1 = named(new QGroupBox(u("索引"), dialog), "GroupBox1");
    auto* form = new QFormLayout(GroupBox1);
    EditSakuin = field(form, GroupBox1, "EditSakuin", "索引語(&S)：");
    EditYomi = field(form, GroupBox1, "EditYomi", "読みがな(&Y)：");
    layout->addWidget(Label3);
    layout->addWidget(GroupBox1);
    addButtons(dialog, layout);
}

void FormSakuin2Ui::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSakuin2");
    dialog->setWindowTitle(u("入れ子の索引語指定"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(u("それぞれ、索引語が漢字の場合は、読み仮名を記述して下さい"), dialog), "Label1");
    auto* parents = named(new QGroupBox(u("親の索引語"), dialog), "GroupBox1");
    auto* parentForm = new QFormLayout(parents);
    parentForm->addRow(new QLabel(u("親の索引語を、１つまたは２つ記述して下さい。"), parents));
    EditPS1 = field(parentForm, parents, "EditPS1", "親の索引語１(&A)：");
    EditPK1 = field(parentForm, parents, "EditPK1", "読み仮名１(&B)：");
    EditPS2 = field(parentForm, parents, "EditPS2", "親の索引語２(&C)：");
    EditPK2 = field(parentForm, parents, "EditPK2", "読み仮名２(&D)：");
    auto* child = named(new QGroupBox(u("子の索引語"), dialog), "GroupBox2");
    auto* childForm = new QFormLayout(child);
    EditCS = field(childForm, child, "EditCS", "子の索引語(&S)：");
    EditCK = field(childForm, child, "EditCK", "読み仮名(&Y)：");
    childForm->addRow(new QLabel(u("―― の部分は、--- と入力して下さい"), child));
    layout->addWidget(Label1);
    layout->addWidget(parents);
    layout->addWidget(child);
    addButtons(dialog, layout);
}

void FormHyperTexNameUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormHyperTexName");
    dialog->setWindowTitle(u("\\name貼り付け"));
    auto* layout = new QVBoxLayout(dialog);
    GroupBox1 = named(new QGroupBox(u("\\name{Label}{Title}"), dialog), "GroupBox1");
    auto* form = new QFormLayout(GroupBox1);
    EditLabel = field(form, GroupBox1, "EditLabel", "ラベル名(&L)：", &Label1);
    Label1->setObjectName("Label1");
    EditTitle = field(form, GroupBox1, "EditTitle", "タイトル(&T)：");
    layout->addWidget(GroupBox1);
    addButtons(dialog, layout);
}

void FormHyperHrefUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormHyperHref");
    dialog->setWindowTitle(u("HyperTex ラベル参照"));
    auto* layout = new QVBoxLayout(dialog);
    GroupBox1 = named(new QGroupBox(u("\\href{#Label}{Title}"), dialog), "GroupBox1");
    auto* form = new QFormLayout(GroupBox1);
    // A simple-style combo box: an edit over a list of the anchors found.
    cbLabel = named(new QComboBox(GroupBox1), "cbLabel");
    cbLabel->setEditable(true);
    cbLabel->setInsertPolicy(QComboBox::NoInsert);
    auto* caption = new QLabel(u("参照するラベル名(&L)："), GroupBox1);
    caption->setBuddy(cbLabel);
    form->addRow(caption, cbLabel);
    EditTitle = field(form, GroupBox1, "EditTitle", "タイトル(&T)：");
    layout->addWidget(GroupBox1);
    addButtons(dialog, layout);
}
