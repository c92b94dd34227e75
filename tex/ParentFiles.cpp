#include "tex/ParentFiles.h"

namespace parents {

int findChild(const Table& table, const QString& path)
{
    if (path.isEmpty()) return -1;
    for (int i = 0; i < int(table.size()); ++i) {
        if (table[i].Child == path) return i;
    }
    return -1;
}

DocumentParent parentOf(const Table& table, const QString& path)
{
    DocumentParent state;
    int i = findChild(table, path);
    // A record without a parent (a damaged store) gives the document none.
    if (i >= 0 && !table[i].Parent.isEmpty()) {
        state.HasParent = true;
        state.ParentFile = table[i].Parent;
        state.ParentExecute = table[i].Execute;
    }
    return state;
}

QStringList knownParents(const Table& table)
{
    QStringList list;
    for (const ParentFileEntry& e : table) {
        if (e.Parent.isEmpty()) break;
        if (!list.contains(e.Parent, Qt::CaseSensitive)) list.append(e.Parent);
    }
    return list;
}

void registerParent(Table& table, const QString& child, const QString& parent, bool execute)
{
    int i = findChild(table, child);
    if (i >= 0) {
        const QString old = table[i].Parent;
        // With no old parent there is no group to move: re-pointing every
        // record whose Parent is empty would fill the free records.
        if (old.isEmpty()) {
            table[i].Parent = parent;
            return;
        }
        for (ParentFileEntry& e : table) {
            if (e.Parent == old) e.Parent = parent;
        }
        return;
    }
    for (int k = int(table.size()) - 1; k > 0; --k) table[k] = table[k - 1];
    table[0] = ParentFileEntry{child, parent, execute};
}

bool setExecute(Table& table, const QString& child, bool execute)
{
    int i = findChild(table, child);
    if (i < 0) return false;
    table[i].Execute = execute;
    return true;
}

}  // namespace parents
