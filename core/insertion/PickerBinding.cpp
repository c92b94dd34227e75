#include "core/insertion/PickerBinding.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/session/Session.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/GlyphPicture.h"
#include "core/insertion/Picker.h"
#include "core/insertion/PickerDialog.h"
#include "core/insertion/PickerFamily.h"
#include "core/insertion/Writable.h"
#include "platform/Ask.h"
#include "platform/Utf8.h"

namespace picker {

namespace {

constexpr int kPopupPictureSize = 24;

int* lastOf(Session& session, const Family& family) { return family.last ? family.last(session) : nullptr; }

}  // namespace

void runDialog(Session& form, const Family& family)
{
    int* last = lastOf(form, family);
    road::Steps steps;
    if (!family.keepHelp && family.menuItem) steps.helpItem = utf8(family.menuItem);
    steps.placement = family.placement;
    TPickerDialog dialog(road::mainWidget(form), family);
    const int result = road::show(form, dialog, steps, [&] {
        if (family.preload && last) dialog.SetSelectedIndex(validIndex(family, *last));
    });
    if (result == mrOk) {
        QString unwritable;
        const std::string command = dialog.GetCommand(&unwritable);
        if (!unwritable.isEmpty()) {
            // A typed caption that would reach the document with "?" in it
            // is not put in at all.
            ask::messageBox(writable::refusal(unwritable, utf8("その文字を直すか消して下さい。")),
                            utf8(family.messageCaption ? family.messageCaption : family.caption),
                            MB_ICONEXCLAMATION | MB_OK);
        } else if (command.empty()) {
            // Nothing chosen: say so where the family has words for it, and
            // never let an empty insertion take the selection away.
            if (family.emptyMessage)
                ask::messageBox(utf8(family.emptyMessage), utf8(family.messageCaption), MB_ICONEXCLAMATION | MB_OK);
        } else {
            if (family.notice && dialog.ChosenNeedsLatexsym())
                ask::messageBox(utf8(family.notice), utf8(family.messageCaption), MB_ICONINFORMATION | MB_OK);
            road::apply(form, finish(family, command, road::editorState(form)));
        }
    }
    road::finish(form, dialog, steps, [&] {
        const int chosen = dialog.GetSelectedIndex();
        if (last && chosen >= 0 && chosen < family.count()) *last = chosen;
    });
}

void pick(Session& form, const Family& family, int tag)
{
    if (tag < 0 || tag >= family.count()) return;
    road::apply(form, entryInsertion(family, tag, road::editorState(form)));
    if (int* last = lastOf(form, family)) *last = tag;
}

PickerFamily* bind(Session& form, const Family& family, QMenu* menu, QToolBar* bar, QAction* before)
{
    auto run = [&form, &family] { runDialog(form, family); };
    if (menu && family.menuItem) {
        QAction* item = form.InsertItem(menu, before, utf8(family.menuItem), utf8(family.menuCaption), run,
                                        family.shortcut ? QKeySequence(utf8(family.shortcut)) : QKeySequence(),
                                        family.menuHelpContext);
        item->setStatusTip(utf8(family.hint));
    }
    PickerFamily* popup = nullptr;
    if (family.popupName) {
        PickerFamily::Options options;
        options.popupName = utf8(family.popupName);
        options.repeatItemName = utf8(family.repeatItem);
        for (int i = 0; i < family.count(); ++i) {
            const Row& row = family.rows[size_t(i)];
            options.itemNames << utf8(family.itemPrefix) + QString::number(i);
            options.captions << utf8(popupCaption(row));
            if (family.popupImages) options.images << glyph::picture(utf8(row.picture), kPopupPictureSize);
        }
        options.repeatShowsImage = family.popupImages;
        if (family.popupImages) options.imageSize = kPopupPictureSize;
        popup = new PickerFamily(form, options, lastOf(form, family),
                                 [&form, &family](int tag) { pick(form, family, tag); });
    }
    if (bar && family.toolButton)
        addDropDownButton(form, bar, utf8(family.toolButton), utf8(family.toolHint), utf8(family.toolFace), run,
                          popup ? popup->Popup() : nullptr);
    return popup;
}

}  // namespace picker
