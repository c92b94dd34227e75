// The bibliography: the thebibliography template, citations of the
// document's own entries, and the tool button's drop-down of both.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/BibBuilder.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "insert/PreambleDialogs.h"
#include "platform/Ask.h"
#include "platform/Utf8.h"

namespace insert {

void MenuTexBiblioClick(Session& s)
{
    if (ask::messageBox(utf8("カーソル位置に参考文献リストを作成する命令を挿入します。\r\nよろしいですか？"),
                        utf8("参考文献作成"), MB_OKCANCEL) != IDOK)
        return;
    s.InsertText(bib::templateText());
}

void MenuBibRefClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, bib::citation(editor.selText, 0));
        return;
    }
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormBibRef>(
        s, {"MenuBibRef"},
        [&](TFormBibRef& d) {
            d.SetNames(bib::bibitemNames(s.RichEdit->Text()));
            d.SetKindIndex(last.LastCiteKind);
        },
        [&](TFormBibRef& d) { road::apply(s, bib::citation(d.NameText(), d.KindIndex())); },
        [&](TFormBibRef& d) {
            if (d.KindIndex() >= 0) last.LastCiteKind = d.KindIndex();
        });
}

void sbBibClick(Session& s)
{
    QMenu* popup = s.part<InsertMenus>().PopupMenuBib;
    QAction* button = s.Item("ToolButtonTeXInBib");
    if (popup && s.ToolBarTeXShosiki && button) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

void buildBibCommands(Session& s)
{
    s.AddItem(
        s.MenuInsert, "MenuTexBiblio", utf8("参考文献リスト作成(&L)... / thebibliography環境"),
        [&s] { MenuTexBiblioClick(s); }, {}, 5100);
    s.AddItem(
        s.MenuInsert, "MenuBibRef", utf8("参考文献参照(&R)... / \\cite"), [&s] { MenuBibRefClick(s); }, {}, 5105);
    QMenu*& popup = s.part<InsertMenus>().PopupMenuBib;
    popup = new QMenu(s.mainWindow);
    popup->setObjectName("PopupMenuBib");
    s.AddItem(popup, "PopupCite", utf8("参考文献参照(&R)... / \\cite"), [&s] { MenuBibRefClick(s); });
    popup->addSeparator();
    s.AddItem(popup, "PopupThebibliography", utf8("参考文献リスト作成(&L)... / thebibliography環境"),
              [&s] { MenuTexBiblioClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInBib", utf8("参考文献 / \\cite, thebibliography環境"),
                    utf8("献"), [&s] { sbBibClick(s); });
}

}  // namespace insert
