#pragma once
// What the main window's lifetime needs beyond its own class.

// The name of the objects through which the window's children call back
// into it (event filters); the window removes them before its children go.
inline constexpr char kWindowHookName[] = "TForm1Hook";

// Has a settings store that cannot be written reported to the user, once
// per window start, from the event loop.
void reportSettingsWriteFailures();
