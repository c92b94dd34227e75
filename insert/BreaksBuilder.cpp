#include "insert/BreaksBuilder.h"

namespace breaks {

const std::array<Break, kBreakCount>& breakTable()
{
    static const std::array<Break, kBreakCount> table = {{
        {"\\par", "段落を変える/\\par(&P)", "PMKaigyou"},
        {"\\\\", "改行１（普通の改行）/\\\\(&Y)", "Y1"},
        {"\\linebreak", "改行２（改行する行が、行の途中で改行されずに左右全体に広がる）/\\linebreak(&L)",
         "linebreakL1"},
        {"\\noindent ", "段落の始まる直前で宣言すると、その段落は字下げをしなくなる/\\noindent(&I)", "noindentI1"},
        {"\\newpage", "強制改ページ１（普通の強制改ページ）/\\newpage(&N)", "newpageN1"},
        {"\\clearpage", "強制改ページ２（配置していない図表を出力した後で改ページする）/\\clearpage(&C)",
         "clearpageC1"},
        {"\\cleardoublepage", "強制改ページ３（改ページ後、必ず奇数頁から始まるように改頁する）/\\cleardoublepage(&D)",
         "cleardoublepageD1"},
        {"\\pagebreak", "強制改ページ４（改ページ後、行間を調整して版面いっぱいに広げる）/\\pagebreak(&B)",
         "pagebreakB1"},
    }};
    return table;
}

std::string breakCommand(int index)
{
    if (index < 0 || index >= kBreakCount) return {};
    return breakTable()[size_t(index)].command;
}

std::string popupBreakTail(int index)
{
    if (index < 0 || index >= kBreakCount || index == 3) return {};
    return "\r\n";
}

const std::array<FixedSpace, kFixedSpaceCount>& fixedSpaces()
{
    static const std::array<FixedSpace, kFixedSpaceCount> table = {{
        {"\\ ", "MenuInsSpcHankaku", "半角空白(&H)", "PopupHankakuSpace", "半角空白 / \\ (&H)"},
        {"\\quad ", "MenuInsSpcZenkaku", "全角空白（クワタ）(&Z)", "PopupZenkakuSpace",
         "全角空白（クワタ） / \\quad(&Z)"},
        {"\\qquad ", "MenuInsSpcQuad2", "クワタ２個分(&T)", "PopupQquad", "クワタ２個分 / \\qquad(&T)"},
        {"\\,", "MenuInsSpcQuad6", "クワタの１／６(&S)", "PopupQuad6", "クワタの１／６ / \\,(&S)"},
    }};
    return table;
}

std::string fixedSpace(int tag)
{
    if (tag < 0 || tag >= kFixedSpaceCount) return {};
    return fixedSpaces()[size_t(tag)].text;
}

std::string explicitSpace(int kind, int amountMm)
{
    static const char* const openings[] = {"\\vspace{", "\\vspace*{", "\\hspace{", "\\hspace*{"};
    if (kind < 0 || kind > 3) return {};
    return std::string(openings[kind]) + std::to_string(amountMm) + "mm}";
}

std::string fillSpace(int kind, int ignored)
{
    if (kind < 0 || kind > 1 || ignored < 0 || ignored > 1) return {};
    if (kind == 0) return ignored ? "\\vfil " : "\\vfill ";
    return ignored ? "\\hfil " : "\\hfill ";
}

bool fillIsVertical(int kind) { return kind == 0; }

std::string paragraphSpace(int index)
{
    static const char* const skips[] = {"\\smallskip", "\\medskip", "\\bigskip"};
    if (index < 0 || index > 2) return {};
    return skips[index];
}

}  // namespace breaks
