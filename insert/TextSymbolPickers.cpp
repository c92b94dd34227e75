// Text accents and special characters.  Each accent's picture is the accent
// on an "o" (on a "c" for the cedilla, which only sits under consonants).
#include "core/session/Session.h"
#include "insert/LastUsed.h"
#include "insert/TextSymbolPickers.h"

namespace textpickers {

namespace {

constexpr picker::Row kAccentRows[] = {
    {"\\`", "ò"},       {"\\'", "ó"},  {"\\^", "ô"},       {"\\~", "õ"}, {"\\=", "ō"},
    {"\\.", "ȯ"},       {"\\\"", "ö"}, {"\\v", "ǒ"},       {"\\H", "ő"}, {"\\u", "ŏ"},
    {"\\r", "o\u030A"}, {"\\d", "ọ"},  {"\\b", "o\u0331"}, {"\\c", "ç"}, {"\\t", "o\u0361o"},
};

// Where "&" or a lone "-" would mean something else in a menu, the pop-up
// shows the caption written the menu's way.
constexpr picker::Row kSpecialCharRows[] = {
    {"\\#", "#"},
    {"\\$", "$"},
    {"\\%", "%"},
    {"\\&", "&", nullptr, nullptr, "\\&&"},
    {"\\_", "_"},
    {"\\{", "{"},
    {"\\}", "}"},
    {"\\S", "§"},
    {"\\P", "¶"},
    {"\\textbullet", "•"},
    {"\\textperiodcentered", "·"},
    {"\\dag", "†"},
    {"\\ddag", "‡"},
    {"\\pounds", "£"},
    {"\\oe", "œ"},
    {"\\OE", "Œ"},
    {"\\ae", "æ"},
    {"\\AE", "Æ"},
    {"\\aa", "å"},
    {"\\AA", "Å"},
    {"\\ss", "ß"},
    {"\\textvisiblespace", "␣"},
    {"\\l", "ł"},
    {"\\L", "Ł"},
    {"\\o", "ø"},
    {"\\O", "Ø"},
    {"\\i", "ı"},
    {"\\j", "ȷ"},
    {"?`", "¿"},
    {"!`", "¡"},
    {"\\textbackslash", "\\"},
    {"\\textbar", "|"},
    {"\\textasciicircum", "^"},
    {"\\textasciitilde", "~"},
    {"\\copyright", "©"},
    {"\\textregistered", "®"},
    {"\\texttrademark", "™"},
    {"\\textless", "<"},
    {"\\textgreater", ">"},
    {"`", "‘"},
    {"'", "’"},
    {"``", "“"},
    {"''", "”"},
    {"``\\,`", "“‘"},
    {"''\\,'", "”’"},
    {"-", "-", nullptr, nullptr, "&-"},
    {"--", "–"},
    {"---", "—"},
};

}  // namespace

const picker::Family kAccent{
    .dialogName = "TFormAccent",
    .caption = "アクセント記号",
    .kind = picker::Kind::List,
    .choice = picker::Choice::Selected,
    .finish = picker::Finish::Accent,
    .helpContext = 6160,
    .width = 330,
    .height = 250,
    .emptyMessage = "アクセント記号が選択されていなかったので\r\nコマンドを作成出来ませんでした。",
    .messageCaption = "アクセント記号",
    .last = [](Session& s) { return &s.part<insert::LastUsed>().LastAccent; },
    .menuItem = "MenuFormatAccent",
    .menuCaption = "アクセント記号(&A)...",
    .shortcut = "Ctrl+E",
    .menuHelpContext = 6160,
    .hint = "アクセント記号を付けます。",
    .toolButton = "ToolButtonShoAccent",
    .toolHint = "アクセント記号を付けます  Ctrl+E",
    .toolFace = "ó",
    .popupName = "PMMenuAccent",
    .repeatItem = "PMMenuAccentPrev",
    .itemPrefix = "PMMenuAccent",
    .rows = kAccentRows,
};

const picker::Family kSpecialChar{
    .dialogName = "TFormTMoji",
    .caption = "特殊文字",
    .kind = picker::Kind::List,
    .choice = picker::Choice::Selected,
    .finish = picker::Finish::Blank,
    .helpContext = 5060,
    .width = 560,
    .height = 440,
    .emptyMessage = "文字が選択されていなかったので\r\nコマンドを作成出来ませんでした。",
    .messageCaption = "特殊文字",
    .last = [](Session& s) { return &s.part<insert::LastUsed>().LastSpecialChar; },
    .menuItem = "MenuInsTokusyu",
    .menuCaption = "特殊文字(&Y)...",
    .shortcut = "Ctrl+T",
    .menuHelpContext = 5060,
    .hint = "特殊文字を挿入します",
    .toolButton = "ToolButtonTeXInTokusyu",
    .toolHint = "特殊文字を挿入します  Ctrl+T",
    .toolFace = "§",
    .popupName = "PopupMenuTokusyu",
    .repeatItem = "PMTokusyuPrev",
    .itemPrefix = "PMTokusyu",
    .rows = kSpecialCharRows,
};

}  // namespace textpickers
