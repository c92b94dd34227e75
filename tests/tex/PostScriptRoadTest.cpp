// Ctrl+F12 on the new-document template with real pLaTeX and dvips: the
// template sets graphicx for dvipdfmx (the F12 road), which dvips cannot
// draw, and the user must hear why the figures of the PostScript are blank.
#include <gtest/gtest.h>

#include <QColor>
#include <QFileInfo>
#include <QTimer>

#include "app/Form1.h"
#include "platform/Registry.h"
#include "tests/app/AppFixture.h"
#include "tests/support/RealTeX.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/TeXCommands.h"
#include "tex/TeXConsole.h"
#include "tex/TeXRunState.h"
#include "tex/TeXWorker.h"

class PostScriptRoad : public apptest::AppTest {
protected:
    void setting(TForm1& f, const QString& name, const QString& value)
    {
        TRegistry reg;
        reg.OpenKey(f.RegKey + "\\TeXSetting", true);
        reg.WriteString(name, value);
    }
    // Shows the PostScript on the open document and waits for the run; an
    // error prompt of TeX is answered with "x".
    void showPostScript(TForm1& f)
    {
        const textest::AnswerFirstError stopAtAnError([&f] { return tex::TeXConsoleView(f); });
        f.MenuFileSaveClick();
        f.MenuTexDVIClick(2);
        ASSERT_TRUE(textest::waitUntil([&] { return !f.TeXBusy && !tex::runState(f).TeXThread; }, 120000))
            << tex::TeXConsoleView(f)->text().toStdString();
        EXPECT_FALSE(stopAtAnError.answered()) << tex::TeXConsoleView(f)->text().toStdString();
    }
    void putBeforeEnd(TForm1& f, const std::string& text)
    {
        const std::string body = f.RichEdit->Text();
        f.RichEdit->Select(int(body.rfind("\\end{document}")), 0);
        f.InsertText(text);
    }
};

TEST_F(PostScriptRoad, FiguresSetForDvipdfmxAreExplainedAndThoseDvipsDrawsAreNot)
{
    if (!realtex::installed({"/usr/bin/platex", "/usr/bin/dvips"})) GTEST_SKIP() << "pLaTeX or dvips is not installed";
    const QString folder = QFileInfo(document("report.tex", "")).absolutePath();
    ASSERT_TRUE(realtex::writeBitmap(folder + "/photo.png", QColor(0, 200, 0), "png"));
    ASSERT_TRUE(realtex::writeFile(folder + "/plot.eps", realtex::epsPicture(QColor(255, 0, 255))));

    TForm1& f = start();
    setting(f, "TeXFile", "/usr/bin/platex");
    setting(f, "DvipsFile", "/usr/bin/dvips");
    const QString shown = tempPath("shown.txt");
    setting(f, "PSViewerFile", textest::writeScript(tempPath("gv.sh"), "echo \"$@\" > '" + shown.toLocal8Bit() + "'\n"));
    ASSERT_TRUE(f.LoadFile(folder + "/report.tex"));
    script().onDialog([](QDialog&) { return int(mrOk); });
    f.MenuFormatClassClick();
    ASSERT_NE(f.RichEdit->Text().find("\\usepackage[dvipdfmx]{graphicx}"), std::string::npos);

    // A picture only dvipdfmx can place: said, and the viewer still shows
    // the text of the pages.
    putBeforeEnd(f, "\\includegraphics[width=30mm]{photo.png}\r\n");
    script().answerNextMessage(IDOK);
    showPostScript(f);
    ASSERT_EQ(messages().size(), 1u) << tex::TeXConsoleView(f)->text().toStdString();
    const ask::MessageRequest said = messages()[0];
    EXPECT_EQ(said.caption, "Quillmark");
    EXPECT_TRUE(said.text.contains("dvipdfmx オプション")) << said.text.toStdString();
    EXPECT_TRUE(said.text.contains("F12")) << said.text.toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(shown)).trimmed(), folder + "/report.ps");

    // An EPS picture alone, which dvips draws from the same template: no word.
    std::string text = f.RichEdit->Text();
    const std::string png = "\\includegraphics[width=30mm]{photo.png}";
    f.RichEdit->Select(int(text.find(png)), int(png.size()));
    f.InsertText("\\includegraphics{plot.eps}");
    QFile::remove(shown);
    showPostScript(f);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(shown));
}

TEST(FigureDriverMessage, NamesTheDriverOnlyWhenDvipsLostFigures)
{
    const std::string dvipdfmxLog = "Package graphics Info: Driver file: dvipdfmx.def on input line 107.\n";
    const QByteArray blank = "[1\n/usr/bin/dvips: No \\special psfile was given; figure will be blank\n] \n";
    EXPECT_TRUE(figureDriverMessage(dvipdfmxLog, blank).contains("dvipdfmx"));
    EXPECT_EQ(figureDriverMessage(dvipdfmxLog, "[1] \n"), QString());
    EXPECT_EQ(figureDriverMessage("Package graphics Info: Driver file: dvips.def on input line 107.\n", blank),
              QString());
    EXPECT_EQ(figureDriverMessage("no graphics here\n", blank), QString());
}
