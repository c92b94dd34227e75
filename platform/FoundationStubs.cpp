// Temporary stand-ins for platform pieces that are being written; each
// block goes away when the real implementation lands.
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Help.h"
#include "platform/Registry.h"
#include "platform/RichEdit.h"
#include "platform/Thread.h"

#include <QDialog>

// ---- codec ----
namespace cp932 {
int charLength(std::string_view text, size_t pos) { return pos + 1 < text.size() && isLeadByte(text[pos]) ? 2 : 1; }
size_t charStart(std::string_view text, size_t lineStart, size_t pos)
{
    size_t i = lineStart;
    while (i < pos) {
        size_t n = i + charLength(text, i);
        if (n > pos) return i;
        i = n;
    }
    return pos;
}
QString decode(std::string_view bytes) { return QString::fromLatin1(bytes.data(), qsizetype(bytes.size())); }
Bytes encode(const QString& text) { return text.toLatin1().toStdString(); }
Bytes encode(const QString& text, bool* lossy) { if (lossy) *lossy = false; return encode(text); }
bool isValid(std::string_view) { return true; }
}  // namespace cp932

// ---- settings store ----
namespace settings {
QString storePath() { return qEnvironmentVariable("QUILLMARK_SETTINGS"); }
bool quarantineIfCorrupt(QString*) { return false; }
}  // namespace settings
TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;
bool TRegistry::OpenKey(const QString& key, bool) { current_ = key; open_ = true; return true; }
void TRegistry::CloseKey() { open_ = false; }
bool TRegistry::KeyExists(const QString&) { return false; }
bool TRegistry::ValueExists(const QString&) { return false; }
int TRegistry::ReadInteger(const QString& n) { throw ERegistryException(n.toStdString()); }
bool TRegistry::ReadBool(const QString& n) { throw ERegistryException(n.toStdString()); }
QString TRegistry::ReadString(const QString& n) { throw ERegistryException(n.toStdString()); }
void TRegistry::WriteInteger(const QString&, int) {}
void TRegistry::WriteBool(const QString&, bool) {}
void TRegistry::WriteString(const QString&, const QString&) {}
TRegIniFile::TRegIniFile(const QString& key) : key_(key) {}
void TRegIniFile::OpenKey(const QString& key) { key_ = key; }
QString TRegIniFile::ReadString(const QString&, const QString&, const QString& d) { return d; }
int TRegIniFile::ReadInteger(const QString&, const QString&, int d) { return d; }
bool TRegIniFile::ReadBool(const QString&, const QString&, bool d) { return d; }
void TRegIniFile::WriteString(const QString&, const QString&, const QString&) {}
void TRegIniFile::WriteInteger(const QString&, const QString&, int) {}
void TRegIniFile::WriteBool(const QString&, const QString&, bool) {}

// ---- seam ----
namespace ask {
static MessageAnswerer g_message;
static DialogAnswerer g_dialog;
static FileAnswerer g_file;
static FontAnswerer g_font;
static ColorAnswerer g_color;
static DirAnswerer g_dir;
static QWidget* g_main = nullptr;
int messageBox(const QString& t, const QString& c, int f) { return g_message ? g_message({t, c, f}) : IDOK; }
void errorMessage(const QString& t) { messageBox(t, "Error Message", MB_ICONERROR); }
int execModal(QDialog& d) { return g_dialog ? g_dialog(d) : mrCancel; }
FileAnswer fileDialog(const FileRequest& r) { return g_file ? g_file(r) : FileAnswer{}; }
FontAnswer fontDialog(const QFont& f, QWidget*) { return g_font ? g_font(f) : FontAnswer{}; }
ColorAnswer colorDialog(unsigned c, QWidget*) { return g_color ? g_color(c) : ColorAnswer{}; }
DirAnswer directoryDialog(const QString& c, const QString& s, QWidget*) { return g_dir ? g_dir(c, s) : DirAnswer{}; }
void setMessageAnswerer(MessageAnswerer a) { g_message = std::move(a); }
void setDialogAnswerer(DialogAnswerer a) { g_dialog = std::move(a); }
void setFileAnswerer(FileAnswerer a) { g_file = std::move(a); }
void setFontAnswerer(FontAnswerer a) { g_font = std::move(a); }
void setColorAnswerer(ColorAnswerer a) { g_color = std::move(a); }
void setDirectoryAnswerer(DirAnswerer a) { g_dir = std::move(a); }
void setMainWindow(QWidget* w) { g_main = w; }
QWidget* mainWindow() { return g_main; }
}  // namespace ask

// ---- help ----
namespace help {
static QString g_last;
void showContext(int c) { g_last = QString::number(c); }
void showContents() { g_last = "contents"; }
void showKeywordSearch(const QString& k) { g_last = "keyword:" + k; }
void openHomePage() { g_last = "home"; }
QString lastOpened() { return g_last; }
void setSilent(bool) {}
}  // namespace help

// ---- thread ----
class TThread::Runner {};
TThread::TThread(bool) {}
TThread::~TThread() = default;
void TThread::Resume() {}
void TThread::Suspend() {}
void TThread::Terminate() { terminated_ = true; }
bool TThread::Terminated() const { return terminated_; }
bool TThread::Suspended() const { return suspended_; }
bool TThread::Finished() const { return finished_; }
void TThread::SetPriority(TThreadPriority p) { priority_ = p; }
int TThread::WaitFor() { return ReturnValue; }
void TThread::Synchronize(const std::function<void()>& f) { f(); }
void TThread::run() {}

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
