#include "insert/ClassBuilder.h"

#include <QString>
#include <algorithm>

#include "core/insertion/CommandSearch.h"
#include "core/search/Search.h"
#include "platform/Cp932.h"

namespace docclass {

namespace {

constexpr const char* kClassNames[kClassCount] = {"jarticle", "jreport", "jbook",     "tarticle",
                                                  "treport",  "tbook",   "jsarticle", "jsbook"};
constexpr const char* kPapers[] = {"a4", "a5", "b4", "b5"};
// Every option word the dialog reads and writes.
constexpr const char* kOwnedOptions[] = {
    "a4j",   "a5j",   "b4j",       "b5j",       "a4paper",   "a5paper", "b4paper", "b5paper",     "10pt",
    "11pt",  "12pt",  "landscape", "onecolumn", "twocolumn", "oneside", "twoside", "notitlepage", "titlepage",
    "fleqn", "leqno", "tate",      "openbib",   "openright", "openany", "final",   "draft",
};

bool isBook(int k) { return k == 2 || k == 5; }
bool isReport(int k) { return k == 1 || k == 4; }

int find(const std::string& text, const std::string& pattern, int from, int end)
{
    return textsearch::findDown(text, pattern, from, end, {false, true});
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t nextChar(const std::string& text, size_t i) { return i + size_t(std::max(1, cp932::charLength(text, i))); }

// After a "%": the start of the next line.  A line feed is never the second
// byte of a double-byte character, so the bytes can be scanned as they are.
size_t afterComment(const std::string& text, size_t i)
{
    const size_t lf = text.find('\n', i);
    return lf == std::string::npos ? text.size() : lf + 1;
}

// Blanks, line breaks and comments, which TeX passes over between the parts
// of the command.
size_t skipFiller(const std::string& text, size_t i)
{
    while (i < text.size()) {
        if (isBlank(text[i]))
            ++i;
        else if (text[i] == '%')
            i = afterComment(text, i);
        else
            break;
    }
    return i;
}

// The closing byte of the part that opens at pos, walked as TeX reads an
// argument: braces nest, a backslash takes the next character with it, a
// "%" hides the rest of its line.  -1 when the part never closes or a
// brace closes that never opened.
int partEnd(const std::string& text, size_t pos, char close)
{
    int depth = 0;
    for (size_t i = pos + 1; i < text.size();) {
        const char c = text[i];
        if (c == '\\') {
            i = i + 1 < text.size() ? nextChar(text, i + 1) : i + 1;
            continue;
        }
        if (c == '%') {
            i = afterComment(text, i);
            continue;
        }
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0) return close == '}' ? int(i) : -1;
            --depth;
        } else if (c == close && depth == 0) {
            return int(i);
        }
        i = nextChar(text, i);
    }
    return -1;
}

// Where the option list of the command at start opens, or npos when the
// command has none.
size_t optionsOpen(const std::string& text, int start, const std::string& command)
{
    const size_t i = skipFiller(text, size_t(start) + command.size());
    return i < text.size() && text[i] == '[' ? i : std::string::npos;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The closing brace of \command[options]{class}, or -1.
int commandEnd(const std::string& text, int start, const std::string& command)
{
    size_t i = size_t(start) + command.size();
    if (i < text.size() && isLetter(text[i])) return -1;  // a longer command name
    const size_t open = optionsOpen(text, start, command);
    if (open != std::string::npos) {
        const int close = partEnd(text, open, ']');
        if (close < 0) return -1;
        i = size_t(close) + 1;
    }
    i = skipFiller(text, i);
    if (i >= text.size() || text[i] != '{') return -1;
    return partEnd(text, i, '}');
}

const char* commandName(const ClassLine& line) { return line.oldStyle ? "\\documentstyle" : "\\documentclass"; }

// One option word: comments dropped with their line end and the blanks that
// open the next line, as TeX drops them, and the line breaks left read as
// blanks.
std::string cleanWord(const std::string& text, size_t from, size_t to)
{
    std::string word;
    for (size_t i = from; i < to;) {
        const char c = text[i];
        if (c == '\\' && i + 1 < to) {
            const size_t next = nextChar(text, i + 1);
            word.append(text, i, next - i);
            i = next;
        } else if (c == '%') {
            i = std::min(to, afterComment(text, i));
            while (i < to && (text[i] == ' ' || text[i] == '\t')) ++i;
        } else if (isBlank(c)) {
            if (!word.empty() && word.back() != ' ') word += ' ';
            ++i;
        } else {
            const size_t next = nextChar(text, i);
            word.append(text, i, next - i);
            i = next;
        }
    }
    if (!word.empty() && word.back() == ' ') word.pop_back();
    return word;
}

size_t lineStartOf(const std::string& text, size_t pos)
{
    while (pos > 0 && text[pos - 1] != '\n') --pos;
    return pos;
}

}  // namespace

const char* className(int index) { return index >= 0 && index < kClassCount ? kClassNames[index] : kClassNames[0]; }

void applyClassPresets(Choices& choices)
{
    const bool book = isBook(choices.classIndex);
    choices.side = book ? 1 : 0;
    choices.title = book ? 1 : 0;
    choices.oddPage = book;
}

bool chapterStartApplies(int classIndex) { return classIndex != 0 && classIndex != 3; }

std::string classLine(const Choices& c, const Settings& settings, const std::vector<std::string>& kept)
{
    const bool d = settings.defOption != 0;
    const int k = c.classIndex >= 0 && c.classIndex < kClassCount ? c.classIndex : 0;
    std::string line = "\\documentclass[";
    line += kPapers[c.paper >= 0 && c.paper < 4 ? c.paper : 0];
    line += settings.jPaper == 0 ? "j" : "paper";
    struct Option {
        const char* text;
        bool written;
    };
    const Option options[] = {
        {",10pt", c.charSize == 0 && !d},
        {",11pt", c.charSize == 1},
        {",12pt", c.charSize == 2},
        {",landscape", c.direction == 1},
        {",onecolumn", c.columns == 0 && !d},
        {",twocolumn", c.columns == 1},
        {",oneside", c.side == 0 && (!d || isBook(k))},
        {",twoside", c.side == 1 && (!d || !isBook(k))},
        {",notitlepage", c.title == 0 && (!d || isBook(k))},
        {",titlepage", c.title == 1 && (!d || !isBook(k))},
        {",fleqn", c.mathPos == 1},
        {",leqno", c.mathNoPos == 1},
        {",tate", c.kumi == 1 && (!d || k < 3)},
        {",openbib", c.bunken == 1},
        {",openright", chapterStartApplies(k) && c.oddPage && (!d || isBook(k))},
        {",openany", chapterStartApplies(k) && !c.oddPage && (!d || isReport(k))},
        {",final", c.test == 0 && !d},
        {",draft", c.test == 1},
    };
    for (const Option& o : options)
        if (o.written) line += o.text;
    for (const std::string& word : kept) line += "," + word;
    line += "]{";
    line += kClassNames[k];
    line += "}";
    return line;
}

// graphicx takes its driver from the distribution's graphics.cfg, which is
// dvips: PDF, PNG and JPEG figures then have no size for pLaTeX.  The PDF is
// made by dvipdfmx, so the driver is named.
constexpr const char* kGraphicsLine = "\\usepackage[dvipdfmx]{graphicx}\r\n\r\n";

wrap::Insertion newDocument(const Choices& choices, const Settings& settings, int year, int month, int day)
{
    const QString date = QString::fromUtf8("\\date{%1年%2月%3日}\r\n").arg(year).arg(month).arg(day);
    wrap::Insertion out;
    out.text = classLine(choices, settings) + "\r\n%Preamble\r\n\r\n" + "\\title{}\r\n" + "\\author{}\r\n" +
               cp932::encode(date) + "\\pagestyle{plain}\r\n" + kGraphicsLine + "\\begin{document}\r\n" + "\r\n" +
               "\\end{document}\r\n";
    // Back to the empty line of the body, where the user starts writing.
    out.caretBack = 17;
    out.side = BreakSide::BeforeCR;
    return out;
}

std::optional<ClassLine> findClassLine(const std::string& text)
{
    const int size = int(text.size());
    ClassLine line;
    std::string command = "\\documentclass";
    line.start = commandsearch::find(text, command);
    if (line.start < 0) {
        command = "\\documentstyle";
        line.start = commandsearch::find(text, command);
        if (line.start < 0) return std::nullopt;
        line.oldStyle = true;
    }
    // The options and the class end at the later of the first "]" and the
    // first "}" that come before the next command.
    const int s = line.start + 7;
    const int backslash = find(text, "\\", s, size);
    const int bracket = find(text, "]", s, size);
    const int brace = find(text, "}", s, size);
    auto counts = [backslash](int at) { return at >= 0 && (backslash < 0 || at < backslash); };
    line.end = s;
    if (counts(bracket)) line.end = bracket;
    if (counts(brace)) line.end = std::max(line.end, brace);
    // A command that TeX reads as a whole is replaced up to its own closing
    // brace: a "]" or "}" further on (in a comment, say) is the user's text.
    const int close = commandEnd(text, line.start, command);
    if (close >= 0) {
        line.end = close;
        line.rewritable = true;
    }
    return line;
}

std::vector<std::string> optionWords(const std::string& text, const ClassLine& line)
{
    const size_t open = optionsOpen(text, line.start, commandName(line));
    if (open == std::string::npos || int(open) > line.end) return {};
    // A list that never closes is read up to the end the line was given.
    const int close = partEnd(text, open, ']');
    const size_t to = close >= 0 ? size_t(close) : std::min(text.size(), size_t(line.end) + 1);
    std::vector<std::string> words;
    auto take = [&](size_t from, size_t until) {
        std::string word = cleanWord(text, from, until);
        if (!word.empty()) words.push_back(std::move(word));
    };
    int depth = 0;
    size_t from = open + 1;
    for (size_t i = from; i < to;) {
        const char c = text[i];
        if (c == '\\') {
            i = std::min(to, i + 1 < to ? nextChar(text, i + 1) : i + 1);
            continue;
        }
        if (c == '%') {
            i = std::min(to, afterComment(text, i));
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}' && depth > 0) --depth;
        if (c == ',' && depth == 0) {
            take(from, i);
            from = i + 1;
        }
        i = std::min(to, nextChar(text, i));
    }
    take(from, to);
    return words;
}

bool ownedOption(const std::string& word)
{
    return std::any_of(std::begin(kOwnedOptions), std::end(kOwnedOptions),
                       [&](const char* owned) { return word == owned; });
}

std::vector<std::string> keptOptions(const std::string& text, const ClassLine& line)
{
    std::vector<std::string> kept;
    if (line.oldStyle || !line.rewritable) return kept;
    for (std::string& word : optionWords(text, line))
        if (!ownedOption(word)) kept.push_back(std::move(word));
    return kept;
}

Choices detect(const std::string& text, const ClassLine& line, Choices c)
{
    const int s = line.start + 7;
    const int e = std::max(s, line.end);
    for (int k = 0; k < kClassCount; ++k) {
        if (find(text, kClassNames[k], s, e) >= 0) {
            c.classIndex = k;
            break;
        }
    }
    const std::vector<std::string> words = optionWords(text, line);
    auto has = [&](const std::string& option) { return std::find(words.begin(), words.end(), option) != words.end(); };
    for (int p = 0; p < 4; ++p) {
        const std::string size = kPapers[p];
        if (has(size + "paper") || has(size + "j")) {
            c.paper = p;
            break;
        }
    }
    const char* sizes[] = {"10pt", "11pt", "12pt"};
    for (int i = 0; i < 3; ++i) {
        if (has(sizes[i])) {
            c.charSize = i;
            break;
        }
    }
    if (has("landscape")) c.direction = 1;
    if (has("twocolumn")) c.columns = 1;
    if (has("oneside"))
        c.side = 0;
    else if (has("twoside"))
        c.side = 1;
    if (has("notitlepage"))
        c.title = 0;
    else if (has("titlepage"))
        c.title = 1;
    if (has("fleqn")) c.mathPos = 1;
    if (has("leqno")) c.mathNoPos = 1;
    if (has("draft")) c.test = 1;
    if (has("tate")) c.kumi = 1;
    if (has("openbib")) c.bunken = 1;
    if (has("openright"))
        c.oddPage = true;
    else if (has("openany"))
        c.oddPage = false;
    return c;
}

Replacement rewrite(const std::string& text, const ClassLine& line, const std::string& newLine, int caret)
{
    Replacement r;
    const int newLength = int(newLine.size());
    if (!line.rewritable) {
        r.start = int(lineStartOf(text, size_t(std::min<int>(line.start, int(text.size())))));
        r.text = newLine + "\r\n";
        r.caretAfter = caret >= r.start ? caret + int(r.text.size()) : caret;
        return r;
    }
    r.start = line.start;
    r.length = line.end - line.start + 1;
    r.text = newLine;
    if (caret <= line.start)
        r.caretAfter = caret;
    else if (caret > line.end)
        r.caretAfter = caret + newLength - r.length;
    else
        r.caretAfter = line.start + newLength;
    return r;
}

}  // namespace docclass
