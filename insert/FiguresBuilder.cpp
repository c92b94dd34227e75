#include "insert/FiguresBuilder.h"

#include <QDir>
#include <QFileInfo>

#include "core/insertion/CommandSearch.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace figures {

namespace {

std::string sj(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The package names of the \usepackage whose name ends at pos.
void packageNames(std::string_view text, size_t pos, bool& graphics, bool& graphicx)
{
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos])) ++pos;
    };
    skipBlanks();
    if (pos < text.size() && text[pos] == '[') {
        const size_t close = text.find(']', pos);
        if (close == std::string_view::npos) return;
        pos = close + 1;
        skipBlanks();
    }
    if (pos >= text.size() || text[pos] != '{') return;
    const size_t close = text.find('}', pos);
    if (close == std::string_view::npos) return;
    std::string_view list = text.substr(pos + 1, close - pos - 1);
    while (!list.empty()) {
        const size_t comma = list.find(',');
        std::string_view name = list.substr(0, comma);
        while (!name.empty() && isBlank(name.front())) name.remove_prefix(1);
        while (!name.empty() && isBlank(name.back())) name.remove_suffix(1);
        if (name == "graphics") graphics = true;
        if (name == "graphicx") graphicx = true;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
}

}  // namespace

Package loadedPackage(std::string_view text)
{
    constexpr std::string_view kUse = "\\usepackage";
    bool graphics = false, graphicx = false;
    for (int at = commandsearch::find(text, kUse); at >= 0; at = commandsearch::find(text, kUse, at + int(kUse.size())))
        packageNames(text, size_t(at) + kUse.size(), graphics, graphicx);
    if (graphics) return Package::Graphics;
    if (graphicx) return Package::Graphicx;
    return Package::None;
}

