#pragma once
// The small stay-on-top window with a gauge that long main-thread work
// shows.  It has no logic: its user captions, places, advances and frees it.
#include <QWidget>

class QFrame;
class QProgressBar;

class TFormProgBar : public QWidget {
    Q_OBJECT
public:
    explicit TFormProgBar(QWidget* owner);

    QFrame* Panel1 = nullptr;
    QProgressBar* CGauge = nullptr;  // 0..100

    // Centres the window on `mainWindow` (its frame), with integer halvings.
    void PlaceOver(const QWidget* mainWindow);
    // Sets the gauge and repaints it at once (the work runs on this thread,
    // so nothing else would paint it).
    void SetProgress(int percent);
    int Progress() const;
    // Gauge at 0, shown modeless, painted.
    void Start();
};
