// The outline pane's background thread.
#include "core/outline/Outline.h"

#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "core/session/Session.h"
#include "platform/Cp932.h"

TDocumentExplorer::TDocumentExplorer(bool createSuspended, Session* owner)
    : TThread(createSuspended), owner_(owner)
{
}

QTreeWidget* TDocumentExplorer::Tree() const { return owner_ ? owner_->TreeView : nullptr; }

void TDocumentExplorer::SetText(std::string_view next)
{
    text.assign(next);
}

QTreeWidgetItem* TDocumentExplorer::NodeFromIndex(QTreeWidget* tree, int index)
{
    if (!tree || index < 0) return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (index-- == 0) return *it;
    return nullptr;
}

int TDocumentExplorer::IndexOfNode(QTreeWidget* tree, const QTreeWidgetItem* node)
{
    if (!tree || !node) return -1;
    int index = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++index)
        if (*it == node) return index;
    return -1;
}

int TDocumentExplorer::GetStart(int i) const
{
    FinalDataStruct e;
    return GetEntry(i, e) ? e.start : -1;
}
int TDocumentExplorer::GetBracePos(int i) const
{
    FinalDataStruct e;
    return GetEntry(i, e) ? e.bracePos : -1;
}
int TDocumentExplorer::GetClosePos(int i) const
{
    FinalDataStruct e;
    return GetEntry(i, e) ? e.closePos : -1;
}
int TDocumentExplorer::GetDepth(int i) const
{
    FinalDataStruct e;
    return GetEntry(i, e) ? e.depth : -1;
}
int TDocumentExplorer::GetLastIndex() const { return int(mirror.size()) - 1; }
bool TDocumentExplorer::GetEntry(int i, FinalDataStruct& entry) const
{
    if (i < 0 || i >= int(mirror.size())) return false;
    entry = mirror[size_t(i)];
    return true;
}
std::vector<FinalDataStruct> TDocumentExplorer::MirrorSnapshot() const { return mirror; }
int TDocumentExplorer::PassCount() const { return passes_; }

void TDocumentExplorer::Execute()
{
    while (!Terminated()) {
        Scan();
        // The copy is not kept between passes: a second copy of a long
        // document would stay resident for as long as nobody types.
        std::string().swap(text);
        Suspend();
    }
}

void TDocumentExplorer::Scan()
{
    bool stopped = false;
    bool complete = true;
    const std::vector<FinalDataStruct> headings = outline::ScanHeadings(
        text, [this] { return Terminated(); }, &stopped, &complete);
    if (stopped || Terminated()) return;
    // The one round trip of the pass.
    Synchronize([&] { Apply(headings, complete); });
}

void TDocumentExplorer::Apply(const std::vector<FinalDataStruct>& headings, bool complete)
{
    // Stopping at shutdown: the tree is left as it is.
    if (Terminated()) return;
    nodes_.clear();
    if (QTreeWidget* tree = Tree())
        for (QTreeWidgetItemIterator it(tree); *it; ++it) nodes_.push_back(*it);
    // Only this pass changes the tree; should it ever disagree, the missing
    // nodes are simply not touched.
    nodes_.resize(mirror.size(), nullptr);
    const int count = int(headings.size());
    for (int i = 0; i < count; ++i) UpdateNode(i, headings[size_t(i)]);
    while (int(mirror.size()) > count) DeleteNode(int(mirror.size()) - 1);
    if (owner_) outline::ShowLimitNotice(*owner_, complete, count);
    SelectCaretNode();
    nodes_.clear();
    ++passes_;
}

bool TDocumentExplorer::HasChildren(int i) const
{
    return i + 1 < int(mirror.size()) && mirror[i + 1].depth > mirror[i].depth;
}

void TDocumentExplorer::UpdateNode(int i, const FinalDataStruct& heading)
{
    for (;;) {
        if (i < int(mirror.size()) && mirror[i].depth == heading.depth) {
            if (mirror[i].title == heading.title && mirror[i].kind == heading.kind)
                mirror[i] = heading;
            else
                RenameNode(i, heading);
            return;
        }
        if (i < int(mirror.size()) && mirror[i].depth > heading.depth) {
            if (HasChildren(i)) DeleteChildren(i);
            DeleteNode(i);
            continue;  // the next old node now has index i
        }
        InsertNode(i, heading);
        return;
    }
}

