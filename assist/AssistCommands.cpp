// The keys the assist takes over in the editor.
#include "assist/Assist.h"
#include "core/session/Session.h"

void assist::buildAssistCommands(Session& s)
{
    s.tabKey = [&s] { return HandleTabKey(s); };
}
