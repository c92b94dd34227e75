// Syntax colouring: the main window's entry points over the pure scanner.
#include "core/session/Session.h"
#include "core/colour/ColorScanner.h"
#include "core/colour/ColorTable.h"
#include "core/settings/Keys.h"
#include "forms/FormProgBar.h"
#include "platform/Cp932.h"
#include "platform/Scope.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolBar>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Ranges at least this long show the progress window.
constexpr int kProgressThreshold = 4097;

// Applies runs, moved on by `base` (their byte 0 is editor position base),
// to the editor range [from, to), with the editor's events masked; the
// modified flag, the caret (the selection collapses to its start) and the
// event mask come back however this ends.
void applyRuns(Session& f, std::vector<colour::FormatRun> runs, int base, int from, int to, bool showProgress)
{
    TRichEdit* edit = f.RichEdit;
    scope::EventMask quiet(*edit, ENM_NONE);
    std::unique_ptr<TFormProgBar> bar;
    if (showProgress && to - from >= kProgressThreshold) {
        bar = std::make_unique<TFormProgBar>(f.mainWindow);
        bar->setWindowTitle("Now analyzing...");
        bar->PlaceOver(f.mainWindow);
        bar->Start();
    }
    scope::ViewKeeper keep(*edit, scope::ViewKeeper::Caret::CollapseAndScroll);
    if (base != 0)
        for (colour::FormatRun& run : runs) run.start += base;

    // With the gauge shown, the runs go to the editor in slices, so that it
    // can move between them; a slice is a hundredth of the range.  Without
    // it they go in one call, which walks each line once.  The editor
    // compares each line's formats with what it has and leaves a line that
    // already carries them alone.
    const int slice = bar ? std::max(to - from, 1) / 100 + 1 : std::numeric_limits<int>::max();
    size_t i = 0;
    while (i < runs.size()) {
        const size_t first = i;
        const int sliceStart = runs[i].start;
        if (bar) bar->SetProgress(int((long long)(sliceStart - from) * 100 / (to - from)));
        for (++i; i < runs.size() && runs[i].start - sliceStart < slice;) ++i;
        // A slice ends with a line: the editor walks a line's characters
        // once per call, and a long line must not be walked a hundred times.
        if (i < runs.size()) {
            const TextDocument& doc = edit->Document();
            const int line = doc.lineOfPosition(runs[i - 1].start);
            const int end = doc.lineStart(line) + doc.lineLength(line);
            while (i < runs.size() && runs[i].start < end) ++i;
        }
        edit->SetFormats(runs.data() + first, i - first);
    }
}

}  // namespace

void Session::ColorTableChanged()
{
    ColorScannerTable = std::make_shared<colour::ColorCommandTable>(colour::scannerRows(ColorRows));
}

void Session::SetColorTable(ColorTable table)
{
    ColorRows = std::move(table.rows);
    ColorClasses = table.classes;
    ColorTableChanged();
}

void Session::LoadColorSettings() { SetColorTable(LoadColorTable(Settings())); }

bool Session::TeXCommandLength(int& length, const std::string& window)
{
    return colour::TeXCommandLength(length, window);
}

void Session::ColorizeRange(int from, int to, bool showProgress)
{
    if (!AutoColor || !RichEdit) return;
    // The scanner reads the document's own text: no copy, and never one
    // older than the text being coloured.
    const std::string& text = RichEdit->Document().text();
    to = std::min(to, int(text.size()));
    if (from >= to) return;
    if (!ColorScannerTable) ColorTableChanged();
    applyRuns(*this, colour::ColorizeRuns(text, from, to, *ColorScannerTable, ColorClasses, FontColor), 0, from, to,
              showProgress);
}

