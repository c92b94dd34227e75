#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/Form1.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "insert/ReferencesBuilder.h"
#include "insert/ReferencesDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;
using Names = std::vector<std::string>;

struct ReferencesFixture : testsupport::CommandFixture {
    ReferencesFixture() { build("MenuInsertRef", &insert::buildReferenceCommands); }
};

}  // namespace

TEST(ReferencesBuilder, LabelNameScan)
{
    const std::string longName(255, 'n');
    const std::string tooLong(256, 'n');
    // 表 and ソ end in a backslash byte; ボ (0x83 0x7B) ends in a "{" byte.
    const std::string hyo = sjis("表"), so = sjis("ソ"), en = sjis("ボ");
    ASSERT_EQ(hyo[1], '\\');
    ASSERT_EQ(en[1], '{');
    const struct {
        std::string text;
        Names names;
    } cases[] = {
        {"\\label{a} \\label{b}\\label{a}\\label{}", {"a", "b", "a", ""}},
        // A longer command is no label, and neither is one in a comment.
        {"\\labelsep=1pt \\textbf{x} \\LABEL{Up}", {"Up"}},
        {"%\\label{old}\r\n\\% \\label{a} \\\\% \\label{b}\r\n\\label{c}", {"a", "c"}},
        {"\\label{a} \\label{open \\label{c}", {"a", "open \\label{c"}},
        {"\\label{a} \\label{open", {"a"}},
        {"\\label{" + longName + "}\\label{z}", {longName, "z"}},
        {"\\label{" + tooLong + "}\\label{z}", {}},
        {hyo + "label{x}", {}},
        {"\\label" + en + "{" + so + "}", {so}},
        {"\\label{" + sjis("図マ") + "}", {sjis("図マ")}},  // マ ends in a "}" byte
    };
    for (const auto& c : cases) EXPECT_EQ(refs::labelNames(c.text), c.names) << c.text;
    // A Japanese name is counted in characters: 255 of them still make a name.
    std::string kanji;
    for (int i = 0; i < 255; ++i) kanji += sjis("字");
    EXPECT_EQ(refs::labelNames("\\label{" + kanji + "}"), Names{kanji});
}

TEST(ReferencesBuilder, StylesWrapTheReference)
{
    const struct {
        int style;
        const char* text;
    } refCases[] = {{0, "\\ref{n}"},        {1, "第\\ref{n}部"},   {3, "第\\ref{n}節"}, {4, "式(\\ref{n})"},
                    {6, "Figure \\ref{n}"}, {9, "Table \\ref{n}"}, {42, "\\ref{n}"}};
    for (const auto& c : refCases)
        EXPECT_EQ(refs::reference("n", c.style), (wrap::Insertion{sjis(c.text), 0})) << c.style;
    EXPECT_EQ(refs::refStyles().size(), 10u);
    const char* pageTexts[] = {"\\pageref{n}", "P.\\pageref{n}", "\\pageref{n}ページ", "\\pageref{n}頁"};
    ASSERT_EQ(refs::pageRefStyles().size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(refs::pageReference("n", i).text, sjis(pageTexts[i]));
    // Without a name the caret stands between the braces, before any suffix.
    EXPECT_EQ(refs::reference("", 1), (wrap::Insertion{sjis("第\\ref{}部"), 1 + 2}));
    EXPECT_EQ(refs::reference("", 4), (wrap::Insertion{sjis("式(\\ref{})"), 2}));
    EXPECT_EQ(refs::pageReference("", 2), (wrap::Insertion{sjis("\\pageref{}ページ"), 1 + 6}));
    EXPECT_EQ(refs::label(""), (wrap::Insertion{"\\label{}", 1}));
}

TEST_F(ReferencesFixture, SelectionIsWrappedWithoutADialog)
{
    form.part<insert::LastUsed>().LastRefKind = 3;
    form.part<insert::LastUsed>().LastPageRefKind = 2;
    testsupport::ScriptedAsk ask;  // any dialog would fail the test
    for (const auto& [item, wrapped] :
         {std::pair{"MenuInsertLabel", "x\\label{ab}y"}, std::pair{"MenuInsertRef", "x\\ref{ab}y"},
          std::pair{"MenuInsertPageRef", "x\\pageref{ab}y"}}) {
        setText("xaby", 1, 2);
        trigger(item);
        EXPECT_EQ(text(), wrapped);
    }
    EXPECT_EQ(form.part<insert::LastUsed>().LastRefKind, 3);
    EXPECT_EQ(form.part<insert::LastUsed>().LastPageRefKind, 2);
}

TEST_F(ReferencesFixture, LabelDialogRefusesAnExactDuplicate)
{
    auto typeName = [](const char* name) {
        return [name](QDialog& dialog) {
            dynamic_cast<TFormEditDialog&>(dialog).Edit1->setText(name);
            return int(mrOk);
        };
    };
    const std::string doc = "\\label{fig}\r\n";
    setText(doc, int(doc.size()));
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog(typeName("fig"));
        ask.expectMessage(
            QString::fromUtf8("\\label{fig}\r\n同名のラベルがすでに文書中に存在していますので、貼り付けできません。"
                              "\r\n違うラベル名を指定してください。"),
            QString::fromUtf8("ラベル貼り付け"), MB_ICONERROR | MB_OK, IDOK);
        trigger("MenuInsertLabel");
    }
    EXPECT_EQ(text(), doc);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog(typeName("Fig"));
        trigger("MenuInsertLabel");
    }
    EXPECT_EQ(text(), doc + "\\label{Fig}");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog(typeName(""));
        trigger("MenuInsertLabel");
    }
    EXPECT_EQ(text(), doc + "\\label{Fig}\\label{}");
    EXPECT_EQ(caret(), int(text().size()) - 1);

    // A label in a comment is no label.
    setMarked("%\\label{old}\r\n|");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog(typeName("old"));
        trigger("MenuInsertLabel");
    }
    expectEditor("%\\label{old}\r\n\\label{old}|");
}

