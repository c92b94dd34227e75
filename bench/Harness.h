#pragma once
// The one harness every benchmark runs on.
//
// A figure compares the product with a bare baseline doing the same job in
// the same process.  The two take turns (product, bare, then bare, product,
// ...), so that a machine that gets busier slows both alike, after a few
// untimed warm-up turns whose first one is kept apart as the cold figure.
// Each timed step is followed by settle(): posted events are delivered and
// the event loop runs until a round delivers nothing, so queued work and the
// paint it asks for are inside the time.  The windows are real, shown top-
// levels; while a step is timed, the painted area of its window (and of its
// editor's viewport) and the events delivered after the step itself are
// counted.  A figure prints the median and the spread of its turns, the
// ratio of the medians and whether the goal is met by the median.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegion>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ask.h"

namespace bench {

// ---------------------------------------------------------------- set-up

inline QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// Call first in main(), before the QApplication exists: the offscreen
// platform unless another is asked for, and a settings store of the run's
// own, so that no bench reads or changes the user's.
inline void prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS"))
        qputenv("QUILLMARK_SETTINGS", (scratch().path() + "/settings.ini").toUtf8());
}

// Counts, for the whole application, every event delivered and, while a
// step is measured, the area painted in the measured window.
class Activity : public QObject {
public:
    long delivered = 0;
    bool armed = false;
    QWidget* window = nullptr;    // nullptr: every widget counts
    QWidget* viewport = nullptr;  // the editor's viewport, counted apart
    double windowPixels = 0, viewportPixels = 0;

    void arm(QWidget* w, QWidget* v)
    {
        window = w;
        viewport = v;
        windowPixels = viewportPixels = 0;
        armed = true;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        ++delivered;
        if (armed && event->type() == QEvent::Paint && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            if (!window || widget->window() == window) {
                double area = 0;
                for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                    area += double(r.width()) * r.height();
                windowPixels += area;
                if (widget == viewport) viewportPixels += area;
            }
        }
        return false;
    }
};

inline Activity& activity()
{
    static Activity* a = nullptr;
    if (!a) {
        a = new Activity;
        qApp->installEventFilter(a);
    }
    return *a;
}

// Call right after the QApplication is made.  The caret does not blink (a
// blink would paint at random moments in either window), and every message
// box is answered with OK.
inline void prepareApplication()
{
    QApplication::setCursorFlashTime(0);
    ask::setMessageAnswerer([](const ask::MessageRequest&) { return int(IDOK); });
    activity();
}

// Delivers what is posted and runs the event loop until a round of it
// delivers no event at all: the queued work of the step and the paint it
// asked for are then done.  Returns the events delivered meanwhile.
inline long settle()
{
    Activity& a = activity();
    const long start = a.delivered;
    for (int round = 0; round < 1000; ++round) {
        const long before = a.delivered;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (a.delivered == before) break;
    }
    return a.delivered - start;
}

// Makes a window the active one with the keyboard in `focus`, then settles,
// so that the repaint an activation causes is not charged to the next step.
inline void activate(QWidget* window, QWidget* focus)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    settle();
}

// ---------------------------------------------------------------- figures

// The turns of one side, each with its time and what it painted and queued.
struct Series {
    std::vector<double> ms, windowPixels, viewportPixels, queued;
    double coldMs = -1;     // the first turn of this side, before warm-up
    double latePixels = 0;  // painted within 30 ms after the first timed turn had settled
};

inline double quantile(std::vector<double> v, double q)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const double at = q * double(v.size() - 1);
    const size_t lo = size_t(at);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (at - double(lo));
}
inline double median(const std::vector<double>& v) { return quantile(v, 0.5); }

// One side of a comparison.  `prepare` runs untimed before each turn (put
// the text back, activate the window); `step` is timed and followed by
// settle(); `window` and `viewport` say whose paint is counted.
struct Side {
    const char* name = "";
    std::function<QWidget*()> window;
    std::function<QWidget*()> viewport;
    std::function<void()> prepare;
    std::function<void()> step;
    std::function<void()> after;  // untimed, after each turn
    Series series;
};

