// The font family, series, shape and size commands of the format menu and
// their tool buttons.  All four open TFormFont with their kind's entries; the
// choice and the scope are remembered per kind.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/FontsBuilder.h"
#include "insert/FontsDialog.h"
#include "platform/Utf8.h"

namespace {

void runFontDialog(TForm1& form, fonts::Kind kind, int& entry, int& scope)
{
    const fonts::KindRow& row = fonts::kindRow(kind);
    const wrap::EditorState editor = road::editorState(form);
    road::ask<TFormFont>(
        form, {row.menuItem},
        [&](TFormFont& d) {
            QStringList entries;
            for (const char* e : row.entries) entries << utf8(e);
            d.SetEntries(entries.join("\r\n"));
            d.SetItemIndex(entry);
            d.RadioGroupSelect.SetItemIndex(scope);
            d.setWindowTitle(utf8(row.dialogCaption));
            // A selection is always wrapped: there is no scope to choose.
            if (editor.hasSelection()) d.RadioGroupSelect.SetItemIndex(fonts::CommandScope);
            d.RadioGroupSelect.box->setEnabled(!editor.hasSelection());
        },
        [&](TFormFont& d) {
            road::apply(form, fonts::fontInsertion(kind, editor, d.ItemIndex(), d.RadioGroupSelect.ItemIndex()));
        },
        [&](TFormFont& d) {
            if (d.ItemIndex() >= 0) entry = d.ItemIndex();
            if (d.RadioGroupSelect.ItemIndex() >= 0) scope = d.RadioGroupSelect.ItemIndex();
        });
}

}  // namespace

void TForm1::MenuFormatFontFamilyClick()
{
    runFontDialog(*this, fonts::Family, Last.LastFontFamily, Last.LastFontFamilyScope);
}

void TForm1::MenuFormatFontSeriesClick()
{
    runFontDialog(*this, fonts::Series, Last.LastFontSeries, Last.LastFontSeriesScope);
}

void TForm1::MenuFormatFontShapeClick()
{
    runFontDialog(*this, fonts::Shape, Last.LastFontShape, Last.LastFontShapeScope);
}

void TForm1::MenuFormatFontSizeClick() { runFontDialog(*this, fonts::Size, Last.LastFontSize, Last.LastFontSizeScope); }

void TForm1::BuildFontCommands()
{
    void (TForm1::*const handlers[fonts::kKindCount])() = {
        &TForm1::MenuFormatFontFamilyClick, &TForm1::MenuFormatFontSeriesClick, &TForm1::MenuFormatFontShapeClick,
        &TForm1::MenuFormatFontSizeClick};
    if (MenuFormat) MenuFormat->addSeparator();
    for (int k = 0; k < fonts::kKindCount; ++k) {
        const fonts::KindRow& row = fonts::kindRow(fonts::Kind(k));
        auto handler = handlers[k];
        QAction* item = AddItem(
            MenuFormat, row.menuItem, utf8(row.menuCaption), [this, handler] { (this->*handler)(); }, {},
            row.helpContext);
        if (item) item->setStatusTip(utf8(row.hint));
    }
    for (int k = 0; k < fonts::kKindCount; ++k) {
        const fonts::KindRow& row = fonts::kindRow(fonts::Kind(k));
        auto handler = handlers[k];
        if (ToolBarTeXShosiki)
            AddToolButton(ToolBarTeXShosiki, row.toolButton, utf8(row.hint), utf8(row.toolText),
                          [this, handler] { (this->*handler)(); });
    }
}
