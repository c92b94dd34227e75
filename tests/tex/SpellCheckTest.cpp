#include "tests/app/AppFixture.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/SpellCheck.h"
#include "core/files/DocumentFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

TEST(SpellCheckLaunch, OptionsThenTheWholePathInTheDocumentFolder)
{
    proc::Launch empty = spell::checkerLaunch("/usr/bin/chk", "", "/home/u/my docs/a b.tex");
    EXPECT_EQ(empty.program, "/usr/bin/chk");
    EXPECT_EQ(empty.arguments, QStringList{"/home/u/my docs/a b.tex"});
    EXPECT_EQ(empty.workingDirectory, "/home/u/my docs");

    proc::Launch options = spell::checkerLaunch("/usr/bin/chk", "-j  -d 'en us'", "/d/a.tex");
    EXPECT_EQ(options.arguments, (QStringList{"-j", "-d", "en us", "/d/a.tex"}));

    // A bare name is found on PATH.
    EXPECT_EQ(spell::checkerLaunch("sh", "", "/d/a.tex").program, QStandardPaths::findExecutable("sh"));

    // Answered in a terminal window that ends with the checker.
    const proc::Launch wrapped = spell::inTerminal("/usr/bin/x-terminal-emulator", options);
    EXPECT_EQ(wrapped.program, "/usr/bin/x-terminal-emulator");
    EXPECT_EQ(wrapped.arguments,
              (QStringList{"-T", "スペルチェック", "-e", "/usr/bin/chk", "-j", "-d", "en us", "/d/a.tex"}));
    EXPECT_EQ(wrapped.workingDirectory, "/d");
}

class SpellCommandTest : public apptest::AppTest {
protected:
    // The desktop's terminal is a stand-in on PATH: it runs the program
    // after "-e" (with the body's way of answering it) and logs its title.
    void SetUp() override
    {
        apptest::AppTest::SetUp();
        previousPath_ = qgetenv("PATH");
        useTerminal("exec \"$@\" </dev/null\n");
    }
    void TearDown() override
    {
        qputenv("PATH", previousPath_);
        apptest::AppTest::TearDown();
    }
    void useTerminal(const QByteArray& run)
    {
        QDir().mkpath(tempPath("bin"));
        textest::writeScript(tempPath("bin/x-terminal-emulator"),
                             "while [ $# -gt 0 ]; do case \"$1\" in -T) echo \"$2\" > '" +
                                 tempPath("title.log").toLocal8Bit() +
                                 "'; shift 2;; -e) shift; break;; *) shift;; esac; done\n" + run);
        qputenv("PATH", tempPath("bin").toLocal8Bit() + ":" + previousPath_);
    }
    QByteArray previousPath_;

    TForm1& openDocument(const QString& name, const QByteArray& text)
    {
        TForm1& f = start();
        f.FileName = document(name, text);
        f.HasFileName = true;
        f.RichEdit->SetText(text.toStdString());
        f.RichEdit->SetModified(false);
        return f;
    }
    void setChecker(const QString& program, const QString& options)
    {
        writeString("\\TeXSetting", "SpellFile", program);
        writeString("\\TeXSetting", "SpellOption", options);
    }
};

TEST_F(SpellCommandTest, NoCheckerConfigured)
{
    TForm1& f = openDocument("a.tex", "teh\r\n");
    setChecker("", "-j");
    script().expectMessage("起動するスペルチェック・ソフトウェアが指定されていません。", "Quillmark",
                           MB_OK | MB_ICONERROR, IDOK);
    f.MenuTeXSpellClick();
    f.Busy = true;
    f.MenuTeXSpellClick();  // busy: not even the message
    f.Busy = false;
}

// The checker writes its own backup beside the file it is given, as ispell
// does; a file of the user's of that name must not be what it meets.
TEST_F(SpellCommandTest, CheckerWorksOnAPrivateCopyAndItsChangeComesBackUndoably)
{
    const std::string text = testsupport::sjis("日本語の行\r\n") + "teh cat\r\n" + testsupport::sjis("最後の行\r\n");
    TForm1& f = openDocument("my doc.tex", QByteArray::fromStdString(text));
    textest::writeFile(f.FileName + ".bak", "mine");
    const QString log = tempPath("args.log");
    // Reads its input to the end, so it would hang on an open pipe.
    const QString checker = textest::writeScript(
        tempPath("chk.sh"), "cat >/dev/null\npwd > '" + log.toLocal8Bit() +
                                "'\nfor last; do :; done\necho \"$last\" >> '" + log.toLocal8Bit() +
                                "'\nstat -c %a \"$(dirname \"$last\")\" >> '" + log.toLocal8Bit() +
                                "'\ncp \"$last\" \"$last.bak\"\nsed -i 's/teh/the/' \"$last\"\n");
    setChecker(checker, "");
    f.RichEdit->SetSelStart(4);
    f.MenuTeXSpellClick();

    const QStringList lines = QString::fromLocal8Bit(textest::readFile(log)).split('\n');
    ASSERT_GE(lines.size(), 3);
    const QString folder = QFileInfo(f.FileName).absolutePath();
    EXPECT_EQ(lines[0], folder) << "started where the user's word list is";
    const QFileInfo copy(lines[1]);
    EXPECT_EQ(copy.fileName(), "my doc.tex");
    EXPECT_NE(copy.absolutePath(), folder);
    EXPECT_EQ(lines[2], "700");
    EXPECT_FALSE(QFileInfo::exists(copy.absolutePath())) << "the copy's folder goes when the check ends";
    EXPECT_EQ(textest::readFile(f.FileName + ".bak"), "mine");

    std::string checked = text;
    checked.replace(checked.find("teh"), 3, "the");
    EXPECT_EQ(f.RichEdit->Text(), checked);
    EXPECT_EQ(textest::readFile(f.FileName).toStdString(), checked);
    EXPECT_FALSE(f.RichEdit->Modified());
    // The document's own backup holds the text from before the check.
    EXPECT_EQ(textest::readFile(docfile::backupPathFor(f.FileName)).toStdString(), text);
    EXPECT_EQ(f.RichEdit->SelStart(), 4);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(textest::readFile(tempPath("title.log")), "スペルチェック\n");

    // Undone as any replacement is: the new line out, then the old one back.
    f.MenuEditUndoClick();
    f.MenuEditUndoClick();
    EXPECT_EQ(f.RichEdit->Text(), text);
}

