// Footnotes and marginal notes: a selected footnote text goes in at once, a
// selected marginal note is offered in the dialog first.
#include <QAction>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/FootnotesBuilder.h"
#include "insert/FootnotesDialogs.h"

void TForm1::MenuInsertFootnoteClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, footnotes::footnote(editor.selText));
        return;
    }
    road::ask<TFormFootnote>(
        *this, {"MenuInsertFootnote"}, [](TFormFootnote& d) { d.SetMemoText({}); },
        [this](TFormFootnote& d) { road::apply(*this, footnotes::footnote(d.MemoText())); }, nullptr);
}

void TForm1::MenuInsertMarginparClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    road::ask<TFormMarginpar>(
        *this, {"MenuInsertMarginpar"},
        [this, &editor](TFormMarginpar& d) {
            d.rgSize.SetItemIndex(Last.LastMarginparSize);
            d.SetMemoText(editor.hasSelection() ? editor.selText : std::string());
        },
        [this](TFormMarginpar& d) { road::apply(*this, footnotes::marginpar(d.MemoText(), d.rgSize.ItemIndex())); },
        [this](TFormMarginpar& d) {
            if (d.rgSize.ItemIndex() >= 0) Last.LastMarginparSize = d.rgSize.ItemIndex();
        });
}
