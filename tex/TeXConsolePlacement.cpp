#include "tex/TeXConsolePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

#include "core/session/Session.h"
#include "core/settings/Keys.h"

namespace consoleplace {

namespace {

QRect clampInto(QRect r, const QRect& area)
{
    if (!area.isValid()) return r;
    r.moveLeft(std::clamp(r.left(), area.left(), std::max(area.left(), area.right() - r.width() + 1)));
    r.moveTop(std::clamp(r.top(), area.top(), std::max(area.top(), area.bottom() - r.height() + 1)));
    return r;
}

// Stores the window's geometry when the user closes it, and when the main
// window goes (which takes the output window with it, shown or not).
class Keeper : public QObject {
public:
    // The store is taken now: the main window's members are gone by the
    // time its destruction hides this window.
    Keeper(Session& s, QWidget& window) : QObject(&window), store_(s.Settings()), window_(window)
    {
        window.installEventFilter(this);
        if (s.mainWindow) s.mainWindow->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && (watched == &window_ || window_.isVisible()))
            storeGeometry(store_, window_.geometry());
        return QObject::eventFilter(watched, event);
    }

private:
    settings::Store store_;
    QWidget& window_;
};

}  // namespace

QRect firstPlace(const QRect& mainFrame, const QRect& menuBar, const QRect& caret, const QSize& size,
                 const QRect& available)
{
    const QRect at(QPoint(0, 0), size);
    auto fits = [&](const QRect& r) { return !available.isValid() || available.contains(r); };
    // Beside the main window, nearest its left edge or top.
    const QRect beside[] = {
        at.translated(mainFrame.left(), mainFrame.bottom() + 1),
        at.translated(mainFrame.right() + 1, mainFrame.top()),
        at.translated(mainFrame.left() - size.width(), mainFrame.top()),
        at.translated(mainFrame.left(), mainFrame.top() - size.height()),
    };
    for (QRect r : beside) {
        r = clampInto(r, available);
        if (fits(r) && !r.intersects(mainFrame)) return r;
    }
    // Over the main window: the screen's bottom, or the room just below the
    // menu bar, whichever keeps off the caret.
    const QRect area = available.isValid() ? available : mainFrame;
    const QRect bottom =
        clampInto(at.translated(area.right() - size.width() + 1, area.bottom() - size.height() + 1), area);
    const QRect top = clampInto(at.translated(area.right() - size.width() + 1, menuBar.bottom() + 1), area);
    for (const QRect& r : {bottom, top})
        if (!r.intersects(menuBar) && !r.intersects(caret)) return r;
    return bottom.intersects(menuBar) ? top : bottom;
}

std::optional<QRect> storedGeometry(Session& s) { return storedGeometry(s.Settings()); }

std::optional<QRect> storedGeometry(const settings::Store& store)
{
    // Never stored yet, the geometry reads as an empty rectangle.  Values
    // far beyond every screen (a damaged file) are no geometry either, and
    // are refused before a rectangle's edges are reckoned from them.
    const int left = store.read(key::TeXWindowLeft), top = store.read(key::TeXWindowTop);
    const int width = store.read(key::TeXWindowWidth), height = store.read(key::TeXWindowHeight);
    constexpr int kFar = 1 << 20;
    for (const int v : {left, top, width, height})
        if (v < -kFar || v > kFar) return std::nullopt;
    const QRect r(left, top, width, height);
    if (r.width() < 100 || r.height() < 60) return std::nullopt;
    for (QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r)) return r;
    return std::nullopt;
}

void storeGeometry(const settings::Store& store, const QRect& geometry)
{
    settings::Batch batch;
    store.write(key::TeXWindowLeft, geometry.left());
    store.write(key::TeXWindowTop, geometry.top());
    store.write(key::TeXWindowWidth, geometry.width());
    store.write(key::TeXWindowHeight, geometry.height());
    batch.commit();
}

void placeAndRemember(Session& s, QWidget& window)
{
    if (std::optional<QRect> stored = storedGeometry(s)) {
        window.setGeometry(*stored);
    } else if (QWidget* main = s.mainWindow) {
        QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        QRect menuBar;
        if (auto* frame = qobject_cast<QMainWindow*>(main))
            menuBar = QRect(frame->menuBar()->mapToGlobal(QPoint(0, 0)), frame->menuBar()->size());
        const QRect caret(s.RichEdit->viewport()->mapToGlobal(s.RichEdit->cursorRect().topLeft()),
                          s.RichEdit->cursorRect().size());
        // The frame's margins are not known before the window is shown; the
        // main window's stand in for them.
        const QRect g = main->geometry(), f = main->frameGeometry();
        const QMargins frame(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
        const QRect place = firstPlace(f, menuBar, caret, window.size().grownBy(frame), available);
        window.setGeometry(place.marginsRemoved(frame));
    }
    new Keeper(s, window);
}

}  // namespace consoleplace
