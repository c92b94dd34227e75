#pragma once
// The main window.  One class, but its members are defined beside the code
// of the subsystem they belong to: start-up and shutdown in app/, editing,
// files and colouring in core/, TeX processing in tex/, insertion in
// insert/ and math/, command assist in assist/.
#include <QMainWindow>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/colour/ColorTable.h"
#include "core/settings/Settings.h"
#include "insert/LastUsed.h"
#include "platform/Ask.h"
#include "platform/RichEdit.h"

class QAction;
class QLabel;
class QMenu;
class PickerFamily;
class QPushButton;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class MultiUndo;
class TDocumentExplorer;
class TTeXEXE;
class TDdeServerConv;
namespace colour {
class ColorCommandTable;
}

// One record of the parent-file table.
struct ParentFileEntry {
    QString Child;
    QString Parent;
    bool Execute = false;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // ==== start-up, main window and shutdown (app/) ====
    QString RegKey = settings::programKey();
    // The settings below RegKey, through the typed facade.
    settings::Store Settings() const { return settings::Store(RegKey); }
    QString ProgramDir;  // folder of the executable, no trailing slash
    QString AppTitle = "Quillmark";
    QString CaptionSuffix = " - Quillmark";
    bool StartingUp = true;   // set while Form1Create runs
    QStringList CommandLine;  // parameters after the program name

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
    // Called by TimerTreeView every 100 ms; the outline pane installs it.
    std::function<void()> OnTimerTreeView;
    // Width the outline pane has when it is shown ("DocuExpWidth").
    int DocuExpWidth() const { return docuExpWidth_; }
    void SetDocuExpWidth(int width);

    // Components.
    QWidget* Panel2 = nullptr;
    QToolBar* ToolBarFile = nullptr;
    QToolBar* ToolBarTeXShosiki = nullptr;
    QToolBar* ToolBarTeXMath = nullptr;
    QWidget* PanelDocumentExplorer = nullptr;
    QToolButton* SpeedButtonExplorerClose = nullptr;
    QTreeWidget* TreeView = nullptr;
    QSplitter* Splitter1 = nullptr;
    TRichEdit* RichEdit = nullptr;
    QWidget* StatusBar = nullptr;
    std::array<QLabel*, 4> StatusPanels{};
    QMenu* PopupMenu1 = nullptr;
    QTimer* TimerTreeView = nullptr;
    void SetStatusPanel(int index, const QString& text);
    QString StatusPanelText(int index) const;

    // Top-level menus, in menu-bar order.
    QMenu* MenuFile = nullptr;
    QMenu* MenuEdit = nullptr;
    QMenu* MenuSearch = nullptr;
    QMenu* MenuView = nullptr;
    QMenu* MenuInsert = nullptr;
    QMenu* MenuFormat = nullptr;
    QMenu* MenuMath = nullptr;
    QMenu* MenuPreamble = nullptr;
    QMenu* MenuTex = nullptr;
    QMenu* MenuOption = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuFileQuit = nullptr;  // last item of the File menu

