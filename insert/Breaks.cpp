// Breaks and text-mode spaces: the break chooser (dialog and pop-up), the
// fixed spaces and the three space dialogs, with their menu items and tool
// buttons, and the menu items of footnotes and marginal notes.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/BreaksBuilder.h"
#include "insert/BreaksDialogs.h"
#include "platform/Utf8.h"

namespace {

void insert(TForm1& form, const std::string& text) { road::apply(form, wrap::Insertion{text}); }

}  // namespace

void TForm1::MenuInsertDanrakuClick()
{
    road::ask<TFormDanraku>(
        *this, {"MenuInsertDanraku"}, [this](TFormDanraku& d) { d.RadioGroup1.SetItemIndex(Last.LastBreakIndex); },
        [this](TFormDanraku& d) { insert(*this, d.MakeCommand()); },
        [this](TFormDanraku& d) {
            if (d.RadioGroup1.ItemIndex() >= 0) Last.LastBreakIndex = d.RadioGroup1.ItemIndex();
        });
}

void TForm1::PMDanrakuClick(int tag)
{
    const std::string command = breaks::breakCommand(tag);
    if (command.empty()) return;
    InsertText(command);
    // The line break is an insertion of its own, as a second undo step.
    const std::string tail = breaks::popupBreakTail(tag);
    if (!tail.empty()) InsertText(tail);
}

void TForm1::PopupMenuDanrakuPopup()
{
    if (BreakFamily) BreakFamily->AboutToShow();
}

void TForm1::PopupHankakuSpaceClick(QObject* sender) { insert(*this, breaks::fixedSpace(tagOf(sender))); }

void TForm1::sbSpaceClick()
{
    QAction* button = Item("ToolButtonTeXInSpace");
    if (PopupMenuSpace && ToolBarTeXShosiki && button) dropDown(*PopupMenuSpace, *ToolBarTeXShosiki, *button);
}

void TForm1::MenuInsSpcMeijiClick()
{
    road::ask<TFormMeijiSpace>(
        *this, {"MenuInsSpcMeiji"},
        [this](TFormMeijiSpace& d) {
            d.rgSpaceKind.SetItemIndex(Last.LastExplicitSpaceKind);
            d.ui.UpDown->setValue(Last.LastExplicitSpaceAmount);
        },
        [this](TFormMeijiSpace& d) { insert(*this, d.GetCommand()); },
        [this](TFormMeijiSpace& d) {
            if (d.rgSpaceKind.ItemIndex() >= 0) Last.LastExplicitSpaceKind = d.rgSpaceKind.ItemIndex();
            d.ui.UpDown->interpretText();
            Last.LastExplicitSpaceAmount = int16_t(d.ui.UpDown->value());
        });
}

void TForm1::MenuInsSpcFillClick()
{
    road::ask<TFormSpaceFill>(
        *this, {"MenuInsSpcFill"},
        [this](TFormSpaceFill& d) {
            d.rgSpaceKind.SetItemIndex(Last.LastFillKind);
            d.rgMusi.SetItemIndex(Last.LastFillIgnored);
        },
        [this](TFormSpaceFill& d) {
            if (!road::apply(*this, wrap::Insertion{d.GetCommand()})) return;
            if (breaks::fillIsVertical(d.rgSpaceKind.ItemIndex())) InsertText("\r\n");
        },
        [this](TFormSpaceFill& d) {
            if (d.rgSpaceKind.ItemIndex() >= 0) Last.LastFillKind = d.rgSpaceKind.ItemIndex();
            if (d.rgMusi.ItemIndex() >= 0) Last.LastFillIgnored = d.rgMusi.ItemIndex();
        });
}

void TForm1::MenuInsSpcDanrakuClick()
{
    road::ask<TFormDanrakuSpace>(
        *this, {"MenuInsSpcDanraku"},
        [this](TFormDanrakuSpace& d) { d.rgDanrakuSpace.SetItemIndex(Last.LastParagraphSpace); },
        [this](TFormDanrakuSpace& d) {
            const std::string skip = d.MakeCommand();
            if (!skip.empty()) insert(*this, skip + "\r\n");
        },
        [this](TFormDanrakuSpace& d) {
            if (d.rgDanrakuSpace.ItemIndex() >= 0) Last.LastParagraphSpace = d.rgDanrakuSpace.ItemIndex();
        });
}

