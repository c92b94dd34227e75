#pragma once
// The text insertion commands, each working on the session it is given.
// The main window keeps its handler names as one-line members that call
// these; the builders add the menu items, pop-ups and tool buttons and are
// listed with the window's other command builders.
class QObject;
class Session;

namespace insert {

// ---- fixed insertions, headings, environments, lists (insert/InsertCommands.cpp, Headings, Environments, Lists) ----
void buildInsertCommands(Session& s);
void MenuInsTitleClick(Session& s);
void MenuInsContOutClick(Session& s);
void MenuInsContFigClick(Session& s);
void MenuInsContTblClick(Session& s);
void MenuInsertAppendixClick(Session& s);
void MenuFormatUnderlineClick(Session& s);
void MenuInsMidPartClick(Session& s, QObject* sender);  // the heading of the sender's Tag
void sbMidasiClick(Session& s);
void OnMenuTexHaiti(Session& s, QObject* sender);  // the environment named by the sender
void MenuFormatItemizeClick(Session& s);
void MenuFormatEnumerateClick(Session& s);
void MenuFormatDescriptionClick(Session& s);

// ---- breaks, spaces, footnotes and marginal notes (insert/Breaks.cpp, insert/Footnotes.cpp) ----
void buildBreakCommands(Session& s);
void MenuInsertDanrakuClick(Session& s);
void PMDanrakuClick(Session& s, int tag);
void PopupMenuDanrakuPopup(Session& s);
void PopupHankakuSpaceClick(Session& s, QObject* sender);  // the fixed space of the sender's Tag
void sbSpaceClick(Session& s);
void MenuInsSpcMeijiClick(Session& s);
void MenuInsSpcFillClick(Session& s);
void MenuInsSpcDanrakuClick(Session& s);
void MenuInsertFootnoteClick(Session& s);
void MenuInsertMarginparClick(Session& s);

// ---- title, author, date and page style (insert/TitleCommands.cpp) ----
void buildTitleCommands(Session& s);
void MenuTexPreTitleClick(Session& s);
void MenuTexPreAuthorClick(Session& s);
void MenuTexPreDateClick(Session& s);
void MenuTexPrePageStyleClick(Session& s);

// ---- counters, redefined names, labels and references (insert/Counters.cpp, insert/ReferenceCommands.cpp) ----
void buildReferenceCommands(Session& s);
void MenuInsertLabelClick(Session& s);
void MenuInsertRefClick(Session& s);
void MenuInsertPageRefClick(Session& s);
void MenuFormatSetcounterClick(Session& s);
void MenuFormatRenewcommandClick(Session& s);

// ---- index entries, hyperlinks, boxes and verbatim (insert/IndexBoxCommands.cpp) ----
void buildIndexBoxCommands(Session& s);
void MenuTexPreIndexClick(Session& s);
void MenuTexPrtIdxClick(Session& s);
void MenuTexSakuinClick(Session& s);
void MenuTexSakuin2Click(Session& s);
void MenuTexinHyperNameClick(Session& s);
void MenuTexinHyperRefClick(Session& s);
void MenuTexinHypRefURLClick(Session& s);
void MenuFormatFboxClick(Session& s);
void MenuFormatVerbVerbClick(Session& s);
void sbVerbClick(Session& s);

// ---- fonts (insert/FontCommands.cpp) ----
void buildFontCommands(Session& s);
void MenuFormatFontFamilyClick(Session& s);
void MenuFormatFontSeriesClick(Session& s);
void MenuFormatFontShapeClick(Session& s);
void MenuFormatFontSizeClick(Session& s);

// ---- text accents and special characters (insert/TextPickerCommands.cpp) ----
void buildTextPickerCommands(Session& s);

// ---- tables, cells and text-to-table conversion (insert/TablesCommands.cpp) ----
void buildTableCommands(Session& s);
void MenuTexTableClick(Session& s);
void PopupHlineClick(Session& s);
void PopupClineClick(Session& s);
void PopupVlineClick(Session& s);
void PopupMulticolumnClick(Session& s);
void MenuTableChangeClick(Session& s);
void sbTableClick(Session& s);

// ---- figures and file inclusion (insert/FiguresCommands.cpp) ----
void buildFigureCommands(Session& s);
void MenuInsertFigureClick(Session& s);
void MenuInsertInputClick(Session& s);

// ---- document class, packages, bibliography and citations (insert/PreambleCommands.cpp, insert/BibCommands.cpp) ----
void buildPreambleCommands(Session& s);
void buildBibCommands(Session& s);
void MenuFormatClassClick(Session& s);
void MenuTexPreUsepackageClick(Session& s);
void MenuTexBiblioClick(Session& s);
void MenuBibRefClick(Session& s);
void sbBibClick(Session& s);

}  // namespace insert
