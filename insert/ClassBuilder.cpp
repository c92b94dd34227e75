#include "insert/ClassBuilder.h"

#include <QString>
#include <algorithm>

#include "core/search/Search.h"
#include "platform/Cp932.h"

namespace docclass {

namespace {

constexpr const char* kClassNames[kClassCount] = {"jarticle", "jreport", "jbook",     "tarticle",
                                                  "treport",  "tbook",   "jsarticle", "jsbook"};
constexpr const char* kPapers[] = {"a4", "a5", "b4", "b5"};

bool isBook(int k) { return k == 2 || k == 5; }
bool isReport(int k) { return k == 1 || k == 4; }

int find(const std::string& text, const std::string& pattern, int from, int end)
{
    return textsearch::findDown(text, pattern, from, end, {false, true});
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Bytes that end a part of the class line; inside one they mean the line
// is written some other way than this command can rebuild.
bool breaksPart(char c) { return c == '[' || c == ']' || c == '{' || c == '}' || c == '%' || c == '\\'; }

// Walks a bracketed part that opens at pos; returns its closing byte, or -1
// when it meets anything else first or the text ends.
int partEnd(const std::string& text, size_t pos, char close)
{
    for (size_t i = pos + 1; i < text.size();) {
        const char c = text[i];
        if (c == close) return int(i);
        if (breaksPart(c)) return -1;
        i += size_t(std::max(1, cp932::charLength(text, i)));
    }
    return -1;
}

size_t skipBlanks(const std::string& text, size_t i)
{
    while (i < text.size() && isBlank(text[i])) ++i;
    return i;
}

// The closing brace of \command[options]{class} written plainly, or -1.
int plainCommandEnd(const std::string& text, int start, const std::string& command)
{
    size_t i = size_t(start) + command.size();
    if (i < text.size()) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return -1;  // a longer command name
    }
    i = skipBlanks(text, i);
    if (i < text.size() && text[i] == '[') {
        const int close = partEnd(text, i, ']');
        if (close < 0) return -1;
        i = skipBlanks(text, size_t(close) + 1);
    }
    if (i >= text.size() || text[i] != '{') return -1;
    return partEnd(text, i, '}');
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

std::string classLine(const Choices& c, const Settings& settings)
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
    line += "]{";
    line += kClassNames[k];
    line += "}";
    return line;
}

wrap::Insertion newDocument(const Choices& choices, const Settings& settings, int year, int month, int day)
{
    const QString date = QString::fromUtf8("\\date{%1年%2月%3日}\r\n").arg(year).arg(month).arg(day);
    wrap::Insertion out;
    out.text = classLine(choices, settings) + "\r\n%Preamble\r\n\r\n" + "\\title{}\r\n" + "\\author{}\r\n" +
               cp932::encode(date) + "\\pagestyle{plain}\r\n" + "\\usepackage{graphicx}\r\n\r\n" +
               "\\begin{document}\r\n" + "\r\n" + "\\end{document}\r\n";
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
    line.start = find(text, command, 0, size);
    if (line.start < 0) {
        command = "\\documentstyle";
        line.start = find(text, command, 0, size);
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
    // Only a plainly written command is replaced, and only up to its own
    // closing brace: a "]" or "}" further on (in a comment, say) is the
    // user's text.
    const int close = plainCommandEnd(text, line.start, command);
    if (close >= 0) {
        line.end = close;
        line.rewritable = true;
    }
    return line;
}

Choices detect(const std::string& text, const ClassLine& line, Choices c)
{
    const int s = line.start + 7;
    const int e = std::max(s, line.end);
    auto has = [&](const char* pattern) { return find(text, pattern, s, e) >= 0; };
    for (int k = 0; k < kClassCount; ++k) {
        if (has(kClassNames[k])) {
            c.classIndex = k;
            break;
        }
    }
    for (int p = 0; p < 4; ++p) {
        const std::string size = kPapers[p];
        if (has((size + "paper").c_str()) || has((size + "j").c_str())) {
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
