#pragma once
// Index entries, hypertext anchors and links, framed boxes and inline
// verbatim as pure functions of what the user typed or selected.  Every text
// is CP932 bytes with CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/insertion/WrapBuilder.h"

namespace indexbox {

// \usepackage{makeidx} and \makeindex, on lines of their own.
wrap::Insertion indexDeclaration(const wrap::EditorState& editor);
// \printindex with its line break, wherever the caret stands.
std::string printIndex();

// prefix + \index{reading@word}; the reading only when given.  prefix is the
// selected word, which stays in the text in front of its entry.
std::string indexEntry(const std::string& prefix, const std::string& word, const std::string& reading);

// The fields of the nested entry: up to two parents and the child, each with
// its reading.
struct NestedEntry {
    std::string parent1, reading1, parent2, reading2, child, childReading;
};
// prefix + \index{r1@p1!r2@p2!rc@child}; a parent without its word, and so
// its reading, is left out.
std::string nestedIndexEntry(const std::string& prefix, const NestedEntry& entry);

// \name{label}{title}, \href{url}{title}, \href{#label}{title}.
std::string anchor(const std::string& label, const std::string& title);
std::string urlLink(const std::string& url, const std::string& title);
std::string anchorLink(const std::string& label, const std::string& title);
// The selection taken as the link target: \href{selection}{}.
std::string selectedLink(const std::string& selection);

// The names of the anchors outside comments, in document order.  A missing brace or a name
// longer than 255 bytes ends the scan.
std::vector<std::string> anchorNames(const std::string& text);

// \fbox{}, around the selection or with the caret inside.
wrap::Insertion fbox(const wrap::EditorState& editor);
// The character that opens and closes \verb around the selection: "|" when
// the selection does not hold it, else the first of a few other marks it
// does not hold (a byte of a double-byte character is no mark); none when
// it holds them all.
std::optional<char> verbDelimiter(std::string_view selection);
// \verb and the delimiter around the selection, or \verb|| with the caret
// inside; none when no delimiter is left.
std::optional<wrap::Insertion> verb(const wrap::EditorState& editor);

}  // namespace indexbox