TEST_F(SpellCommandTest, CaretBeyondTheCheckedTextEndsAtItsEnd)
{
    TForm1& f = openDocument("a.tex", "a long line\r\n");
    setChecker(textest::writeScript(tempPath("chk.sh"), "for last; do :; done\nprintf ab > \"$last\"\n"), "");
    f.RichEdit->SetSelStart(11);
    f.MenuTeXSpellClick();
    EXPECT_EQ(f.RichEdit->Text(), "ab");
    EXPECT_EQ(f.RichEdit->SelStart(), 2);
}

TEST_F(SpellCommandTest, CheckerThatCannotStartIsReported)
{
    TForm1& f = openDocument("a.tex", "x\r\n");
    setChecker(tempPath("no-such-checker"), "-j");
    script().expectMessage(tempPath("no-such-checker") + "\r\n\r\nスペルチェック・ソフトウェアを起動できませんでした。",
                           "Quillmark", MB_OK | MB_ICONERROR, IDOK);
    f.MenuTeXSpellClick();
}

TEST_F(SpellCommandTest, NoTerminalToAnswerTheCheckerIn)
{
    TForm1& f = openDocument("a.tex", "teh\r\n");
    setChecker(textest::writeScript(tempPath("chk.sh"), "for last; do :; done\nprintf changed > \"$last\"\n"), "");
    QDir().mkpath(tempPath("empty"));
    qputenv("PATH", tempPath("empty").toLocal8Bit());
    script().expectMessage(
        "スペルチェック・ソフトウェアを実行する端末エミュレータ（x-terminal-emulator）が見つかりません。", "Quillmark",
        MB_OK | MB_ICONERROR, IDOK);
    f.MenuTeXSpellClick();
    EXPECT_EQ(textest::readFile(f.FileName), "teh\r\n");
    EXPECT_EQ(f.RichEdit->Text(), "teh\r\n");
}

// The checker the automatic setup chooses, answered by a user at a terminal:
// the terminal here is a pseudo-terminal whose user takes the first
// suggestion for the one misspelt word.  ispell keeps its own backup under
// the file's name with ".bak" added, and the user has a file of that name.
TEST_F(SpellCommandTest, RealCheckerAsTheAutomaticSetupFillsItIsAnsweredInATerminal)
{
    if (!QFileInfo::exists("/usr/bin/ispell") || QStandardPaths::findExecutable("script").isEmpty())
        GTEST_SKIP() << "ispell or script is not installed";
    useTerminal(
        "cmd=''; for a; do cmd=\"$cmd '$a'\"; done\n"
        "(sleep 1; printf 0; sleep 3) | TERM=xterm script -qfec \"$cmd\" /dev/null >/dev/null 2>&1\n");
    const QByteArray text = "\\section{Intro}\r\nThis is a helo world.\r\nThe end.\r\n";
    TForm1& f = openDocument("paper.tex", text);
    const QByteArray mine = "the user's own notes\n";
    textest::writeFile(f.FileName + ".bak", mine);
    setChecker("/usr/bin/ispell", "-t");
    f.RichEdit->SetSelStart(5);
    f.MenuTeXSpellClick();
    EXPECT_EQ(textest::readFile(f.FileName + ".bak"), mine);
    const QByteArray checked = textest::readFile(f.FileName);
    EXPECT_FALSE(checked.contains("helo")) << checked.constData();
    EXPECT_TRUE(checked.startsWith("\\section{Intro}\r\nThis is a ")) << checked.constData();
    EXPECT_TRUE(checked.endsWith(" world.\r\nThe end.\r\n")) << checked.constData();
    EXPECT_EQ(f.RichEdit->Text(), checked.toStdString()) << "the editor shows the checked text";
    EXPECT_EQ(f.RichEdit->SelStart(), 5);
    EXPECT_TRUE(messages().empty());
    f.MenuEditUndoClick();
    f.MenuEditUndoClick();
    EXPECT_EQ(f.RichEdit->Text(), text.toStdString());
}
