#pragma once
// The outline pane's background thread.  Each pass scans a copy of the
// editor text and brings the tree in line with it node by node, so expanded
// nodes and the selection survive; then it selects the heading that holds
// the caret.  The editor and the tree are touched only inside synchronised
// calls.
//
// The mirror describes the tree's nodes in absolute (depth-first) order.
// Every change of the tree and of the mirror happens together inside one
// synchronised call, and the few changes that need no tree change are made
// under the mirror's lock, so the main thread always sees the mirror and the
// tree agree.
#include <mutex>
#include <string>
#include <vector>

#include "core/outline/OutlineScan.h"
#include "platform/Thread.h"

class QTreeWidget;
class QTreeWidgetItem;
class TForm1;

class TDocumentExplorer : public TThread {
public:
    explicit TDocumentExplorer(bool createSuspended, TForm1* owner = nullptr);

    // Main-thread readers of the mirror (each under the lock).  An index
    // outside the mirror answers -1.
    int GetStart(int i) const;
    int GetBracePos(int i) const;
    int GetClosePos(int i) const;
    int GetDepth(int i) const;
    int GetLastIndex() const;
    // Entry i as one consistent copy; false outside the mirror.
    bool GetEntry(int i, FinalDataStruct& entry) const;
    std::vector<FinalDataStruct> MirrorSnapshot() const;
    int PassCount() const;

    // Absolute (depth-first) node order of a tree, as the mirror counts.
    static QTreeWidgetItem* NodeFromIndex(QTreeWidget* tree, int index);
    static int IndexOfNode(QTreeWidget* tree, const QTreeWidgetItem* node);

protected:
    void Execute() override;

private:
    void Scan();
    void UpdateNode(int i, const FinalDataStruct& heading);
    bool HasChildren(int i) const;
    void RenameNode(int i, const FinalDataStruct& heading);
    void DeleteChildren(int i);
    void DeleteNode(int i);
    void InsertNode(int i, const FinalDataStruct& heading);
    void AddRootNode(const FinalDataStruct& heading);
    void AddChildNode(int parent, int at, const FinalDataStruct& heading);
    void SelectCaretNode();
    QTreeWidget* Tree() const;

    TForm1* owner_;
    std::string text;
    int count = 0;
    int nodeIndex = 0;
    std::string nodeText;
    int nodeKind = 0;

    mutable std::mutex mirrorMutex_;
    std::vector<FinalDataStruct> mirror;
    int passes_ = 0;
};
