#include <gtest/gtest.h>

#include "insert/StructureBuilder.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"

using structure::environments;
using structure::headingText;
using structure::listText;
using wrap::EditorState;

namespace {

// "表示" in CP932: the trail byte of the first character is 0x5C, the
// backslash, which no builder may take for a command.
const std::string kHyouji = "\x95\x5c\x8e\xa6";

EditorState selection(const std::string& text, bool midLine = false) { return {int(text.size()), text, midLine}; }
EditorState caretOnly(bool midLine) { return {0, {}, midLine}; }

using testsupport::sjis;

}  // namespace

TEST(ListBuilder, SelectedLinesBecomeItemsWithoutTrailingBreak)
{
    const auto& itemize = structure::list(structure::Itemize);
    auto out = listText(itemize, selection("a\r\nb\r\nc"));
    EXPECT_EQ(out.text, "\\begin{itemize}\r\n  \\item a\r\n  \\item b\r\n  \\item c\r\n\\end{itemize}");
    EXPECT_EQ(out.caretBack, 0);

    // A selection ending with its line break gives no empty item.
    EXPECT_EQ(listText(itemize, selection("a\r\nb\r\n")).text,
              "\\begin{itemize}\r\n  \\item a\r\n  \\item b\r\n\\end{itemize}");
    // An empty line in between gives an empty item; mid-line a break comes first.
    EXPECT_EQ(listText(structure::list(structure::Description), selection(kHyouji + "\r\n\r\nb", true)).text,
              "\r\n\\begin{description}\r\n  \\item[] " + kHyouji +
                  "\r\n  \\item[] \r\n  \\item[] b\r\n"
                  "\\end{description}");
}

TEST(ListBuilder, TemplatesPutTheCaretAtThePlaceholder)
{
    for (auto kind : {structure::Itemize, structure::Enumerate, structure::Description}) {
        const auto& list = structure::list(kind);
        for (bool midLine : {false, true}) {
            SCOPED_TRACE(std::string(list.menuItem) + (midLine ? " mid-line" : " line start"));
            auto out = listText(list, caretOnly(midLine));
            const std::string body = sjis(list.placeholderTemplate);
            EXPECT_EQ(out.text, (midLine ? "\r\n" : "") + body);
            ASSERT_LE(out.caretBack, int(out.text.size()));
            const size_t caret = out.text.size() - size_t(out.caretBack);
            if (kind == structure::Description) {
                EXPECT_EQ(out.text.substr(caret - 1, 2), "[]");
            } else {
                // The placeholder counts two positions per double-byte character.
                EXPECT_EQ(out.text.substr(caret), sjis("%ここに項目を書く\r\n") + list.closing);
            }
        }
    }
    EXPECT_EQ(sjis(structure::list(structure::Itemize).placeholderTemplate).size(), 57u);
}

TEST(EnvironmentBuilder, EveryEnvironmentLeavesTheCaretOnTheEmptyLine)
{
    for (const auto& env : environments()) {
        SCOPED_TRACE(env.menuItem);
        const std::string closing = env.closing;
        EXPECT_EQ(env.caretBack, int(closing.size()) + 1);
        for (bool midLine : {false, true}) {
            auto out = environmentText(env, caretOnly(midLine));
            EXPECT_EQ(out.text, (midLine ? "\r\n" : "") + std::string(env.opening) + closing);
            EXPECT_EQ(out.caretBack, env.caretBack) << "the leading break must not change the count";
            // The count lands between the CR and the LF after the opening
            // line; the caret belongs after the LF, on the empty line.
            const size_t caret = out.text.size() - size_t(out.caretBack);
            EXPECT_EQ(out.text.substr(caret - 1, 2), "\r\n");
            EXPECT_EQ(out.side, BreakSide::AfterLF);
            EXPECT_EQ(out.text.substr(caret + 1), closing);
        }
        auto wrapped = environmentText(env, selection(kHyouji + "\r\n"));
        EXPECT_EQ(wrapped.text, std::string(env.opening) + kHyouji + "\r\n" + closing);
        EXPECT_EQ(wrapped.caretBack, 0);
    }
}

TEST(EnvironmentBuilder, SendersChooseTheirRow)
{
    struct Case {
        const char* sender;
        const char* opening;
    };
    const Case cases[] = {
        {"ToolButtonShoLeft", "\\begin{flushleft}\r\n"},
        {"ToolButtonShoRight", "\\begin{flushright}\r\n"},
        {"PopupVerbatim", "\\begin{verbatim}\r\n"},
        {"MenuFormatVerse", "\\begin{verse}\r\n"},
    };
    for (const Case& c : cases) {
        const auto* env = structure::environmentBySender(c.sender);
        ASSERT_NE(env, nullptr) << c.sender;
        EXPECT_STREQ(env->opening, c.opening) << c.sender;
    }
    EXPECT_EQ(structure::environmentBySender(""), nullptr);
    EXPECT_EQ(structure::environmentBySender("MenuFormatItemize"), nullptr);
}

TEST(HeadingBuilder, TypedSelectedAndEmptyTitles)
{
    const auto* section2 = structure::headingByTag(9);
    ASSERT_NE(section2, nullptr);
    auto typed = headingText(*section2, kHyouji, false);
    EXPECT_EQ(typed.text, "\\section*{" + kHyouji + "}\r\n");
    EXPECT_EQ(typed.caretBack, 0);

    auto empty = headingText(*section2, "", false);
    EXPECT_EQ(empty.text, "\\section*{}\r\n");
    EXPECT_EQ(empty.text.substr(empty.text.size() - size_t(empty.caretBack), 1), "}");

    auto selected = headingText(*structure::headingByTag(0), "a\r\nb", true);
    EXPECT_EQ(selected.text, "\\part{a\r\nb}\r\n");
    EXPECT_EQ(selected.caretBack, 0);

    EXPECT_EQ(structure::headingByTag(-1), nullptr);
    EXPECT_EQ(structure::headingByTag(14), nullptr);
}
