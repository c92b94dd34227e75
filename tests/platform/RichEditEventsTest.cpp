// The editor's events, in the order the undo recorder relies on, and the
// roads by which text reaches it: keys, the input method, paste and drops.
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
const std::string A = "\x82\xa0";  // あ

struct Editor : TRichEdit {
    using TRichEdit::createMimeDataFromSelection;
};

struct RichEditEvents : ::testing::Test {
    Editor e;
    edtest::EventLog log;
    std::vector<int> keys;
    void SetUp() override
    {
        log.attach(e);
        e.OnKeyDown = [this](int& key, int) { keys.push_back(key); };
    }
    void start(const std::string& text, int caret)
    {
        e.SetText(text);
        e.SetCaret(caret, BreakSide::BeforeCR);
        log.clear();
        keys.clear();
    }
};

TEST_F(RichEditEvents, TypingRaisesSelectionThenChange)
{
    start("xyz", 1);
    edtest::typeText(&e, "a");
    EXPECT_EQ(e.Text(), "xayz");
    EXPECT_EQ(log.entries, (Log{"sel 2,0", "change 4"}));
    EXPECT_EQ(keys, (std::vector<int>{'A'}));
    log.clear();
    edtest::typeText(&e, QString::fromUtf8("あ"));
    EXPECT_EQ(e.Text(), "xa" + A + "yz");
    EXPECT_EQ(log.entries, (Log{"sel 4,0", "change 6"}));
}

TEST_F(RichEditEvents, BackspaceAndDelete)
{
    start("a" + A + "\r\nb", 3);
    edtest::sendKey(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.Text(), "a\r\nb");
    EXPECT_EQ(log.entries, (Log{"sel 1,0", "change 4"}));
    log.clear();
    // Delete before a break joins the lines; the caret stays, so only the change comes.
    edtest::sendKey(&e, Qt::Key_Delete);
    EXPECT_EQ(e.Text(), "ab");
    EXPECT_EQ(log.entries, (Log{"change 2"}));
    EXPECT_EQ(keys, (std::vector<int>{VK_BACK, VK_DELETE}));
}

TEST_F(RichEditEvents, TypingOverASelection)
{
    start("abcd", 0);
    e.Select(1, 2);
    log.clear();
    edtest::typeText(&e, "x");
    EXPECT_EQ(e.Text(), "axd");
    EXPECT_EQ(log.entries, (Log{"sel 2,0", "change 3"}));
}

TEST_F(RichEditEvents, EnterInsertsNothingCtrlEnterABreak)
{
    start("ab", 1);
    edtest::sendKey(&e, Qt::Key_Return);
    edtest::sendKey(&e, Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_EQ(e.Text(), "ab");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(keys, (std::vector<int>{VK_RETURN, VK_RETURN}));
    edtest::sendKey(&e, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), "a\r\nb");
    EXPECT_EQ(log.entries, (Log{"sel 3,0", "change 4"}));
}

TEST_F(RichEditEvents, KeyDownHandlerInsertsThroughTheControl)
{
    // The program's Enter handler inserts the break itself, with its two
    // edits each raising their events before the next begins.
    start("abc", 1);
    e.Select(1, 1);
    log.clear();
    e.OnKeyDown = [this](int& key, int) {
        if (key != VK_RETURN) return;
        e.SetSelText("");
        e.SetSelText("\r\n  ");
    };
    edtest::sendKey(&e, Qt::Key_Return);
    EXPECT_EQ(e.Text(), "a\r\n  c");
    EXPECT_EQ(log.entries, (Log{"sel 1,0", "change 2", "sel 5,0", "change 6"}));
}

TEST_F(RichEditEvents, SwallowedKeysAndInsert)
{
    start("ab", 2);
    e.OnKeyDown = [](int& key, int) {
        if (key == 'Q') key = 0;
    };
    e.OnKeyPress = [](char& c) {
        if (c == '\\') c = 0;
        if (c == 'w') c = 'W';
    };
    edtest::typeText(&e, "q\\w");
    EXPECT_EQ(e.Text(), "abW");
    edtest::sendKey(&e, Qt::Key_Insert);
    EXPECT_FALSE(e.overwriteMode());
    e.SetCaret(0, BreakSide::BeforeCR);
    edtest::typeText(&e, "z");
    EXPECT_EQ(e.Text(), "zabW");
}

