#include <gtest/gtest.h>

#include "core/insertion/WrapBuilder.h"

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
