#pragma once
// What the automatic setup and the wizard fill in, apart from the dialogs:
// the folder layouts of the installation kinds, the viewer probes and the
// test of a file chosen for a missing program.
#include <QString>
#include <functional>

#include "tex/TeXPrograms.h"

using FileExists = std::function<bool(const QString& path)>;

// The folder a drive letter stands for: the system drive "c" (or nothing)
// is the root folder, any other letter a folder of that name in it.
QString driveRoot(const QString& drive);
// The program settings the automatic setup builds for one installation
// kind; it leaves the viewers of PDF and PostScript to the probes.
TeXSettings autoSetupValues(int kind, const QString& drive);

struct ProbeResult {
    QString file, option;
    bool preferredFound = false;  // PDF probe: one of the preferred readers
};
ProbeResult detectPSViewer(const FileExists& exists);
ProbeResult detectPDFReader(const FileExists& exists);

// The tail of a path from its last "/", the slash included ("/platex").
QString expectedNameOf(const QString& missingPath);
// The message that refuses a chosen file, or an empty text.
QString fileSiteiError(const QString& chosen, const QString& expectedName, const FileExists& exists);

extern const char kNoPreferredPdfReader[];
