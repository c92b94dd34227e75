#include "tests/app/AppFixture.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/SpellCheck.h"

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
}

class SpellCommandTest : public apptest::AppTest {
protected:
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

TEST_F(SpellCommandTest, CheckerEditsTheSavedFileInItsFolderAndEndsAtOnce)
{
    TForm1& f = openDocument("my doc.tex", "teh cat\r\n");
    const QString log = tempPath("args.log");
    // Reads its input to the end, so it would hang on an open pipe.
    const QString checker = textest::writeScript(
        tempPath("chk.sh"), "cat >/dev/null\npwd > '" + log.toLocal8Bit() +
                                "'\nfor a; do echo \"[$a]\" >> '" + log.toLocal8Bit() +
                                "'; done\nfor last; do :; done\nsed -i 's/teh/the/' \"$last\"\n");
    setChecker(checker, "");
    f.RichEdit->SetSelStart(4);
    f.MenuTeXSpellClick();
    EXPECT_EQ(textest::readFile(log), (QFileInfo(f.FileName).absolutePath() + "\n[" + f.FileName + "]\n").toLocal8Bit());
    EXPECT_EQ(textest::readFile(f.FileName), "the cat\r\n");
    EXPECT_EQ(f.RichEdit->Text(), "the cat\r\n");
    EXPECT_EQ(f.RichEdit->SelStart(), 4);
    EXPECT_TRUE(messages().empty());
}

TEST_F(SpellCommandTest, CaretBeyondTheReloadedTextEndsAtItsEnd)
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
