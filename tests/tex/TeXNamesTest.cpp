// Document names on the TeX commands' roads, with Debian's real programs:
// a name each program would read as an option, a format or a pipe reaches
// it as the file, and a name TeX cannot take is refused before the run.
#include "tests/tex/TeXWorkerSupport.h"

#include <QFileInfo>

#include "tests/support/RealTeX.h"
#include "tex/ProgramRunner.h"

namespace {

const QByteArray kIndexed =
    "\\documentclass{jarticle}\r\n\\usepackage{makeidx}\r\n\\makeindex\r\n\\begin{document}\r\n"
    "\x93\xfa\x96\x7b\\index{\x82\xa0}\\cite{key}\r\n\\bibliographystyle{jplain}\r\n\\bibliography{refs}\r\n"
    "\\printindex\r\n\\end{document}\r\n";

}  // namespace

class TeXNamesTest : public TeXWorkerTest {
protected:
    void SetUp() override
    {
        TeXWorkerTest::SetUp();
        if (!realtex::installed({"/usr/bin/platex", "/usr/bin/pbibtex", "/usr/bin/mendex", "/usr/bin/dvipdfmx",
                                 "/usr/bin/dvips"}))
            GTEST_SKIP() << "pLaTeX is not installed";
        setting("TeXFile", "/usr/bin/platex");
        setting("BibTeXFile", "/usr/bin/pbibtex");
        setting("MendexFile", "/usr/bin/mendex");
        setting("DvipdfFile", "/usr/bin/dvipdfmx");
        setting("DvipsFile", "/usr/bin/dvips");
        const QByteArray viewer = "printf '%s\\n' \"$@\" >> '" + shownLog().toLocal8Bit() + "'\n";
        setting("DviFile", fake("dvi-viewer.sh", viewer));
        settingInt("DviDde", 1);
        setting("PDFReaderFile", fake("pdf-reader.sh", viewer));
        setting("PSViewerFile", fake("ps-viewer.sh", viewer));
        textest::writeFile(folder + "/refs.bib", "@book{key, author={A}, title={T}, publisher={P}, year=2000}\n");
    }
    QString shownLog() const { return folder + "/../shown.log"; }
    void open(const QString& path, const QByteArray& text)
    {
        form->RichEdit->SetText(text.toStdString());
        form->RichEdit->SetModified(false);
        form->FileName = path;
        form->HasFileName = true;
        form->TeXProcessed = false;
    }
    // One command of the TeX menu, to the end of its run.
    void command(const std::function<void()>& click)
    {
        click();
        EXPECT_TRUE(textest::waitUntil([&] { return !form->TeXBusy && !tex::runState(*form).TeXThread; }, 60000));
    }
};

