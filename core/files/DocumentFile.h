#pragma once
// Reading and writing document files.
//
// Inside the editor a document is CP932 bytes with CR LF between lines.  On
// disk it keeps whatever line breaks it was written with: a file that used LF
// (or lone CR, or a mix) is written back with the same breaks, and the bytes
// themselves are never converted here, so a file that nothing changed in is
// written back byte for byte.
//
// Writing is atomic: the new contents go to a temporary file in the same
// folder, which is flushed to disk and then renamed over the document.  A
// failure at any step leaves the old file as it was.
//
// Links stay what they were.  A symbolic link is written through: the file
// it names (in whatever folder) is the one replaced, and a link whose file
// has gone gets a new file under the name it points at.  The temporary file
// and the ".BAK" backup then lie beside that file, named after it: the
// rename must stay in one folder, and the backup belongs to the file, not to
// one of the names leading to it.  A file that has other names (hard links)
// is rewritten in place after its backup is made, so every name keeps
// showing it; should that write fail, the old contents are put back.
#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextDocument.h"

namespace docfile {

// The editor refuses text beyond this many bytes; a longer document is not
// opened at all rather than opened cut short.
constexpr size_t kMaxTextBytes = 512000;

// Raised by write() and backup failures; the message is ready to show.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    FileError(const QString& message, int error) : std::runtime_error(message.toStdString()), error_(error) {}
    // The system's error number behind it, 0 when none.
    int error() const { return error_; }

private:
    int error_ = 0;
};

enum class Break : unsigned char { CRLF, LF, CR };

// How a file separated its lines.  `breaks` holds, for each CR LF of
// `baseline` (the text the editor was given), the break the file had there.
// `origin` follows the editor's text as it is edited (followChange): for
// each of its lines, the line of the baseline it still is, or -1 for a line
// the edits made.  A line keeps its origin through every edit inside it; a
// line split or joined keeps it only where it stayed whole.  A save gives
// every line with an origin that line's own break, looks for the lines of
// the file among those without one (an undo puts back what an edit took),
// and gives the rest the file's most frequent break (`dominant`).
struct Layout {
    std::string baseline;
    std::vector<Break> breaks;
    Break dominant = Break::CRLF;
    std::vector<int> origin;
};

struct EditorText {
    std::string text;  // CR LF
    Layout layout;
};

// File bytes -> editor text: every LF, CR LF and lone CR becomes CR LF.
EditorText fromFileBytes(std::string_view bytes);
// Editor text -> file bytes, with the breaks the layout remembers.  A text
// whose lines the layout did not follow is compared with the baseline.
std::string toFileBytes(std::string_view text, const Layout& layout);
// Moves the layout's origins on by one change of the document that holds
// the editor's text (`now` is the document after it).
void followChange(Layout& layout, const TextDocument& now, const TextDocument::Change& change);

// One version of a file on disk: a file that another program has written
// since (or replaced by another) no longer has the stamp it had.
struct DiskStamp {
    bool known = false;
    unsigned long long device = 0, inode = 0;
    long long size = 0, modifiedSec = 0, modifiedNsec = 0;
    bool operator==(const DiskStamp&) const = default;
};
// The stamp of the file a path leads to; not known when there is none.
DiskStamp stampOf(const QString& path);

enum class ReadStatus { Ok, TooLarge, Failed };
struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    EditorText content;
    size_t fileSize = 0;  // bytes of the file read (for TooLarge, at least limit + 1 when the file passes it)
    size_t textSize = 0;  // bytes of the editor text, its breaks made CR LF (0 when the file itself passes)
    QString error;        // for Failed
    DiskStamp stamp;      // of the file as it was read
};
// Reads a whole file.  Nothing beyond `limit` bytes is ever handed back:
// such a file (or one whose CR LF text would pass the limit) is TooLarge.
ReadResult read(const QString& path, size_t limit = kMaxTextBytes);

// Writes the bytes to the path, as described above.  A file the user may not
// write (no write permission for him, or none at all: a read-only document
// stays read-only even for the administrator) is not replaced.  With
// `backup`, the file's previous contents are kept under backupPathFor() of
// the file the path leads to, made before that file changes (and, where it
// is replaced, once the new contents are safely on disk); a document whose
// own name is that backup name is never backed up onto itself.  Throws
// FileError.
// Returns whether a backup was made.
bool write(const QString& path, std::string_view bytes, bool backup);

// ---- file names, as the program splits them ----
// Extension with its dot, from the last dot of the last component ("" if none).
QString extractFileExt(const QString& path);
// Replaces the extension (or appends one when there is none).
QString changeFileExt(const QString& path, const QString& ext);
QString extractFileName(const QString& path);
QString extractFileDir(const QString& path);  // without the trailing slash
QString backupPathFor(const QString& path);

}  // namespace docfile
