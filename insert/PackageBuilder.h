#pragma once
// The \usepackage command: the package groups the dialog offers, the user's
// own list, finding the packages a document already loads, and where the
// new line goes.  Texts are CP932 bytes with CR LF; positions are byte
// offsets.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace package {

// The groups of the dialog, in radio order; the last is the user's list.
constexpr int kGroupCount = 10;
constexpr int kUserGroup = 9;
QStringList groupCaptions();
// The ".sty" names of a fixed group, in table order; empty for the user's
// group and out-of-range indices.
QStringList groupFiles(int group);

// The entries of the stored user list ("\r\n" between them): each line with
// its blanks trimmed; empty lines and lines that cannot be a package name
// (control characters, braces, backslashes, percent signs, commas) are left
// out, so a damaged value gives a short or empty list.
QStringList userFiles(const QString& stored);

// The package a list entry names: the entry without a final ".sty".
QString packageName(const QString& entry);
// "\usepackage{name}" and its line break; "" for an empty name.
std::string command(const QString& entry);

// Every package named by a \usepackage outside comments, in document order:
// each name of a comma list, blanks trimmed, options skipped.
std::vector<std::string> loadedPackages(const std::string& text);
// Whether the document already loads the package.
bool isLoaded(const std::string& text, const std::string& name);

// Where the line goes: in front of the first "\begin{document}" outside
// comments when that
// stands before the caret (which then keeps its place in the text), else at
// the caret, after a line break when the caret is inside a line.
struct Placement {
    bool atBeginDocument = false;
    int at = 0;        // where the text goes when atBeginDocument
    std::string text;  // with its leading line break, if any
    int caretAfter = 0;
    bool operator==(const Placement&) const = default;
};
Placement place(const std::string& text, int caret, const std::string& line);

}  // namespace package
