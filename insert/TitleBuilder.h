#pragma once
// The preamble commands \title, \author, \date and \pagestyle: finding one
// already in the document, and the text that replaces it or goes in at the
// caret.  Texts are CP932 bytes with CR LF; positions are byte offsets.
#include <optional>
#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"

namespace title {

// An existing command: its backslash, its opening and its closing brace.
struct Found {
    int start = 0;
    int open = 0;
    int close = 0;
    bool operator==(const Found&) const = default;
};

// First occurrence of needle as whole characters (a backslash or brace that
// is the second byte of a double-byte character does not count), or -1.
int findText(std::string_view text, std::string_view needle, int from = 0);

// Each finds the first command outside comments (and not the start of a
// longer command name).
// \title and \author: the opening brace within 32 positions of the command,
// the closing one found by counting braces within 512.
std::optional<Found> findBraced(std::string_view text, std::string_view command);
// \date and \pagestyle: the first "{" and the first "}" after the command.
std::optional<Found> findFirstBrace(std::string_view text, std::string_view command);
// The argument of a found command, without its braces.
std::string argument(std::string_view text, const Found& found);

// What the command does to the editor: select replaceStart over
// replaceLength (when the old command was found) and put insertion there,
// otherwise put insertion at the caret.
struct Edit {
    std::optional<Found> old;
    wrap::Insertion insertion;
};

// command + "{" + argument + "}": over the old command when found, else on a
// line of its own.  emptyCaretInside puts the caret between the braces of a
// new empty command (title and author).
Edit commandEdit(std::string_view command, std::string_view argument, const std::optional<Found>& old,
                 bool caretNotAtLineStart, bool emptyCaretInside);
// With a selection: command + "{" + selection + "}" + CR LF over it.
wrap::Insertion fromSelection(std::string_view command, std::string_view selection);

// "January" ... "December"; empty outside 1 to 12.
std::string MonthName(int month);
// The date in one of the six formats of the date dialog.
std::string dateText(int format, int year, int month, int day);
constexpr int kDateFormatCount = 6;

// "plain", "empty", "headings", "myheadings" for the radio items 0 to 3.
std::string_view pageStyleName(int index);
// The radio item for an old argument, or -1 when it names no style.
int pageStyleIndex(std::string_view argument);

}  // namespace title
