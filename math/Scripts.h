#pragma once
// Superscripts and subscripts: the texts they insert and the stored lists of
// frequent ones, apart from any widget.  Texts are CP932 bytes.
#include <QString>
#include <QStringList>
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace scripts {

enum class Script { Up, Down };

constexpr int kHelpContext = 7180;

// "^{" or "_{".
std::string opening(Script script);
// opening + entry + "}"; an entry is taken as it stands, even when empty.
std::string scriptText(Script script, const QString& entry);
// The quick command: the selection wrapped, or empty braces with the caret
// between them.
wrap::Insertion quickText(Script script, const wrap::EditorState& editor);
// "_{sub}^{sup}" from the chosen entries; a side without a chosen entry
// (nullptr) is left out, and neither gives "".
std::string pairText(const QString* sub, const QString* sup);

// The entries of a stored list: one per line, taken unchanged; an empty line
// in the middle is an entry, a final line break adds none.  Lines may be
// parted by CR LF, LF or CR.
QStringList entries(const QString& text);
// The list as it is stored: entries joined by CR LF.  The memo editor hands
// its text with LF breaks.
QString storedText(const QString& memoText);

// The stored lists, in the "\MathSoeji" subkey below the settings key.  A
// value that is missing or is not a string reads as its default; a string is
// kept whatever it holds, so that no entry of the user's is ever lost (an
// entry the document cannot take is refused when it is chosen).
QString defaultList(Script script);
QString readList(const QString& settingsKey, Script script);
void writeList(const QString& settingsKey, Script script, const QString& text);

}  // namespace scripts
