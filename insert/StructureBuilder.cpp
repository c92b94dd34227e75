#include "insert/StructureBuilder.h"

#include "platform/Cp932.h"

namespace structure {

const std::array<Heading, kHeadingCount>& headings()
{
    static const std::array<Heading, kHeadingCount> table{{
        {"\\part", "part", "部の見出し：", "MenuInsMidPart", "PopupPart", "部 / \\part", ""},
        {"\\chapter", "chapter", "章の見出し：", "MenuInsMidChapter", "PopupChapter", "章 / \\chapter", ""},
        {"\\section", "section", "節の見出し：", "MenuInsMidSection", "PopupSection", "節 / \\section", "Ctrl+Q"},
        // This prompt alone ends in an ASCII colon.
        {"\\subsection", "subsection", "小節の見出し:", "MenuInsMidSubsec", "PopupSubsection", "小節 / \\subsection",
         "Ctrl+W"},
        {"\\subsubsection", "subsubsection", "小々節の見出し：", "MenuInsMidSubSubSec", "PopupSubsubsection",
         "小々節 / \\subsubsection", ""},
        {"\\paragraph", "paragraph", "段落の見出し：", "MenuInsMidParagraph", "PopupParagraph", "段落 / \\paragraph",
         ""},
        {"\\subparagraph", "subparagraph", "小段落の見出し：", "MenuInsMidSubParag", "PopupSubparagraph",
         "小段落 / \\subparagraph", ""},
        {"\\part*", "part*", "（見出し番号なし）部の見出し：", "MenuTexMidPart2", "PopupPart2",
         "部（見出し番号なし） / \\part*", ""},
        {"\\chapter*", "chapter*", "（見出し番号なし）章の見出し：", "MenuTexMidChapter2", "PopupChapter2",
         "章（見出し番号なし） / \\chapter*", ""},
        {"\\section*", "section*", "（見出し番号なし）節の見出し：", "MenuTexMidSection2", "PopupSection2",
         "節（見出し番号なし） / \\section*", ""},
        {"\\subsection*", "subsection*", "（見出し番号なし）小節の見出し：", "MenuTexMidSubsection2",
         "PopupSubsection2", "小節（見出し番号なし） / \\subsection*", ""},
        {"\\subsubsection*", "subsubsection*", "（見出し番号なし）小々節の見出し：", "MenuTexMidSubsubsection2",
         "PopupSubsubsection2", "小々節（見出し番号なし） / \\subsubsection*", ""},
        {"\\paragraph*", "paragraph*", "（見出し番号なし）段落の見出し：", "MenuTexMidParagraph2", "PopupParagraph2",
         "段落（見出し番号なし） / \\paragraph*", ""},
        {"\\subparagraph*", "subparagraph*", "（見出し番号なし）小段落の見出し：", "MenuTexMidSubparagraph2",
         "PopupSubparagraph2", "小段落（見出し番号なし） / \\subparagraph*", ""},
    }};
    return table;
}

const Heading* headingByTag(int tag)
{
    if (tag < 0 || tag >= kHeadingCount) return nullptr;
    return &headings()[size_t(tag)];
}

wrap::Insertion headingText(const Heading& heading, const std::string& body, bool fromSelection)
{
    wrap::Insertion out;
    out.text = std::string(heading.command) + "{" + body + "}\r\n";
    if (!fromSelection && body.empty()) out.caretBack = 3;
    return out;
}

const std::array<Environment, kEnvironmentCount>& environments()
{
    static const std::array<Environment, kEnvironmentCount> table{{
        {"MenuFormatHaitiLeft", "左揃え(&L) / flashleft環境", "ToolButtonShoLeft", "", "\\begin{flushleft}\r\n",
         "\r\n\\end{flushleft}", 18},
        {"MenuFormatHaitiCenter", "中央揃え(&C) / center環境", "ToolButtonShoCenter", "", "\\begin{center}\r\n",
         "\r\n\\end{center}", 15},
        {"MenuFormatHaitiRight", "右揃え(&R) / flashright環境", "ToolButtonShoRight", "", "\\begin{flushright}\r\n",
         "\r\n\\end{flushright}", 19},
        {"MenuFormatHaitiQuote", "引用（段落１つ）(&Q) / quote環境", "", "", "\\begin{quote}\r\n", "\r\n\\end{quote}",
         14},
        {"MenuFormatHaitiQuotation", "引用（段落２つ以上）(&O) / quotation環境", "", "", "\\begin{quotation}\r\n",
         "\r\n\\end{quotation}", 18},
        {"MenuFormatVerbVerbatim", "複数行出力(&B) / verbatim環境", "", "PopupVerbatim", "\\begin{verbatim}\r\n",
         "\r\n\\end{verbatim}", 17},
        {"MenuFormatAbstract", "概要用の出力形式(&G) / abstract環境", "", "", "\\begin{abstract}\r\n",
         "\r\n\\end{abstract}", 17},
        {"MenuFormatVerse", "詩用の出力形式(&E) / verse環境", "", "", "\\begin{verse}\r\n", "\r\n\\end{verse}", 14},
    }};
    return table;
}

const Environment* environmentBySender(const QString& senderName)
{
    if (senderName.isEmpty()) return nullptr;
    for (const Environment& env : environments()) {
        if (senderName == env.menuItem || senderName == env.toolButton || senderName == env.otherSender) return &env;
    }
    return nullptr;
}

wrap::Insertion environmentText(const Environment& env, const wrap::EditorState& editor)
{
    return wrap::environment(editor, env.opening, env.closing, env.caretBack);
}

const List& list(ListKind kind)
{
    static const std::array<List, 3> table{{
        {"MenuFormatItemize", "見出し記号付き(&I) / itemize環境", "ToolButtonShoKajyou1", "\\begin{itemize}\r\n",
         "  \\item ", "\\end{itemize}", "\\begin{itemize}\r\n  \\item %ここに項目を書く\r\n\\end{itemize}", 32},
        {"MenuFormatEnumerate", "見出し番号付き(&E) / enumerate環境", "ToolButtonShoKajyou2", "\\begin{enumerate}\r\n",
         "  \\item ", "\\end{enumerate}", "\\begin{enumerate}\r\n  \\item %ここに項目を書く\r\n\\end{enumerate}", 34},
        {"MenuFormatDescription", "見出し語指定(&D) / description環境", "", "\\begin{description}\r\n", "  \\item[] ",
         "\\end{description}",
         "\\begin{description}\r\n  \\item[] %[]内に見出し語を書き、ここに項目を書く\r\n\\end{description}", 60},
    }};
    return table[size_t(kind)];
}

std::vector<std::string> selectedLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t brk = text.find("\r\n", start);
        if (brk == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, brk - start));
        start = brk + 2;
    }
    return lines;
}

wrap::Insertion listText(const List& list, const wrap::EditorState& editor)
{
    if (!editor.hasSelection())
        return wrap::templateText(editor, cp932::encode(QString::fromUtf8(list.placeholderTemplate)), list.caretBack);
    wrap::Insertion out;
    out.text = wrap::lineStartBreak(editor);
    out.text += list.opening;
    for (const std::string& line : selectedLines(editor.selText)) out.text += list.itemPrefix + line + "\r\n";
    out.text += list.closing;
    return out;
}

}  // namespace structure
