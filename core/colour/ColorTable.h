#pragma once
// The colour table of the syntax colouring: the built-in rows, the colours
// of the other token classes, and their place in the settings store.
#include <QString>
#include <array>
#include <vector>

class TRegistry;

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
// The member initialisers are the defaults written to a fresh store.
struct ColorClassSettings {
    unsigned GenTeXColor = 0xB07000;
    unsigned RemColor = 0x808040;
    bool RemItalic = true;
    unsigned DollerColor = 0x4080FF;
    bool DollerItalic = false;
    unsigned AndColor = 0x0000FF;
    bool AndItalic = false;
    unsigned ZenColor = 0x0000FF;
    bool ZenOn = true;
};

// The 38 rows a fresh installation starts with, in table order.
const std::vector<ColorCommandRow>& builtInColorTable();

// What LoadColorTable found in the store.
struct StoredColorTable {
    std::vector<ColorCommandRow> rows;  // at most kMaxColorCommands
    ColorClassSettings classes;
};

// Reads "\Color" through an open key (the caller opened it with create on):
// first writes every missing default, then reads the count, the rows and
// the class values.  A count outside 0..2048 is clamped to it; a row whose
// values are missing or of the wrong type keeps the built-in row of that
// number (or an empty name, which the scanner ignores) instead of aborting
// the load, and a class value that cannot be read keeps its default.
StoredColorTable LoadColorTable(TRegistry& key);
