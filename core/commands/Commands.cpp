#include "core/commands/Commands.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/session/Session.h"
#include "platform/Ask.h"

namespace commands {

QString plainCaption(const QString& caption)
{
    QString text = caption;
    const int amp = text.indexOf("(&");
    if (amp >= 0 && text.indexOf(')', amp) == amp + 3) text.remove(amp, 4);
    text.remove('&');
    if (text.endsWith("...")) text.chop(3);
    return text;
}

QAction* Registry::addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                           const QKeySequence& shortcut, int helpContext)
{
    return insertItem(menu, nullptr, name, caption, std::move(handler), shortcut, helpContext);
}

QAction* Registry::insertItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                              std::function<void()> handler, const QKeySequence& shortcut, int helpContext)
{
    auto* item = new QAction(caption, menu ? static_cast<QObject*>(menu) : owner_);
    item->setObjectName(name);
    if (!shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    if (menu) menu->insertAction(before, item);
    if (handler) {
        QObject::connect(item, &QAction::triggered, item, [h = std::move(handler)](bool) { ask::guard(h); });
    }
    if (!name.isEmpty()) {
        items_.insert(name, item);
        if (helpContext) helpContexts_.insert(name, helpContext);
    }
    return item;
}

QAction* Registry::addToolButton(QToolBar* bar, const QString& name, const QString& hint, const QString& iconText,
                                 std::function<void()> handler, bool checkable)
{
    auto* button = new QAction(iconText.isEmpty() ? plainCaption(hint) : iconText, bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setCheckable(checkable);
    bar->addAction(button);
    if (handler) {
        QObject::connect(button, &QAction::triggered, button, [h = std::move(handler)](bool) { ask::guard(h); });
    }
    if (!name.isEmpty()) items_.insert(name, button);
    return button;
}

QAction* bind(Session& session, std::span<const Row> rows)
{
    QAction* last = nullptr;
    for (const Row& row : rows) {
        QMenu* menu = session.commands.menu(QString::fromLatin1(row.menu));
        if (!row.name || !*row.name) {
            if (menu) menu->addSeparator();
            continue;
        }
        std::function<void()> handler;
        if (row.handler) handler = [&session, h = row.handler] { h(session); };
        last = session.commands.addItem(menu, QString::fromLatin1(row.name), QString::fromUtf8(row.caption),
                                        std::move(handler), QKeySequence(row.shortcut), row.helpContext);
    }
    return last;
}

}  // namespace commands
