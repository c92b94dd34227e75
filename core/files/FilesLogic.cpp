#include "core/files/FilesLogic.h"

#include "core/files/DocumentFile.h"

namespace files {

const std::array<FileType, 9> FileTypes{{
    {"TeXﾌｧｲﾙ(*.tex)", "*.tex", ".tex"},
    {"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", "*.txt", ".txt"},
    {"文献ﾌｧｲﾙ(*.bib)", "*.bib", ".bib"},
    {"ｽﾀｲﾙﾌｧｲﾙ(*.sty)", "*.sty", ".sty"},
    {"Fortran(*.f)", "*.f;*.for", ".f"},
    {"C言語(*.c)", "*.c;*.cp;*.cpp", ".c"},
    {"GNUPLOT(*.plt)", "*.plt", ".plt"},
    {"ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ(*.BAK)", "*.BAK", ".BAK"},
    {"すべてのﾌｧｲﾙ(*.*)", "*.*", nullptr},
}};

QString dialogFilter(const char* text, const char* patterns)
{
    // The dialog reads the patterns from the last parenthesised group, so a
    // type whose text shows fewer patterns than it has gets them appended.
    // "*.*" would leave out names without a dot here, so all files is "*".
    const QString caption = QString::fromUtf8(text);
    QString list = QString::fromUtf8(patterns).replace(';', ' ');
    if (list == "*.*") list = "*";
    if (caption.endsWith("(" + list + ")")) return caption;
    return caption + " (" + list + ")";
}

QStringList dialogFilters()
{
    QStringList out;
    for (const FileType& t : FileTypes) out << dialogFilter(t.text, t.patterns);
    return out;
}

int filterIndexForExt(const QString& path)
{
    static const struct {
        const char* ext;
        int index;
    } table[] = {
        {".tex", 1}, {".txt", 2}, {".bib", 3}, {".sty", 4}, {".f", 5},   {".for", 5},
        {".c", 6},   {".cp", 6},  {".cpp", 6}, {".plt", 7}, {".bak", 8},
    };
    const QString ext = docfile::extractFileExt(path).toLower();
    for (const auto& row : table)
        if (ext == QLatin1String(row.ext)) return row.index;
    return 9;
}

QString forceExtension(const QString& name, int filterIndex)
{
    if (filterIndex < 1 || filterIndex > 8) return name;
    const QString forced = QString::fromUtf8(FileTypes[size_t(filterIndex - 1)].forced);
    if (docfile::extractFileExt(name).toLower() == forced.toLower()) return name;
    return docfile::changeFileExt(name, forced);
}

void addRecent(std::array<QString, 5>& recent, const QString& path)
{
    size_t k = 0;
    while (k < recent.size() && recent[k] != path) ++k;
    if (k == 0) return;
    if (k == recent.size()) k = recent.size() - 1;  // not listed: the last entry drops out
    for (size_t i = k; i > 0; --i) recent[i] = recent[i - 1];
    recent[0] = path;
}

QString recentCaption(int n, const QString& path)
{
    // "&" in a file name would otherwise turn the next letter into a mnemonic.
    QString name = docfile::extractFileName(path);
    name.replace('&', QStringLiteral("&&"));
    return QStringLiteral("&%1 ").arg(n) + name;
}

ColorAction decideColor(const ColorInputs& in)
{
    const QString ext = docfile::extractFileExt(in.path).toUpper();
    const long long limit = (long long)in.maxSizeKB * 1000;
    const bool noLimit = in.maxSizeKB == -1;
    if (in.length > limit && in.autoColor && !noLimit) return ColorAction::SizeOff;
    static const QStringList tex5{".TEX", ".STY", ".BIB", ".DTX", ".INS"};
    static const QStringList tex3{".TEX", ".STY", ".BIB"};
    if (!tex5.contains(ext) && in.autoColor && in.autoOff) return ColorAction::ExtensionOff;
    if (tex3.contains(ext) && !in.autoColor && in.autoOn && (in.length < limit || noLimit))
        return ColorAction::ExtensionOn;
    return ColorAction::Recolor;
}

QString colorMessage(ColorAction action, const ColorInputs& in)
{
    switch (action) {
        case ColorAction::SizeOff:
            return QStringLiteral("開くファイルのサイズが") + QString::number(in.maxSizeKB) +
                   QStringLiteral(
                       "KByteより大きいので、\r\n解析に時間がかかるため、カラー構文を自動的にオフにしました。");
        case ColorAction::ExtensionOff:
            return QStringLiteral(
                "開くファイルの拡張子が tex, sty, bib, dtx, ins のどれでもなかったので、\r\n"
                "カラー構文を自動的にオフにしました。");
        case ColorAction::ExtensionOn:
            return QStringLiteral("開くファイルの拡張子が ") + docfile::extractFileExt(in.path).toUpper() +
                   QStringLiteral(" だったので、\r\nカラー構文を自動的にオンにしました。");
        case ColorAction::Recolor: break;
    }
    return QString();
}

}  // namespace files
