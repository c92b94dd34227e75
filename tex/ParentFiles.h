#pragma once
// The table of child -> parent registrations.  Its records are only ever
// added at the front, so the used records form a prefix that the first
// record with an empty Parent ends.  Paths compare byte for byte, with case.
// Everything here works on the table alone, so the file loader, the
// registration dialog and the tests share one set of rules.
#include <QString>
#include <QStringList>
#include <array>

#include "core/files/ParentTable.h"

namespace parents {

using Table = std::array<ParentFileEntry, 128>;

// Index of the first record whose Child is path, or -1.  An empty path
// matches nothing, so free records are never found.
int findChild(const Table& table, const QString& path);

// The parent state a document opened from path starts with: what loading a
// file sets HasParent, ParentFile and ParentExecute to.
struct DocumentParent {
    bool HasParent = false;
    QString ParentFile;
    bool ParentExecute = false;
};
DocumentParent parentOf(const Table& table, const QString& path);

// Every distinct parent of the used records once, most recent first.
QStringList knownParents(const Table& table);

// Registers parent for child.  A child already in the table keeps its place
// and every record that shared its old parent moves to the new one with it;
// a new child goes to the front (the oldest record drops off a full table)
// with the given Execute flag.
void registerParent(Table& table, const QString& child, const QString& parent, bool execute);

// Sets Execute of child's record; false when child has none.
bool setExecute(Table& table, const QString& child, bool execute);

}  // namespace parents
