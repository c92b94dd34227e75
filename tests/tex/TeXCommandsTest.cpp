#include <gtest/gtest.h>

#include "tex/TeXCommands.h"

TEST(TeXCommands, PassDecisionFromTheText)
{
    struct Case {
        const char* text;
        bool ignoreCase;
        int passes;
        bool mendex, bibtex;
    } cases[] = {
        {"\\section{a}", false, 1, false, false},
        {"\\makeindex \\bibliography{x}", false, 3, true, true},
        {"\\makeindex", false, 3, true, false},
        {"\\bibliographystyle{x}", false, 3, false, true},
        {"\\label{a}", false, 3, false, false},
        {"\\refstepcounter", false, 3, false, false},
        {"\\citep{x}", false, 3, false, false},
        {"\\begin{thebibliography}", false, 3, false, false},
        {"\\tableofcontents", false, 3, false, false},
        {"\\pageref{a}", false, 3, false, false},
        {"\\Label{a}", false, 1, false, false},
        {"\\Label{a}", true, 3, false, false},
        {"\\MakeIndex", true, 1, false, false},  // only the triggers ignore case
        {"\\Bibliography{x}", true, 1, false, false},
        // What a comment holds asks for nothing.
        {"%\\bibliography{x}\r\n% \\makeindex \\label{a}", true, 1, false, false},
        {"\\% \\makeindex", false, 3, true, false},
        // A trail byte that is an ASCII letter does not start a match.
        {"\x83\x5c"
         "label",
         true, 1, false, false},
    };
    for (const Case& c : cases) {
        PassDecision d = decidePasses(c.text, c.ignoreCase);
        EXPECT_EQ(d.passes, c.passes) << c.text;
        EXPECT_EQ(d.runMendex, c.mendex) << c.text;
        EXPECT_EQ(d.runBibTeX, c.bibtex) << c.text;
    }
}

TEST(TeXCommands, OnlyTeXSourcesWithoutBlanksInTheirNames)
{
    struct Case {
        const char* name;
        bool accepted;
    } cases[] = {
        {"/home/u/doc.tex", true},    {"/home/u/DOC.TEX", true},     {"/home/u/a.INS", true},
        {"/home/u/a.dtx", true},      {"/home/u/a.txt", false},      {"/home/u/a", false},
        {"/home/u/a.tex.bak", false}, {"/home/u/my doc.tex", false}, {"/home/my folder/doc.tex", true},
    };
    for (const Case& c : cases) EXPECT_EQ(teXTargetError(c.name).isEmpty(), c.accepted) << c.name;
    EXPECT_EQ(teXTargetError("/a/b.txt"),
              "/a/b.txt\r\n\r\n拡張子が tex, dtx, ins 以外のファイルは、TeX処理できません。");
    EXPECT_TRUE(teXTargetError("/a/b c.tex").startsWith("/a/b c.tex\r\n\r\nファイル名が半角空白を含んでいるので"));
}
