// The outline pane: the thread's start and stop, and what the user does in
// the tree (click to jump, edit a title, drag a section elsewhere).
#include <QApplication>
#include <QBoxLayout>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

#include "core/session/Session.h"
#include "core/commands/ResidentForms.h"
#include "core/insertion/Writable.h"
#include "core/outline/Outline.h"
#include "platform/Cp932.h"

namespace {

const char kOutlineDragFormat[] = "application/x-quillmark-outline-node";

// Feeds the tree viewport's mouse and drag events to the main window's
// handlers.
class TreeViewEvents : public QObject {
public:
    TreeViewEvents(Session* form, QObject* parent) : QObject(parent), form_(form) { setObjectName(kWindowHookName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* e = static_cast<QMouseEvent*>(event);
                form_->Guard([&] { form_->TreeViewMouseDown(e->button(), e->position().toPoint()); });
                break;
            }
            case QEvent::MouseMove: {
                auto* e = static_cast<QMouseEvent*>(event);
                form_->Guard([&] { form_->TreeViewMouseMove(e->position().toPoint()); });
                break;
            }
            case QEvent::MouseButtonRelease: {
                auto* e = static_cast<QMouseEvent*>(event);
                form_->Guard([&] { form_->TreeViewMouseUp(e->button()); });
                break;
            }
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* e = static_cast<QDragMoveEvent*>(event);
                if (form_->TreeViewDragOver(e->source()))
                    e->acceptProposedAction();
                else
                    e->ignore();
                return true;
            }
            case QEvent::Drop: {
                auto* e = static_cast<QDropEvent*>(event);
                if (!form_->TreeViewDragOver(e->source())) return true;
                e->acceptProposedAction();
                // Acted on at once: a pass may delete the node under the drop
                // point as soon as the drag's own event loop serves it.
                QTreeWidgetItem* target = form_->TreeView->itemAt(e->position().toPoint());
                form_->Guard([&] { form_->TreeViewDragDrop(e->source(), target); });
                return true;
            }
            default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Session* form_;
};

// The node images: a letter per kind, inverted while selected.
QPixmap nodeImage(int kind, bool selected)
{
    static const char* const letters[] = {"P", "C", "S", "s", "3", "4", "5"};
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QColor ink = QColor::fromHsv(kind * 40, 160, 140);
    painter.setPen(ink);
    painter.setBrush(selected ? ink : QColor(Qt::white));
    painter.drawRect(1, 1, 13, 13);
    painter.setPen(selected ? QColor(Qt::white) : ink);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, letters[kind]);
    return image;
}

// The text at a mirror entry must still be that heading, or the tree is
// behind an edit and its positions must not be used to change the text.
bool headingStillAt(const std::string& text, const FinalDataStruct& h)
{
    const std::string_view command = outline::kOutlineCommands[h.kind];
    if (h.start < 0 || h.closePos >= int(text.size()) || h.bracePos <= h.start || h.closePos <= h.bracePos)
        return false;
    return text.compare(h.start, command.size(), command) == 0 && text[h.bracePos] == '{' && text[h.closePos] == '}' &&
           text.compare(h.bracePos + 1, h.closePos - h.bracePos - 1, h.title) == 0;
}

}  // namespace

QIcon Session::OutlineImage(int kind) const
{
    static const std::vector<QIcon> icons = [] {
        std::vector<QIcon> list;
        for (int k = 0; k < int(outline::kOutlineCommands.size()); ++k) {
            QIcon icon(nodeImage(k, false));
            icon.addPixmap(nodeImage(k, true), QIcon::Selected);
            list.push_back(icon);
        }
        return list;
    }();
    return kind >= 0 && kind < int(icons.size()) ? icons[kind] : QIcon();
}

