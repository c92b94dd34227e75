#include "insert/FootnotesDialogs.h"

#include <QPlainTextEdit>

#include "platform/Cp932.h"

namespace {

std::string memoBytes(const QPlainTextEdit* memo)
{
    QString text = memo->toPlainText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return cp932::encode(text);
}

void setMemoBytes(QPlainTextEdit* memo, const std::string& bytes)
{
    QString text = cp932::decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    memo->setPlainText(text);
}

}  // namespace

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
std::string TFormFootnote::MemoText() const { return memoBytes(ui.Memo1); }
void TFormFootnote::SetMemoText(const std::string& bytes) { setMemoBytes(ui.Memo1, bytes); }

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
std::string TFormMarginpar::MemoText() const { return memoBytes(ui.Memo1); }
void TFormMarginpar::SetMemoText(const std::string& bytes) { setMemoBytes(ui.Memo1, bytes); }
