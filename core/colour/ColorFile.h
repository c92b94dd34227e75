#pragma once
// The colour settings as the settings dialog edits them, the edits of its
// table, and the ".qmc" colour file that carries them between installations.
#include "core/colour/ColorTable.h"

#include <QString>
#include <string>
#include <vector>

// Everything the colour settings dialog edits, as one value.
struct ColorSettings {
    std::vector<ColorCommandRow> rows;  // at most kMaxColorCommands, table order
    ColorClassSettings classes;
    unsigned FontColor = 0;
    unsigned BackColor = 0xFFFFFF;
};

namespace colorfile {

constexpr int kCurrentVersion = 3;

// The file's bytes: CP932 lines, each followed by CR LF.
std::string write(const ColorSettings& settings);

enum class ReadStatus {
    Ok,
    NotQuillmark,        // line 0 is not "Quillmark"
    NotColorFile,        // line 1 is not "Color Struct File"
    UnsupportedVersion,  // version 4 or more, or 0 and below
    TooManyRows,         // more rows than the table holds
    BadRow,              // a row the dialog would refuse to add (error says which and why)
    Malformed,           // a number that is not one, or too few lines
    TooLarge,            // past kMaxFileBytes, refused before it is read
    Unreadable,          // the file cannot be opened or read (error says why)
};

// A full table with long names stays far below this; anything larger is not
// a colour file this program wrote, and reading it whole would cost memory
// out of all proportion.
constexpr qint64 kMaxFileBytes = 4 << 20;

struct ReadResult {
    ReadStatus status = ReadStatus::Malformed;
    int version = 0;
    QString error;  // for Malformed: what could not be read
};

// Reads `bytes` over `settings`.  The result is all or nothing: on any
// status but Ok `settings` is untouched.  A version 1 file keeps the "$",
// "&" and full-width blank settings and GenTeXColor, a version 2 file keeps
// GenTeXColor.  A file is refused whole when it holds more rows than the
// table, or a row the dialog would not accept (no leading backslash, a
// backslash alone, an empty name, a name given twice).
ReadResult read(const std::string& bytes, ColorSettings& settings);

// False when the file cannot be written.
bool saveFile(const QString& path, const ColorSettings& settings);
// The bytes of a colour file for `read`.  The first two lines are checked
// before anything more is read, so a wrong file is refused for what it is
// (NotQuillmark, NotColorFile) whatever its size; a file past kMaxFileBytes
// is refused (TooLarge) without being read.  Ok leaves the bytes in `bytes`.
ReadResult loadFileBytes(const QString& path, std::string& bytes);

// "0x0" followed by at least six upper-case hexadecimal digits.
QString colorHex(unsigned color);
// Decimal, "0x" or "$" hexadecimal, with an optional sign; false otherwise.
bool parseInt(const QString& text, int& value);

// Why a new table row named `name` cannot be added, or empty when it can.
QString refuseNewName(const std::vector<ColorCommandRow>& rows, const QString& name);

}  // namespace colorfile
