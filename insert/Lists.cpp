// itemize, enumerate and description: selected lines become items, or a
// template goes in with the caret at its placeholder.
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/InsertCommands.h"
#include "insert/StructureBuilder.h"

namespace {
void insertList(Session& s, structure::ListKind kind)
{
    road::apply(s, structure::listText(structure::list(kind), road::editorState(s)));
}
}  // namespace

namespace insert {

void MenuFormatItemizeClick(Session& s) { insertList(s, structure::Itemize); }
void MenuFormatEnumerateClick(Session& s) { insertList(s, structure::Enumerate); }
void MenuFormatDescriptionClick(Session& s) { insertList(s, structure::Description); }

}  // namespace insert
