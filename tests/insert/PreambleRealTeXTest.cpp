// Documents whose preamble the class and package commands wrote go through
// Debian's real pLaTeX without an error.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "insert/InsertCommands.h"
#include "insert/PreambleDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/RealTeX.h"
#include "tests/support/ScriptedAsk.h"

TEST(PreambleRealTeX, NewDocumentFromTheDialogsRunsThroughPlatex)
{
    if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
    TForm1 form;
    insert::buildPreambleCommands(form);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTexClass&>(dialog);
        d.ui.ComboBox1->setCurrentIndex(1);  // jreport
        emit d.ui.ComboBox1->activated(1);
        d.ui.RadioGroupPaperSize.SetItemIndex(1);
        d.ui.RadioGroupCharSize.SetItemIndex(1);
        d.ui.RadioGroupSide.SetItemIndex(1);
        d.ui.RadioGroupHyoudai.SetItemIndex(1);
        d.ui.RadioGroupMathPos.SetItemIndex(1);
        d.ui.RadioGroupMathNoPos.SetItemIndex(1);
        d.ui.RadioGroupBunken.SetItemIndex(1);
        d.ui.rbOddPage->setChecked(true);
        return int(mrOk);
    });
    form.Item("MenuFormatClass")->trigger();
    form.InsertText(
        cp932::encode(QString::fromUtf8("日本語の本文 $\\alpha$ と式 \\begin{equation}a=b\\end{equation}")));
    for (const auto& [group, file] : {std::pair{1, "amsmath.sty"}, std::pair{3, "color.sty"}}) {
        ask.onDialog([group, file](QDialog& dialog) {
            auto& d = dynamic_cast<TFormUsepackage&>(dialog);
            d.SetGroup(group);
            d.ui.ListBox->setCurrentItem(d.ui.ListBox->findItems(file, Qt::MatchExactly).value(0));
            return int(mrOk);
        });
        form.Item("MenuTexPreUsepackage")->trigger();
    }
    const std::string text = form.RichEdit->Text();
    ASSERT_NE(text.find("\\usepackage{amsmath}\r\n\\usepackage{color}\r\n\\begin{document}"), std::string::npos);
    ASSERT_EQ(text.rfind("\\documentclass[a5j,11pt,onecolumn,twoside,titlepage,fleqn,leqno,openbib,openright,final]"
                         "{jreport}",
                         0),
              0u);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(realtex::writeFile(dir.filePath("new.tex"), QByteArray::fromStdString(text)));
    const realtex::Finished tex = realtex::platex(dir.path(), "new.tex");
    EXPECT_EQ(tex.exitCode, 0) << tex.output.toStdString();
    EXPECT_GT(QFileInfo(dir.filePath("new.dvi")).size(), 0);
}

TEST(PreambleRealTeX, RewrittenClassLineKeepsADocumentCompiling)
{
    if (!realtex::installed({"/usr/bin/platex", "/usr/bin/dvipdfmx"})) GTEST_SKIP() << "pLaTeX is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(realtex::writeBitmap(dir.filePath("fig.png"), Qt::green, "png"));
    // A comment inside the options, and a driver the dialog has no control
    // for: the PNG has a size only through it.
    TForm1 form;
    insert::buildPreambleCommands(form);
    form.RichEdit->SetText(cp932::encode(
        QString::fromUtf8("\\documentclass[a4j,% 用紙\r\n  12pt,dvipdfmx]{jarticle}\r\n\\usepackage{graphicx}\r\n"
                          "\\begin{document}\r\n日本語\\includegraphics[width=20mm]{fig.png}\r\n\\end{document}\r\n")));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTexClass&>(dialog);
        EXPECT_EQ(d.Choices().charSize, 2);
        d.ui.RadioGroupColumn.SetItemIndex(1);
        return int(mrOk);
    });
    form.Item("MenuFormatClass")->trigger();
    const std::string text = form.RichEdit->Text();
    ASSERT_EQ(text.rfind("\\documentclass[a4j,12pt,twocolumn,oneside,notitlepage,final,dvipdfmx]{jarticle}\r\n"
                         "\\usepackage{graphicx}",
                         0),
              0u)
        << text;

    ASSERT_TRUE(realtex::writeFile(dir.filePath("kept.tex"), QByteArray::fromStdString(text)));
    const realtex::Finished tex = realtex::platex(dir.path(), "kept.tex");
    EXPECT_EQ(tex.exitCode, 0) << tex.output.toStdString();
    const realtex::Finished pdf = realtex::run(dir.path(), "/usr/bin/dvipdfmx", {"kept.dvi"});
    EXPECT_EQ(pdf.exitCode, 0) << pdf.output.toStdString();
}

TEST(PreambleRealTeX, ClassChosenOverACommentedClassLineTakesEffect)
{
    if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
    // \chapter exists only once the real line names a book.
    TForm1 form;
    insert::buildPreambleCommands(form);
    form.RichEdit->SetText(
        cp932::encode(QString::fromUtf8("%\\documentclass{jbook}\r\n\\documentclass[a4j]{jarticle}\r\n"
                                        "\\begin{document}\r\n\\chapter{序論}\r\n本文\r\n\\end{document}\r\n")));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTexClass&>(dialog);
        d.ui.ComboBox1->setCurrentIndex(2);
        emit d.ui.ComboBox1->activated(2);
        return int(mrOk);
    });
    form.Item("MenuFormatClass")->trigger();
    const std::string text = form.RichEdit->Text();
    ASSERT_EQ(text.rfind("%\\documentclass{jbook}\r\n\\documentclass[a4j,10pt,onecolumn,twoside,titlepage,openright,"
                         "final]{jbook}\r\n",
                         0),
              0u)
        << text;
    EXPECT_EQ(realtex::platexErrors(text), "");
}
