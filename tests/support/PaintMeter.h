#pragma once
// What a step repaints: the area of the paint events that chosen widgets
// (and, for a container, the widgets inside it) receive while the meter
// runs.  The caret does not blink meanwhile, so only the step paints.
#include <QApplication>
#include <QPaintEvent>
#include <QWidget>
#include <map>
#include <vector>

namespace paint {

// Delivers what is posted, paint included, until a round delivers nothing.
inline void settle()
{
    for (int round = 0; round < 50; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

inline double areaOf(const QRegion& region)
{
    double area = 0;
    for (const QRect& r : region) area += double(r.width()) * r.height();
    return area;
}

class PaintMeter : public QObject {
public:
    PaintMeter() : flashTime_(QApplication::cursorFlashTime())
    {
        QApplication::setCursorFlashTime(0);
        qApp->installEventFilter(this);
    }
    ~PaintMeter() override
    {
        qApp->removeEventFilter(this);
        QApplication::setCursorFlashTime(flashTime_);
    }
    PaintMeter(const PaintMeter&) = delete;
    PaintMeter& operator=(const PaintMeter&) = delete;

    // Paint of `widget` counts, and of every widget inside it when
    // `inside` is set.
    void watch(QWidget* widget, bool inside = false) { watched_.push_back({widget, inside}); }

    // Lets pending paint happen uncounted, then counts from zero.
    void start()
    {
        settle();
        painted_.clear();
        counting_ = true;
    }
    // Lets the step's queued work and paint happen, then stops counting.
    void stop()
    {
        settle();
        counting_ = false;
    }

    // Area painted in the watched widget (one watched with `inside` sums
    // its own paint and its children's), in pixels.
    double area(const QWidget* widget) const
    {
        double sum = 0;
        for (const auto& [w, a] : painted_)
            if (w == widget || (isInside(widget) && widget->isAncestorOf(w))) sum += a;
        return sum;
    }
    bool painted(const QWidget* widget) const { return area(widget) > 0; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (counting_ && event->type() == QEvent::Paint && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            for (const Watched& w : watched_)
                if (w.widget == widget || (w.inside && w.widget->isAncestorOf(widget))) {
                    painted_[widget] += areaOf(static_cast<QPaintEvent*>(event)->region());
                    break;
                }
        }
        return false;
    }

private:
    struct Watched {
        QWidget* widget;
        bool inside;
    };
    bool isInside(const QWidget* widget) const
    {
        for (const Watched& w : watched_)
            if (w.widget == widget) return w.inside;
        return false;
    }
    int flashTime_;
    bool counting_ = false;
    std::vector<Watched> watched_;
    std::map<const QWidget*, double> painted_;
};

}  // namespace paint
