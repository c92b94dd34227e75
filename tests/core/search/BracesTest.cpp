#include <gtest/gtest.h>

#include "core/search/Braces.h"

namespace {
// テ (83 65), ー (81 5B), マ (83 7D), ボ (83 7B): the last two carry brace
// bytes in their second byte.
const std::string kTe = "\x83\x65", kBar = "\x81\x5b", kMa = "\x83\x7d", kBo = "\x83\x7b";
}  // namespace

TEST(Braces, OpeningBraceIsACharacterOfItsOwn)
{
    struct Case {
        std::string text;
        int from, limit;
        bool lineEnd;
        int expected;
    };
    const Case cases[] = {
        {"\\x{a}", 0, 10, false, 2},      {"\\x" + kBo + "{a}", 0, 10, false, 4},  // 7B inside ボ is passed over
        {"\\x" + kBo, 0, 10, false, -1},  {"\\x \r\n{a}", 0, 10, true, -1},        // the brace must stand on the line
        {"\\x \r\n{a}", 0, 10, false, 5}, {"\\x   {a}", 0, 5, false, -1},          // beyond reach
    };
    for (const Case& c : cases) EXPECT_EQ(braces::findOpen(c.text, c.from, c.limit, c.lineEnd), c.expected) << c.text;
}

TEST(Braces, ClosingBraceCountsNestingAndSkipsTrailBytes)
{
    const std::string theme = "{" + kTe + kBar + kMa + "}{t}";
    EXPECT_EQ(braces::findClose(theme, 0, 100), 7) << "7D inside マ closes nothing";
    EXPECT_EQ(braces::findClose("{a{b}c}", 0, 100), 6);
    EXPECT_EQ(braces::findClose("{" + kBo + "}", 0, 100), 3) << "7B inside ボ opens nothing";
    EXPECT_EQ(braces::findClose("{a{b}", 0, 100), -1);
    EXPECT_EQ(braces::findClose("{abc}", 0, 4), -1) << "the limit is exclusive";
    EXPECT_EQ(braces::findClose("{abc}", 0, 5), 4) << "a brace on the text's last byte";
}
