// The outline thread's passes over the real main window: the tree follows
// the text through synchronised calls, the pane's handlers act on the text,
// and the thread stops cleanly at shutdown.
#include "core/outline/Outline.h"

#include <QLabel>
#include <QTest>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"

namespace {

class OutlinePane : public apptest::AppTest {
protected:
    // Sets the text and waits for one full pass over it.
    void pass(TForm1& f, const std::string& text)
    {
        f.RichEdit->SetText(text);
        runPass(f);
    }
    void runPass(TForm1& f)
    {
        const int before = f.DocumentExplorer->PassCount();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->Suspended(); }, 10000));
        // A moment of its own: the pass starts now, not at the next tick.
        f.TimerTreeViewTimer();
        f.ResumeExplorer();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return f.DocumentExplorer->PassCount() > before && f.DocumentExplorer->Suspended(); }, 10000));
    }
    // The tree as depth-prefixed labels in absolute order: "A", "-B", ...
    static std::vector<QString> treeOf(TForm1& f)
    {
        std::vector<QString> rows;
        for (QTreeWidgetItemIterator it(f.TreeView); *it; ++it) {
            int depth = 0;
            for (auto* p = (*it)->parent(); p; p = p->parent()) ++depth;
            rows.push_back(QString(depth, '-') + (*it)->text(0));
        }
        return rows;
    }
    static QTreeWidgetItem* node(TForm1& f, int index) { return TDocumentExplorer::NodeFromIndex(f.TreeView, index); }
    // The mirror must describe the tree node for node.
    static void expectMirrorMatchesTree(TForm1& f)
    {
        const auto mirror = f.DocumentExplorer->MirrorSnapshot();
        const auto rows = treeOf(f);
        ASSERT_EQ(mirror.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(QString(mirror[i].depth, '-') + cp932::decode(mirror[i].title), rows[i]) << i;
    }
};

using Rows = std::vector<QString>;

TEST_F(OutlinePane, TreeFollowsTheTextNodeByNode)
{
    TForm1& f = start();
    pass(f, "\\section{A}\r\n\\subsection{a1}\r\n\\section{B}\r\n\\subsection{b1}\r\n");
    EXPECT_EQ(treeOf(f), (Rows{"A", "-a1", "B", "-b1"}));
    expectMirrorMatchesTree(f);
    QTreeWidgetItem* a = node(f, 0);
    EXPECT_TRUE(a->isExpanded());
    EXPECT_EQ(a->data(0, Qt::UserRole).toInt(), 2);

    // A rename keeps the node object and its expansion.
    pass(f, cp932::encode(
                QString::fromUtf8("\\section{始め}\r\n\\subsection{a1}\r\n\\section{B}\r\n\\subsection{b1}\r\n")));
    EXPECT_EQ(node(f, 0), a);
    EXPECT_TRUE(a->isExpanded());
    EXPECT_EQ(treeOf(f), (Rows{QString::fromUtf8("始め"), "-a1", "B", "-b1"}));

    // A section put in between; the later one keeps its subsection.
    pass(f, "\\section{A}\r\n\\subsection{a1}\r\n\\section{N}\r\n\\section{B}\r\n\\subsection{b1}\r\n");
    EXPECT_EQ(treeOf(f), (Rows{"A", "-a1", "N", "B", "-b1"}));
    expectMirrorMatchesTree(f);

    // A subsection put in before a root, then levels that change.
    pass(f, "\\subsection{x}\r\n\\chapter{C}\r\n\\section{A}\r\n\\subsection{a1}\r\n\\section*{S}\r\n");
    EXPECT_EQ(treeOf(f), (Rows{"x", "C", "-A", "--a1", "-S"}));
    expectMirrorMatchesTree(f);
    EXPECT_EQ(node(f, 4)->data(0, Qt::UserRole).toInt(), 2);

    pass(f, "\\chapter{C}\r\n");
    EXPECT_EQ(treeOf(f), (Rows{"C"}));
    pass(f, "no headings\r\n");
    EXPECT_TRUE(treeOf(f).empty());
    EXPECT_EQ(f.DocumentExplorer->GetLastIndex(), -1);
    EXPECT_EQ(f.DocumentExplorer->GetStart(0), -1);
}

TEST_F(OutlinePane, PassSelectsTheHeadingThatHoldsTheCaret)
{
    TForm1& f = start();
    const std::string text = "intro\r\n\\section{A}\r\ntext\r\n\\section{B}\r\nmore\r\n";
    f.RichEdit->SetText(text);
    f.RichEdit->SetSelStart(int(text.find("more")));
    runPass(f);
    EXPECT_EQ(f.TreeView->currentItem(), node(f, 1));
    f.RichEdit->SetSelStart(2);
    runPass(f);
    EXPECT_TRUE(f.TreeView->selectedItems().isEmpty());
}

