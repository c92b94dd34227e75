#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>

#include "app/Form1.h"
#include "forms/ReferencesForms.h"
#include "insert/BibBuilder.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "insert/PreambleDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/CaretText.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::splitCaret;

using testsupport::sjis;

struct BibFixture : testsupport::CommandFixture {
    BibFixture() { build("MenuBibRef", &insert::buildBibCommands); }
    testsupport::ScriptedAsk ask;
};

}  // namespace

TEST(BibBuilder, CollectsBibitemLabels)
{
    const std::string hyou = sjis("表");  // its second byte is a backslash
    const std::string far = "\\bibitem[" + std::string(30, 'x') + "]{far}";
    const std::string text = "\\bibitem{a}\r\n\\BibItem [opt] {b c}\r\n" + far + "\r\n\\bibitem{" +
                             std::string(256, 'y') + "}\r\n\\bibitem{a}\r\n" + hyou + "bibitem{no}\r\n\\bibitem{" +
                             sjis("日本") + "}\r\n\\bibitem{}";
    EXPECT_EQ(bib::bibitemNames(text), (std::vector<std::string>{"a", "b c", "a", sjis("日本"), ""}));
    // A label of 255 characters is still taken; a missing brace ends the scan.
    EXPECT_EQ(bib::bibitemNames("\\bibitem{" + std::string(255, 'z') + "}").size(), 1u);
    EXPECT_TRUE(bib::bibitemNames("\\bibitem{open").empty());
    EXPECT_TRUE(bib::bibitemNames("\\bibitem").empty());
    EXPECT_EQ(bib::bibitemNames("\\bibitem{a}\\bibitem"), std::vector<std::string>{"a"});
    // An entry in a comment cites nothing.
    EXPECT_EQ(bib::bibitemNames("%\\bibitem{old}\r\n\\bibitem{new}"), std::vector<std::string>{"new"});
}

TEST(BibBuilder, TemplateAndStyles)
{
    const std::string t = bib::templateText();
    EXPECT_EQ(t.rfind(sjis("%参考文献\r\n\\begin{thebibliography}{99}%参考文献の数が1桁なら9,3桁なら999にする\r\n\r\n"
                           "  \\bibitem {ラベル名を半角英数で書く}\r\n    表示する参考文献情報をココに書く。\r\n"
                           "    以下に記入例を記す。\r\n\r\n  \\bibitem {PAPER1}\r\n"),
                      0),
              0u);
    EXPECT_NE(t.find("\r\n\r\n  \\bibitem {BOOK1}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\&"), std::string::npos);
    const std::string end = "\r\n\r\n\\end{thebibliography}\r\n";
    EXPECT_EQ(t.substr(t.size() - end.size()), end);
    EXPECT_EQ(bib::bibitemNames(t), (std::vector<std::string>{sjis("ラベル名を半角英数で書く"), "PAPER1", "BOOK1"}));

    const char* styled[] = {"\\cite{k}", "文献\\cite{k}", "（文献\\cite{k}）", "参考文献\\cite{k}",
                            "（参考文献\\cite{k}）"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bib::citation("k", i).text, sjis(styled[i])) << i;
    EXPECT_EQ(bib::citation("k", 9).text, "\\cite{k}");
}

TEST_F(BibFixture, TemplateAsksFirst)
{
    setMarked("a|b");
    ask.expectMessage(QString::fromUtf8("カーソル位置に参考文献リストを作成する命令を挿入します。\r\nよろしいですか？"),
                      QString::fromUtf8("参考文献作成"), MB_OKCANCEL, IDCANCEL);
    form.Item("MenuTexBiblio")->trigger();
    expectEditor("a|b");
    ask.answerNextMessage(IDOK);
    form.Item("PopupThebibliography")->trigger();
    expectEditor("a" + bib::templateText() + "|b");
}

TEST_F(BibFixture, CitesTheSelectionWithoutAsking)
{
    form.part<insert::LastUsed>().LastCiteKind = 4;
    form.RichEdit->SetText("see key1");
    form.RichEdit->Select(4, 4);
    form.Item("MenuBibRef")->trigger();
    expectEditor("see \\cite{key1}|");
    EXPECT_TRUE(ask.dialogs().empty());
}

TEST_F(BibFixture, DialogOffersTheDocumentsEntries)
{
    setMarked("x|\r\n\\bibitem{knuth}\r\n\\bibitem{lamport}\r\n");
    form.part<insert::LastUsed>().LastCiteKind = 2;
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormBibRef&>(dialog);
        EXPECT_EQ(d.HelpContext, 5105);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("参考文献参照"));
        EXPECT_EQ(d.ComboBox1->Count(), 2);
        EXPECT_EQ(d.ComboBox1->ItemAt(1), "lamport");
        EXPECT_EQ(d.KindIndex(), 2);
        d.ComboBox1->List->setCurrentRow(1);
        return int(mrOk);
    });
    form.Item("PopupCite")->trigger();
    expectEditor("x" + sjis("（文献") + "\\cite{lamport}" + sjis("）") +
                 "|\r\n\\bibitem{knuth}\r\n\\bibitem{lamport}\r\n");

    // Cancel inserts nothing but keeps the style; an empty name is cited all the same.
    ask.onDialog([](QDialog& dialog) {
        dynamic_cast<TFormBibRef&>(dialog).SetKindIndex(0);
        return int(mrCancel);
    });
    form.Item("MenuBibRef")->trigger();
    EXPECT_EQ(form.part<insert::LastUsed>().LastCiteKind, 0);
    setMarked("|");
    ask.onDialog([](QDialog&) { return int(mrOk); });
    form.Item("MenuBibRef")->trigger();
    expectEditor("\\cite{}|");
}

TEST_F(BibFixture, ToolButtonDropDown)
{
    ASSERT_NE(form.part<insert::InsertMenus>().PopupMenuBib, nullptr);
    const QList<QAction*> items = form.part<insert::InsertMenus>().PopupMenuBib->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->objectName(), "PopupCite");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->objectName(), "PopupThebibliography");
    EXPECT_NE(form.Item("ToolButtonTeXInBib"), nullptr);
}
