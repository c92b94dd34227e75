#include <gtest/gtest.h>

#include <string>

#include "core/insertion/CommandSearch.h"

namespace {

// 表 is 95 5C: its second byte is a backslash.
const std::string kHyou = "\x95\x5c";

}  // namespace

TEST(CommandSearch, CommentsHideCommandsAsTeXReadsThem)
{
    const std::string cls = "\\documentclass";
    struct Case {
        std::string text;
        int found;
    } cases[] = {
        {"%\\documentclass{jbook}\r\n\\documentclass{jarticle}", 24},
        {"a % b \\documentclass\r\n", -1},
        // An escaped "%" is a character; after "\\" it starts a comment again.
        {"50\\% \\documentclass", 5},
        {"\\\\% \\documentclass\r\n\\\\\\% \\documentclass", 25},
        // The "%" after 表 starts a comment, its 0x5C trail byte escapes nothing,
        // and it does not start a command either.
        {kHyou + "% \\documentclass\r\n" + kHyou + "documentclass \\documentclass", 36},
        // A longer command is another command.
        {"\\documentclassx \\documentclass*", 16},
    };
    for (const Case& c : cases) EXPECT_EQ(commandsearch::find(c.text, cls), c.found) << c.text;

    // A search from inside a commented line stays in the comment.
    const std::string text = "%\\label{a} \\label{b}\r\n\\label{c}";
    EXPECT_EQ(commandsearch::find(text, "\\label", 5), 22);
    EXPECT_EQ(commandsearch::find(text, "\\LABEL", 0, true), 22);
    EXPECT_EQ(commandsearch::find(text, "\\LABEL"), -1);
    // A needle that does not end in a letter may be followed by anything.
    EXPECT_EQ(commandsearch::find("\\begin{document}x", "\\begin{document}"), 0);

    EXPECT_TRUE(commandsearch::inComment("a % b", 4));
    EXPECT_FALSE(commandsearch::inComment("a % b", 2));
    EXPECT_FALSE(commandsearch::inComment("a \\% b", 5));
    EXPECT_TRUE(commandsearch::inComment("%\r\n" + kHyou + "%x", 6));
    EXPECT_FALSE(commandsearch::inComment("%\r\nx", 3));
}
