// A converted table and a figure, put in by their commands, through the real
// pLaTeX and dvipdfmx on a Shift-JIS document.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "app/Form1.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"

namespace {

using testsupport::sjis;

// A one-page PDF holding a filled rectangle, with a correct cross-reference
// table so that the driver reads it without repair.
QByteArray smallPdf()
{
    const QByteArray content = "0 0 1 rg 0 0 100 50 re f\n";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 50] /Contents 4 0 R /Resources << >> >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

struct Finished {
    int exitCode = -1;
    QByteArray output;
};

Finished run(const QString& folder, const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PTEX_KANJI_ENC", "sjis");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, arguments);
    Finished r;
    if (!p.waitForFinished(120000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = p.readAll();
    return r;
}

class TablesFiguresTeX : public apptest::AppTest {};

}  // namespace

TEST_F(TablesFiguresTeX, ConvertedTableAndFigureRunThroughPLaTeXAndDvipdfmx)
{
    if (!QFileInfo::exists("/usr/bin/platex") || !QFileInfo::exists("/usr/bin/dvipdfmx"))
        GTEST_SKIP() << "pLaTeX is not installed";

    // 表 and ソ end in the byte of a backslash; the cells come as a
    // spreadsheet copies them, tab-separated with a final line break.
    const std::string cells = sjis("名前\t点数\t備考\r\n山田\t90\t表\r\n鈴木\t85\tソ\r\n");
    const std::string preamble =
        "\\documentclass{jarticle}\r\n\\usepackage[dvipdfmx]{graphicx}\r\n"
        "\\begin{document}\r\n";
    const std::string ending = "\\end{document}\r\n";
    const QString path = document("real.tex", QByteArray::fromStdString(preamble + cells + ending));
    QFile pdf(tempPath("graph.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write(smallPdf());
    pdf.close();

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

    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text.data(), qint64(text.size()));
    out.close();

    const QString folder = QFileInfo(path).absolutePath();
    const Finished tex =
        run(folder, "/usr/bin/platex", {"-kanji=sjis", "-interaction=nonstopmode", "-halt-on-error", "real.tex"});
    EXPECT_EQ(tex.exitCode, 0) << tex.output.toStdString();
    EXPECT_FALSE(tex.output.contains("\n!")) << tex.output.toStdString();
    const Finished driver = run(folder, "/usr/bin/dvipdfmx", {"real.dvi"});
    EXPECT_EQ(driver.exitCode, 0) << driver.output.toStdString();
    EXPECT_GT(QFileInfo(folder + "/real.pdf").size(), 1000);
}
