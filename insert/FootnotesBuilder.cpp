#include "insert/FootnotesBuilder.h"

namespace footnotes {

wrap::Insertion footnote(const std::string& text) { return {"\\footnote{" + text + "}", text.empty() ? 1 : 0}; }

wrap::Insertion marginpar(const std::string& text, int size)
{
    return {"\\marginpar{" + std::string(size == 1 ? "\\footnotesize " : "") + text + "}", text.empty() ? 1 : 0};
}

}  // namespace footnotes