TEST_F(RichEditEvents, EventMaskSuppressesBoth)
{
    start("abc", 0);
    e.SetEventMask(ENM_NONE);
    e.Select(1, 1);
    e.SetSelText("x");
    EXPECT_TRUE(log.entries.empty());
    e.SetEventMask(ENM_ALL);
    // The masked selection is still the last one: nothing stale is reported.
    e.SetCaret(2, BreakSide::BeforeCR);
    EXPECT_TRUE(log.entries.empty());
    edtest::typeText(&e, "y");
    EXPECT_EQ(log.entries, (Log{"sel 3,0", "change 4"}));
}

TEST_F(RichEditEvents, InputMethodCommitIsOneInsertion)
{
    start("ab", 1);
    std::vector<std::string> ime;
    e.OnImeStartComposition = [&] { ime.push_back("start " + std::to_string(e.SelStart())); };
    e.OnImeEndComposition = [&] { ime.push_back("end " + std::to_string(e.SelStart())); };
    QInputMethodEvent pre(QString::fromUtf8("かな"), {});
    QApplication::sendEvent(&e, &pre);
    EXPECT_EQ(e.Text(), "ab");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(e.Composing());
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("仮名"));
    QApplication::sendEvent(&e, &commit);
    EXPECT_EQ(e.Text(),
              "a\x89\xbc\x96\xbc"
              "b");
    EXPECT_EQ(log.entries, (Log{"sel 5,0", "change 6"}));
    EXPECT_EQ(ime, (std::vector<std::string>{"start 1", "end 5"}));
    EXPECT_FALSE(e.Composing());

    // Over the limit, the committed text is refused whole.
    e.SetMaxLength(7);
    QInputMethodEvent big;
    big.setCommitString(QString::fromUtf8("長い"));
    QApplication::sendEvent(&e, &big);
    EXPECT_EQ(e.GetTextLen(), 6);
}

TEST_F(RichEditEvents, PasteIsPlainCp932)
{
    start("ab", 1);
    auto* m = new QMimeData;
    m->setText(QString::fromUtf8("い\n\u301C\u00E9"));
    m->setHtml("<b>bold</b>");
    QApplication::clipboard()->setMimeData(m);
    e.paste();
    EXPECT_EQ(e.Text(), "a\x82\xa2\r\n\x81\x60?b");
    EXPECT_EQ(log.entries, (Log{"sel 8,0", "change 9"}));
}

TEST_F(RichEditEvents, CopiedTextPastesBackWithItsOwnCodes)
{
    // A stray lead byte, NEC row 13 and an NEC-selected IBM code, which no
    // converter re-encodes to the same bytes.
    const std::string text = "a\xee\xed\x40\x87\x90\r\n\x95\x5c";
    start(text + "|", 0);
    e.Select(0, int(text.size()));
    e.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("a\xef\xbf\xbd纊≒\n表"));
    e.SetCaret(e.GetTextLen(), BreakSide::BeforeCR);
    e.paste();
    // The stray byte pasted elsewhere is "?": had it kept its byte, it would
    // have paired with the next one into a character and left a backslash.
    EXPECT_EQ(e.Text(), text + "|a?\xed\x40\x87\x90\r\n\x95\x5c");

    // Text from another program that holds an invalid byte's code point.
    start("xy", 1);
    auto* m = new QMimeData;
    m->setText(QString(QChar(char16_t(0xF7EE))) + QString::fromUtf8("纊"));
    QApplication::clipboard()->setMimeData(m);
    EXPECT_EQ(TRichEdit::PastedText(QApplication::clipboard()->mimeData()), "?\xfa\x5c");
    e.paste();
    EXPECT_EQ(e.Text(), "x?\xfa\x5cy");
}

struct RichEditDrops : RichEditEvents {
    void SetUp() override
    {
        RichEditEvents::SetUp();
        e.resize(400, 200);
        e.show();
    }
    QPoint pointOf(int bytePos)
    {
        QTextCursor c(e.document());
        c.setPosition(e.toQtPosition(bytePos));
        return e.cursorRect(c).center();
    }
    void drop(QMimeData* m, int bytePos, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPoint at = pointOf(bytePos);
        const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
        QDragEnterEvent enter(at, actions, m, Qt::LeftButton, mods);
        QApplication::sendEvent(e.viewport(), &enter);
        QDragMoveEvent move(at, actions, m, Qt::LeftButton, mods);
        QApplication::sendEvent(e.viewport(), &move);
        QDropEvent ev(QPointF(at), actions, m, Qt::LeftButton, mods);
        QApplication::sendEvent(e.viewport(), &ev);
        delete m;
    }
};

