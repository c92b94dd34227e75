#pragma once
// Where the TeX output window stands: the first time beside the main window
// so that it covers neither the menu bar nor the caret, afterwards where the
// user put it, also in later sessions.
#include <QRect>
#include <optional>

#include "core/settings/Settings.h"

class QWidget;
class Session;

namespace consoleplace {

// The first place of a window of the given size: below the main window, else
// right of it, left of it or above it; when the main window leaves no room
// (maximised), the screen's lower or upper part away from the caret, never
// over the menu bar.  All rectangles are frames in screen coordinates.
QRect firstPlace(const QRect& mainFrame, const QRect& menuBar, const QRect& caret, const QSize& size,
                 const QRect& available);

// The stored geometry of the window, when one was stored and still touches
// a screen.
std::optional<QRect> storedGeometry(Session& s);
std::optional<QRect> storedGeometry(const settings::Store& store);
void storeGeometry(const settings::Store& store, const QRect& geometry);

// Places a new output window and keeps its geometry whenever it is hidden.
void placeAndRemember(Session& s, QWidget& window);

}  // namespace consoleplace
