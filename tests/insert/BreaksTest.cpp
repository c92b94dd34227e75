#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "app/Form1.h"
#include "core/insertion/PickerFamily.h"
#include "insert/BreaksBuilder.h"
#include "insert/BreaksDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct BreaksFixture : testsupport::CommandFixture {
    BreaksFixture() { build("MenuInsertDanraku", &insert::buildBreakCommands); }
    QAction* popupItem(const char* name) { return form.part<insert::InsertMenus>().PopupMenuDanraku->findChild<QAction*>(name); }
};

// Scripts one dialog of class D: sets its controls, records what it was
// preloaded with and answers result.
template <class D>
struct DialogScript {
    DialogScript(int result, std::function<void(D&)> set = {})
    {
        ask.onDialog([this, result, set](QDialog& dialog) {
            auto* d = dynamic_cast<D*>(&dialog);
            EXPECT_NE(d, nullptr) << dialog.metaObject()->className();
            if (!d) return int(mrCancel);
            help = d->HelpContext;
            caption = d->windowTitle();
            if (set) set(*d);
            return result;
        });
    }
    testsupport::ScriptedAsk ask;
    int help = 0;
    QString caption;
};

}  // namespace

TEST(BreaksBuilder, CommandsOfTheTablesAndDialogs)
{
    const char* const breaksExpected[] = {"\\par",     "\\\\",        "\\linebreak",       "\\noindent ",
                                          "\\newpage", "\\clearpage", "\\cleardoublepage", "\\pagebreak"};
    for (int i = 0; i < breaks::kBreakCount; ++i) {
        EXPECT_EQ(breaks::breakCommand(i), breaksExpected[i]) << i;
        EXPECT_EQ(breaks::popupBreakTail(i), i == 3 ? "" : "\r\n") << i;
    }
    EXPECT_EQ(breaks::breakCommand(-1), "");
    EXPECT_EQ(breaks::breakCommand(8), "");

    const char* const fixedExpected[] = {"\\ ", "\\quad ", "\\qquad ", "\\,"};
    for (int tag = 0; tag < breaks::kFixedSpaceCount; ++tag) EXPECT_EQ(breaks::fixedSpace(tag), fixedExpected[tag]);
    EXPECT_EQ(breaks::fixedSpace(4), "");

    EXPECT_EQ(breaks::explicitSpace(0, 10), "\\vspace{10mm}");
    EXPECT_EQ(breaks::explicitSpace(1, 1), "\\vspace*{1mm}");
    EXPECT_EQ(breaks::explicitSpace(2, 10000), "\\hspace{10000mm}");
    EXPECT_EQ(breaks::explicitSpace(3, 25), "\\hspace*{25mm}");
    EXPECT_EQ(breaks::explicitSpace(4, 25), "");

    EXPECT_EQ(breaks::fillSpace(0, 0), "\\vfill ");
    EXPECT_EQ(breaks::fillSpace(0, 1), "\\vfil ");
    EXPECT_EQ(breaks::fillSpace(1, 0), "\\hfill ");
    EXPECT_EQ(breaks::fillSpace(1, 1), "\\hfil ");
    EXPECT_EQ(breaks::fillSpace(-1, 0), "");

    EXPECT_EQ(breaks::paragraphSpace(0), "\\smallskip");
    EXPECT_EQ(breaks::paragraphSpace(1), "\\medskip");
    EXPECT_EQ(breaks::paragraphSpace(2), "\\bigskip");
    EXPECT_EQ(breaks::paragraphSpace(3), "");
}

TEST_F(BreaksFixture, BreakDialogInsertsAloneAndRemembersEvenOnCancel)
{
    // Over a double-byte selection: the command replaces it and nothing follows.
    const std::string word = sjis("日本");
    setText("a" + word + "b", 1, int(word.size()));
    {
        DialogScript<TFormDanraku> script(mrOk);
        trigger("MenuInsertDanraku");
        EXPECT_EQ(script.help, 5120);
        EXPECT_EQ(script.caption, QString::fromUtf8("段落・改行・改ページ"));
    }
    EXPECT_EQ(text(), "a\\parb");
    EXPECT_EQ(caret(), 5);

    setText("x", 1);
    {
        DialogScript<TFormDanraku> script(mrCancel, [](TFormDanraku& d) { d.RadioGroup1.SetItemIndex(5); });
        trigger("MenuInsertDanraku");
    }
    EXPECT_EQ(text(), "x");
    EXPECT_EQ(form.part<insert::LastUsed>().LastBreakIndex, 5);

    // The cancelled choice heads the pop-up and inserts with its line break.
    form.PopupMenuDanrakuPopup();
    QAction* repeat = popupItem("PMDanrakuPrev");
    ASSERT_NE(repeat, nullptr);
    EXPECT_EQ(repeat->text(),
              QString::fromUtf8("強制改ページ２（配置していない図表を出力した後で改ページする）/\\clearpage(&C)"));
    repeat->trigger();
    EXPECT_EQ(text(), "x\\clearpage\r\n");

    // The next dialog opens on the remembered choice.
    {
        int preloaded = -1;
        DialogScript<TFormDanraku> script(mrCancel, [&](TFormDanraku& d) { preloaded = d.RadioGroup1.ItemIndex(); });
        trigger("MenuInsertDanraku");
        EXPECT_EQ(preloaded, 5);
    }
}

