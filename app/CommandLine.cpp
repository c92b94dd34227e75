#include "app/CommandLine.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace cmdline {
QStringList parametersOf(int argc, const char* const* argv)
{
    QStringList parameters;
    for (int i = 1; i < argc && argv[i]; ++i) parameters << QFile::decodeName(argv[i]);
    return parameters;
}

QString documentPath(const QString& parameter)
{
    if (parameter == "~") return QDir::homePath();
    if (parameter.startsWith("~/")) return QDir::homePath() + parameter.mid(1);
    return parameter;
}

std::optional<int> jumpSwitchLine(const QString& parameter)
{
    if (parameter.size() < 3 || parameter[0] != '/' || (parameter[1] != 'j' && parameter[1] != 'J'))
        return std::nullopt;
    const QString digits = parameter.mid(2);
    for (QChar c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    bool ok = false;
    const int line = digits.toInt(&ok, 10);
    if (!ok || line < 1) return std::nullopt;
    return line;
}

std::optional<int> jumpLine(const QStringList& parameters)
{
    if (parameters.size() < 2) return std::nullopt;
    return jumpSwitchLine(parameters.front());
}
}  // namespace cmdline

namespace placement {
QRect clampToScreen(int left, int top, int width, int height, const QRect& available)
{
    // Any sum of two values in this range fits an int.
    constexpr int kFar = 1 << 20;
    left = std::clamp(left, -kFar, kFar);
    top = std::clamp(top, -kFar, kFar);
    width = width <= 0 ? 875 : std::min(width, kFar);
    height = height <= 0 ? 600 : std::min(height, kFar);
    QRect r(left, top, width, height);
    if (available.isEmpty()) return r;
    r.setWidth(std::min(r.width(), available.width()));
    r.setHeight(std::min(r.height(), available.height()));
    const int x = std::clamp(r.left(), available.left(), available.right() - r.width() + 1);
    const int y = std::clamp(r.top(), available.top(), available.bottom() - r.height() + 1);
    r.moveTo(x, y);
    return r;
}
}  // namespace placement
