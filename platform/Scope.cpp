#include "platform/Scope.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "platform/RichEdit.h"

namespace scope {

WaitCursor::WaitCursor(QWidget* a, QWidget* b) : a_(a), b_(b)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (a_) a_->setCursor(Qt::WaitCursor);
    if (b_) b_->setCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    if (b_) b_->unsetCursor();
    if (a_) a_->unsetCursor();
    QApplication::restoreOverrideCursor();
}

EventMask::EventMask(TRichEdit& edit, int mask) : edit_(edit), saved_(edit.EventMask()) { edit_.SetEventMask(mask); }

EventMask::~EventMask() { edit_.SetEventMask(saved_); }

CurrentFolder::CurrentFolder() : saved_(QDir::currentPath()) {}

CurrentFolder::~CurrentFolder() { QDir::setCurrent(saved_); }

ViewKeeper::ViewKeeper(TRichEdit& edit, Caret caret)
    : edit_(edit), caret_(caret), modified_(edit.Modified()), selStart_(edit.SelStart()), selLength_(edit.SelLength())
{
    edit_.HideSelection(true);
}

ViewKeeper::~ViewKeeper()
{
    edit_.SetModified(modified_);
    const int length = caret_ == Caret::KeepSelection ? selLength_ : 0;
    const bool moved = edit_.SelStart() != selStart_ || edit_.SelLength() != length;
    edit_.Select(selStart_, length);
    edit_.HideSelection(false);
    // A caret that stayed where it was needs no scrolling.
    if (moved && caret_ == Caret::CollapseAndScroll) edit_.ScrollCaret();
}

}  // namespace scope
