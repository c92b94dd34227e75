// Placing labels and referring to them.  Each command wraps a selection at
// once; without one it asks for the name, the references offering every
// label name the document holds.
#include <QAction>
#include <QMenu>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "insert/ReferencesBuilder.h"
#include "insert/ReferencesDialogs.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"
#include "platform/Utf8.h"

namespace insert {

void MenuInsertLabelClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, refs::label(editor.selText));
        return;
    }
    const QString caption = utf8("ラベル貼り付け");
    const std::optional<std::string> name =
        road::askOneLine(s, caption, utf8("ラベル(&L)："), s.HelpContextOf("MenuInsertLabel"));
    if (!name) return;
    const wrap::Insertion insertion = refs::label(*name);
    // Two equal labels would leave LaTeX's references ambiguous.
    if (refs::contains(s.RichEdit->Text(), insertion.text)) {
        ask::messageBox(cp932::decode(insertion.text) +
                            utf8("\r\n同名のラベルがすでに文書中に存在していますので、貼り付けできません。\r\n"
                                 "違うラベル名を指定してください。"),
                        caption, MB_ICONERROR | MB_OK);
        return;
    }
    road::apply(s, insertion);
}

void MenuInsertRefClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, refs::reference(editor.selText, 0));
        return;
    }
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormLabelRef>(
        s, {"MenuInsertRef"},
        [&](TFormLabelRef& d) {
            d.SetKindIndex(last.LastRefKind);
            d.SetNames(refs::labelNames(s.RichEdit->Text()));
        },
        [&s](TFormLabelRef& d) { road::apply(s, refs::reference(d.NameText(), d.KindIndex())); },
        [&](TFormLabelRef& d) {
            if (d.KindIndex() >= 0) last.LastRefKind = d.KindIndex();
        });
}

void MenuInsertPageRefClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, refs::pageReference(editor.selText, 0));
        return;
    }
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormPageRef>(
        s, {"MenuInsertPageRef"},
        [&](TFormPageRef& d) {
            d.SetKindIndex(last.LastPageRefKind);
            d.SetNames(refs::labelNames(s.RichEdit->Text()));
        },
        [&s](TFormPageRef& d) { road::apply(s, refs::pageReference(d.NameText(), d.KindIndex())); },
        [&](TFormPageRef& d) {
            if (d.KindIndex() >= 0) last.LastPageRefKind = d.KindIndex();
        });
}

void buildReferenceCommands(Session& s)
{
    s.AddItem(
        s.MenuFormat, "MenuFormatSetcounter", utf8("カウンタ設定(&Q)... / \\setcounter"),
        [&s] { MenuFormatSetcounterClick(s); }, {}, 6280);
    s.AddItem(
        s.MenuFormat, "MenuFormatRenewcommand", utf8("定義済文字列変更(&T)... / \\renewcommand"),
        [&s] { MenuFormatRenewcommandClick(s); }, {}, 6300);
    s.AddItem(
        s.MenuInsert, "MenuInsertLabel", utf8("ラベル貼付(&L)... / \\label"), [&s] { MenuInsertLabelClick(s); }, {},
        5118);
    s.AddItem(
        s.MenuInsert, "MenuInsertRef", utf8("ラベル参照(&R)... / \\ref"), [&s] { MenuInsertRefClick(s); }, {}, 5120);
    s.AddItem(
        s.MenuInsert, "MenuInsertPageRef", utf8("ページ参照(&P)... / pageref"), [&s] { MenuInsertPageRefClick(s); },
        {}, 5122);
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInLabel", utf8("ラベルを貼り付ける"), utf8("ラ"),
                    [&s] { MenuInsertLabelClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInLabelRef", utf8("ラベルを参照する"), utf8("参"),
                    [&s] { MenuInsertRefClick(s); });
}

}  // namespace insert
