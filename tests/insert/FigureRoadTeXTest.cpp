// A Japanese report written the way a user writes one: the programs filled
// in by the automatic setup, the template from the class dialog, a PDF, a
// PNG, a JPEG and an EPS picture put in by the figure dialog, and F12.  The
// PDF that comes out must show every picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "app/Form1.h"
#include "core/settings/Keys.h"
#include "insert/FiguresDialogs.h"
#include "insert/PreambleDialogs.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/RealTeX.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/Init.h"
#include "tex/TeXCommands.h"
#include "tex/TeXConsole.h"
#include "tex/TeXRunState.h"

namespace {

using testsupport::sjis;

struct Picture {
    const char* file;
    QColor colour;
    bool sized;  // the dialog requires a size: everything but EPS
};

// Pixels of the rendered pages near the colour, over every page.
int pixelsOf(const QList<QImage>& pages, const QColor& colour)
{
    int count = 0;
    for (const QImage& page : pages)
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
                    std::abs(c.blue() - colour.blue()) < 60)
                    ++count;
            }
    return count;
}

class FigureRoadTeX : public apptest::AppTest {
protected:
    // The automatic setup of the TeX settings dialog, on this machine's
    // files, confirmed as the user confirms it.
    void automaticSetup(TForm1& f)
    {
        TFormInit init(&f);
        init.SetRegKey(f.RegKey);
        init.FormShow();
        script().onDialog([](QDialog&) { return int(mrOk); });
        script().expectMessage(
            {QString::fromUtf8("Quillmarkの初期設定が完了しました。"), QString::fromUtf8("確認"), std::nullopt, IDOK});
        init.BitBtn4Click();
        ASSERT_EQ(init.result(), mrOk);
    }
};

}  // namespace

TEST_F(FigureRoadTeX, ReportWithEveryKindOfPictureShowsThemInThePdf)
{
    if (!realtex::installed({"/usr/bin/platex", "/usr/bin/dvipdfmx", "/usr/bin/pdftoppm", "/usr/bin/pdfimages"}))
        GTEST_SKIP() << "pLaTeX or the PDF tools are not installed";
    const QString folder = QFileInfo(document("report.tex", "")).absolutePath();
    const Picture pictures[] = {
        {"graph.pdf", QColor(0, 0, 255), true},
        {"photo.png", QColor(0, 200, 0), true},
        {"scan.jpg", QColor(230, 0, 0), true},
        {"plot.eps", QColor(255, 0, 255), false},
    };
    ASSERT_TRUE(realtex::writeFile(folder + "/graph.pdf", realtex::pdfPicture(pictures[0].colour)));
    ASSERT_TRUE(realtex::writeBitmap(folder + "/photo.png", pictures[1].colour, "png"));
    ASSERT_TRUE(realtex::writeBitmap(folder + "/scan.jpg", pictures[2].colour, "jpg"));
    ASSERT_TRUE(realtex::writeFile(folder + "/plot.eps", realtex::epsPicture(pictures[3].colour)));

    TForm1& f = start();
    automaticSetup(f);
    const settings::Store store = f.Settings();
    EXPECT_EQ(store.read(key::TeXFile), "/usr/bin/platex");
    EXPECT_EQ(store.read(key::DvipdfFile), "/usr/bin/dvipdfmx");
    // No window can open here: the PDF reader the setup chose is replaced
    // by one that notes the file it is given.
    EXPECT_TRUE(QFileInfo(store.read(key::PDFReaderFile)).isExecutable());
    const QString shown = tempPath("shown.txt");
    TRegistry reg;
    reg.OpenKey(f.RegKey + "\\TeXSetting", true);
    reg.WriteString("PDFReaderFile",
                    textest::writeScript(tempPath("reader.sh"), "echo \"$@\" > '" + shown.toLocal8Bit() + "'\n"));
    reg.CloseKey();

    ASSERT_TRUE(f.LoadFile(folder + "/report.tex"));
    script().onDialog([](QDialog& dialog) {
        dynamic_cast<TFormTexClass&>(dialog).ui.RadioGroupCharSize.SetItemIndex(2);
        return int(mrOk);
    });
    f.MenuFormatClassClick();
    f.InsertText(sjis("\\section{はじめに}\r\n図を四つ並べた報告書です。\r\n"));
    for (const Picture& p : pictures) {
        const std::string body = f.RichEdit->Text();
        f.RichEdit->Select(int(body.rfind("\\end{document}")), 0);
        script().onFile([&](const ask::FileRequest& r) {
            EXPECT_EQ(r.filterIndex, 1);
            return ask::FileAnswer{true, folder + "/" + p.file, 1};
        });
        script().onDialog([&](QDialog& dialog) {
            auto& d = dynamic_cast<TFormZuinsert&>(dialog);
            EXPECT_TRUE(d.ui.rbGraphicx->isChecked()) << p.file << ": the template's graphicx";
            // The size is required but for EPS, which is shown as it is.
            EXPECT_EQ(d.ui.RBSizeOff->isEnabled(), !p.sized) << p.file;
            if (!p.sized) d.ui.RBSizeOff->click();
            return int(mrOk);
        });
        f.MenuInsertFigureClick();
        f.InsertText(sjis("図の説明"));  // into the caption's braces
    }
    const std::string text = f.RichEdit->Text();
    ASSERT_NE(text.find("\\includegraphics[width=100mm,height=100mm]{photo.png}"), std::string::npos);
    ASSERT_NE(text.find("\\includegraphics{plot.eps}"), std::string::npos);

    // A TeX error would wait for an answer at the console: it gets "x".
    const textest::AnswerFirstError stopAtAnError([&f] { return tex::TeXConsoleView(f); });
    f.MenuTexDVIClick(1);
    ASSERT_TRUE(textest::waitUntil([&] { return !f.TeXBusy && !tex::runState(f).TeXThread; }, 120000))
        << tex::TeXConsoleView(f)->text().toStdString();
    EXPECT_FALSE(stopAtAnError.answered()) << tex::TeXConsoleView(f)->text().toStdString();
    const QString pdf = folder + "/report.pdf";
    ASSERT_TRUE(QFileInfo::exists(pdf)) << tex::TeXConsoleView(f)->text().toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(shown)).trimmed(), pdf);

    // The two bitmaps are images of the PDF; every picture is drawn.
    const realtex::Finished images = realtex::run(folder, "/usr/bin/pdfimages", {"-list", "report.pdf"});
    EXPECT_EQ(images.exitCode, 0);
    QStringList encodings;  // one per image, after the two heading lines
    for (const QString& line : QString::fromLocal8Bit(images.output).split('\n', Qt::SkipEmptyParts).mid(2))
        encodings << line.split(' ', Qt::SkipEmptyParts).value(8);
    EXPECT_EQ(encodings, (QStringList{"image", "jpeg"})) << images.output.toStdString();
    const realtex::Finished render = realtex::run(folder, "/usr/bin/pdftoppm", {"-r", "20", "report.pdf", "page"});
    ASSERT_EQ(render.exitCode, 0) << render.output.toStdString();
    QList<QImage> pages;
    for (const QString& name : QDir(folder).entryList({"page*.ppm"}, QDir::Files, QDir::Name))
        pages << QImage(folder + "/" + name);
    EXPECT_GE(pages.size(), 2);
    for (const Picture& p : pictures)
        EXPECT_GT(pixelsOf(pages, p.colour), p.sized ? 300 : 100) << p.file << " is not on the pages";
}
