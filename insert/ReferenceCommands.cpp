// Placing labels and referring to them.  Each command wraps a selection at
// once; without one it asks for the name, the references offering every
// label name the document holds.
#include <QAction>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/EditDialog.h"
#include "insert/ReferencesBuilder.h"
#include "insert/ReferencesDialogs.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"
#include "platform/Utf8.h"

void TForm1::MenuInsertLabelClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, refs::label(editor.selText));
        return;
    }
    const QString caption = utf8("ラベル貼り付け");
    const std::optional<std::string> name =
        road::askOneLine(*this, caption, utf8("ラベル(&L)："), HelpContextOf("MenuInsertLabel"));
    if (!name) return;
    const wrap::Insertion insertion = refs::label(*name);
    // Two equal labels would leave LaTeX's references ambiguous.
    if (refs::contains(RichEdit->Text(), insertion.text)) {
        ask::messageBox(cp932::decode(insertion.text) +
                            utf8("\r\n同名のラベルがすでに文書中に存在していますので、貼り付けできません。\r\n"
                                 "違うラベル名を指定してください。"),
                        caption, MB_ICONERROR | MB_OK);
        return;
    }
    road::apply(*this, insertion);
}

void TForm1::MenuInsertRefClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, refs::reference(editor.selText, 0));
        return;
    }
    road::ask<TFormLabelRef>(
        *this, {"MenuInsertRef"},
        [this](TFormLabelRef& d) {
            d.SetKindIndex(Last.LastRefKind);
            d.SetNames(refs::labelNames(RichEdit->Text()));
        },
        [this](TFormLabelRef& d) { road::apply(*this, refs::reference(d.NameText(), d.KindIndex())); },
        [this](TFormLabelRef& d) {
            if (d.KindIndex() >= 0) Last.LastRefKind = d.KindIndex();
        });
}

void TForm1::MenuInsertPageRefClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, refs::pageReference(editor.selText, 0));
        return;
    }
    road::ask<TFormPageRef>(
        *this, {"MenuInsertPageRef"},
        [this](TFormPageRef& d) {
            d.SetKindIndex(Last.LastPageRefKind);
            d.SetNames(refs::labelNames(RichEdit->Text()));
        },
        [this](TFormPageRef& d) { road::apply(*this, refs::pageReference(d.NameText(), d.KindIndex())); },
        [this](TFormPageRef& d) {
            if (d.KindIndex() >= 0) Last.LastPageRefKind = d.KindIndex();
        });
}

void TForm1::BuildReferenceCommands()
{
    AddItem(
        MenuFormat, "MenuFormatSetcounter", utf8("カウンタ設定(&Q)... / \\setcounter"),
        [this] { MenuFormatSetcounterClick(); }, {}, 6280);
    AddItem(
        MenuFormat, "MenuFormatRenewcommand", utf8("定義済文字列変更(&T)... / \\renewcommand"),
        [this] { MenuFormatRenewcommandClick(); }, {}, 6300);
    AddItem(
        MenuInsert, "MenuInsertLabel", utf8("ラベル貼付(&L)... / \\label"), [this] { MenuInsertLabelClick(); }, {},
        5118);
    AddItem(
        MenuInsert, "MenuInsertRef", utf8("ラベル参照(&R)... / \\ref"), [this] { MenuInsertRefClick(); }, {}, 5120);
    AddItem(
        MenuInsert, "MenuInsertPageRef", utf8("ページ参照(&P)... / pageref"), [this] { MenuInsertPageRefClick(); }, {},
        5122);
    AddToolButton(ToolBarTeXShosiki, "ToolButtonTeXInLabel", utf8("ラベルを貼り付ける"), utf8("ラ"),
                  [this] { MenuInsertLabelClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonTeXInLabelRef", utf8("ラベルを参照する"), utf8("参"),
                  [this] { MenuInsertRefClick(); });
}
