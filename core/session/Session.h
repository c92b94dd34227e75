#pragma once
// What every layer of the editor works on: the editor and its document
// files, the undo queue, the colour table, the search and outline state, the
// menus and commands by name, and the settings.  The main window owns one
// session and is built over it; the subsystems take the session, never the
// window.  State that belongs to one subsystem only lives in that
// subsystem's own struct, kept in the session's part registry.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>

#include "core/colour/ColorTable.h"
#include "core/commands/Commands.h"
#include "core/files/ParentTable.h"
#include "core/settings/Settings.h"
#include "platform/Ask.h"
#include "platform/RichEdit.h"

class QAction;
class QIcon;
class QLabel;
class QMenu;
class QPoint;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class MultiUndo;
class TDocumentExplorer;
namespace colour {
class ColorCommandTable;
}

class Session {
public:
    Session();
    virtual ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The window the session is shown in: the owner of its dialogs.
    QWidget* mainWindow = nullptr;

    // The state of one subsystem, made on first use and kept for the life
    // of the session.
    template <class T>
    T& part()
    {
        auto& slot = parts_[std::type_index(typeid(T))];
        if (!slot) slot = std::shared_ptr<void>(new T(), [](void* p) { delete static_cast<T*>(p); });
        return *static_cast<T*>(slot.get());
    }

    // ==== start-up ====
    QString RegKey = settings::programKey();
    // The settings below RegKey, through the typed facade; what the session
    // reads and writes there is noted, so that its close can tell its own
    // changes from another instance's.
    settings::Store Settings() const { return settings::Store(RegKey, settingsKnown_); }
    QString ProgramDir;  // folder of the executable, no trailing slash
    QString AppTitle = "Quillmark";
    QString CaptionSuffix = " - Quillmark";
    bool StartingUp = true;   // set while Form1Create runs
    QStringList CommandLine;  // parameters after the program name

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

    // Called by TimerTreeView every 100 ms; the outline pane installs it.
    std::function<void()> OnTimerTreeView;

    // Menu items, tool buttons and pop-up items by their component name.
    commands::Registry commands;
    QAction* Item(const QString& name) const { return commands.item(name); }
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                     const QKeySequence& shortcut = {}, int helpContext = 0)
    {
        return commands.addItem(menu, name, caption, std::move(handler), shortcut, helpContext);
    }
    // Inserts before another action of the same menu (nullptr appends).
    QAction* InsertItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                        std::function<void()> handler, const QKeySequence& shortcut = {}, int helpContext = 0)
    {
        return commands.insertItem(menu, before, name, caption, std::move(handler), shortcut, helpContext);
    }
    QAction* AddToolButton(QToolBar* bar, const QString& name, const QString& hint, const QString& iconText,
                           std::function<void()> handler, bool checkable = false)
    {
        return commands.addToolButton(bar, name, hint, iconText, std::move(handler), checkable);
    }
    int HelpContextOf(const QString& itemName) const { return commands.helpContextOf(itemName); }
    // The one exception boundary (ask::guard).
    static bool Guard(const std::function<void()>& handler);

    // What the subsystems above the core provide to it: the Tab and
    // backslash keys' work (true: the key was taken), removing a TeX run's
    // by-products, and ending the TeX run before the document goes.
    std::function<bool()> tabKey;
    std::function<bool()> backslashKey;
    std::function<void(const QString& fileName)> deleteByProducts;

    // The open document's TeX state: the file commands clear it, the TeX
    // commands set it.
    bool TeXBusy = false;
    bool TeXProcessed = false;
    bool HasParent = false;
    bool ParentExecute = false;
    QString ParentFile;

    // Width the outline pane has when it is shown ("DocuExpWidth").
    int DocuExpWidth() const { return docuExpWidth_; }
    void SetDocuExpWidth(int width);
    // The line the line-jump dialog offers first.
    int16_t LastJumpLine = 1;

    // ==== stored options ====
    int TabSpace = 1;
    int TabSpaceNo = 4;
    QString CurrentDir;
    bool AutoCommand = true;
    bool AutoColor = true;
    unsigned FontColor = 0;  // 0x00BBGGRR
    unsigned BackColor = 0xFFFFFF;
    std::array<ParentFileEntry, 128> ParentTable{};
    std::array<QString, 5> RecentFile{};

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
    // Whether `bytes` bytes in place of the selection keep the document
    // within the editor's limit; when not, the status bar says so.
    bool InsertionFits(size_t bytes);
    // Says in the status bar that an insertion was refused at the limit.
    void RichEditRefused();
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
    // Tells the user, in the status bar, that invalid bytes became "?".
    void RichEditInvalidBytesReplaced(int count);
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
    // The colour table: the commands coloured by name and, in ColorClasses,
    // the colours of the other token classes.  Code that changes the rows
    // calls ColorTableChanged (ColorizeAll does too).
    std::vector<ColorCommandRow> ColorRows;
    ColorClassSettings ColorClasses;
    ColorTable colorTable() const { return {ColorRows, ColorClasses}; }
    void SetColorTable(ColorTable table);
    void LoadColorSettings();
    void ColorTableChanged();
    void ColorizeRange(int from, int to, bool showProgress);
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

protected:
    int docuExpWidth_ = 130;
    std::shared_ptr<settings::Known> settingsKnown_ = std::make_shared<settings::Known>();

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> parts_;
};
