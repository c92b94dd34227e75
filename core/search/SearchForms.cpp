// The find and replace dialogs.
#include "core/search/SearchForms.h"
#include "forms/SearchToolForms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/session/Session.h"
#include "platform/Ask.h"
#include "platform/Help.h"

QPointer<TFormSearch> FormSearch;
QPointer<TFormReplace> FormReplace;

SearchDialogBase::SearchDialogBase(QWidget* owner) : QDialog(owner) { setModal(false); }

QLineEdit* SearchDialogBase::focusedEdit() const
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return edit && isAncestorOf(edit) ? edit : nullptr;
}

void SearchDialogBase::EditCut1Execute()
{
    if (QLineEdit* e = focusedEdit()) e->cut();
}
void SearchDialogBase::EditCopy1Execute()
{
    if (QLineEdit* e = focusedEdit()) e->copy();
}
void SearchDialogBase::EditPaste1Execute()
{
    if (QLineEdit* e = focusedEdit()) e->paste();
}
void SearchDialogBase::EditSelectAll1Execute()
{
    if (QLineEdit* e = focusedEdit()) e->selectAll();
}
void SearchDialogBase::EditUndo1Execute()
{
    if (QLineEdit* e = focusedEdit()) e->undo();
}

void SearchDialogBase::addEditingActions()
{
    // An edit box with the focus takes these keys itself; the actions catch
    // them elsewhere in the dialog, where they do nothing.
    const std::pair<QKeySequence, void (SearchDialogBase::*)()> actions[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_X), &SearchDialogBase::EditCut1Execute},
        {QKeySequence(Qt::CTRL | Qt::Key_C), &SearchDialogBase::EditCopy1Execute},
        {QKeySequence(Qt::CTRL | Qt::Key_V), &SearchDialogBase::EditPaste1Execute},
        {QKeySequence(Qt::CTRL | Qt::Key_A), &SearchDialogBase::EditSelectAll1Execute},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &SearchDialogBase::EditUndo1Execute},
    };
    for (const auto& [keys, handler] : actions) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        ask::onSignal(action, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
        addAction(action);
    }
}

void SearchDialogBase::placeOnFirstShow()
{
    // Centred on the main window where it is when first shown; after that
    // the dialog stays where the user puts it.
    if (placed_) return;
    placed_ = true;
    QWidget* owner = parentWidget();
    if (!owner) return;
    adjustSize();
    const QRect frame = owner->frameGeometry();
    move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 2);
}

// ---- TFormSearch ----

TFormSearch::TFormSearch(QWidget* owner)
    : SearchDialogBase(owner), layout_(std::make_unique<FormSearchUi>()), ui(*layout_)
{
    ui.setupUi(this);
    HelpContext = 3010;
    setFixedSize(sizeHint());
    addEditingActions();
    connect(ui.EditFind, &QLineEdit::textChanged, this, [this] { EditFindChange(); });
    ask::onClick(ui.BtnFind, this, [this] { BtnFindClick(); });
    ask::onClick(ui.BtnCancel, this, [this] { BtnCancelClick(); });
    ask::onClick(ui.BtnHelp, this, [this] { help::showContext(HelpContext); });
}

TFormSearch::~TFormSearch() = default;

void TFormSearch::showEvent(QShowEvent* event)
{
    placeOnFirstShow();
    QDialog::showEvent(event);
    FormShow();
}

void TFormSearch::FormShow()
{
    EditFindChange();
    ui.EditFind->setFocus();
    ui.EditFind->selectAll();
}

void TFormSearch::EditFindChange() { ui.BtnFind->setEnabled(!ui.EditFind->text().isEmpty()); }

void TFormSearch::BtnFindClick()
{
    if (mainForm) mainForm->FindNext();
}

// ---- TFormReplace ----

TFormReplace::TFormReplace(QWidget* owner)
    : SearchDialogBase(owner), layout_(std::make_unique<FormReplaceUi>()), ui(*layout_)
{
    ui.setupUi(this);
    HelpContext = 3040;
    addEditingActions();
    connect(ui.EditFind, &QLineEdit::textChanged, this, [this] { EditFindChange(); });
    ask::onClick(ui.BtnFind, this, [this] { BtnFindClick(); });
    ask::onClick(ui.BtnReplace, this, [this] { BtnReplaceClick(); });
    ask::onClick(ui.BtnReplaceAll, this, [this] { BtnReplaceAllClick(); });
    ask::onClick(ui.BtnCancel, this, [this] { BtnCancelClick(); });
    ask::onClick(ui.BtnHelp, this, [] { help::showContext(3030); });
}

TFormReplace::~TFormReplace() = default;

void TFormReplace::showEvent(QShowEvent* event)
{
    placeOnFirstShow();
    QDialog::showEvent(event);
    FormShow();
}

void TFormReplace::FormShow()
{
    EditFindChange();
    ui.EditFind->setFocus();
    ui.EditFind->selectAll();
}

void TFormReplace::EditFindChange()
{
    const bool any = !ui.EditFind->text().isEmpty();
    ui.BtnFind->setEnabled(any);
    ui.BtnReplace->setEnabled(any);
    ui.BtnReplaceAll->setEnabled(any);
}

void TFormReplace::BtnFindClick()
{
    if (mainForm) mainForm->ReplaceFindNext();
}

void TFormReplace::BtnReplaceClick()
{
    if (mainForm) mainForm->ReplaceText(false);
}

void TFormReplace::BtnReplaceAllClick()
{
    if (mainForm) mainForm->ReplaceText(true);
}
