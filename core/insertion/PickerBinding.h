#pragma once
// Binds a picker family into the main window: its main-menu item, its pop-up
// with the repeat item, and its drop-down tool button, all built from the
// family's table.  The two roads every family takes live here too, so a
// family needs no handler of its own.
class PickerFamily;
class QAction;
class QMenu;
class QToolBar;
class Session;

namespace picker {

struct Family;

// The dialog road: the family's dialog placed and preloaded with the
// remembered entry; on OK the chosen entry inserted (or the family's
// empty-choice message, and the latexsym notice first where the entry asks
// for it); the centre and the choice stored back whatever the result.
void runDialog(Session& form, const Family& family);
// The pop-up road: inserts entry tag and remembers it.  No message, no notice.
void pick(Session& form, const Family& family, int tag);

// The menu item goes at the end of menu (or before before), the tool button
// on bar; either may be null.  Returns the pop-up family, or nullptr for a
// family without a pop-up.
PickerFamily* bind(Session& form, const Family& family, QMenu* menu, QToolBar* bar, QAction* before = nullptr);

}  // namespace picker
