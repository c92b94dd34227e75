#include "insert/BibBuilder.h"

#include <QString>

#include "core/insertion/CommandSearch.h"
#include "core/search/Search.h"
#include "platform/Cp932.h"

namespace bib {

namespace {

int find(const std::string& text, const std::string& pattern, int from, bool matchCase)
{
    return textsearch::findDown(text, pattern, from, int(text.size()), {false, matchCase});
}

}  // namespace

std::string templateText()
{
    const char* lines[] = {
        "%参考文献",
        "\\begin{thebibliography}{99}%参考文献の数が1桁なら9,3桁なら999にする",
        "",
        "  \\bibitem {ラベル名を半角英数で書く}",
        "    表示する参考文献情報をココに書く。",
        "    以下に記入例を記す。",
        "",
        "  \\bibitem {PAPER1}",
        "    山田一郎, 佐藤花子, 田中次郎:",
        "    ``縦書きと横書きが混在する日本語文書の組版について,\"",
        "    組版\\&文書処理シンポジウム講演論文集 2001,",
        "    pp.~45--52, 2001年10月.",
        "",
        "  \\bibitem {BOOK1}",
        "    山田一郎: 『日本語LaTeX文書作成の手引き』",
        "    (文書工房出版, 1999).",
        "",
        "\\end{thebibliography}",
    };
    std::string text;
    for (const char* line : lines) text += cp932::encode(QString::fromUtf8(line)) + "\r\n";
    return text;
}

std::vector<std::string> bibitemNames(const std::string& text)
{
    std::vector<std::string> names;
    int scan = 0;
    for (;;) {
        const int b = commandsearch::find(text, "\\bibitem", scan, true);
        if (b < 0) break;
        const int o = find(text, "{", b + 2, true);
        if (o < 0) break;
        const int c = find(text, "}", o + 1, true);
        if (c < 0) break;
        if (o - b >= 33 || c - o >= 257) {
            scan = b + 8;
            continue;
        }
        names.push_back(text.substr(size_t(o) + 1, size_t(c - o - 1)));
        scan = c + 1;
    }
    return names;
}

const std::vector<Style>& citeStyles()
{
    static const std::vector<Style> styles = {
        {"[5]", "", ""},
        {"文献[5]", "文献", ""},
        {"（文献[5]）", "（文献", "）"},
        {"参考文献[5]", "参考文献", ""},
        {"（参考文献[5]）", "（参考文献", "）"},
    };
    return styles;
}

wrap::Insertion citation(const std::string& name, int style)
{
    const std::vector<Style>& styles = citeStyles();
    const Style& s = style >= 0 && size_t(style) < styles.size() ? styles[size_t(style)] : styles[0];
    wrap::Insertion out;
    out.text = cp932::encode(QString::fromUtf8(s.prefix)) + "\\cite{" + name + "}" +
               cp932::encode(QString::fromUtf8(s.suffix));
    return out;
}

}  // namespace bib
