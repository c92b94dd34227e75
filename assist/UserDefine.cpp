#include "assist/UserDefine.h"

#include <charconv>

#include "platform/Cp932.h"

namespace userdef {

namespace {

const std::string kCrLf = "\r\n";

// A whole-number text as a count or a version: blanks around it and a sign
// are allowed, nothing else.
bool parseInteger(std::string_view text, int& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Inserts nothing; counts what would go in.
class CountingTarget : public RunTarget {
public:
    void insert(const std::string& bytes) override { count += bytes.size(); }
    int caret() const override { return 0; }
    void moveCaretBack(int) override {}
    size_t count = 0;
};

}  // namespace

std::string slotNumber(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

std::string joinLinesTerminated(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + kCrLf;
    return text;
}

// ---- the definition file ----

void appendDefinition(int n, const std::string& title, std::vector<std::string>& list, const std::string& definition)
{
    const std::string nn = slotNumber(n);
    list.push_back("%Title" + nn + "Start" + title + "%Title" + nn + "End");
    list.push_back("%Def" + nn + "Start" + definition + "%Def" + nn + "End");
}

std::string writeFile(const Slots& table)
{
    std::vector<std::string> list{"Quillmark", "User Definition File", std::to_string(kCurrentVersion)};
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& slot = table[size_t(n - 1)];
        appendDefinition(n, slot.title, list, slot.definition);
    }
    return joinLinesTerminated(list);
}

namespace {
// The text between a start and an end marker; false unless both are there.
bool between(const std::string& text, const std::string& startMarker, const std::string& endMarker, std::string& out)
{
    out.clear();
    const size_t start = text.find(startMarker);
    const size_t end = text.find(endMarker);
    if (start == std::string::npos || end == std::string::npos) return false;
    const size_t from = start + startMarker.size();
    if (end > from) out = text.substr(from, end - from);
    return true;
}
}  // namespace

bool extractDefinition(int n, std::string& title, const std::string& text, std::string& definition)
{
    title.clear();
    definition.clear();
    const std::string nn = slotNumber(n);
    if (!between(text, "%Title" + nn + "Start", "%Title" + nn + "End", title)) return false;
    return between(text, "%Def" + nn + "Start", "%Def" + nn + "End", definition);
}

ReadResult readFile(const std::string& bytes, Slots& table)
{
    ReadResult result;
    if (bytes.size() > kMaxFileBytes) return {ReadStatus::TooLarge, 0};
    if (!cp932::isValid(bytes)) return {ReadStatus::InvalidBytes, 0};
    const std::vector<std::string> list = splitLines(bytes);
    if (!list.empty() && list[0] != "Quillmark") return {ReadStatus::NotQuillmark, 0};
    if (list.size() > 1 && list[1] != "User Definition File") return {ReadStatus::NotDefinitionFile, 0};
    if (list.size() < 3) return {ReadStatus::TooShort, 0};
    if (!parseInteger(list[2], result.version)) return {ReadStatus::BadVersion, 0};
    if (result.version > kCurrentVersion) return {ReadStatus::NewerVersion, result.version};

    const std::string text = joinLinesTerminated(list);
    const int last = result.version >= 2 ? kSlotCount : kVersion1Slots;
    Slots read = table;
    for (int n = 1; n <= last; ++n) {
        Slot found;
        if (extractDefinition(n, found.title, text, found.definition)) read[size_t(n - 1)] = std::move(found);
    }
    table = std::move(read);
    result.status = ReadStatus::Ok;
    return result;
}

// ---- running a definition ----

bool containsDirective(std::string_view line, std::string_view directive)
{
    if (directive.empty() || line.size() < directive.size()) return false;
    for (size_t pos = 0; pos + directive.size() <= line.size(); pos += size_t(cp932::charLength(line, pos))) {
        if (line.compare(pos, directive.size(), directive) == 0) return true;
    }
    return false;
}

RunResult run(const std::string& definition, bool hasSelection, const std::string& selectedText, RunTarget& target)
{
    const std::vector<std::string> lines = splitLines(definition);
    const int count = int(lines.size());
    if (!containsDirective(definition, "\\QmCom")) {
        for (int i = 0; i < count; ++i) {
            if (i > 0) target.insert(kCrLf);
            target.insert(lines[size_t(i)]);
        }
        return {};
    }

    // The first later line holding the directive, or -1.
    auto findFrom = [&](int from, std::string_view directive) {
        for (int j = from; j < count; ++j)
            if (containsDirective(lines[size_t(j)], directive)) return j;
        return -1;
    };

    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[size_t(i)];
        if (!containsDirective(line, "\\QmCom")) {
            target.insert(line);
        } else if (containsDirective(line, "\\QmComIfSelected")) {
            if (!hasSelection) {
                const int j = findFrom(i + 1, "\\QmComElseSelected");
                if (j >= 0) i = j;  // the else line itself does nothing
            }
        } else if (containsDirective(line, "\\QmComElseSelected")) {
            if (hasSelection && !containsDirective(line, "\\QmComElseSelectedEnd")) {
                const int j = findFrom(i + 1, "\\QmComElseSelectedEnd");
                if (j >= 0) i = j;
            }
        } else if (containsDirective(line, "\\QmComBackCursor")) {
            const size_t a = line.find('{');
            const size_t b = line.find('}');
            if (a == std::string::npos || b == std::string::npos || b <= a + 1) return {RunStatus::BadBackCursor, {}};
            const std::string countText = line.substr(a + 1, b - a - 1);
            int back = 0;
            if (!parseInteger(countText, back)) return {RunStatus::BadCount, countText};
            // A count of zero or less moves nothing, and the caret never
            // goes back to or past the start of the text.
            const int caret = target.caret();
            if (back > 0 && caret - back > 0) target.moveCaretBack(caret - back);
        } else if (containsDirective(line, "\\QmComInsertSelected")) {
            if (hasSelection) target.insert(selectedText);
        } else if (containsDirective(line, "\\QmComReturn")) {
            target.insert(kCrLf);
        }
    }
    return {};
}

size_t insertedBytes(const std::string& definition, bool hasSelection, const std::string& selectedText)
{
    CountingTarget counter;
    run(definition, hasSelection, selectedText, counter);
    return counter.count;
}

}  // namespace userdef
