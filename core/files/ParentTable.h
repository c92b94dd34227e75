#pragma once
// The parent-file table: which document is run through which parent file.
#include <QString>
#include <array>

// One record of the parent-file table.
struct ParentFileEntry {
    QString Child;
    QString Parent;
    bool Execute = false;
};

using ParentFileTable = std::array<ParentFileEntry, 128>;
