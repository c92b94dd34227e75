// Files dropped on the window: one at a time, and never over unsaved work
// unasked.
#include <QCoreApplication>

#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {
class DropTest : public AppTest {};
const char* kTwoFiles = "Drag&Dropで２つ以上のファイルを開くことはできません。";
const char* kDiscard = "現在編集中の文書は保存されていません。\r\nこれを破棄して，Drag&Dropファイルを読み込みますか。";
}  // namespace

TEST_F(DropTest, TwoFilesAreRefusedAndTheDocumentUntouched)
{
    TForm1& f = start();
    f.RichEdit->SetText("keep");
    f.RichEdit->SetModified(true);
    script().expectMessage(QString::fromUtf8(kTwoFiles), "Drag&Drop", MB_OK | MB_ICONERROR, IDOK);
    f.WMDropFiles({tempPath("a.tex"), tempPath("b.tex")});
    EXPECT_EQ(f.RichEdit->Text(), "keep");
    EXPECT_TRUE(f.RichEdit->Modified());
}

TEST_F(DropTest, ModifiedDocumentIsReplacedOnlyAfterYes)
{
    TForm1& f = start();
    f.RichEdit->SetText("unsaved");
    f.RichEdit->SetModified(true);
    script().expectMessage(QString::fromUtf8(kDiscard), "Drag&Drop", MB_YESNO | MB_ICONEXCLAMATION, IDNO);
    f.WMDropFiles({document("a.tex")});
    EXPECT_EQ(script().pending(), 0);
    EXPECT_EQ(f.RichEdit->Text(), "unsaved");
}

TEST_F(DropTest, FilesDroppedOnTheEditorReachTheWindow)
{
    TForm1& f = start();
    ASSERT_TRUE(f.RichEdit->OnDropFiles);
    script().expectMessage(QString::fromUtf8(kTwoFiles), "Drag&Drop", MB_OK | MB_ICONERROR, IDOK);
    f.RichEdit->OnDropFiles({tempPath("a.tex"), tempPath("b.tex")});
    // An unmodified document is replaced without a question.
    f.RichEdit->OnDropFiles({document("a.tex")});
    EXPECT_EQ(messages().size(), 1u);
}
