// Temporary stand-ins for platform pieces that are being written; each
// block goes away when the real implementation lands.
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Help.h"
#include "platform/Registry.h"
#include "platform/RichEdit.h"
#include "platform/Thread.h"

#include <QDialog>

// ---- editor adapter ----
struct TRichEdit::Impl {};
TRichEdit::TRichEdit(QWidget* parent) : QPlainTextEdit(parent), d(std::make_unique<Impl>()) {}
TRichEdit::~TRichEdit() = default;
std::string TRichEdit::Text() const { return cp932::encode(toPlainText()); }
void TRichEdit::SetText(const std::string& t) { setPlainText(cp932::decode(t)); }
int TRichEdit::GetTextLen() const { return int(Text().size()); }
std::string TRichEdit::TextRange(int s, int e) const { return Text().substr(s, e - s); }
int TRichEdit::LineCount() const { return blockCount(); }
int TRichEdit::LineFromChar(int) const { return 0; }
int TRichEdit::LineIndex(int) const { return 0; }
int TRichEdit::LineLength(int) const { return 0; }
std::string TRichEdit::Line(int) const { return {}; }
int TRichEdit::FirstVisibleLine() const { return 0; }
void TRichEdit::LineScroll(int) {}
void TRichEdit::ScrollCaret() {}
int TRichEdit::SelStart() const { return 0; }
int TRichEdit::SelLength() const { return 0; }
void TRichEdit::SetSelStart(int) {}
void TRichEdit::SetSelLength(int) {}
void TRichEdit::Select(int, int, BreakSide) {}
void TRichEdit::SetCaret(int, BreakSide) {}
std::string TRichEdit::SelText() const { return {}; }
bool TRichEdit::SetSelText(const std::string& t) { insertPlainText(cp932::decode(t)); return true; }
void TRichEdit::SelectAllText() {}
void TRichEdit::HideSelection(bool) {}
void TRichEdit::SetFormat(int, int, const CharFormat&) {}
RangeFormat TRichEdit::GetFormat(int, int) const { return {}; }
CharFormat TRichEdit::FormatAt(int) const { return {}; }
void TRichEdit::SetDefaultFormat(const CharFormat&) {}
void TRichEdit::ClearFormats() {}
bool TRichEdit::Modified() const { return document()->isModified(); }
void TRichEdit::SetModified(bool m) { document()->setModified(m); }
bool TRichEdit::WordWrap() const { return lineWrapMode() != NoWrap; }
void TRichEdit::SetWordWrap(bool on) { setLineWrapMode(on ? WidgetWidth : NoWrap); }
void TRichEdit::SetEditorFont(const QFont& f) { setFont(f); }
void TRichEdit::SetBackColor(unsigned) {}
void TRichEdit::SetTabStops(int) {}
bool TRichEdit::CanUndo() const { return false; }
void TRichEdit::EmptyUndoBuffer() {}
int TRichEdit::toQtPosition(int p) const { return p; }
int TRichEdit::fromQtPosition(int p) const { return p; }
QRect TRichEdit::CaretRect() const { return cursorRect(); }
void TRichEdit::keyPressEvent(QKeyEvent* e) { QPlainTextEdit::keyPressEvent(e); }
void TRichEdit::keyReleaseEvent(QKeyEvent* e) { QPlainTextEdit::keyReleaseEvent(e); }
void TRichEdit::mousePressEvent(QMouseEvent* e) { QPlainTextEdit::mousePressEvent(e); }
void TRichEdit::mouseReleaseEvent(QMouseEvent* e) { QPlainTextEdit::mouseReleaseEvent(e); }
void TRichEdit::inputMethodEvent(QInputMethodEvent* e) { QPlainTextEdit::inputMethodEvent(e); }
void TRichEdit::insertFromMimeData(const QMimeData* s) { QPlainTextEdit::insertFromMimeData(s); }
bool TRichEdit::canInsertFromMimeData(const QMimeData* s) const { return QPlainTextEdit::canInsertFromMimeData(s); }
void TRichEdit::dragEnterEvent(QDragEnterEvent* e) { QPlainTextEdit::dragEnterEvent(e); }
void TRichEdit::dropEvent(QDropEvent* e) { QPlainTextEdit::dropEvent(e); }
