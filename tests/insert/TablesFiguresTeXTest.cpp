// A converted table and a figure, put in by their commands, through the real
// pLaTeX and dvipdfmx on a Shift-JIS document.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/RealTeX.h"

namespace {

using testsupport::sjis;

class TablesFiguresTeX : public apptest::AppTest {};

}  // namespace

TEST_F(TablesFiguresTeX, ConvertedTableAndFigureRunThroughPLaTeXAndDvipdfmx)
{
    if (!realtex::installed({"/usr/bin/platex", "/usr/bin/dvipdfmx"})) GTEST_SKIP() << "pLaTeX is not installed";

    // 表 and ソ end in the byte of a backslash; the cells come as a
    // spreadsheet copies them, tab-separated with a final line break.
    const std::string cells = sjis("名前\t点数\t備考\r\n山田\t90\t表\r\n鈴木\t85\tソ\r\n");
    const std::string preamble =
        "\\documentclass{jarticle}\r\n\\usepackage[dvipdfmx]{graphicx}\r\n"
        "\\begin{document}\r\n";
    const std::string ending = "\\end{document}\r\n";
    const QString path = document("real.tex", QByteArray::fromStdString(preamble + cells + ending));
    ASSERT_TRUE(realtex::writeFile(tempPath("graph.pdf"), realtex::pdfPicture(Qt::blue)));

    TForm1& f = start();
    ASSERT_TRUE(f.LoadFile(path));
    f.RichEdit->Select(int(preamble.size()), int(cells.size()));
    script().onDialog([](QDialog&) { return int(mrOk); });
    f.MenuTableChangeClick();
    const std::string converted = f.RichEdit->Text();
    ASSERT_NE(converted.find(sjis("山田 & 90 & 表 \\\\\r\n")), std::string::npos);

    f.RichEdit->Select(int(converted.size() - ending.size()), 0);
    script().onFile(ask::FileAnswer{true, tempPath("graph.pdf"), 17});
    script().onDialog([](QDialog&) { return int(mrOk); });
    f.MenuInsertFigureClick();
    const std::string text = f.RichEdit->Text();
    ASSERT_NE(text.find("\\includegraphics[width=100mm,height=100mm]{graph.pdf}"), std::string::npos);
    EXPECT_TRUE(script().messages().empty());

    ASSERT_TRUE(realtex::writeFile(path, QByteArray::fromStdString(text)));

    const QString folder = QFileInfo(path).absolutePath();
    const realtex::Finished tex = realtex::platex(folder, "real.tex");
    EXPECT_EQ(tex.exitCode, 0) << tex.output.toStdString();
    EXPECT_FALSE(tex.output.contains("\n!")) << tex.output.toStdString();
    const realtex::Finished driver = realtex::run(folder, "/usr/bin/dvipdfmx", {"real.dvi"});
    EXPECT_EQ(driver.exitCode, 0) << driver.output.toStdString();
    EXPECT_GT(QFileInfo(folder + "/real.pdf").size(), 1000);
}