void Session::ColorizeCurrentLine()
{
    if (Busy || !RichEdit) return;
    scope::Busy busy(Busy);
    const int caret = RichEdit->SelStart();
    RichEdit->SetSelStart(caret);
    if (!AutoColor) return;
    if (!ColorScannerTable) ColorTableChanged();

    // Only the caret's line is scanned, in the document's own text: a line's
    // colours depend on its own bytes and the break after it.  Nothing is
    // copied, so a key costs the same in a long line as in a short one.
    const TextDocument& doc = RichEdit->Document();
    const int line = doc.lineOfPosition(caret);
    const int lineStart = doc.lineStart(line);
    const int length = doc.lineLength(line);
    if (length == 0) return;
    applyRuns(
        *this,
        colour::ColorizeRuns(doc.text(), lineStart, lineStart + length, *ColorScannerTable, ColorClasses, FontColor), 0,
        lineStart, lineStart + length, false);
}

void Session::ColorizeLines(int start, int end)
{
    if (Busy || !RichEdit) return;
    scope::Busy busy(Busy);
    if (!AutoColor) return;
    const TextDocument& doc = RichEdit->Document();
    const int first = doc.lineOfPosition(std::min(start, end));
    const int last = doc.lineOfPosition(std::max(start, end));
    ColorizeRange(doc.lineStart(first), doc.lineStart(last) + doc.lineLength(last), true);
}

void Session::ColorizeAll()
{
    if (Busy || !RichEdit) return;
    scope::Busy busy(Busy);
    scope::WaitCursor wait(RichEdit, mainWindow);
    QApplication::processEvents();
    // The colour dialog and the loaders end here after changing the table.
    ColorTableChanged();
    ColorizeRange(0, RichEdit->GetTextLen(), true);
}

std::string Session::GetLineAt(int pos)
{
    if (!RichEdit) return {};
    const TextDocument& doc = RichEdit->Document();
    return doc.line(doc.lineOfPosition(pos));
}

void Session::ToggleAutoColor()
{
    QAction* wordWrap = Item("MenuEditWordWrap");
    QAction* button = Item("ToolButtonColorStructure");
    QAction* menuItem = Item("MenuOptionAutoColor");
    if (!AutoColor) {
        Settings().write(key::WordWrap, true);
        AutoColor = true;
        // Colouring needs the lines wrapped; the item stays off meanwhile.
        if (wordWrap) {
            wordWrap->setChecked(true);
            wordWrap->setEnabled(false);
        }
        if (RichEdit) RichEdit->SetWordWrap(true);
        if (button) button->setChecked(true);
        if (menuItem) menuItem->setChecked(true);
        ColorizeAll();
        return;
    }

    AutoColor = false;
    if (wordWrap) wordWrap->setEnabled(true);
    if (button) button->setChecked(false);
    if (menuItem) menuItem->setChecked(false);
    if (!RichEdit) return;
    scope::Busy busy(Busy);
    {
        scope::ViewKeeper keep(*RichEdit, scope::ViewKeeper::Caret::CollapseToStart);
        RichEdit->SetDefaultFormat(CharFormat{FontColor});
        RichEdit->ClearFormats();
    }
    RichEdit->EmptyUndoBuffer();
}

void Session::sbAutoColorClick() { ToggleAutoColor(); }

void Session::BuildColorCommands()
{
    // The item lives in the "入力アシスト(&A)" submenu of the settings menu,
    // which the command-assist items share: use it when it is there already.
    QMenu* autoMenu = nullptr;
    if (QAction* existing = Item("MenuAuto")) autoMenu = existing->menu();
    if (!autoMenu && MenuOption) {
        autoMenu = new QMenu("入力アシスト(&A)", MenuOption);
        autoMenu->setObjectName("MenuAuto");
        QAction* sub = AddItem(MenuOption, "MenuAuto", "入力アシスト(&A)", nullptr);
        sub->setMenu(autoMenu);
    }
    QAction* item = AddItem(autoMenu, "MenuOptionAutoColor", "カラー構文(&C)", [this] { sbAutoColorClick(); });
    item->setCheckable(true);
    item->setChecked(AutoColor);
    if (autoMenu)
        QObject::connect(autoMenu, &QMenu::aboutToShow, item,
                         [this, item] { Guard([&] { item->setChecked(AutoColor); }); });

    QAction* button = AddToolButton(
        ToolBarFile, "ToolButtonColorStructure", "カラー構文", "カラー構文", [this] { sbAutoColorClick(); }, true);
    button->setChecked(AutoColor);
}
