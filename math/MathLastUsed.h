#pragma once
// The choices the math dialogs and symbol pickers remember for the life of
// the session.  Never written to the settings store: every program start
// begins from these values.  Kept as a part of the session
// (s.part<math::MathLastUsed>()); the text insertions keep theirs apart.
#include <cstdint>

namespace math {

struct MathLastUsed {
    // math space, math font
    int LastMathSpace = 0;
    int LastMathFont = 0;
    // small and capital Greek letters
    int LastSmallGreek = 0;
    int LastLargeGreek = 0;
    // text-to-matrix conversion
    int ArrayConvBracket = 0;
    int ArrayConvAlign = 1;
    int ArrayConvSeparator = 0;
    bool ArrayConvVRules = false;
    bool ArrayConvHRules = false;
    // root: degree, whether the square root was chosen
    int16_t LastRootDegree = 3;
    bool LastRootSquare = true;
    // matrix
    int ArrayBracket = 0;
    int ArrayAlign = 1;
    int16_t ArrayRows = 2;
    int16_t ArrayColumns = 2;
    bool ArrayVRules = false;
    bool ArrayHRules = false;
    // the math picker families
    int LastMathInt = 0;
    int LastMathKigou = 0;
    int LastMathEnzansi = 0;
    int LastMathKankeisi = 0;
    int LastMathArrow = 0;
    int LastMathOmission = 0;
    int LastMathFunction = 0;
    int LastMathSmallAccent = 0;
    int LastMathBigAccent = 0;
    // subscript and superscript lists
    int LastUpDownSub = 0;
    int LastUpDownSup = 0;
};

}  // namespace math