void Session::CreateExplorer()
{
    TreeView->setIndentation(19);
    TreeView->setFocusPolicy(Qt::ClickFocus);
    QFont font(QString::fromUtf8("ＭＳ ゴシック"));
    font.setPixelSize(11);
    TreeView->setFont(font);
    TreeView->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    TreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView->viewport()->setAcceptDrops(true);
    if (auto* pane = qobject_cast<QBoxLayout*>(PanelDocumentExplorer->layout())) {
        auto* notice = new QLabel(PanelDocumentExplorer);
        notice->setObjectName("LabelOutlineLimit");
        notice->setWordWrap(true);
        notice->hide();
        pane->addWidget(notice);
    }
    TreeView->viewport()->installEventFilter(new TreeViewEvents(this, TreeView));
    QObject::connect(TreeView, &QTreeWidget::itemClicked, mainWindow, [this] { Guard([this] { TreeViewClick(); }); });
    QObject::connect(TreeView, &QTreeWidget::itemChanged, mainWindow,
            [this](QTreeWidgetItem* node, int) { Guard([&] { TreeViewEdited(node, node->text(0)); }); });

    // The pane may be dragged shut: it is hidden then and keeps the width it
    // had for when it is shown again.
    Splitter1->setCollapsible(0, true);
    QObject::connect(Splitter1, &QSplitter::splitterMoved, mainWindow, [this](int, int) {
        Guard([this] {
            const QList<int> sizes = Splitter1->sizes();
            if (sizes.isEmpty() || sizes.front() > 0 || PanelDocumentExplorer->isHidden()) return;
            PanelDocumentExplorer->hide();
            SetDocuExpWidth(DocuExpWidth());
        });
    });

    OnTimerTreeView = [this] { TimerTreeViewTimer(); };
    DocumentExplorer = new TDocumentExplorer(true, this);
    DocumentExplorer->SetPriority(TThreadPriority::tpLower);
}

void outline::ShowLimitNotice(Session& form, bool complete, int shown)
{
    if (!form.PanelDocumentExplorer) return;
    auto* notice = form.PanelDocumentExplorer->findChild<QLabel*>("LabelOutlineLimit");
    if (!notice) return;
    if (!complete)
        notice->setText(QString::fromUtf8("見出しが多いため、最初の %1 個だけを表示しています。").arg(shown));
    notice->setVisible(!complete);
}

void Session::StopExplorer()
{
    if (!DocumentExplorer) return;
    if (TimerTreeView) TimerTreeView->stop();
    DocumentExplorer->SetPriority(TThreadPriority::tpTimeCritical);
    DocumentExplorer->Terminate();
    // Once told to terminate the thread never suspends again, so one resume
    // is enough; WaitFor serves the calls it still makes into this thread.
    DocumentExplorer->Resume();
    DocumentExplorer->WaitFor();
    delete DocumentExplorer;
    DocumentExplorer = nullptr;
}

namespace {
// Starts a pass over the text as it is now, so the thread never has to come
// back for it; the thread must be suspended.
void startPass(Session& s)
{
    s.DocumentExplorer->SetText(s.RichEdit ? std::string_view(s.RichEdit->Document().text()) : std::string_view());
    s.DocumentExplorer->Resume();
    outline::PassPacing& pacing = s.part<outline::PassPacing>();
    pacing.startedThisTick = true;
    pacing.requested = false;
    // The pass has the text as it is now; the timer need not run another.
    s.TextChanged = false;
}
}  // namespace

void Session::ResumeExplorer()
{
    if (!DocumentExplorer) return;
    outline::PassPacing& pacing = part<outline::PassPacing>();
    // A pass already started in this tick, or still running: the next tick
    // starts the one asked for now.
    if (pacing.startedThisTick || !DocumentExplorer->Suspended()) {
        pacing.requested = true;
        return;
    }
    startPass(*this);
}

void Session::TimerTreeViewTimer()
{
    outline::PassPacing& pacing = part<outline::PassPacing>();
    pacing.startedThisTick = false;
    if (!DocumentExplorer) return;
    const bool changed = TextChanged && !PanelDocumentExplorer->isHidden();
    if (!changed && !pacing.requested) return;
    // A change or a request made while a pass runs stays pending until the
    // thread can take it; dropping it now would leave the tree behind the
    // text.
    if (!DocumentExplorer->Suspended()) return;
    startPass(*this);
}

void Session::ScrollCaretLineToTop()
{
    RichEdit->LineScroll(RichEdit->LineFromChar(RichEdit->SelStart()) - RichEdit->FirstVisibleLine());
}

