#pragma once
// \setcounter and \renewcommand lines as pure functions of the dialog
// choices.  Texts are CP932 bytes; each line ends with CR LF.
#include <string>
#include <vector>

namespace counters {

// The standard counters, in the order the dialog lists them.
const std::vector<const char*>& counterNames();
// \setcounter{name}{value} and a line break; an out-of-range index gives "".
std::string setCounter(int index, int value);

// The predefined caption names: list text, command and its usual text (UTF-8).
struct Name {
    const char* listText;
    const char* command;
    const char* defaultText;
};
const std::vector<Name>& names();
// \renewcommand{command}{text} and a line break; "" for an out-of-range index.
std::string renewCommand(int index, const std::string& text);

}  // namespace counters
