// The editor control: text, lines, selection, state and the order of its
// events.  Formats are in RichEditFormat.cpp, keyboard, mouse, input method
// and drops in RichEditInput.cpp, the byte model in RichEditModel.cpp.
#include "platform/RichEdit.h"

#include "platform/BgrColor.h"
#include "platform/Cp932.h"
#include "platform/RichEditImpl.h"
#include "platform/RichEditLayout.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <utility>

using richedit::InternalEdit;

TRichEdit::Impl::Impl(TRichEdit* owner) : q(owner), doc(owner->document())
{
    lines.resize(1);
    model.subscribe([this](const TextDocument::Change& change) { noteChange(change); });
}

TRichEdit::TRichEdit(QWidget* parent) : QPlainTextEdit(parent), d(std::make_unique<Impl>(this))
{
    // A document of our own, laid out by the layout that is told exactly
    // which blocks each edit and each format change touched.
    auto* own = new QTextDocument(this);
    d->layout = new richedit::EditorLayout(own);
    own->setDocumentLayout(d->layout);
    own->setDefaultFont(font());
    // Taking a document lays it out to the viewport's width at once; until
    // the control is shown, as with its first document, there is no width
    // to wrap to (a text put in before that is one line per block).
    const QSize viewportSize = viewport()->size();
    viewport()->resize(0, viewportSize.height());
    setDocument(own);
    viewport()->resize(viewportSize);
    d->layout->setPaintDevice(viewport());
    d->doc = own;

    setUndoRedoEnabled(false);
    document()->setUndoRedoEnabled(false);
    setOverwriteMode(false);
    setTabChangesFocus(false);
    setCenterOnScroll(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAcceptDrops(true);
    connect(own, &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        // The layout hears of the change next; the formats set meanwhile
        // must not widen what it lays out and repaints.  A whole new text
        // (or a batch of replacements) is left to Qt, which lays out only
        // what comes into view.
        if (!d->ignoreDocument) d->layout->expectEdit(position, added);
        d->onContentsChange(position, removed, added);
        // An edit made straight on the document, outside our handlers, is
        // reported once the cursor has settled.
        if (!d->internalEdit && d->pendingChange)
            QMetaObject::invokeMethod(
                this, [this] { d->flush(); }, Qt::QueuedConnection);
    });
    // Cursor moves that no handler of ours wraps (programmatic changes made
    // straight on the widget) are reported as they come.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!d->internalEdit) d->flush();
    });
    connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
        if (!d->internalEdit) d->flush();
    });
}

