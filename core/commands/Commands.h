#pragma once
// The window's commands by component name: menu items, tool buttons and
// pop-up items, the menus and tool bars they live in, and the help context
// of each.  Every handler runs behind the one exception boundary.
#include <QHash>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <span>

class QAction;
class QMenu;
class QObject;
class QToolBar;
class Session;

namespace commands {

// The visible face of a command without its icon: "検索(&S)..." -> "検索".
QString plainCaption(const QString& caption);

class Registry {
public:
    // Actions without a menu or bar are parented to the owner.
    void setOwner(QObject* owner) { owner_ = owner; }

    QAction* item(const QString& name) const { return items_.value(name, nullptr); }
    int helpContextOf(const QString& itemName) const { return helpContexts_.value(itemName, 0); }
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                     const QKeySequence& shortcut = {}, int helpContext = 0);
    // Inserts before another action of the same menu (nullptr appends).
    QAction* insertItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                        std::function<void()> handler, const QKeySequence& shortcut = {}, int helpContext = 0);
    QAction* addToolButton(QToolBar* bar, const QString& name, const QString& hint, const QString& iconText,
                           std::function<void()> handler, bool checkable = false);

    void setMenu(const QString& name, QMenu* menu) { menus_.insert(name, menu); }
    QMenu* menu(const QString& name) const { return menus_.value(name, nullptr); }
    void setToolBar(const QString& name, QToolBar* bar) { bars_.insert(name, bar); }
    QToolBar* toolBar(const QString& name) const { return bars_.value(name, nullptr); }

private:
    QObject* owner_ = nullptr;
    QHash<QString, QAction*> items_;
    QHash<QString, int> helpContexts_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QToolBar*> bars_;
};

// One menu item as plain data: the menu it goes in (by name), its name,
// caption, shortcut, help context and handler.  A separator row has an
// empty name and no handler.
struct Row {
    const char* menu;
    const char* name;
    const char* caption;
    void (*handler)(Session&);
    QKeyCombination shortcut = {};
    int helpContext = 0;
};

// Adds the rows in order; returns the last item added.
QAction* bind(Session& session, std::span<const Row> rows);

}  // namespace commands
