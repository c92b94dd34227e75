#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QSpinBox>

#include "app/Form1.h"
#include "insert/FiguresBuilder.h"
#include "insert/FiguresDialogs.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/CaretText.h"

namespace {

using testsupport::kTableCaret;
testsupport::CaretText caretText(const std::string& marked) { return testsupport::splitCaret(marked, kTableCaret); }
std::string marked(const wrap::Insertion& ins) { return testsupport::markInsertion(ins, kTableCaret); }

using testsupport::sjis;

class FiguresTest : public apptest::AppTest {
protected:
    // A saved document in the test's folder, open in a fresh main window.
    TForm1& open(const QByteArray& text = "\\documentclass{jarticle}\r\n")
    {
        TForm1& f = start();
        EXPECT_TRUE(f.LoadFile(document("paper.tex", text)));
        f.RichEdit->Select(f.RichEdit->GetTextLen(), 0);
        return f;
    }
    QString file(const QString& relative)
    {
        const QString path = tempPath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    std::string text() const { return form->RichEdit->Text(); }
};

}  // namespace

TEST(FiguresBuilder, GraphicsPackageOfTheDocument)
{
    using figures::Package;
    struct Case {
        const char* text;
        Package expected;
    } cases[] = {
        {"\\usepackage{graphicx}", Package::Graphicx},
        {"\\usepackage[dvipdfmx]{graphicx}", Package::Graphicx},
        {"\\usepackage [dvips] { color , graphicx }", Package::Graphicx},
        {"\\usepackage{graphicx}\r\n\\usepackage{graphics}", Package::Graphics},
        {"%\\usepackage{graphics}\r\n\\usepackage{graphicx}", Package::Graphicx},
        {"\\usepackage{graphicxy}", Package::None},
        {"\\usepackages{graphicx}", Package::None},
        {"\\% \\usepackage{graphicx}", Package::Graphicx},  // an escaped % starts no comment
        {"\\usepackage{graphicx", Package::None},
    };
    for (const Case& c : cases) EXPECT_EQ(figures::loadedPackage(c.text), c.expected) << c.text;
    // 表 ends in the byte of a backslash, which must not read as an escape of the %.
    EXPECT_EQ(figures::loadedPackage(sjis("表%\\usepackage{graphicx}")), Package::None);
}

TEST(FiguresBuilder, FileReferencesAndExtensions)
{
    using figures::fileReference;
    EXPECT_EQ(fileReference("/d/doc/a.eps", false, "/d/doc"), "a.eps");
    EXPECT_EQ(fileReference("/d/doc/figs/a.eps", false, "/d/doc"), "figs/a.eps");
    EXPECT_EQ(fileReference("/d/other/a.eps", false, "/d/doc"), "../other/a.eps");
    EXPECT_EQ(fileReference("/d/other/a.eps", false, ""), "a.eps");
    EXPECT_EQ(fileReference("/d/other/a.eps", true, "/d/doc"), "/d/other/a.eps");

    EXPECT_EQ(figures::extensionOf("/x.dir/picture"), "");
    EXPECT_EQ(figures::extensionOf("fig.v2.EPS"), ".EPS");
    EXPECT_EQ(figures::withLowerExtension("/X.DIR/A.EPS"), "/X.DIR/A.eps");
    EXPECT_EQ(figures::withLowerExtension("/x.DIR/picture"), "/x.DIR/picture");
    EXPECT_TRUE(figures::sizeOptional("a.eps"));
    EXPECT_TRUE(figures::sizeOptional("d/a.pbm"));
    EXPECT_FALSE(figures::sizeOptional("a.EPS"));  // compared exactly
    EXPECT_FALSE(figures::sizeOptional("a.eps.bmp"));
    EXPECT_FALSE(figures::sizeOptional("eps"));
}

TEST(FiguresBuilder, FigureFloat)
{
    const figures::FigureChoices defaults;
    EXPECT_EQ(marked(figures::figure(defaults, "a.eps", "a.eps", {})),
              sjis("% 図の挿入\r\n\\begin{figure}[tb]\r\n  \\begin{center}\r\n    \\includegraphics{a.eps}\r\n"
                   "  \\end{center}\r\n  \\caption{<|>}%タイトルを記入\r\n  \\label{fig:a.eps}\r\n\\end{figure}\r\n"));

    figures::FigureChoices c;
    c.sizeOn = true;
    c.align = 0;
    c.label = false;
    c.placement = {};
    c.width = 30;
    c.height = 40;
    const wrap::Insertion sized = figures::figure(c, "b.bmp", "B.BMP", {0, {}, true});
    EXPECT_EQ(marked(sized), sjis("\r\n% 図の挿入\r\n\\begin{figure}[]\r\n    \\includegraphics[30mm,40mm]{b.bmp}\r\n"
                                  "  \\caption{<|>}%タイトルを記入\r\n\\end{figure}\r\n"));
    EXPECT_EQ(sized.caretBack, 32);

    struct Variant {
        bool graphics, aspect;
        int align;
        const char* option;
        const char* environment;
    } variants[] = {
        {false, false, 1, "[width=30mm,height=40mm]", "flushleft"},
        {false, true, 3, "[keepaspectratio=true,height=40mm]", "flushright"},
    };
    for (const Variant& v : variants) {
        c.graphics = v.graphics;
        c.aspect = v.aspect;
        c.align = v.align;
        c.label = true;
        const wrap::Insertion ins = figures::figure(c, "p.jpg", "p.jpg", {});
        EXPECT_NE(ins.text.find("  \\begin{" + std::string(v.environment) + "}\r\n    \\includegraphics" + v.option +
                                "{p.jpg}\r\n  \\end{" + v.environment + "}\r\n"),
                  std::string::npos);
        // 32 plus the label line with its line break.
        EXPECT_EQ(ins.caretBack, 32 + int(std::string("  \\label{fig:p.jpg}\r\n").size()));
    }
}

TEST(FiguresBuilder, InclusionAndNamesTeXCannotRead)
{
    EXPECT_EQ(figures::inclusion(0, "ch/one.tex"), "\\input{ch/one.tex}\r\n");
    EXPECT_EQ(figures::inclusion(1, "ch/one.tex"), "\\include{ch/one}\r\n");

    using figures::Use;
    struct Case {
        const char* name;
        Use use;
        bool refused;
    } cases[] = {
        {"fig_1-a.pdf", Use::Figure, false},
        {"fig.v2.pdf", Use::Figure, false},
        {"my pic.pdf", Use::Figure, true},
        {"図.pdf", Use::Figure, true},
        {"a'b.pdf", Use::Figure, true},
        {"a~b.pdf", Use::Figure, true},
        {"a#b.pdf", Use::Figure, true},
        {"a^^41.pdf", Use::Figure, true},
        {"|fig.pdf", Use::Figure, true},
        // Not in Shift-JIS, a control character, a character whose code
        // reads back as another one (U+301C as U+FF5E).
        {"😀.tex", Use::Input, true},
        {"a\nb.tex", Use::Input, true},
        {"〜.tex", Use::Input, true},
        // \include wants a .tex file it can write an .aux beside.
        {"chapter", Use::Include, true},
        {"chapter", Use::Input, false},
        {"/abs/ch.tex", Use::Input, false},
        {"/abs/ch.tex", Use::Include, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(figures::referenceProblem(QString::fromUtf8(c.name), c.use).isEmpty(), !c.refused) << c.name;
}

TEST_F(FiguresTest, BitmapFigureWithThePreamblesPackage)
{
    TForm1& f = open("\\documentclass{jarticle}\r\n\\usepackage[dvipdfmx]{graphicx}\r\n");
    const QString picture = file("figs/cat.bmp");
    script().onFile([&](const ask::FileRequest& r) {
        EXPECT_EQ(r.filters.size(), 20);
        EXPECT_EQ(r.filters.first(),
                  QString::fromUtf8("PDF・PNG・JPEG(*.pdf;*.png;*.jpg;*.jpeg) (*.pdf *.png *.jpg *.jpeg)"));
        EXPECT_EQ(r.filters[3], QString::fromUtf8("ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)"));
        EXPECT_EQ(r.filters.last(), QString::fromUtf8("全てのファイル(*.*) (*)"));
        EXPECT_EQ(r.filterIndex, 1);
        return ask::FileAnswer{true, picture, 10};
    });
    script().onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormZuinsert&>(dialog);
        EXPECT_EQ(d.HelpContext, 5140);
        EXPECT_TRUE(d.ui.RBSizeOn->isChecked());
        EXPECT_FALSE(d.ui.RBSizeOff->isEnabled());
        EXPECT_TRUE(d.ui.rbGraphicx->isChecked());
        EXPECT_TRUE(d.ui.cbAspect->isEnabled());
        d.ui.cbAspect->setChecked(true);
        EXPECT_FALSE(d.ui.UpDownWidth->isEnabled());
        EXPECT_TRUE(d.ui.UpDownHeight->isEnabled());
        d.ui.UpDownHeight->setValue(50);
        return int(mrOk);
    });
    const std::string before = text();
    f.MenuInsertFigureClick();
    const auto expected = caretText(
        before + sjis("% 図の挿入\r\n\\begin{figure}[tb]\r\n  \\begin{center}\r\n"
                      "    \\includegraphics[keepaspectratio=true,height=50mm]{figs/cat.bmp}\r\n  \\end{center}\r\n"
                      "  \\caption{<|>}%タイトルを記入\r\n  \\label{fig:cat.bmp}\r\n\\end{figure}\r\n"));
    EXPECT_EQ(text(), expected.text);
    EXPECT_EQ(f.RichEdit->SelStart(), expected.caret);
    EXPECT_EQ(f.FigureFilterIndex, 10);
    EXPECT_TRUE(f.part<insert::LastUsed>().Figure.sizeOn);
    EXPECT_FALSE(f.part<insert::LastUsed>().Figure.graphics);
    EXPECT_EQ(f.part<insert::LastUsed>().Figure.height, 50);
}

TEST_F(FiguresTest, EncapsulatedPostScriptNeedsNoSize)
{
    TForm1& f = open();
    const QString eps = file("plot.eps");
    script().onFile(ask::FileAnswer{true, eps, 2});
    script().onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormZuinsert&>(dialog);
        EXPECT_TRUE(d.ui.RBSizeOff->isChecked());
        EXPECT_TRUE(d.ui.RBSizeOff->isEnabled());
        EXPECT_TRUE(d.ui.RBSizeOn->isEnabled());
        EXPECT_FALSE(d.ui.UpDownWidth->isEnabled());
        EXPECT_FALSE(d.ui.rbGraphics->isEnabled());
        d.ui.cbLabel->setChecked(false);
        return int(mrOk);
    });
    f.MenuInsertFigureClick();
    EXPECT_NE(text().find("\r\n    \\includegraphics{plot.eps}\r\n"), std::string::npos);
    EXPECT_EQ(text().find("\\label"), std::string::npos);
}

