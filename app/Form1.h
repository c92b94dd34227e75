#pragma once
// The main window: the top floor over one session.  It builds the window,
// its menus and tool bars (app/), reads and writes its own placement, and
// keeps the handler names of the menus as thin members that call into the
// subsystem they belong to: tex::, insert::, math:: and assist:: functions
// taking the session (app/TeXHandlers.cpp, InsertHandlers.cpp,
// MathHandlers.cpp, AssistHandlers.cpp).  Editing, files, colouring, search
// and the outline are the session's own members (core/).
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <string>

#include "core/session/Session.h"
#include "platform/Ask.h"

class TForm1 : public QMainWindow, public Session {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // ==== start-up, main window and shutdown (app/) ====

    void Form1Create();
    void FormShow();
    void Form1OnActivate();
    void FormCloseQuery(bool& CanClose);
    void Form1CloseClick();
    void WMDropFiles(const QStringList& files);
    void ApplicationHint(const QString& hint);
    void MenuViewClick();
    void MenuViewStandardClick();
    void MenuViewFormPreambClick();
    void MenuViewMathClick();
    void MenuViewDocExplrClick();
    void MenuViewStatusBarClick();
    void ArrangeToolBars();
    void MenuHelpContentsClick();
    void MenuHelpKeywordClick();
    void N47Click();
    void MenuHelpHomepageClick();
    void MenuHelpVersionClick();
    // Applies the command-line "/j" jump; separate so tests can drive it.
    void JumpToLineParameter(const QString& parameter);
    // Selects line n (1-based) from its first position up to its line break;
    // a line past the last one changes nothing.  Returns whether it selected.
    bool SelectLineForJump(int line);

    // ==== settings store (app/Settings.cpp) ====
    void LoadSettings();
    int WindowTop = 0, WindowLeft = 0, WindowWidth = 875, WindowHeight = 600;

    // ==== TeX processing (tex/; thin members in app/TeXHandlers.cpp, the
    // run's state in tex::TeXRunState) ====
    void StopTeXWorker();
    void MenuTexOneClick();
    void MenuTexExeClick();
    void MenuTexDVIClick(int tag);
    void MenuTexProcessClick();
    void MenuOptionInitClick();
    void StartDdeServer();
    void DdeServerItem1PokeData(const std::string& text);
    int DdeOpenViewer(const QString& service, const QString& topic, const QString& viewerCommand);
    void DdeCloseViewer();
    int DdeExecute(const std::string& macro);
    std::string DdeRequest(const QString& item);
    void AutoDeleteTeXFiles(const QString& fileName);
    void MenuTexLogDispClick();
    void MenuTexParentClick();
    // Registers or changes the open document's parent; true when one was registered.
    bool EditParentFile();
    void MenuTexParentExeClick();
    void MenuTeXSpellClick();
    void MenuOptionPreferenceClick();

    // ==== text insertion (insert/; the handlers are app/InsertHandlers.cpp, the
    // state s.part<insert::LastUsed>() and s.part<insert::InsertMenus>()) ====
    void MenuInsTitleClick();
    void MenuInsContOutClick();
    void MenuInsContFigClick();
    void MenuInsContTblClick();
    void MenuInsertAppendixClick();
    void MenuFormatUnderlineClick();
    void MenuInsMidPartClick(QObject* sender);
    void sbMidasiClick();
    void OnMenuTexHaiti(QObject* sender);
    void MenuFormatItemizeClick();
    void MenuFormatEnumerateClick();
    void MenuFormatDescriptionClick();

    // ==== breaks, spaces, footnotes and marginal notes (insert/Breaks*, insert/Footnotes*) ====
    void MenuInsertDanrakuClick();
    void PMDanrakuClick(int tag);
    void PopupMenuDanrakuPopup();
    void PopupHankakuSpaceClick(QObject* sender);
    void sbSpaceClick();
    void MenuInsSpcMeijiClick();
    void MenuInsSpcFillClick();
    void MenuInsSpcDanrakuClick();
    void MenuInsertFootnoteClick();
    void MenuInsertMarginparClick();

    // ==== math insertion (math/; these forward to math:: in app/MathHandlers.cpp) ====
    void MenuMathModeDollarClick();
    void MenuMathMode1LineClick();
    void MenuMathModeEquationClick();
    void MenuMathModeEqnAstaClick();
    void MenuMathModeEqnClick();
    void MenuMathSizeTextstyleClick();
    void MenuMathSizeDispstyClick();
    void MenuMathSizeScriptstyClick();
    void MenuMathSizeSSScrStyClick();
    void MenuMathFracClick();
    void MenuMathRootClick();
    void PMMathRootClick();

