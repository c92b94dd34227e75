// Footnotes and marginal notes: a selected footnote text goes in at once, a
// selected marginal note is offered in the dialog first.
#include <QAction>
#include <QMenu>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/FootnotesBuilder.h"
#include "insert/FootnotesDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"

namespace insert {

void MenuInsertFootnoteClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, footnotes::footnote(editor.selText));
        return;
    }
    road::ask<TFormFootnote>(
        s, {"MenuInsertFootnote"}, [](TFormFootnote& d) { d.SetMemoText({}); },
        [&s](TFormFootnote& d) { road::apply(s, footnotes::footnote(d.MemoText())); }, nullptr);
}

void MenuInsertMarginparClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormMarginpar>(
        s, {"MenuInsertMarginpar"},
        [&](TFormMarginpar& d) {
            d.rgSize.SetItemIndex(last.LastMarginparSize);
            d.SetMemoText(editor.hasSelection() ? editor.selText : std::string());
        },
        [&s](TFormMarginpar& d) { road::apply(s, footnotes::marginpar(d.MemoText(), d.rgSize.ItemIndex())); },
        [&](TFormMarginpar& d) {
            if (d.rgSize.ItemIndex() >= 0) last.LastMarginparSize = d.rgSize.ItemIndex();
        });
}

}  // namespace insert
