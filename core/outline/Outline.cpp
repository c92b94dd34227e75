// The outline pane's background thread.
#include "core/outline/Outline.h"

#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/Form1.h"
#include "platform/Cp932.h"

TDocumentExplorer::TDocumentExplorer(bool createSuspended, TForm1* owner)
    : TThread(createSuspended), owner_(owner ? owner : Form1) {}

QTreeWidget* TDocumentExplorer::Tree() const { return owner_ ? owner_->TreeView : nullptr; }

QTreeWidgetItem* TDocumentExplorer::NodeFromIndex(QTreeWidget* tree, int index) {
    if (!tree || index < 0) return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (index-- == 0) return *it;
    return nullptr;
}

int TDocumentExplorer::IndexOfNode(QTreeWidget* tree, const QTreeWidgetItem* node) {
    if (!tree || !node) return -1;
    int index = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++index)
        if (*it == node) return index;
    return -1;
}

int TDocumentExplorer::GetStart(int i) const {
    FinalDataStruct e;
    return GetEntry(i, e) ? e.start : -1;
}
int TDocumentExplorer::GetBracePos(int i) const {
    FinalDataStruct e;
    return GetEntry(i, e) ? e.bracePos : -1;
}
int TDocumentExplorer::GetClosePos(int i) const {
    FinalDataStruct e;
    return GetEntry(i, e) ? e.closePos : -1;
}
int TDocumentExplorer::GetDepth(int i) const {
    FinalDataStruct e;
    return GetEntry(i, e) ? e.depth : -1;
}
int TDocumentExplorer::GetLastIndex() const {
    std::lock_guard lock(mirrorMutex_);
    return int(mirror.size()) - 1;
}
bool TDocumentExplorer::GetEntry(int i, FinalDataStruct& entry) const {
    std::lock_guard lock(mirrorMutex_);
    if (i < 0 || i >= int(mirror.size())) return false;
    entry = mirror[i];
    return true;
}
std::vector<FinalDataStruct> TDocumentExplorer::MirrorSnapshot() const {
    std::lock_guard lock(mirrorMutex_);
    return mirror;
}
int TDocumentExplorer::PassCount() const {
    std::lock_guard lock(mirrorMutex_);
    return passes_;
}

void TDocumentExplorer::Execute() {
    {
        std::lock_guard lock(mirrorMutex_);
        mirror.clear();
        mirror.reserve(outline::kMaxHeadings);
    }
    while (!Terminated()) {
        Scan();
        Suspend();
    }
    std::lock_guard lock(mirrorMutex_);
    mirror.clear();
    mirror.shrink_to_fit();
}

void TDocumentExplorer::Scan() {
    Synchronize([this] { text = owner_ && owner_->RichEdit ? owner_->RichEdit->Text() : std::string(); });
    count = 0;
    bool stopped = false;
    const std::vector<FinalDataStruct> headings =
        outline::ScanHeadings(text, [this] { return Terminated(); }, &stopped);
    if (stopped || Terminated()) return;
    count = int(headings.size());
    for (int i = 0; i < count; ++i) UpdateNode(i, headings[i]);
    // Only the worker changes the mirror's length, so reading it unlocked
    // here is safe.
    while (!Terminated() && int(mirror.size()) > count) DeleteNode(int(mirror.size()) - 1);
    if (Terminated()) return;
    SelectCaretNode();
    std::lock_guard lock(mirrorMutex_);
    ++passes_;
}

bool TDocumentExplorer::HasChildren(int i) const {
    return i + 1 < int(mirror.size()) && mirror[i + 1].depth > mirror[i].depth;
}