TEST_F(OutlinePane, ClickAndLabelEditActOnTheHeading)
{
    TForm1& f = start();
    const std::string text = "x\r\n\\section{Old}\r\nbody\r\n";
    pass(f, text);
    f.TreeView->setCurrentItem(node(f, 0));
    f.TreeViewClick();
    EXPECT_EQ(f.RichEdit->SelText(), "\\section{Old}");

    // A click after an edit, before the next pass: the heading is found
    // where it is now, and one that is gone is not jumped to.
    f.RichEdit->Select(0, 0);
    f.RichEdit->SetSelText("more text\r\n");
    f.RichEdit->Select(0, 0);
    f.TreeViewClick();
    EXPECT_EQ(f.RichEdit->SelText(), "\\section{Old}");
    f.RichEdit->SetText("x\r\n\\section{Other}\r\nbody\r\n");
    f.RichEdit->Select(1, 0);
    f.TreeViewClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 1);
    EXPECT_EQ(f.RichEdit->SelLength(), 0);
    pass(f, text);

    f.TreeViewEdited(node(f, 0), QString::fromUtf8("新しい題"));
    EXPECT_EQ(f.RichEdit->Text(), cp932::encode(QString::fromUtf8("x\r\n\\section{新しい題}\r\nbody\r\n")));
    // Until the next pass the mirror is behind the text: a second edit
    // through the old positions must not cut into the new title.
    f.TreeViewEdited(node(f, 0), "again");
    EXPECT_EQ(f.RichEdit->Text(), cp932::encode(QString::fromUtf8("x\r\n\\section{新しい題}\r\nbody\r\n")));
    EXPECT_EQ(node(f, 0)->text(0), "Old");
    runPass(f);
    EXPECT_EQ(node(f, 0)->text(0), QString::fromUtf8("新しい題"));
    f.TreeViewEdited(node(f, 0), "again");
    EXPECT_EQ(f.RichEdit->Text(), "x\r\n\\section{again}\r\nbody\r\n");

    // A title the document cannot take is refused, and the label goes back.
    runPass(f);
    script().expectMessage({std::nullopt, QString::fromUtf8("見出しの変更"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    f.TreeViewEdited(node(f, 0), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(f.RichEdit->Text(), "x\r\n\\section{again}\r\nbody\r\n");
    EXPECT_EQ(node(f, 0)->text(0), "again");
}

TEST_F(OutlinePane, DroppingMovesTheWholeSectionBeforeTheTarget)
{
    TForm1& f = start();
    const std::string a = "\\section{A}\r\na\r\n\\subsection{a1}\r\n";
    const std::string b = "\\section{B}\r\nb\r\n";
    const std::string c = "\\section{C}\r\nc\r\n";
    pass(f, a + b + c);
    f.DragNode = node(f, 0);
    f.TreeViewDragDrop(f.TreeView, node(f, 3));
    EXPECT_EQ(f.RichEdit->Text(), b + a + c);
    EXPECT_EQ(f.RichEdit->SelStart(), int(b.size()));

    runPass(f);
    f.DragNode = node(f, 3);  // C, onto B
    f.TreeViewDragDrop(f.TreeView, node(f, 0));
    EXPECT_EQ(f.RichEdit->Text(), c + b + a);
    EXPECT_EQ(f.RichEdit->SelStart(), 0);

    // Onto its own subsection, or from another source: nothing changes.
    runPass(f);
    f.DragNode = node(f, 2);
    f.TreeViewDragDrop(f.TreeView, node(f, 3));
    f.TreeViewDragDrop(f.RichEdit, node(f, 0));
    EXPECT_EQ(f.RichEdit->Text(), c + b + a);

    // A pass that deletes the pressed node forgets it rather than leave it dangling.
    f.DragNode = node(f, 3);
    pass(f, c + b);
    EXPECT_EQ(f.DragNode, nullptr);
}

TEST_F(OutlinePane, AMovedPartEndsWithALineBreak)
{
    TForm1& f = start();
    // The last part has no line break of its own.
    const std::string a = "\\section{A{b}c}\r\n" + cp932::encode(QString::fromUtf8("本文\r\n"));
    const std::string last = cp932::encode(QString::fromUtf8("\\chapter{章}\r\n末"));
    pass(f, a + last);
    f.DragNode = node(f, 1);
    f.TreeViewDragDrop(f.TreeView, node(f, 0));
    EXPECT_EQ(f.RichEdit->Text(), last + "\r\n" + a);
    EXPECT_EQ(f.RichEdit->SelStart(), 0);
    // Undone, the document is as it was, without the added break.
    for (int step = 0; step < 4 && f.RichEdit->Text() != a + last; ++step) f.MenuEditUndoClick();
    EXPECT_EQ(f.RichEdit->Text(), a + last);

    // A part that ends at the next heading on its own line is moved after
    // a later one, and that one keeps the start of its line too.
    const std::string b = "\\section{B} b ";
    const std::string c = "\\section{C}\r\nc\r\n";
    const std::string d = "\\section{D}\r\n";
    pass(f, b + c + d);
    f.DragNode = node(f, 0);
    f.TreeViewDragDrop(f.TreeView, node(f, 2));
    EXPECT_EQ(f.RichEdit->Text(), c + b + "\r\n" + d);
    EXPECT_EQ(f.RichEdit->SelStart(), int(c.size()));
}

TEST_F(OutlinePane, PaneSaysWhenItShowsOnlyTheFirstHeadings)
{
    TForm1& f = start();
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "\\section{s}\r\n";
    pass(f, text);
    EXPECT_EQ(f.DocumentExplorer->GetLastIndex() + 1, outline::kMaxCommandHits);
    auto* notice = f.PanelDocumentExplorer->findChild<QLabel*>("LabelOutlineLimit");
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isVisibleTo(f.PanelDocumentExplorer));
    EXPECT_EQ(notice->text(), QString::fromUtf8("見出しが多いため、最初の 1024 個だけを表示しています。"));
    pass(f, "\\section{a}\r\n");
    EXPECT_FALSE(notice->isVisibleTo(f.PanelDocumentExplorer));
}

TEST_F(OutlinePane, TimerResumesOnlyForAChangeWhileThePaneIsShown)
{
    TForm1& f = start();
    f.TimerTreeView->stop();
    f.RichEdit->SetText("\\section{A}\r\n");
    f.TextChanged = true;
    f.MenuViewDocExplrClick();  // hide
    f.TimerTreeViewTimer();
    QTest::qWait(50);
    EXPECT_EQ(f.DocumentExplorer->PassCount(), 0);
    EXPECT_TRUE(f.TextChanged);  // still pending for when the pane comes back
    f.MenuViewDocExplrClick();
    f.TimerTreeViewTimer();
    EXPECT_FALSE(f.TextChanged);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->PassCount() == 1; }, 10000));
    EXPECT_EQ(treeOf(f), Rows{"A"});
}

