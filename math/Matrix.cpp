#include "math/Matrix.h"

#include <algorithm>

#include "core/convert/DelimitedText.h"
#include "platform/Cp932.h"

namespace matrix {

namespace {

struct Delimiters {
    const char* left;
    const char* right;
};
constexpr Delimiters kDelimiters[kDelimiterCount] = {
    {"(", ")"}, {"[", "]"}, {"|", "|"}, {"\\|", "\\|"}, {"\\{", "."}, {".", "\\}"},
};

int delimiterIndex(int index) { return index >= 0 && index < kDelimiterCount ? index : 0; }

}  // namespace

const char* const kConvertExplanation =
    "タブ文字等で区切られたテキストを元に、TeXの行列を作成する機能です。\r\n"
    "通常は、表計算ソフトから行列にしたい部分をコピー＆ペーストして、\r\n"
    "それをTeXの行列にしたい時にこの機能を使用します。\r\n"
    "行列に変換したい部分を選択して、このコマンドを実行して下さい。";
const char* const kConvertCaption = "行列変換";

std::string leftDelimiter(int index) { return kDelimiters[delimiterIndex(index)].left; }
std::string rightDelimiter(int index) { return kDelimiters[delimiterIndex(index)].right; }

char alignLetter(int index)
{
    static constexpr char letters[] = {'l', 'c', 'r'};
    return index >= 0 && index < 3 ? letters[index] : 'c';
}

bool lineBreakFollows(std::string_view selection, std::string_view following)
{
    if (following.empty() || (following.front() != '\r' && following.front() != '\n')) return false;
    if (selection.empty()) return true;
    const char last = selection.back();
    // A selection that ends between the CR and the LF of one break leaves the
    // LF, which then ends the matrix's last line.
    return last != '\n' && !(last == '\r' && following.front() != '\n');
}

wrap::Insertion skeletonText(const Skeleton& choices, bool breakFollows)
{
    const int rows = std::clamp(choices.rows, kMinSize, kMaxSize);
    const int columns = std::clamp(choices.columns, kMinSize, kMaxSize);
    const char letter = alignLetter(choices.align);

    std::string text = "\\left" + leftDelimiter(choices.bracket) + "\r\n";
    text += "  \\begin{array}{";
    for (int c = 1; c <= columns; ++c) {
        text += letter;
        if (choices.vrules && c < columns) text += '|';
    }
    text += "}\r\n";
    size_t firstCell = 0;
    for (int r = 1; r <= rows; ++r) {
        text += "    ";
        if (r == 1) firstCell = text.size();
        for (int c = 1; c < columns; ++c) text += "   & ";
        text += "   \\\\\r\n";
        if (choices.hrules && r < rows) text += "    \\hline\r\n";
    }
    text += "  \\end{array}\r\n\\right" + rightDelimiter(choices.bracket);
    if (!breakFollows) text += "\r\n";
    // The caret goes back to the first cell, counted from the text itself
    // rather than from a formula in the sizes.
    return wrap::Insertion{text, int(text.size() - firstCell)};
}

std::string conversionText(std::string_view selection, const Conversion& choices, bool breakFollows)
{
    const convert::CellRows rows =
        convert::cellRows(selection, convert::separatorByte(choices.separator), choices.hrules);
    // Declared for the row with the most cells: an array narrower than one
    // of its rows stops TeX at that row.
    const int columns = rows.widestRowColumns;
    std::string unit;
    if (choices.vrules) unit += '|';
    unit += alignLetter(choices.align);

    std::string text = cp932::encode(QString::fromUtf8("% 行列\r\n"));
    text += "\\left" + leftDelimiter(choices.bracket);
    text += "\r\n\\begin{array}{";
    for (int c = 0; c < columns; ++c) text += unit;
    text += choices.vrules ? "|}\r\n" : "}\r\n";
    text += rows.body;
    text += "\\end{array}\r\n";
    text += "\\right" + rightDelimiter(choices.bracket);
    if (!breakFollows) text += "\r\n";
    return text;
}

}  // namespace matrix
