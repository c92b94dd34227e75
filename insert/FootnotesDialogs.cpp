#include "insert/FootnotesDialogs.h"

#include <QPlainTextEdit>

#include "core/insertion/FieldText.h"


TFormFootnote::TFormFootnote(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5070;
    WireButtons();
}

void TFormFootnote::FormShow() { ui.Memo1->setFocus(); }
void TFormFootnote::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}
std::string TFormFootnote::MemoText() const { return fieldtext::bytesOf(ui.Memo1); }
void TFormFootnote::SetMemoText(const std::string& bytes) { fieldtext::fill(ui.Memo1, bytes); }

TFormMarginpar::TFormMarginpar(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5075;
    WireButtons();
}

void TFormMarginpar::FormShow() { ui.Memo1->setFocus(); }
void TFormMarginpar::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}
std::string TFormMarginpar::MemoText() const { return fieldtext::bytesOf(ui.Memo1); }
void TFormMarginpar::SetMemoText(const std::string& bytes) { fieldtext::fill(ui.Memo1, bytes); }
