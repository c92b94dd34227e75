// File types, forced extensions, recent files and the colour decision.
#include <gtest/gtest.h>

#include "core/files/FilesLogic.h"

TEST(FileTypes, FilterIndexFromExtension)
{
    struct Case {
        const char* path;
        int index;
    } cases[] = {
        {"/d/a.tex", 1}, {"/d/A.TEX", 1}, {"a.txt", 2},  {"a.bib", 3},           {"a.sty", 4},    {"a.f", 5},
        {"a.FOR", 5},    {"a.c", 6},      {"a.cp", 6},   {"a.cpp", 6},           {"a.plt", 7},    {"a.BAK", 8},
        {"a.bak", 8},    {"a.dtx", 9},    {"README", 9}, {"/dir.tex/README", 9}, {"a.tex.gz", 9},
    };
    for (const Case& c : cases) EXPECT_EQ(files::filterIndexForExt(c.path), c.index) << c.path;
}

TEST(FileTypes, SaveAsForcesTheFilterExtension)
{
    struct Case {
        const char* typed;
        int index;
        const char* saved;
    } cases[] = {
        {"/d/paper", 1, "/d/paper.tex"}, {"/d/paper.TEX", 1, "/d/paper.TEX"}, {"/d/paper.txt", 1, "/d/paper.tex"},
        {"/d/notes", 2, "/d/notes.txt"}, {"/d/refs.tex", 3, "/d/refs.bib"},   {"/d/my.STY", 4, "/d/my.STY"},
        {"/d/prog.for", 5, "/d/prog.f"}, {"/d/prog.F", 5, "/d/prog.F"},       {"/d/main.cpp", 6, "/d/main.c"},
        {"/d/main.C", 6, "/d/main.C"},   {"/d/plot", 7, "/d/plot.plt"},       {"/d/old.tex", 8, "/d/old.BAK"},
        {"/d/old.bak", 8, "/d/old.bak"}, {"/d/any.thing", 9, "/d/any.thing"}, {"/d/noext", 9, "/d/noext"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(files::forceExtension(c.typed, c.index), c.saved) << c.typed << " " << c.index;
}

TEST(FileTypes, DialogFiltersListEveryPattern)
{
    const QStringList f = files::dialogFilters();
    ASSERT_EQ(f.size(), 9);
    EXPECT_EQ(f[0], "TeXﾌｧｲﾙ(*.tex)");
    EXPECT_EQ(f[4], "Fortran(*.f) (*.f *.for)");
    EXPECT_EQ(f[5], "C言語(*.c) (*.c *.cp *.cpp)");
    EXPECT_EQ(f[7], "ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ(*.BAK)");
    // "*.*" would miss files without a dot on this system.
    EXPECT_EQ(f[8], "すべてのﾌｧｲﾙ(*.*) (*)");
}

TEST(RecentFiles, MoveToFrontWithExactComparison)
{
    std::array<QString, 5> r{"a", "b", "c", "d", "e"};
    files::addRecent(r, "a");
    EXPECT_EQ(r, (std::array<QString, 5>{"a", "b", "c", "d", "e"}));
    files::addRecent(r, "b");
    EXPECT_EQ(r, (std::array<QString, 5>{"b", "a", "c", "d", "e"}));
    files::addRecent(r, "e");
    EXPECT_EQ(r, (std::array<QString, 5>{"e", "b", "a", "c", "d"}));
    files::addRecent(r, "new");
    EXPECT_EQ(r, (std::array<QString, 5>{"new", "e", "b", "a", "c"}));
    files::addRecent(r, "E");  // case counts
    EXPECT_EQ(r, (std::array<QString, 5>{"E", "new", "e", "b", "a"}));

    std::array<QString, 5> fresh{};
    files::addRecent(fresh, "/d/x.tex");
    EXPECT_EQ(fresh[0], "/d/x.tex");
    EXPECT_EQ(fresh[1], "");

    EXPECT_EQ(files::recentCaption(1, "/d/x.tex"), "&1 x.tex");
    EXPECT_EQ(files::recentCaption(3, ""), "&3 ");
    EXPECT_EQ(files::recentCaption(2, "/d/R&D.tex"), "&2 R&&D.tex");
}

TEST(ColorDecision, CasesAtTheirBoundaries)
{
    using A = files::ColorAction;
    struct Case {
        const char* path;
        long long n;
        int k;
        bool on, autoOn, autoOff;
        A expected;
    } cases[] = {
        {"a.tex", 256000, 256, true, true, true, A::Recolor},  // N = K x 1000 is not larger
        {"a.tex", 256001, 256, true, true, true, A::SizeOff},
        {"a.tex", 300000, -1, true, true, true, A::Recolor},    // no limit
        {"a.tex", 300000, 256, false, true, true, A::Recolor},  // already off, too large to switch on
        {"a.tex", 256000, 256, false, true, true, A::Recolor},  // N = K x 1000 is not smaller
        {"a.tex", 255999, 256, false, true, true, A::ExtensionOn},
        {"a.TEX", 300000, -1, false, true, true, A::ExtensionOn},
        {"a.bib", 10, 256, false, true, true, A::ExtensionOn},
        {"a.sty", 10, 256, false, false, true, A::Recolor},  // ColAutoOn off
        {"a.dtx", 10, 256, false, true, true, A::Recolor},   // never switched on
        {"a.ins", 10, 256, true, true, true, A::Recolor},    // but not switched off
        {"a.txt", 10, 256, true, true, true, A::ExtensionOff},
        {"README", 10, 256, true, true, true, A::ExtensionOff},
        {"a.txt", 10, 256, true, true, false, A::Recolor},  // ColAutoOff off
        {"a.txt", 10, 256, false, true, true, A::Recolor},
        {"a.txt", 300000, 256, true, true, true, A::SizeOff},  // size comes first
    };
    for (const Case& c : cases) {
        files::ColorInputs in;
        in.path = c.path;
        in.length = c.n;
        in.maxSizeKB = c.k;
        in.autoColor = c.on;
        in.autoOn = c.autoOn;
        in.autoOff = c.autoOff;
        EXPECT_EQ(files::decideColor(in), c.expected) << c.path << " N=" << c.n << " K=" << c.k << " on=" << c.on;
    }
}

TEST(ColorDecision, Messages)
{
    files::ColorInputs in;
    in.path = "/d/paper.tex";
    in.maxSizeKB = 256;
    EXPECT_EQ(files::colorMessage(files::ColorAction::SizeOff, in),
              "開くファイルのサイズが256KByteより大きいので、\r\n解析に時間がかかるため、カラー構文を自動的にオフにしま"
              "した。");
    EXPECT_EQ(files::colorMessage(files::ColorAction::ExtensionOff, in),
              "開くファイルの拡張子が tex, sty, bib, dtx, ins "
              "のどれでもなかったので、\r\nカラー構文を自動的にオフにしました。");
    EXPECT_EQ(files::colorMessage(files::ColorAction::ExtensionOn, in),
              "開くファイルの拡張子が .TEX だったので、\r\nカラー構文を自動的にオンにしました。");
}
