// The math picker families in the main window: the repeat item, the
// remembered entry, and what each family does apart.  Every entry of every
// family is held against its table in PickerTablesTest.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QToolBar>
#include <QToolButton>

#include "math/MathLastUsed.h"
#include "math/SymbolPickers.h"
#include "tests/support/OwnStore.h"
#include "tests/support/PickerDriver.h"

using namespace pickertest;
using namespace mathpickers;

namespace {

struct MathPickerTest : ::testing::Test, testsupport::OwnStore {
    TForm1 form;
    PickerDriver drive{form};
};

}  // namespace

TEST_F(MathPickerTest, RadioDialogsOpenOnTheRememberedLetterInColumnsOfFive)
{
    int checked = -1;
    QString caption;
    QList<QPoint> cells;
    drive.load("@");
    drive.viaMenu(kSmallGreek, [&](TPickerDialog& d) {
        checked = d.GetSelectedIndex();
        caption = d.RadioButtons[0]->text();
        for (QRadioButton* b : d.RadioButtons) cells << b->mapTo(d.GroupBox1, QPoint(0, 0));
    });
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(caption, "α(&A)");
    EXPECT_EQ(drive.state(), "\\alpha @");
    // Five to a column, top to bottom, then left to right.
    ASSERT_EQ(cells.size(), 24);
    EXPECT_EQ(cells[4].x(), cells[0].x());
    EXPECT_GT(cells[5].x(), cells[4].x());
    EXPECT_EQ(cells[5].y(), cells[0].y());
    EXPECT_GT(cells[1].y(), cells[0].y());

    // A choice from the pop-up is what the next dialog opens on, and what the
    // repeat item shows; a double-click on a button is OK.
    drive.load("@");
    drive.viaPopup(kLargeGreek, 3);
    QAction* repeat = drive.repeatItem(kLargeGreek);
    EXPECT_EQ(repeat->text(), "\\Delta");
    EXPECT_EQ(tagOf(repeat), 3);
    drive.viaMenu(
        kLargeGreek,
        [&](TPickerDialog& d) {
            checked = d.GetSelectedIndex();
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(d.RadioButtons[0], &dbl);
            EXPECT_EQ(d.result(), mrOk);
            d.RadioButtons[7]->setChecked(true);
        },
        mrCancel);
    EXPECT_EQ(checked, 3);
    // Cancel inserts nothing but the choice is kept.
    EXPECT_EQ(drive.state(), "\\Delta @");
    EXPECT_EQ(form.part<math::MathLastUsed>().LastLargeGreek, 7);
}

TEST_F(MathPickerTest, FunctionPopupRepeatsTheCaptionWithoutPicture)
{
    drive.load("@");
    drive.viaDialog(kMathFunction, 20);
    QAction* repeat = drive.repeatItem(kMathFunction);
    EXPECT_EQ(repeat->text(), "lim sup");
    EXPECT_TRUE(repeat->icon().isNull());
    repeat->trigger();
    EXPECT_EQ(drive.state(), "\\limsup \\limsup @");
    // The function dialog keeps its own help context; the Greek ones take the menu item's.
    int help = 0;
    drive.viaMenu(
        kMathFunction, [&](TPickerDialog& d) { help = d.HelpContext; }, mrCancel);
    EXPECT_EQ(help, 7100);
    drive.viaMenu(
        kLargeGreek, [&](TPickerDialog& d) { help = d.HelpContext; }, mrCancel);
    EXPECT_EQ(help, 7080);
}

TEST_F(MathPickerTest, StaleRememberedIndexFallsBackToTheFirstEntry)
{
    // However the index went wrong, neither road reads outside the table
    // and the dialog never returns an empty text that would eat the selection.
    form.part<math::MathLastUsed>().LastLargeGreek = 99;
    QAction* repeat = drive.repeatItem(kLargeGreek);
    EXPECT_EQ(tagOf(repeat), 0);
    EXPECT_EQ(repeat->text(), "A");
    drive.load("[@" + sjis("選択") + "]", 4);
    int checked = -2;
    drive.viaMenu(kLargeGreek, [&](TPickerDialog& d) { checked = d.GetSelectedIndex(); });
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(drive.state(), "[A@]");
    form.part<math::MathLastUsed>().LastSmallGreek = -5;
    drive.viaMenu(
        kSmallGreek, [&](TPickerDialog& d) { checked = d.GetSelectedIndex(); }, mrCancel);
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(form.part<math::MathLastUsed>().LastSmallGreek, 0);
}

