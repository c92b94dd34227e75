// Keyboard, mouse, input method, clipboard and drops.  Every road that puts
// text into the editor ends in Impl::replaceSelection, which converts to
// CP932, applies the text limit and raises the events in the order the undo
// recorder expects.
#include "platform/RichEdit.h"

#include "platform/Cp932.h"
#include "platform/RichEditImpl.h"
#include "platform/RichEditLayout.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocument>
#include <QUrl>

using richedit::InternalEdit;

namespace {

constexpr char kDragMarker[] = "application/x-quillmark-editor";
// The selection's own bytes, so that text copied inside the editor (or to
// another of its windows) keeps the exact codes of its characters.
constexpr char kBytesFormat[] = "application/x-quillmark-cp932";

int shiftState(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    return s;
}

// The program's key codes for a Qt key; 0 for keys it has no code for.
int virtualKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    struct Pair {
        int qt, vk;
    };
    static constexpr Pair table[] = {
        {Qt::Key_Backspace, VK_BACK},
        {Qt::Key_Tab, VK_TAB},
        {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN},
        {Qt::Key_Enter, VK_RETURN},
        {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL},
        {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, VK_PRIOR},
        {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},
        {Qt::Key_Home, VK_HOME},
        {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT},
        {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Insert, VK_INSERT},
        {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Menu, 93},
        {Qt::Key_Kanji, 25},
        {Qt::Key_Henkan, 28},
        {Qt::Key_Muhenkan, 29},
        {Qt::Key_Zenkaku_Hankaku, 243},
        // Punctuation by the key that carries it on a US layout.
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_yen, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
        {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    for (const Pair& p : table)
        if (p.qt == key) return p.vk;
    return 0;
}

bool isTypedText(const QString& text)
{
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!c.isPrint() && c != u'\t') return false;
    return true;
}

QStringList localFiles(const QMimeData* m)
{
    QStringList files;
    if (m && m->hasUrls())
        for (const QUrl& url : m->urls())
            if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

}  // namespace

bool TRichEdit::event(QEvent* e)
{
    // Keys with Ctrl or Alt and the function keys belong to the main window's
    // menus and actions first; the widget's own bindings must not take them.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int key = k->key();
        if ((k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
            (key >= Qt::Key_F1 && key <= Qt::Key_F35)) {
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void TRichEdit::keyPressEvent(QKeyEvent* e)
{
    InternalEdit scope(d->internalEdit);
    const Qt::KeyboardModifiers mods = e->modifiers();
    int key = virtualKey(e->key());
    if (key && OnKeyDown) {
        OnKeyDown(key, shiftState(mods));
        if (key == 0) {
            e->accept();
            d->flush();
            return;
        }
    }
    switch (e->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Shift+Tab takes the Tab key's road.  Left unhandled it would travel
            // up to the window, which moves the focus out of the editor and
            // loses the keys typed next.
            if (!(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
                char c = '\t';
                if (OnKeyPress) OnKeyPress(c);
                if (c != 0) d->insertTyped(QString(QChar(char16_t(static_cast<unsigned char>(c)))));
                e->accept();
                d->flush();
                return;
            }
            break;
        case Qt::Key_Insert:
            // Never into overwrite mode.
            if (!(mods & (Qt::ShiftModifier | Qt::ControlModifier))) {
                e->accept();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A plain Enter is the key-down handler's to act on; Ctrl+Enter is a
            // bare line break.
            if (mods & Qt::ControlModifier) d->input("\r\n");
            e->accept();
            d->flush();
            return;
        default: break;
    }
    if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo) || e->matches(QKeySequence::Cut) ||
        e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::SelectAll)) {
        e->ignore();
        return;
    }
    const QString text = e->text();
    if (isTypedText(text) && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QString typed = text;
        if (typed.size() == 1 && typed[0].unicode() < 0x80 && OnKeyPress) {
            char c = char(typed[0].unicode());
            OnKeyPress(c);
            if (c == 0) {
                e->accept();
                d->flush();
                return;
            }
            typed = QString(QChar(char16_t(static_cast<unsigned char>(c))));
        }
        d->insertTyped(typed);
        e->accept();
        d->flush();
        return;
    }
    // Text the widget would insert by itself (Alt with a character) would
    // bypass the conversion and the limit.
    if (isTypedText(text) && !(mods & Qt::ControlModifier)) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
    d->flush();
}

void TRichEdit::keyReleaseEvent(QKeyEvent* e)
{
    QPlainTextEdit::keyReleaseEvent(e);
    const int key = virtualKey(e->key());
    if (key && OnKeyUp) OnKeyUp(key, shiftState(e->modifiers()));
}

void TRichEdit::mousePressEvent(QMouseEvent* e)
{
    {
        InternalEdit scope(d->internalEdit);
        QPlainTextEdit::mousePressEvent(e);
    }
    d->flush();
    if (OnMouseDown) OnMouseDown();
}

void TRichEdit::mouseMoveEvent(QMouseEvent* e)
{
    {
        InternalEdit scope(d->internalEdit);
        QPlainTextEdit::mouseMoveEvent(e);
    }
    d->flush();
}

void TRichEdit::mouseReleaseEvent(QMouseEvent* e)
{
    {
        InternalEdit scope(d->internalEdit);
        QPlainTextEdit::mouseReleaseEvent(e);
    }
    d->flush();
    if (OnMouseUp) OnMouseUp();
}

void TRichEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    {
        InternalEdit scope(d->internalEdit);
        QPlainTextEdit::mouseDoubleClickEvent(e);
    }
    d->flush();
}

// Composed text arrives as one insertion.  The preedit text is shown by Qt
// in the block's layout and is never part of the document.
void TRichEdit::inputMethodEvent(QInputMethodEvent* e)
{
    InternalEdit scope(d->internalEdit);
    const bool preedit = !e->preeditString().isEmpty();
    const QString commit = e->commitString();
    if (!composing_ && (preedit || !commit.isEmpty())) {
        composing_ = true;
        d->flush();
        if (OnImeStartComposition) OnImeStartComposition();
    }
    // Qt shows the preedit in the caret's block and drops the block's
    // formats for its own; the block is laid out once ours are back.
    auto showPreedit = [&] {
        d->layout->expectNoLayout();
        QInputMethodEvent shown(e->preeditString(), e->attributes());
        QPlainTextEdit::inputMethodEvent(&shown);
    };
    auto formatsBack = [&] {
        const QTextBlock block = textCursor().block();
        if (QTextLayout* layout = block.layout()) {
            d->preeditLine = preedit ? block.blockNumber() : -1;
            d->preeditRanges = preedit ? layout->formats() : QList<QTextLayout::FormatRange>();
            ++d->ignoreDocument;
            d->applyLayout(block.blockNumber(), block);
            d->layout->expect(block.blockNumber(), block.blockNumber());
            document()->markContentsDirty(block.position(), block.length());
            --d->ignoreDocument;
        }
    };
    const bool edits = !commit.isEmpty() || e->replacementLength() > 0;
    // A commit that ends a composition takes the preedit away first: the
    // edit then lays the line out with the committed text and our formats,
    // instead of once with the preedit still in it and again without.
    const bool ending = edits && !preedit && d->preeditLine >= 0;
    if (ending) {
        showPreedit();
        d->preeditLine = -1;
        d->preeditRanges.clear();
    }
    const long revision = d->model.revision();
    if (edits) {
        if (e->replacementLength() > 0) {
            QTextCursor c = textCursor();
            const int at = c.position() + e->replacementStart();
            c.setPosition(at);
            c.setPosition(at + e->replacementLength(), QTextCursor::KeepAnchor);
            setTextCursor(c);
        }
        d->insertTyped(commit);
    }
    if (ending) {
        // Refused at the limit, the text did not change: the formats Qt
        // took still have to come back.
        if (d->model.revision() == revision) formatsBack();
    } else if (preedit || d->preeditLine >= 0 || !e->attributes().isEmpty()) {
        // A commit with no preedit shown before or after it is all done
        // with the edit: Qt would only lay the line out again for nothing.
        showPreedit();
        formatsBack();
    }
    d->flush();
    if (composing_ && !preedit) {
        composing_ = false;
        if (OnImeEndComposition) OnImeEndComposition();
    }
    e->accept();
}

// ---- clipboard and drops ----

std::string TRichEdit::PastedText(const QMimeData* source, int* invalidReplaced)
{
    if (invalidReplaced) *invalidReplaced = 0;
    if (!source) return {};
    if (source->hasFormat(kBytesFormat)) {
        const QByteArray bytes = source->data(kBytesFormat);
        return richedit::normaliseBreaks(cp932::withoutInvalidBytes(
            std::string_view(bytes.constData(), size_t(bytes.size())), invalidReplaced));
    }
    if (!source->hasText()) return {};
    return richedit::normaliseBreaks(cp932::encodeIncoming(source->text()));
}

void TRichEdit::insertFromMimeData(const QMimeData* source)
{
    // Plain text only; no formatting is pasted.
    if (source && (source->hasText() || source->hasFormat(kBytesFormat))) {
        int carried = 0;
        const std::string bytes = PastedText(source, &carried);
        d->straysReplaced += carried;
        if (!d->input(bytes)) d->straysReplaced -= carried;
    }
}

bool TRichEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && (source->hasText() || source->hasFormat(kBytesFormat) || source->hasUrls());
}

QMimeData* TRichEdit::createMimeDataFromSelection() const
{
    auto* m = new QMimeData;
    const std::string bytes = SelText();
    QString text = cp932::decodeForExport(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m->setText(text);
    m->setData(kBytesFormat, QByteArray::fromStdString(bytes));
    m->setData(kDragMarker, QByteArray::number(quintptr(this)));
    return m;
}

void TRichEdit::dragEnterEvent(QDragEnterEvent* e)
{
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(e);
}

void TRichEdit::dragMoveEvent(QDragMoveEvent* e)
{
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(e);
}

void TRichEdit::dropEvent(QDropEvent* e)
{
    InternalEdit scope(d->internalEdit);
    // Ends the drop caret Qt draws while dragging.
    QDragLeaveEvent leave;
    QPlainTextEdit::dragLeaveEvent(&leave);

    const QMimeData* m = e->mimeData();
    const QStringList files = localFiles(m);
    if (!files.isEmpty()) {
        e->acceptProposedAction();
        if (OnDropFiles) OnDropFiles(files);
        return;
    }
    if (!m || !(m->hasText() || m->hasFormat(kBytesFormat))) {
        e->ignore();
        return;
    }
    const int dropQt = cursorForPosition(e->position().toPoint()).position();
    const int drop = d->fromQt(dropQt);
    const bool internal = m->data(kDragMarker) == QByteArray::number(quintptr(this));
    // Inside the editor a drag moves the text unless Ctrl is held.
    const bool copy = (e->modifiers() & Qt::ControlModifier) != 0;
    int s, end;
    d->currentSelection(&s, &end);
    const int length = end - s;

    if (internal && !copy && length > 0) {
        // A move reaches the recorder as the selection changing to the moved
        // text's new place (same length), then one change.
        if (drop >= s && drop <= end) {
            e->ignore();
            return;
        }
        int carried = 0;
        const std::string moved = cp932::withoutInvalidBytes(SelText(), &carried);
        d->straysReplaced += carried;
        const int newStart = drop > s ? drop - length : drop;
        {
            QTextCursor c = textCursor();
            c.removeSelectedText();
            c.setPosition(d->toQt(newStart, BreakSide::BeforeCR));
            d->rawInsert(c, moved);
            c.setPosition(d->toQt(newStart, BreakSide::BeforeCR));
            c.setPosition(d->toQt(newStart + length, BreakSide::BeforeCR), QTextCursor::KeepAnchor);
            setTextCursor(c);
        }
        d->pendingChange = true;
        d->flush();
        e->setDropAction(Qt::MoveAction);
        e->accept();
        return;
    }

    // A copy, or text from elsewhere: the caret goes to the drop point, then
    // the text is inserted there as typed text would be.
    int carried = 0;
    const std::string bytes =
        internal && length > 0 ? cp932::withoutInvalidBytes(SelText(), &carried) : PastedText(m, &carried);
    d->straysReplaced += carried;
    {
        QTextCursor c = textCursor();
        c.setPosition(dropQt);
        setTextCursor(c);
    }
    d->flush();
    if (!d->input(bytes)) d->straysReplaced -= carried;
    e->setDropAction(copy ? Qt::CopyAction : e->dropAction());
    e->accept();
}
