// A line of tens of thousands of characters: what an edit in it tells, how
// its positions map, which formats its layout holds, and how it wraps.
#include "platform/Cp932.h"
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"
#include "tests/support/PaintMeter.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(RichEditLongLine, AKeyTellsTheBytesItTouchedAndPositionsStayExact)
{
    // Kanji, kana, half-width kana, ASCII and an invalid byte, one line.
    std::string line;
    while (line.size() < 20000) line += "\\ref{\x93\xfa\x96\x7b} \x82\xa0\xb1 text\x80 ";
    TRichEdit e;
    int reports = 0;
    TRichEdit::ChangedSpan span;
    e.OnChange = [&] {
        ++reports;
        span = e.LastChange();
    };
    e.SetText(line);
    reports = 0;
    // The bytes of every character, and where each begins.
    auto starts = [&] {
        std::vector<int> at;
        const std::string text = e.Text();
        for (int i = 0; i < int(text.size()); i += cp932::charLength(text, size_t(i))) at.push_back(i);
        at.push_back(int(text.size()));
        return at;
    };
    for (const int offset : {10001, 3, 19000}) {
        const std::vector<int> before = starts();
        const int at = *std::lower_bound(before.begin(), before.end(), offset);
        e.SetSelStart(at);
        edtest::typeText(&e, "k");
        // Not the whole line: undo reads what the change names.
        EXPECT_EQ(span.start, at);
        EXPECT_EQ(span.tail, e.GetTextLen() - at - 1);
        const std::vector<int> after = starts();
        for (size_t i = 0; i < after.size(); i += 7) {
            ASSERT_EQ(e.toQtPosition(after[i]), int(i)) << after[i];
            ASSERT_EQ(e.fromQtPosition(int(i)), after[i]) << i;
        }
        // A position inside a character snaps to its start.
        size_t k = 0;
        while (k + 1 < after.size() && (after[k] <= at || after[k + 1] - after[k] != 2)) ++k;
        ASSERT_LT(k + 1, after.size());
        e.Select(after[k] + 1, 0);
        EXPECT_EQ(e.SelStart(), after[k]);
    }
    EXPECT_EQ(reports, 3);
}

TEST(RichEditLongLine, TheColoursInViewAreAlwaysThere)
{
    TRichEdit e;
    e.resize(520, 320);
    e.SetDefaultFormat(CharFormat{});
    e.SetWordWrap(true);
    e.show();
    const std::string piece = "\\cmd{ab} words $x$ ";
    std::string line;
    std::vector<FormatSpan> spans;
    for (int i = 0; i < 3000; ++i) {
        const int at = int(line.size());
        spans.push_back({at, 4, CharFormat{0x000080, i % 10 == 0}});
        spans.push_back({at + 15, 3, CharFormat{0x4080FF}});
        line += piece;
    }
    e.SetText(line);
    e.SetFormats(spans);
    paint::settle();

    const QTextBlock block = e.document()->firstBlock();
    auto handed = [&] {
        std::set<std::pair<int, int>> ranges;
        for (const QTextLayout::FormatRange& r : block.layout()->formats()) ranges.insert({r.start, r.length});
        return ranges;
    };
    auto expectViewColoured = [&](const char* where) {
        SCOPED_TRACE(where);
        const std::set<std::pair<int, int>> ranges = handed();
        const int first = e.cursorForPosition(QPoint(0, 0)).position();
        const int last = e.cursorForPosition(QPoint(e.viewport()->width(), e.viewport()->height())).position();
        ASSERT_LT(first, last);
        int bold = 0;
        for (const FormatSpan& s : spans) {
            // Bold moves the text: it goes everywhere, so the line wraps the
            // same wherever the view stands.
            if (s.format.bold) {
                EXPECT_TRUE(ranges.count({s.start, s.length})) << s.start;
                ++bold;
            } else if (s.start < last && s.start + s.length > first) {
                EXPECT_TRUE(ranges.count({s.start, s.length})) << s.start;
            }
        }
        EXPECT_EQ(bold, 300);
        // Not every span: Qt's layout costs the product of its formats and
        // its script runs.
        EXPECT_LT(ranges.size(), spans.size() / 3);
    };
    expectViewColoured("top");
    e.verticalScrollBar()->setValue(e.verticalScrollBar()->maximum() / 2);
    paint::settle();
    expectViewColoured("scrolled to the middle");
    e.SetSelStart(e.GetTextLen());
    e.ScrollCaret();
    edtest::typeText(&e, "z");
    paint::settle();
    expectViewColoured("typed at the end");
}

TEST(RichEditLongLine, ARunNoLineCanBreakWrapsAnywhere)
{
    TRichEdit e;
    e.resize(520, 320);
    e.SetWordWrap(true);
    e.show();
    const auto mode = [&] {
        paint::settle();
        return e.wordWrapMode();
    };
    e.SetText("words \\and $x$\r\n" + std::string(30000, 'x') + "\r\nmore words");
    EXPECT_EQ(mode(), QTextOption::WrapAnywhere);
    e.SetText("words \\and $x$\r\nmore words");
    EXPECT_EQ(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Pasted, then broken by blanks typed into it, then gone.
    e.SetSelStart(6);
    e.SetSelText(std::string(20000, 'y'));
    EXPECT_EQ(mode(), QTextOption::WrapAnywhere);
    for (const int at : {15000, 10000, 5000}) {
        e.SetSelStart(6 + at);
        edtest::typeText(&e, " ");
    }
    EXPECT_EQ(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    e.SelectAllText();
    e.SetSelText(std::string(9000, 'z') + "\r\nshort");
    EXPECT_EQ(mode(), QTextOption::WrapAnywhere);
    e.Select(0, 9000);
    e.SetSelText("");
    EXPECT_EQ(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

}  // namespace
