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
