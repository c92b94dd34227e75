// Deleting a document's by-products while pLaTeX runs on it: the real TeX,
// stopped at an error and waiting for an answer at its prompt, must never
// lose its .aux and .log under it.
#include "tests/tex/TeXWorkerSupport.h"

#include <QFileInfo>

#include "tests/support/RealTeX.h"
#include "tex/TeXConsole.h"

namespace {

// An error after \begin{document}, so the .aux is open when TeX asks.
const QByteArray kWaitingDocument =
    "\\documentclass{jarticle}\r\n\\begin{document}\r\n\\label{a}\r\n\\undefinedcommand\r\n\\end{document}\r\n";

}  // namespace

class ByProductRunTest : public TeXWorkerTest {
protected:
    void SetUp() override
    {
        TeXWorkerTest::SetUp();
        if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
        setting("TeXFile", "/usr/bin/platex");
        TRegistry reg;
        reg.OpenKey(form->RegKey, true);
        reg.WriteBool("adAutoDelete", true);
    }
    void TearDown() override
    {
        ask::setFileAnswerer({});
        TeXWorkerTest::TearDown();
    }
    void open(const QString& path)
    {
        form->RichEdit->SetText(kWaitingDocument.toStdString());
        form->RichEdit->SetModified(false);
        form->FileName = path;
        form->HasFileName = true;
    }
    // Starts TeX once on the open document and waits until it asks.
    bool startWaitingRun()
    {
        tex::TeXConsoleView(*form)->clear();
        form->MenuTexOneClick();
        return textest::waitUntil([&] { return tex::TeXConsoleView(*form)->text().contains("\n? "); }, 30000);
    }
    bool beside(const QString& document, const char* ext) const
    {
        return QFileInfo::exists(document.left(document.size() - 4) + ext);
    }
    void answerOpen(bool accepted, const QString& path = {})
    {
        ask::setFileAnswerer([=](const ask::FileRequest&) { return ask::FileAnswer{accepted, path, 1}; });
    }
};

TEST_F(ByProductRunTest, NewAndOpenEndTheRunBeforeDeletingAndACancelledOpenDeletesNothing)
{
    const QString first = document("first.tex", kWaitingDocument);
    open(first);
    ASSERT_TRUE(startWaitingRun()) << tex::TeXConsoleView(*form)->text().toStdString();
    ASSERT_TRUE(beside(first, ".aux") && beside(first, ".log"));

    // Cancelled: the document stays, its files stay, and TeX still waits.
    answerOpen(false);
    form->MenuFileOpenClick();
    EXPECT_TRUE(beside(first, ".aux"));
    EXPECT_TRUE(beside(first, ".log"));
    EXPECT_TRUE(form->TeXBusy);
    EXPECT_TRUE(tex::TeXConsoleView(*form)->programRunning());

    // Another file chosen: the run is over before its files go.
    const QString second = document("second.tex", kWaitingDocument);
    answerOpen(true, second);
    form->MenuFileOpenClick();
    EXPECT_FALSE(form->TeXBusy);
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    EXPECT_FALSE(beside(first, ".aux"));
    EXPECT_FALSE(beside(first, ".log"));
    EXPECT_EQ(form->FileName, second);

    // 新規作成 answered いいえ on a changed document, the same.
    ASSERT_TRUE(startWaitingRun()) << tex::TeXConsoleView(*form)->text().toStdString();
    form->RichEdit->SetModified(true);
    messages.clear();
    ask::setMessageAnswerer([this](const ask::MessageRequest& r) {
        messages.push_back(r.caption + "|" + r.text);
        return IDNO;
    });
    form->MenuFileNewClick();
    EXPECT_FALSE(form->TeXBusy);
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    EXPECT_FALSE(beside(second, ".aux"));
    EXPECT_FALSE(beside(second, ".log"));
    EXPECT_FALSE(form->HasFileName);
    EXPECT_EQ(messages, std::vector<QString>{"Quillmark|変更されています。保存しますか"});
}
