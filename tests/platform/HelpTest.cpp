#include "platform/Help.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QPointer>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/ResidentForms.h"
#include "forms/TeXExtraForms.h"
#include "insert/TextSymbolPickers.h"
#include "math/SymbolPickers.h"
#include "tests/app/AppFixture.h"
#include "tests/tex/TeXTestSupport.h"

namespace {

const QString kContents = QStringLiteral("qrc:/help/index.html");

// A page's text by its name ("search.html") or by the address help opened.
QString pageText(QString page)
{
    page.remove(QStringLiteral("qrc"));
    if (!page.startsWith(QLatin1Char(':'))) page = QStringLiteral(":/help/") + page;
    QFile f(page);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QString titleOf(const QString& html)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(html).captured(1).trimmed();
}

// Every page the help ships, by name, aliases of a context included.
std::vector<QString> shippedPages()
{
    help::showContents();  // makes the pages available
    std::vector<QString> pages;
    for (QDirIterator it(QStringLiteral(":/help")); it.hasNext();) pages.push_back(QFileInfo(it.next()).fileName());
    return pages;
}

TEST(Help, ContextsOpenTheirPageOrTheContents)
{
    struct Case {
        int context;
        const char* page;
    };
    const Case cases[] = {
        {4010, "qrc:/help/context-4010.html"},
        {0, "qrc:/help/index.html"},
        {99999, "qrc:/help/index.html"},
    };
    for (const Case& c : cases) {
        help::showContext(c.context);
        EXPECT_EQ(help::lastOpened(), QString::fromLatin1(c.page)) << c.context;
        EXPECT_EQ(help::lastContext(), c.context);
    }
    help::showKeywordSearch(QString());
    EXPECT_EQ(help::lastOpened(), QStringLiteral("qrc:/help/keyword.html"));
    help::showContents();
    EXPECT_EQ(help::lastOpened(), kContents);
    help::openHomePage();
    EXPECT_TRUE(help::lastOpened().startsWith(QStringLiteral("https://")));
}

// Each page is UTF-8 with a title, its links and anchors exist, it leads
// back to the contents, and the contents leads to every page.
TEST(Help, EveryPageIsWholeAndReachedFromTheContents)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    const std::vector<QString> pages = shippedPages();
    ASSERT_GT(pages.size(), 60u);

    std::set<QString> linkedTitles;
    for (const QRegularExpressionMatch& m : href.globalMatch(pageText(QStringLiteral("index.html"))))
        linkedTitles.insert(titleOf(pageText(m.captured(1))));

    for (const QString& page : pages) {
        const std::string name = page.toStdString();
        QFile f(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(f.readAll());
        EXPECT_FALSE(utf8.hasError()) << name;
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << name;
        EXPECT_FALSE(titleOf(html).isEmpty()) << name;
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(html.contains(QStringLiteral("href=\"index.html\""))) << name;
            EXPECT_TRUE(linkedTitles.count(titleOf(html))) << name << " is not reached from the contents";
        }
        for (const QRegularExpressionMatch& m : href.globalMatch(html)) {
            const QString target = m.captured(1).isEmpty() ? page : m.captured(1);
            const QString text = pageText(target);
            EXPECT_FALSE(text.isEmpty()) << name << " -> " << target.toStdString();
            if (!m.captured(2).isEmpty())
                EXPECT_TRUE(text.contains(QStringLiteral("name=\"%1\"").arg(m.captured(2))))
                    << name << " -> " << m.captured(0).toStdString();
        }
    }
}

// A context opens a page of its own: not the contents, and titled.
void expectOwnPage(int context, const std::string& where)
{
    help::showContext(context);
    const QString opened = help::lastOpened();
    EXPECT_NE(opened, kContents) << "context " << context << " of " << where;
    const QString title = titleOf(pageText(opened));
    EXPECT_FALSE(title.isEmpty()) << "context " << context << " of " << where;
    EXPECT_NE(title, titleOf(pageText(kContents))) << "context " << context << " of " << where;
}

class HelpContexts : public apptest::WindowTest {};