TEST_F(OutlinePane, KeysWithinOneTickCostOnePassAndTheNextTickCatchesUp)
{
    TForm1& f = start();
    f.TimerTreeView->stop();
    f.RichEdit->SetText("\\section{A}\r\n");
    f.RichEdit->SetSelStart(10);
    f.RichEdit->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->Suspended(); }, 10000));
    f.TimerTreeViewTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->Suspended(); }, 10000));
    f.TimerTreeViewTimer();  // a tick of its own, with nothing to do
    const int before = f.DocumentExplorer->PassCount();

    // The first key is answered at once, with the text it found; the others
    // wait for the tick.
    QTest::keyClicks(f.RichEdit, "BCD");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f.DocumentExplorer->PassCount() > before && f.DocumentExplorer->Suspended(); }, 10000));
    QTest::qWait(50);
    EXPECT_EQ(f.DocumentExplorer->PassCount(), before + 1);
    EXPECT_EQ(treeOf(f), Rows{"A"});

    f.TimerTreeViewTimer();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f.DocumentExplorer->PassCount() > before + 1 && f.DocumentExplorer->Suspended(); }, 10000));
    EXPECT_EQ(treeOf(f), Rows{"ABCD"});
    // Caught up: a tick with nothing new starts nothing.
    f.TimerTreeViewTimer();
    QTest::qWait(50);
    EXPECT_EQ(f.DocumentExplorer->PassCount(), before + 2);
}

TEST_F(OutlinePane, DraggedShutThePaneHidesAndKeepsItsWidth)
{
    TForm1& f = start();
    f.SetDocuExpWidth(180);
    f.Splitter1->setSizes({0, 700});
    emit f.Splitter1->splitterMoved(0, 1);
    EXPECT_TRUE(f.PanelDocumentExplorer->isHidden());
    f.MenuViewDocExplrClick();
    EXPECT_FALSE(f.PanelDocumentExplorer->isHidden());
    EXPECT_EQ(f.DocuExpWidth(), 180);
}

TEST_F(OutlinePane, StopsWhileAPassStillNeedsTheMainThread)
{
    std::string big;
    for (int i = 0; i < 3000; ++i) big += "\\section{s" + std::to_string(i) + "}\r\n\\subsection{t}\r\n";
    {
        TForm1& f = start();
        f.RichEdit->SetText(big);
        f.RichEdit->SetModified(false);
        f.ResumeExplorer();
        QTest::qWait(5);
        ASSERT_TRUE(closeForm());
        EXPECT_EQ(f.DocumentExplorer, nullptr);
    }
    // Destroyed without a close, in the middle of a pass, and never resumed.
    start().RichEdit->SetText(big);
    form->ResumeExplorer();
    form.reset();
    start();
    form.reset();
}

}  // namespace
