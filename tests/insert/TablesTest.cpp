#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "insert/TablesBuilder.h"
#include "insert/TablesDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/CaretText.h"
#include "tests/support/RealTeX.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::kTableCaret;
testsupport::CaretText caretText(const std::string& marked) { return testsupport::splitCaret(marked, kTableCaret); }
std::string marked(const wrap::Insertion& ins) { return testsupport::markInsertion(ins, kTableCaret); }

using testsupport::sjis;

wrap::EditorState lineStart() { return {}; }

const char* const kSkeleton =
    "% 表の挿入\r\n\\begin{table}[tb]\r\n \\caption{}% {}内に表題を書く\r\n \\begin{center}\r\n"
    "  \\begin{tabular}{|c|c|}\r\n    \\hline\r\n     <|>  &    \\\\\r\n    \\hline\r\n"
    "       &    \\\\\r\n    \\hline\r\n  \\end{tabular}\r\n \\end{center}\r\n\\end{table}\r\n";

using TablesFixture = testsupport::CommandFixture;

}  // namespace

TEST(TablesBuilder, SkeletonTextAndCaret)
{
    EXPECT_EQ(marked(tables::tableSkeleton({}, lineStart())), sjis(kSkeleton));

    tables::TableChoices one;
    one.columns = 1;
    one.rows = 1;
    one.align = 0;
    one.verticalRules = false;
    one.horizontalRules = false;
    one.placement = {};
    EXPECT_EQ(
        marked(tables::tableSkeleton(one, {0, {}, true})),
        sjis("\r\n% 表の挿入\r\n\\begin{table}[]\r\n \\caption{}% {}内に表題を書く\r\n \\begin{center}\r\n"
             "  \\begin{tabular}{l}\r\n     <|>  \\\\\r\n  \\end{tabular}\r\n \\end{center}\r\n\\end{table}\r\n"));

    // The caret always lands five positions into the first row, whatever
    // the size: 51 + 11(R-1) + 5R(C-1) + 12RH from the end.
    for (int rows : {1, 2, 7})
        for (int columns : {1, 3, 100})
            for (bool h : {false, true}) {
                tables::TableChoices c;
                c.rows = rows;
                c.columns = columns;
                c.horizontalRules = h;
                c.align = 2;
                const wrap::Insertion ins = tables::tableSkeleton(c, lineStart());
                EXPECT_EQ(ins.caretBack, 51 + 11 * (rows - 1) + 5 * rows * (columns - 1) + 12 * rows * (h ? 1 : 0));
                std::string spec = "{|";
                for (int col = 0; col < columns; ++col) spec += "r|";
                EXPECT_NE(ins.text.find(spec + "}\r\n"), std::string::npos);
            }
}

TEST(TablesBuilder, MergedCellFromSelection)
{
    struct Case {
        const char* selection;
        int count;
        const char* heading;
    } cases[] = {
        {"a & b & c", 3, "abc"},
        {"\t x \t", 1, "x"},
        // An escaped ampersand is text, not a border: it stays whole.
        {"R\\&D & 5", 2, "R\\&D5"},
        {"a\\\\&b", 2, "a\\\\b"},  // a row end before a real border
        // Blanks inside a cell are part of its text.
        {"Total sales & x", 2, "Total salesx"},
        // A control word keeps a blank from the letter that follows it.
        {"\\large & b", 2, "\\large b"},
        {"\\large & {b}", 2, "\\large{b}"},
        {"&", 2, ""},
    };
    for (const Case& c : cases) {
        const tables::MergedCellPreset p = tables::mergedCellPreset(c.selection);
        EXPECT_EQ(p.count, c.count) << c.selection;
        EXPECT_EQ(p.heading, c.heading) << c.selection;
    }
    // 表 ends in the byte of a backslash: the & after it is still a border,
    // and ソ before a letter is no control word.
    const std::string hyou = sjis("表"), so = sjis("ソ");
    EXPECT_EQ(tables::mergedCellPreset(hyou + "&" + so).count, 2);
    EXPECT_EQ(tables::mergedCellPreset("x" + so + "&b").heading, "x" + so + "b");

    tables::MergedCellChoices m;
    m.count = 3;
    m.heading = "abc";
    EXPECT_EQ(tables::multicolumn(m), "\\multicolumn{3}{|c|}{abc}");
    m.leftRule = false;
    m.align = 0;
    EXPECT_EQ(tables::multicolumn(m), "\\multicolumn{3}{l|}{abc}");
    m.rightRule = false;
    m.align = 2;
    EXPECT_EQ(tables::multicolumn(m), "\\multicolumn{3}{r}{abc}");
    EXPECT_EQ(tables::cline(2, 5), "\\cline{2-5}");
}

