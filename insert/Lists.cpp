// itemize, enumerate and description: selected lines become items, or a
// template goes in with the caret at its placeholder.
#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/StructureBuilder.h"

namespace {
void insertList(TForm1& form, structure::ListKind kind)
{
    road::apply(form, structure::listText(structure::list(kind), road::editorState(form)));
}
}  // namespace

void TForm1::MenuFormatItemizeClick() { insertList(*this, structure::Itemize); }
void TForm1::MenuFormatEnumerateClick() { insertList(*this, structure::Enumerate); }
void TForm1::MenuFormatDescriptionClick() { insertList(*this, structure::Description); }
