// The menu bar, the item registry and its exception boundary, the View
// toggles and the hint panel.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include <QLabel>

#include "platform/Registry.h"
#include "app/About.h"
#include "platform/Help.h"
#include "platform/Scope.h"
#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {
class MainMenuTest : public AppTest {};

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* a : actions)
        if (!a->isSeparator()) captions << a->text();
    return captions;
}
}  // namespace

TEST_F(MainMenuTest, MenuBarHasTheElevenMenusInOrder)
{
    TForm1& f = start();
    const QStringList expected = {
        "ファイル(&F)",        "編集(&E)",    "検索(&S)", "表示(&V)",   "TeX挿入(&I)", "TeX書式(&T)", "TeX数式(&M)",
        "TeXプリアンブル(&P)", "TeX処理(&X)", "設定(&O)", "ヘルプ(&H)",
    };
    EXPECT_EQ(captionsOf(f.menuBar()->actions()), expected);
    EXPECT_EQ(f.windowTitle(), "Quillmark");
    EXPECT_EQ(captionsOf(f.MenuView->actions()),
              QStringList({"標準ツールバー(&H)", "TeXツールバー(&T)", "TeX数式ツールバー(&M)", "Document Explorer(&D)",
                           "ステータスバー(&S)"}));
    EXPECT_EQ(captionsOf(f.MenuHelp->actions()),
              QStringList({"目次(&C)", "キーワード検索(&K)", "Quillmarkのホームページ(&H)", "バージョン情報(&A)..."}));
    EXPECT_EQ(f.Item("MenuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
    ASSERT_FALSE(f.MenuFile->actions().isEmpty());
    EXPECT_EQ(f.MenuFile->actions().back(), f.MenuFileQuit);
    EXPECT_EQ(f.MenuFileQuit->text(), "Quillmarkの終了(&X)");
}

TEST_F(MainMenuTest, ItemsAreFoundByNameAndRunBehindTheBoundary)
{
    TForm1& f = start();
    int runs = 0;
    QAction* item = f.AddItem(
        f.MenuOption, "MenuOptionProbe", "probe", [&] { ++runs; }, {}, 1234);
    QAction* first = f.InsertItem(f.MenuOption, item, "MenuOptionFirst", "first",
                                  [] { throw ERegistryException("value of the wrong type"); });
    EXPECT_EQ(f.Item("MenuOptionProbe"), item);
    EXPECT_EQ(item->objectName(), "MenuOptionProbe");
    EXPECT_EQ(f.HelpContextOf("MenuOptionProbe"), 1234);
    EXPECT_EQ(f.HelpContextOf("MenuOptionFirst"), 0);
    EXPECT_EQ(f.Item("NoSuchItem"), nullptr);
    const QList<QAction*> actions = f.MenuOption->actions();
    EXPECT_EQ(actions.indexOf(first) + 1, actions.indexOf(item));

    item->trigger();
    EXPECT_EQ(runs, 1);
    script().expectMessage({.text = "value of the wrong type", .caption = "Error Message"});
    first->trigger();
    script().expectMessage({.text = "disk full", .caption = "Error Message"});
    f.Guard([] { throw std::runtime_error("disk full"); });
    EXPECT_EQ(script().pending(), 0);
}

TEST_F(MainMenuTest, AnyExceptionStopsAtTheBoundaryAndTheWindowGoesOn)
{
    TForm1& f = start();
    QAction* odd = f.AddItem(f.MenuOption, "MenuOptionOdd", "odd", [] { throw 42; });
    // Busy work that fails leaves the window free, not stuck busy.
    QAction* busyWork = f.AddItem(f.MenuOption, "MenuOptionBusyWork", "busy", [&f] {
        scope::Busy busy(f.Busy);
        throw std::runtime_error("disk full");
    });
    script().expectMessage({.text = "予期しないエラーが発生したため、処理を中止しました。",
                            .caption = "Error Message",
                            .flags = MB_OK | MB_ICONERROR});
    odd->trigger();
    script().expectMessage({.text = "disk full", .caption = "Error Message"});
    busyWork->trigger();
    EXPECT_EQ(script().pending(), 0);
    EXPECT_FALSE(f.Busy);

    f.RichEdit->SetText("abc");
    f.Item("MenuEditSelAll")->trigger();
    EXPECT_EQ(f.RichEdit->SelLength(), 3);
}

TEST_F(MainMenuTest, ToolButtonsAreItemsWithHints)
{
    TForm1& f = start();
    bool pressed = false;
    QAction* button = f.AddToolButton(
        f.ToolBarFile, "sbProbe", "探す", "", [&] { pressed = true; }, true);
    EXPECT_EQ(f.Item("sbProbe"), button);
    EXPECT_TRUE(button->isCheckable());
    EXPECT_TRUE(f.ToolBarFile->actions().contains(button));
    button->trigger();
    EXPECT_TRUE(pressed);

    QStatusTipEvent tip(button->statusTip());
    QCoreApplication::sendEvent(&f, &tip);
    EXPECT_EQ(f.StatusPanelText(3), "探す");
}

TEST_F(MainMenuTest, ViewTogglesFollowTheirPartsAndKeepTheBarsInOrder)
{
    TForm1& f = start();
    f.show();
    QCoreApplication::processEvents();
    f.MenuViewStandardClick();
    f.MenuViewDocExplrClick();
    f.MenuViewClick();
    EXPECT_FALSE(f.Item("MenuViewStandard")->isChecked());
    EXPECT_TRUE(f.Item("MenuViewFormPreamb")->isChecked());
    EXPECT_TRUE(f.Item("MenuViewMath")->isChecked());
    EXPECT_FALSE(f.Item("MenuViewDocExplr")->isChecked());
    EXPECT_TRUE(f.Item("MenuViewStatusBar")->isChecked());
    EXPECT_TRUE(f.PanelDocumentExplorer->isHidden());
    QCoreApplication::processEvents();
    EXPECT_EQ(f.ToolBarTeXShosiki->y(), 0);
    EXPECT_EQ(f.ToolBarTeXMath->y(), 28);

    f.MenuViewStandardClick();
    f.MenuViewFormPreambClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.ToolBarFile->y(), 0);
    EXPECT_EQ(f.ToolBarTeXMath->y(), 28);
    EXPECT_EQ(f.ToolBarTeXMath->width(), 822);

    f.SpeedButtonExplorerClose->click();
    EXPECT_FALSE(f.PanelDocumentExplorer->isHidden());
    f.SpeedButtonExplorerClose->click();
    EXPECT_TRUE(f.PanelDocumentExplorer->isHidden());
}

TEST_F(MainMenuTest, HelpCommandsOpenTheirPages)
{
    TForm1& f = start();
    help::setSilent(true);
    // The editor's context menu offers the help page, last.
    ASSERT_NE(f.PopupMenu1, nullptr);
    QAction* helpItem = f.Item("N47");
    ASSERT_NE(helpItem, nullptr);
    EXPECT_EQ(helpItem->text(), "ヘルプを表示(&H)...");
    EXPECT_EQ(f.PopupMenu1->actions().back(), helpItem);
    helpItem->trigger();
    EXPECT_TRUE(help::lastOpened().contains("4010"));
    int aboutContext = 0;
    QStringList texts;
    QString aboutTitle;
    script().onDialog([&](QDialog& dialog) {
        aboutTitle = dialog.windowTitle();
        if (auto* about = dynamic_cast<TAboutBox*>(&dialog)) aboutContext = about->HelpContext;
        for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
        return mrOk;
    });
    f.MenuHelpVersionClick();
    EXPECT_EQ(aboutTitle, "バージョン情報");
    EXPECT_EQ(aboutContext, 10040);
    for (const char* text : {"Quillmark", "Version 8.01", "for Windows Vista / XP / 2000", "Homepage"})
        EXPECT_TRUE(texts.contains(text)) << text;
}
