// Every file the editor reads whole: a named pipe is refused without being
// opened (opening one waits for a writer), and so is a device.
#include <QFile>

#include <stdexcept>

#include "assist/CommandList.h"
#include "core/colour/ColorFile.h"
#include "tests/app/AppFixture.h"
#include "tests/support/WatchedPipe.h"
#include "tex/SpellWords.h"
#include "tex/TeXWorker.h"

using namespace apptest;

namespace {
class BoundedReadsTest : public AppTest {};

int checkLogOf(const QString& document)
{
    TeXJob job;
    job.documentPath = document;
    TTeXEXE worker(job, nullptr, nullptr);
    return worker.CheckLog();
}
}  // namespace

TEST_F(BoundedReadsTest, APipeIsNeverOpenedWhateverTheEditorReads)
{
    testsupport::WatchedPipe pipe(tempPath("paper.log"));
    ASSERT_TRUE(pipe.made());
    const QString named = tempPath("paper.log");
    TForm1& f = start();

    script().answerNextMessage(IDOK);
    EXPECT_FALSE(f.LoadFile(named));
    EXPECT_THROW(cmdassist::qma::load(named), std::runtime_error);
    std::string bytes;
    EXPECT_EQ(colorfile::loadFileBytes(named, bytes).status, colorfile::ReadStatus::Unreadable);
    spell::WordList words;
    EXPECT_FALSE(words.load(named));
    EXPECT_EQ(checkLogOf(document("paper.tex")), 0);
    // A device never ends: the run's log check would read it for ever.
    ASSERT_TRUE(QFile::link("/dev/zero", tempPath("zero.log")));
    EXPECT_EQ(checkLogOf(document("zero.tex")), 0);

    f.FileName = tempPath("paper.tex");
    f.HasFileName = true;
    script().answerNextMessage(IDOK);
    f.Item("MenuTexLog")->trigger();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].text.contains(QString::fromUtf8("普通のファイルではありません")))
        << messages()[1].text.toStdString();

    EXPECT_FALSE(pipe.wasOpened());
    EXPECT_TRUE(pipe.inPlace());
}
