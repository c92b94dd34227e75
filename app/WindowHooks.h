#pragma once
// What the main window's lifetime needs beyond its own class.

#include "core/commands/ResidentForms.h"

// Has a settings store that cannot be written reported to the user, once
// per window start, from the event loop.
void reportSettingsWriteFailures();