TEST(TablesBuilder, ConvertedTable)
{
    const std::string head =
        sjis("% 表\r\n\\begin{table}[htbp]\r\n\\caption{}%{}内に表題を書く\r\n\\begin{center}\r\n");
    const std::string tail = "\\end{tabular}\r\n\\end{center}\r\n\\end{table}\r\n";
    EXPECT_EQ(tables::convertedTable("a\tb\r\nc\td\r\n", {}),
              head + "\\begin{tabular}{|c|c|}\r\n\\hline\r\na & b \\\\\r\n\\hline\r\nc & d \\\\\r\n\\hline\r\n" + tail);

    tables::ConversionChoices plain;
    plain.placement = {};
    plain.separator = 1;
    plain.align = 0;
    plain.verticalRules = false;
    plain.horizontalRules = false;
    const std::string text = tables::convertedTable("a,b\r\nc,d,e", plain);
    EXPECT_NE(text.find("\\begin{table}[h]\r\n"), std::string::npos);
    // Ragged rows: the widest row sets the columns, so TeX meets no extra "&".
    EXPECT_NE(text.find("\\begin{tabular}{lll}\r\na & b \\\\\r\nc & d & e \\\\\r\n\\end{tabular}"), std::string::npos);
}

TEST_F(TablesFixture, TableDialogRemembersItsChoicesAndPutsTheCaretInTheFirstCell)
{
    setText("xy", 1);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormTable&>(dialog);
            EXPECT_EQ(d.HelpContext, 5130);
            const tables::TableChoices c = d.Choices();
            EXPECT_EQ(c.rows, 2);
            EXPECT_EQ(c.columns, 2);
            EXPECT_EQ(c.align, 1);
            EXPECT_TRUE(c.placement.top && c.placement.bottom && !c.placement.here && !c.placement.page);
            d.ui.UpDownRetu->setValue(3);
            d.ui.UpDownGyou->setValue(1);
            d.ui.CheckBoxYoko->setChecked(false);
            return int(mrCancel);
        });
        trigger("MenuTexTable");
    }
    EXPECT_EQ(text(), "xy");
    EXPECT_EQ(form.part<insert::LastUsed>().Table.columns, 3);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTable&>(dialog);
        EXPECT_EQ(d.Choices().columns, 3);
        EXPECT_FALSE(d.Choices().horizontalRules);
        return int(mrOk);
    });
    trigger("PopupTabular");
    const auto expected =
        caretText("x\r\n" + sjis("% 表の挿入\r\n\\begin{table}[tb]\r\n \\caption{}% {}内に表題を書く\r\n") +
                  " \\begin{center}\r\n  \\begin{tabular}{|c|c|c|}\r\n     <|>  &    &    \\\\\r\n"
                  "  \\end{tabular}\r\n \\end{center}\r\n\\end{table}\r\ny");
    EXPECT_EQ(text(), expected.text);
    EXPECT_EQ(caret(), expected.caret);
}

