// The built-in colour table and its loading from "\Color".
#include "core/colour/ColorTable.h"

#include "platform/Registry.h"

#include <algorithm>

namespace {

struct BuiltInGroup {
    std::vector<const char*> names;
    unsigned color;
    bool bold;
    bool ast;
};

// Grouped as they share colour and style; expanded in this order.
const BuiltInGroup kGroups[] = {
    {{"\\part", "\\chapter", "\\section", "\\subsection", "\\subsubsection", "\\paragraph", "\\subparagraph"},
     0x000080, true, true},
    {{"\\vspace", "\\hspace"}, 0xCC4444, false, false},
    {{"\\begin", "\\end"}, 0x800000, true, false},
    {{"\\documentclass", "\\documentstyle"}, 0x8080FF, true, false},
    {{"\\label", "\\ref", "\\pageref"}, 0x008080, false, false},
    {{"\\\\"}, 0x008000, false, false},
    {{"\\item", "\\index"}, 0x66AA77, false, false},
    {{"\\par", "\\newpage", "\\clearpage", "\\cleardoublepage", "\\pagebreak", "\\noindent"}, 0x008000, false, false},
    {{"\\verb"}, 0x800080, false, false},
    {{"\\usepackage"}, 0x0055AA, false, false},
    {{"\\hline"}, 0x008000, false, false},
    {{"\\caption"}, 0x66AA77, false, false},
    {{"\\vfil", "\\vfill", "\\hfil", "\\hfill", "\\smallskip", "\\medskip", "\\bigskip"}, 0xCC4444, false, false},
    {{"\\linebreak"}, 0x008000, false, false},
    {{"\\bibitem"}, 0xFF8080, false, false},
};

// Reads one value, leaving `target` alone when the store cannot give it.
template <class T, class Read>
void readInto(T& target, Read read)
{
    try {
        target = read();
    } catch (const ERegistryException&) {
    }
}

}  // namespace

const std::vector<ColorCommandRow>& builtInColorTable()
{
    static const std::vector<ColorCommandRow> table = [] {
        std::vector<ColorCommandRow> rows;
        for (const BuiltInGroup& g : kGroups)
            for (const char* name : g.names) rows.push_back({QString::fromLatin1(name), g.color, g.bold, false, g.ast});
        return rows;
    }();
    return table;
}

StoredColorTable LoadColorTable(TRegistry& key)
{
    const std::vector<ColorCommandRow>& builtIn = builtInColorTable();
    const ColorClassSettings defaults;

    auto writeInt = [&](const QString& name, int value) {
        if (!key.ValueExists(name)) key.WriteInteger(name, value);
    };
    auto writeBool = [&](const QString& name, bool value) {
        if (!key.ValueExists(name)) key.WriteBool(name, value);
    };

    // Nearly two hundred defaults at the first start go to the file in one
    // write when the batch ends; a failure to write them is logged there and
    // does not stop the load, which reads them back from the batch.
    settings::Batch batch;
    writeInt("ComNum", kBuiltInColorCommands);
    for (int i = 0; i < kBuiltInColorCommands; ++i) {
        const ColorCommandRow& row = builtIn[size_t(i)];
        const QString n = QString::number(i + 1);
        if (!key.ValueExists("Command" + n)) key.WriteString("Command" + n, row.name);
        writeInt("Color" + n, int(row.color));
        writeBool("CmdBold" + n, row.bold);
        writeBool("CmdItalic" + n, row.italic);
        writeBool("Ast" + n, row.ast);
    }
    writeInt("GenTeXColor", int(defaults.GenTeXColor));
    writeInt("RemColor", int(defaults.RemColor));
    writeBool("RemItalic", defaults.RemItalic);
    writeInt("DollerColor", int(defaults.DollerColor));
    writeBool("DollerItalic", defaults.DollerItalic);
    writeInt("AndColor", int(defaults.AndColor));
    writeBool("AndItalic", defaults.AndItalic);
    writeInt("ZenColor", int(defaults.ZenColor));
    writeBool("ZenOn", defaults.ZenOn);

    StoredColorTable result;
    int count = kBuiltInColorCommands;
    readInto(count, [&] { return key.ReadInteger("ComNum"); });
    count = std::clamp(count, 0, kMaxColorCommands);

    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i + 1);
        const bool builtInRow = i < kBuiltInColorCommands;
        ColorCommandRow row = builtInRow ? builtIn[size_t(i)] : ColorCommandRow{};
        // A built-in row that cannot be read keeps its built-in values; any
        // other row without a readable name is dropped, as it could be
        // neither coloured nor shown.
        try {
            row.name = key.ReadString("Command" + n);
        } catch (const ERegistryException&) {
            if (!builtInRow) continue;
        }
        readInto(row.color, [&] { return unsigned(key.ReadInteger("Color" + n)); });
        readInto(row.bold, [&] { return key.ReadBool("CmdBold" + n); });
        readInto(row.italic, [&] { return key.ReadBool("CmdItalic" + n); });
        readInto(row.ast, [&] { return key.ReadBool("Ast" + n); });
        result.rows.push_back(row);
    }

    ColorClassSettings& c = result.classes;
    readInto(c.GenTeXColor, [&] { return unsigned(key.ReadInteger("GenTeXColor")); });
    readInto(c.RemColor, [&] { return unsigned(key.ReadInteger("RemColor")); });
    readInto(c.RemItalic, [&] { return key.ReadBool("RemItalic"); });
    readInto(c.DollerColor, [&] { return unsigned(key.ReadInteger("DollerColor")); });
    readInto(c.DollerItalic, [&] { return key.ReadBool("DollerItalic"); });
    readInto(c.AndColor, [&] { return unsigned(key.ReadInteger("AndColor")); });
    readInto(c.AndItalic, [&] { return key.ReadBool("AndItalic"); });
    readInto(c.ZenColor, [&] { return unsigned(key.ReadInteger("ZenColor")); });
    readInto(c.ZenOn, [&] { return key.ReadBool("ZenOn"); });
    return result;
}
