// \title, \author, \date and \pagestyle: each goes in at the caret, or
// rewrites the command the document already holds.
#include <QAction>
#include <QMenu>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/TitleBuilder.h"
#include "insert/TitleDialogs.h"
#include "platform/Utf8.h"

namespace {

// Selects the old command, when there is one, and puts the new one there.
void applyEdit(Session& form, const title::Edit& edit)
{
    if (edit.old) form.RichEdit->Select(edit.old->start, edit.old->close - edit.old->start + 1);
    road::apply(form, edit.insertion);
}

}  // namespace

namespace insert {

void MenuTexPreTitleClick(Session& s)
{
    if (s.RichEdit->SelLength() >= 1) {
        road::apply(s, title::fromSelection("\\title", s.RichEdit->SelText()));
        return;
    }
    const bool notAtLineStart = s.CaretNotAtLineStart();
    const std::string text = s.RichEdit->Text();
    const std::optional<title::Found> old = title::findBraced(text, "\\title");
    road::ask<TFormTitle>(
        s, {"MenuTexPreTitle"},
        [&](TFormTitle& d) { d.SetMemoText(old ? title::argument(text, *old) : std::string()); },
        [&](TFormTitle& d) {
            applyEdit(s, title::commandEdit("\\title", d.MemoText(), old, notAtLineStart, true));
        },
        nullptr);
}

void MenuTexPreAuthorClick(Session& s)
{
    if (s.RichEdit->SelLength() >= 1) {
        road::apply(s, title::fromSelection("\\author", s.RichEdit->SelText()));
        return;
    }
    const bool notAtLineStart = s.CaretNotAtLineStart();
    const std::string text = s.RichEdit->Text();
    const std::optional<title::Found> old = title::findBraced(text, "\\author");
    const std::optional<std::string> author = road::askOneLine(s, utf8("著者指定"), utf8("著者(&A)："), 8020,
                                                               old ? title::argument(text, *old) : std::string());
    if (author) applyEdit(s, title::commandEdit("\\author", *author, old, notAtLineStart, true));
}

void MenuTexPreDateClick(Session& s)
{
    if (s.RichEdit->SelLength() >= 1) {
        road::apply(s, title::fromSelection("\\date", s.RichEdit->SelText()));
        return;
    }
    const std::optional<title::Found> old = title::findFirstBrace(s.RichEdit->Text(), "\\date");
    const bool notAtLineStart = s.CaretNotAtLineStart();
    // The dialog keeps its own help context rather than the menu item's.
    road::ask<TFormDateInsert>(
        s, {}, nullptr,
        [&](TFormDateInsert& d) {
            applyEdit(s, title::commandEdit("\\date", d.MakeDateText(), old, notAtLineStart, false));
        },
        nullptr);
}

void MenuTexPrePageStyleClick(Session& s)
{
    const std::string text = s.RichEdit->Text();
    const std::optional<title::Found> old = title::findFirstBrace(text, "\\pagestyle");
    road::ask<TFormPageStyle>(
        s, {"MenuTexPrePageStyle"},
        [&](TFormPageStyle& d) {
            const int index = old ? title::pageStyleIndex(title::argument(text, *old)) : -1;
            d.RadioGroup1.SetItemIndex(index >= 0 ? index : 0);
        },
        [&](TFormPageStyle& d) {
            const std::string style(title::pageStyleName(d.RadioGroup1.ItemIndex()));
            applyEdit(s, title::commandEdit("\\pagestyle", style, old, s.CaretNotAtLineStart(), false));
        },
        nullptr);
}

void buildTitleCommands(Session& s)
{
    ResidentEditDialog(s);
    s.AddItem(
        s.MenuPreamble, "MenuTexPreTitle", utf8("タイトル指定(&T)... / \\title"), [&s] { MenuTexPreTitleClick(s); },
        {}, 8020);
    s.AddItem(
        s.MenuPreamble, "MenuTexPreAuthor", utf8("著者指定(&A)... / \\author"), [&s] { MenuTexPreAuthorClick(s); },
        {}, 8040);
    s.AddItem(
        s.MenuPreamble, "MenuTexPreDate", utf8("日付指定(&D)... / \\date"), [&s] { MenuTexPreDateClick(s); }, {},
        8060);
    s.AddItem(
        s.MenuPreamble, "MenuTexPrePageStyle", utf8("ページ番号スタイル指定(&P)... / \\pagestyle"),
        [&s] { MenuTexPrePageStyleClick(s); }, {}, 8080);
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoTitle", utf8("タイトル指定 / \\title"), utf8("題"),
                    [&s] { MenuTexPreTitleClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoAuthor", utf8("著者指定 / \\author"), utf8("著"),
                    [&s] { MenuTexPreAuthorClick(s); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoDate", utf8("日付指定 / \\date"), utf8("日"),
                    [&s] { MenuTexPreDateClick(s); });
}

}  // namespace insert
