#include "insert/TitleBuilder.h"

#include <array>
#include <vector>

#include "core/insertion/CommandSearch.h"
#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace title {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Only blanks and at most one bracketed option may stand between the command
// name and its opening brace.  Anything else means the brace belongs to
// something later, and rewriting from the command to that brace would delete
// whatever lies between.
bool braceFollowsCommand(std::string_view text, size_t afterName, size_t open)
{
    size_t i = afterName;
    while (i < open && isBlank(text[i])) ++i;
    if (i < open && text[i] == '[') {
        const size_t close = text.find(']', i);
        if (close == std::string_view::npos || close > open) return false;
        i = close + 1;
        while (i < open && isBlank(text[i])) ++i;
    }
    return i == open;
}

std::optional<Found> accept(std::string_view text, std::string_view command, int start, int open, int close)
{
    if (open < 0 || close < 0 || open >= close || close - open >= 256) return std::nullopt;
    if (!braceFollowsCommand(text, size_t(start) + command.size(), size_t(open))) return std::nullopt;
    return Found{start, open, close};
}

}  // namespace

int findText(std::string_view text, std::string_view needle, int from)
{
    if (needle.empty() || from < 0) return -1;
    for (size_t i = size_t(from); i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0) return int(i);
        i += size_t(std::max(1, cp932::charLength(text, i)));
    }
    return -1;
}

std::optional<Found> findBraced(std::string_view text, std::string_view command)
{
    const int start = commandsearch::find(text, command);
    if (start < 0) return std::nullopt;
    // The brace stands within 30 bytes of the backslash; the closing brace,
    // which may be the text's last byte, within 510.
    const int from = start + int(std::min<size_t>(6, command.size()));
    const int open = braces::findOpen(text, from, start + 31);
    if (open < 0) return std::nullopt;
    const int close = braces::findClose(text, open, start + 511);
    return accept(text, command, start, open, close);
}

std::optional<Found> findFirstBrace(std::string_view text, std::string_view command)
{
    const int start = commandsearch::find(text, command);
    if (start < 0) return std::nullopt;
    return accept(text, command, start, findText(text, "{", start), findText(text, "}", start));
}

std::string argument(std::string_view text, const Found& found)
{
    return std::string(text.substr(size_t(found.open) + 1, size_t(found.close - found.open - 1)));
}

Edit commandEdit(std::string_view command, std::string_view argument, const std::optional<Found>& old,
                 bool caretNotAtLineStart, bool emptyCaretInside)
{
    std::string text = std::string(command) + "{" + std::string(argument) + "}";
    if (old) return {old, {text, 0}};
    text = (caretNotAtLineStart ? "\r\n" : "") + text + "\r\n";
    return {std::nullopt, {text, emptyCaretInside && argument.empty() ? 3 : 0}};
}

wrap::Insertion fromSelection(std::string_view command, std::string_view selection)
{
    return {std::string(command) + "{" + std::string(selection) + "}\r\n", 0};
}

std::string MonthName(int month)
{
    static const std::array<const char*, 12> names = {"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};
    if (month < 1 || month > 12) return {};
    return names[size_t(month - 1)];
}

std::string dateText(int format, int year, int month, int day)
{
    const std::string y = std::to_string(year), m = std::to_string(month), d = std::to_string(day);
    const std::string name = MonthName(month);
    switch (format) {
        case 0:
            return y + cp932::encode(QString::fromUtf8("年")) + m + cp932::encode(QString::fromUtf8("月")) + d +
                   cp932::encode(QString::fromUtf8("日"));
        case 1: return y + "/" + m + "/" + d;
        case 2: return d + " " + name + ", " + y;
        case 3: return d + " " + name + " " + y;
        case 4: return name + " " + d + ", " + y;
        case 5: return d + "-" + name.substr(0, 3) + "-" + (y.size() >= 4 ? y.substr(2, 2) : y);
        default: return {};
    }
}

std::string_view pageStyleName(int index)
{
    static const std::array<std::string_view, 4> names = {"plain", "empty", "headings", "myheadings"};
    return index >= 0 && index < 4 ? names[size_t(index)] : std::string_view();
}

int pageStyleIndex(std::string_view argument)
{
    // "myheadings" holds "headings", so it is asked for first.
    if (argument.find("plain") != std::string_view::npos) return 0;
    if (argument.find("empty") != std::string_view::npos) return 1;
    if (argument.find("myheadings") != std::string_view::npos) return 3;
    if (argument.find("headings") != std::string_view::npos) return 2;
    return -1;
}

}  // namespace title
