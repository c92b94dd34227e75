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

TEST_F(DropTest, TwoFilesAreRefusedAndTheDocumentUntouched) {
    TForm1& f = start();
    f.RichEdit->SetText("keep");
    f.RichEdit->SetModified(true);
    f.WMDropFiles({tempPath("a.tex"), tempPath("b.tex")});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8(kTwoFiles));
    EXPECT_EQ(messages[0].caption, "Drag&Drop");
    EXPECT_EQ(messages[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(f.RichEdit->Text(), "keep");
    EXPECT_TRUE(f.RichEdit->Modified());
}

TEST_F(DropTest, ModifiedDocumentIsReplacedOnlyAfterYes) {
    TForm1& f = start();
    f.RichEdit->SetText("unsaved");
    f.RichEdit->SetModified(true);
    answers = {IDNO};
    f.WMDropFiles({document("a.tex")});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8(kDiscard));
    EXPECT_EQ(messages[0].caption, "Drag&Drop");
    EXPECT_EQ(messages[0].flags, MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_EQ(f.RichEdit->Text(), "unsaved");
}

TEST_F(DropTest, FilesDroppedOnTheEditorReachTheWindow) {
    TForm1& f = start();
    ASSERT_TRUE(f.RichEdit->OnDropFiles);
    f.RichEdit->OnDropFiles({tempPath("a.tex"), tempPath("b.tex")});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8(kTwoFiles));
    // An unmodified document is replaced without a question.
    f.RichEdit->OnDropFiles({document("a.tex")});
    EXPECT_EQ(messages.size(), 1u);
}
