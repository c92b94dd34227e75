// The font family, series, shape and size commands of the format menu and
// their tool buttons.  All four open TFormFont with their kind's entries; the
// choice and the scope are remembered per kind.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/FontsBuilder.h"
#include "insert/FontsDialog.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "platform/Utf8.h"

namespace {

void runFontDialog(Session& form, fonts::Kind kind, int& entry, int& scope)
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

// The four kinds in table order, for the menu items and the tool buttons.
void (*const kHandlers[fonts::kKindCount])(Session&) = {
    &insert::MenuFormatFontFamilyClick, &insert::MenuFormatFontSeriesClick, &insert::MenuFormatFontShapeClick,
    &insert::MenuFormatFontSizeClick};

}  // namespace

namespace insert {

void MenuFormatFontFamilyClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    runFontDialog(s, fonts::Family, last.LastFontFamily, last.LastFontFamilyScope);
}

void MenuFormatFontSeriesClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    runFontDialog(s, fonts::Series, last.LastFontSeries, last.LastFontSeriesScope);
}

void MenuFormatFontShapeClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    runFontDialog(s, fonts::Shape, last.LastFontShape, last.LastFontShapeScope);
}

void MenuFormatFontSizeClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    runFontDialog(s, fonts::Size, last.LastFontSize, last.LastFontSizeScope);
}

void buildFontCommands(Session& s)
{
    if (s.MenuFormat) s.MenuFormat->addSeparator();
    for (int k = 0; k < fonts::kKindCount; ++k) {
        const fonts::KindRow& row = fonts::kindRow(fonts::Kind(k));
        auto handler = kHandlers[k];
        QAction* item = s.AddItem(
            s.MenuFormat, row.menuItem, utf8(row.menuCaption), [&s, handler] { handler(s); }, {}, row.helpContext);
        if (item) item->setStatusTip(utf8(row.hint));
    }
    for (int k = 0; k < fonts::kKindCount; ++k) {
        const fonts::KindRow& row = fonts::kindRow(fonts::Kind(k));
        auto handler = kHandlers[k];
        if (s.ToolBarTeXShosiki)
            s.AddToolButton(s.ToolBarTeXShosiki, row.toolButton, utf8(row.hint), utf8(row.toolText),
                            [&s, handler] { handler(s); });
    }
}

}  // namespace insert
