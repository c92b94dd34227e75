#pragma once
// Labels and references as pure functions of the document text and the
// chosen name and style.  Texts are CP932 bytes; the scans step over whole
// characters, so a trail byte that happens to be a backslash or a brace is
// never taken for one.
#include <string>
#include <vector>

#include "core/insertion/WrapBuilder.h"

namespace refs {

// Every name written in braces after a \label (any letter case) outside
// comments, in document order, duplicates and empty names included.  The "{" is the next one after
// the command, wherever it stands.  An unclosed brace or a name of more than
// 255 characters ends the scan; the names found before it are kept.
std::vector<std::string> labelNames(const std::string& text);

// Whether the document already holds this exact text (case-sensitive)
// outside comments, found at character starts only.
bool contains(const std::string& text, const std::string& needle);

// \label{name}; an empty name leaves the caret between the braces.
wrap::Insertion label(const std::string& name);

// The reference styles: what the list shows and what goes round \ref{...}.
struct Style {
    const char* listText;  // UTF-8
    const char* prefix;    // UTF-8
    const char* suffix;    // UTF-8
};
const std::vector<Style>& refStyles();
const std::vector<Style>& pageRefStyles();

// \ref{name} or \pageref{name} wrapped by the style; an out-of-range style
// counts as the bare reference.  An empty name leaves the caret between the
// braces, ready for the name, whatever follows them.
wrap::Insertion reference(const std::string& name, int style);
wrap::Insertion pageReference(const std::string& name, int style);

}  // namespace refs