TEST_F(FiguresTest, SizedPostScriptFollowsThePreamblesPackage)
{
    TForm1& f = open("\\documentclass{jarticle}\r\n\\usepackage[dvipdfmx]{graphicx}\r\n");
    const QString eps = file("plot.eps");
    script().onFile(ask::FileAnswer{true, eps, 5});
    script().onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormZuinsert&>(dialog);
        EXPECT_TRUE(d.ui.RBSizeOff->isChecked());
        EXPECT_TRUE(d.ui.rbGraphicx->isChecked());
        d.ui.RBSizeOn->click();
        return int(mrOk);
    });
    f.MenuInsertFigureClick();
    EXPECT_NE(text().find("    \\includegraphics[width=100mm,height=100mm]{plot.eps}\r\n"), std::string::npos);
}

TEST_F(FiguresTest, ExtensionIsLoweredOnlyWhereThatStillNamesTheFile)
{
    // Two files that differ in the case of their extension: lowering the
    // reference would point at the other one.
    writeInt("", "DirOnOff", 1);
    TForm1& f = open();
    const QString upper = file("A.EPS");
    file("A.eps");
    script().onFile(ask::FileAnswer{true, upper, 2});
    script().onDialog([](QDialog& dialog) {
        // An upper-case EPS extension does not count: a size is required.
        EXPECT_FALSE(dynamic_cast<TFormZuinsert&>(dialog).ui.RBSizeOff->isEnabled());
        return int(mrOk);
    });
    f.MenuInsertFigureClick();
    EXPECT_NE(
        text().find("\\includegraphics[100mm,100mm]{" + QDir(tempPath("")).absolutePath().toStdString() + "/A.EPS}"),
        std::string::npos);
    EXPECT_NE(text().find("\\label{fig:A.EPS}"), std::string::npos);
}

