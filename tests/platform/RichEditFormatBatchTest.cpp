// SetFormats gives what SetFormat range by range gives.
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Character starts of the text, so ranges never cut a double-byte character.
std::vector<int> boundaries(const std::string& text)
{
    std::vector<int> b;
    for (int i = 0; i < int(text.size()); i += cp932::charLength(text, size_t(i))) b.push_back(i);
    b.push_back(int(text.size()));
    return b;
}

void expectSameFormats(const TRichEdit& a, const TRichEdit& b, const std::string& text, const char* what)
{
    for (int i = 0; i < int(text.size()); i += cp932::charLength(text, size_t(i)))
        ASSERT_EQ(a.FormatAt(i), b.FormatAt(i)) << what << ": byte " << i;
}

TEST(RichEditFormatBatch, MatchesRangeByRangeFormatting)
{
    const std::string text =
        cp932::encode("\\section{見出し}\r\n本文の$x$と\\ref{a}．\r\n\r\nabc def\r\n漢字かな交じり\\\\\r\n最後の行");
    const std::vector<int> starts = boundaries(text);
    const CharFormat palette[] = {
        {0x000000}, {0x000080, true}, {0x4080FF, false, true}, {0x0000FF, false, false, true}};
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        TRichEdit one, many;
        one.SetText(text);
        many.SetText(text);
        // Pre-existing formats that the batch must replace or keep around its ranges.
        one.SetFormat(2, 9, palette[2]);
        many.SetFormat(2, 9, palette[2]);

        std::vector<FormatSpan> spans;
        size_t at = std::uniform_int_distribution<size_t>(0, starts.size() / 2)(random);
        while (at + 1 < starts.size()) {
            const size_t end = std::min(starts.size() - 1, at + 1 + random() % 12);
            spans.push_back({starts[at], starts[end] - starts[at], palette[random() % 4]});
            at = end + (random() % 3 == 0 ? random() % 4 : 0);
        }
        for (const FormatSpan& s : spans) one.SetFormat(s.start, s.length, s.format);
        many.SetFormats(spans);
        expectSameFormats(one, many, text, "random ranges");
        EXPECT_EQ(many.Text(), text);
    }
}

TEST(RichEditFormatBatch, LeavesTextModifiedFlagAndEventsAlone)
{
    TRichEdit edit;
    edit.SetText("ab\r\ncd");
    edit.SetModified(false);
    int events = 0;
    edit.OnChange = [&] { ++events; };
    edit.OnSelectionChange = [&] { ++events; };
    edit.SetFormats({{0, 6, CharFormat{0x00FF00, true}}});
    EXPECT_EQ(edit.FormatAt(4), (CharFormat{0x00FF00, true}));
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(events, 0);
    EXPECT_EQ(edit.Text(), "ab\r\ncd");
}

}  // namespace
