// The document object: lines split at breaks, byte positions with
// double-byte characters, revisions, and change spans that tell the truth
// whether or not the whole text had been asked for.
#include "platform/RichEdit.h"
#include "platform/TextDocument.h"
#include "tests/support/EditorTestUtil.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const std::string A = "\x82\xa0";    // あ
const std::string KAN = "\x8a\xbf";  // 漢

// Whether the span holds every byte that differs between the two texts.
::testing::AssertionResult spanCovers(const TextDocument::Change& c, const std::string& then, const std::string& now)
{
    if (c.start < 0 || c.tail < 0 || size_t(c.start + c.tail) > std::min(then.size(), now.size()))
        return ::testing::AssertionFailure() << "span " << c.start << "+" << c.tail << " out of range";
    if (now.compare(0, size_t(c.start), then, 0, size_t(c.start)) != 0)
        return ::testing::AssertionFailure() << "front differs within " << c.start;
    if (now.compare(now.size() - size_t(c.tail), size_t(c.tail), then, then.size() - size_t(c.tail), size_t(c.tail)))
        return ::testing::AssertionFailure() << "back differs within " << c.tail;
    return ::testing::AssertionSuccess();
}

TEST(TextDocument, SplitsAtEveryKindOfBreak)
{
    TextDocument d;
    EXPECT_EQ(d.lineCount(), 1);
    EXPECT_EQ(d.text(), "");

    d.setText("a\r\nb\rc\nd\r\n");
    ASSERT_EQ(d.lineCount(), 5);
    EXPECT_EQ(d.line(0), "a");
    EXPECT_EQ(d.line(2), "c");
    EXPECT_EQ(d.line(4), "");  // a final break ends an empty last line
    EXPECT_EQ(d.text(), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(d.length(), 12);
    EXPECT_EQ(d.line(5), "");
    EXPECT_EQ(d.line(-1), "");

    // Consecutive breaks make empty lines; CR LF is one break, LF CR two.
    EXPECT_EQ(TextDocument::splitLines("\r\n\r\n").size(), 3u);
    EXPECT_EQ(TextDocument::splitLines("x\n\ry").size(), 3u);
    EXPECT_EQ(TextDocument::splitLines("").size(), 1u);
}

TEST(TextDocument, PositionsAreBytesWithDoubleByteCharacters)
{
    TextDocument d;
    // 漢 a CR LF あ あ CR LF CR LF b
    d.setText(KAN + "a\r\n" + A + A + "\r\n\r\nb");
    ASSERT_EQ(d.lineCount(), 4);
    EXPECT_EQ(d.lineLength(0), 3);
    EXPECT_EQ(d.lineLength(1), 4);
    EXPECT_EQ(d.lineStart(0), 0);
    EXPECT_EQ(d.lineStart(1), 5);
    EXPECT_EQ(d.lineStart(2), 11);
    EXPECT_EQ(d.lineStart(3), 13);
    EXPECT_EQ(d.lineStart(9), d.length());
    EXPECT_EQ(d.length(), 14);

    const struct {
        int pos, line;
    } cases[] = {{-5, 0}, {0, 0}, {1, 0}, {3, 0} /*CR*/, {4, 0} /*LF*/, {5, 1},  {9, 1},
                 {10, 1}, {11, 2}, {12, 2}, {13, 3},       {14, 3},         {99, 3}};
    for (const auto& c : cases) EXPECT_EQ(d.lineOfPosition(c.pos), c.line) << c.pos;

    EXPECT_EQ(d.range(5, 9), A + A);
    EXPECT_EQ(d.range(12, 99), "\nb");
    EXPECT_EQ(d.range(-3, 2), KAN);

    d.setText("one line");
    EXPECT_EQ(d.lineOfPosition(3), 0);
    EXPECT_EQ(d.lineOfPosition(8), 0);
    EXPECT_EQ(d.lineStart(1), 8);
}

// The same edits on a document whose whole text is read after each one (so
// that edits splice it) and on one read only line by line (so that it is
// built afresh at the end) must give the same text.
TEST(TextDocument, EachChangeCountsARevisionAndNamesItsSpan)
{
    TextDocument spliced, rebuilt;
    std::string then;
    std::vector<TextDocument::Change> seen;
    spliced.subscribe([&](const TextDocument::Change& c) {
        seen.push_back(c);
        EXPECT_EQ(c.base + 1, spliced.revision());
    });
    auto both = [&](auto edit) {
        then = spliced.text();
        edit(spliced);
        edit(rebuilt);
    };
    auto check = [&](const std::string& expected) {
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(spliced.text(), expected);
        EXPECT_TRUE(spanCovers(seen.back(), then, spliced.text()));
        ASSERT_EQ(rebuilt.lineCount(), spliced.lineCount());
        for (int i = 0; i < rebuilt.lineCount(); ++i) {
            EXPECT_EQ(rebuilt.line(i), spliced.line(i)) << i;
            EXPECT_EQ(rebuilt.lineStart(i), spliced.lineStart(i)) << i;
        }
        EXPECT_EQ(rebuilt.length(), int(expected.size()));
        EXPECT_EQ(rebuilt.revision(), spliced.revision());
    };

    both([](TextDocument& d) { d.setText("one\r\ntwo\r\nthree\r\nfour"); });
    check("one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(seen.back().start, 0);
    EXPECT_EQ(seen.back().tail, 0);

    both([](TextDocument& d) { d.replaceLines(1, 1, {"tw" + A + "o"}); });
    check("one\r\ntw" + A + "o\r\nthree\r\nfour");
    EXPECT_EQ(seen.back().start, 5);
    EXPECT_EQ(seen.back().tail, 13);  // the break after the line is unchanged

    both([](TextDocument& d) { d.replaceLines(0, 2, {"x", "y", "z"}); });  // a line more
    check("x\r\ny\r\nz\r\nthree\r\nfour");
    both([](TextDocument& d) { d.replaceLines(2, 3, {""}); });  // joined down to one empty line
    check("x\r\ny\r\n");

    both([](TextDocument& d) { d.setText("ab\r\nab" + A + "ab\r\nab"); });
    // A hit at the very start and several in one line.
    both([](TextDocument& d) {
        d.replaceSpans({{0, 2, KAN + "!"}, {4, 2, KAN + "!"}, {8, 2, KAN + "!"}, {12, 2, KAN + "!"}});
    });
    check(KAN + "!\r\n" + KAN + "!" + A + KAN + "!\r\n" + KAN + "!");
    EXPECT_EQ(spliced.lineLength(1), 8);
    both([](TextDocument& d) { d.replaceSpans({{5, 3, ""}}); });
    check(KAN + "!\r\n" + A + KAN + "!\r\n" + KAN + "!");
    EXPECT_EQ(seen.back().start, 5);
    EXPECT_EQ(seen.back().tail, int(spliced.text().size()) - 5);
}

TEST(TextDocument, ListenersMayLeaveWhileBeingTold)
{
    TextDocument d;
    int first = 0, second = 0;
    int id = 0;
    id = d.subscribe([&](const TextDocument::Change&) {
        ++first;
        d.unsubscribe(id);
    });
    d.subscribe([&](const TextDocument::Change&) { ++second; });
    d.setText("a");
    d.setText("b");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

// The editor's document holds what the editor shows, line for line, and
// every change the editor makes to it is told with a truthful span.
TEST(TextDocument, FollowsTheEditorThroughEveryRoad)
{
    TRichEdit e;
    const TextDocument& d = e.Document();
    std::string then = d.text();
    long revision = d.revision();
    int told = 0;
    d.subscribe([&](const TextDocument::Change& c) {
        ++told;
        EXPECT_EQ(c.base, revision);
        revision = d.revision();
        const std::string now = d.text();
        EXPECT_TRUE(spanCovers(c, then, now));
        then = now;
    });
    e.SetText("first\r\nsec" + A + "ond\r\n\r\nlast");
    EXPECT_EQ(told, 1);
    EXPECT_EQ(d.lineCount(), 4);

    std::mt19937 rng(11);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* const pieces[] = {"x", "\x82\xa0", "ab\r\ncd", "\r\n", ""};
    for (int round = 0; round < 200; ++round) {
        const int length = e.GetTextLen();
        const int at = pick(length + 1);
        switch (pick(4)) {
            case 0:
                e.Select(at, 0);
                edtest::typeText(&e, "k");
                break;
            case 1:
                e.Select(at, pick(std::min(6, length - at) + 1));
                e.SetSelText(pieces[pick(5)]);
                break;
            case 2: {
                const int line = d.lineOfPosition(at);
                // One single-byte character at the line's start becomes two bytes.
                if (d.lineLength(line) >= 1 && static_cast<unsigned char>(d.line(line)[0]) < 0x80)
                    e.ReplaceRanges({d.lineStart(line)}, 1, A);
                break;
            }
            default:
                e.Select(at, 0);
                edtest::sendKey(&e, Qt::Key_Backspace);
                break;
        }
        ASSERT_EQ(d.text(), e.Text()) << round;
        ASSERT_EQ(d.lineCount(), e.document()->blockCount()) << round;
        const int line = pick(d.lineCount());
        ASSERT_EQ(d.line(line), e.Line(line)) << round;
        ASSERT_EQ(d.lineStart(line), e.LineIndex(line)) << round;
    }
    EXPECT_GT(told, 100);
}

}  // namespace