void Session::TreeViewClick()
{
    if (!DocumentExplorer) return;
    QTreeWidgetItem* node = TreeView->currentItem();
    if (!node || !node->isSelected()) return;
    const int index = TDocumentExplorer::IndexOfNode(TreeView, node);
    FinalDataStruct h;
    if (!DocumentExplorer->GetEntry(index, h)) return;
    const std::string text = RichEdit->Text();
    if (!headingStillAt(text, h)) {
        // The tree is behind an edit.  The node's heading is looked up in
        // the text as it is now, by its place among the headings (the tree's
        // order is the text's), its kind and its title; when that is no
        // longer the same heading nothing is selected.
        const std::vector<FinalDataStruct> now = outline::ScanHeadings(text);
        if (index < 0 || index >= int(now.size()) || now[size_t(index)].kind != h.kind ||
            now[size_t(index)].title != h.title)
            return;
        h = now[size_t(index)];
    }
    RichEdit->Select(h.start, h.closePos - h.start + 1);
    RichEdit->LineScroll(RichEdit->LineFromChar(h.start) - RichEdit->FirstVisibleLine());
}

void Session::TreeViewEdited(QTreeWidgetItem* node, const QString& label)
{
    if (!DocumentExplorer) return;
    FinalDataStruct h;
    if (!DocumentExplorer->GetEntry(TDocumentExplorer::IndexOfNode(TreeView, node), h)) return;
    // The tree behind the text, or a title the document cannot take: the
    // label goes back to what the mirror holds, or a pass that finds the
    // title unchanged would leave the refused label standing.
    const bool behind = !headingStillAt(RichEdit->Text(), h);
    if (behind || !writable::writableOrWarn(label, QString::fromUtf8("見出しの変更"),
                                            QString::fromUtf8("その文字を直すか消して下さい。"))) {
        const QSignalBlocker quiet(TreeView);
        node->setText(0, cp932::decode(h.title));
        return;
    }
    RichEdit->Select(h.bracePos + 1, h.closePos - h.bracePos - 1);
    RichEdit->SetSelText("");
    RichEdit->SetSelText(cp932::encode(label));
}

void Session::TreeViewMouseDown(Qt::MouseButton button, const QPoint& at)
{
    if (button != Qt::LeftButton) return;
    DragNode = TreeView->itemAt(at);
    DragPressed = true;
    DragStartX = at.x();
    DragStartY = at.y();
}

void Session::TreeViewMouseUp(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) DragPressed = false;
}

void Session::TreeViewMouseMove(const QPoint& at)
{
    if (!DragPressed || !DragNode) return;
    if (std::abs(at.x() - DragStartX) + std::abs(at.y() - DragStartY) <= 10) return;
    DragPressed = false;
    auto* drag = new QDrag(TreeView);
    auto* data = new QMimeData;
    data->setData(kOutlineDragFormat, QByteArray());
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

bool Session::TreeViewDragOver(const QObject* source) const
{
    return source && qobject_cast<const QTreeWidget*>(source) != nullptr;
}

void Session::TreeViewDragDrop(const QObject* source, QTreeWidgetItem* target)
{
    if (!DocumentExplorer || !TreeViewDragOver(source) || !DragNode || !target || target == DragNode) return;
    const std::vector<FinalDataStruct> mirror = DocumentExplorer->MirrorSnapshot();
    const int s = TDocumentExplorer::IndexOfNode(TreeView, DragNode);
    const int t = TDocumentExplorer::IndexOfNode(TreeView, target);
    if (s < 0 || t < 0 || s >= int(mirror.size()) || t >= int(mirror.size())) return;

    const std::string text = RichEdit->Text();
    if (!headingStillAt(text, mirror[s]) || !headingStillAt(text, mirror[t])) return;
    const int S = mirror[s].start;
    int E = int(text.size());
    for (int j = s + 1; j < int(mirror.size()); ++j) {
        if (mirror[j].depth <= mirror[s].depth) {
            E = mirror[j].start;
            break;
        }
    }
    const int T = mirror[t].start;
    // A section cannot move into itself.
    if (T > S && T < E) return;
    const int length = E - S;
    // The part always ends with a line break, so that the heading it goes
    // in front of still starts its line (the document's last part may have
    // none).
    std::string section = text.substr(S, E - S);
    if (section.empty() || section.back() != '\n') section += "\r\n";
    const int copied = int(section.size());

    // The copy goes in first: nothing is deleted unless it went in.
    RichEdit->Select(T, 0);
    if (!RichEdit->SetSelText(section)) return;
    ColorizeLines(T, T + copied);
    const int old = T < S ? S + copied : S;
    RichEdit->Select(old, length);
    RichEdit->SetSelText("");
    RichEdit->SetSelStart(T < S ? T : T - length);
    ScrollCaretLineToTop();
}
