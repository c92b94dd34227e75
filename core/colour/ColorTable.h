#pragma once
// The colour table of the syntax colouring: the built-in rows, the colours
// of the other token classes, and their place in the settings store.
#include <QString>
#include <array>
#include <vector>

#include "core/settings/Settings.h"

constexpr int kMaxColorCommands = 2048;
constexpr int kBuiltInColorCommands = 38;

// One row of the table as the settings store and the settings dialog see it.
struct ColorCommandRow {
    QString name;  // with its backslash, as "\section"
    unsigned color = 0;
    bool bold = false;
    bool italic = false;
    bool ast = false;  // a "*" right after the name is coloured with it
};

// Colours and flags of every token class other than the table commands.
// A fresh value holds the defaults written to a fresh store.
struct ColorClassSettings {
    ColorClassSettings();
    unsigned GenTeXColor;
    unsigned RemColor;
    bool RemItalic;
    unsigned DollerColor;
    bool DollerItalic;
    unsigned AndColor;
    bool AndItalic;
    unsigned ZenColor;
    bool ZenOn;
};

// The 38 rows a fresh installation starts with, in table order.
const std::vector<ColorCommandRow>& builtInColorTable();

// The colour table as one value: the commands coloured by name, in table
// order, and the colours of the other token classes.  The session keeps one;
// the settings dialog and the colour files edit copies of it.
struct ColorTable {
    std::vector<ColorCommandRow> rows;  // at most kMaxColorCommands
    ColorClassSettings classes;
};

// Reads "\Color": first writes every missing default, then reads the
// count, the rows and the class values.  A count outside 0..2048 is clamped
// to it; a row value that is missing or of the wrong type takes the built-in
// row's value (or the empty default of an added row) and is written back;
// an added row without a readable name is left out.
ColorTable LoadColorTable(const settings::Store& store);
// Writes the table to "\Color": the count, rows 1..count and the class
// values.  Rows past the count are left as they are; the load never reads
// them.  Rows without a name are not written (they could be neither
// coloured nor shown) and at most kMaxColorCommands are.
void SaveColorTable(const settings::Store& store, const ColorTable& table);
