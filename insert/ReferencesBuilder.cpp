#include "insert/ReferencesBuilder.h"

#include <QString>

#include "core/insertion/CommandSearch.h"
#include "platform/Cp932.h"

namespace refs {

namespace {

bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character starting at pos.
size_t charLength(const std::string& text, size_t pos)
{
    return isLead(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool matchesAt(const std::string& text, size_t pos, const std::string& needle, bool ignoreCase)
{
    if (pos + needle.size() > text.size()) return false;
    for (size_t i = 0; i < needle.size(); ++i) {
        const char a = text[pos + i], b = needle[i];
        if (ignoreCase ? lower(a) != lower(b) : a != b) return false;
    }
    return true;
}

// First character start at or after from where needle begins; npos if none.
// from must itself be a character start.
size_t find(const std::string& text, const std::string& needle, size_t from, bool ignoreCase)
{
    for (size_t pos = from; pos < text.size(); pos += charLength(text, pos))
        if (matchesAt(text, pos, needle, ignoreCase)) return pos;
    return std::string::npos;
}

std::string sjis(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

wrap::Insertion wrapped(const char* command, const std::string& name, const Style* style)
{
    const std::string prefix = style ? sjis(style->prefix) : std::string();
    const std::string suffix = style ? sjis(style->suffix) : std::string();
    const std::string text = prefix + command + name + "}" + suffix;
    return {text, name.empty() ? int(suffix.size()) + 1 : 0};
}

const Style* at(const std::vector<Style>& styles, int index)
{
    return index >= 0 && size_t(index) < styles.size() ? &styles[size_t(index)] : &styles[0];
}

}  // namespace

std::vector<std::string> labelNames(const std::string& text)
{
    std::vector<std::string> names;
    size_t scan = 0;
    for (;;) {
        const int found = commandsearch::find(text, "\\label", int(scan), true);
        if (found < 0) break;
        const size_t match = size_t(found);
        const size_t open = find(text, "{", match + 2, false);
        if (open == std::string::npos) break;
        const size_t close = find(text, "}", open + 1, false);
        if (close == std::string::npos) break;
        scan = close + 1;
        // Characters, not bytes, make up the name's length.
        size_t chars = 0;
        for (size_t pos = open + 1; pos < close; pos += charLength(text, pos)) ++chars;
        if (chars > 255) break;
        names.push_back(text.substr(open + 1, close - open - 1));
    }
    return names;
}

bool contains(const std::string& text, const std::string& needle) { return commandsearch::contains(text, needle); }

wrap::Insertion label(const std::string& name) { return {"\\label{" + name + "}", name.empty() ? 1 : 0}; }

const std::vector<Style>& refStyles()
{
    static const std::vector<Style> styles = {
        {"参照番号のみ　（\\ref{...}）", "", ""},
        {"第３部　　　　　　（第\\ref{...}部）", "第", "部"},
        {"第３章　　　　　　（第\\ref{...}章）", "第", "章"},
        {"第３節　　　　　　（第\\ref{...}節）", "第", "節"},
        {"式（3.10)　　　　　（式(\\ref{...})）", "式(", ")"},
        {"図（3.10)　　　　　（図\\ref{...}）", "図", ""},
        {"Figure 3.10 　　　(Figure \\ref{...})", "Figure ", ""},
        {"Fig.3.10　　　　　(Fig.\\ref{...})", "Fig.", ""},
        {"表（3.10）　　　　 （表\\ref{...}）", "表", ""},
        {"Table 3.10　　　　(Table \\ref{...])", "Table ", ""},
    };
    return styles;
}

const std::vector<Style>& pageRefStyles()
{
    static const std::vector<Style> styles = {
        {"ページ番号のみ　（\\pageref{...}）", "", ""},
        {"P.35　　　　（P.\\pageref{...}）", "P.", ""},
        {"35ページ　（\\pageref{...}ページ）", "", "ページ"},
        {"35頁　　　　(\\pageref{...}頁)", "", "頁"},
    };
    return styles;
}

wrap::Insertion reference(const std::string& name, int style)
{
    return wrapped("\\ref{", name, at(refStyles(), style));
}

wrap::Insertion pageReference(const std::string& name, int style)
{
    return wrapped("\\pageref{", name, at(pageRefStyles(), style));
}

}  // namespace refs