// The contexts the window's items carry and those its tables give their
// dialogs and pages.
TEST_F(HelpContexts, EveryContextOfTheWindowOpensAPageOfItsOwn)
{
    std::vector<std::pair<int, std::string>> contexts;
    for (QAction* item : form->findChildren<QAction*>())
        if (const int c = form->HelpContextOf(item->objectName()))
            contexts.emplace_back(c, item->objectName().toStdString());
    const picker::Family* families[] = {
        &mathpickers::kSmallGreek,   &mathpickers::kVariantGreek,  &mathpickers::kLargeGreek,
        &mathpickers::kMathFunction, &mathpickers::kMathSymbol,    &mathpickers::kBinaryOperator,
        &mathpickers::kRelation,     &mathpickers::kLargeOperator, &mathpickers::kSmallAccent,
        &mathpickers::kBigAccent,    &mathpickers::kDots,          &mathpickers::kArrow,
        &textpickers::kAccent,       &textpickers::kSpecialChar,
    };
    for (const picker::Family* family : families) {
        contexts.emplace_back(family->helpContext, family->dialogName);
        contexts.emplace_back(family->menuHelpContext, family->menuItem);
    }
    for (const PreferencePage& page : kPreferencePages) contexts.emplace_back(page.helpContext, page.title);
    ASSERT_GT(contexts.size(), 100u);
    for (const auto& [context, where] : contexts)
        if (context) expectOwnPage(context, where);
}

// Every dialog the window's commands open, modal or not, answered by its
// Help button (F1 where it has none) on each of its pages: a dialog that
// carries a context opens that context's own page.
TEST_F(HelpContexts, EveryDialogsHelpOpensItsOwnPage)
{
    struct Press {
        std::string item, dialog;
        int context;
        QString opened;
    };
    std::vector<Press> presses;
    std::string current;
    auto pressHelp = [&](QDialog& d) {
        QPushButton* button = nullptr;
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().startsWith(QStringLiteral("ヘルプ"))) button = b;
        QTabWidget* tabs = d.findChild<QTabWidget*>();
        for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
            if (tabs) tabs->setCurrentIndex(page);
            help::showContext(0);
            if (button) {
                button->click();
            } else {
                QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
                QApplication::sendEvent(&d, &f1);
            }
            presses.push_back({current, d.windowTitle().toStdString(), help::lastContext(), help::lastOpened()});
        }
    };
    // Everything the commands ask is answered the way that goes furthest
    // without changing a file: boxes are cancelled or denied, dialogs are
    // cancelled after their Help, and an open-file dialog picks a picture so
    // that the figure and inclusion dialogs come up.
    const QString picture = tempPath(QStringLiteral("figure.eps"));
    QFile(picture).open(QIODevice::WriteOnly);
    ask::setMessageAnswerer([](const ask::MessageRequest& r) { return (r.flags & 0xF) == MB_YESNO ? IDNO : IDCANCEL; });
    ask::setDialogAnswerer([&](QDialog& d) {
        pressHelp(d);
        return int(mrCancel);
    });
    ask::setFileAnswerer([&](const ask::FileRequest& r) { return ask::FileAnswer{!r.save, picture, 1}; });
    ask::setFontAnswerer([](const QFont& font) { return ask::FontAnswer{false, font}; });
    ask::setColorAnswerer([](unsigned color) { return ask::ColorAnswer{false, color}; });
    ask::setDirectoryAnswerer([](const QString&, const QString&) { return ask::DirAnswer{}; });

    // Each command runs once with the caret in the body and once with two
    // lines of comma-separated cells selected, which the conversions need.
    const std::string text = "\\documentclass{jarticle}\r\n\\begin{document}\r\na,b\r\nc,d\r\n\\end{document}\r\n";
    for (const int selection : {0, 8}) {
        for (QAction* item : form->findChildren<QAction*>()) {
            if (item->menu() || item->objectName().isEmpty()) continue;
            current = item->objectName().toStdString();
            setText(text, 44, selection);
            item->trigger();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                    pressHelp(*d);
                    d->hide();
                }
        }
    }

    std::set<std::string> dialogs;
    for (const Press& p : presses) {
        dialogs.insert(p.dialog);
        if (p.context) {
            EXPECT_NE(p.opened, kContents) << p.dialog << " from " << p.item << ", context " << p.context;
        } else {
            EXPECT_EQ(p.opened, kContents) << p.dialog << " from " << p.item;
        }
    }
    EXPECT_GT(dialogs.size(), 50u) << "the walk reached too few dialogs";
}

