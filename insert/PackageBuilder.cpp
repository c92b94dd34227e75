#include "insert/PackageBuilder.h"

#include <algorithm>

#include "core/insertion/CommandSearch.h"
#include "platform/Cp932.h"

namespace package {

namespace {

struct Group {
    const char* caption;
    const char* packages;  // blank-separated, without ".sty"
};
const Group kGroups[kGroupCount] = {
    {"標準パッケージ(&S)", "alltt exscale flafter ifthen latexsym plext"},
    {"AmS-LaTeXパッケージ(&A)",
     "amsbsy amscd amsgen amsintx amsmath amsopn amstex amstext amsthm amsxtra upref amssymb"},
    {"Babelパッケージ(&B)",
     "bahasa breton catalan croatian czech danish dutch english esperant estonian finnish francais galician "
     "germanb irish italian lsorbian magyar norsk polish portuges romanian scottish slovak slovene spanish "
     "swedish turkish usorbian"},
    {"graphicsパッケージ(&G)", "color epsfig graphics graphicx keyval lscape pstcol trig"},
    {"METAFONTﾌｫﾝﾄ用NFSSﾊﾟｯｹｰｼﾞ(&M)", "oldgerm pandora"},
    {"PostScriptﾌｫﾝﾄ用NFSSﾊﾟｯｹｰｼﾞ(&P)", "charter lucida mathtime nimbus psfonts utopia"},
    {"toolsパッケージ(&T)",
     "array dcolumn delarray hhline tabularx longtable enumerate ftnright multicol theorem varioref verbatim xr "
     "xspace"},
    {"LaTex3 Projectｻﾎﾟｰﾄ･ﾊﾟｯｹｰｼﾞ(&L)", "calc euler footnpag"},
    {"HyperTeX用パッケージ(&H)", "myhyper hypertex"},
    {"ユーザー定義パッケージ(&U)", ""},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string trimmed(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The position of close for the part that opens at pos, stepping over
// whole characters; -1 when the text ends first.
int closing(const std::string& text, size_t pos, char close)
{
    for (size_t i = pos + 1; i < text.size();) {
        if (text[i] == close) return int(i);
        i += size_t(std::max(1, cp932::charLength(text, i)));
    }
    return -1;
}

}  // namespace

QStringList groupCaptions()
{
    QStringList captions;
    for (const Group& g : kGroups) captions << QString::fromUtf8(g.caption);
    return captions;
}

QStringList groupFiles(int group)
{
    if (group < 0 || group >= kGroupCount) return {};
    QStringList files;
    for (const QString& name : QString::fromUtf8(kGroups[group].packages).split(' ', Qt::SkipEmptyParts))
        files << name + ".sty";
    return files;
}

QStringList userFiles(const QString& stored)
{
    QStringList files;
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : text.split('\n')) {
        const QString entry = line.trimmed();
        if (entry.isEmpty() || packageName(entry).isEmpty()) continue;
        const bool unusable = std::any_of(entry.begin(), entry.end(), [](QChar c) {
            return c.unicode() < 0x20 || c == u'{' || c == u'}' || c == u'\\' || c == u'%' || c == u',' ||
                   c.category() == QChar::Other_Control || c.category() == QChar::Other_NotAssigned ||
                   c.isSurrogate() || c.unicode() == 0xFFFD;
        });
        if (!unusable) files << entry;
    }
    return files;
}

QString packageName(const QString& entry)
{
    if (entry.endsWith(QLatin1String(".sty"), Qt::CaseInsensitive)) return entry.left(entry.size() - 4);
    return entry;
}

std::string command(const QString& entry)
{
    const QString name = packageName(entry.trimmed());
    if (name.isEmpty()) return {};
    return "\\usepackage{" + cp932::encode(name) + "}\r\n";
}

std::vector<std::string> loadedPackages(const std::string& text)
{
    std::vector<std::string> names;
    const std::string command = "\\usepackage";
    for (int at = commandsearch::find(text, command); at >= 0;
         at = commandsearch::find(text, command, at + int(command.size()))) {
        size_t i = size_t(at) + command.size();
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i < text.size() && text[i] == '[') {
            const int close = closing(text, i, ']');
            if (close < 0) break;
            i = size_t(close) + 1;
            while (i < text.size() && isBlank(text[i])) ++i;
        }
        if (i >= text.size() || text[i] != '{') continue;
        const int close = closing(text, i, '}');
        if (close < 0) break;
        const std::string list = text.substr(i + 1, size_t(close) - i - 1);
        size_t from = 0;
        while (from <= list.size()) {
            size_t comma = list.find(',', from);
            if (comma == std::string::npos) comma = list.size();
            const std::string name = trimmed(list.substr(from, comma - from));
            if (!name.empty()) names.push_back(name);
            from = comma + 1;
        }
    }
    return names;
}

bool isLoaded(const std::string& text, const std::string& name)
{
    const std::vector<std::string> loaded = loadedPackages(text);
    return std::find(loaded.begin(), loaded.end(), name) != loaded.end();
}

Placement place(const std::string& text, int caret, const std::string& line)
{
    Placement p;
    int at = caret;
    const int begin = commandsearch::find(text, "\\begin{document}");
    if (begin >= 0 && begin < caret) {
        p.atBeginDocument = true;
        at = begin;
    }
    p.at = at;
    const bool atLineStart = at <= 0 || (size_t(at) <= text.size() && text[size_t(at) - 1] == '\n');
    p.text = (atLineStart ? "" : "\r\n") + line;
    p.caretAfter = caret + int(p.text.size());
    return p;
}

}  // namespace package