TEST_F(MathPickerTest, VariantGreekOpensOnItsFirstEntryAtTheScreenCentreAndStoresNothing)
{
    form.DialogCenterX = 100;
    form.DialogCenterY = 100;
    QString selected;
    drive.load("@");
    drive.viaMenu(
        kVariantGreek,
        [&](TPickerDialog& d) {
            selected = d.ListView->currentItem()->text();
            d.ListView->setCurrentRow(5);
        },
        mrCancel);
    EXPECT_EQ(selected, "\\varepsilon");
    drive.viaMenu(kVariantGreek, [&](TPickerDialog& d) { selected = d.ListView->currentItem()->text(); });
    EXPECT_EQ(selected, "\\varepsilon");
    EXPECT_EQ(drive.state(), "\\varepsilon @");
    EXPECT_EQ(form.DialogCenterX, 100);
    EXPECT_EQ(form.DialogCenterY, 100);

    // The list is editable: what the user typed is what goes in.
    drive.load("@");
    drive.viaMenu(kVariantGreek, [](TPickerDialog& d) {
        d.ListView->item(2)->setText("\\varkappa");
        PickerDriver::choose(d, 2);
    });
    EXPECT_EQ(drive.state(), "\\varkappa @");

    // Nothing selected: the message, and the selection stays.
    drive.load("[@" + sjis("選択") + "]", 4);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& d) {
        static_cast<TPickerDialog&>(d).ListView->clearSelection();
        return mrOk;
    });
    ask.expectMessage(QString::fromUtf8("文字が選択されていなかったので\r\nコマンドを作成出来ませんでした。"),
                      QString::fromUtf8("ギリシャ小文字異体"), MB_ICONEXCLAMATION, IDOK);
    form.Item("MenuMathGreeceSmall2")->trigger();
    EXPECT_EQ(form.RichEdit->Text(), "[" + sjis("選択") + "]");
    EXPECT_EQ(form.RichEdit->SelLength(), 4);
}

