#pragma once
// The math symbol picker families: each a table of entries with its dialog,
// menu item, tool button and pop-up, read by the generic picker code in
// core/insertion.
#include "core/insertion/Picker.h"

namespace mathpickers {

// Greek letters and function names.
extern const picker::Family kSmallGreek;
extern const picker::Family kVariantGreek;
extern const picker::Family kLargeGreek;
extern const picker::Family kMathFunction;

// Operators, relations and symbols.
extern const picker::Family kMathSymbol;
extern const picker::Family kBinaryOperator;
extern const picker::Family kRelation;

// Large operators, math accents, dots and arrows.
extern const picker::Family kLargeOperator;
extern const picker::Family kSmallAccent;
extern const picker::Family kBigAccent;
extern const picker::Family kDots;
extern const picker::Family kArrow;

constexpr int kGreekHelpContext = 7080;

}  // namespace mathpickers
