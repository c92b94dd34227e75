#pragma once
// Renders remembered values the way the start-value tables list them:
// "0, 10, true, \"\"".
#include <QString>
#include <string>

namespace testsupport {

struct StartValues {
    std::string text;
    StartValues& operator<<(int v) { return add(std::to_string(v)); }
    StartValues& operator<<(bool v) { return add(v ? "true" : "false"); }
    StartValues& operator<<(const QString& v) { return add("\"" + v.toStdString() + "\""); }
    StartValues& add(const std::string& s)
    {
        text += (text.empty() ? "" : ", ") + s;
        return *this;
    }
};

}  // namespace testsupport
