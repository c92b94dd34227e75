#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>

#include "math/MathLastUsed.h"
#include "math/MathSpaceDialogs.h"
#include "math/Matrix.h"
#include "math/MatrixDialogs.h"
#include "math/RootDialog.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/CaretText.h"
#include "tests/support/RealTeX.h"

namespace {

// The skeleton's expected text with "[*]" where the caret ends.
wrap::Insertion caretText(const std::string& marked)
{
    const testsupport::CaretText split = testsupport::splitCaret(marked, "[*]");
    return wrap::Insertion{split.text, int(split.text.size()) - split.caret};
}

using testsupport::sjis;

}  // namespace

TEST(MatrixSkeleton, TextAndCaretInTheFirstCell)
{
    struct Case {
        matrix::Skeleton choices;
        const char* expected;
    };
    const Case cases[] = {
        {{0, 1, 2, 2, false, false},
         "\\left(\r\n  \\begin{array}{cc}\r\n    [*]   &    \\\\\r\n       &    \\\\\r\n  "
         "\\end{array}\r\n\\right)\r\n"},
        // Rules only between columns and between rows.
        {{1, 0, 3, 1, true, true},
         "\\left[\r\n  \\begin{array}{l}\r\n    [*]   \\\\\r\n    \\hline\r\n       \\\\\r\n    \\hline\r\n"
         "       \\\\\r\n  \\end{array}\r\n\\right]\r\n"},
        {{5, 2, 1, 3, true, false},
         "\\left.\r\n  \\begin{array}{r|r|r}\r\n    [*]   &    &    \\\\\r\n  \\end{array}\r\n\\right\\}\r\n"},
        {{3, 1, 1, 1, false, true},
         "\\left\\|\r\n  \\begin{array}{c}\r\n    [*]   \\\\\r\n  \\end{array}\r\n\\right\\|\r\n"},
        {{4, 1, 1, 1, false, false},
         "\\left\\{\r\n  \\begin{array}{c}\r\n    [*]   \\\\\r\n  \\end{array}\r\n\\right.\r\n"},
        {{2, 1, 1, 1, false, false},
         "\\left|\r\n  \\begin{array}{c}\r\n    [*]   \\\\\r\n  \\end{array}\r\n\\right|\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(matrix::skeletonText(c.choices), caretText(c.expected)) << c.expected;
}

TEST(MatrixSkeleton, CaretAgreesWithTheLengthOfEverythingBehindTheFirstCell)
{
    // The distance from the first cell to the end: 31, one more for the
    // two-byte closing delimiters, 11 per further row, 5 per further
    // column in every row, 12 per rule between rows.
    for (int bracket = 0; bracket < matrix::kDelimiterCount; ++bracket)
        for (int rows : {1, 2, 7, 99})
            for (int columns : {1, 3, 99})
                for (bool h : {false, true}) {
                    const int b = (bracket == 3 || bracket == 5) ? 1 : 0;
                    const int back = 31 + b + 11 * (rows - 1) + 5 * (columns - 1) * rows + 12 * (rows - 1) * h;
                    const wrap::Insertion got = matrix::skeletonText({bracket, 0, rows, columns, true, h});
                    EXPECT_EQ(got.caretBack, back) << bracket << " " << rows << "x" << columns << " " << h;
                    EXPECT_EQ(got.text.substr(got.text.size() - size_t(back) - 4, 4), "    ");
                }
    // Sizes outside 1..99 are held to it.
    EXPECT_EQ(matrix::skeletonText({0, 1, 0, 200, false, false}), matrix::skeletonText({0, 1, 1, 99, false, false}));
}

TEST(MatrixConversion, WholeText)
{
    EXPECT_EQ(
        matrix::conversionText("1\t2\r\n3\t4\r\n", {}),
        sjis("% 行列\r\n\\left(\r\n\\begin{array}{cc}\r\n1 & 2 \\\\\r\n3 & 4 \\\\\r\n\\end{array}\r\n\\right)\r\n"));
    EXPECT_EQ(matrix::conversionText("1\t2\r\n3\t4", {}), matrix::conversionText("1\t2\r\n3\t4\r\n", {}));
    // Vertical rules at both edges and between all columns; horizontal ones
    // above the first row and below every row.
    EXPECT_EQ(matrix::conversionText("a,b\r\nc,d", {3, 0, 1, true, true}),
              sjis("% 行列\r\n\\left\\|\r\n\\begin{array}{|l|l|}\r\n\\hline\r\na & b \\\\\r\n\\hline\r\n"
                   "c & d \\\\\r\n\\hline\r\n\\end{array}\r\n\\right\\|\r\n"));
    // Ragged rows: the array is as wide as its widest row, so TeX takes every row.
    EXPECT_EQ(matrix::conversionText("a,b\r\nc,d,e", {0, 0, 1, false, false}),
              sjis("% 行列\r\n\\left(\r\n\\begin{array}{lll}\r\na & b \\\\\r\nc & d & e "
                   "\\\\\r\n\\end{array}\r\n\\right)\r\n"));
    // Nothing but separators: empty cells, one row.
    EXPECT_EQ(matrix::conversionText("\t\t", {}),
              sjis("% 行列\r\n\\left(\r\n\\begin{array}{ccc}\r\n &  &  \\\\\r\n\\end{array}\r\n\\right)\r\n"));
    // Japanese cells, 0x5C trail bytes among them, stay whole.
    EXPECT_EQ(matrix::conversionText(sjis("表 能\r\nソ 　"), {5, 2, 2, false, false}),
              sjis("% 行列\r\n\\left.\r\n\\begin{array}{rr}\r\n表 & 能 \\\\\r\nソ & 　 "
                   "\\\\\r\n\\end{array}\r\n\\right\\}\r\n"));
}

namespace {

using MatrixCommands = apptest::WindowTest;

}  // namespace

TEST_F(MatrixCommands, SkeletonWithTheCaretInItsFirstCellAndChoicesKept)
{
    setText("x", 1);
    answer<TFormArray>(mrOk, [](TFormArray& d) {
        EXPECT_EQ(d.MaskEditGyou->text(), "2");
        EXPECT_EQ(d.RadioGroupHaiti.ItemIndex(), 1);
        EXPECT_TRUE(d.MaskEditGyou->isReadOnly());
    });
    form->Item("MenuMathArray")->trigger();
    const std::string marked =
        "x\\left(\r\n  \\begin{array}{cc}\r\n    [*]   &    \\\\\r\n       &    \\\\\r\n  \\end{array}\r\n\\right)\r\n";
    const testsupport::CaretText expected = testsupport::splitCaret(marked, "[*]");
    EXPECT_EQ(text(), expected.text);
    EXPECT_EQ(caret(), expected.caret);
    EXPECT_EQ(help, 7380);

    // Cancel inserts nothing but the next dialog opens with the choices made.
    setText("", 0);
    answer<TFormArray>(mrCancel, [](TFormArray& d) {
        d.RadioGroupKakko.SetItemIndex(5);
        d.UpDownGyou->Step(-1);
        d.UpDownGyou->Step(-1);                               // held at 1
        for (int i = 0; i < 150; ++i) d.UpDownRetu->Step(1);  // held at 99
        d.CheckBoxYoko->setChecked(true);
    });
    form->Item("MenuMathArray")->trigger();
    EXPECT_EQ(text(), "");
    matrix::Skeleton shown;
    answer<TFormArray>(mrOk, [&](TFormArray& d) {
        shown = d.Choices();
        d.UpDownRetu->SetPosition(1);
    });
    form->Item("MenuMathArray")->trigger();
    EXPECT_EQ(shown.bracket, 5);
    EXPECT_EQ(shown.rows, 1);
    EXPECT_EQ(shown.columns, 99);
    EXPECT_TRUE(shown.hrules);
    const std::string one = "\\left.\r\n  \\begin{array}{c}\r\n    [*]   \\\\\r\n  \\end{array}\r\n\\right\\}\r\n";
    const testsupport::CaretText expectedOne = testsupport::splitCaret(one, "[*]");
    EXPECT_EQ(text(), expectedOne.text);
    EXPECT_EQ(caret(), expectedOne.caret);
}

TEST_F(MatrixCommands, ConversionReplacesTheSelectionAndRemembersItsChoices)
{
    // Without a selection only the explanation is shown.
    setText("1\t2", 3);
    script().expectMessage(QString::fromUtf8(matrix::kConvertExplanation), QString::fromUtf8("行列変換"),
                           MB_OK | MB_ICONINFORMATION, IDOK);
    form->Item("MenuMathArrayChange")->trigger();
    EXPECT_EQ(text(), "1\t2");
    EXPECT_TRUE(script().dialogs().empty());

    const std::string cells = sjis("表,ソ\r\n能,１\r\n");
    setText("[" + cells + "]", 1, int(cells.size()));
    answer<TFormArrayChange>(mrOk, [](TFormArrayChange& d) {
        EXPECT_EQ(d.rgKugiri.ItemIndex(), 0);
        d.rgKugiri.SetItemIndex(1);
        d.rgKind.SetItemIndex(1);
    });
    form->Item("MenuMathArrayChange")->trigger();
    const std::string matrixText =
        sjis("% 行列\r\n\\left[\r\n\\begin{array}{cc}\r\n表 & ソ \\\\\r\n能 & １ \\\\\r\n\\end{array}\r\n\\right]\r\n");
    EXPECT_EQ(text(), "[" + matrixText + "]");
    EXPECT_EQ(caret(), int(1 + matrixText.size()));
    EXPECT_EQ(help, 7400);

    // Cancel changes nothing in the text but keeps what was chosen.
    setText("a b", 0, 3);
    answer<TFormArrayChange>(mrCancel, [](TFormArrayChange& d) {
        EXPECT_EQ(d.rgKugiri.ItemIndex(), 1);
        d.rgKugiri.SetItemIndex(2);
        d.cbTate->setChecked(true);
    });
    form->Item("MenuMathArrayChange")->trigger();
    EXPECT_EQ(text(), "a b");
    EXPECT_EQ(form->part<math::MathLastUsed>().ArrayConvSeparator, 2);
    EXPECT_TRUE(form->part<math::MathLastUsed>().ArrayConvVRules);
    EXPECT_EQ(form->part<math::MathLastUsed>().ArrayConvBracket, 1);
}

TEST_F(MatrixCommands, AResultPastTheEditorsLimitIsRefusedWhole)
{
    // Every tab grows into three bytes: the matrix no longer fits.
    std::string cells;
    for (int i = 0; i < 1000; ++i) cells += "1\t";
    std::string document(512000 - cells.size(), 'x');
    document += cells;
    setText(document, int(document.size() - cells.size()), int(cells.size()));
    answer<TFormArrayChange>(mrOk);
    script().expectMessage({std::nullopt, QString::fromUtf8("行列変換"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    form->Item("MenuMathArrayChange")->trigger();
    EXPECT_EQ(text(), document);
    EXPECT_EQ(form->RichEdit->SelLength(), int(cells.size()));

    // The empty matrix likewise, and the caret is not moved.
    setText(std::string(511990, 'y'), 5);
    answer<TFormArray>(mrOk);
    script().expectMessage({std::nullopt, QString::fromUtf8("行列"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    form->Item("MenuMathArray")->trigger();
    EXPECT_EQ(text().size(), 511990u);
    EXPECT_EQ(caret(), 5);
}

TEST(MatrixText, NoEmptyLineWhereTheDocumentGoesOnWithALineBreak)
{
    using matrix::lineBreakFollows;
    // Rows selected up to the end of the last one, or a caret at a line's end:
    // the document's own break ends the \right line.
    EXPECT_TRUE(lineBreakFollows("1,2\r\n3,4", "\r\n"));
    EXPECT_TRUE(lineBreakFollows("1,2\r\n3,4", "\n"));
    EXPECT_TRUE(lineBreakFollows("", "\r"));
    // A selection ending between the CR and the LF of one break leaves the LF.
    EXPECT_TRUE(lineBreakFollows("3,4\r", "\n"));
    // A selection that ends with its break, text that goes on in the line, or
    // the document's end: the matrix keeps its own break.
    EXPECT_FALSE(lineBreakFollows("1,2\r\n3,4\r\n", "\r\n"));
    EXPECT_FALSE(lineBreakFollows("1,2\r\n3,4\n", "\r"));
    EXPECT_FALSE(lineBreakFollows("3,4\r", "\r"));
    EXPECT_FALSE(lineBreakFollows("1,2\r\n3,4", " "));
    EXPECT_FALSE(lineBreakFollows("1,2\r\n3,4", ""));
    EXPECT_FALSE(lineBreakFollows("", "x"));

    const std::string converted =
        "% " + sjis("行列") +
        "\r\n\\left(\r\n\\begin{array}{cc}\r\n1 & 2 \\\\\r\n3 & 4 \\\\\r\n\\end{array}\r\n\\right)";
    EXPECT_EQ(matrix::conversionText("1,2\r\n3,4", {0, 1, 1, false, false}, true), converted);
    EXPECT_EQ(matrix::conversionText("1,2\r\n3,4", {0, 1, 1, false, false}, false), converted + "\r\n");
    // The skeleton's caret still lands in its first cell.
    EXPECT_EQ(matrix::skeletonText({}, true),
              caretText("\\left(\r\n  \\begin{array}{cc}\r\n    [*]   &    \\\\\r\n       &    \\\\\r\n  "
                        "\\end{array}\r\n\\right)"));
}

TEST_F(MatrixCommands, MatricesInsideDisplayMathRunThroughPLaTeX)
{
    if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
    const std::string head = "\\documentclass{jarticle}\r\n\\begin{document}\r\n";
    const std::string tail = "\\end{document}\r\n";
    struct Case {
        const char* opening;
        const char* rows;
        int selected;  // bytes of rows, from its start
        const char* closing;
    };
    const Case cases[] = {
        // Up to the end of the last row, without its line break.
        {"\\[\r\n", "1,2\r\n3,4\r\n", 8, "\\]\r\n"},
        {"\\begin{equation}\r\n", "1,2\r\n3,4\r\n", 8, "\\end{equation}\r\n"},
        // With the line break, and rows that end in the closing line.
        {"\\[\r\n", "1,2\r\n3,4\r\n", 10, "\\]\r\n"},
        {"\\[\r\n", "1,2\r\n3,4", 8, " \\]\r\n"},
    };
    for (const Case& c : cases) {
        const std::string body = std::string(c.opening) + c.rows + c.closing;
        const int start = int(head.size() + strlen(c.opening));
        setText(head + body + tail, start, c.selected);
        answer<TFormArrayChange>(mrOk, [](TFormArrayChange& d) { d.rgKugiri.SetItemIndex(1); });
        form->Item("MenuMathArrayChange")->trigger();
        const std::string converted = text();
        const size_t open = converted.find(c.opening), close = converted.find(c.closing, open);
        ASSERT_NE(close, std::string::npos) << body;
        const std::string display = converted.substr(open, close - open);
        EXPECT_EQ(display.find("\r\n\r\n"), std::string::npos) << display;
        EXPECT_EQ(realtex::platexErrors(QFileInfo(tempPath("x")).absolutePath(), converted, "matrix.tex"), "") << display;
    }

    // The empty matrix put on the empty line that the display command leaves
    // for its body.
    setText(head + tail, int(head.size()));
    form->Item("MenuMathMode1Line")->trigger();
    answer<TFormArray>(mrOk);
    form->Item("MenuMathArray")->trigger();
    const std::string skeleton = text();
    const size_t open = skeleton.find("\\["), close = skeleton.find("\\]");
    ASSERT_LT(open, close);
    const std::string display = skeleton.substr(open, close - open);
    EXPECT_EQ(display.find("\r\n\r\n"), std::string::npos) << display;
    EXPECT_EQ(skeleton.substr(size_t(caret()) - 4, 7), "       ") << "the caret stands in the first cell";
    EXPECT_EQ(realtex::platexErrors(QFileInfo(tempPath("x")).absolutePath(), skeleton, "matrix.tex"), "") << display;
}
