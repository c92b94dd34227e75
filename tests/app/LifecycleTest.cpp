// What the close writes and the next start reads back; the close query;
// window placement.
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <limits>

#include "app/ResidentForms.h"
#include "app/WindowHooks.h"
#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {
class LifecycleTest : public AppTest {};
const QString kSaveQuestion = QString::fromUtf8("変更されています。保存しますか。");
const QString kQuitCaption = QString::fromUtf8("Quillmarkの終了");

QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
}  // namespace

TEST_F(LifecycleTest, CloseWritesWhatTheNextStartReadsBack)
{
    TForm1& f = start();
    f.MenuViewMathClick();
    f.MenuViewStatusBarClick();
    f.SetDocuExpWidth(210);
    f.AutoColor = false;
    f.AutoCommand = false;
    f.CurrentDir = "/tmp/docs";
    f.ParentTable[0] = {"/a/child.tex", "/a/main.tex", true};
    f.ParentTable[127] = {"/b/last.tex", "", false};
    f.RecentFile[0] = "/a/one.tex";
    f.RecentFile[4] = "/a/five.tex";
    ASSERT_TRUE(closeForm());

    EXPECT_EQ(readInt("", "AutoColor"), 0);
    EXPECT_EQ(readInt("", "AutoCommand"), 0);
    EXPECT_EQ(readString("", "CurrentDir"), "/tmp/docs");
    EXPECT_TRUE(exists("", "WordWrap"));
    // The sections of the ini-style writer hold every value as text.
    EXPECT_EQ(readString("\\View", "Edit"), "1");
    EXPECT_EQ(readString("\\View", "TeXMath"), "0");
    EXPECT_EQ(readString("\\View", "StatusBar"), "0");
    EXPECT_EQ(readString("\\View", "DocuExpWidth"), "210");
    for (int i = 0; i < 128; ++i) {
        const QString index = QString::number(i);
        ASSERT_TRUE(exists("\\Parent\\Child", index)) << i;
        ASSERT_TRUE(exists("\\Parent\\Parent", index)) << i;
        ASSERT_TRUE(exists("\\Parent\\Execute", index)) << i;
    }
    EXPECT_EQ(readString("\\Parent\\Execute", "0"), "1");
    EXPECT_EQ(readString("\\Parent\\Execute", "1"), "0");
    EXPECT_EQ(readString("\\Recent", "RecentFile1"), "/a/one.tex");
    EXPECT_EQ(readString("\\Recent", "RecentFile5"), "/a/five.tex");
    EXPECT_EQ(f.UndoManager, nullptr);

    TForm1& g = start();
    EXPECT_FALSE(g.AutoColor);
    EXPECT_FALSE(g.AutoCommand);
    EXPECT_EQ(g.CurrentDir, "/tmp/docs");
    EXPECT_FALSE(g.ToolBarFile->isHidden());
    EXPECT_FALSE(g.ToolBarTeXShosiki->isHidden());
    EXPECT_TRUE(g.ToolBarTeXMath->isHidden());
    EXPECT_TRUE(g.StatusBar->isHidden());
    EXPECT_FALSE(g.PanelDocumentExplorer->isHidden());
    EXPECT_EQ(g.DocuExpWidth(), 210);
    EXPECT_EQ(g.ParentTable[0].Child, "/a/child.tex");
    EXPECT_EQ(g.ParentTable[0].Parent, "/a/main.tex");
    EXPECT_TRUE(g.ParentTable[0].Execute);
    EXPECT_EQ(g.ParentTable[127].Child, "/b/last.tex");
    EXPECT_FALSE(g.ParentTable[127].Execute);
    EXPECT_EQ(g.RecentFile[0], "/a/one.tex");
    EXPECT_EQ(g.RecentFile[4], "/a/five.tex");
}

TEST_F(LifecycleTest, ShowPlacesTheWindowAndTheNextInstanceSixteenPixelsFurther)
{
    writeInt("", "WindowTop", 40);
    writeInt("", "WindowLeft", 50);
    writeInt("", "WindowWidth", 700);
    writeInt("", "WindowHeight", 400);
    TForm1& f = start();
    f.FormShow();
    EXPECT_EQ(f.WindowTop, 40);
    EXPECT_EQ(f.pos(), QPoint(50, 40));
    EXPECT_EQ(f.size(), QSize(700, 400));
    EXPECT_EQ(readInt("", "WindowTop"), 56);
    EXPECT_EQ(readInt("", "WindowLeft"), 66);

    // A second instance started while the first runs.
    auto second = std::make_unique<TForm1>();
    second->FormShow();
    EXPECT_EQ(second->pos(), QPoint(66, 56));
}

TEST_F(LifecycleTest, StoredPlacementOffTheScreenIsBroughtBack)
{
    const QRect area = screenArea();
    writeInt("", "WindowTop", area.bottom() + 3000);
    writeInt("", "WindowLeft", -5000);
    writeInt("", "WindowWidth", area.width() + 900);
    writeInt("", "WindowHeight", 300);
    TForm1& f = start();
    f.FormShow();
    const QRect placed(f.pos(), f.size());
    EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width();
    EXPECT_EQ(placed.height(), 300);
}

