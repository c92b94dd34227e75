// The window's text insertion handlers: one line each, calling the
// insertion commands with the window's session.
#include "app/Form1.h"
#include "insert/InsertCommands.h"

void TForm1::MenuInsTitleClick() { insert::MenuInsTitleClick(*this); }
void TForm1::MenuInsContOutClick() { insert::MenuInsContOutClick(*this); }
void TForm1::MenuInsContFigClick() { insert::MenuInsContFigClick(*this); }
void TForm1::MenuInsContTblClick() { insert::MenuInsContTblClick(*this); }
void TForm1::MenuInsertAppendixClick() { insert::MenuInsertAppendixClick(*this); }
void TForm1::MenuFormatUnderlineClick() { insert::MenuFormatUnderlineClick(*this); }
void TForm1::MenuInsMidPartClick(QObject* sender) { insert::MenuInsMidPartClick(*this, sender); }
void TForm1::sbMidasiClick() { insert::sbMidasiClick(*this); }
void TForm1::OnMenuTexHaiti(QObject* sender) { insert::OnMenuTexHaiti(*this, sender); }
void TForm1::MenuFormatItemizeClick() { insert::MenuFormatItemizeClick(*this); }
void TForm1::MenuFormatEnumerateClick() { insert::MenuFormatEnumerateClick(*this); }
void TForm1::MenuFormatDescriptionClick() { insert::MenuFormatDescriptionClick(*this); }
void TForm1::MenuInsertDanrakuClick() { insert::MenuInsertDanrakuClick(*this); }
void TForm1::PMDanrakuClick(int tag) { insert::PMDanrakuClick(*this, tag); }
void TForm1::PopupMenuDanrakuPopup() { insert::PopupMenuDanrakuPopup(*this); }
void TForm1::PopupHankakuSpaceClick(QObject* sender) { insert::PopupHankakuSpaceClick(*this, sender); }
void TForm1::sbSpaceClick() { insert::sbSpaceClick(*this); }
void TForm1::MenuInsSpcMeijiClick() { insert::MenuInsSpcMeijiClick(*this); }
void TForm1::MenuInsSpcFillClick() { insert::MenuInsSpcFillClick(*this); }
void TForm1::MenuInsSpcDanrakuClick() { insert::MenuInsSpcDanrakuClick(*this); }
void TForm1::MenuInsertFootnoteClick() { insert::MenuInsertFootnoteClick(*this); }
void TForm1::MenuInsertMarginparClick() { insert::MenuInsertMarginparClick(*this); }
void TForm1::MenuTexPreTitleClick() { insert::MenuTexPreTitleClick(*this); }
void TForm1::MenuTexPreAuthorClick() { insert::MenuTexPreAuthorClick(*this); }
void TForm1::MenuTexPreDateClick() { insert::MenuTexPreDateClick(*this); }
void TForm1::MenuTexPrePageStyleClick() { insert::MenuTexPrePageStyleClick(*this); }
void TForm1::MenuInsertLabelClick() { insert::MenuInsertLabelClick(*this); }
void TForm1::MenuInsertRefClick() { insert::MenuInsertRefClick(*this); }
void TForm1::MenuInsertPageRefClick() { insert::MenuInsertPageRefClick(*this); }
void TForm1::MenuFormatSetcounterClick() { insert::MenuFormatSetcounterClick(*this); }
void TForm1::MenuFormatRenewcommandClick() { insert::MenuFormatRenewcommandClick(*this); }
void TForm1::MenuTexPreIndexClick() { insert::MenuTexPreIndexClick(*this); }
void TForm1::MenuTexPrtIdxClick() { insert::MenuTexPrtIdxClick(*this); }
void TForm1::MenuTexSakuinClick() { insert::MenuTexSakuinClick(*this); }
void TForm1::MenuTexSakuin2Click() { insert::MenuTexSakuin2Click(*this); }
void TForm1::MenuTexinHyperNameClick() { insert::MenuTexinHyperNameClick(*this); }
void TForm1::MenuTexinHyperRefClick() { insert::MenuTexinHyperRefClick(*this); }
void TForm1::MenuTexinHypRefURLClick() { insert::MenuTexinHypRefURLClick(*this); }
void TForm1::MenuFormatFboxClick() { insert::MenuFormatFboxClick(*this); }
void TForm1::MenuFormatVerbVerbClick() { insert::MenuFormatVerbVerbClick(*this); }
void TForm1::sbVerbClick() { insert::sbVerbClick(*this); }
void TForm1::MenuFormatFontFamilyClick() { insert::MenuFormatFontFamilyClick(*this); }
void TForm1::MenuFormatFontSeriesClick() { insert::MenuFormatFontSeriesClick(*this); }
void TForm1::MenuFormatFontShapeClick() { insert::MenuFormatFontShapeClick(*this); }
void TForm1::MenuFormatFontSizeClick() { insert::MenuFormatFontSizeClick(*this); }
void TForm1::MenuTexTableClick() { insert::MenuTexTableClick(*this); }
void TForm1::PopupHlineClick() { insert::PopupHlineClick(*this); }
void TForm1::PopupClineClick() { insert::PopupClineClick(*this); }
void TForm1::PopupVlineClick() { insert::PopupVlineClick(*this); }
void TForm1::PopupMulticolumnClick() { insert::PopupMulticolumnClick(*this); }
void TForm1::MenuTableChangeClick() { insert::MenuTableChangeClick(*this); }
void TForm1::sbTableClick() { insert::sbTableClick(*this); }
void TForm1::MenuInsertFigureClick() { insert::MenuInsertFigureClick(*this); }
void TForm1::MenuInsertInputClick() { insert::MenuInsertInputClick(*this); }
void TForm1::MenuFormatClassClick() { insert::MenuFormatClassClick(*this); }
void TForm1::MenuTexPreUsepackageClick() { insert::MenuTexPreUsepackageClick(*this); }
void TForm1::MenuTexBiblioClick() { insert::MenuTexBiblioClick(*this); }
void TForm1::MenuBibRefClick() { insert::MenuBibRefClick(*this); }
void TForm1::sbBibClick() { insert::sbBibClick(*this); }
