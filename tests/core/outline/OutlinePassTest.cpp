// How a pass meets the main thread: it scans the text it was handed when it
// was resumed and comes back once, with the whole heading list.
#include "core/outline/Outline.h"

#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "platform/Thread.h"
#include "tests/app/AppFixture.h"

namespace {

class OutlinePass : public apptest::AppTest {};

TEST_F(OutlinePass, OnePassIsOneRoundTripWhateverTheTreeNeeds)
{
    TForm1& f = start();
    f.TimerTreeView->stop();
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "\\chapter{c" + std::to_string(i) + "}\r\n\\section{s}\r\n\\subsection{t}\r\nbody\r\n";
    f.RichEdit->SetText(text);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->Suspended(); }, 10000));

    // A first pass builds 120 nodes, a second one renames, inserts and
    // deletes many of them: each is one call into the main thread.
    for (const std::string& next : {text, "\\section{only}\r\n" + text.substr(text.size() / 2)}) {
        f.RichEdit->SetText(next);
        const int before = f.DocumentExplorer->PassCount();
        const long calls = TThread::SynchronizedCalls();
        f.ResumeExplorer();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return f.DocumentExplorer->PassCount() > before && f.DocumentExplorer->Suspended(); }, 10000));
        EXPECT_EQ(TThread::SynchronizedCalls() - calls, 1);
        EXPECT_EQ(f.DocumentExplorer->GetLastIndex() + 1, int(outline::ScanHeadings(next).size()));
        f.TimerTreeViewTimer();  // the next pass in a tick of its own
    }

    // The pass scans the text of the moment it was resumed; an edit made
    // while it runs waits for the next pass.
    f.RichEdit->SetText("\\section{A}\r\n");
    f.ResumeExplorer();
    f.RichEdit->SetText("\\section{B}\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.TreeView->topLevelItemCount() == 1; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.DocumentExplorer->Suspended(); }, 10000));
    EXPECT_EQ(f.TreeView->topLevelItem(0)->text(0), "A");
}

}  // namespace
