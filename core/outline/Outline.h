#pragma once
// The outline pane's background thread.  Each pass scans a text the main
// thread handed over when it resumed the thread, so the worker never reads
// the editor; its whole heading list then goes back to the main thread in a
// single synchronised call, which brings the tree in line with it node by
// node (expanded nodes and the selection survive) and selects the heading
// that holds the caret.
//
// The mirror describes the tree's nodes in absolute (depth-first) order.  It
// belongs to the main thread: only that one synchronised call changes it, so
// the pane's handlers never see it half-changed.
#include <string>
#include <string_view>
#include <vector>

#include "core/outline/OutlineScan.h"
#include "platform/Thread.h"

class QTreeWidget;
class QTreeWidgetItem;
class Session;

namespace outline {
// When passes start, a part of the session.  Key and mouse events ask for a
// pass: the first one in a timer tick starts it at once, later ones leave a
// request that the next tick serves, so a single key is answered at once and
// a burst of typing costs one pass a tick.
struct PassPacing {
    bool startedThisTick = false;  // a pass started since the last tick
    bool requested = false;        // an event asked for a pass not yet started
};

// The line under the tree that says the document has more headings than
// the pane shows; hidden while the pane shows them all.
void ShowLimitNotice(Session& form, bool complete, int shown);
}  // namespace outline

class TDocumentExplorer : public TThread {
public:
    explicit TDocumentExplorer(bool createSuspended, Session* owner = nullptr);

    // Main thread, while the thread is suspended: the text the next pass
    // scans.  The pass lets go of it when it is done.
    void SetText(std::string_view text);

    // Main-thread readers of the mirror.  An index outside the mirror
    // answers -1.
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
    // The main thread's half of a pass.
    void Apply(const std::vector<FinalDataStruct>& headings, bool complete);
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

    Session* owner_;
    // The text of the next or current pass: written by the main thread
    // only while the thread is suspended, read by the pass.
    std::string text;

    std::vector<FinalDataStruct> mirror;
    // The tree's nodes in the mirror's order, valid while a pass is applied.
    std::vector<QTreeWidgetItem*> nodes_;
    int passes_ = 0;
};