TEST_F(TablesFixture, RulesAndPartialRule)
{
    setText("ab", 1);
    trigger("PopupHline");
    trigger("vlineV2");
    EXPECT_EQ(text(), "a\\hline \\vline b");

    setText("", 0);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormCline&>(dialog);
        EXPECT_EQ(d.HelpContext, 5220);
        EXPECT_EQ(d.ui.UpDown1->value(), 1);
        EXPECT_EQ(d.ui.UpDown2->value(), 2);
        d.ui.UpDown1->setValue(4);  // drags "to" up with it
        EXPECT_EQ(d.ui.UpDown2->value(), 4);
        d.ui.UpDown2->setValue(3);  // drags "from" down with it
        EXPECT_EQ(d.ui.UpDown1->value(), 3);
        d.ui.UpDown2->setValue(6);
        EXPECT_EQ(d.ui.UpDown1->value(), 3);
        return int(mrOk);
    });
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormCline&>(dialog);
        EXPECT_EQ(d.ui.UpDown1->value(), 3);
        EXPECT_EQ(d.ui.UpDown2->value(), 6);
        return int(mrCancel);
    });
    trigger("PopupCline");
    EXPECT_EQ(text(), "\\cline{3-6}");
    trigger("clineB2");
    EXPECT_EQ(text(), "\\cline{3-6}");
}

TEST_F(TablesFixture, MergedCellTakesTheSelectedCells)
{
    const std::string row = "x & a & b \\& c & d";
    setText(row, 4, 12);  // "a & b \& c &"... up to before " d"
    ASSERT_EQ(form.RichEdit->SelText(), "a & b \\& c &");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormCell&>(dialog);
            EXPECT_EQ(d.HelpContext, 5210);
            EXPECT_EQ(d.ui.UpDown1->value(), 3);
            EXPECT_EQ(d.ui.EditMidasi->text(), "ab \\& c");
            d.ui.rgRightLine.SetItemIndex(1);
            return int(mrOk);
        });
        trigger("PopupMulticolumn");
    }
    EXPECT_EQ(text(), "x & \\multicolumn{3}{|c}{ab \\& c} d");
    EXPECT_EQ(form.part<insert::LastUsed>().MultiColumnRightRule, 1);

    // Without a selection the remembered count stays and the heading is empty.
    setText("", 0);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormCell&>(dialog);
        EXPECT_EQ(d.ui.UpDown1->value(), 3);
        EXPECT_EQ(d.ui.rgRightLine.ItemIndex(), 1);
        EXPECT_TRUE(d.ui.EditMidasi->text().isEmpty());
        return int(mrOk);
    });
    trigger("MenuInsertMultiCol");
    EXPECT_EQ(text(), "\\multicolumn{3}{|c}{}");
}

TEST_F(TablesFixture, ConversionReplacesTheSelection)
{
    // Without a selection only the explanation is shown.
    setText("a\tb", 1);
    {
        testsupport::ScriptedAsk ask;
        ask.expectMessage({std::nullopt, QString::fromUtf8("表変換"), MB_OK | MB_ICONINFORMATION, IDOK});
        trigger("MenuTableChange");
    }
    EXPECT_EQ(text(), "a\tb");

    const std::string hyou = sjis("表");
    setText("before\r\n" + hyou + " 1\r\n2 " + hyou + "\r\nafter", 8, int(hyou.size()) * 2 + 6);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormTableChange&>(dialog);
        EXPECT_EQ(d.HelpContext, 5200);
        EXPECT_EQ(d.Choices().separator, 0);
        d.ui.rgKugiri.SetItemIndex(2);
        d.ui.cbYoko->setChecked(false);
        d.ui.cbTate->setChecked(false);
        return int(mrOk);
    });
    trigger("PopupTableChange");
    const std::string expected = "before\r\n" +
                                 sjis("% 表\r\n\\begin{table}[htbp]\r\n\\caption{}%{}内に表題を書く\r\n") +
                                 "\\begin{center}\r\n\\begin{tabular}{cc}\r\n" + hyou + " & 1 \\\\\r\n2 & " + hyou +
                                 " \\\\\r\n\\end{tabular}\r\n\\end{center}\r\n\\end{table}\r\n\r\nafter";
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(caret(), int(expected.size()) - 7);
    EXPECT_EQ(form.part<insert::LastUsed>().TableChange.separator, 2);
    EXPECT_FALSE(form.part<insert::LastUsed>().TableChange.horizontalRules);
}

