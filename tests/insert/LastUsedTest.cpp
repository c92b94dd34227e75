#include <gtest/gtest.h>

#include "insert/LastUsed.h"
#include "tests/support/StartValues.h"

// One row per command that keeps remembered choices, with the start values
// the session's record gives them.
TEST(LastUsed, StartValuesFollowTheTable)
{
    const insert::LastUsed l;
    auto v = [] { return testsupport::StartValues{}; };
    struct Row {
        const char* handler;
        std::string actual;
        const char* expected;
    };
    const Row rows[] = {
        {"MenuBibRefClick", (v() << l.LastCiteKind).text, "0"},
        {"MenuInsSpcMeijiClick", (v() << l.LastExplicitSpaceKind << int(l.LastExplicitSpaceAmount)).text, "0, 10"},
        {"MenuInsSpcFillClick", (v() << l.LastFillKind << l.LastFillIgnored).text, "0, 0"},
        {"MenuInsSpcDanrakuClick", (v() << l.LastParagraphSpace).text, "0"},
        {"MenuFormatAccentClick", (v() << l.LastAccent).text, "0"},
        {"MenuInsertFigureClick",
         (v() << l.Figure.placement.here << l.Figure.placement.top << l.Figure.placement.bottom
              << l.Figure.placement.page << l.Figure.align << l.Figure.sizeOn << l.Figure.graphics << l.Figure.aspect
              << l.Figure.label << l.Figure.width << l.Figure.height)
             .text,
         "false, true, true, false, 2, false, true, false, true, 100, 100"},
        {"MenuInsertMarginparClick, MenuInsertDanrakuClick, MenuInsertRefClick, MenuInsertPageRefClick",
         (v() << l.LastMarginparSize << l.LastBreakIndex << l.LastRefKind << l.LastPageRefKind).text, "0, 0, 0, 0"},
        {"MenuTableChangeClick",
         (v() << l.TableChange.align << l.TableChange.separator << l.TableChange.placement.here
              << l.TableChange.placement.top << l.TableChange.placement.bottom << l.TableChange.placement.page
              << l.TableChange.verticalRules << l.TableChange.horizontalRules)
             .text,
         "1, 0, true, true, true, true, true, true"},
        {"PopupClineClick", (v() << l.ClineFrom << l.ClineTo).text, "1, 2"},
        {"PopupMulticolumnClick",
         (v() << l.MultiColumnCount << l.MultiColumnLeftRule << l.MultiColumnRightRule << l.MultiColumnAlign).text,
         "1, 0, 0, 1"},
        {"MenuInsTokusyuClick", (v() << l.LastSpecialChar).text, "0"},
        {"MenuTexTableClick",
         (v() << l.Table.placement.here << l.Table.placement.top << l.Table.placement.bottom << l.Table.placement.page
              << l.Table.align << l.Table.rows << l.Table.columns << l.Table.verticalRules << l.Table.horizontalRules)
             .text,
         "false, true, true, false, 1, 2, 2, true, true"},
        {"MenuTexPreUsepackageClick", (v() << l.LastPackageGroup).text, "0"},
        {"MenuFormatFontFamilyClick, MenuFormatFontSeriesClick, MenuFormatFontShapeClick",
         (v() << l.LastFontFamily << l.LastFontFamilyScope << l.LastFontSeries << l.LastFontSeriesScope
              << l.LastFontShape << l.LastFontShapeScope)
             .text,
         "0, 0, 0, 0, 0, 0"},
        {"MenuFormatFontSizeClick", (v() << l.LastFontSize << l.LastFontSizeScope).text, "4, 0"},
        {"MenuTexSakuin2Click",
         (v() << l.LastIndexParent1 << l.LastIndexReading1 << l.LastIndexParent2 << l.LastIndexReading2).text,
         "\"\", \"\", \"\", \"\""},
        {"MenuInsertInputClick", (v() << l.LastInputKind).text, "0"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.actual, row.expected) << row.handler;
}