TEST_F(BreaksFixture, BreakPopupAddsALineBreakExceptAfterNoindent)
{
    struct Case {
        const char* item;
        std::string inserted;
    };
    const Case cases[] = {
        {"PMKaigyou", "\\par\r\n"},
        {"noindentI1", "\\noindent "},
        {"Y1", "\\\\\r\n"},
        {"pagebreakB1", "\\pagebreak\r\n"},
    };
    for (const Case& c : cases) {
        setText("ab", 1);
        QAction* item = popupItem(c.item);
        ASSERT_NE(item, nullptr) << c.item;
        item->trigger();
        EXPECT_EQ(text(), "a" + c.inserted + "b") << c.item;
        EXPECT_EQ(caret(), 1 + int(c.inserted.size())) << c.item;
        EXPECT_EQ(form.part<insert::LastUsed>().LastBreakIndex, tagOf(item)) << c.item;
    }
}

TEST_F(BreaksFixture, FixedSpacesFromMenuAndPopup)
{
    const std::string word = sjis("漢字");
    const struct {
        const char* item;
        std::string inserted;
    } cases[] = {
        {"MenuInsSpcHankaku", "\\ "},
        {"PopupZenkakuSpace", "\\quad "},
        {"MenuInsSpcQuad2", "\\qquad "},
        {"PopupQuad6", "\\,"},
    };
    for (const auto& c : cases) {
        setText(word + word, int(word.size()), int(word.size()));
        trigger(c.item);
        EXPECT_EQ(text(), word + c.inserted) << c.item;
    }
    EXPECT_EQ(form.part<insert::InsertMenus>().PopupMenuSpace->actions().first()->text(), QString::fromUtf8("半角空白 / \\ (&H)"));
}

TEST_F(BreaksFixture, ExplicitSpaceTakesTheTypedAmount)
{
    setText("ab", 1);
    {
        DialogScript<TFormMeijiSpace> script(mrOk, [](TFormMeijiSpace& d) {
            EXPECT_EQ(d.ui.UpDown->value(), 10);
            d.rgSpaceKind.SetItemIndex(3);
            d.ui.UpDown->findChild<QLineEdit*>()->setText("25");
        });
        trigger("MenuInsSpcMeiji");
    }
    EXPECT_EQ(text(), "a\\hspace*{25mm}b");
    EXPECT_EQ(form.part<insert::LastUsed>().LastExplicitSpaceKind, 3);
    EXPECT_EQ(form.part<insert::LastUsed>().LastExplicitSpaceAmount, 25);

    // Cancel keeps the choice; the amount stays inside 1 to 10000.
    {
        DialogScript<TFormMeijiSpace> script(mrCancel, [](TFormMeijiSpace& d) {
            EXPECT_EQ(d.rgSpaceKind.ItemIndex(), 3);
            EXPECT_EQ(d.ui.UpDown->value(), 25);
            d.rgSpaceKind.SetItemIndex(0);
            d.ui.UpDown->setValue(20000);
        });
        trigger("MenuInsSpcMeiji");
    }
    EXPECT_EQ(text(), "a\\hspace*{25mm}b");
    EXPECT_EQ(form.part<insert::LastUsed>().LastExplicitSpaceKind, 0);
    EXPECT_EQ(form.part<insert::LastUsed>().LastExplicitSpaceAmount, 10000);
}

TEST_F(BreaksFixture, StretchableAndParagraphSpaces)
{
    setText("ab", 1);
    {
        DialogScript<TFormSpaceFill> script(mrOk, [](TFormSpaceFill& d) {
            d.rgSpaceKind.SetItemIndex(1);
            d.rgMusi.SetItemIndex(1);
        });
        trigger("MenuInsSpcFill");
    }
    EXPECT_EQ(text(), "a\\hfil b");
    EXPECT_EQ(form.part<insert::LastUsed>().LastFillKind, 1);
    EXPECT_EQ(form.part<insert::LastUsed>().LastFillIgnored, 1);

    setText("ab", 1);
    {
        DialogScript<TFormSpaceFill> script(mrOk, [](TFormSpaceFill& d) {
            EXPECT_EQ(d.rgSpaceKind.ItemIndex(), 1);
            d.rgSpaceKind.SetItemIndex(0);
            d.rgMusi.SetItemIndex(0);
        });
        trigger("PopupKahenSpace");
        EXPECT_EQ(script.help, 5054);
    }
    EXPECT_EQ(text(), "a\\vfill \r\nb");
    EXPECT_EQ(caret(), 10);

    setText("ab", 1);
    {
        DialogScript<TFormDanrakuSpace> script(mrOk, [](TFormDanrakuSpace& d) { d.rgDanrakuSpace.SetItemIndex(2); });
        trigger("MenuInsSpcDanraku");
    }
    EXPECT_EQ(text(), "a\\bigskip\r\nb");
    {
        DialogScript<TFormDanrakuSpace> script(mrCancel,
                                               [](TFormDanrakuSpace& d) { d.rgDanrakuSpace.SetItemIndex(1); });
        trigger("PopupDanrakuSpace");
    }
    EXPECT_EQ(text(), "a\\bigskip\r\nb");
    EXPECT_EQ(form.part<insert::LastUsed>().LastParagraphSpace, 1);
}

TEST_F(BreaksFixture, ToolButtonsCarryTheirDropDowns)
{
    QAction* kaigyou = form.Item("ToolButtonTeXInKaigyou");
    QAction* space = form.Item("ToolButtonTeXInSpace");
    ASSERT_NE(kaigyou, nullptr);
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(kaigyou->menu(), form.part<insert::InsertMenus>().PopupMenuDanraku);
    EXPECT_EQ(space->menu(), form.part<insert::InsertMenus>().PopupMenuSpace);
    EXPECT_EQ(form.Item("MenuInsertDanraku")->shortcut(), QKeySequence("Ctrl+P"));
}
