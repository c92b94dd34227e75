#include "insert/IndexBoxBuilder.h"

#include <cctype>

#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace indexbox {

namespace {

// word, preceded by reading + "@" when there is a reading.
std::string withReading(const std::string& word, const std::string& reading)
{
    return reading.empty() ? word : reading + "@" + word;
}

std::string parentPart(const std::string& word, const std::string& reading)
{
    return word.empty() ? std::string() : withReading(word, reading) + "!";
}

// Case-insensitive search for an ASCII needle that starts on a character
// boundary: a backslash that is the second byte of a double-byte character
// (as in 表) is no command.
size_t findCommand(const std::string& text, const std::string& needle, size_t from)
{
    size_t boundary = 0;  // the next character start at or after which we look
    for (size_t i = 0; i + needle.size() <= text.size(); ++i) {
        if (i < boundary) continue;
        boundary = i + (cp932::isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1);
        if (i < from) continue;
        bool match = true;
        for (size_t k = 0; k < needle.size() && match; ++k)
            match = std::tolower(static_cast<unsigned char>(text[i + k])) ==
                    std::tolower(static_cast<unsigned char>(needle[k]));
        if (match) return i;
    }
    return std::string::npos;
}

}  // namespace

wrap::Insertion indexDeclaration(const wrap::EditorState& editor)
{
    return {wrap::lineStartBreak(editor) + "\\usepackage{makeidx}\r\n\\makeindex\r\n", 0};
}

std::string printIndex() { return "\\printindex\r\n"; }

std::string indexEntry(const std::string& prefix, const std::string& word, const std::string& reading)
{
    return prefix + "\\index{" + withReading(word, reading) + "}";
}

std::string nestedIndexEntry(const std::string& prefix, const NestedEntry& e)
{
    return prefix + "\\index{" + parentPart(e.parent1, e.reading1) + parentPart(e.parent2, e.reading2) +
           withReading(e.child, e.childReading) + "}";
}

std::string anchor(const std::string& label, const std::string& title)
{
    return "\\name{" + label + "}{" + title + "}";
}
std::string urlLink(const std::string& url, const std::string& title) { return "\\href{" + url + "}{" + title + "}"; }
std::string anchorLink(const std::string& label, const std::string& title)
{
    return "\\href{#" + label + "}{" + title + "}";
}
std::string selectedLink(const std::string& selection) { return "\\href{" + selection + "}{}"; }

std::vector<std::string> anchorNames(const std::string& text)
{
    std::vector<std::string> names;
    size_t pos = 0;
    for (;;) {
        const size_t command = findCommand(text, "\\name", pos);
        if (command == std::string::npos) break;
        // The name closes within 256 positions of its brace, or the scan ends.
        const int open = braces::findOpen(text, int(command) + 2, int(text.size()));
        if (open < 0) break;
        const int close = braces::findClose(text, open, open + 257);
        if (close < 0) break;
        names.push_back(text.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
    return names;
}

wrap::Insertion fbox(const wrap::EditorState& editor) { return wrap::inlineCommand(editor, "\\fbox{", "}"); }
wrap::Insertion verb(const wrap::EditorState& editor) { return wrap::inlineCommand(editor, "\\verb|", "|"); }

}  // namespace indexbox
