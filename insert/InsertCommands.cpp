// Text insertion commands: the menus, tool buttons and pop-ups of the
// fixed insertions, headings, environments and lists.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/EditDialog.h"
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

}  // namespace

void TForm1::MenuInsTitleClick() { InsertText(kMakeTitle); }
void TForm1::MenuInsContOutClick() { InsertText(kTableOfContents); }
void TForm1::MenuInsContFigClick() { InsertText(kListOfFigures); }
void TForm1::MenuInsContTblClick() { InsertText(kListOfTables); }
void TForm1::MenuInsertAppendixClick() { InsertText(kAppendix); }

void TForm1::MenuFormatUnderlineClick()
{
    road::apply(*this, wrap::inlineCommand(road::editorState(*this), "\\underline{", "}"));
}

void TForm1::BuildInsertCommands()
{
    ResidentEditDialog(*this);

    // ---- insert menu ----
    AddItem(
        MenuInsert, "MenuInsTitle", utf8("タイトル出力(&T) / \\maketitle"), [this] { MenuInsTitleClick(); }, {}, 5020);
    AddItem(
        MenuInsert, "MenuInsContOut", utf8("目次出力(&E) / \\tableofcontents"), [this] { MenuInsContOutClick(); }, {},
        5040);
    AddItem(
        MenuInsert, "MenuInsContFig", utf8("図の目次出力(&F) / \\listoffigures"), [this] { MenuInsContFigClick(); }, {},
        5040);
    AddItem(
        MenuInsert, "MenuInsContTbl", utf8("表の目次出力(&T) / \\listoftables"), [this] { MenuInsContTblClick(); }, {},
        5040);
    if (MenuInsert) MenuInsert->addSeparator();

    // Headings: the submenu, the tool button's pop-up, both bound by Tag.
    MenuTexMidasi = new QMenu(utf8("見出し(&M)"), this);
    MenuTexMidasi->setObjectName("MenuTexMidasi");
    QAction* headingsItem = AddItem(MenuInsert, "MenuTexMidasi", MenuTexMidasi->title(), nullptr, {}, 5100);
    headingsItem->setMenu(MenuTexMidasi);
    PickerFamily::Options popup;
    popup.popupName = "PopupMenuMidasi";
    for (int tag = 0; tag < structure::kHeadingCount; ++tag) {
        const structure::Heading& h = structure::headings()[size_t(tag)];
        if (tag == 7) MenuTexMidasi->addSeparator();
        QAction* item = AddItem(MenuTexMidasi, h.menuItem, utf8(h.itemCaption), nullptr, QKeySequence(h.shortcut));
        setTag(item, tag);
        connect(item, &QAction::triggered, this, [this, item] { Guard([&] { MenuInsMidPartClick(item); }); });
        popup.itemNames << h.popupItem;
        popup.captions << utf8(h.itemCaption);
    }
    auto* headingFamily = new PickerFamily(*this, popup, nullptr, nullptr);
    PopupMenuMidasi = headingFamily->Popup();
    for (int tag = 0; tag < headingFamily->Count(); ++tag) {
        QAction* item = headingFamily->EntryItem(tag);
        connect(item, &QAction::triggered, this, [this, item] { Guard([&] { MenuInsMidPartClick(item); }); });
    }
    if (MenuInsert) MenuInsert->addSeparator();
    AddItem(
        MenuInsert, "MenuInsertAppendix", utf8("付録(&A) / \\appendix"), [this] { MenuInsertAppendixClick(); }, {},
        5180);

    // ---- format menu ----
    QAction* underline = AddItem(
        MenuFormat, "MenuFormatUnderline", utf8("下線(&U) / \\underline"), [this] { MenuFormatUnderlineClick(); },
        QKeySequence("Ctrl+U"));
    underline->setStatusTip(utf8("\\underline{} / 選択範囲に下線を引きます。"));
    if (MenuFormat) MenuFormat->addSeparator();
    for (const structure::Environment& env : structure::environments()) {
        const QString name = env.menuItem;
        AddItem(MenuFormat, name, utf8(env.menuCaption), [this, name] { OnMenuTexHaiti(Item(name)); });
    }
    if (MenuFormat) MenuFormat->addSeparator();
    AddItem(
        MenuFormat, structure::list(structure::Itemize).menuItem, utf8(structure::list(structure::Itemize).menuCaption),
        [this] { MenuFormatItemizeClick(); }, {}, structure::kListHelpContext);
    AddItem(
        MenuFormat, structure::list(structure::Enumerate).menuItem,
        utf8(structure::list(structure::Enumerate).menuCaption), [this] { MenuFormatEnumerateClick(); }, {},
        structure::kListHelpContext);
    AddItem(
        MenuFormat, structure::list(structure::Description).menuItem,
        utf8(structure::list(structure::Description).menuCaption), [this] { MenuFormatDescriptionClick(); }, {},
        structure::kListHelpContext);

    // ---- tool buttons ----
    AddToolButton(ToolBarTeXShosiki, "ToolButtonTeXInMidashi", utf8("見出しを挿入する"), utf8("見出し"),
                  [this] { sbMidasiClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoLeft", utf8("左揃え / flushleft環境"), utf8("左"),
                  [this] { OnMenuTexHaiti(Item("ToolButtonShoLeft")); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoCenter", utf8("中央揃え / center環境"), utf8("中"),
                  [this] { OnMenuTexHaiti(Item("ToolButtonShoCenter")); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoRight", utf8("右揃え / flushright環境"), utf8("右"),
                  [this] { OnMenuTexHaiti(Item("ToolButtonShoRight")); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoKajyou1", utf8("見出し記号付き箇条書き / itemize環境"), utf8("・"),
                  [this] { MenuFormatItemizeClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoKajyou2", utf8("見出し番号付き箇条書き / enumerate環境"), utf8("1."),
                  [this] { MenuFormatEnumerateClick(); });
}
