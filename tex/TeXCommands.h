#pragma once
// The decisions of the TeX processing commands, apart from the window.
#include <QString>
#include <string_view>

class Session;
class TeXConsole;

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
// processed: only .tex, .dtx and .ins files whose names TeX can take.
QString teXTargetError(const QString& fileName);
// The message that refuses a file whose name TeX cannot take (a blank, a
// quote, "$" and the like), or an empty text.
QString teXNameError(const QString& path);

// Substring search over CP932 text, stepping over double-byte characters;
// what a comment holds is not found.
bool containsText(std::string_view text, std::string_view what, bool ignoreCase);

namespace tex {

// The processing commands: TeX once, the full run, and the full run with
// the output shown (tag: 0 DVI, 1 PDF, 2 PostScript).
void MenuTexOneClick(Session& s);
void MenuTexExeClick(Session& s);
void MenuTexDVIClick(Session& s, int tag);
// The TeX menu as it opens: the parent switch shows the document's flag.
void MenuTexProcessClick(Session& s);
// The output window, made on first use.
TeXConsole* TeXConsoleView(Session& s);
// Ends a running worker (at shutdown, or before its files are deleted)
// without crashing or hanging.
void StopTeXWorker(Session& s);
// The processing items of the TeX menu and the tool bar, and 初期設定.
void buildTeXCommands(Session& s);

}  // namespace tex