TEST_F(FiguresTest, NameTeXCannotReadGivesAMessageAndNoDialog)
{
    TForm1& f = open();
    const std::string before = text();
    script().onFile(ask::FileAnswer{true, file("my pic.pdf"), 17});
    script().expectMessage({std::nullopt, QString::fromUtf8("図挿入"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    f.MenuInsertFigureClick();
    EXPECT_EQ(text(), before);
    EXPECT_TRUE(script().dialogs().empty());
    EXPECT_EQ(f.FigureFilterIndex, 17);

    script().onFile(ask::FileAnswer{false, {}, 3});
    f.MenuInsertFigureClick();
    EXPECT_EQ(f.FigureFilterIndex, 17);
    EXPECT_EQ(text(), before);
}

TEST_F(FiguresTest, InputOrIncludeRemembersTheKind)
{
    TForm1& f = open();
    const QString chapter = file("chap/one.tex");
    script().onFile([&](const ask::FileRequest& r) {
        EXPECT_EQ(r.caption, QString::fromUtf8("TeXﾌｧｲﾙを挿入する"));
        EXPECT_EQ(r.filters,
                  (QStringList{QString::fromUtf8("TeXﾌｧｲﾙ(*.tex)"), QString::fromUtf8("すべてのﾌｧｲﾙ(*.*) (*)")}));
        return ask::FileAnswer{true, chapter, 1};
    });
    script().onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormInputInclude&>(dialog);
        EXPECT_EQ(d.ui.rgInputInclude.ItemIndex(), 0);
        d.ui.rgInputInclude.SetItemIndex(1);
        return int(mrOk);
    });
    const std::string before = text();
    f.MenuInsertInputClick();
    EXPECT_EQ(text(), before + "\\include{chap/one}\r\n");
    EXPECT_EQ(f.part<insert::LastUsed>().LastInputKind, 1);

    // Cancelled: nothing goes in, the kind shown is still remembered.
    script().onFile(ask::FileAnswer{true, chapter, 1});
    script().onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormInputInclude&>(dialog);
        EXPECT_EQ(d.ui.rgInputInclude.ItemIndex(), 1);
        d.ui.rgInputInclude.SetItemIndex(0);
        return int(mrCancel);
    });
    f.MenuInsertInputClick();
    EXPECT_EQ(text(), before + "\\include{chap/one}\r\n");
    EXPECT_EQ(f.part<insert::LastUsed>().LastInputKind, 0);

    // \include cannot read a file without the .tex extension.
    script().onFile(ask::FileAnswer{true, file("notes.txt"), 2});
    script().onDialog([](QDialog& dialog) {
        dynamic_cast<TFormInputInclude&>(dialog).ui.rgInputInclude.SetItemIndex(1);
        return int(mrOk);
    });
    script().expectMessage({std::nullopt, QString::fromUtf8("TeXファイルの挿入"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    f.MenuInsertInputClick();
    EXPECT_EQ(text(), before + "\\include{chap/one}\r\n");
    EXPECT_EQ(f.InputFilterIndex, 2);
}

TEST_F(FiguresTest, FullPathsWhenAskedAndNamesOnlyForAnUntitledDocument)
{
    writeInt("", "DirOnOff", 1);
    TForm1& f = open();
    const QString chapter = file("sub dir/two.tex");
    script().onFile(ask::FileAnswer{true, chapter, 1});
    script().onDialog([](QDialog&) { return int(mrOk); });
    f.MenuInsertInputClick();
    EXPECT_NE(text().find("\\input{" + QDir(tempPath("")).absolutePath().toStdString() + "/sub dir/two.tex}\r\n"),
              std::string::npos);

    writeInt("", "DirOnOff", 0);
    TForm1& untitled = start();
    script().onFile(ask::FileAnswer{true, chapter, 1});
    script().onDialog([](QDialog&) { return int(mrOk); });
    untitled.MenuInsertInputClick();
    EXPECT_EQ(untitled.RichEdit->Text(), "\\input{two.tex}\r\n");
}
