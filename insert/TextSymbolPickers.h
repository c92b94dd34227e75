#pragma once
// The text-mode pickers: accents put round the selection and special
// characters, each a table read by the generic picker code in core/insertion.
#include "core/insertion/Picker.h"

namespace textpickers {

extern const picker::Family kAccent;
extern const picker::Family kSpecialChar;

}  // namespace textpickers
