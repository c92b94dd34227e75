// What the editor tells a change handler about where its text changed: the
// bytes outside the stretch it names must be those of the revision it names,
// whatever road the edits took and however many went unreported.
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

TEST(RichEditChange, TheReportedStretchHoldsEverythingThatChanged)
{
    TRichEdit e;
    std::map<long, std::string> seen;  // the text at each reported revision
    int reports = 0;
    e.OnChange = [&] {
        ++reports;
        const std::string now = e.Text();
        const TRichEdit::ChangedSpan span = e.LastChange();
        EXPECT_EQ(span.base <= e.Revision(), true);
        ASSERT_TRUE(seen.count(span.base)) << span.base;
        const std::string& then = seen[span.base];
        ASSERT_LE(span.start + span.tail, int(std::min(now.size(), then.size())));
        EXPECT_EQ(now.compare(0, size_t(span.start), then, 0, size_t(span.start)), 0);
        EXPECT_EQ(now.compare(now.size() - size_t(span.tail), size_t(span.tail), then, then.size() - size_t(span.tail),
                              size_t(span.tail)),
                  0);
        seen[e.Revision()] = now;
    };
    seen[e.Revision()] = e.Text();
    e.SetText("first line\r\nsecond \x82\xa0 line\r\nthird\r\n\r\nlast");
    ASSERT_EQ(reports, 1);

    std::mt19937 rng(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* const pieces[] = {"x", "\x82\xa0", "ab\r\ncd", "\r\n", ""};
    for (int round = 0; round < 300; ++round) {
        const int length = e.GetTextLen();
        const int at = pick(length + 1);
        switch (pick(5)) {
            case 0:  // typed at a place
                e.Select(at, 0);
                edtest::typeText(&e, "k");
                break;
            case 1:  // a replacement through the primitive
                e.Select(at, pick(std::min(8, length - at) + 1));
                e.SetSelText(pieces[pick(5)]);
                break;
            case 2: {  // unreported edits, reported with the next one
                e.SetEventMask(ENM_NONE);
                e.Select(at, std::min(2, length - at));
                e.SetSelText("m");
                e.Select(0, 0);
                e.SetSelText("z");
                e.SetEventMask(ENM_ALL);
                break;
            }
            case 3: {  // a batch of one-line replacements
                const std::string text = e.Text();
                std::vector<int> hits;
                for (size_t p = text.find('i'); p != std::string::npos; p = text.find('i', p + 1))
                    hits.push_back(int(p));
                if (!hits.empty()) e.ReplaceRanges(hits, 1, pick(2) ? "I" : "ii");
                break;
            }
            default:
                if (pick(20) == 0) e.SetText("new\r\ntext");
                break;
        }
    }
    EXPECT_GT(reports, 100);

    // Asked after a change it has not reported, the editor names the whole
    // text rather than a stretch that misses it.
    e.SetEventMask(ENM_NONE);
    e.Select(e.GetTextLen(), 0);
    e.SetSelText("q");
    EXPECT_EQ(e.LastChange().start, 0);
    EXPECT_EQ(e.LastChange().tail, 0);
}

}  // namespace
