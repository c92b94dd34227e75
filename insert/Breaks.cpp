// Breaks and text-mode spaces: the break chooser (dialog and pop-up), the
// fixed spaces and the three space dialogs, with their menu items and tool
// buttons, and the menu items of footnotes and marginal notes.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/BreaksBuilder.h"
#include "insert/BreaksDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "platform/Utf8.h"

namespace {

void insertText(Session& s, const std::string& text) { road::apply(s, wrap::Insertion{text}); }

// The three space dialogs, in the sub-menu and in the pop-up.
struct SpaceDialog {
    const char *menuItem, *caption, *popupItem;
    int help;
    void (*handler)(Session&);
};
const SpaceDialog kSpaceDialogs[] = {
    {"MenuInsSpcMeiji", "明示的な空白(&M)...", "PopupMeijiSpace", 5052, &insert::MenuInsSpcMeijiClick},
    {"MenuInsSpcFill", "可変長の空白(&F)...", "PopupKahenSpace", 5054, &insert::MenuInsSpcFillClick},
    {"MenuInsSpcDanraku", "段落間の空白(&D)...", "PopupDanrakuSpace", 5056, &insert::MenuInsSpcDanrakuClick},
};

}  // namespace

namespace insert {

void MenuInsertDanrakuClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormDanraku>(
        s, {"MenuInsertDanraku"}, [&](TFormDanraku& d) { d.RadioGroup1.SetItemIndex(last.LastBreakIndex); },
        [&s](TFormDanraku& d) { insertText(s, d.MakeCommand()); },
        [&](TFormDanraku& d) {
            if (d.RadioGroup1.ItemIndex() >= 0) last.LastBreakIndex = d.RadioGroup1.ItemIndex();
        });
}

void PMDanrakuClick(Session& s, int tag)
{
    const std::string command = breaks::breakCommand(tag);
    if (command.empty()) return;
    s.InsertText(command);
    // The line break is an insertion of its own, as a second undo step.
    const std::string tail = breaks::popupBreakTail(tag);
    if (!tail.empty()) s.InsertText(tail);
}

void PopupMenuDanrakuPopup(Session& s)
{
    if (PickerFamily* family = s.part<InsertMenus>().BreakFamily) family->AboutToShow();
}

void PopupHankakuSpaceClick(Session& s, QObject* sender) { insertText(s, breaks::fixedSpace(tagOf(sender))); }

void sbSpaceClick(Session& s)
{
    QMenu* popup = s.part<InsertMenus>().PopupMenuSpace;
    QAction* button = s.Item("ToolButtonTeXInSpace");
    if (popup && s.ToolBarTeXShosiki && button) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

void MenuInsSpcMeijiClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormMeijiSpace>(
        s, {"MenuInsSpcMeiji"},
        [&](TFormMeijiSpace& d) {
            d.rgSpaceKind.SetItemIndex(last.LastExplicitSpaceKind);
            d.ui.UpDown->setValue(last.LastExplicitSpaceAmount);
        },
        [&s](TFormMeijiSpace& d) { insertText(s, d.GetCommand()); },
        [&](TFormMeijiSpace& d) {
            if (d.rgSpaceKind.ItemIndex() >= 0) last.LastExplicitSpaceKind = d.rgSpaceKind.ItemIndex();
            d.ui.UpDown->interpretText();
            last.LastExplicitSpaceAmount = int16_t(d.ui.UpDown->value());
        });
}

void MenuInsSpcFillClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormSpaceFill>(
        s, {"MenuInsSpcFill"},
        [&](TFormSpaceFill& d) {
            d.rgSpaceKind.SetItemIndex(last.LastFillKind);
            d.rgMusi.SetItemIndex(last.LastFillIgnored);
        },
        [&s](TFormSpaceFill& d) {
            if (!road::apply(s, wrap::Insertion{d.GetCommand()})) return;
            if (breaks::fillIsVertical(d.rgSpaceKind.ItemIndex())) s.InsertText("\r\n");
        },
        [&](TFormSpaceFill& d) {
            if (d.rgSpaceKind.ItemIndex() >= 0) last.LastFillKind = d.rgSpaceKind.ItemIndex();
            if (d.rgMusi.ItemIndex() >= 0) last.LastFillIgnored = d.rgMusi.ItemIndex();
        });
}

void MenuInsSpcDanrakuClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormDanrakuSpace>(
        s, {"MenuInsSpcDanraku"},
        [&](TFormDanrakuSpace& d) { d.rgDanrakuSpace.SetItemIndex(last.LastParagraphSpace); },
        [&s](TFormDanrakuSpace& d) {
            const std::string skip = d.MakeCommand();
            if (!skip.empty()) insertText(s, skip + "\r\n");
        },
        [&](TFormDanrakuSpace& d) {
            if (d.rgDanrakuSpace.ItemIndex() >= 0) last.LastParagraphSpace = d.rgDanrakuSpace.ItemIndex();
        });
}

void buildBreakCommands(Session& s)
{
    InsertMenus& menus = s.part<InsertMenus>();

    // ---- break chooser: dialog in the insert menu, family on the tool button ----
    s.AddItem(
        s.MenuInsert, "MenuInsertDanraku", utf8("段落・改行・改ページ(&D)..."), [&s] { MenuInsertDanrakuClick(s); },
        QKeySequence("Ctrl+P"), 5120);
    PickerFamily::Options breakOptions;
    breakOptions.popupName = "PopupMenuDanraku";
    breakOptions.repeatItemName = "PMDanrakuPrev";
    for (const breaks::Break& b : breaks::breakTable()) {
        breakOptions.itemNames << b.popupItem;
        breakOptions.captions << utf8(b.caption);
    }
    menus.BreakFamily = new PickerFamily(s, breakOptions, &s.part<LastUsed>().LastBreakIndex,
                                         [&s](int tag) { PMDanrakuClick(s, tag); });
    menus.PopupMenuDanraku = menus.BreakFamily->Popup();

    // ---- spaces: the submenu and the tool button's pop-up ----
    auto* spaces = new QMenu(utf8("空白(&S)"), s.mainWindow);
    spaces->setObjectName("MenuInsSpace");
    QAction* spaceItem = s.AddItem(s.MenuInsert, "MenuInsSpace", spaces->title(), nullptr, {}, 5080);
    spaceItem->setMenu(spaces);
    menus.PopupMenuSpace = new QMenu(s.mainWindow);
    menus.PopupMenuSpace->setObjectName("PopupMenuSpace");
    for (int tag = 0; tag < breaks::kFixedSpaceCount; ++tag) {
        const breaks::FixedSpace& fixed = breaks::fixedSpaces()[size_t(tag)];
        QAction* menuItem = s.AddItem(spaces, fixed.menuItem, utf8(fixed.menuCaption), nullptr, {}, 5080);
        QAction* popupItem =
            s.InsertItem(menus.PopupMenuSpace, nullptr, fixed.popupItem, utf8(fixed.popupCaption), nullptr);
        for (QAction* item : {menuItem, popupItem}) {
            setTag(item, tag);
            QObject::connect(item, &QAction::triggered, s.mainWindow,
                             [&s, item] { Session::Guard([&] { PopupHankakuSpaceClick(s, item); }); });
        }
    }
    spaces->addSeparator();
    menus.PopupMenuSpace->addSeparator();
    for (const SpaceDialog& d : kSpaceDialogs) {
        auto handler = d.handler;
        s.AddItem(
            spaces, d.menuItem, utf8(d.caption), [&s, handler] { handler(s); }, {}, d.help);
        s.InsertItem(menus.PopupMenuSpace, nullptr, d.popupItem, utf8(d.caption), [&s, handler] { handler(s); });
    }

    // ---- footnotes and marginal notes ----
    s.AddItem(
        s.MenuInsert, "MenuInsertFootnote", utf8("脚注(&K)... / \\footnote"), [&s] { MenuInsertFootnoteClick(s); },
        {}, 5070);
    s.AddItem(
        s.MenuInsert, "MenuInsertMarginpar", utf8("傍注(&C)... / \\marginpar"),
        [&s] { MenuInsertMarginparClick(s); }, {}, 5075);

    // ---- tool buttons ----
    addDropDownButton(
        s, s.ToolBarTeXShosiki, "ToolButtonTeXInKaigyou", utf8("段落･改行･改ﾍﾟｰｼﾞ関連の命令を挿入します  Ctrl+P"),
        utf8("改"), [&s] { MenuInsertDanrakuClick(s); }, menus.PopupMenuDanraku);
    addDropDownButton(
        s, s.ToolBarTeXShosiki, "ToolButtonTeXInSpace", utf8("空白を挿入する"), utf8("空"),
        [&s] { sbSpaceClick(s); }, menus.PopupMenuSpace);
}

}  // namespace insert
