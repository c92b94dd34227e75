// The main window's components and the View menu that shows and hides them.
#include "app/Form1.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Ask.h"

namespace {
constexpr int kToolBarHeight = 28;
constexpr int kExplorerHeaderHeight = 12;

// A tool bar keeps its height whether it holds buttons or not; the bar's own
// layout would otherwise shrink an empty one.
class FixedHeightToolBar : public QToolBar {
public:
    using QToolBar::QToolBar;
    QSize sizeHint() const override { return {QToolBar::sizeHint().width(), kToolBarHeight}; }
    QSize minimumSizeHint() const override { return {QToolBar::minimumSizeHint().width(), kToolBarHeight}; }
};

QToolBar* makeToolBar(QWidget* parent, const char* name)
{
    auto* bar = new FixedHeightToolBar(parent);
    bar->setObjectName(name);
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    bar->setMaximumHeight(kToolBarHeight);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return bar;
}

// The hint panel's place in the status bar: it takes the width the bar has
// left, and the panel inside keeps a fixed size, cut to that width, so that
// a new hint repaints the panel alone and never lays the bar out again.
class HintPanelHolder : public QWidget {
public:
    HintPanelHolder(QWidget* parent, int width, int height) : QWidget(parent), width_(width), height_(height)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setFixedHeight(height);
    }
    void hold(QWidget* panel)
    {
        panel_ = panel;
        fit();
    }
    QSize sizeHint() const override { return {width_, height_}; }

protected:
    void resizeEvent(QResizeEvent*) override { fit(); }

private:
    void fit()
    {
        if (panel_) panel_->setFixedSize(std::clamp(width(), 1, width_), height_);
    }
    int width_, height_;
    QWidget* panel_ = nullptr;
};

struct PanelLayout {
    int width;
    Qt::Alignment alignment;
};
// Caret line and column, modified mark, "挿入", hints.
constexpr PanelLayout kStatusPanels[4] = {
    {60, Qt::AlignCenter},
    {70, Qt::AlignCenter},
    {50, Qt::AlignCenter},
    {500, Qt::AlignLeft | Qt::AlignVCenter},
};
}  // namespace

void TForm1::BuildMainWindow()
{
    setObjectName("Form1");
    resize(875, 600);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The three tool bars stand from the top of Panel2 in this order; a
    // hidden one leaves no gap.
    Panel2 = new QWidget(central);
    Panel2->setObjectName("Panel2");
    // The wide TeX bars do not widen the window: below their width they are
    // cut off at the right, and only the panel's own minimum counts.
    Panel2->setMinimumWidth(630);
    Panel2->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* bars = new QVBoxLayout(Panel2);
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    bars->setSizeConstraint(QLayout::SetNoConstraint);
    ToolBarFile = makeToolBar(Panel2, "ToolBarFile");
    ToolBarTeXShosiki = makeToolBar(Panel2, "ToolBarTeXShosiki");
    ToolBarTeXMath = makeToolBar(Panel2, "ToolBarTeXMath");
    for (QToolBar* bar : {ToolBarFile, ToolBarTeXShosiki, ToolBarTeXMath}) commands.setToolBar(bar->objectName(), bar);
    bars->addWidget(ToolBarFile);
    bars->addWidget(ToolBarTeXShosiki, 0, Qt::AlignLeft);
    bars->addWidget(ToolBarTeXMath, 0, Qt::AlignLeft);
    column->addWidget(Panel2);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);

    PanelDocumentExplorer = new QWidget(Splitter1);
    PanelDocumentExplorer->setObjectName("PanelDocumentExplorer");
    PanelDocumentExplorer->setMinimumWidth(30);
    auto* pane = new QVBoxLayout(PanelDocumentExplorer);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(0);
    auto* header = new QWidget(PanelDocumentExplorer);
    header->setFixedHeight(kExplorerHeaderHeight);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    headerRow->addStretch(1);
    SpeedButtonExplorerClose = new QToolButton(header);
    SpeedButtonExplorerClose->setObjectName("SpeedButtonExplorerClose");
    SpeedButtonExplorerClose->setText("X");
    SpeedButtonExplorerClose->setAutoRaise(true);
    SpeedButtonExplorerClose->setFixedSize(kExplorerHeaderHeight + 2, kExplorerHeaderHeight);
    QFont small = SpeedButtonExplorerClose->font();
    small.setPixelSize(9);
    SpeedButtonExplorerClose->setFont(small);
    headerRow->addWidget(SpeedButtonExplorerClose);
    pane->addWidget(header);
    TreeView = new QTreeWidget(PanelDocumentExplorer);
    TreeView->setObjectName("TreeView");
    TreeView->setHeaderHidden(true);
    pane->addWidget(TreeView, 1);
    ask::onClick(SpeedButtonExplorerClose, this, [this] { MenuViewDocExplrClick(); });

    RichEdit = new TRichEdit(Splitter1);
    RichEdit->setObjectName("RichEdit");
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Splitter1->addWidget(PanelDocumentExplorer);
    Splitter1->addWidget(RichEdit);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this](int, int) {
        Guard([this] {
            const QList<int> sizes = Splitter1->sizes();
            if (!sizes.isEmpty() && sizes.front() > 0) docuExpWidth_ = sizes.front();
        });
    });
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);
    SetDocuExpWidth(130);

    PopupMenu1 = new QMenu(this);
    commands.setMenu("PopupMenu1", PopupMenu1);
    PopupMenu1->setObjectName("PopupMenu1");
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { Guard([this] { PopupMenu1Popup(); }); });
    connect(RichEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        Guard([&] {
            if (!PopupMenu1->isEmpty()) PopupMenu1->popup(RichEdit->viewport()->mapToGlobal(at));
        });
    });
    WireEditor();

    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar");
    bar->setSizeGripEnabled(true);
    // The caret panel changes on every key and caret move.  Each panel is of
    // a fixed size and paints its own background, so that a new text
    // repaints that panel alone: no layout of the bar, no bar or window
    // background behind it.
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel;
        panel->setAlignment(kStatusPanels[i].alignment);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAutoFillBackground(true);
        const int height = panel->sizeHint().height();
        if (i < 3) {
            panel->setParent(bar);
            panel->setFixedSize(kStatusPanels[i].width, height);
            bar->addWidget(panel);
        } else {
            // The hint panel is cut off rather than keep the window wide.
            auto* holder = new HintPanelHolder(bar, kStatusPanels[i].width, height);
            panel->setParent(holder);
            holder->hold(panel);
            bar->addWidget(holder, 1);
        }
        StatusPanels[i] = panel;
    }
    setStatusBar(bar);
    StatusBar = bar;

    TimerTreeView = new QTimer(this);
    TimerTreeView->setObjectName("TimerTreeView");
    TimerTreeView->setInterval(100);
    connect(TimerTreeView, &QTimer::timeout, this, [this] {
        if (OnTimerTreeView) Guard(OnTimerTreeView);
    });
}

