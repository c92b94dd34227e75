#include "insert/TablesBuilder.h"

#include "core/convert/DelimitedText.h"
#include "platform/Cp932.h"

namespace tables {

namespace {

// Japanese literals are written here in UTF-8 and go into the document as CP932.
std::string sj(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether text ends in a control word such as \large, after which a letter
// would run into the command's name.
bool endsWithControlWord(std::string_view text)
{
    size_t letters = 0;
    size_t i = text.size();
    while (i > 0 && isAsciiLetter(text[i - 1])) {
        --i;
        ++letters;
    }
    if (letters == 0 || i == 0 || text[i - 1] != '\\') return false;
    // The backslash must be a character of its own, not the trail byte of a
    // double-byte character: find the character boundary in front of it.
    size_t at = 0;
    while (at < i - 1) at += size_t(cp932::charLength(text, at));
    return at == i - 1;
}

std::string_view trimBlanks(std::string_view cell)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!cell.empty() && blank(cell.front())) cell.remove_prefix(1);
    while (!cell.empty() && blank(cell.back())) cell.remove_suffix(1);
    return cell;
}

}  // namespace

std::string Placement::letters() const
{
    std::string s;
    if (here) s += 'h';
    if (top) s += 't';
    if (bottom) s += 'b';
    if (page) s += 'p';
    return s;
}

char alignLetter(int align)
{
    switch (align) {
        case 0: return 'l';
        case 2: return 'r';
        default: return 'c';
    }
}

wrap::Insertion tableSkeleton(const TableChoices& c, const wrap::EditorState& editor)
{
    const char letter = alignLetter(c.align);
    std::string t = wrap::lineStartBreak(editor);
    t += sj("% 表の挿入\r\n");
    t += "\\begin{table}[" + c.placement.letters() + "]\r\n";
    t += sj(" \\caption{}% {}内に表題を書く\r\n");
    t += " \\begin{center}\r\n";
    t += "  \\begin{tabular}{";
    if (c.verticalRules) t += '|';
    for (int col = 0; col < c.columns; ++col) {
        t += letter;
        if (c.verticalRules) t += '|';
    }
    t += "}\r\n";
    if (c.horizontalRules) t += "    \\hline\r\n";
    size_t firstCell = std::string::npos;
    for (int row = 0; row < c.rows; ++row) {
        if (row == 0) firstCell = t.size() + 5;
        t += "    ";
        for (int col = 1; col < c.columns; ++col) t += "   & ";
        t += "   \\\\\r\n";
        if (c.horizontalRules) t += "    \\hline\r\n";
    }
    t += "  \\end{tabular}\r\n \\end{center}\r\n\\end{table}\r\n";
    const int back = firstCell == std::string::npos ? 0 : int(t.size() - firstCell);
    return {t, back};
}

std::string cline(int from, int to) { return "\\cline{" + std::to_string(from) + "-" + std::to_string(to) + "}"; }

MergedCellPreset mergedCellPreset(std::string_view selection)
{
    MergedCellPreset preset;
    size_t cellStart = 0;
    bool backslash = false;  // the character before is a single-byte backslash
    auto addCell = [&](size_t end) {
        const std::string_view cell = trimBlanks(selection.substr(cellStart, end - cellStart));
        if (!cell.empty() && !preset.heading.empty() && endsWithControlWord(preset.heading) &&
            isAsciiLetter(cell.front()))
            preset.heading += ' ';
        preset.heading.append(cell);
    };
    for (size_t i = 0; i < selection.size();) {
        const int n = cp932::charLength(selection, i);
        if (n == 1 && selection[i] == '&' && !backslash) {
            addCell(i);
            ++preset.count;
            cellStart = i + 1;
        }
        backslash = n == 1 && selection[i] == '\\' && !backslash;
        i += size_t(n);
    }
    addCell(selection.size());
    return preset;
}

std::string multicolumn(const MergedCellChoices& c)
{
    std::string spec;
    if (c.leftRule) spec += '|';
    spec += alignLetter(c.align);
    if (c.rightRule) spec += '|';
    return "\\multicolumn{" + std::to_string(c.count) + "}{" + spec + "}{" + c.heading + "}";
}

std::string convertedTable(std::string_view text, const ConversionChoices& c)
{
    const convert::CellRows rows =
        convert::cellRows(text, convert::separatorByte(c.separator), c.horizontalRules, convert::Cells::Text);
    std::string placement = c.placement.letters();
    if (placement.empty()) placement = "h";
    std::string t = sj("% 表\r\n");
    t += "\\begin{table}[" + placement + "]\r\n";
    t += sj("\\caption{}%{}内に表題を書く\r\n");
    t += "\\begin{center}\r\n\\begin{tabular}{";
    for (int col = 0; col < rows.widestRowColumns; ++col) {
        if (c.verticalRules) t += '|';
        t += alignLetter(c.align);
    }
    t += c.verticalRules ? "|}\r\n" : "}\r\n";
    t += rows.body;
    t += "\\end{tabular}\r\n\\end{center}\r\n\\end{table}\r\n";
    return t;
}

}  // namespace tables