TEST_F(RichEditDrops, MoveReportsNewPlaceThenOneChange)
{
    start("abcdef", 0);
    e.Select(1, 2);  // "bc"
    log.clear();
    drop(e.createMimeDataFromSelection(), 5);
    EXPECT_EQ(e.Text(), "adebcf");
    EXPECT_EQ(log.entries, (Log{"sel 3,2", "change 6"}));

    log.clear();
    drop(e.createMimeDataFromSelection(), 4);  // inside the selection: nothing
    EXPECT_EQ(e.Text(), "adebcf");
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(RichEditDrops, DraggedInvalidBytesJoinNoNeighbour)
{
    // The stray lead byte moved before "B" would make the character 81 42.
    start("\x81\r\nAB", 0);
    e.Select(0, 1);
    log.clear();
    drop(e.createMimeDataFromSelection(), 4);
    EXPECT_EQ(e.Text(), "\r\nA?B");
    EXPECT_EQ(log.entries, (Log{"sel 3,1", "change 5"}));

    start("\xee\xed\x40\xed\x40|", 0);
    e.Select(0, 3);
    drop(e.createMimeDataFromSelection(), 6, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), "\xee\xed\x40\xed\x40|?\xed\x40");
}

TEST_F(RichEditDrops, CtrlDragCopiesAsAnInsertion)
{
    start("ab" + A + "cd", 0);
    e.Select(2, 2);
    log.clear();
    drop(e.createMimeDataFromSelection(), 5, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), "ab" + A + "c" + A + "d");
    // The caret first goes to the drop point, then the insertion follows.
    EXPECT_EQ(log.entries, (Log{"sel 5,0", "sel 7,0", "change 8"}));
}

TEST_F(RichEditDrops, FilesGoToTheMainWindow)
{
    start("ab", 0);
    QStringList got;
    e.OnDropFiles = [&](const QStringList& files) { got = files; };
    auto* m = new QMimeData;
    m->setUrls({QUrl::fromLocalFile("/tmp/a.tex")});
    m->setText("/tmp/a.tex");
    drop(m, 1);
    EXPECT_EQ(got, QStringList{"/tmp/a.tex"});
    EXPECT_EQ(e.Text(), "ab");
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(RichEditDrops, MouseDownComesAfterTheCaretMoved)
{
    start("abc\r\ndef", 0);
    std::vector<std::string> order;
    e.OnSelectionChange = [&] { order.push_back("sel " + std::to_string(e.SelStart())); };
    e.OnMouseDown = [&] { order.push_back("down " + std::to_string(e.SelStart())); };
    const QPoint p = pointOf(6);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), QPointF(e.viewport()->mapToGlobal(p)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e.viewport(), &press);
    EXPECT_EQ(order, (std::vector<std::string>{"sel 6", "down 6"}));
}

}  // namespace

#include <QAction>
#include <QMainWindow>
#include <QTest>

namespace {

TEST(RichEditWindow, MenuShortcutsWinOverTheWidget)
{
    QMainWindow w;
    auto* e = new TRichEdit;
    w.setCentralWidget(e);
    int pasted = 0, undone = 0;
    auto* paste = new QAction("Paste", &w);
    paste->setShortcut(QKeySequence("Ctrl+V"));
    QObject::connect(paste, &QAction::triggered, [&] { ++pasted; });
    auto* undo = new QAction("Undo", &w);
    undo->setShortcut(QKeySequence("Ctrl+Z"));
    QObject::connect(undo, &QAction::triggered, [&] { ++undone; });
    w.addAction(paste);
    w.addAction(undo);
    w.show();
    w.activateWindow();
    e->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    e->SetText("ab");
    QApplication::clipboard()->setText("zz");
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pasted, 1);
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(e->Text(), "ab");
    // With no menu to take it, the widget's own binding stays unused.
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(e->SelLength(), 0);
}

TEST(RichEditWindow, ScrollingCountsLogicalLines)
{
    TRichEdit e;
    e.resize(120, 100);
    e.SetWordWrap(true);
    std::string text;
    for (int i = 0; i < 200; ++i) text += std::string(i % 2 ? 5 : 60, 'a' + char(i % 26)) + "\r\n";
    e.SetText(text);
    e.show();
    EXPECT_EQ(e.FirstVisibleLine(), 0);
    e.LineScroll(41);
    EXPECT_EQ(e.FirstVisibleLine(), 41);
    e.LineScroll(-40);
    EXPECT_EQ(e.FirstVisibleLine(), 1);
    e.SetCaret(e.LineIndex(150), BreakSide::BeforeCR);
    e.ScrollCaret();
    EXPECT_GT(e.FirstVisibleLine(), 100);
    EXPECT_TRUE(e.rect().contains(e.CaretRect().center()));
}

}  // namespace