// The help window as it really opens (the tests keep it closed otherwise).
class RealHelpWindow {
public:
    RealHelpWindow() : mainBefore_(ask::mainWindow()) { help::setSilent(false); }
    ~RealHelpWindow()
    {
        if (QTextBrowser* w = window()) delete w;
        help::setSilent(true);
        ask::setMainWindow(mainBefore_);
    }
    static QTextBrowser* window()
    {
        for (QWidget* w : QApplication::allWidgets())
            if (auto* browser = qobject_cast<QTextBrowser*>(w);
                browser && browser->windowTitle() == QStringLiteral("Quillmark ヘルプ"))
                return browser;
        return nullptr;
    }

private:
    QPointer<QWidget> mainBefore_;
};

class PressCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) ++presses;
        return false;
    }
    int presses = 0;
};

// A dialog's help is read while the dialog is filled in: the help window
// opened from a modal dialog takes the mouse while the dialog is open, and
// stays open beside the main window once the dialog has closed.
TEST(HelpWindow, OpenedFromAModalDialogIsUsableWhileTheDialogIsOpen)
{
    RealHelpWindow real;
    QWidget main;
    main.resize(400, 300);
    ask::setMainWindow(&main);
    main.show();
    QDialog dialog(&main);
    dialog.resize(200, 100);
    int presses = -1;
    bool dialogModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialogModal = QApplication::activeModalWidget() == &dialog;
        help::showContext(4010);
        QTextBrowser* w = RealHelpWindow::window();
        if (w && QTest::qWaitForWindowExposed(w)) {
            PressCounter counter;
            w->viewport()->installEventFilter(&counter);
            // Through the window system, where a modal dialog stops input
            // to the windows it blocks.
            const QPoint inside = w->viewport()->mapTo(w->window(), QPoint(20, 20));
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, inside);
            w->viewport()->removeEventFilter(&counter);
            presses = counter.presses;
        }
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(dialogModal);
    EXPECT_EQ(presses, 1);
    QTextBrowser* w = RealHelpWindow::window();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->parentWidget(), &main);
    EXPECT_EQ(w->source().toString(), QStringLiteral("qrc:/help/context-4010.html"));
}

// Run in a process of its own by the test below: the program as it starts,
// help opened from the main window, then the program is quit.
TEST(HelpWindowChild, DISABLED_QuitWithTheHelpWindowOpen)
{
    RealHelpWindow real;
    testsupport::ScriptedAsk ask;
    bool helpShown = false, stillRunning = false;
    // Once the main window is up and running: help, then quit.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* main = qobject_cast<TForm1*>(ask::mainWindow());
        if (!main || !main->isVisible()) return;
        poll.stop();
        main->MenuHelpContentsClick();
        helpShown = RealHelpWindow::window() && RealHelpWindow::window()->isVisible();
        main->MenuFileQuitClick();
    });
    poll.start(20);
    QTimer::singleShot(20000, [&] {
        stillRunning = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(runQuillmark(*qobject_cast<QApplication*>(QCoreApplication::instance())), 0);
    EXPECT_TRUE(helpShown);
    EXPECT_FALSE(stillRunning) << "quitting left the program running";
}

TEST(HelpWindow, QuittingWithItOpenEndsTheProgram)
{
    textest::PrivateRuntime runtime;
    QTemporaryDir settings;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLMARK_SETTINGS"), settings.filePath(QStringLiteral("settings.ini")));
    child.setProcessEnvironment(environment);
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--gtest_also_run_disabled_tests"),
                        QStringLiteral("--gtest_filter=HelpWindowChild.DISABLED_QuitWithTheHelpWindowOpen")});
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setWorkingDirectory(QDir::tempPath());
    child.start();
    ASSERT_TRUE(child.waitForStarted());
    const bool ended = child.waitForFinished(120000);
    if (!ended) child.kill();
    EXPECT_TRUE(ended);
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

}  // namespace