namespace {
// Sets a node's label and images; the tree's own signals are quiet, so no
// handler takes the pass's change for the user's.
void describeNode(Session* form, QTreeWidgetItem* node, const std::string& title, int kind)
{
    node->setText(0, cp932::decode(title));
    node->setData(0, Qt::UserRole, kind);
    if (form) node->setIcon(0, form->OutlineImage(kind));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
}

bool holds(const QTreeWidgetItem* node, const QTreeWidgetItem* inner)
{
    for (const QTreeWidgetItem* p = inner; p; p = p->parent())
        if (p == node) return true;
    return false;
}

// A node about to be deleted may be the one the user started to drag.
void forgetDragNode(Session* form, const QTreeWidgetItem* node, bool childrenOnly)
{
    if (!form || !form->DragNode) return;
    if (childrenOnly ? (form->DragNode != node && holds(node, form->DragNode)) : holds(node, form->DragNode))
        form->DragNode = nullptr;
}
}  // namespace

void TDocumentExplorer::RenameNode(int i, const FinalDataStruct& heading)
{
    if (QTreeWidgetItem* node = nodes_[size_t(i)]) {
        const QSignalBlocker quiet(Tree());
        describeNode(owner_, node, heading.title, heading.kind);
    }
    mirror[size_t(i)] = heading;
}

void TDocumentExplorer::DeleteChildren(int i)
{
    if (QTreeWidgetItem* node = nodes_[size_t(i)]) {
        const QSignalBlocker quiet(Tree());
        forgetDragNode(owner_, node, true);
        qDeleteAll(node->takeChildren());
    }
    int end = i + 1;
    while (end < int(mirror.size()) && mirror[size_t(end)].depth > mirror[size_t(i)].depth) ++end;
    mirror.erase(mirror.begin() + i + 1, mirror.begin() + end);
    nodes_.erase(nodes_.begin() + i + 1, nodes_.begin() + end);
}

void TDocumentExplorer::DeleteNode(int i)
{
    if (QTreeWidgetItem* node = nodes_[size_t(i)]) {
        const QSignalBlocker quiet(Tree());
        forgetDragNode(owner_, node, false);
        delete node;
    }
    mirror.erase(mirror.begin() + i);
    nodes_.erase(nodes_.begin() + i);
}

void TDocumentExplorer::InsertNode(int i, const FinalDataStruct& heading)
{
    if (int(mirror.size()) >= outline::kMaxHeadings) return;
    if (heading.depth > 0) {
        for (int parent = std::min(i, int(mirror.size())) - 1; parent >= 0; --parent) {
            if (mirror[size_t(parent)].depth == heading.depth - 1) {
                int at = parent + 1;
                while (at < int(mirror.size()) && mirror[size_t(at)].depth > mirror[size_t(parent)].depth) ++at;
                AddChildNode(parent, at, heading);
                return;
            }
        }
    }
    AddRootNode(heading);
}

void TDocumentExplorer::AddRootNode(const FinalDataStruct& heading)
{
    QTreeWidgetItem* node = nullptr;
    if (QTreeWidget* tree = Tree()) {
        const QSignalBlocker quiet(tree);
        node = new QTreeWidgetItem(tree);
        describeNode(owner_, node, heading.title, heading.kind);
    }
    mirror.push_back(heading);
    nodes_.push_back(node);
}

void TDocumentExplorer::AddChildNode(int parent, int at, const FinalDataStruct& heading)
{
    QTreeWidgetItem* node = nullptr;
    if (QTreeWidgetItem* above = nodes_[size_t(parent)]) {
        const QSignalBlocker quiet(Tree());
        node = new QTreeWidgetItem(above);
        describeNode(owner_, node, heading.title, heading.kind);
        above->setExpanded(true);
    }
    mirror.insert(mirror.begin() + at, heading);
    nodes_.insert(nodes_.begin() + at, node);
}

void TDocumentExplorer::SelectCaretNode()
{
    QTreeWidget* tree = Tree();
    if (!tree || !owner_->RichEdit) return;
    const int caret = owner_->RichEdit->SelStart();
    int found = -1;
    for (int i = 0; i < int(mirror.size()); ++i)
        if (mirror[size_t(i)].start <= caret) found = i;
    const QSignalBlocker quiet(tree);
    if (QTreeWidgetItem* node = found >= 0 ? nodes_[size_t(found)] : nullptr) {
        tree->setCurrentItem(node);
        tree->scrollToItem(node);
    } else {
        tree->clearSelection();
        tree->setCurrentItem(nullptr);
    }
}
