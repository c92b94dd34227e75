// The text environments, told apart by the component that sent the command.
#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/StructureBuilder.h"

void TForm1::OnMenuTexHaiti(QObject* sender)
{
    const structure::Environment* env = structure::environmentBySender(sender ? sender->objectName() : QString());
    if (!env) return;
    road::apply(*this, structure::environmentText(*env, road::editorState(*this)));
}
