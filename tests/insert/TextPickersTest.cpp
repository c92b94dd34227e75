// Text accents and special characters: every entry through the menu item and
// the pop-up, the menu's own captions, and the empty choice.
#include <gtest/gtest.h>

#include <QToolBar>

#include "insert/TextSymbolPickers.h"
#include "tests/support/OwnStore.h"
#include "tests/support/PickerDriver.h"

using namespace pickertest;
using namespace textpickers;

namespace {

struct TextPickerTest : ::testing::Test, testsupport::OwnStore {
    TForm1 form;
    PickerDriver drive{form};
};

}  // namespace

TEST_F(TextPickerTest, EveryAccentWrapsAndEveryCharacterInsertsWithItsBlank)
{
    checkEveryEntry(form, kAccent,
                    {{"\\`"},
                     {"\\'"},
                     {"\\^"},
                     {"\\~"},
                     {"\\="},
                     {"\\."},
                     {"\\\""},
                     {"\\v"},
                     {"\\H"},
                     {"\\u"},
                     {"\\r"},
                     {"\\d"},
                     {"\\b"},
                     {"\\c"},
                     {"\\t"}});
    checkEveryEntry(form, kSpecialChar,
                    {{"\\# "},
                     {"\\$ "},
                     {"\\% "},
                     {"\\& "},
                     {"\\_ "},
                     {"\\{ "},
                     {"\\} "},
                     {"\\S "},
                     {"\\P "},
                     {"\\textbullet "},
                     {"\\textperiodcentered "},
                     {"\\dag "},
                     {"\\ddag "},
                     {"\\pounds "},
                     {"\\oe "},
                     {"\\OE "},
                     {"\\ae "},
                     {"\\AE "},
                     {"\\aa "},
                     {"\\AA "},
                     {"\\ss "},
                     {"\\textvisiblespace "},
                     {"\\l "},
                     {"\\L "},
                     {"\\o "},
                     {"\\O "},
                     {"\\i "},
                     {"\\j "},
                     {"?` "},
                     {"!` "},
                     {"\\textbackslash "},
                     {"\\textbar "},
                     {"\\textasciicircum "},
                     {"\\textasciitilde "},
                     {"\\copyright "},
                     {"\\textregistered "},
                     {"\\texttrademark "},
                     {"\\textless "},
                     {"\\textgreater "},
                     {"` "},
                     {"' "},
                     {"`` "},
                     {"'' "},
                     {"``\\,` "},
                     {"''\\,' "},
                     {"- "},
                     {"-- "},
                     {"--- "}});
}

TEST_F(TextPickerTest, MenuCaptionsWriteAmpersandAndDashTheMenuWay)
{
    EXPECT_EQ(drive.popupItem(kSpecialChar, 3)->text(), "\\&&");
    EXPECT_EQ(drive.popupItem(kSpecialChar, 45)->text(), "&-");
    EXPECT_FALSE(drive.popupItem(kSpecialChar, 45)->isSeparator());
    drive.load("@");
    drive.viaPopup(kSpecialChar, 3);
    EXPECT_EQ(drive.state(), "\\& @");
    QAction* repeat = drive.repeatItem(kSpecialChar);
    EXPECT_EQ(repeat->text(), "\\&&");
    EXPECT_EQ(tagOf(repeat), 3);
    // The dialog lists the command as it is written.
    QString caption;
    drive.viaMenu(
        kSpecialChar, [&](TPickerDialog& d) { caption = d.ListView->item(3)->text(); }, mrCancel);
    EXPECT_EQ(caption, "\\&");
}

TEST_F(TextPickerTest, RepeatItemFollowsTheLastChoiceOfEitherRoad)
{
    // Before any choice: entry 0.
    QAction* repeat = drive.repeatItem(kAccent);
    EXPECT_EQ(repeat->text(), "\\`");
    drive.load("@");
    repeat->trigger();
    EXPECT_EQ(drive.state(), "\\`{@}");

    drive.load("@");
    drive.viaDialog(kAccent, 13);
    repeat = drive.repeatItem(kAccent);
    EXPECT_EQ(repeat->text(), "\\c");
    EXPECT_FALSE(repeat->icon().isNull());
    drive.load("@" + sjis("語"), 2);
    repeat->trigger();
    EXPECT_EQ(drive.state(), "\\c{" + sjis("語") + "}@");

    drive.viaPopup(kSpecialChar, 30);
    repeat = drive.repeatItem(kSpecialChar);
    EXPECT_EQ(repeat->text(), "\\textbackslash");
    int preselected = -1;
    drive.viaMenu(
        kSpecialChar, [&](TPickerDialog& d) { preselected = d.ListView->currentRow(); }, mrCancel);
    EXPECT_EQ(preselected, 30);
}

TEST_F(TextPickerTest, EmptyChoiceWarnsAndLeavesTheSelection)
{
    struct Case {
        const picker::Family* family;
        const char* message;
    };
    for (const Case& c :
         {Case{&kAccent, "アクセント記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。"},
          Case{&kSpecialChar, "文字が選択されていなかったので\r\nコマンドを作成出来ませんでした。"}}) {
        drive.load("[@" + sjis("選択") + "]", 4);
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            auto& dialog = static_cast<TPickerDialog&>(d);
            PickerDriver::choose(dialog, 5);
            dialog.ListView->clearSelection();
            return mrOk;
        });
        ask.expectMessage(QString::fromUtf8(c.message), QString::fromUtf8(c.family->caption), MB_ICONEXCLAMATION, IDOK);
        form.Item(c.family->menuItem)->trigger();
        EXPECT_EQ(form.RichEdit->Text(), "[" + sjis("選択") + "]") << c.family->dialogName;
        EXPECT_EQ(form.RichEdit->SelLength(), 4) << c.family->dialogName;
        // The remembered entry is the one selected last.
        EXPECT_EQ(*c.family->last(form), 5) << c.family->dialogName;
    }
}

TEST_F(TextPickerTest, MenusShortcutsAndToolButtons)
{
    EXPECT_EQ(form.Item("MenuFormatAccent")->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(form.Item("MenuInsTokusyu")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_TRUE(form.MenuFormat->actions().contains(form.Item("MenuFormatAccent")));
    EXPECT_TRUE(form.MenuInsert->actions().contains(form.Item("MenuInsTokusyu")));
    for (const char* name : {"ToolButtonShoAccent", "ToolButtonTeXInTokusyu"}) {
        QAction* button = form.Item(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_NE(form.ToolBarTeXShosiki->widgetForAction(button), nullptr) << name;
        EXPECT_NE(button->menu(), nullptr) << name;
    }
    int help = 0;
    drive.viaMenu(
        kSpecialChar, [&](TPickerDialog& d) { help = d.HelpContext; }, mrCancel);
    EXPECT_EQ(help, 5060);
    drive.viaMenu(
        kAccent, [&](TPickerDialog& d) { help = d.HelpContext; }, mrCancel);
    EXPECT_EQ(help, 6160);
}

TEST_F(TextPickerTest, EveryEntryHasAPicture)
{
    expectPictures(kAccent);
    expectPictures(kSpecialChar);
}
