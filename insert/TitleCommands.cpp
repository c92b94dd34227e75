// \title, \author, \date and \pagestyle: each goes in at the caret, or
// rewrites the command the document already holds.
#include <QAction>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/EditDialog.h"
#include "insert/TitleBuilder.h"
#include "insert/TitleDialogs.h"
#include "platform/Utf8.h"

namespace {

// Selects the old command, when there is one, and puts the new one there.
void applyEdit(TForm1& form, const title::Edit& edit)
{
    if (edit.old) form.RichEdit->Select(edit.old->start, edit.old->close - edit.old->start + 1);
    road::apply(form, edit.insertion);
}

}  // namespace

void TForm1::MenuTexPreTitleClick()
{
    if (RichEdit->SelLength() >= 1) {
        road::apply(*this, title::fromSelection("\\title", RichEdit->SelText()));
        return;
    }
    const bool notAtLineStart = CaretNotAtLineStart();
    const std::string text = RichEdit->Text();
    const std::optional<title::Found> old = title::findBraced(text, "\\title");
    road::ask<TFormTitle>(
        *this, {"MenuTexPreTitle"},
        [&](TFormTitle& d) { d.SetMemoText(old ? title::argument(text, *old) : std::string()); },
        [&](TFormTitle& d) {
            applyEdit(*this, title::commandEdit("\\title", d.MemoText(), old, notAtLineStart, true));
        },
        nullptr);
}

void TForm1::MenuTexPreAuthorClick()
{
    if (RichEdit->SelLength() >= 1) {
        road::apply(*this, title::fromSelection("\\author", RichEdit->SelText()));
        return;
    }
    const bool notAtLineStart = CaretNotAtLineStart();
    const std::string text = RichEdit->Text();
    const std::optional<title::Found> old = title::findBraced(text, "\\author");
    const std::optional<std::string> author = road::askOneLine(*this, utf8("著者指定"), utf8("著者(&A)："), 8020,
                                                               old ? title::argument(text, *old) : std::string());
    if (author) applyEdit(*this, title::commandEdit("\\author", *author, old, notAtLineStart, true));
}

void TForm1::MenuTexPreDateClick()
{
    if (RichEdit->SelLength() >= 1) {
        road::apply(*this, title::fromSelection("\\date", RichEdit->SelText()));
        return;
    }
    const std::optional<title::Found> old = title::findFirstBrace(RichEdit->Text(), "\\date");
    const bool notAtLineStart = CaretNotAtLineStart();
    // The dialog keeps its own help context rather than the menu item's.
    road::ask<TFormDateInsert>(
        *this, {}, nullptr,
        [&](TFormDateInsert& d) {
            applyEdit(*this, title::commandEdit("\\date", d.MakeDateText(), old, notAtLineStart, false));
        },
        nullptr);
}

void TForm1::MenuTexPrePageStyleClick()
{
    const std::string text = RichEdit->Text();
    const std::optional<title::Found> old = title::findFirstBrace(text, "\\pagestyle");
    road::ask<TFormPageStyle>(
        *this, {"MenuTexPrePageStyle"},
        [&](TFormPageStyle& d) {
            const int index = old ? title::pageStyleIndex(title::argument(text, *old)) : -1;
            d.RadioGroup1.SetItemIndex(index >= 0 ? index : 0);
        },
        [&](TFormPageStyle& d) {
            const std::string style(title::pageStyleName(d.RadioGroup1.ItemIndex()));
            applyEdit(*this, title::commandEdit("\\pagestyle", style, old, CaretNotAtLineStart(), false));
        },
        nullptr);
}

void TForm1::BuildTitleCommands()
{
    ResidentEditDialog(*this);
    AddItem(
        MenuPreamble, "MenuTexPreTitle", utf8("タイトル指定(&T)... / \\title"), [this] { MenuTexPreTitleClick(); }, {},
        8020);
    AddItem(
        MenuPreamble, "MenuTexPreAuthor", utf8("著者指定(&A)... / \\author"), [this] { MenuTexPreAuthorClick(); }, {},
        8040);
    AddItem(
        MenuPreamble, "MenuTexPreDate", utf8("日付指定(&D)... / \\date"), [this] { MenuTexPreDateClick(); }, {}, 8060);
    AddItem(
        MenuPreamble, "MenuTexPrePageStyle", utf8("ページ番号スタイル指定(&P)... / \\pagestyle"),
        [this] { MenuTexPrePageStyleClick(); }, {}, 8080);
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoTitle", utf8("タイトル指定 / \\title"), utf8("題"),
                  [this] { MenuTexPreTitleClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoAuthor", utf8("著者指定 / \\author"), utf8("著"),
                  [this] { MenuTexPreAuthorClick(); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoDate", utf8("日付指定 / \\date"), utf8("日"),
                  [this] { MenuTexPreDateClick(); });
}