void TDocumentExplorer::UpdateNode(int i, const FinalDataStruct& heading) {
    for (;;) {
        if (Terminated()) return;
        if (i < int(mirror.size()) && mirror[i].depth == heading.depth) {
            if (mirror[i].title == heading.title && mirror[i].kind == heading.kind) {
                std::lock_guard lock(mirrorMutex_);
                mirror[i] = heading;
            } else {
                RenameNode(i, heading);
            }
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
// handler takes the worker's change for the user's.
void describeNode(TForm1* form, QTreeWidgetItem* node, const std::string& title, int kind) {
    node->setText(0, cp932::decode(title));
    node->setData(0, Qt::UserRole, kind);
    if (form) node->setIcon(0, form->OutlineImage(kind));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
}

bool holds(const QTreeWidgetItem* node, const QTreeWidgetItem* inner) {
    for (const QTreeWidgetItem* p = inner; p; p = p->parent())
        if (p == node) return true;
    return false;
}

// A node about to be deleted may be the one the user started to drag.
void forgetDragNode(TForm1* form, const QTreeWidgetItem* node, bool childrenOnly) {
    if (!form || !form->DragNode) return;
    if (childrenOnly ? (form->DragNode != node && holds(node, form->DragNode)) : holds(node, form->DragNode))
        form->DragNode = nullptr;
}
}  // namespace

void TDocumentExplorer::RenameNode(int i, const FinalDataStruct& heading) {
    nodeIndex = i;
    nodeText = heading.title;
    nodeKind = heading.kind;
    Synchronize([&] {
        if (QTreeWidget* tree = Tree()) {
            const QSignalBlocker quiet(tree);
            if (QTreeWidgetItem* node = NodeFromIndex(tree, nodeIndex)) describeNode(owner_, node, nodeText, nodeKind);
        }
        std::lock_guard lock(mirrorMutex_);
        mirror[i] = heading;
    });
}

void TDocumentExplorer::DeleteChildren(int i) {
    nodeIndex = i;
    Synchronize([&] {
        if (QTreeWidget* tree = Tree()) {
            const QSignalBlocker quiet(tree);
            if (QTreeWidgetItem* node = NodeFromIndex(tree, nodeIndex)) {
                forgetDragNode(owner_, node, true);
                qDeleteAll(node->takeChildren());
            }
        }
        std::lock_guard lock(mirrorMutex_);
        int end = i + 1;
        while (end < int(mirror.size()) && mirror[end].depth > mirror[i].depth) ++end;
        mirror.erase(mirror.begin() + i + 1, mirror.begin() + end);
    });
}

void TDocumentExplorer::DeleteNode(int i) {
    nodeIndex = i;
    Synchronize([&] {
        if (QTreeWidget* tree = Tree()) {
            const QSignalBlocker quiet(tree);
            if (QTreeWidgetItem* node = NodeFromIndex(tree, nodeIndex)) {
                forgetDragNode(owner_, node, false);
                delete node;
            }
        }
        std::lock_guard lock(mirrorMutex_);
        mirror.erase(mirror.begin() + i);
    });
}

void TDocumentExplorer::InsertNode(int i, const FinalDataStruct& heading) {
    if (int(mirror.size()) >= outline::kMaxHeadings) return;
    if (heading.depth > 0) {
        for (int parent = std::min(i, int(mirror.size())) - 1; parent >= 0; --parent) {
            if (mirror[parent].depth == heading.depth - 1) {
                int at = parent + 1;
                while (at < int(mirror.size()) && mirror[at].depth > mirror[parent].depth) ++at;
                AddChildNode(parent, at, heading);
                return;
            }
        }
    }
    AddRootNode(heading);
}

void TDocumentExplorer::AddRootNode(const FinalDataStruct& heading) {
    nodeText = heading.title;
    nodeKind = heading.kind;
    Synchronize([&] {
        if (QTreeWidget* tree = Tree()) {
            const QSignalBlocker quiet(tree);
            describeNode(owner_, new QTreeWidgetItem(tree), nodeText, nodeKind);
        }
        std::lock_guard lock(mirrorMutex_);
        mirror.push_back(heading);
    });
}

void TDocumentExplorer::AddChildNode(int parent, int at, const FinalDataStruct& heading) {
    nodeIndex = parent;
    nodeText = heading.title;
    nodeKind = heading.kind;
    Synchronize([&] {
        if (QTreeWidget* tree = Tree()) {
            const QSignalBlocker quiet(tree);
            if (QTreeWidgetItem* node = NodeFromIndex(tree, nodeIndex)) {
                describeNode(owner_, new QTreeWidgetItem(node), nodeText, nodeKind);
                node->setExpanded(true);
            }
        }
        std::lock_guard lock(mirrorMutex_);
        mirror.insert(mirror.begin() + at, heading);
    });
}

void TDocumentExplorer::SelectCaretNode() {
    Synchronize([this] {
        QTreeWidget* tree = Tree();
        if (!tree || !owner_->RichEdit) return;
        const int caret = owner_->RichEdit->SelStart();
        int found = -1;
        {
            std::lock_guard lock(mirrorMutex_);
            for (int i = 0; i < int(mirror.size()); ++i)
                if (mirror[i].start <= caret) found = i;
        }
        const QSignalBlocker quiet(tree);
        if (QTreeWidgetItem* node = NodeFromIndex(tree, found)) {
            tree->setCurrentItem(node);
            tree->scrollToItem(node);
        } else {
            tree->clearSelection();
            tree->setCurrentItem(nullptr);
        }
    });
}
