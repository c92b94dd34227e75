#pragma once
// Why a file could not be read or written, in the window's language.  The
// system's own text is English whatever the window speaks, so each reason a
// user meets and can act on has a sentence of its own; a rare one is a short
// sentence with the system's text after it.
#include <QString>

namespace fileerrors {

// The system error number read in the light of what was done (reading or
// writing) and of the file and folder as they are now: a read-only file and
// a folder one may not write in both come as "permission denied".
QString reason(bool writing, const QString& path, int error);

}  // namespace fileerrors
