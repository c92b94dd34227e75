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

constexpr int kGreekHelpContext = 7080;

}  // namespace mathpickers
