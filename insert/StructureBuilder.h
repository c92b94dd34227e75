#pragma once
// Headings, text environments and lists: their tables and the texts they
// insert, apart from any widget.
#include <QString>
#include <array>
#include <span>
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace structure {

// ---- headings, by the Tag of the clicked item ----
struct Heading {
    const char* command;  // "\section"
    const char* caption;  // caption of the one-line dialog
    const char* prompt;   // UTF-8
    const char* menuItem;
    const char* popupItem;
    const char* itemCaption;  // UTF-8, caption of both menu items
    const char* shortcut;     // "" for none
};
constexpr int kHeadingCount = 14;
const std::array<Heading, kHeadingCount>& headings();
// Out-of-range tags give nullptr.
const Heading* headingByTag(int tag);

// command + "{" + body + "}\r\n".  A heading typed empty leaves the caret
// between the braces; one made from the selection leaves it behind the break.
wrap::Insertion headingText(const Heading& heading, const std::string& body, bool fromSelection);

// ---- text environments ----
struct Environment {
    const char* menuItem;
    const char* menuCaption;  // UTF-8
    const char* toolButton;   // "" when there is none
    const char* otherSender;  // a pop-up item bound to it, "" when none
    const char* opening;
    const char* closing;
    int caretBack;
};
constexpr int kEnvironmentCount = 8;
const std::array<Environment, kEnvironmentCount>& environments();
// The row whose senders include the named component; nullptr when none does.
const Environment* environmentBySender(const QString& senderName);
wrap::Insertion environmentText(const Environment& env, const wrap::EditorState& editor);

// ---- lists ----
struct List {
    const char* menuItem;
    const char* menuCaption;  // UTF-8
    const char* toolButton;   // "" when there is none
    const char* opening;
    const char* itemPrefix;
    const char* closing;
    const char* placeholderTemplate;  // UTF-8 (holds Japanese)
    int caretBack;
};
enum ListKind { Itemize, Enumerate, Description };
constexpr int kListHelpContext = 6260;
const List& list(ListKind kind);
// With a selection every selected line becomes an item; without one the
// template goes in with the caret in front of its placeholder.
wrap::Insertion listText(const List& list, const wrap::EditorState& editor);

// Lines of a selection split at CR LF; a final break gives no extra line.
std::vector<std::string> selectedLines(const std::string& text);

}  // namespace structure
