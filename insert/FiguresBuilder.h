#pragma once
// The figure float around \includegraphics and the \input / \include line,
// as pure functions of the chosen file and the dialogs' choices, and the
// checks that keep a file name pLaTeX or the DVI driver cannot read out of
// the document.  Document texts are CP932 bytes with CR LF; paths are the
// file system's, as QString.
#include <QString>
#include <string>
#include <string_view>

#include "core/insertion/WrapBuilder.h"
#include "insert/TablesBuilder.h"  // Placement

namespace figures {

// Which graphics package the document loads, looking at every \usepackage
// outside comments, with or without options and in a list of packages.
// graphics wins when both are loaded.
enum class Package { None, Graphics, Graphicx };
Package loadedPackage(std::string_view document);

// The extension of a path's file name, from its last "." (folders do not
// count), or empty.
QString extensionOf(const QString& path);
// The same path with that extension in lower case.
QString withLowerExtension(const QString& path);
// ".ps", ".eps" and ".pbm", compared exactly: their size is known without
// asking the user.
bool sizeOptional(const QString& reference);

// How a chosen file is referred to from the document: the full path when
// fullPath is set, else the path relative to the document's folder (just the
// file name for a file beside the document, or when the document has no
// folder yet).  Folders are separated by "/".
QString fileReference(const QString& chosenPath, bool fullPath, const QString& documentFolder);

struct FigureChoices {
    tables::Placement placement{false, true, true, false};
    int align = 2;  // 0 none, 1 left, 2 centre, 3 right
    bool sizeOn = false;
    bool graphics = true;  // else graphicx
    bool aspect = false;
    bool label = true;
    int width = 100, height = 100;  // mm
};
// The figure float; the caret between the braces of \caption{}.  reference
// goes into \includegraphics, name (the file name as chosen) into the label.
wrap::Insertion figure(const FigureChoices& choices, const std::string& reference, const std::string& name,
                       const wrap::EditorState& editor);

// "\input{reference}" (kind 0) or "\include{reference}" (kind 1) with its
// line break.  \include adds ".tex" itself, so the extension is left out
// there.
std::string inclusion(int kind, const std::string& reference);

// What a file reference is checked for.
enum class Use { Figure, Input, Include };
// Why the reference cannot go into the document for that use, as the
// message to show, or an empty string when it can.
QString referenceProblem(const QString& reference, Use use);

}  // namespace figures
