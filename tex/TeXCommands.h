#pragma once
// The decisions of the TeX processing commands, apart from the window.
#include <QString>
#include <string_view>

struct PassDecision {
    int passes = 1;
    bool runMendex = false;
    bool runBibTeX = false;
};
// From the document's text: three passes for an index, a bibliography or
// cross-references; the index and bibliography programs when asked for.
// The cross-reference triggers may be matched ignoring ASCII case.
PassDecision decidePasses(std::string_view text, bool triggersIgnoreCase);

// The message that refuses a document, or an empty text when it may be
// processed: only .tex, .dtx and .ins files without blanks in their names.
QString teXTargetError(const QString& fileName);

// Substring search over CP932 text, stepping over double-byte characters.
bool containsText(std::string_view text, std::string_view what, bool ignoreCase);
