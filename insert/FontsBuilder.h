#pragma once
// The four font commands (family, series, shape, size) as data, and the text
// each inserts as a pure function of the chosen entry, the scope and the
// editor's selection.  Texts are CP932 bytes; the entries are ASCII or are
// shown only, so the tables hold UTF-8 captions and ASCII commands.
#include <array>
#include <string>
#include <vector>

#include "core/insertion/WrapBuilder.h"

namespace fonts {

enum Kind { Family, Series, Shape, Size };
constexpr int kKindCount = 4;

// The two scopes of the dialog's radio group.
enum Scope { CommandScope = 0, DeclarationScope = 1 };

struct KindRow {
    const char* menuItem;  // component name of the format menu item
    int helpContext;
    const char* menuCaption;
    const char* toolButton;  // component name of the tool button
    const char* toolText;    // the button's short face
    const char* dialogCaption;
    const char* hint;                       // menu item and tool button alike
    std::vector<const char*> entries;       // combo box items, UTF-8
    std::vector<const char*> commands;      // "\textrm" ...; sizes use declarations for both
    std::vector<const char*> declarations;  // "\rmfamily" ...
};

const KindRow& kindRow(Kind kind);

// The dialog's kind numbering: 0 family, 1 series, 2 shape declaration,
// 3 size, 4 family, 5 series, 6 shape command.  "" for an index without an
// entry in that kind, and for an unknown kind.
std::string makeFontCommand(int kind, int index);

// The dialog kind numbers of a command kind in either form.
int dialogKind(Kind kind, Scope scope);

// What goes in for the entry and scope.  A selection is always wrapped by the
// command form, whatever the scope.  An entry without a command gives an empty
// insertion, which inserts nothing.
wrap::Insertion fontInsertion(Kind kind, const wrap::EditorState& editor, int entry, int scope);

}  // namespace fonts
