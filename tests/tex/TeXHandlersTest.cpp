#include "tests/tex/TeXWorkerSupport.h"

#include <QElapsedTimer>
#include <QThread>

#include <stdexcept>

#include "tests/support/ScriptedAsk.h"

namespace {

QByteArray countingTeX(const QString& log, const QByteArray& extra = "")
{
    return "for last; do :; done\necho \"tex $last\" >> '" + log.toLocal8Bit() + "'\n" + extra +
           "echo dvi > \"${last%.tex}.dvi\"\n";
}

}  // namespace

class TeXHandlersTest : public TeXWorkerTest {
protected:
    void open(const QString& path, const std::string& text)
    {
        form->RichEdit->SetText(text);
        form->RichEdit->SetModified(false);
        form->FileName = path;
        form->HasFileName = true;
    }
    bool waitIdle()
    {
        return textest::waitUntil([&] { return !form->TeXBusy && !tex::runState(*form).TeXThread; }, 20000);
    }
};

TEST_F(TeXHandlersTest, RefusedDocumentsAndBusyWindow)
{
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog())));
    open(document("notes.txt", "x"), "x");
    form->MenuTexExeClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "エラー|" + folder + "/notes.txt\r\n\r\n拡張子が tex, dtx, ins 以外のファイルは、TeX処理できません。");
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    // Parent processing does not lift the test on the open document.
    form->ParentExecute = true;
    form->ParentFile = document("main.tex", "x");
    form->MenuTexOneClick();
    EXPECT_EQ(messages.size(), 2u);
    form->ParentExecute = false;

    messages.clear();
    open(document("my doc.tex", "x"), "x");
    form->MenuTexDVIClick(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("ファイル名が半角空白を含んでいるので"));

    messages.clear();
    open(document("doc.tex", "x"), "x");
    form->Busy = true;
    form->MenuTexExeClick();
    form->Busy = false;
    form->TeXBusy = true;
    form->MenuTexExeClick();
    form->TeXBusy = false;
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(order().isEmpty());
}

TEST_F(TeXHandlersTest, AtMostOneWorkerAndTheWindowStaysFree)
{
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog(), "sleep 0.3\n")));
    open(document("doc.tex", "x"), "\\section{a}");
    form->MenuTexExeClick();
    // A second command before the worker's first step is refused as well.
    form->MenuTexExeClick();
    form->MenuTexDVIClick(0);
    EXPECT_TRUE(form->TeXBusy);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order(), QStringList{"tex doc.tex"});
    EXPECT_TRUE(form->TeXProcessed);
}

TEST_F(TeXHandlersTest, TheEndOfARunDoesNotFreeTheRunThatFollowedIt)
{
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog(), "sleep 0.5\n")));
    open(document("doc.tex", "x"), "x");
    form->MenuTexOneClick();
    // The run clears the busy flag itself; a command can come before the
    // news that its thread has ended.
    QElapsedTimer limit;
    limit.start();
    while (form->TeXBusy && limit.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_FALSE(form->TeXBusy);
    QThread::msleep(300);  // the ended thread's news waits in the queue
    form->MenuTexOneClick();
    ASSERT_TRUE(form->TeXBusy);
    // The first run's end is delivered now, while the second run works.
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->TeXBusy) << "a second run is still working";
    form->MenuTexOneClick();  // refused: one run at a time
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order(), (QStringList{"tex doc.tex", "tex doc.tex"}));
}

TEST_F(TeXHandlersTest, PassTriggersAndParentProcessing)
{
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog())));
    open(document("doc.tex", "x"), "\\Label{a}");
    form->MenuTexExeClick();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order().size(), 1);
    QFile::remove(orderLog());
    form->TeXProcessed = false;
    form->MenuTexDVIClick(1);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order().size(), 3);

    // The parent is processed; the passes come from the open child's text.
    QFile::remove(orderLog());
    form->ParentExecute = true;
    form->ParentFile = document("main.tex", "x");
    open(document("child.tex", "x"), "\\ref{a}");
    form->MenuTexExeClick();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order(), (QStringList{"tex main.tex", "tex main.tex", "tex main.tex"}));
}

TEST_F(TeXHandlersTest, ClosingWhileTeXHangsEndsItPromptly)
{
    setting("TeXFile", fake("tex.sh", "echo started >> '" + orderLog().toLocal8Bit() + "'\nsleep 60\n"));
    open(document("doc.tex", "x"), "x");
    form->MenuTexOneClick();
    ASSERT_TRUE(textest::waitUntil([&] { return !order().isEmpty(); }, 10000));
    QElapsedTimer timer;
    timer.start();
    form->StopTeXWorker();
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    EXPECT_FALSE(form->TeXBusy);
}

