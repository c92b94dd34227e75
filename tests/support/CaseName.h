#pragma once
// Stable, readable names for the cases of a parameterised test: the case's
// own description in CamelCase ("starred heading" gives StarredHeading), so
// that a failing case is named the same in every build.
#include <cctype>
#include <string>

namespace testsupport {

inline std::string caseName(const std::string& description)
{
    std::string name;
    bool upper = true;
    for (unsigned char c : description) {
        if (std::isalnum(c)) {
            name += char(upper ? std::toupper(c) : c);
            upper = false;
        } else {
            upper = true;
        }
    }
    return name.empty() ? "Unnamed" : name;
}

}  // namespace testsupport
