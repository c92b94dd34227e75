#include "app/CommandLine.h"

#include <QDir>
#include <algorithm>

namespace cmdline {
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
QRect clampToScreen(const QRect& wanted, const QRect& available)
{
    QRect r = wanted;
    if (r.width() <= 0) r.setWidth(875);
    if (r.height() <= 0) r.setHeight(600);
    if (available.isEmpty()) return r;
    r.setWidth(std::min(r.width(), available.width()));
    r.setHeight(std::min(r.height(), available.height()));
    const int left = std::clamp(r.left(), available.left(), available.right() - r.width() + 1);
    const int top = std::clamp(r.top(), available.top(), available.bottom() - r.height() + 1);
    r.moveTo(left, top);
    return r;
}
}  // namespace placement
