// The window's TeX handlers: each hands its session to the TeX subsystem.
#include "app/Form1.h"
#include "tex/Dde.h"
#include "tex/Init.h"
#include "tex/LogDisp.h"
#include "tex/ParentFilesForm.h"
#include "tex/Preference.h"
#include "tex/SpellCheck.h"
#include "tex/TeXCommands.h"

void TForm1::StopTeXWorker() { tex::StopTeXWorker(*this); }
void TForm1::MenuTexOneClick() { tex::MenuTexOneClick(*this); }
void TForm1::MenuTexExeClick() { tex::MenuTexExeClick(*this); }
void TForm1::MenuTexDVIClick(int tag) { tex::MenuTexDVIClick(*this, tag); }
void TForm1::MenuTexProcessClick() { tex::MenuTexProcessClick(*this); }
void TForm1::MenuOptionInitClick() { tex::MenuOptionInitClick(*this); }
void TForm1::StartDdeServer() { tex::StartDdeServer(*this); }
void TForm1::DdeServerItem1PokeData(const std::string& text) { tex::DdeServerItem1PokeData(*this, text); }
int TForm1::DdeOpenViewer(const QString& service, const QString& topic, const QString& viewerCommand)
{
    return tex::DdeOpenViewer(*this, service, topic, viewerCommand);
}
void TForm1::DdeCloseViewer() { tex::DdeCloseViewer(*this); }
int TForm1::DdeExecute(const std::string& macro) { return tex::DdeExecute(*this, macro); }
std::string TForm1::DdeRequest(const QString& item) { return tex::DdeRequest(*this, item); }
void TForm1::AutoDeleteTeXFiles(const QString& fileName) { tex::AutoDeleteTeXFiles(*this, fileName); }
void TForm1::MenuTexLogDispClick() { tex::MenuTexLogDispClick(*this); }
void TForm1::MenuTexParentClick() { tex::MenuTexParentClick(*this); }
bool TForm1::EditParentFile() { return tex::EditParentFile(*this); }
void TForm1::MenuTexParentExeClick() { tex::MenuTexParentExeClick(*this); }
void TForm1::MenuTeXSpellClick() { tex::MenuTeXSpellClick(*this); }
void TForm1::MenuOptionPreferenceClick() { tex::MenuOptionPreferenceClick(*this); }
