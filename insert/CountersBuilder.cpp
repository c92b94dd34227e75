#include "insert/CountersBuilder.h"

namespace counters {

const std::vector<const char*>& counterNames()
{
    static const std::vector<const char*> list = {
        "part",         "chapter", "section",  "subsection", "subsubsection", "paragraph",
        "subparagraph", "page",    "equation", "figure",     "table",         "footnote",
        "enumi",        "enumii",  "enumiii",  "enumiv",     "mpfootnote",
    };
    return list;
}

std::string setCounter(int index, int value)
{
    if (index < 0 || size_t(index) >= counterNames().size()) return {};
    return std::string("\\setcounter{") + counterNames()[size_t(index)] + "}{" + std::to_string(value) + "}\r\n";
}

const std::vector<Name>& names()
{
    static const std::vector<Name> list = {
        {"部の番号の前の文字   （第）", "\\prepartname", "第"},
        {"部の番号の後の文字   （部）", "\\postpartname", "部"},
        {"目次のタイトル            （目 次）", "\\contentsname", "目 次"},
        {"図の目次のタイトル      （図 目 次）", "\\listfigurename", "図 目 次"},
        {"表の目次のタイトル      （表 目 次）", "\\listtablename", "表 目 次"},
        {"参考文献のタイトル      （参考文献）", "\\refname", "参考文献"},
        {"図のタイトル               （図）", "\\figurename", "図"},
        {"表のタイトル               （表）", "\\tablename", "表"},
        {"付録のタイトル            （付 録）", "\\appendixname", "付 録"},
        {"abstract環境のタイトル （概 要）", "\\abstractname", "概 要"},
    };
    return list;
}

std::string renewCommand(int index, const std::string& text)
{
    if (index < 0 || size_t(index) >= names().size()) return {};
    return std::string("\\renewcommand{") + names()[size_t(index)].command + "}{" + text + "}\r\n";
}

}  // namespace counters
