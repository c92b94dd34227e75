// The Tab key in the editor.
#include "assist/TableCells.h"

#include <algorithm>

#include "app/Form1.h"
#include "platform/Cp932.h"

namespace tablecells {
namespace {

// Offset of the first unescaped "&" at or after from (a character start), or
// -1.  prev is the character before from, as far as it matters: whether it is
// a single-byte backslash.
int separatorFrom(std::string_view s, size_t from, bool prevIsBackslash)
{
    bool backslash = prevIsBackslash;
    for (size_t i = from; i < s.size();) {
        const int n = cp932::charLength(s, i);
        if (n == 1) {
            if (s[i] == '&' && !backslash) return int(i);
            backslash = s[i] == '\\';
        } else {
            backslash = false;
        }
        i += size_t(n);
    }
    return -1;
}

int rowEndFrom(std::string_view s, size_t from)
{
    for (size_t i = from; i < s.size();) {
        const int n = cp932::charLength(s, i);
        if (n == 1 && s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') return int(i);
        i += size_t(n);
    }
    return -1;
}

bool isBlank(char c) { return c == ' '; }

}  // namespace

int FindCellSeparator(std::string_view s) { return separatorFrom(s, 0, false) + 1; }

int FindCellOrRowEnd(std::string_view s)
{
    const int p = separatorFrom(s, 0, false);
    if (p >= 0) return p + 1;
    return rowEndFrom(s, 0) + 1;
}

CellMove NextCell(std::string_view line, int col)
{
    CellMove m;
    m.inTable = FindCellSeparator(line) != 0;
    if (!m.inTable) return m;
    // A caret between the bytes of a character (or past the line) is taken
    // to the character's start, so that no search starts on a trail byte.
    col = int(cp932::charStart(line, 0, size_t(std::clamp(col, 0, int(line.size())))));
    // Searched in the whole line, so that a caret just after a backslash
    // still sees the "\&" it belongs to.
    const bool prevBackslash =
        col > 0 && line[size_t(col) - 1] == '\\' && cp932::charStart(line, 0, size_t(col) - 1) == size_t(col) - 1;
    const int sep = separatorFrom(line, size_t(col), prevBackslash);
    if (sep < 0) return m;
    m.moves = true;
    const int target = sep + 1;
    const std::string_view after = line.substr(size_t(target));
    const int q = FindCellOrRowEnd(after);
    const std::string_view cell = after.substr(0, q == 0 ? after.size() : size_t(q - 1));
    const auto first = std::find_if_not(cell.begin(), cell.end(), isBlank);
    m.start = target;
    if (first == cell.end()) return m;
    const int i = int(first - cell.begin());
    // Trail bytes are never blanks, so the last non-blank byte ends a whole
    // character.
    int e = int(cell.size());
    while (e > i && isBlank(cell[size_t(e) - 1])) --e;
    m.start = target + i;
    m.length = e - i;
    return m;
}

int BlanksToTabStop(std::string_view text, int caret, int tabWidth)
{
    if (tabWidth <= 0) return 0;
    caret = std::clamp(caret, 0, int(text.size()));
    int c = 0;
    for (int i = caret; i > 0 && text[size_t(i) - 1] != '\r' && text[size_t(i) - 1] != '\n'; --i) ++c;
    return tabWidth - c % tabWidth;
}

}  // namespace tablecells

int TForm1::FindCellSeparator(const std::string& s) { return tablecells::FindCellSeparator(s); }

int TForm1::FindCellOrRowEnd(const std::string& s) { return tablecells::FindCellOrRowEnd(s); }

bool TForm1::HandleTabKey()
{
    if (!RichEdit) return false;
    const int caret = RichEdit->SelStart();
    const TextDocument& doc = RichEdit->Document();
    const int lineNo = doc.lineOfPosition(caret);
    const int lineStart = doc.lineStart(lineNo);
    const std::string line = doc.line(lineNo);
    const tablecells::CellMove m = tablecells::NextCell(line, caret - lineStart);
    if (m.inTable) {
        if (m.moves) RichEdit->Select(lineStart + m.start, m.length);
        return true;
    }
    if (TabSpace != 1) return false;
    const int n = tablecells::BlanksToTabStop(line, caret - lineStart, TabSpaceNo);
    if (n == 0) return false;
    InsertText(std::string(size_t(n), ' '));
    return true;
}