    // Menu items, tool buttons and pop-up items by their component name.
    QAction* Item(const QString& name) const;
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                     const QKeySequence& shortcut = {}, int helpContext = 0);
    // Inserts before another action of the same menu (nullptr appends).
    QAction* InsertItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                        std::function<void()> handler, const QKeySequence& shortcut = {}, int helpContext = 0);
    QAction* AddToolButton(QToolBar* bar, const QString& name, const QString& hint, const QString& iconText,
                           std::function<void()> handler, bool checkable = false);
    // Runs a handler behind the window's one exception boundary: whatever it
    // throws is shown in an "Error Message" box instead of crossing a Qt
    // signal.  True when the handler ran to its end.
    bool Guard(const std::function<void()>& handler);
    int HelpContextOf(const QString& itemName) const;

    // ==== settings store (app/Settings.cpp) ====
    void LoadSettings();
    int WindowTop = 0, WindowLeft = 0, WindowWidth = 875, WindowHeight = 600;
    int TabSpace = 1;
    int TabSpaceNo = 4;
    QString CurrentDir;
    bool AutoCommand = true;
    bool AutoColor = true;
    unsigned FontColor = 0;  // 0x00BBGGRR
    unsigned BackColor = 0xFFFFFF;
    std::array<ParentFileEntry, 128> ParentTable{};
    std::array<QString, 5> RecentFile{};

    // ==== editing (core/Editing.cpp, core/EditCommands.cpp) ====
    MultiUndo* UndoManager = nullptr;
    bool Busy = false;
    bool ImeComposing = false;
    bool TextChanged = false;
    int DialogCenterY = 9999;
    int DialogCenterX = 9999;
    // Caret when the input method began composing, and when it committed.
    int ImeCompositionStart = 0;
    int ImeCompositionEnd = 0;
    void InsertText(const std::string& text);
    bool CaretNotAtLineStart();
    int DialogTop(int height);
    int DialogLeft(int width);
    void StoreDialogTop(int top, int height);
    void StoreDialogLeft(int left, int width);
    void UpdateCaretPosPanel();
    void UpdateModifiedPanel();
    void SetImeColors();
    void AutoIndentOnEnter(int& key, int shift);
    void RichEditChange();
    void RichEditKeyDown(int& key, int shift);
    void RichEditKeyPress(char& key);
    void RichEditSelectionChange();
    void RichEditMouseDown();
    void RichEditImeStartComposition();
    void RichEditImeEndComposition();
    void MenuEditClick();
    void MenuEditUndoClick();
    void MenuEditRedoClick();
    void MenuEditCutClick();
    void MenuEditCopyClick();
    void MenuEditPasteClick();
    void MenuEditDeleteClick();
    void MenuEditSelAllClick();
    void MenuEditWordWrapClick();
    void MenuOptionFontClick();
    void PopupMenu1Popup();
    void BuildEditCommands();  // Edit menu, tool buttons, PopupMenu1

    // ==== document files (core/Files.cpp) ====
    QString FileName;
    bool HasFileName = false;
    int FilterIndex = 1, FigureFilterIndex = 1, InputFilterIndex = 1;
    QString SearchText;
    bool LoadFile(const QString& path);
    void SetFilterIndexFromExt(const QString& path);
    void AddRecentFile(const QString& path);
    void MenuFileClick();
    void MenuFileNewClick();
    void MenuFileOpenClick();
    void MenuFileSaveClick();
    void MenuFileSaveAsClick();
    void MenuFilePrintSetupClick();
    void MenuFilePrintClick();
    void MenuFileQuitClick();
    void MenuFileRec1Click(int index);  // index: the item's Tag, 1..5
    void BuildFileCommands();           // File menu items before "Quillmarkの終了(&X)"
    void NewDocument();
    void ClearDocument();  // the no-document state, by-products left alone
    void OpenDocument();
    // The save question of New, Open and the recent files; false = stop.
    bool AskSaveChanges(const QString& question);
    // How the open document's file was laid out on disk, and the printer.
    struct DocumentState;
    std::shared_ptr<DocumentState> Document;
    DocumentState& documentState();

    // ==== syntax colouring (core/Colorize.cpp, core/ColorScanner.cpp, core/ColorTable.cpp) ====
    // The colour table: rows 0..ComNum-1 are in use, in table order.  Code
    // that changes these calls ColorTableChanged (ColorizeAll does too).
    std::array<QString, 2048> CmdName{};
    std::array<unsigned, 2048> CmdColor{};  // 0x00BBGGRR
    std::array<bool, 2048> CmdBold{};
    std::array<bool, 2048> CmdItalic{};
    std::array<bool, 2048> CmdAst{};
    int ComNum = 0;
    ColorClassSettings ColorClasses;  // colours of the token classes other than the table's
    void LoadColorSettings();
    void ColorTableChanged();
    void ColorizeRange(int from, int to, bool showProgress);
    void SetRangeFormat(int from, int to, bool strikeOut, bool underline, bool italic, bool bold, unsigned color);
    bool MatchColorCommand(int& length, int nameLength, const std::string& window, int remaining, bool ast,
                           const std::string& name);
    bool TeXCommandLength(int& length, const std::string& window);
    void ColorizeAll();
    void ColorizeLines(int start, int end);
    void ColorizeCurrentLine();
    void ToggleAutoColor();
    void sbAutoColorClick();
    std::string GetLineAt(int pos);
    void BuildColorCommands();  // MenuOptionAutoColor, ToolButtonColorStructure
    // The scanner's form of the table, rebuilt by ColorTableChanged.
    std::shared_ptr<const colour::ColorCommandTable> ColorScannerTable;

    // ==== colour settings dialog and colour files (core/ColorSettings*.cpp, core/ColorFile.cpp) ====
    void MenuOptionColorStructClick();
    void BuildColorSettingsCommands();  // MenuOptionColorStruct

    // ==== find, replace, text tools, options (core/Search*, core/TextTools*, core/EditorOptions*) ====
    void BuildSearchToolsCommands();  // Search menu items, Edit menu text tools, MenuOptionEdit
    void MenuSearchClick();
    void MenuSearchSearchClick();
    void MenuSearchSearchDownClick();
    void MenuSearchSearchUpClick();
    void MenuSearchReplaceClick();
    void FindNext();
    void ReplaceFindNext();
    void ReplaceText(bool all);
    void MenuSearchZenSpaceClick();
    void MenuEditTabSpaceClick();
    void MenuEditEndSpaceCutClick();
    void MenuEditLineNumClick();
    void MenuOptionEditClick();

    // ==== outline pane (core/Outline.cpp) ====
    TDocumentExplorer* DocumentExplorer = nullptr;
    void ResumeExplorer();
    void CreateExplorer();
    void StopExplorer();

    // ==== outline and navigation (core/Outline*.cpp, core/Navigation*.cpp) ====
    QTreeWidgetItem* DragNode = nullptr;  // node under the last left press in the tree
    bool DragPressed = false;
    int DragStartX = 0, DragStartY = 0;
    void TimerTreeViewTimer();
    void TreeViewClick();
    void TreeViewEdited(QTreeWidgetItem* node, const QString& label);
    void TreeViewMouseDown(Qt::MouseButton button, const QPoint& at);
    void TreeViewMouseMove(const QPoint& at);
    void TreeViewMouseUp(Qt::MouseButton button);
    bool TreeViewDragOver(const QObject* source) const;
    void TreeViewDragDrop(const QObject* source, QTreeWidgetItem* target);
    // Image of a node of the kind (the selected form is the icon's Selected mode).
    QIcon OutlineImage(int kind) const;
    // Scrolls the editor so that the caret's line is the first visible one.
    void ScrollCaretLineToTop();
    void BuildSearchNavigationCommands();
    void MenuSearchMidasiClick();
    void MenuSearchLabelClick();
    void MenuSearchLineJumpClick();

    // ==== TeX processing (tex/) ====
    TTeXEXE* TeXThread = nullptr;
    bool TeXBusy = false;
    bool TeXProcessed = false;
    bool HasParent = false;
    bool ParentExecute = false;
    QString ParentFile;
    void BuildTeXCommands();
    // Ends a running worker at shutdown without crashing or hanging.
    void StopTeXWorker();
    class TeXConsole* TeXConsoleWindow = nullptr;  // created on first use
    QString CompanionPath;                         // empty: ProgramDir + "/quilldde"
    void MenuTexOneClick();
    void MenuTexExeClick();
    void MenuTexDVIClick(int tag);
    void MenuTexProcessClick();
    void MenuOptionInitClick();
    TeXConsole* TeXConsoleView();

    // ==== DDE and the error jump (tex/Dde.cpp) ====
    TDdeServerConv* DdeServer = nullptr;
    void StartDdeServer();
    // Starts the server under a given service name; false when another live
    // server has it.
    bool StartDdeServerNamed(const QString& service);
    void DdeServerItem1PokeData(const std::string& text);
    class TDdeClientConv* DdeClientConv = nullptr;
    int DdeOpenViewer(const QString& service, const QString& topic, const QString& viewerCommand);
    void DdeCloseViewer();
    int DdeExecute(const std::string& macro);
    std::string DdeRequest(const QString& item);

    // ==== log display and by-products (tex/LogDisp.cpp) ====
    void AutoDeleteTeXFiles(const QString& fileName);
    void MenuTexLogDispClick();
    void BuildLogCommands();

    // ==== parent files, spell check, TeX preferences (tex/ParentFiles*, tex/Spell*, tex/Preference*) ====
    void BuildTeXExtraCommands();  // parent items and spell check in MenuTex, MenuOptionPreference
    void MenuTexParentClick();
    // Registers or changes the open document's parent; true when one was registered.
    bool EditParentFile();
    void MenuTexParentExeClick();
    void MenuTeXSpellClick();
    void MenuOptionPreferenceClick();

    // ==== text insertion (insert/) ====
    LastUsed Last;  // remembered choices of the insertion dialogs and pop-ups
    QMenu* MenuTexMidasi = nullptr;
    QMenu* PopupMenuMidasi = nullptr;
    void BuildInsertCommands();
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
    PickerFamily* BreakFamily = nullptr;
    QMenu* PopupMenuDanraku = nullptr;
    QMenu* PopupMenuSpace = nullptr;
    void BuildBreakCommands();
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

    // ==== math insertion (math/) ====
    void BuildMathCommands();
    QMenu* MenuTexMathMode = nullptr;
    QMenu* MenuMathSize = nullptr;
    void MenuMathModeDollarClick();
    void MenuMathMode1LineClick();
    void MenuMathModeEquationClick();
    void MenuMathModeEqnAstaClick();
    void MenuMathModeEqnClick();
    void MenuMathSizeTextstyleClick();
    void MenuMathSizeDispstyClick();
    void MenuMathSizeScriptstyClick();
    void MenuMathSizeSSScrStyClick();
    QMenu* PopupMenuMathRoot = nullptr;
    void MenuMathFracClick();
    void MenuMathRootClick();
    void PMMathRootClick();

    // ==== Tab key in table rows (assist/TableCells.cpp) ====
    static int FindCellSeparator(const std::string& s);
    static int FindCellOrRowEnd(const std::string& s);
    // The Tab key's work: true when it was handled and the tab character
    // must not be typed.
    bool HandleTabKey();

    // ==== title, author, date and page style (insert/Title*) ====
    void BuildTitleCommands();
    void MenuTexPreTitleClick();
    void MenuTexPreAuthorClick();
    void MenuTexPreDateClick();
    void MenuTexPrePageStyleClick();

    // ==== counters, redefined names, labels and references (insert/Counters*, insert/References*) ====
    void BuildReferenceCommands();
    // Label placing and label/page references; a selection is wrapped at once.
    void MenuInsertLabelClick();
    void MenuInsertRefClick();
    void MenuInsertPageRefClick();
    // \setcounter and \renewcommand lines for the preamble (insert/Counters.cpp).
    void MenuFormatSetcounterClick();
    void MenuFormatRenewcommandClick();

    // ==== index entries, hyperlinks, boxes and verbatim (insert/IndexBox*) ====
    void BuildIndexBoxCommands();
    QMenu* MenuTexinHyper = nullptr;  // the HyperTeX sub-menu
    QMenu* PopupMenuVerb = nullptr;
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
    void BuildFontCommands();
    void MenuFormatFontFamilyClick();
    void MenuFormatFontSeriesClick();
    void MenuFormatFontShapeClick();
    void MenuFormatFontSizeClick();

    // ==== math spaces and math fonts (math/MathSpace*) ====
    void BuildMathSpaceFontCommands();
    void MenuMathSpaceClick();
    void MenuMathFontClick();

    // ==== symbol pickers: math families (math/*Pickers*), text accents and
    // special characters (insert/TextSymbolPickers*, insert/TextPickerCommands.cpp) ====
    void BuildMathPickerCommands();
    void BuildTextPickerCommands();

    // ==== brackets (math/Brackets*) ====
    void BuildBracketCommands();
    void MenuMathKakkoClick();

    // ==== tables, cells and text-to-table conversion (insert/Tables*) ====
    void BuildTableCommands();  // the 表 sub-menu, PopupMenuTable, ToolButtonTeXInTable
    QMenu* MenuTexinHyou = nullptr;
    QMenu* PopupMenuTable = nullptr;
    void MenuTexTableClick();
    void PopupHlineClick();
    void PopupClineClick();
    void PopupVlineClick();
    void PopupMulticolumnClick();
    void MenuTableChangeClick();
    void sbTableClick();

    // ==== figures and file inclusion (insert/Figures*) ====
    void BuildFigureCommands();  // MenuInsertFigure, MenuInsertInput, ToolButtonTeXInPictureInsert
    void MenuInsertFigureClick();
    void MenuInsertInputClick();
    // ==== superscripts, subscripts and matrices (math/Script*, math/Matrix*) ====
    void BuildScriptCommands();
    void BuildMatrixCommands();
    QMenu* MenuTexMathUD = nullptr;
    QMenu* PopupMenuMathUp = nullptr;
    QMenu* PopupMenuMathDown = nullptr;
    QMenu* PopupMenuMathUpDown = nullptr;
    void MenuMathUpperClick();
    void MenuMathLowerClick();
    void PMMathUpClick();
    void PMMathDownClick();
    void MenuMathUpDownClick();
    void PMMathUpDownClick();
    void MenuMathArrayClick();
    void MenuMathArrayChangeClick();

    // ==== document class, packages, bibliography and citations (insert/Preamble*, insert/Bib*) ====
    void BuildPreambleCommands();  // MenuFormatClass, MenuTexPreUsepackage, ToolButtonShoClass
    void BuildBibCommands();       // MenuTexBiblio, MenuBibRef, PopupMenuBib, ToolButtonTeXInBib
    QMenu* PopupMenuBib = nullptr;
    void MenuFormatClassClick();
    void MenuTexPreUsepackageClick();
    void MenuTexBiblioClick();
    void MenuBibRefClick();
    void sbBibClick();

    // ==== command assist and user commands (assist/) ====
    void BuildAssistCommands();

    // ==== command-assist pop-up and its settings (assist/CmdAssist*.cpp) ====
    void BuildCmdAssistCommands();  // MenuOptionAutoCommand (F7), ToolButtonCommandAssist, MenuOptionCmdAssistSet
    // The backslash key's work: true when the pop-up took the key and the
    // backslash must not be typed.
    bool HandleBackslashKey();
    void sbAutoCommandClick();
    void MenuAutoClick();
    void MenuOptionCmdAssistSetClick();

    // ==== user-defined commands (assist/UserCommands.cpp) ====
    QMenu* MenuUser = nullptr;
    QMenu* PopupMenuUser = nullptr;
    void BuildUserCommands();
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
    QHash<QString, QAction*> items_;
    QHash<QString, int> helpContexts_;
    bool shownOnce_ = false;
    bool closing_ = false;
    int docuExpWidth_ = 130;
    void WireEditor();
    void ApplyWordWrap();
    void ApplyWindowPlacement();
    void WriteWindowPlacement();
    void WriteViewSettings();
    void WriteParentTable();
    void ReadViewSettings();
    void ReadParentTable();
};

extern TForm1* Form1;