QString extensionOf(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const int dot = name.lastIndexOf('.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString withLowerExtension(const QString& path)
{
    const QString ext = extensionOf(path);
    return path.left(path.size() - ext.size()) + ext.toLower();
}

bool sizeOptional(const QString& reference)
{
    const QString ext = extensionOf(reference);
    return ext == ".ps" || ext == ".eps" || ext == ".pbm";
}

QString fileReference(const QString& chosenPath, bool fullPath, const QString& documentFolder)
{
    const QFileInfo chosen(chosenPath);
    if (fullPath) return QDir::fromNativeSeparators(chosen.absoluteFilePath());
    if (documentFolder.isEmpty()) return chosen.fileName();
    return QDir::fromNativeSeparators(QDir(documentFolder).relativeFilePath(chosen.absoluteFilePath()));
}

wrap::Insertion figure(const FigureChoices& c, const std::string& reference, const std::string& name,
                       const wrap::EditorState& editor)
{
    static const char* const kOpen[] = {nullptr, "  \\begin{flushleft}\r\n", "  \\begin{center}\r\n",
                                        "  \\begin{flushright}\r\n"};
    static const char* const kClose[] = {nullptr, "  \\end{flushleft}\r\n", "  \\end{center}\r\n",
                                         "  \\end{flushright}\r\n"};
    const bool aligned = c.align >= 1 && c.align <= 3;

    std::string t = wrap::lineStartBreak(editor);
    t += sj("% 図の挿入\r\n");
    t += "\\begin{figure}[" + c.placement.letters() + "]\r\n";
    if (aligned) t += kOpen[c.align];
    t += "    \\includegraphics";
    if (c.sizeOn) {
        const std::string w = std::to_string(c.width), h = std::to_string(c.height);
        if (c.graphics)
            t += "[" + w + "mm," + h + "mm]";
        else if (!c.aspect)
            t += "[width=" + w + "mm,height=" + h + "mm]";
        else
            t += "[keepaspectratio=true,height=" + h + "mm]";
    }
    t += "{" + reference + "}\r\n";
    if (aligned) t += kClose[c.align];
    t += "  \\caption{";
    const size_t caret = t.size();
    t += sj("}%タイトルを記入\r\n");
    if (c.label) t += "  \\label{fig:" + name + "}\r\n";
    t += "\\end{figure}\r\n";
    return {t, int(t.size() - caret)};
}

std::string inclusion(int kind, const std::string& reference)
{
    if (kind != 1) return "\\input{" + reference + "}\r\n";
    std::string base = reference;
    if (base.size() >= 4 && base.compare(base.size() - 4, 4, ".tex") == 0) base.resize(base.size() - 4);
    return "\\include{" + base + "}\r\n";
}

// What pLaTeX makes of a file name in \input{...}, \include{...} and
// \includegraphics{...}, as Debian's TeX Live reads it:
// - the name reaches the file system through JIS X 0208: a half-width kana
//   is read as a byte of its own ("^^b1"), and NEC or IBM extension
//   characters and user-defined characters name no file;
// - a character Shift-JIS holds only under another code (such as U+301C for
//   81 60) comes back as that code's character, another file;
// - TeX reads "^^" and what follows as one character code, drops a blank at
//   the start of the name and reads two blanks as one;
// - the file finder takes a leading "~" for the home folder, a leading "|"
//   for a command to run, and "$" followed by a letter, digit or "_" for a
//   variable;
// - \include writes name.aux and reads it back: a "~" there is a space,
//   and TeX writes no file by a full path or through a folder or file name
//   that starts with "." (".." included).
namespace {

// A double-byte CP932 character of JIS X 0208 (rows 1 to 8 and the kanji
// rows); NEC row 13 (87), the IBM extensions (ED, EE, FA-FC) and the
// user-defined area (F0-F9) are not.
bool isJisX0208Lead(unsigned char lead) { return lead <= 0x84 || (lead >= 0x88 && lead <= 0xEA); }

// Whether every character of the name reaches the file system as itself.
bool readsAsJisName(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const int n = cp932::charLength(bytes, i);
        if (n == 2 && !isJisX0208Lead(c)) return false;
        if (n == 1 && c >= 0x80) return false;  // half-width kana
        i += size_t(n);
    }
    return true;
}

// The file finder's variable names are ASCII letters, digits and "_".
bool isVariableChar(QChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A way of writing the name that TeX or its file finder reads as something
// else.
bool readAsSomethingElse(const QString& reference)
{
    if (reference.startsWith(' ') || reference.startsWith('~') || reference.startsWith('|')) return true;
    if (reference.contains("  ") || reference.contains("^^")) return true;
    for (qsizetype i = reference.indexOf('$'); i >= 0; i = reference.indexOf('$', i + 1))
        if (i + 1 < reference.size() && isVariableChar(reference[i + 1])) return true;
    return false;
}

// A full path, or a folder or file name that starts with ".": TeX writes
// no .aux file there.
bool auxNotWritable(const QString& reference)
{
    if (reference.startsWith('/')) return true;
    for (const QString& part : reference.split('/'))
        if (part.startsWith('.') && part != ".") return true;
    return false;
}

}  // namespace

QString referenceProblem(const QString& reference, Use use)
{
    bool lossy = false;
    const std::string bytes = cp932::encode(reference, &lossy);
    if (!lossy && cp932::decode(bytes) != reference) lossy = true;
    for (QChar ch : reference) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) lossy = true;
    }
    if (lossy)
        return utf8(
                   "ファイル名「%1」には、文書に書けない文字（Shift-JIS にない文字や制御文字）が含まれています。\r\n"
                   "ファイル名を変えてから、もう一度実行して下さい。")
            .arg(reference);

    if (use == Use::Figure) {
        const QString forbidden = utf8("\"'#%{}\\~");
        bool bad = false;
        for (QChar ch : reference)
            if (forbidden.contains(ch) || ch == ' ' || ch.unicode() >= 0x80) bad = true;
        if (bad)
            return utf8(
                       "図のファイル名「%1」には、pLaTeX や dvipdfmx が読めない文字（空白、全角文字、"
                       "\" ' # % { } \\ ~ のいずれか）が含まれています。\r\n"
                       "ファイル名やフォルダ名を半角英数字に変えてから、もう一度実行して下さい。")
                .arg(reference);
    } else {
        const QString forbidden = use == Use::Include ? utf8("\"%{}\\~") : utf8("\"%{}\\");
        bool bad = !readsAsJisName(bytes);
        for (QChar ch : reference)
            if (forbidden.contains(ch)) bad = true;
        if (bad)
            return utf8(
                       "ファイル名「%1」には、pLaTeX が読めない文字（%2 のいずれか、半角カナ、機種依存文字）が"
                       "含まれています。\r\n"
                       "ファイル名やフォルダ名を変えてから、もう一度実行して下さい。")
                .arg(reference, use == Use::Include ? utf8("\" % { } \\ ~") : utf8("\" % { } \\"));
    }
    if (readAsSomethingElse(reference))
        return utf8(
                   "ファイル名「%1」は、pLaTeX が別の名前に読み替えてしまいます（先頭の空白・~・|、二つ続いた空白、"
                   "^^、$ の後に英数字が続くものは使えません）。\r\n"
                   "ファイル名やフォルダ名を変えてから、もう一度実行して下さい。")
            .arg(reference);
    if (use != Use::Include) return {};
    if (auxNotWritable(reference))
        return utf8(
                   "\\include で読み込むファイル「%1」の .aux ファイルを、TeX が書き出せません"
                   "（フルパスや、「.」で始まるフォルダ名・ファイル名は使えません）。\r\n"
                   "ファイルを文書のフォルダの中に置くか、\\input を選んで下さい。")
            .arg(reference);
    if (!reference.endsWith(".tex"))
        return utf8(
                   "\\include で読み込めるのは、拡張子が .tex のファイルだけです（「%1」）。\r\n"
                   "\\input を選んで下さい。")
            .arg(reference);
    return {};
}

}  // namespace figures
