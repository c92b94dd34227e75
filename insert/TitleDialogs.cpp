#include "insert/TitleDialogs.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/insertion/FieldText.h"
#include "insert/TitleBuilder.h"
#include "platform/Cp932.h"

TFormTitle::TFormTitle(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 8010;
    WireButtons();
}

std::string TFormTitle::MemoText() const { return fieldtext::bytesOf(ui.Memo1); }

void TFormTitle::SetMemoText(const std::string& bytes)
{
    fieldtext::fill(ui.Memo1, bytes);
    ui.Memo1->selectAll();
}

TFormDateInsert::TFormDateInsert(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 8030;
    WireButtons();
    FormCreate(QDate::currentDate());
}

void TFormDateInsert::FormCreate(const QDate& today)
{
    ui.MonthCalendar1->setSelectedDate(today);
    ui.ComboBox1->clear();
    for (int format = 0; format < title::kDateFormatCount; ++format)
        ui.ComboBox1->addItem(cp932::decode(title::dateText(format, today.year(), today.month(), today.day())));
    ui.ComboBox1->setCurrentIndex(0);
}

void TFormDateInsert::FormShow() { ui.BitBtnOk->setFocus(); }

void TFormDateInsert::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

std::string TFormDateInsert::MakeDateText() const
{
    const QDate date = ui.MonthCalendar1->selectedDate();
    return title::dateText(ui.ComboBox1->currentIndex(), date.year(), date.month(), date.day());
}

TFormPageStyle::TFormPageStyle(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 8040;
    WireButtons();
}
