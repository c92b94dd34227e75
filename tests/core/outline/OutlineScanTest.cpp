// The outline's heading scanner over CP932 bytes.
#include "core/outline/OutlineScan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/search/Braces.h"
#include "platform/Cp932.h"

namespace {

std::string sj(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

struct Heading {
    int kind;
    int depth;
    std::string title;
    bool operator==(const Heading&) const = default;
};

std::vector<Heading> outlineOf(const std::string& text)
{
    std::vector<Heading> result;
    for (const FinalDataStruct& h : outline::ScanHeadings(text)) result.push_back({h.kind, h.depth, h.title});
    return result;
}

struct Case {
    const char* name;
    std::string text;
    std::vector<Heading> expected;
};

TEST(OutlineScan, HeadingsKindsAndLevels)
{
    const std::string longTitle(256, 'x');
    const Case cases[] = {
        {"siblings with a child",
         "\\section{A}\r\n\\subsection{B}\r\n\\section{C}\r\n",
         {{2, 0, "A"}, {3, 1, "B"}, {2, 0, "C"}}},
        {"skipped levels take no room",
         "\\subsection{X}\r\n\\chapter{Y}\r\n\\section{Z}\r\n",
         {{3, 0, "X"}, {1, 0, "Y"}, {2, 1, "Z"}}},
        {"a part keeps a later chapter below it",
         "\\part{P}\r\n\\subsection{X}\r\n\\chapter{Y}\r\n\\paragraph{Q}",
         {{0, 0, "P"}, {3, 1, "X"}, {1, 1, "Y"}, {5, 2, "Q"}}},
        {"starred form", "\\section*{S}\r\n", {{2, 0, "S"}}},
        {"longer command passed over", "\\sectionmark{M}\\section2{N}\r\n", {}},
        {"brace on the next line", "\\section\r\n{A}\r\n", {}},
        {"blanks before the brace", "\\section  {A}", {{2, 0, "A"}}},
        {"title of 256 bytes", "\\section{" + longTitle + "}\r\n", {}},
        {"title of 255 bytes", "\\section{" + longTitle.substr(1) + "}\r\n", {{2, 0, longTitle.substr(1)}}},
        {"unclosed title", "\\section{A\r\n", {}},
        {"nested braces", "\\section{a{\\bf b}c}", {{2, 0, "a{\\bf b}c"}}},
        // 0x83 0x7D is a whole character whose trail byte is "}".
        {"closing-brace trail byte", sj("\\section{マ}"), {{2, 0, sj("マ")}}},
        // 0x83 0x5C: the trail byte is no backslash.
        {"backslash trail byte", sj("ソsection{A}表section{B}"), {}},
        {"escaped double-byte character", sj("\\ソsection{B}"), {}},
        {"escaped backslash", "\\\\section{B}", {}},
        {"comments are not skipped", "%\\section{C}\r\n", {{2, 0, "C"}}},
        {"command at the very end", "\\section", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(outlineOf(c.text), c.expected) << c.name;
}

// The scan walks the text once for all seven commands; it must find exactly
// what a walk per command finds.  This is that walk, kept as the reference.
std::vector<FindDataStruct> findByOwnWalk(std::string_view text, std::string_view command)
{
    std::vector<FindDataStruct> hits;
    const int length = int(text.size()), commandLength = int(command.size());
    int p = 0;
    while (p < length) {
        const char c = text[p];
        if (cp932::isLeadByte(c)) {
            p += 2;
            continue;
        }
        if (c != '\\') {
            ++p;
            continue;
        }
        if (p + commandLength > length) break;
        if (text.substr(p, commandLength) != command) {
            p += 1 + (p + 1 < length && cp932::isLeadByte(text[p + 1]) ? 2 : 1);
            continue;
        }
        const int end = p + commandLength;
        if (end >= length) break;
        const char next = text[end];
        if ((next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') || (next >= '0' && next <= '9')) {
            p = end;
            continue;
        }
        const int brace = braces::findOpen(text, end, end + 128, true);
        const int close = brace < 0 ? -1 : braces::findClose(text, brace, brace + 257);
        if (close < 0) {
            p = end;
            continue;
        }
        hits.push_back({p, brace, close, std::string(text.substr(brace + 1, close - brace - 1))});
        p = close + 1;
    }
    return hits;
}

TEST(OutlineScan, OneWalkFindsWhatAWalkPerCommandFinds)
{
    // Pieces that stress the walk: escapes, double-byte characters with a
    // 0x5C trail byte, titles holding other commands, unclosed braces.
    const std::vector<std::string> pieces = {"\\section{A}",
                                             "\\part{",
                                             "}",
                                             "\\\\",
                                             "\\",
                                             "\x95\\",
                                             sj("表"),
                                             "\\subsection{\\part{x}}",
                                             "\\chapter*{",
                                             "\\sectionx",
                                             "{",
                                             " ",
                                             "\r\n",
                                             "\\paragraph{\x83\x7d}",
                                             "\\subparagraph",
                                             "a"};
    unsigned seed = 12345;
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 40; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % pieces.size()];
        }
        for (std::string_view command : outline::kOutlineCommands) {
            const auto walked = outline::FindCommand(text, command);
            std::vector<int> starts, ownStarts;
            for (const auto& h : walked) starts.push_back(h.start);
            for (const auto& h : findByOwnWalk(text, command)) ownStarts.push_back(h.start);
            ASSERT_EQ(starts, ownStarts) << command << " in " << text;
        }
    }
}

TEST(OutlineScan, PositionsAreByteOffsets)
{
    const std::string text = sj("日本\r\n\\chapter*{章}");
    const auto hits = outline::FindCommand(text, "\\chapter");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].start, 6);
    EXPECT_EQ(hits[0].bracePos, 15);
    EXPECT_EQ(hits[0].closePos, 18);
    EXPECT_EQ(hits[0].title, sj("章"));
}

TEST(OutlineScan, LimitsAndStop)
{
    std::string many;
    for (int i = 0; i < 1100; ++i) many += "\\section{s}\r\n";
    EXPECT_EQ(outline::FindCommand(many, "\\section").size(), size_t(outline::kMaxCommandHits));

    std::string all;
    for (int i = 0; i < 1000; ++i) all += "\\part{a}\\chapter{b}\\section{c}\\subsection{d}\\paragraph{e}";
    bool complete = true;
    EXPECT_EQ(outline::ScanHeadings(all, {}, nullptr, &complete).size(), size_t(outline::kMaxHeadings));
    EXPECT_FALSE(complete);

    // Past one command's limit the outline ends in front of its first
    // heading left out: a later chapter would sit over a gap.
    std::string sections;
    for (int i = 0; i < outline::kMaxCommandHits; ++i) sections += "\\section{s}\r\n";
    sections += "\\chapter{before}\r\n\\section{left out}\r\n\\chapter{after}\r\n";
    const auto cut = outline::ScanHeadings(sections, {}, nullptr, &complete);
    EXPECT_FALSE(complete);
    ASSERT_EQ(cut.size(), size_t(outline::kMaxCommandHits) + 1);
    EXPECT_EQ(cut.back().title, "before");
    outline::ScanHeadings("\\section{a}", {}, nullptr, &complete);
    EXPECT_TRUE(complete);

    bool stopped = false;
    EXPECT_TRUE(outline::ScanHeadings(
                    many, [] { return true; }, &stopped)
                    .empty());
    EXPECT_TRUE(stopped);
}

}  // namespace
