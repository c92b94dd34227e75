// The text environments, told apart by the component that sent the command.
#include <QObject>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/InsertCommands.h"
#include "insert/StructureBuilder.h"

namespace insert {

void OnMenuTexHaiti(Session& s, QObject* sender)
{
    const structure::Environment* env = structure::environmentBySender(sender ? sender->objectName() : QString());
    if (!env) return;
    road::apply(s, structure::environmentText(*env, road::editorState(s)));
}

}  // namespace insert