TEST_F(ReferencesFixture, RefDialogOffersNamesAndRemembersTheStyle)
{
    const std::string doc = "\\label{one}\\label{" + sjis("二") + "}\r\n";
    setText(doc, int(doc.size()));
    form.part<insert::LastUsed>().LastRefKind = 2;
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormLabelRef&>(dialog);
            EXPECT_EQ(d.HelpContext, 5120);
            EXPECT_EQ(d.cbKind->currentIndex(), 2);
            EXPECT_EQ(d.cbKind->count(), 10);
            EXPECT_EQ(d.ComboBox1->Count(), 2);
            EXPECT_EQ(d.ComboBox1->ItemAt(1), QString::fromUtf8("二"));
            d.ComboBox1->List->setCurrentRow(1);
            d.cbKind->setCurrentIndex(5);
            return int(mrCancel);
        });
        trigger("MenuInsertRef");
    }
    EXPECT_EQ(text(), doc);
    EXPECT_EQ(form.part<insert::LastUsed>().LastRefKind, 5);

    // Enter in the name line is OK; an empty name leaves the caret in the braces.
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormLabelRef&>(dialog);
            d.cbKind->setCurrentIndex(1);
            QTest::keyClick(d.ComboBox1->Edit, Qt::Key_Return);
            EXPECT_EQ(d.result(), mrOk);
            return int(mrOk);
        });
        trigger("MenuInsertRef");
    }
    EXPECT_EQ(text(), doc + sjis("第\\ref{}部"));
    EXPECT_EQ(caret(), int(text().size()) - 3);

    // Picking a name in the page-reference list fills the name line.
    form.RichEdit->Select(int(text().size()), 0);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& dialog) {
            auto& d = dynamic_cast<TFormPageRef&>(dialog);
            EXPECT_EQ(d.HelpContext, 5122);
            EXPECT_EQ(d.cbKind->currentIndex(), 0);
            d.ComboBox1->List->setCurrentRow(0);
            d.cbKind->setCurrentIndex(3);
            return int(mrOk);
        });
        trigger("MenuInsertPageRef");
    }
    EXPECT_EQ(text(), doc + sjis("第\\ref{}部") + sjis("\\pageref{one}頁"));
    EXPECT_EQ(form.part<insert::LastUsed>().LastPageRefKind, 3);
}
