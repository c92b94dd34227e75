#pragma once
// Reading the command line: the last parameter names the document, and with
// two or more parameters the first may be the line switch "/j<n>" (or "/J<n>").
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace cmdline {
// The parameters of the program's command line (after its own name), as
// the system gives them: none is taken as a switch of Qt's.
QStringList parametersOf(int argc, const char* const* argv);
// The document path of a parameter: native, with a leading "~" standing for
// the home folder.
QString documentPath(const QString& parameter);
// The line number of a "/j" switch: the switch letter followed by a decimal
// number of at least 1.  Anything else ("/jobs/x.tex", "/j", "/j0", "/j-3",
// "/j 12", a number too large for an int) is no switch.
std::optional<int> jumpSwitchLine(const QString& parameter);
// The line to jump to for the whole parameter list (the switch counts only
// when a file follows it).
std::optional<int> jumpLine(const QStringList& parameters);
}  // namespace cmdline

namespace placement {
// The stored window rectangle moved and shrunk so that it lies wholly within
// the available screen area; a rectangle without size gets the default size.
// The values come from the settings file as any int, so each is brought into
// a range far beyond every screen before a rectangle is made of them; with
// no screen known that bounded rectangle is the answer.
QRect clampToScreen(int left, int top, int width, int height, const QRect& available);
}  // namespace placement
