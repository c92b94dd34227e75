#pragma once
// The \documentclass line and the new-document template: building them from
// the dialog's choices, and finding the class line the document already
// holds.  Texts are CP932 bytes with CR LF; positions are byte offsets.
#include <optional>
#include <string>
#include <vector>

#include "core/insertion/WrapBuilder.h"

namespace docclass {

// The classes of the dialog's list, in list order.
constexpr int kClassCount = 8;
const char* className(int index);

// What the dialog shows: one index per control, and whether chapters start
// on odd pages.
struct Choices {
    int classIndex = 0;
    int paper = 0;      // a4, a5, b4, b5
    int charSize = 0;   // 10pt, 11pt, 12pt
    int direction = 0;  // 1: landscape
    int columns = 0;    // 1: twocolumn
    int side = 0;       // 1: twoside
    int title = 0;      // 1: titlepage
    int mathPos = 0;    // 1: fleqn
    int mathNoPos = 0;  // 1: leqno
    int kumi = 0;       // 1: tate
    int bunken = 0;     // 1: openbib
    int test = 0;       // 1: draft
    bool oddPage = false;
    bool operator==(const Choices&) const = default;
};

// The two preferences that shape the line.
struct Settings {
    int jPaper = 0;     // 0: "a4j"; otherwise "a4paper"
    int defOption = 0;  // 0: every option; otherwise the class's defaults are left out
};

// What the dialog does when the user picks another class: books open on odd
// pages, two-sided, with title pages; everything else the other way.
void applyClassPresets(Choices& choices);
// Whether the chapter-start buttons mean anything for the class.
bool chapterStartApplies(int classIndex);

// \documentclass[...]{class}, with no line break.  kept are options the
// dialog has no control for, written after the dialog's own.
std::string classLine(const Choices& choices, const Settings& settings, const std::vector<std::string>& kept = {});
// The class line and the template of a new document, the caret on the empty
// line of the body.
wrap::Insertion newDocument(const Choices& choices, const Settings& settings, int year, int month, int day);

// A class line found in the document: the backslash and the last byte that a
// rewrite replaces.  The command is read as TeX reads it: blanks, line
// breaks and comments may stand between its parts, braces nest inside them
// and a "%" comments out the rest of its line.  rewritable is false when the
// command has no class argument or a part that never closes: such a line is
// left alone.
struct ClassLine {
    int start = 0;
    int end = 0;
    bool oldStyle = false;  // \documentstyle
    bool rewritable = false;
    bool operator==(const ClassLine&) const = default;
};
// The first \documentclass outside comments, or when there is none the first
// \documentstyle.
std::optional<ClassLine> findClassLine(const std::string& text);

// The words of the line's option list, as TeX takes them: split at the
// commas outside braces, comments dropped, blanks around each word trimmed
// and line breaks inside a word read as one blank.
std::vector<std::string> optionWords(const std::string& text, const ClassLine& line);
// Whether the dialog has a control for the option word.
bool ownedOption(const std::string& word);
// The option words of a \documentclass line that the dialog does not own
// (a driver such as dvipdfmx, an engine such as uplatex, a key=value
// option), in the line's order: a rewrite keeps them.
std::vector<std::string> keptOptions(const std::string& text, const ClassLine& line);

// The class and options that the line names, over the given choices.  An
// option counts only as a whole word: "10ptj" is not "10pt".
Choices detect(const std::string& text, const ClassLine& line, Choices choices);

// An edit of the document: select start over length, insert text there,
// then put the caret at caretAfter.
struct Replacement {
    int start = 0;
    int length = 0;
    std::string text;
    int caretAfter = 0;
    bool operator==(const Replacement&) const = default;
};
// The new class line over the old one, the caret keeping its place in the
// text around it.  A line that cannot be rewritten safely stays as it is and
// the new line goes in on a line of its own above it.
Replacement rewrite(const std::string& text, const ClassLine& line, const std::string& newLine, int caret);

}  // namespace docclass