void TForm1::ApplicationHint(const QString& hint) { SetStatusPanel(3, hint); }

void TForm1::MenuViewClick()
{
    auto mark = [this](const char* name, QWidget* target) {
        if (QAction* item = Item(name)) item->setChecked(!target->isHidden());
    };
    mark("MenuViewStandard", ToolBarFile);
    mark("MenuViewFormPreamb", ToolBarTeXShosiki);
    mark("MenuViewMath", ToolBarTeXMath);
    mark("MenuViewDocExplr", PanelDocumentExplorer);
    mark("MenuViewStatusBar", StatusBar);
}

void TForm1::MenuViewStandardClick()
{
    ToolBarFile->setHidden(!ToolBarFile->isHidden());
    ArrangeToolBars();
}

void TForm1::MenuViewFormPreambClick()
{
    ToolBarTeXShosiki->setHidden(!ToolBarTeXShosiki->isHidden());
    ArrangeToolBars();
}

void TForm1::MenuViewMathClick()
{
    ToolBarTeXMath->setHidden(!ToolBarTeXMath->isHidden());
    ArrangeToolBars();
}

void TForm1::ArrangeToolBars()
{
    // The layout keeps the order from the top; it only has to be told that
    // the set of shown bars changed.
    auto* bars = static_cast<QVBoxLayout*>(Panel2->layout());
    QToolBar* const order[] = {ToolBarFile, ToolBarTeXShosiki, ToolBarTeXMath};
    for (int i = 0; i < 3; ++i) {
        if (bars->indexOf(order[i]) != i) {
            bars->removeWidget(order[i]);
            bars->insertWidget(i, order[i], 0, i == 0 ? Qt::Alignment() : Qt::AlignLeft);
        }
    }
    bars->invalidate();
    bars->activate();
}

void TForm1::MenuViewDocExplrClick()
{
    const bool show = PanelDocumentExplorer->isHidden();
    PanelDocumentExplorer->setHidden(!show);
    if (show) SetDocuExpWidth(docuExpWidth_);
}

void TForm1::MenuViewStatusBarClick() { StatusBar->setHidden(!StatusBar->isHidden()); }
