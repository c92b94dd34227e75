// Every key of the main window belongs to one enabled action: Qt fires
// neither of two live actions that share a key in one context, so a clash
// silently kills both commands.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <map>

#include "tests/app/AppFixture.h"
#include "platform/RichEdit.h"

using namespace apptest;

namespace {

// Whether Qt would offer the action's window shortcut in this window: it is
// shown by a widget of the window, or sits in a menu that is itself reachable
// from one (a pop-up that hangs nowhere never fires its keys).
bool reachesWindow(QAction* action, QWidget* window, QSet<QAction*>& seen)
{
    if (seen.contains(action)) return false;
    seen.insert(action);
    for (QObject* object : action->associatedObjects()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget) continue;
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            if (reachesWindow(menu->menuAction(), window, seen)) return true;
            continue;
        }
        if (widget->window() == window) return true;
    }
    return false;
}

// Every action the window can reach: menu bar and its sub-menus, tool bars
// and their drop-downs, actions added to any widget of the window, and the
// pop-up menus it owns.
QList<QAction*> allActions(QWidget* window)
{
    QList<QAction*> found;
    QSet<QAction*> known;
    std::function<void(QAction*)> visit = [&](QAction* a) {
        if (!a || known.contains(a)) return;
        known.insert(a);
        found << a;
        if (QMenu* sub = a->menu())
            for (QAction* child : sub->actions()) visit(child);
    };
    for (QAction* a : window->actions()) visit(a);
    for (QWidget* w : window->findChildren<QWidget*>())
        for (QAction* a : w->actions()) visit(a);
    for (QAction* a : window->findChildren<QAction*>()) visit(a);
    return found;
}

QString describe(QAction* a) { return (a->objectName().isEmpty() ? a->text() : a->objectName()); }

class ShortcutsTest : public AppTest {};

}  // namespace

TEST_F(ShortcutsTest, NoTwoEnabledActionsShareAKeyInOneContext)
{
    TForm1& f = start();
    f.show();
    QCoreApplication::processEvents();

    // context -> key -> actions; widget-bound keys are told apart by widget.
    std::map<QString, std::map<QString, QStringList>> keys;
    int withKeys = 0;
    for (QAction* a : allActions(&f)) {
        if (!a->isEnabled() || a->shortcuts().isEmpty()) continue;
        QString context;
        switch (a->shortcutContext()) {
            case Qt::ApplicationShortcut:
            case Qt::WindowShortcut: {
                QSet<QAction*> seen;
                if (!reachesWindow(a, &f, seen)) continue;
                context = "window";
                break;
            }
            default:
                for (QObject* o : a->associatedObjects())
                    context += QString::number(reinterpret_cast<quintptr>(o), 16) + ";";
                break;
        }
        ++withKeys;
        for (const QKeySequence& key : a->shortcuts())
            keys[context][key.toString(QKeySequence::PortableText)] << describe(a);
    }
    EXPECT_GT(withKeys, 10) << "the walk found too few keyed actions to mean anything";

    for (const auto& [context, byKey] : keys)
        for (const auto& [key, names] : byKey)
            EXPECT_EQ(names.size(), 1) << key.toStdString() << " is shared by " << names.join(", ").toStdString();
}

TEST_F(ShortcutsTest, CtrlPReachesTheBreakItemAndPrintHasNoKey)
{
    TForm1& f = start();
    f.show();
    QApplication::setActiveWindow(&f);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.Item("MenuFilePrint")->shortcut().isEmpty());

    int fired = 0;
    QAction* danraku = f.Item("MenuInsertDanraku");
    ASSERT_NE(danraku, nullptr);
    QObject::connect(danraku, &QAction::triggered, [&] { ++fired; });
    // The handler opens a dialog; the script cancels it.
    script().onDialog([](QDialog&) { return QDialog::Rejected; });
    QTest::keyClick(f.RichEdit, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(fired, 1);
}
