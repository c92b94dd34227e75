#pragma once
// Text building behind the editor's Enter key and status panel, kept apart
// from the widget so it can be checked on plain strings.
#include <QString>
#include <string>
#include <string_view>

namespace editing {

// What Enter inserts at the caret: a line break, then (autoIndent) the
// blanks and tabs that open the caret's line, then (autoCommand) an "\item"
// continuation when that line's first command is an item.
std::string enterText(std::string_view text, int caret, bool autoIndent, bool autoCommand);

// Status panel 0: " line: column", both from 1, the column in bytes.
QString caretPanelText(int line, int column);

// Whether a text of textLength bytes stays within maxLength when removed
// bytes go and added bytes come (counts may be large: a whole-text rewrite).
bool fitsWithin(long long textLength, long long removed, long long added, int maxLength);
// What a command that was refused at the length limit tells the user: doing
// the action (given as "置換すると") would pass the limit, so it was not done.
QString overLimitMessage(const QString& action, int maxLength);

}  // namespace editing
