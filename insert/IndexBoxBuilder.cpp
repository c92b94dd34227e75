#include "insert/IndexBoxBuilder.h"

#include "core/insertion/CommandSearch.h"
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
        const int command = commandsearch::find(text, "\\name", int(pos), true);
        if (command < 0) break;
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
std::optional<char> verbDelimiter(std::string_view selection)
{
    // Marks \verb takes as delimiters; a letter, a blank or "*" would be read
    // as part of the command.
    static constexpr std::string_view kMarks = "|+!/=\":;@#^~-.,?'`<>()[]";
    std::string held;
    for (size_t i = 0; i < selection.size();) {
        const int n = cp932::charLength(selection, i);
        if (n == 1) held += selection[i];
        i += size_t(n);
    }
    for (const char mark : kMarks)
        if (held.find(mark) == std::string::npos) return mark;
    return std::nullopt;
}

std::optional<wrap::Insertion> verb(const wrap::EditorState& editor)
{
    const std::optional<char> mark = verbDelimiter(editor.hasSelection() ? editor.selText : std::string());
    if (!mark) return std::nullopt;
    return wrap::inlineCommand(editor, "\\verb" + std::string(1, *mark), std::string(1, *mark));
}

}  // namespace indexbox
