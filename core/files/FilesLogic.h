#pragma once
// The document loader's and the file dialogs' decisions, free of widgets:
// the file-type list, the extension a Save As forces, the recent-file list
// and whether colour syntax is switched when a file is opened.
#include <QString>
#include <QStringList>
#include <array>

namespace files {

struct FileType {
    const char* text;      // as the dialogs list it
    const char* patterns;  // ";"-separated
    const char* forced;    // extension Save As forces, nullptr for none
};
// Index 1..9 of the open and save dialogs (index 9 is all files).
extern const std::array<FileType, 9> FileTypes;

// A file dialog's filter for a type's text and its ";"-separated patterns.
QString dialogFilter(const char* text, const char* patterns);
// The filter strings handed to the file dialog, in index order.
QStringList dialogFilters();

// File-type index for a path's extension (9 when it is none of the list's).
int filterIndexForExt(const QString& path);

// The name Save As writes to for the chosen filter index.
QString forceExtension(const QString& name, int filterIndex);

// Puts the path at the front; an entry equal to it (byte for byte) moves up.
void addRecent(std::array<QString, 5>& recent, const QString& path);

// Menu caption of recent-file item n (1..5) for the path.
QString recentCaption(int n, const QString& path);

// What opening a file does to colour syntax (cases a to d of the loader).
enum class ColorAction { SizeOff, ExtensionOff, ExtensionOn, Recolor };
struct ColorInputs {
    QString path;
    long long length = 0;   // loaded text, bytes
    int maxSizeKB = 256;    // "ColMaxSize", -1 = no limit
    bool autoColor = true;  // colour syntax on now
    bool autoOn = true;     // "ColAutoOn"
    bool autoOff = true;    // "ColAutoOff"
};
ColorAction decideColor(const ColorInputs& in);
// The message shown for the first three actions (caption "開く").
QString colorMessage(ColorAction action, const ColorInputs& in);

}  // namespace files