TRichEdit::~TRichEdit()
{
    // The base class still emits while it takes the document down; the
    // handlers must not see the state that is already gone.
    disconnect(document(), nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

// ---- events ----

void TRichEdit::Impl::currentSelection(int* start, int* end) const
{
    const QTextCursor c = q->textCursor();
    *start = fromQt(c.selectionStart());
    *end = c.hasSelection() ? fromQt(c.selectionEnd()) : *start;
}

void TRichEdit::Impl::flush()
{
    // Stray bytes the edit turned into "?" show so before anyone hears of it.
    showStraysReplaced();
    const int replaced = std::exchange(straysReplaced, 0);
    // A handler may change the selection or the text again; that is reported
    // by the nested calls it makes, or by the next round here.
    for (int round = 0; round < 8; ++round) {
        bool raised = false;
        int s, e;
        currentSelection(&s, &e);
        if (s != lastSelStart || e != lastSelEnd) {
            lastSelStart = s;
            lastSelEnd = e;
            raised = true;
            if ((q->eventMask_ & ENM_SELCHANGE) && q->OnSelectionChange) q->OnSelectionChange();
        }
        if (pendingChange) {
            pendingChange = false;
            modified = true;
            raised = true;
            if ((q->eventMask_ & ENM_CHANGE) && q->OnChange) {
                // A masked change stays pending, to be reported with the next.
                reportedSpan = spanPending ? pendingSpan : TRichEdit::ChangedSpan{model.revision(), 0, 0};
                reportedAt = model.revision();
                spanPending = false;
                q->OnChange();
            }
        }
        if (!raised) break;
    }
    if (replaced > 0 && q->OnInvalidBytesReplaced) q->OnInvalidBytesReplaced(replaced);
}

void TRichEdit::Impl::rawInsert(QTextCursor& c, const std::string& bytes)
{
    // Inserted text that brings a run no line can be broken in is laid out
    // wrapping anywhere from the start.
    if (!wrapAnywhere && holdsLongRun(bytes)) setWrapAnywhere(true);
    const QString text = cp932::decode(bytes);
    Injection inj;
    inj.qtPos = c.selectionStart();
    // Qt turns each CR LF into one block separator.
    inj.chars = int(text.size());
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) --inj.chars;
    inj.bytes = bytes;
    injection = &inj;
    if (text.isEmpty())
        c.removeSelectedText();
    else
        c.insertText(text);
    injection = nullptr;
}

bool TRichEdit::Impl::replaceSelection(const std::string& bytes)
{
    QTextCursor c = q->textCursor();
    const int selBytes = c.hasSelection() ? fromQt(c.selectionEnd()) - fromQt(c.selectionStart()) : 0;
    if (selBytes == 0 && bytes.empty()) return true;
    // An insertion that would pass the limit is refused whole.
    if (int64_t(model.length()) - selBytes + int64_t(bytes.size()) > q->maxLength_) return false;
    {
        InternalEdit scope(internalEdit);
        rawInsert(c, bytes);
        q->setTextCursor(c);
    }
    pendingChange = true;
    flush();
    return true;
}

bool TRichEdit::Impl::input(const std::string& bytes)
{
    if (replaceSelection(bytes)) return true;
    if (q->OnRefused) q->OnRefused();
    return false;
}

bool TRichEdit::Impl::insertTyped(const QString& text)
{
    // What CP932 cannot hold is mapped by the codec or becomes "?".
    return input(richedit::normaliseBreaks(cp932::encodeIncoming(text)));
}

// ---- text ----

const TextDocument& TRichEdit::Document() const { return d->model; }

std::string TRichEdit::Text() const { return d->model.text(); }

std::string_view TRichEdit::TextView() const { return d->model.text(); }

long TRichEdit::Revision() const { return d->model.revision(); }

TRichEdit::ChangedSpan TRichEdit::LastChange() const
{
    // Asked after further changes, the report no longer holds them: all of
    // the text is then named.
    if (d->model.revision() != d->reportedAt) return {d->reportedSpan.base, 0, 0};
    return d->reportedSpan;
}

void TRichEdit::Impl::noteChange(const TextDocument::Change& change)
{
    if (!spanPending) {
        pendingSpan = {change.base, change.start, change.tail};
        spanPending = true;
    } else {
        // Both edits kept what lies outside both of them.
        pendingSpan.start = std::min(pendingSpan.start, change.start);
        pendingSpan.tail = std::min(pendingSpan.tail, change.tail);
    }
}

void TRichEdit::SetText(const std::string& text)
{
    // A text too long for the viewport however narrow its characters gets
    // the vertical scroll bar before it is laid out: shown afterwards, the
    // bar would narrow the viewport and have a long line laid out again.
    const int viewLines = viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 1;
    const bool surelyTall = isVisible() && verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                            !verticalScrollBar()->isVisible() &&
                            int64_t(text.size()) / 2 > int64_t(viewLines) * std::max(1, viewport()->width());
    if (surelyTall) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A run no line can be broken in is wrapped anywhere from the first
    // layout on; going back waits until the new text is in.
    if (!d->wrapAnywhere && Impl::holdsLongRun(text)) d->setWrapAnywhere(true);
    {
        InternalEdit scope(d->internalEdit);
        ++d->ignoreDocument;
        d->strayCells.clear();
        setPlainText(cp932::decode(text));
        --d->ignoreDocument;
        d->rebuildFrom(text);
        moveCursor(QTextCursor::Start);
    }
    // A new text often shows or hides a scroll bar, which Qt does by a
    // queued call that resizes the viewport and lays the text out again.
    // Made now, the text is laid out and painted at its width once.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (surelyTall) setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    d->pendingChange = true;
    d->flush();
}

int TRichEdit::GetTextLen() const { return d->model.length(); }

std::string TRichEdit::TextRange(int start, int end) const { return d->model.range(start, end); }

// ---- lines ----

int TRichEdit::LineCount() const { return d->model.lineCount(); }

int TRichEdit::LineFromChar(int pos) const { return d->model.lineOfPosition(pos < 0 ? SelStart() : pos); }

int TRichEdit::LineIndex(int line) const
{
    if (line < 0) line = LineFromChar(-1);
    if (line >= LineCount()) return -1;
    return d->model.lineStart(line);
}

int TRichEdit::LineLength(int line) const
{
    if (line < 0) line = LineFromChar(-1);
    return d->model.lineLength(line);
}

std::string TRichEdit::Line(int line) const { return d->model.line(line); }

int TRichEdit::FirstVisibleLine() const { return firstVisibleBlock().blockNumber(); }

void TRichEdit::LineScroll(int lines)
{
    const int target = std::clamp(FirstVisibleLine() + lines, 0, LineCount() - 1);
    verticalScrollBar()->setValue(document()->findBlockByNumber(target).firstLineNumber());
}

void TRichEdit::ScrollCaret() { ensureCursorVisible(); }

// ---- selection ----

int TRichEdit::SelStart() const
{
    int s, e;
    d->currentSelection(&s, &e);
    return s;
}

int TRichEdit::SelLength() const
{
    int s, e;
    d->currentSelection(&s, &e);
    return e - s;
}

void TRichEdit::SetSelStart(int pos) { SetCaret(pos, BreakSide::BeforeCR); }

void TRichEdit::SetSelLength(int length) { Select(SelStart(), length); }

void TRichEdit::Select(int start, int length, BreakSide side)
{
    const int anchor = d->toQt(start, side);
    const int position = d->toQt(start + length, side);
    {
        InternalEdit scope(d->internalEdit);
        QTextCursor c = textCursor();
        // Putting the cursor back where it already is would only lay out its
        // line again and scroll to it: the colouring of the caret line does
        // that after every keystroke.
        if (c.anchor() == anchor && c.position() == position) {
            d->flush();
            return;
        }
        c.setPosition(anchor);
        c.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(c);
    }
    d->flush();
}

void TRichEdit::SetCaret(int pos, BreakSide side) { Select(pos, 0, side); }

std::string TRichEdit::SelText() const
{
    int s, e;
    d->currentSelection(&s, &e);
    return TextRange(s, e);
}

bool TRichEdit::SetSelText(const std::string& text) { return d->replaceSelection(richedit::normaliseBreaks(text)); }

void TRichEdit::SelectAllText() { Select(0, GetTextLen()); }

// ---- state ----

bool TRichEdit::Modified() const { return d->modified; }

void TRichEdit::SetModified(bool modified)
{
    d->modified = modified;
    document()->setModified(modified);
}

bool TRichEdit::WordWrap() const { return lineWrapMode() != NoWrap; }

void TRichEdit::SetWordWrap(bool on)
{
    if (on == WordWrap()) return;
    {
        InternalEdit scope(d->internalEdit);
        setLineWrapMode(on ? WidgetWidth : NoWrap);
    }
    d->refreshLayouts();
    d->flush();
}

void TRichEdit::SetBackColor(unsigned bgr)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, bgrColor(bgr));
    setPalette(p);
}

void TRichEdit::SetTabStops(int distance) { setTabStopDistance(distance); }

bool TRichEdit::CanUndo() const { return false; }

void TRichEdit::EmptyUndoBuffer() { document()->clearUndoRedoStacks(); }

int TRichEdit::toQtPosition(int bytePos) const { return d->toQt(bytePos, BreakSide::BeforeCR); }

int TRichEdit::fromQtPosition(int qtPos) const { return d->fromQt(qtPos); }

QRect TRichEdit::CaretRect() const
{
    const QRect r = cursorRect();
    return QRect(viewport()->mapTo(this, r.topLeft()), r.size());
}
