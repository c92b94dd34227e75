#pragma once
// Footnotes and marginal notes as pure functions of the note text (CP932
// bytes) and the size choice.
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace footnotes {

// \footnote{text}; an empty note leaves the caret between the braces.
wrap::Insertion footnote(const std::string& text);
// \marginpar{text}, in footnote size for size 1; an empty note leaves the
// caret before the closing brace.
wrap::Insertion marginpar(const std::string& text, int size);

}  // namespace footnotes
