// The built-in colour table, and the table's loading from "\Color" and
// saving to it.
#include "core/colour/ColorTable.h"

#include <algorithm>

#include "core/settings/Keys.h"

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
     0x000080,
     true,
     true},
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

const settings::Value* const kClassValues[] = {
    &key::GenTeXColor.value, &key::RemColor.value,     &key::RemItalic.value,
    &key::DollerColor.value, &key::DollerItalic.value, &key::AndColor.value,
    &key::AndItalic.value,   &key::ZenColor.value,     &key::ZenOn.value,
};

}  // namespace

ColorClassSettings::ColorClassSettings()
    : GenTeXColor(unsigned(key::GenTeXColor.value.number)),
      RemColor(unsigned(key::RemColor.value.number)),
      RemItalic(key::RemItalic.value.number != 0),
      DollerColor(unsigned(key::DollerColor.value.number)),
      DollerItalic(key::DollerItalic.value.number != 0),
      AndColor(unsigned(key::AndColor.value.number)),
      AndItalic(key::AndItalic.value.number != 0),
      ZenColor(unsigned(key::ZenColor.value.number)),
      ZenOn(key::ZenOn.value.number != 0)
{
}

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

ColorTable LoadColorTable(const settings::Store& store)
{
    const std::vector<ColorCommandRow>& builtIn = builtInColorTable();

    // Nearly two hundred defaults at the first start go to the file in one
    // write when the batch ends; a failure to write them is logged there and
    // does not stop the load, which reads them back from the batch.
    settings::Batch batch;
    const settings::Value* const count[] = {&key::ColorCount.value};
    store.writeMissing(count);
    for (int i = 0; i < kBuiltInColorCommands; ++i) {
        const ColorCommandRow& row = builtIn[size_t(i)];
        const int n = i + 1;
        if (!store.exists(key::ColorCommand.value, n)) store.write(key::ColorCommand, n, row.name);
        if (!store.exists(key::ColorColor.value, n)) store.write(key::ColorColor, n, int(row.color));
        if (!store.exists(key::ColorBold.value, n)) store.write(key::ColorBold, n, row.bold);
        if (!store.exists(key::ColorItalic.value, n)) store.write(key::ColorItalic, n, row.italic);
        if (!store.exists(key::ColorAst.value, n)) store.write(key::ColorAst, n, row.ast);
    }
    store.writeMissing(kClassValues);

    ColorTable result;
    const int rows = std::clamp(store.read(key::ColorCount), 0, kMaxColorCommands);
    for (int i = 0; i < rows; ++i) {
        const int n = i + 1;
        const bool builtInRow = i < kBuiltInColorCommands;
        ColorCommandRow row = builtInRow ? builtIn[size_t(i)] : ColorCommandRow{};
        // A built-in row's values default to the built-in ones; any other
        // row without a readable name is dropped, as it could be neither
        // coloured nor shown.
        if (builtInRow) {
            row.name = store.read(key::ColorCommand, n, row.name);
        } else if (auto name = store.find(key::ColorCommand, n)) {
            row.name = *name;
        } else {
            continue;
        }
        row.color = unsigned(store.read(key::ColorColor, n, int(row.color)));
        row.bold = store.read(key::ColorBold, n, row.bold);
        row.italic = store.read(key::ColorItalic, n, row.italic);
        row.ast = store.read(key::ColorAst, n, row.ast);
        result.rows.push_back(row);
    }

    ColorClassSettings& c = result.classes;
    c.GenTeXColor = unsigned(store.read(key::GenTeXColor));
    c.RemColor = unsigned(store.read(key::RemColor));
    c.RemItalic = store.read(key::RemItalic);
    c.DollerColor = unsigned(store.read(key::DollerColor));
    c.DollerItalic = store.read(key::DollerItalic);
    c.AndColor = unsigned(store.read(key::AndColor));
    c.AndItalic = store.read(key::AndItalic);
    c.ZenColor = unsigned(store.read(key::ZenColor));
    c.ZenOn = store.read(key::ZenOn);
    return result;
}

void SaveColorTable(const settings::Store& store, const ColorTable& table)
{
    // The order of the writes is the order new keys take in the file.
    const ColorClassSettings& c = table.classes;
    settings::Batch batch;
    store.write(key::RemColor, int(c.RemColor));
    store.write(key::RemItalic, c.RemItalic);
    std::vector<const ColorCommandRow*> rows;
    for (const ColorCommandRow& r : table.rows)
        if (!r.name.isEmpty() && int(rows.size()) < kMaxColorCommands) rows.push_back(&r);
    store.write(key::ColorCount, int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const ColorCommandRow& r = *rows[i];
        const int n = int(i) + 1;
        store.write(key::ColorCommand, n, r.name);
        store.write(key::ColorColor, n, int(r.color));
        store.write(key::ColorAst, n, r.ast);
        store.write(key::ColorBold, n, r.bold);
        store.write(key::ColorItalic, n, r.italic);
    }
    store.write(key::DollerColor, int(c.DollerColor));
    store.write(key::AndColor, int(c.AndColor));
    store.write(key::ZenColor, int(c.ZenColor));
    store.write(key::GenTeXColor, int(c.GenTeXColor));
    store.write(key::DollerItalic, c.DollerItalic);
    store.write(key::AndItalic, c.AndItalic);
    store.write(key::ZenOn, c.ZenOn);
    batch.commit();
}