TEST_F(TeXHandlersTest, ClosingTheConsoleEndsTheProgramThatTalksInIt)
{
    setting("TeXFile", fake("tex.sh", "echo started >> '" + orderLog().toLocal8Bit() + "'\nread answer\n"));
    open(document("doc.tex", "x"), "x");
    form->MenuTexOneClick();
    ASSERT_TRUE(textest::waitUntil([&] { return tex::TeXConsoleView(*form)->programRunning(); }, 10000));
    tex::TeXConsoleView(*form)->close();
    EXPECT_TRUE(waitIdle());
}

TEST_F(TeXHandlersTest, ARunKeepsTheSettingsItWasStartedWith)
{
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog(), "sleep 0.2\n")));
    open(document("doc.tex", "x"), "\\label{a}");
    form->MenuTexExeClick();
    // Set up anew while the first pass runs: the later passes of this run
    // still use the program it started with.
    setting("TeXFile", fake("other.sh", "echo other >> '" + orderLog().toLocal8Bit() + "'\n"));
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order(), (QStringList{"tex doc.tex", "tex doc.tex", "tex doc.tex"}));
}

TEST_F(TeXHandlersTest, FailuresOfARunReachTheUser)
{
    testsupport::ScriptedAsk script;
    open(document("doc.tex", "x"), "x");

    // A program setting of the wrong type reads as its default (none), which
    // is said, and the store holds the default from then on.
    settingInt("TeXFile", 5);
    script.expectMessage("起動するTeXプログラムが指定されていません。", "Quillmark", MB_ICONERROR, IDOK);
    form->Item("MenuTexOne")->trigger();
    ASSERT_TRUE(waitIdle());
    {
        TRegistry reg;
        reg.OpenKey(form->RegKey + "\\TeXSetting", false);
        EXPECT_EQ(reg.ReadString("TeXFile"), "");
    }

    // Whatever ends a run early is shown by the window as the Error Message
    // box, and the window takes the next command.
    script.expectMessage({.text = "起動するTeXプログラムが指定されていません。",
                          .raise = [] { throw std::runtime_error("cannot show the message"); }});
    script.expectMessage("cannot show the message", "Error Message", MB_OK | MB_ICONERROR, IDOK);
    form->Item("MenuTexOne")->trigger();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(script.pending(), 0);

    setting("TeXFile", fake("tex.sh", countingTeX(orderLog())));
    form->Item("MenuTexOne")->trigger();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(order(), QStringList{"tex doc.tex"});
}

// The parent file's road: a conversion that fails starts no viewer, on the
// first run and on the next one that finds the parent processed.
TEST_F(TeXHandlersTest, ParentRoadStartsNoViewerAfterAFailedConversion)
{
    const QString viewerLog = folder + "/viewer.log";
    setting("TeXFile", fake("tex.sh", countingTeX(orderLog())));
    const QString dvipdf = fake("dvipdf.sh", "echo \"dvipdfmx $*\" >> '" + orderLog().toLocal8Bit() +
                                                 "'\necho '%PDF' > main.pdf\nexit 1\n");
    setting("DvipdfFile", dvipdf);
    setting("PDFReaderFile", fake("reader.sh", "echo \"$*\" >> '" + viewerLog.toLocal8Bit() + "'\n"));
    form->ParentExecute = true;
    form->ParentFile = document("main.tex", "x");
    open(document("child.tex", "x"), "x");
    const QString failed = "Quillmark|DVI→PDFプログラム（" + dvipdf +
                           "）がエラーで終了したので（終了コード 1）、\nビューアを起動できませんでした。";
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        QFile::remove(orderLog());
        messages.clear();
        form->MenuTexDVIClick(1);
        ASSERT_TRUE(waitIdle());
        const QStringList expected =
            round == 0 ? QStringList{"tex main.tex", "dvipdfmx main.dvi"} : QStringList{"dvipdfmx main.dvi"};
        EXPECT_EQ(order(), expected);
        EXPECT_EQ(messages, std::vector<QString>{failed});
        textest::waitUntil([] { return false; }, 200);
        EXPECT_FALSE(QFileInfo::exists(viewerLog));
    }
}