void TForm1::BuildBreakCommands()
{
    // ---- break chooser: dialog in the insert menu, family on the tool button ----
    AddItem(
        MenuInsert, "MenuInsertDanraku", utf8("段落・改行・改ページ(&D)..."), [this] { MenuInsertDanrakuClick(); },
        QKeySequence("Ctrl+P"), 5120);
    PickerFamily::Options breakOptions;
    breakOptions.popupName = "PopupMenuDanraku";
    breakOptions.repeatItemName = "PMDanrakuPrev";
    for (const breaks::Break& b : breaks::breakTable()) {
        breakOptions.itemNames << b.popupItem;
        breakOptions.captions << utf8(b.caption);
    }
    BreakFamily = new PickerFamily(*this, breakOptions, &Last.LastBreakIndex, [this](int tag) { PMDanrakuClick(tag); });
    PopupMenuDanraku = BreakFamily->Popup();

    // ---- spaces: the submenu and the tool button's pop-up ----
    auto* spaces = new QMenu(utf8("空白(&S)"), this);
    spaces->setObjectName("MenuInsSpace");
    QAction* spaceItem = AddItem(MenuInsert, "MenuInsSpace", spaces->title(), nullptr, {}, 5080);
    spaceItem->setMenu(spaces);
    PopupMenuSpace = new QMenu(this);
    PopupMenuSpace->setObjectName("PopupMenuSpace");
    for (int tag = 0; tag < breaks::kFixedSpaceCount; ++tag) {
        const breaks::FixedSpace& s = breaks::fixedSpaces()[size_t(tag)];
        QAction* menuItem = AddItem(spaces, s.menuItem, utf8(s.menuCaption), nullptr, {}, 5080);
        QAction* popupItem = InsertItem(PopupMenuSpace, nullptr, s.popupItem, utf8(s.popupCaption), nullptr);
        for (QAction* item : {menuItem, popupItem}) {
            setTag(item, tag);
            connect(item, &QAction::triggered, this, [this, item] { Guard([&] { PopupHankakuSpaceClick(item); }); });
        }
    }
    spaces->addSeparator();
    PopupMenuSpace->addSeparator();
    struct SpaceDialog {
        const char *menuItem, *caption, *popupItem;
        int help;
        void (TForm1::*handler)();
    };
    const SpaceDialog dialogs[] = {
        {"MenuInsSpcMeiji", "明示的な空白(&M)...", "PopupMeijiSpace", 5052, &TForm1::MenuInsSpcMeijiClick},
        {"MenuInsSpcFill", "可変長の空白(&F)...", "PopupKahenSpace", 5054, &TForm1::MenuInsSpcFillClick},
        {"MenuInsSpcDanraku", "段落間の空白(&D)...", "PopupDanrakuSpace", 5056, &TForm1::MenuInsSpcDanrakuClick},
    };
    for (const SpaceDialog& d : dialogs) {
        auto handler = d.handler;
        AddItem(
            spaces, d.menuItem, utf8(d.caption), [this, handler] { (this->*handler)(); }, {}, d.help);
        InsertItem(PopupMenuSpace, nullptr, d.popupItem, utf8(d.caption), [this, handler] { (this->*handler)(); });
    }

    // ---- footnotes and marginal notes ----
    AddItem(
        MenuInsert, "MenuInsertFootnote", utf8("脚注(&K)... / \\footnote"), [this] { MenuInsertFootnoteClick(); }, {},
        5070);
    AddItem(
        MenuInsert, "MenuInsertMarginpar", utf8("傍注(&C)... / \\marginpar"), [this] { MenuInsertMarginparClick(); },
        {}, 5075);

    // ---- tool buttons ----
    addDropDownButton(
        *this, ToolBarTeXShosiki, "ToolButtonTeXInKaigyou", utf8("段落･改行･改ﾍﾟｰｼﾞ関連の命令を挿入します  Ctrl+P"),
        utf8("改"), [this] { MenuInsertDanrakuClick(); }, PopupMenuDanraku);
    addDropDownButton(
        *this, ToolBarTeXShosiki, "ToolButtonTeXInSpace", utf8("空白を挿入する"), utf8("空"),
        [this] { sbSpaceClick(); }, PopupMenuSpace);
}