    // ==== Tab key in table rows (assist/TableCells.cpp, app/AssistHandlers.cpp) ====
    static int FindCellSeparator(const std::string& s);
    static int FindCellOrRowEnd(const std::string& s);

    // ==== title, author, date and page style (insert/Title*) ====
    void MenuTexPreTitleClick();
    void MenuTexPreAuthorClick();
    void MenuTexPreDateClick();
    void MenuTexPrePageStyleClick();

    // ==== counters, redefined names, labels and references (insert/Counters*, insert/References*) ====
    // Label placing and label/page references; a selection is wrapped at once.
    void MenuInsertLabelClick();
    void MenuInsertRefClick();
    void MenuInsertPageRefClick();
    // \setcounter and \renewcommand lines for the preamble (insert/Counters.cpp).
    void MenuFormatSetcounterClick();
    void MenuFormatRenewcommandClick();

    // ==== index entries, hyperlinks, boxes and verbatim (insert/IndexBox*) ====
    void MenuTexPreIndexClick();
    void MenuTexPrtIdxClick();
    void MenuTexSakuinClick();
    void MenuTexSakuin2Click();
    void MenuTexinHyperNameClick();
    void MenuTexinHyperRefClick();
    void MenuTexinHypRefURLClick();
    void MenuFormatFboxClick();
    void MenuFormatVerbVerbClick();
    void sbVerbClick();

    // ==== fonts (insert/Fonts*) ====
    void MenuFormatFontFamilyClick();
    void MenuFormatFontSeriesClick();
    void MenuFormatFontShapeClick();
    void MenuFormatFontSizeClick();

    // ==== math spaces and math fonts (math/MathSpace*) ====
    void MenuMathSpaceClick();
    void MenuMathFontClick();

    // ==== symbol pickers: math families (math/*Pickers*), text accents and
    // special characters (insert/TextSymbolPickers*, insert/TextPickerCommands.cpp) ====

    // ==== brackets (math/Brackets*) ====
    void MenuMathKakkoClick();

    // ==== tables, cells and text-to-table conversion (insert/Tables*) ====
    void MenuTexTableClick();
    void PopupHlineClick();
    void PopupClineClick();
    void PopupVlineClick();
    void PopupMulticolumnClick();
    void MenuTableChangeClick();
    void sbTableClick();

    // ==== figures and file inclusion (insert/Figures*) ====
    void MenuInsertFigureClick();
    void MenuInsertInputClick();
    // ==== superscripts, subscripts and matrices (math/Script*, math/Matrix*) ====
    void MenuMathUpperClick();
    void MenuMathLowerClick();
    void PMMathUpClick();
    void PMMathDownClick();
    void MenuMathUpDownClick();
    void PMMathUpDownClick();
    void MenuMathArrayClick();
    void MenuMathArrayChangeClick();

    // ==== document class, packages, bibliography and citations (insert/Preamble*, insert/Bib*) ====
    void MenuFormatClassClick();
    void MenuTexPreUsepackageClick();
    void MenuTexBiblioClick();
    void MenuBibRefClick();
    void sbBibClick();

    // ==== command assist and user commands (assist/, app/AssistHandlers.cpp) ====
    // Their menus are assist::UserMenus, a part of the session.
    void sbAutoCommandClick();
    void MenuAutoClick();
    void MenuOptionCmdAssistSetClick();
    // Runs the slot named by the sender's Tag (1..48).
    void MenuUser1Click(QObject* sender);
    void MenuUserClick();
    void PopupMenuUserPopup();
    void sbUserClick();
    void MenuUserDefineClick();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMainWindow();
    void BuildMenus();
    bool shownOnce_ = false;
    bool closing_ = false;
    void WireEditor();
    void ApplyWordWrap();
    void ApplyWindowPlacement();
    void WriteWindowPlacement();
    void WriteViewSettings();
    void WriteParentTable();
    void WriteRecentFiles();
    void ReadViewSettings();
    void ReadParentTable();
    // The recent files as read at start, to tell which this instance opened.
    std::array<QString, 5> recentAsRead_{};
};

extern TForm1* Form1;
