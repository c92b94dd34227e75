#include <gtest/gtest.h>

#include "math/MathLastUsed.h"
#include "tests/support/StartValues.h"

// One row per math command that keeps remembered choices, with the start
// values the session's record gives them.
TEST(MathLastUsed, StartValuesFollowTheTable)
{
    const math::MathLastUsed l;
    auto v = [] { return testsupport::StartValues{}; };
    struct Row {
        const char* handler;
        std::string actual;
        const char* expected;
    };
    const Row rows[] = {
        {"MenuMathSpaceClick, MenuMathFontClick", (v() << l.LastMathSpace << l.LastMathFont).text, "0, 0"},
        {"MenuMathGreeceSmallClick, MenuMathGreeceLargeClick", (v() << l.LastSmallGreek << l.LastLargeGreek).text,
         "0, 0"},
        {"MenuMathArrayChangeClick",
         (v() << l.ArrayConvBracket << l.ArrayConvAlign << l.ArrayConvSeparator << l.ArrayConvVRules
              << l.ArrayConvHRules)
             .text,
         "0, 1, 0, false, false"},
        {"MenuMathRootClick", (v() << int(l.LastRootDegree) << l.LastRootSquare).text, "3, true"},
        {"MenuMathArrayClick",
         (v() << l.ArrayBracket << l.ArrayAlign << int(l.ArrayRows) << int(l.ArrayColumns) << l.ArrayVRules
              << l.ArrayHRules)
             .text,
         "0, 1, 2, 2, false, false"},
        {"the math pickers",
         (v() << l.LastMathInt << l.LastMathKigou << l.LastMathEnzansi << l.LastMathKankeisi << l.LastMathArrow
              << l.LastMathOmission << l.LastMathFunction << l.LastMathSmallAccent << l.LastMathBigAccent)
             .text,
         "0, 0, 0, 0, 0, 0, 0, 0, 0"},
        {"MenuMathUpDownClick, PMMathUpDownClick", (v() << l.LastUpDownSub << l.LastUpDownSup).text, "0, 0"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.actual, row.expected) << row.handler;
}
