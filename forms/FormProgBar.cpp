// The progress window.
#include "forms/FormProgBar.h"

#include <QFrame>
#include <QProgressBar>

namespace {
constexpr int kClientWidth = 169;
constexpr int kClientHeight = 34;
// Offsets from the owner's centre to this window's corner.
constexpr int kHalfWidth = 89;
constexpr int kHalfHeight = 30;
}  // namespace

TFormProgBar::TFormProgBar(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("FormProgBar");
    setWindowTitle("Now analyzing...");
    setFixedSize(kClientWidth, kClientHeight);
    setCursor(Qt::WaitCursor);
    setAttribute(Qt::WA_ShowWithoutActivating);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 153, 17);

    CGauge = new QProgressBar(Panel1);
    CGauge->setObjectName("CGauge");
    CGauge->setRange(0, 100);
    CGauge->setValue(0);
    CGauge->setTextVisible(false);
    CGauge->setGeometry(Panel1->contentsRect());
    CGauge->setStyleSheet(
        "QProgressBar { border: none; background: white; }"
        "QProgressBar::chunk { background: navy; }");
}

void TFormProgBar::PlaceOver(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    move(frame.left() + frame.width() / 2 - kHalfWidth, frame.top() + frame.height() / 2 - kHalfHeight);
}

void TFormProgBar::SetProgress(int percent)
{
    if (percent == CGauge->value()) return;
    CGauge->setValue(percent);
    if (isVisible()) CGauge->repaint();
}

int TFormProgBar::Progress() const { return CGauge->value(); }

void TFormProgBar::Start()
{
    CGauge->setValue(0);
    show();
    CGauge->repaint();
}
