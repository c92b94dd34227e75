#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <limits>

#include "tests/app/AppFixture.h"
#include "tex/TeXConsole.h"
#include "tex/TeXCommands.h"
#include "tex/TeXConsolePlacement.h"

static void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

TEST(TeXConsolePlacement, BesideTheMainWindowElseAwayFromMenuBarAndCaret)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(640, 400);
    struct Case {
        const char* what;
        QRect main, caret;
        QRect expected;
    };
    const Case cases[] = {
        {"room below", {100, 50, 800, 300}, {150, 150, 2, 16}, {100, 350, 640, 400}},
        {"below clamped to the screen's right edge", {700, 50, 560, 300}, {750, 150, 2, 16}, {640, 350, 640, 400}},
        {"no room below or beside: above", {300, 420, 700, 380}, {350, 500, 2, 16}, {300, 20, 640, 400}},
        {"no room below: right of it", {0, 100, 600, 650}, {50, 200, 2, 16}, {600, 100, 640, 400}},
        {"maximised, caret high: the screen's bottom", {0, 0, 1280, 800}, {100, 100, 2, 16}, {640, 400, 640, 400}},
        {"maximised, caret low: just below the menu bar", {0, 0, 1280, 800}, {900, 700, 2, 16}, {640, 30, 640, 400}},
    };
    for (const Case& c : cases) {
        const QRect menuBar(c.main.left(), c.main.top() + 5, c.main.width(), 25);
        const QRect r = consoleplace::firstPlace(c.main, menuBar, c.caret, size, screen);
        EXPECT_EQ(r, c.expected) << c.what;
        EXPECT_FALSE(r.intersects(menuBar)) << c.what;
        EXPECT_FALSE(r.intersects(c.caret)) << c.what;
    }
}

class TeXConsoleWindowTest : public apptest::AppTest {};

TEST_F(TeXConsoleWindowTest, OpensOffTheMenuBarAndWhereTheUserLeftIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TForm1& f = start();
    f.setGeometry(screen.left(), screen.top(), 300, 120);  // as small as it goes
    f.show();
    QCoreApplication::processEvents();
    TeXConsole* console = tex::TeXConsoleView(f);
    console->show();
    QCoreApplication::processEvents();
    const QRect menuBar(f.menuBar()->mapToGlobal(QPoint(0, 0)), f.menuBar()->size());
    EXPECT_FALSE(console->frameGeometry().intersects(menuBar));
    const QRect caret(f.RichEdit->viewport()->mapToGlobal(f.RichEdit->cursorRect().topLeft()),
                      f.RichEdit->cursorRect().size());
    EXPECT_FALSE(console->frameGeometry().intersects(caret));

    const QRect moved(screen.left() + 30, screen.top() + 290, 500, 260);
    console->setGeometry(moved);
    console->close();
    QCoreApplication::processEvents();

    TForm1& again = start();  // a later session
    again.show();
    TeXConsole* reopened = tex::TeXConsoleView(again);
    EXPECT_EQ(reopened->geometry(), moved);

    // Left open when the program ends: kept all the same.
    reopened->show();
    const QRect last(screen.left() + 40, screen.top() + 300, 520, 240);
    reopened->setGeometry(last);
    again.hide();
    EXPECT_EQ(consoleplace::storedGeometry(again), last);
}

TEST_F(TeXConsoleWindowTest, StoredGeometryAtTheEndsOfTheIntRangeIsNone)
{
    const int kMax = std::numeric_limits<int>::max();
    const int kMin = std::numeric_limits<int>::min();
    TForm1& f = start();
    const settings::Store store = f.Settings();
    const int stored[][4] = {{kMax, 0, 500, 300}, {0, kMax, 500, 300}, {10, 10, kMax, kMax}, {kMin, kMin, 500, 300}};
    for (const auto& s : stored) {
        writeInt("", "TeXWindowLeft", s[0]);
        writeInt("", "TeXWindowTop", s[1]);
        writeInt("", "TeXWindowWidth", s[2]);
        writeInt("", "TeXWindowHeight", s[3]);
        EXPECT_FALSE(consoleplace::storedGeometry(store).has_value()) << s[0] << "," << s[1] << " " << s[2];
    }
}