TEST_F(LifecycleTest, StoredPlacementAtTheEndsOfTheIntRangeIsBroughtBack)
{
    const QRect area = screenArea();
    const int kMax = std::numeric_limits<int>::max();
    const int kMin = std::numeric_limits<int>::min();
    const int stored[][4] = {{kMax, kMax, kMax, kMax}, {kMin, kMin, kMin, kMin}, {kMax, kMin, kMax, kMin}};
    for (const auto& s : stored) {
        writeInt("", "WindowLeft", s[0]);
        writeInt("", "WindowTop", s[1]);
        writeInt("", "WindowWidth", s[2]);
        writeInt("", "WindowHeight", s[3]);
        TForm1& f = start();
        f.FormShow();
        const QRect placed(f.pos(), f.size());
        EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width();
        // The next instance's position is the placed one plus sixteen.
        EXPECT_EQ(readInt("", "WindowLeft"), placed.left() + 16);
        EXPECT_EQ(readInt("", "WindowTop"), placed.top() + 16);
    }
}

TEST_F(LifecycleTest, MaximisedSessionKeepsTheNormalGeometry)
{
    writeInt("", "WindowState", 2);
    writeInt("", "WindowTop", 30);
    writeInt("", "WindowLeft", 20);
    writeInt("", "WindowWidth", 700);
    writeInt("", "WindowHeight", 450);
    TForm1& f = start();
    f.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    ASSERT_TRUE(closeForm());
    EXPECT_EQ(readInt("", "WindowState"), 2);
    EXPECT_EQ(readInt("", "WindowWidth"), 700);
    EXPECT_EQ(readInt("", "WindowHeight"), 450);
    EXPECT_EQ(readInt("", "WindowLeft"), 20);
}

TEST_F(LifecycleTest, ModifiedDocumentAsksBeforeClosing)
{
    struct Case {
        int answer;
        bool closes;
    };
    // Yes runs the save command; the document has no name, its Save As is
    // cancelled (the unscripted file dialog's answer) and the window stays.
    script().allowUnscripted();
    const Case cases[] = {{IDCANCEL, false}, {IDNO, true}, {IDYES, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        TForm1& f = start();
        writeString("\\Recent", "RecentFile1", "before");
        f.RecentFile[0] = "after";
        f.RichEdit->SetModified(true);
        script().expectMessage(kSaveQuestion, kQuitCaption, MB_YESNOCANCEL | MB_ICONQUESTION, c.answer);
        bool canClose = true;
        f.FormCloseQuery(canClose);
        EXPECT_EQ(canClose, c.closes);
        EXPECT_EQ(script().pending(), 0);
        // Recent files are stored only when the window really closes.
        EXPECT_EQ(readString("\\Recent", "RecentFile1"), c.closes ? "after" : "before");
    }
}

TEST_F(LifecycleTest, ClosingTheWindowRunsQueryAndClose)
{
    TForm1& f = start();
    f.show();
    QCoreApplication::processEvents();
    f.RichEdit->SetModified(true);
    script().expectMessage(kSaveQuestion, kQuitCaption, MB_YESNOCANCEL | MB_ICONQUESTION, IDCANCEL);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    script().expectMessage(kSaveQuestion, kQuitCaption, MB_YESNOCANCEL | MB_ICONQUESTION, IDNO);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(exists("\\View", "DocuExp"));
    EXPECT_EQ(f.UndoManager, nullptr);
}

TEST_F(LifecycleTest, ResidentFormsComeUpInTheirOrder)
{
    TForm1& f = start();
    // Only this test's factories count: drop those the subsystems registered
    // while the window was built (the next window registers them again).
    for (int order = static_cast<int>(ResidentForm::EditDialog); order <= static_cast<int>(ResidentForm::TMoji);
         ++order)
        registerResidentForm(static_cast<ResidentForm>(order), {});
    std::vector<int> created;
    registerResidentForm(ResidentForm::Kakko, [&](Session& main) {
        EXPECT_EQ(&main, static_cast<Session*>(&f));
        created.push_back(7);
    });
    registerResidentForm(ResidentForm::EditDialog, [&](Session&) { created.push_back(0); });
    registerResidentForm(ResidentForm::EditDialog, [&](Session&) { created.push_back(1); });
    EXPECT_EQ(createResidentForms(f), 2);
    EXPECT_EQ(created, std::vector<int>({1, 7}));
    registerResidentForm(ResidentForm::Kakko, {});
    registerResidentForm(ResidentForm::EditDialog, {});
}

// The window's children go down after its own destructor has run, when the
// object is no longer a main window; an event reaching the editor then must
// find no filter or handler of the window still reading its members.
TEST_F(LifecycleTest, NothingOfTheWindowIsReachedOnceItsDestructionHasBegun)
{
    TForm1& f = start();
    f.Busy = true;  // the input filter reads this on every event
    QPointer<QPlainTextEdit> editor = f.RichEdit;
    ASSERT_FALSE(f.children().isEmpty());
    QObject* firstChild = f.children().first();
    int hooksLeft = -1;
    bool editorAlive = false;
    QObject::connect(firstChild, &QObject::destroyed, [&] {
        editorAlive = !editor.isNull();
        if (!editorAlive) return;
        hooksLeft = int(editor->findChildren<QObject*>(kWindowHookName).size() +
                        editor->viewport()->findChildren<QObject*>(kWindowHookName).size());
        QEvent nudge(QEvent::User);
        QCoreApplication::sendEvent(editor, &nudge);
        QCoreApplication::sendEvent(editor->viewport(), &nudge);
    });
    form.reset();
    ASSERT_TRUE(editorAlive) << "the editor went down before the window's first child";
    EXPECT_EQ(hooksLeft, 0);
}
