// The menu bar, the registry of menu items and tool buttons by component
// name, the exception boundary of every handler, and the Help menu.
#include "app/Form1.h"

#include <QAction>
#include <cstddef>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/About.h"
#include "assist/Assist.h"
#include "insert/InsertCommands.h"
#include "math/MathCommands.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "tex/LogDisp.h"
#include "tex/ParentFilesForm.h"
#include "tex/TeXCommands.h"

namespace {
struct TopMenu {
    QMenu* TForm1::*member;
    const char* name;
    const char* caption;
};
const TopMenu kTopMenus[] = {
    {&TForm1::MenuFile, "MenuFile", "ファイル(&F)"},    {&TForm1::MenuEdit, "MenuEdit", "編集(&E)"},
    {&TForm1::MenuSearch, "MenuSearch", "検索(&S)"},    {&TForm1::MenuView, "MenuView", "表示(&V)"},
    {&TForm1::MenuInsert, "MenuInsert", "TeX挿入(&I)"}, {&TForm1::MenuFormat, "MenuFormat", "TeX書式(&T)"},
    {&TForm1::MenuMath, "MenuMath", "TeX数式(&M)"},     {&TForm1::MenuPreamble, "MenuPreamble", "TeXプリアンブル(&P)"},
    {&TForm1::MenuTex, "MenuTex", "TeX処理(&X)"},       {&TForm1::MenuOption, "MenuOption", "設定(&O)"},
    {&TForm1::MenuHelp, "MenuHelp", "ヘルプ(&H)"},
};

// The subsystems add their items in menu order.  This is the one list of
// them; a new subsystem adds its line here.
// A builder is a member of the window or a function of its subsystem
// taking the session; one line each.
struct Builder {
    constexpr Builder(void (Session::*member)()) : core(member) {}
    constexpr Builder(void (TForm1::*member)()) : window(member) {}
    constexpr Builder(std::nullptr_t, void (*function)(Session&)) : build(function) {}
    void (Session::*core)() = nullptr;
    void (TForm1::*window)() = nullptr;
    void (*build)(Session&) = nullptr;
};
// clang-format off
const Builder kCommandBuilders[] = {
    {&TForm1::BuildFileCommands},
    {&TForm1::BuildEditCommands},
    {&TForm1::BuildColorCommands},
    {&TForm1::BuildColorSettingsCommands},
    {&TForm1::BuildSearchToolsCommands},
    {nullptr, &insert::buildInsertCommands},
    {nullptr, &math::buildMathCommands},
    {nullptr, &tex::buildTeXCommands},
    {nullptr, &tex::buildLogCommands},
    {nullptr, &tex::buildTeXExtraCommands},
    {nullptr, &assist::buildAssistCommands},
    {nullptr, &assist::buildCmdAssistCommands},
    {nullptr, &insert::buildBreakCommands},
    {&TForm1::BuildSearchNavigationCommands},
    {nullptr, &insert::buildTitleCommands},
    {nullptr, &insert::buildReferenceCommands},
    {nullptr, &insert::buildIndexBoxCommands},
    {nullptr, &insert::buildFontCommands},
    {nullptr, &math::buildMathSpaceFontCommands},
    {nullptr, &math::buildBracketCommands},
    {nullptr, &math::buildMathPickerCommands},
    {nullptr, &insert::buildTextPickerCommands},
    {nullptr, &insert::buildTableCommands},
    {nullptr, &insert::buildFigureCommands},
    {nullptr, &math::buildScriptCommands},
    {nullptr, &math::buildMatrixCommands},
    {nullptr, &insert::buildPreambleCommands},
    {nullptr, &insert::buildBibCommands},
    {nullptr, &assist::buildUserCommands},
};
// clang-format on

struct ViewItem {
    const char* name;
    const char* caption;
    void (TForm1::*handler)();
};
const ViewItem kViewItems[] = {
    {"MenuViewStandard", "標準ツールバー(&H)", &TForm1::MenuViewStandardClick},
    {"MenuViewFormPreamb", "TeXツールバー(&T)", &TForm1::MenuViewFormPreambClick},
    {"MenuViewMath", "TeX数式ツールバー(&M)", &TForm1::MenuViewMathClick},
    {"MenuViewDocExplr", "Document Explorer(&D)", &TForm1::MenuViewDocExplrClick},
    {"MenuViewStatusBar", "ステータスバー(&S)", &TForm1::MenuViewStatusBarClick},
};

}  // namespace

void TForm1::BuildMenus()
{
    for (const TopMenu& top : kTopMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(top.name);
        this->*top.member = menu;
        commands.setMenu(top.name, menu);
    }

    for (const ViewItem& v : kViewItems) {
        QAction* item =
            AddItem(MenuView, v.name, QString::fromUtf8(v.caption), [this, h = v.handler] { (this->*h)(); });
        item->setCheckable(true);
    }
    connect(MenuView, &QMenu::aboutToShow, this, [this] { Guard([this] { MenuViewClick(); }); });

    AddItem(
        MenuHelp, "MenuHelpContents", QString::fromUtf8("目次(&C)"), [this] { MenuHelpContentsClick(); },
        QKeySequence(Qt::Key_F1));
    AddItem(MenuHelp, "MenuHelpKeyword", QString::fromUtf8("キーワード検索(&K)"), [this] { MenuHelpKeywordClick(); });
    MenuHelp->addSeparator();
    AddItem(MenuHelp, "MenuHelpHomepage", QString::fromUtf8("Quillmarkのホームページ(&H)"),
            [this] { MenuHelpHomepageClick(); });
    AddItem(MenuHelp, "MenuHelpVersion", QString::fromUtf8("バージョン情報(&A)..."),
            [this] { MenuHelpVersionClick(); });

    MenuFileQuit =
        AddItem(MenuFile, "MenuFileQuit", QString::fromUtf8("Quillmarkの終了(&X)"), [this] { MenuFileQuitClick(); });

    for (const Builder& b : kCommandBuilders) {
        Guard([this, &b] {
            // A member of the session is called on the session itself.
            if (b.core) (static_cast<Session&>(*this).*b.core)();
            if (b.window) (this->*b.window)();
            if (b.build) b.build(*this);
        });
    }

    // The editor's context menu ends with its help page.
    if (PopupMenu1) {
        PopupMenu1->addSeparator();
        AddItem(PopupMenu1, "N47", QString::fromUtf8("ヘルプを表示(&H)..."), [this] { N47Click(); });
    }

    // Whatever the file commands appended, the quit item stays last.
    MenuFile->removeAction(MenuFileQuit);
    const QList<QAction*> rest = MenuFile->actions();
    if (!rest.isEmpty() && !rest.back()->isSeparator()) MenuFile->addSeparator();
    MenuFile->addAction(MenuFileQuit);
}

void TForm1::MenuHelpContentsClick() { help::showContents(); }

void TForm1::MenuHelpKeywordClick() { help::showKeywordSearch(QString()); }

void TForm1::N47Click() { help::showContext(4010); }

void TForm1::MenuHelpHomepageClick() { help::openHomePage(); }

void TForm1::MenuHelpVersionClick()
{
    TAboutBox about(this);
    if (const int context = HelpContextOf("MenuHelpVersion")) about.HelpContext = context;
    ask::execModal(about);
}
