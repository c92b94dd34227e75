#pragma once
// The one road every insertion dialog takes: created with the main window as
// owner, given the help context of its command's menu item, placed, loaded
// with the remembered choices, run modally through the asking seam, its
// centre and choices stored back whatever the result, and deleted.  Handlers
// built on it only say what goes into the dialog and what comes out.
#include <QDialog>
#include <QMargins>
#include <QRect>
#include <functional>
#include <memory>
#include <string>

#include "core/insertion/WrapBuilder.h"
#include "forms/DialogForm.h"
#include "platform/Ask.h"

class Session;
class QPushButton;

namespace road {

enum class Placement {
    RememberedCentre,  // where the last dialog of the road was closed
    ScreenCentre,      // centre of the available screen; stores nothing
    MainWindowCentre,  // centred over the main window; stores nothing
};

// Moves a client rectangle, with its window frame around it, onto the
// available area.  A window larger than the area keeps its top-left corner
// (and so its title bar and close box) on the area.
QRect keepOnScreen(const QRect& client, const QMargins& frame, const QRect& available);

// Sets the dialog's geometry for the placement.  Placing and storing both use
// the client geometry, so the remembered centre does not creep by a title bar.
void place(Session& form, QWidget& dialog, Placement placement);
// The same for dialogs outside the road, each at the size it will show at
// (what was filled in since it was built included) and kept on the screen:
// centred over another window, or on the screen that window is on.
void centreOver(QWidget& dialog, const QWidget& window);
void centreOnScreen(QWidget& dialog, const QWidget& near);
// Stores the dialog's centre through StoreDialogTop/StoreDialogLeft.
void storeCentre(Session& form, const QWidget& dialog);

// What becomes of the text typed into a dialog's fields.  Text inserted or
// stored for the document is refused when it holds characters the document
// cannot take: OK names them, a click keeps the dialog open to mend them,
// and a dialog closed with OK otherwise counts as cancelled.
enum class FieldUse {
    Inserted,  // it goes into the document
    Stored,    // it is kept as settings that later go into the document
    Other,     // the command checks what it takes from the fields itself
};

struct Steps {
    // Menu item whose help context the dialog gets; empty keeps the dialog's own.
    QString helpItem;
    Placement placement = Placement::RememberedCentre;
    FieldUse fields = FieldUse::Inserted;
};

// The main window as a widget, for owners (keeps this header free of app/).
QWidget* mainWidget(Session& form);

// Runs the dialog modally, its fields checked for their use.
int execChecked(TDialogForm& dialog, FieldUse use);

// The first half of the road for a dialog the caller owns: help context,
// placement, preload, modal run.  Returns the modal result.
int show(Session& form, TDialogForm& dialog, const Steps& steps, const std::function<void()>& preload);
// The second half, whatever the result: the centre is stored and keep copies
// the choices back.  The screen- and window-centred dialogs remember nothing.
void finish(Session& form, TDialogForm& dialog, const Steps& steps, const std::function<void()>& keep);

// The whole road for a dialog class: create, show, on OK call onOk, finish,
// delete.  Returns true when the dialog was closed with OK.
template <class Dialog>
bool ask(Session& form, const Steps& steps, const std::function<void(Dialog&)>& preload,
         const std::function<void(Dialog&)>& onOk, const std::function<void(Dialog&)>& keep)
{
    auto dialog = std::make_unique<Dialog>(mainWidget(form));
    Dialog& d = *dialog;
    const int result = show(form, d, steps, [&] {
        if (preload) preload(d);
    });
    if (result == mrOk && onOk) onOk(d);
    finish(form, d, steps, [&] {
        if (keep) keep(d);
    });
    return result == mrOk;
}

// What the wrapping rules read from the main window's editor.
wrap::EditorState editorState(Session& form);
// Inserts through Session::InsertText and moves the caret back as asked.  An
// empty text means nothing was chosen: it inserts nothing and leaves the
// selection alone, where InsertText("") would delete it.  Returns whether
// anything was inserted.
bool apply(Session& form, const wrap::Insertion& insertion);

// Whether a text of that many bytes fits in place of the selection within
// the editor's length limit.  When it does not, says so in a box with the
// caption: the insertion primitive refuses such a text without a word, and
// a command that builds a long text (a big table, a converted selection)
// would otherwise seem to do nothing.
bool fitsOrWarn(Session& form, size_t bytes, const QString& caption);

}  // namespace road
