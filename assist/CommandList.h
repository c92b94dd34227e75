#pragma once
// The command list of command assist and the rules that search it, apart
// from any widget: the built-in list, the list-box style prefix search, the
// learning move, the stored options and the command-assist file (.qma).
//
// Commands are held decoded (QString).  Bytes that are not valid CP932 decode
// to private-use code points and encode back to the same bytes, so a list read
// from a file or the settings store is written back unchanged.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace cmdassist {

// The 1158 commands the list starts with, in list order.
const QStringList& builtinCommands();

// The first item at or after start + 1 (wrapping round to the items before
// it) that begins with prefix, comparing ASCII letters without regard to
// case; -1 when none does or the list is empty.  start -1 searches from the
// first item.  An empty prefix matches any item.
int findString(const QStringList& items, int start, const QString& prefix);

// Whether s begins with prefix when both are lower-cased.
bool startsWithFolded(const QString& s, const QString& prefix);

// The hit of the longest leading part of text, trying its first 1, 2, ...,
// limit characters from the first item; -1 when none of them is found.
int prefixSearch(const QStringList& items, const QString& text, int limit);

// Learning: the item at index picked, chosen after the search for typed found
// firstMatch, moves up to firstMatch when it lies further down and begins
// with typed (case ignored).  Returns whether the list changed.
bool learn(QStringList& items, int picked, int firstMatch, const QString& typed);

// The single-byte symbols and digits that end the typed text when the
// option Kigou is 0.
bool isKigouChar(char c);

// What the caret does after the text is inserted: move back one position
// when it ends in "{}" or "||", so that it stands inside them.
bool caretStepsBack(std::string_view inserted);

// A list as one text, each command followed by CR LF (the form the settings
// store keeps), and back: lines split at CR LF, CR or LF, empty lines kept,
// a break at the very end adding no item.
QString joinLines(const QStringList& items);
QStringList splitLines(const QString& text);

// The options of the pop-up and the list, as stored under "\CmdAssist".
struct Settings {
    QStringList commands;
    int space = 0;
    int kigou = 0;
    int kakutei = 0;
    int list = 0;
    bool gakusyuu = true;
    bool operator==(const Settings&) const = default;
};
// Reads "\CmdAssist" below the settings key, writing every missing value
// with its default first.  A value of the wrong type, or an option outside
// 0 and 1, reads as its default.
Settings readSettings(unsigned long rootKey, const QString& regKey);
// Writes the list and the five options in one go.
void writeSettings(unsigned long rootKey, const QString& regKey, const Settings& settings);

// The command-assist file.
namespace qma {
// Files larger than this are refused rather than read into the list: a list
// of ten thousand commands takes a fifth of it.
constexpr qint64 kMaxBytes = 1024 * 1024;
// The file's bytes: every command followed by CR LF, in CP932.
std::string serialize(const QStringList& items);
// Whether the bytes look like a text file of commands: no NUL and no other
// control byte than tab, CR and LF.
bool looksLikeText(std::string_view bytes);
// Reads a file.  Throws std::runtime_error with a message for the user when
// it cannot be read, is too large or is not text; the list is untouched then.
QStringList load(const QString& path);
// Writes a file whole, replacing an existing one only once the new one is
// complete.  Throws std::runtime_error with a message when it cannot.
void save(const QString& path, const QStringList& items);
}  // namespace qma

}  // namespace cmdassist
