// Text insertion commands: the menus, tool buttons and pop-ups of the
// fixed insertions, headings, environments and lists.
#include "insert/InsertCommands.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/EditDialog.h"
#include "insert/InsertMenus.h"
#include "insert/StructureBuilder.h"
#include "platform/Utf8.h"

namespace {

// Fixed insertions always end with a line break and never get one in front,
// even inside a line.
constexpr const char* kMakeTitle = "\\maketitle\r\n";
constexpr const char* kTableOfContents = "\\tableofcontents\r\n";
constexpr const char* kListOfFigures = "\\listoffigures\r\n";
constexpr const char* kListOfTables = "\\listoftables\r\n";
constexpr const char* kAppendix = "\\appendix\r\n";

// A heading item: the heading of its Tag, behind the boundary.
void connectHeading(Session& s, QAction* item)
{
    QObject::connect(item, &QAction::triggered, s.mainWindow,
                     [&s, item] { Session::Guard([&] { insert::MenuInsMidPartClick(s, item); }); });
}

}  // namespace

namespace insert {

void MenuInsTitleClick(Session& s) { s.InsertText(kMakeTitle); }
void MenuInsContOutClick(Session& s) { s.InsertText(kTableOfContents); }
void MenuInsContFigClick(Session& s) { s.InsertText(kListOfFigures); }
void MenuInsContTblClick(Session& s) { s.InsertText(kListOfTables); }
void MenuInsertAppendixClick(Session& s) { s.InsertText(kAppendix); }

void MenuFormatUnderlineClick(Session& s)
{
    road::apply(s, wrap::inlineCommand(road::editorState(s), "\\underline{", "}"));
}

void buildInsertCommands(Session& s)
{
    ResidentEditDialog(s);
    InsertMenus& menus = s.part<InsertMenus>();

    // ---- insert menu ----
    s.AddItem(
        s.MenuInsert, "MenuInsTitle", utf8("タイトル出力(&T) / \\maketitle"), [&s] { MenuInsTitleClick(s); }, {},
        5020);
    s.AddItem(
        s.MenuInsert, "MenuInsContOut", utf8("目次出力(&E) / \\tableofcontents"), [&s] { MenuInsContOutClick(s); },
        {}, 5040);
    s.AddItem(
        s.MenuInsert, "MenuInsContFig", utf8("図の目次出力(&F) / \\listoffigures"), [&s] { MenuInsContFigClick(s); },
        {}, 5040);
    s.AddItem(
        s.MenuInsert, "MenuInsContTbl", utf8("表の目次出力(&T) / \\listoftables"), [&s] { MenuInsContTblClick(s); },
        {}, 5040);
    if (s.MenuInsert) s.MenuInsert->addSeparator();

    // Headings: the submenu, the tool button's pop-up, both bound by Tag.
    menus.MenuTexMidasi = new QMenu(utf8("見出し(&M)"), s.mainWindow);
    menus.MenuTexMidasi->setObjectName("MenuTexMidasi");
    QAction* headingsItem = s.AddItem(s.MenuInsert, "MenuTexMidasi", menus.MenuTexMidasi->title(), nullptr, {}, 5100);
    headingsItem->setMenu(menus.MenuTexMidasi);
    PickerFamily::Options popup;
    popup.popupName = "PopupMenuMidasi";
    for (int tag = 0; tag < structure::kHeadingCount; ++tag) {
        const structure::Heading& h = structure::headings()[size_t(tag)];
        if (tag == 7) menus.MenuTexMidasi->addSeparator();
        QAction* item =
            s.AddItem(menus.MenuTexMidasi, h.menuItem, utf8(h.itemCaption), nullptr, QKeySequence(h.shortcut));
        setTag(item, tag);
        connectHeading(s, item);
        popup.itemNames << h.popupItem;
        popup.captions << utf8(h.itemCaption);
    }
    auto* headingFamily = new PickerFamily(s, popup, nullptr, nullptr);
    menus.PopupMenuMidasi = headingFamily->Popup();
    for (int tag = 0; tag < headingFamily->Count(); ++tag) connectHeading(s, headingFamily->EntryItem(tag));
    if (s.MenuInsert) s.MenuInsert->addSeparator();
    s.AddItem(
        s.MenuInsert, "MenuInsertAppendix", utf8("付録(&A) / \\appendix"), [&s] { MenuInsertAppendixClick(s); }, {},
        5180);

    // ---- format menu ----
    QAction* underline = s.AddItem(
        s.MenuFormat, "MenuFormatUnderline", utf8("下線(&U) / \\underline"), [&s] { MenuFormatUnderlineClick(s); },
        QKeySequence("Ctrl+U"));
    underline->setStatusTip(utf8("\\underline{} / 選択範囲に下線を引きます。"));
    if (s.MenuFormat) s.MenuFormat->addSeparator();
    for (const structure::Environment& env : structure::environments()) {
        const QString name = env.menuItem;
        s.AddItem(s.MenuFormat, name, utf8(env.menuCaption), [&s, name] { OnMenuTexHaiti(s, s.Item(name)); });
    }
    if (s.MenuFormat) s.MenuFormat->addSeparator();
    s.AddItem(
        s.MenuFormat, structure::list(structure::Itemize).menuItem,
        utf8(structure::list(structure::Itemize).menuCaption), [&s] { MenuFormatItemizeClick(s); }, {},
        structure::kListHelpContext);
    s.AddItem(
        s.MenuFormat, structure::list(structure::Enumerate).menuItem,
        utf8(structure::list(structure::Enumerate).menuCaption), [&s] { MenuFormatEnumerateClick(s); }, {},
        structure::kListHelpContext);
    s.AddItem(
        s.MenuFormat, structure::list(structure::Description).menuItem,
        utf8(structure::list(structure::Description).menuCaption), [&s] { MenuFormatDescriptionClick(s); }, {},
        structure::kListHelpContext);

    // ---- tool buttons ----
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInMidashi", utf8("見出しを挿入する"), utf8("見出し"),
                    [&s] { sbMidasiClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoLeft", utf8("左揃え / flushleft環境"), utf8("左"),
                    [&s] { OnMenuTexHaiti(s, s.Item("ToolButtonShoLeft")); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoCenter", utf8("中央揃え / center環境"), utf8("中"),
                    [&s] { OnMenuTexHaiti(s, s.Item("ToolButtonShoCenter")); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoRight", utf8("右揃え / flushright環境"), utf8("右"),
                    [&s] { OnMenuTexHaiti(s, s.Item("ToolButtonShoRight")); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoKajyou1", utf8("見出し記号付き箇条書き / itemize環境"),
                    utf8("・"), [&s] { MenuFormatItemizeClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoKajyou2", utf8("見出し番号付き箇条書き / enumerate環境"),
                    utf8("1."), [&s] { MenuFormatEnumerateClick(s); });
}

}  // namespace insert