TEST_F(MathPickerTest, AnEditedVariantCaptionTheDocumentCannotTakeIsRefused)
{
    // A character outside Shift-JIS would go in as "?": the user is told, and
    // the selection stays.
    drive.load("[@" + sjis("選択") + "]", 4);
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& d) {
        auto& dialog = static_cast<TPickerDialog&>(d);
        dialog.ListView->item(1)->setText(QString::fromUtf8("\\varö"));
        PickerDriver::choose(dialog, 1);
        return mrOk;
    });
    ask.expectMessage({std::nullopt, QString::fromUtf8("ギリシャ小文字異体"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    form.Item("MenuMathGreeceSmall2")->trigger();
    EXPECT_EQ(form.RichEdit->Text(), "[" + sjis("選択") + "]");
    EXPECT_EQ(form.RichEdit->SelLength(), 4);
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_TRUE(ask.messages()[0].text.contains("Shift-JIS")) << ask.messages()[0].text.toStdString();
    EXPECT_TRUE(ask.messages()[0].text.contains(QString::fromUtf8("：ö"))) << ask.messages()[0].text.toStdString();
}

TEST_F(MathPickerTest, MenuItemsShortcutsAndDropDownButtons)
{
    struct Item {
        const char* name;
        const char* shortcut;
        int help;
    };
    for (const Item& i : {Item{"MenuMathGreeceSmall", "Shift+F6", 7080}, Item{"MenuMathGreeceSmall2", "", 7080},
                          Item{"MenuMathGreeceLarge", "Shift+F7", 7080}, Item{"MenuMathFunction", "Shift+F8", 7100}}) {
        QAction* a = form.Item(i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(i.shortcut)) << i.name;
        EXPECT_EQ(form.HelpContextOf(i.name), i.help) << i.name;
    }
    QMenu* greek = form.findChild<QMenu*>("MenuTexMathGreece");
    ASSERT_NE(greek, nullptr);
    EXPECT_EQ(greek->actions().size(), 3);
    for (const char* name :
         {"ToolButtonMathGreekSmall", "ToolButtonMathGreekLarge", "ToolButtonMathFunction", "ToolButtonMathRoot"}) {
        QAction* button = form.Item(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_NE(button->menu(), nullptr) << name;
        auto* tool = qobject_cast<QToolButton*>(form.ToolBarTeXMath->widgetForAction(button));
        ASSERT_NE(tool, nullptr) << name;
        EXPECT_EQ(tool->popupMode(), QToolButton::MenuButtonPopup) << name;
    }
    // The face runs the dialog.
    int dialogs = 0;
    drive.viaMenu(
        kSmallGreek, [&](TPickerDialog&) { ++dialogs; }, mrCancel);
    testsupport::ScriptedAsk ask;
    ask.onDialog([&](QDialog& d) {
        dialogs += d.objectName() == "TFormMathSGreece";
        return mrCancel;
    });
    form.Item("ToolButtonMathGreekSmall")->trigger();
    EXPECT_EQ(dialogs, 2);
}

TEST_F(MathPickerTest, EveryEntryWithAPictureHasOne)
{
    for (const picker::Family* f : {&kSmallGreek, &kVariantGreek, &kLargeGreek, &kMathFunction}) expectPictures(*f);
}

TEST_F(MathPickerTest, NoticesAreWordedPerFamily)
{
    // The arrow notice has no colon after its first word; the others have one.
    EXPECT_TRUE(QString::fromUtf8(kArrow.notice).startsWith(QString::fromUtf8("注意\r\n")));
    for (const picker::Family* f : {&kMathSymbol, &kBinaryOperator, &kRelation})
        EXPECT_EQ(QString::fromUtf8(f->notice),
                  QString::fromUtf8("注意:\r\nこの記号を出力するには、latexsym.styﾊﾟｯｹｰｼﾞを\r\n"
                                    "プリアンブル部で読み込んでいる必要があります。"));
    // Wide accents read the remembered entry: a cleared selection still gives one.
    drive.load("@");
    drive.viaMenu(kBigAccent, [](TPickerDialog& d) {
        PickerDriver::choose(d, 2);
        d.ListView->clearSelection();
    });
    EXPECT_EQ(drive.state(), "\\overline{@}");
    // The one-character accents read the selection: nothing selected, the message.
    drive.load("@");
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& d) {
        static_cast<TPickerDialog&>(d).ListView->clearSelection();
        return mrOk;
    });
    ask.expectMessage(QString::fromUtf8("アクセント記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。"),
                      QString::fromUtf8("数式アクセント（小）"), MB_ICONEXCLAMATION, IDOK);
    form.Item("MenuMathSmallAccent")->trigger();
    EXPECT_EQ(drive.state(), "@");
}

TEST_F(MathPickerTest, MathMenuOrderShortcutsAndButtons)
{
    QStringList names;
    for (QAction* a : form.MenuMath->actions()) names << (a->isSeparator() ? "-" : a->objectName());
    const int frac = int(names.indexOf("MenuMathFrac"));
    ASSERT_GE(frac, 0);
    EXPECT_EQ(names.mid(frac, 11), QStringList({"MenuMathFrac", "MenuMathSmallAccent", "MenuMathBigAcc", "-",
                                                "MenuMathIntegral", "MenuMathKigou", "MenuMathEnzansi",
                                                "MenuMathKankeisi", "MenuMathArrow", "MenuMathOmi", "-"}));
    struct Key {
        const char* item;
        const char* shortcut;
    };
    for (const Key& k : {Key{"MenuMathIntegral", "Shift+F9"}, Key{"MenuMathKigou", "Shift+F10"},
                         Key{"MenuMathEnzansi", "Shift+F11"}, Key{"MenuMathKankeisi", "Shift+F12"},
                         Key{"MenuMathArrow", ""}, Key{"MenuMathOmi", ""}, Key{"MenuMathSmallAccent", ""}})
        EXPECT_EQ(form.Item(k.item)->shortcut(), QKeySequence(k.shortcut)) << k.item;
    for (const char* name :
         {"ToolButtonMathInt", "ToolButtonMathArrow", "ToolButtonMathOmit", "ToolButtonMathAccent1",
          "ToolButtonMathAccent2", "ToolButtonMathInfty", "ToolButtonMathTimes", "ToolButtonMathKankei"}) {
        QAction* button = form.Item(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_NE(button->menu(), nullptr) << name;
        EXPECT_NE(form.ToolBarTeXMath->widgetForAction(button), nullptr) << name;
    }
    for (const picker::Family* f :
         {&kMathSymbol, &kBinaryOperator, &kRelation, &kLargeOperator, &kSmallAccent, &kBigAccent, &kDots, &kArrow})
        expectPictures(*f);
}
