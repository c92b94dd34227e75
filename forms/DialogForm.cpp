#include "forms/DialogForm.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/Ask.h"
#include "platform/Help.h"

TDialogForm::TDialogForm(QWidget* owner) : QDialog(owner)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

void TDialogForm::WireButtons()
{
    if (wired_) return;
    wired_ = true;
    if (auto* ok = findChild<QPushButton*>("BitBtn1")) {
        ok->setDefault(true);
        ask::onClick(ok, this, [this] {
            if (!AcceptCheck || AcceptCheck()) done(mrOk);
        });
    }
    if (auto* cancel = findChild<QPushButton*>("BitBtn2")) ask::onClick(cancel, this, [this] { done(mrCancel); });
    if (auto* helpButton = findChild<QPushButton*>("BitBtn3")) {
        helpButton->setAutoDefault(false);
        ask::onClick(helpButton, this, [this] { help::showContext(HelpContext); });
    }
}

void TDialogForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        help::showContext(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}
