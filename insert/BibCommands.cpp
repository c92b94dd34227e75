// The bibliography: the thebibliography template, citations of the
// document's own entries, and the tool button's drop-down of both.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/BibBuilder.h"
#include "insert/PreambleDialogs.h"
#include "platform/Ask.h"
#include "platform/Utf8.h"

void TForm1::MenuTexBiblioClick()
{
    if (ask::messageBox(utf8("カーソル位置に参考文献リストを作成する命令を挿入します。\r\nよろしいですか？"),
                        utf8("参考文献作成"), MB_OKCANCEL) != IDOK)
        return;
    InsertText(bib::templateText());
}

void TForm1::MenuBibRefClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, bib::citation(editor.selText, 0));
        return;
    }
    road::ask<TFormBibRef>(
        *this, {"MenuBibRef"},
        [this](TFormBibRef& d) {
            d.SetNames(bib::bibitemNames(RichEdit->Text()));
            d.SetKindIndex(Last.LastCiteKind);
        },
        [this](TFormBibRef& d) { road::apply(*this, bib::citation(d.NameText(), d.KindIndex())); },
        [this](TFormBibRef& d) {
            if (d.KindIndex() >= 0) Last.LastCiteKind = d.KindIndex();
        });
}

void TForm1::sbBibClick()
{
    QAction* button = Item("ToolButtonTeXInBib");
    if (PopupMenuBib && ToolBarTeXShosiki && button) dropDown(*PopupMenuBib, *ToolBarTeXShosiki, *button);
}

void TForm1::BuildBibCommands()
{
    AddItem(
        MenuInsert, "MenuTexBiblio", utf8("参考文献リスト作成(&L)... / thebibliography環境"),
        [this] { MenuTexBiblioClick(); }, {}, 5100);
    AddItem(
        MenuInsert, "MenuBibRef", utf8("参考文献参照(&R)... / \\cite"), [this] { MenuBibRefClick(); }, {}, 5105);
    PopupMenuBib = new QMenu(this);
    PopupMenuBib->setObjectName("PopupMenuBib");
    AddItem(PopupMenuBib, "PopupCite", utf8("参考文献参照(&R)... / \\cite"), [this] { MenuBibRefClick(); });
    PopupMenuBib->addSeparator();
    AddItem(PopupMenuBib, "PopupThebibliography", utf8("参考文献リスト作成(&L)... / thebibliography環境"),
            [this] { MenuTexBiblioClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonTeXInBib", utf8("参考文献 / \\cite, thebibliography環境"), utf8("献"),
                  [this] { sbBibClick(); });
}
