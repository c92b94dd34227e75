#include "forms/TitleForms.h"
#include "forms/FormParts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using formparts::u;

using formparts::named;

}  // namespace

void FormTitleUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormTitle");
    dialog->setWindowTitle(u("タイトル指定"));
    dialog->resize(289, 137);
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(u("タイトル："), dialog), "Label1");
    Memo1 = named(new QPlainTextEdit(dialog), "Memo1");
    formparts::enterPressesOk(Memo1, dialog);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(false);  // Tab is typed into the title
    Label1->setBuddy(Memo1);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    formparts::addButtons(dialog, layout);
}

void FormDateInsertUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormDateInsert");
    dialog->setWindowTitle(u("日付の指定"));
    auto* layout = new QVBoxLayout(dialog);
    MonthCalendar1 = named(new QCalendarWidget(dialog), "MonthCalendar1");
    layout->addWidget(MonthCalendar1);
    auto* row = new QHBoxLayout;
    Label1 = named(new QLabel(u("日付の形式："), dialog), "Label1");
    ComboBox1 = named(new QComboBox(dialog), "ComboBox1");
    ComboBox1->setEditable(false);
    Label1->setBuddy(ComboBox1);
    row->addWidget(Label1);
    row->addWidget(ComboBox1, 1);
    layout->addLayout(row);
    BitBtnOk = formparts::addButtons(dialog, layout).ok;
}

void FormPageStyleUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormPageStyle");
    dialog->setWindowTitle(u("ページ番号スタイル指定"));
    auto* layout = new QVBoxLayout(dialog);
    RadioGroup1 =
        formparts::radioGroup(dialog, "RadioGroup1", "Page Style",
                              {u("ページの下部にページ番号を出力する"), u("ページ番号なし"),
                               u("ページの上部にページ番号を出力する"), u("自分でカスタマイズした頁番号を用いる")});
    layout->addWidget(RadioGroup1.box);
    RadioGroup1.SetItemIndex(0);
    formparts::addButtons(dialog, layout).keep(BitBtnOk, BitBtnCancel, BitBtn1);
}