inline void runTurn(Side& side, bool record)
{
    if (side.prepare) side.prepare();
    settle();
    Activity& a = activity();
    a.arm(side.window ? side.window() : nullptr, side.viewport ? side.viewport() : nullptr);
    QElapsedTimer clock;
    clock.start();
    side.step();
    const long queued = settle();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    a.armed = false;
    const double windowPixels = a.windowPixels, viewportPixels = a.viewportPixels;
    if (side.series.coldMs < 0) side.series.coldMs = ms;
    if (record && side.series.ms.empty()) {
        // Once a side: nothing may still paint after settle() has returned,
        // or the figures would leave paint out.
        a.arm(side.window ? side.window() : nullptr, side.viewport ? side.viewport() : nullptr);
        QElapsedTimer late;
        late.start();
        while (late.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        a.armed = false;
        side.series.latePixels = a.windowPixels;
    }
    if (record) {
        side.series.ms.push_back(ms);
        side.series.windowPixels.push_back(windowPixels);
        side.series.viewportPixels.push_back(viewportPixels);
        side.series.queued.push_back(double(queued));
    }
    if (side.after) side.after();
}

// Alternates the two sides: `warmups` untimed turns each, then `pairs`
// timed pairs, the order swapped every pair.
inline void alternate(Side& product, Side& bare, int pairs, int warmups = 3)
{
    for (int i = 0; i < warmups; ++i) {
        runTurn(product, false);
        runTurn(bare, false);
    }
    for (int i = 0; i < pairs; ++i) {
        if (i % 2 == 0) {
            runTurn(product, true);
            runTurn(bare, true);
        } else {
            runTurn(bare, true);
            runTurn(product, true);
        }
    }
}

// Runs one side alone (figures with an absolute goal and no baseline).
inline void repeat(Side& side, int turns, int warmups = 3)
{
    for (int i = 0; i < warmups; ++i) runTurn(side, false);
    for (int i = 0; i < turns; ++i) runTurn(side, true);
}

// Alternates two measurements that report their own figure (a child
// process, a count): warm-up pairs first, then `pairs` pairs, the order
// swapped every pair.  The first call of each is kept as its first turn.
inline void alternateValues(Series& product, const std::function<double()>& measureProduct, Series& bare,
                            const std::function<double()>& measureBare, int pairs, int warmups = 2)
{
    auto once = [](Series& s, const std::function<double()>& f, bool record) {
        const double v = f();
        if (s.coldMs < 0) s.coldMs = v;
        if (record) s.ms.push_back(v);
    };
    for (int i = 0; i < warmups; ++i) {
        once(product, measureProduct, false);
        once(bare, measureBare, false);
    }
    for (int i = 0; i < pairs; ++i) {
        if (i % 2 == 0) {
            once(product, measureProduct, true);
            once(bare, measureBare, true);
        } else {
            once(bare, measureBare, true);
            once(product, measureProduct, true);
        }
    }
}

inline void title(const char* text)
{
    std::printf("\n-- %s\n", text);
    std::fflush(stdout);
}

inline void printSeries(const char* name, const std::vector<double>& v, const char* unit, double cold = -1)
{
    std::printf("  %-30s median %9.3f %-2s  IQR %9.3f..%-9.3f  min %9.3f  max %9.3f  (n=%zu)", name, median(v), unit,
                quantile(v, 0.25), quantile(v, 0.75), quantile(v, 0), quantile(v, 1), v.size());
    if (cold >= 0) std::printf("  first turn %.3f %s", cold, unit);
    std::printf("\n");
}

inline void printPaint(const Side& s, const char* per)
{
    std::printf("  %-30s paint per %s: window %.0f px, editor viewport %.0f px; queued events %.1f\n", s.name, per,
                median(s.series.windowPixels), median(s.series.viewportPixels), median(s.series.queued));
}

// "  <figure>   1.23 x  goal <= 2 x  met"; a goal of 0 or less is none.
inline bool verdict(const char* figure, double value, const char* unit, double goal, bool atMost = true)
{
    if (goal <= 0) {
        std::printf("  %-62s %9.2f %-2s  (no goal)\n", figure, value, unit);
        std::fflush(stdout);
        return true;
    }
    const bool met = atMost ? value <= goal : value >= goal;
    std::printf("  %-62s %9.2f %-2s  goal %s %g %-2s  %s\n", figure, value, unit, atMost ? "<=" : ">=", goal, unit,
                met ? "met" : "not met");
    std::fflush(stdout);
    return met;
}

// Prints both sides, their paint when `per` is given, and the ratio of the
// medians against the goal.
inline bool compare(const char* figure, const Side& product, const Side& bare, double goal, const char* per = nullptr)
{
    printSeries(product.name, product.series.ms, "ms", product.series.coldMs);
    printSeries(bare.name, bare.series.ms, "ms", bare.series.coldMs);
    if (per) {
        printPaint(product, per);
        printPaint(bare, per);
    }
    for (const Side* s : {&product, &bare})
        if (s->series.latePixels > 0)
            std::printf(
                "  %-30s %.0f px painted within 30 ms after settle() had returned (timers, or paint left out)\n",
                s->name, s->series.latePixels);
    const double b = median(bare.series.ms);
    return verdict(figure, b > 0 ? median(product.series.ms) / b : 0, "x", goal);
}

// ---------------------------------------------------------------- helpers

// A bare editor window: a QMainWindow holding only a QPlainTextEdit.
struct BareWindow {
    QMainWindow window;
    QPlainTextEdit* editor = new QPlainTextEdit;
    explicit BareWindow(QSize size = {900, 700}, const QFont* font = nullptr)
    {
        window.setCentralWidget(editor);
        if (font) editor->setFont(*font);
        window.resize(size);
        window.show();
        settle();
    }
};

inline void keystroke(QWidget* target, int key = Qt::Key_A, const QString& text = "a")
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// A LaTeX document of Japanese and ASCII lines, `bytes` long, CR LF.
inline std::string documentOf(
    size_t bytes, const std::string& line =
                      "\\textbf{\x93\xfa\x96\x7b\x8c\xea} text \x82\xa0\x82\xa2\x82\xa4 and $x^2$ words here\r\n")
{
    std::string t;
    while (t.size() + line.size() <= bytes) t += line;
    t.append(bytes - t.size(), 'x');
    return t;
}

// `count` lines of the same kind.
inline std::string linesOf(int count, const std::string& line =
                                          "\\textbf{\x93\xfa\x96\x7b\x8c\xea} text \x82\xa0\x82\xa2\x82\xa4 and $x^2$ "
                                          "words here\r\n")
{
    std::string t;
    t.reserve(line.size() * size_t(count));
    for (int i = 0; i < count; ++i) t += line;
    return t;
}

inline void writeFile(const QString& path, const std::string& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), qint64(bytes.size()));
}

// Resident memory of this process, in kilobytes ("VmRSS" of /proc).
inline long residentKB(const char* field = "VmRSS:")
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// Runs this executable again with `arguments` and returns what it printed
// (a figure that needs a process of its own, such as start-up or memory).
inline QByteArray runChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return {};
    }
    return child.readAllStandardOutput();
}

}  // namespace bench
