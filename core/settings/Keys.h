#pragma once
// Every value the program keeps in the settings store, declared once with
// its key, name, type and default.  A feature adds its own values here (or
// in a header of its own, with the same helpers); the start-up tables in
// core/settings/Layout.cpp list those written at the first start.
#include "core/settings/Settings.h"

namespace key {
using namespace settings;

// ---- the program's key itself ----
inline constexpr Integer ZuSmall = integer("", "ZuSmall", 0);
inline constexpr Integer DirOnOff = integer("", "DirOnOff", 0);
inline constexpr Integer Backup = integer("", "Backup", 0);
inline constexpr Integer FontSize = integer("", "FontSize", 12);
inline constexpr Text FontName = text("", "FontName", "ＭＳ ゴシック");
inline constexpr Integer FontColor = integer("", "FontColor", 0);
inline constexpr Integer BackColor = integer("", "BackColor", 0xFFFFFF);
inline constexpr Boolean FontStyleBold = boolean("", "FontStyleBold", false);
inline constexpr Boolean FontStyleItalic = boolean("", "FontStyleItalic", false);
inline constexpr Boolean FontStyleUnderline = boolean("", "FontStyleUnderline", false);
inline constexpr Boolean FontStyleStrikeOut = boolean("", "FontStyleStrikeOut", false);
inline constexpr Boolean adAutoDelete = boolean("", "adAutoDelete", false);
// The by-product flags, in the order the preferences dialog shows them.
inline constexpr Boolean adDVI = boolean("", "adDVI", false);
inline constexpr Boolean adLOG = boolean("", "adLOG", true);
inline constexpr Boolean adAUX = boolean("", "adAUX", true);
inline constexpr Boolean adTOC = boolean("", "adTOC", true);
inline constexpr Boolean adLOF = boolean("", "adLOF", true);
inline constexpr Boolean adLOT = boolean("", "adLOT", true);
inline constexpr Boolean adIDX = boolean("", "adIDX", true);
inline constexpr Boolean adIND = boolean("", "adIND", true);
inline constexpr Boolean adILG = boolean("", "adILG", true);
inline constexpr Boolean adBBL = boolean("", "adBBL", true);
inline constexpr Boolean adBLG = boolean("", "adBLG", true);
inline constexpr Integer WindowState = integer("", "WindowState", 0);
inline constexpr Integer Tab = integer("", "Tab", 24);
inline constexpr Integer TabSpace = integer("", "TabSpace", 1);
inline constexpr Integer TabSpaceNo = integer("", "TabSpaceNo", 4);
inline constexpr Text CurrentDir = text("", "CurrentDir", "");
inline constexpr Integer ColMaxSize = integer("", "ColMaxSize", 256);
inline constexpr Boolean ColAutoOn = boolean("", "ColAutoOn", true);
inline constexpr Boolean ColAutoOff = boolean("", "ColAutoOff", true);
inline constexpr Integer JPaper = integer("", "JPaper", 0);
inline constexpr Integer DefOption = integer("", "DefOption", 0);
inline constexpr Boolean AutoIndent = boolean("", "AutoIndent", true);
inline constexpr Boolean AutoCommand = boolean("", "AutoCommand", true);
inline constexpr Boolean AutoColor = boolean("", "AutoColor", true);
inline constexpr Boolean WordWrap = boolean("", "WordWrap", true);
inline constexpr Integer TeXBAT = integer("", "TeXBAT", 0);
inline constexpr Text SpellProg = text("", "SpellProg", "");
inline constexpr Text SpellProgOption = text("", "SpellOption", "");
inline constexpr Integer WindowTop = integer("", "WindowTop", 0);
inline constexpr Integer WindowLeft = integer("", "WindowLeft", 0);
inline constexpr Integer WindowWidth = integer("", "WindowWidth", 875);
inline constexpr Integer WindowHeight = integer("", "WindowHeight", 600);
// The TeX output window; an empty rectangle until it was first placed.
inline constexpr Integer TeXWindowLeft = integer("", "TeXWindowLeft", 0);
inline constexpr Integer TeXWindowTop = integer("", "TeXWindowTop", 0);
inline constexpr Integer TeXWindowWidth = integer("", "TeXWindowWidth", 0);
inline constexpr Integer TeXWindowHeight = integer("", "TeXWindowHeight", 0);

// ---- "\TeXSetting": the outside programs ----
inline constexpr Text TeXFile = text("TeXSetting", "TeXFile", "");
inline constexpr Text TeXOption = text("TeXSetting", "TeXOption", "");
inline constexpr Text DviFile = text("TeXSetting", "DviFile", "");
inline constexpr Text DviOption = text("TeXSetting", "DviOption", "");
inline constexpr Integer DviDde = integer("TeXSetting", "DviDde", 0);
inline constexpr Text MendexFile = text("TeXSetting", "MendexFile", "");
inline constexpr Text MendexOption = text("TeXSetting", "MendexOption", "");
inline constexpr Text BibTeXFile = text("TeXSetting", "BibTeXFile", "");
inline constexpr Text BibTeXOption = text("TeXSetting", "BibTeXOption", "");
inline constexpr Text DvipsFile = text("TeXSetting", "DvipsFile", "");
inline constexpr Text DvipsOption = text("TeXSetting", "DvipsOption", "");
inline constexpr Text DvipdfFile = text("TeXSetting", "DvipdfFile", "");
inline constexpr Text DvipdfOption = text("TeXSetting", "DvipdfOption", "");
inline constexpr Text PDFReaderFile = text("TeXSetting", "PDFReaderFile", "");
inline constexpr Text PDFReaderOption = text("TeXSetting", "PDFReaderOption", "");
inline constexpr Text PSViewerFile = text("TeXSetting", "PSViewerFile", "");
inline constexpr Text PSViewerOption = text("TeXSetting", "PSViewerOption", "");
inline constexpr Integer HowTex = integer("TeXSetting", "HowTex", 2);
inline constexpr Text SpellFile = text("TeXSetting", "SpellFile", "");
inline constexpr Text SpellOption = text("TeXSetting", "SpellOption", "");

// ---- lists and sections below the key ----
inline constexpr Text MathSoejiUp = text("MathSoeji", "Up", "\\infty");
inline constexpr Text MathSoejiDown = text("MathSoeji", "Down", "-\\infty");
inline constexpr Text UserPackage = text("UserPackage", "Package", "");
// Command assist: its list (the built-in one when missing, written by its
// reader) and its options.
inline constexpr Text CmdAssistCommand = text("CmdAssist", "Command", "");
inline constexpr Integer CmdAssistSpace = integer("CmdAssist", "Space", 0);
inline constexpr Integer CmdAssistKigou = integer("CmdAssist", "Kigou", 0);
inline constexpr Integer CmdAssistKakutei = integer("CmdAssist", "Kakutei", 0);
inline constexpr Integer CmdAssistList = integer("CmdAssist", "List", 0);
inline constexpr Boolean CmdAssistGakusyuu = boolean("CmdAssist", "Gakusyuu", true);
inline constexpr TextRows RecentFile = textRows("Recent", "RecentFile", "");                 // 1..RecentCount
inline constexpr TextRows UserDefineTitle = textRows("UserDefine", "Title", "Not Defined");  // 1..48
inline constexpr TextRows UserDefineText = textRows("UserDefine", "Define", "");

// The window's view switches, written as text when it closes.
inline constexpr Boolean ViewEdit = keptAsText(boolean("View", "Edit", true));
inline constexpr Boolean ViewTeXSho = keptAsText(boolean("View", "TeXSho", true));
inline constexpr Boolean ViewTeXMath = keptAsText(boolean("View", "TeXMath", true));
inline constexpr Integer ViewDocuExpWidth = keptAsText(integer("View", "DocuExpWidth", 130));
inline constexpr Boolean ViewDocuExp = keptAsText(boolean("View", "DocuExp", true));
inline constexpr Boolean ViewStatusBar = keptAsText(boolean("View", "StatusBar", true));

// The parent-file table, rows 0..ParentCount-1, written when the window closes.
inline constexpr TextRows ParentChild = keptAsText(textRows("Parent\\Child", "", ""));
inline constexpr TextRows ParentParent = keptAsText(textRows("Parent\\Parent", "", ""));
inline constexpr BooleanRows ParentExecute = keptAsText(booleanRows("Parent\\Execute", "", false));

// "\Color": the colour table's rows 1..ComNum and the other token classes.
inline constexpr Integer ColorCount = integer("Color", "ComNum", 38);
inline constexpr TextRows ColorCommand = textRows("Color", "Command", "");
inline constexpr IntegerRows ColorColor = integerRows("Color", "Color", 0);
inline constexpr BooleanRows ColorBold = booleanRows("Color", "CmdBold", false);
inline constexpr BooleanRows ColorItalic = booleanRows("Color", "CmdItalic", false);
inline constexpr BooleanRows ColorAst = booleanRows("Color", "Ast", false);
inline constexpr Integer GenTeXColor = integer("Color", "GenTeXColor", 0xB07000);
inline constexpr Integer RemColor = integer("Color", "RemColor", 0x808040);
inline constexpr Boolean RemItalic = boolean("Color", "RemItalic", true);
inline constexpr Integer DollerColor = integer("Color", "DollerColor", 0x4080FF);
inline constexpr Boolean DollerItalic = boolean("Color", "DollerItalic", false);
inline constexpr Integer AndColor = integer("Color", "AndColor", 0x0000FF);
inline constexpr Boolean AndItalic = boolean("Color", "AndItalic", false);
inline constexpr Integer ZenColor = integer("Color", "ZenColor", 0x0000FF);
inline constexpr Boolean ZenOn = boolean("Color", "ZenOn", true);

}  // namespace key
