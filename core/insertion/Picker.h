#pragma once
// Symbol pickers as data.  A picker family (Greek letters, operators,
// accents, special characters ...) is a table of rows plus a few options; one
// generic dialog, one pop-up family and one binding helper serve them all.
// What an entry inserts is worked out here, apart from any widget, so the
// dialog and the pop-up of a family can never disagree.
#include <span>
#include <string>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/WrapBuilder.h"

class Session;

namespace picker {

// One entry.  Texts are UTF-8; what goes into the document is plain ASCII.
struct Row {
    const char* caption;                // list item, pop-up item and repeat item
    const char* picture;                // glyph or short formula (core/insertion/GlyphPicture.h)
    const char* text = nullptr;         // radio families: the exact text inserted
    const char* button = nullptr;       // radio families: the button's caption
    const char* menuCaption = nullptr;  // the pop-up's caption where "&" must be written doubled
    bool latexsym = false;              // the dialog warns that latexsym is needed
};

enum class Kind {
    List,   // a list of pictures with their captions
    Radio,  // radio buttons in columns of five
};

// How a list dialog reads the choice when it closes with OK.
enum class Choice {
    Selected,  // the selected item's caption; nothing when no item is selected
    Focused,   // the focused item's caption (it may have been edited); nothing without a selection
    AtIndex,   // the caption of the item chosen last, even if the selection was cleared since
};

// What the chosen command becomes in the document.
enum class Finish {
    AsIs,    // the radio row's text, unchanged
    Blank,   // the command and one blank
    Accent,  // the command wrapped round the selection: "\hat{x}", or "\hat{}" with the caret inside
};

struct Family {
    // ---- the dialog ----
    const char* dialogName;  // object name of the dialog: TFormMathEnzansi
    const char* caption;     // window title, and the radio group's title
    Kind kind = Kind::List;
    Choice choice = Choice::Selected;
    Finish finish = Finish::Blank;
    int helpContext = 0;  // the dialog's own, replaced by the menu item's unless keepHelp
    bool keepHelp = false;
    int width = 0, height = 0;  // client size; only a font too large for it makes it more
    // The list, or the radio group, at 8, 8 of the client area; none given
    // leaves 8 on either side of it and room for the buttons below it.
    int boxWidth = 0, boxHeight = 0;
    // Radio families: x of each column of five within the group.
    std::span<const int> columns = {};
    int pictureSize = 32;     // the largest the pictures are drawn; smaller where the list needs it
    bool editable = false;    // list captions can be edited in place
    bool closeButton = true;  // the title bar has a close box
    int layoutChecked = -1;   // radio button checked by the layout itself, or -1
    road::Placement placement = road::Placement::RememberedCentre;
    bool preload = true;  // the dialog opens on the remembered entry

    // ---- messages ----
    const char* emptyMessage = nullptr;  // shown when OK comes with nothing chosen
    const char* messageCaption = nullptr;
    const char* notice = nullptr;  // text of the latexsym notice
    // ---- the remembered entry, shared by the dialog and the pop-up ----
    int* (*last)(Session&) = nullptr;

    // ---- the main-menu item ----
    const char* menuItem = nullptr;
    const char* menuCaption = nullptr;
    const char* shortcut = nullptr;
    int menuHelpContext = 0;
    const char* hint = nullptr;

    // ---- the drop-down tool button and its pop-up ----
    const char* toolButton = nullptr;  // none when null
    const char* toolHint = nullptr;
    const char* toolFace = nullptr;   // the text the button shows
    const char* popupName = nullptr;  // none when null
    const char* repeatItem = nullptr;
    const char* itemPrefix = nullptr;  // pop-up entry items are named prefix + index
    bool popupImages = true;

    std::span<const Row> rows;

    int count() const { return int(rows.size()); }
};

// A remembered index that lies outside the table stands for entry 0.
int validIndex(const Family& family, int index);

// The command of entry index before it is finished: the radio row's text, or
// the list caption.  Document bytes.
std::string entryCommand(const Family& family, int index);
// What the pop-up's caption table holds for the entry.
const char* popupCaption(const Row& row);
// What goes into the document for a chosen command.  An empty command
// inserts nothing at all.
wrap::Insertion finish(const Family& family, const std::string& command, const wrap::EditorState& editor);
// The pop-up road: entry index finished for the editor's state.
wrap::Insertion entryInsertion(const Family& family, int index, const wrap::EditorState& editor);

}  // namespace picker