// TeX, BibTeX, mendex, dvipdfmx, dvips and the viewers on documents whose
// names begin with "-" (an option to every one of them), "&" (a format to
// TeX) and "!" (a command dvips would send its output to): each reads and
// writes the files of that name, and nothing the names say is run.
TEST_F(TeXNamesTest, NamesThatLookLikeOptionsReachEveryProgramAsFiles)
{
    const QByteArray writesEighteen =
        "\\immediate\\write18{touch PWNED}\r\n\\documentclass{jarticle}\r\n\\begin{document}\r\nx\r\n\\end{document}"
        "\r\n";
    for (const char* name : {"-cnf-line=shell_escape=t", "-jobname=evil", "&platex"}) {
        SCOPED_TRACE(name);
        open(document(QString(name) + ".tex", writesEighteen), writesEighteen);
        command([&] { form->MenuTexExeClick(); });
        EXPECT_GT(QFileInfo(folder + "/" + name + ".dvi").size(), 0);
        EXPECT_FALSE(QFileInfo::exists(folder + "/PWNED"));
        EXPECT_FALSE(QFileInfo::exists(folder + "/evil.dvi"));
        const QString console = tex::TeXConsoleView(*form)->text();
        EXPECT_TRUE(console.contains(" restricted \\write18 enabled.")) << console.toStdString();
    }

    // The full road: three passes with pbibtex and mendex, then each output.
    const QString doc = document("-x.tex", kIndexed);
    open(doc, kIndexed);
    command([&] { form->MenuTexDVIClick(0); });
    command([&] { form->MenuTexDVIClick(1); });
    command([&] { form->MenuTexDVIClick(2); });
    for (const char* extension : {".bbl", ".ind", ".dvi", ".pdf", ".ps"})
        EXPECT_GT(QFileInfo(folder + "/-x" + extension).size(), 0) << extension;
    EXPECT_TRUE(textest::waitUntil([&] { return textest::readFile(shownLog()).count('\n') == 3; }, 10000));
    const QString shown = QString::fromLocal8Bit(textest::readFile(shownLog()));
    const QString base = QFileInfo(doc).absolutePath() + "/-x";
    EXPECT_EQ(shown, base + ".dvi\n" + base + ".pdf\n" + base + ".ps\n");

    // dvips is told where its output goes: a name of its own making that
    // begins with "!" would be a command.
    const QByteArray plain = "\\documentclass{jarticle}\r\n\\begin{document}\r\nx\r\n\\end{document}\r\n";
    open(document("!touch>PWNED;.tex", plain), plain);
    command([&] { form->MenuTexDVIClick(2); });
    EXPECT_GT(QFileInfo(folder + "/!touch>PWNED;.ps").size(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder + "/PWNED"));

    // A parent whose name begins with "-" is processed by its name as well.
    form->ParentFile = document("-main.tex", plain);
    form->ParentExecute = true;
    open(document("child.tex", "x"), "x");
    command([&] { form->MenuTexExeClick(); });
    EXPECT_GT(QFileInfo(folder + "/-main.dvi").size(), 0);
    for (const QString& m : messages) ADD_FAILURE() << m.toStdString();
}

// Each character refused before the run (blanks aside, which have always
// been) makes real pLaTeX fail on a name that holds it, and the refusal
// says which it is; the document's folder may hold any of them.
TEST_F(TeXNamesTest, NamesTeXCannotTakeAreRefusedBeforeTheRun)
{
    const QByteArray plain = "\\documentclass{jarticle}\r\n\\begin{document}\r\nx\r\n\\end{document}\r\n";
    struct Case {
        const char* name;
        const char* says;
    } cases[] = {
        {"a\tb.tex", "ファイル名が制御文字（タブなど）を含んでいるので"},
        {"a\x7f" "b.tex", "ファイル名が制御文字（タブなど）を含んでいるので"},
        {"a\"b.tex", "ファイル名が「\"」を含んでいるので"},
        {"a$HOME.tex", "ファイル名が「$」を含んでいるので"},
        {"a%b.tex", "ファイル名が「%」を含んでいるので"},
        {"a\\b.tex", "ファイル名が「\\」を含んでいるので"},
        {"a~b.tex", "ファイル名が「~」を含んでいるので"},
        {"a^^41b.tex", "ファイル名が「^^」を含んでいるので"},
        {".a.tex", "ファイル名が「.」で始まっているので"},
        {"=a.tex", "ファイル名が「=」で始まっているので"},
        {"|a.tex", "ファイル名が「|」で始まっているので"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        const QString path = document(name, plain);
        const realtex::Finished tex = realtex::platex(folder, proc::fileArgument(name));
        EXPECT_NE(tex.exitCode, 0) << tex.output.toStdString();
        messages.clear();
        open(path, plain);
        form->MenuTexExeClick();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].startsWith("エラー|" + path + "\r\n\r\n" + QString::fromUtf8(c.says)));
        EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
    }
    EXPECT_EQ(messages[0], "エラー|" + folder +
                               "/|a.tex\r\n\r\nファイル名が「|」で始まっているので、TeX処理ができません。\r\n"
                               "TeXで処理する原稿ファイルのファイル名は、「|」で始まっていてはいけません。\r\n"
                               "「|」で始まらないファイル名で保存しなおしてから、再度実行して下さい。");

    // The parent TeX would be given counts as much as the open document.
    messages.clear();
    form->ParentFile = document("main\"1.tex", plain);
    form->ParentExecute = true;
    open(document("child.tex", "x"), "x");
    form->MenuTexExeClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("エラー|" + form->ParentFile + "\r\n\r\nファイル名が「\"」を含んでいるので"));
    EXPECT_EQ(tex::runState(*form).TeXThread, nullptr);
}
