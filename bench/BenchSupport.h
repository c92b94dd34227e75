#pragma once
// What the benchmarks share: an offscreen application with a settings store
// of its own, medians, and one printed line per figure with its goal.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// Call first in main(), before the QApplication exists.
inline QTemporaryDir& prepareEnvironment()
{
    static QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS"))
        qputenv("QUILLMARK_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    return dir;
}

inline double median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
double millisecondsOf(F f)
{
    QElapsedTimer clock;
    clock.start();
    f();
    return double(clock.nsecsElapsed()) / 1e6;
}

// "figure: value unit   (goal: ...)  met/NOT met"
inline void report(const char* figure, double value, const char* unit, const char* goal, bool met)
{
    std::printf("%-62s %10.2f %-3s  goal %-14s %s\n", figure, value, unit, goal, met ? "met" : "NOT met");
    std::fflush(stdout);
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

}  // namespace bench