TEST(TablesBuilder, ConvertedCellsStayCellsAndEveryRowEnds)
{
    tables::ConversionChoices comma;
    comma.separator = 1;
    const std::string text = tables::convertedTable(sjis("売上,50%\r\nR&D,5\r\n"), comma);
    EXPECT_NE(text.find("\\begin{tabular}{|c|c|}\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(sjis("\\hline\r\n売上 & 50\\% \\\\\r\n\\hline\r\nR\\&D & 5 \\\\\r\n\\hline\r\n")),
              std::string::npos)
        << text;
}

TEST_F(TablesFixture, ConvertedSpreadsheetCellsRunThroughPLaTeX)
{
    if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
    // Cells as a spreadsheet writes them, and cells already written in LaTeX.
    const std::string cells = sjis(
        "売上,50%\r\nR&D,5\r\n#1,$100\r\nfile_name,x^2\r\n{a,b}}\r\n~,C:\\\r\n"
        "$x^2_1$,\\textbf{表}\r\n50\\%,\\ref{tab_1}\r\n");
    const std::string head = "\\documentclass{jarticle}\r\n\\begin{document}\r\n";
    const std::string tail = "\\end{document}\r\n";
    setText(head + cells + tail, int(head.size()), int(cells.size()));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& dialog) {
        dynamic_cast<TFormTableChange&>(dialog).ui.rgKugiri.SetItemIndex(1);
        return int(mrOk);
    });
    trigger("MenuTableChange");
    const std::string converted = text();
    EXPECT_NE(converted.find("\\begin{tabular}{|c|c|}"), std::string::npos);
    EXPECT_EQ(realtex::platexErrors(converted), "") << converted;
}

TEST_F(TablesFixture, ConversionPastTheLengthLimitChangesNothing)
{
    // Cells grow from one byte to three: 200000 separated cells no longer fit.
    std::string cells;
    for (int i = 0; i < 100000; ++i) cells += "a\t";
    setText(cells, 0, int(cells.size()));
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog&) { return int(mrOk); });
    ask.expectMessage({std::nullopt, QString::fromUtf8("表変換"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("MenuTableChange");
    EXPECT_EQ(text(), cells);
    EXPECT_EQ(form.RichEdit->SelLength(), int(cells.size()));
}

TEST_F(TablesFixture, MenuPopupAndToolButton)
{
    ASSERT_NE(form.part<insert::InsertMenus>().MenuTexinHyou, nullptr);
    ASSERT_NE(form.part<insert::InsertMenus>().PopupMenuTable, nullptr);
    QStringList menu, popup;
    for (QAction* a : form.part<insert::InsertMenus>().MenuTexinHyou->actions()) menu << a->objectName();
    for (QAction* a : form.part<insert::InsertMenus>().PopupMenuTable->actions()) popup << a->objectName();
    EXPECT_EQ(menu,
              (QStringList{"MenuTexTable", "hlineK2", "clineB2", "vlineV2", "MenuInsertMultiCol", "MenuTableChange"}));
    EXPECT_EQ(popup, (QStringList{"PopupTabular", "PopupHline", "PopupCline", "PopupVline", "PopupMulticolumn",
                                  "PopupTableChange"}));
    EXPECT_NE(form.Item("ToolButtonTeXInTable"), nullptr);
    EXPECT_EQ(form.HelpContextOf("MenuTexTable"), 5130);
}
