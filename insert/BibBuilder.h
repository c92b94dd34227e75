#pragma once
// The bibliography template and citations of the document's own \bibitem
// entries.  Texts are CP932 bytes with CR LF.
#include <string>
#include <vector>

#include "core/insertion/WrapBuilder.h"

namespace bib {

// The commented thebibliography environment with two sample entries.
std::string templateText();

// The label of every \bibitem (any letter case) outside comments, in document
// order, duplicates included.  An entry whose "{" stands 32 or more positions after
// the command, or whose label is 256 positions or longer, is passed over and
// the scan goes on; a missing brace ends it.
std::vector<std::string> bibitemNames(const std::string& text);

// The citation styles: what the list shows and what goes round \cite{...}.
struct Style {
    const char* listText;  // UTF-8
    const char* prefix;    // UTF-8
    const char* suffix;    // UTF-8
};
const std::vector<Style>& citeStyles();

// \cite{name} wrapped by the style (an out-of-range style is the bare form),
// the caret after it.
wrap::Insertion citation(const std::string& name, int style);

}  // namespace bib
