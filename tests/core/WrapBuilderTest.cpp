#include <gtest/gtest.h>

#include "core/WrapBuilder.h"

TEST(WrapBuilder, InlineCommandWithAndWithoutSelection)
{
    const std::string hyouji = "\x95\x5c\x8e\xa6";
    auto bare = wrap::inlineCommand({}, "\\underline{", "}");
    EXPECT_EQ(bare.text, "\\underline{}");
    EXPECT_EQ(bare.caretBack, 1);

    auto wrapped = wrap::inlineCommand({4, hyouji, true}, "\\underline{", "}");
    EXPECT_EQ(wrapped.text, "\\underline{" + hyouji + "}");
    EXPECT_EQ(wrapped.caretBack, 0);

    // A longer suffix: the caret goes back by all of it.
    EXPECT_EQ(wrap::inlineCommand({}, "\\textbf{", "}x\r\n").caretBack, 4);
    // Selections spanning lines are wrapped whole, breaks included.
    EXPECT_EQ(wrap::inlineCommand({3, "a\r\n", false}, "{", "}").text, "{a\r\n}");
}

TEST(WrapBuilder, TemplateKeepsItsCountAfterALeadingBreak)
{
    auto atStart = wrap::templateText({0, {}, false}, "\\author{}\r\n", 3);
    auto midLine = wrap::templateText({0, {}, true}, "\\author{}\r\n", 3);
    EXPECT_EQ(atStart.text, "\\author{}\r\n");
    EXPECT_EQ(midLine.text, "\r\n\\author{}\r\n");
    EXPECT_EQ(midLine.caretBack, 3);
    // Moved back 3 the caret stands between the braces.
    EXPECT_EQ(midLine.text[midLine.text.size() - 3], '}');
}
