// The main window's find and replace commands and the menu items of this
// corner of the editor: find and replace, the text tools, the editor options.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "core/session/Session.h"
#include "core/commands/ResidentForms.h"
#include "core/edit/Editing.h"
#include "core/insertion/Writable.h"
#include "core/undo/MultiUndo.h"
#include "core/search/Search.h"
#include "core/search/SearchForms.h"
#include "forms/SearchToolForms.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Scope.h"

namespace {

textsearch::Options optionsOf(const QCheckBox* wholeWord, const QCheckBox* matchCase)
{
    return {wholeWord->isChecked(), matchCase->isChecked()};
}

void notFound(const QString& text)
{
    ask::messageBox(QString::fromUtf8("検索文字列 '") + text + QString::fromUtf8("' は見つかりませんでした。"),
                    QString::fromUtf8("検索"), MB_OK | MB_ICONINFORMATION);
}

void selectHit(TRichEdit* edit, int hit, int length)
{
    edit->Select(hit, length);
    edit->ScrollCaret();
}

// Down from the selection start, passing over the hit the previous search
// selected.  Selects the hit, or says nothing was found.
bool searchDown(TRichEdit* edit, const QString& searchText, const textsearch::Options& options)
{
    const std::string s = cp932::encodeIncoming(searchText);
    const std::string text = edit->Text();
    int from = edit->SelStart();
    if (edit->SelLength() > 0) from += static_cast<int>(s.size());
    const int hit = textsearch::findDown(text, s, from, static_cast<int>(text.size()), options);
    if (hit < 0) {
        notFound(searchText);
        return false;
    }
    selectHit(edit, hit, static_cast<int>(s.size()));
    return true;
}

bool searchUp(TRichEdit* edit, const QString& searchText, const textsearch::Options& options)
{
    const std::string s = cp932::encodeIncoming(searchText);
    const int hit = textsearch::findUp(edit->Text(), s, edit->SelStart(), options);
    if (hit < 0) {
        notFound(searchText);
        return false;
    }
    selectHit(edit, hit, static_cast<int>(s.size()));
    return true;
}

// What Replace All did: replacements made, and whether the next one was
// refused at the length limit (its hit is then selected).
struct ReplaceAllResult {
    int count = 0;
    bool refused = false;
};

bool holdsBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// Replace All in one edit.  The hits are those the one-by-one road finds
// (each search going on behind the previous replacement), found on one copy
// of the text; the editor gets them in one batch with its events masked; the
// undo history gets them as one entry, the touched lines are recoloured
// once, and the caret ends where the one-by-one road leaves it.  Neither text may
// hold a line break.
ReplaceAllResult replaceAllAtOnce(Session& main, const std::string& s, const std::string& r,
                                  const textsearch::Options& options)
{
    TRichEdit* edit = main.RichEdit;
    const int sLength = static_cast<int>(s.size());
    const int rLength = static_cast<int>(r.size());
    const std::string text = edit->Text();
    const int selStart = edit->SelStart();

    // Only a selection that is itself a hit is replaced, so a selection the
    // user made by hand never turns into the replacement text.
    std::vector<int> hits;
    if (edit->SelLength() == sLength &&
        textsearch::findDown(text, s, selStart, selStart + sLength, options) == selStart) {
        textsearch::Preceding before;
        if (rLength > 0) {
            before = {true, cp932::charStart(r, 0, r.size() - 1) == r.size() - 1, static_cast<unsigned char>(r.back())};
        } else if (selStart > 0) {
            const size_t lineStart = text.rfind('\n', size_t(selStart) - 1);
            const size_t previous =
                cp932::charStart(text, lineStart == std::string::npos ? 0 : lineStart + 1, size_t(selStart) - 1);
            before = {true, size_t(selStart) - previous == 1, static_cast<unsigned char>(text[size_t(selStart) - 1])};
        }
        hits = textsearch::replaceAllHits(text, s, r, selStart + sLength, &before, options);
        hits.insert(hits.begin(), selStart);
    } else {
        hits = textsearch::replaceAllHits(text, s, r, selStart, nullptr, options);
    }

    // The length limit as the one-by-one road meets it: the first
    // replacement that would pass it is refused, with those before it made.
    ReplaceAllResult result;
    const int shift = rLength - sLength;
    long long length = static_cast<long long>(text.size());
    size_t made = 0;
    while (made < hits.size() && editing::fitsWithin(length, sLength, rLength, edit->MaxLength())) {
        length += shift;
        ++made;
    }
    result.count = static_cast<int>(made);
    result.refused = made < hits.size();
    hits.resize(made + (result.refused ? 1 : 0));
    const int refusedHit = result.refused ? hits.back() + static_cast<int>(made) * shift : -1;
    if (result.refused) hits.pop_back();

    if (!hits.empty()) {
        if (main.UndoManager) main.UndoManager->CatchUp();
        {
            scope::EventMask quiet(*edit, ENM_NONE);
            edit->ReplaceRanges(hits, sLength, r);
            const int last = hits.back() + static_cast<int>(hits.size() - 1) * shift;
            edit->Select(last + rLength, 0, BreakSide::AfterLF);
            if (main.UndoManager) main.UndoManager->RecordReplacements(hits, sLength, r);
        }
        main.TextChanged = true;
        main.UpdateModifiedPanel();

        // Each run of touched lines is coloured once.
        if (main.AutoColor) {
            const TextDocument& doc = edit->Document();
            int runFrom = -1, runTo = -1;
            for (size_t k = 0; k < hits.size(); ++k) {
                const int at = hits[k] + static_cast<int>(k) * shift;
                if (runTo >= 0 && at + rLength <= runTo) continue;
                const int lineFrom = runTo >= 0 && at <= runTo ? runFrom : doc.lineStart(doc.lineOfPosition(at));
                const int lastLine = doc.lineOfPosition(at + rLength);
                const int lineTo = doc.lineStart(lastLine) + doc.lineLength(lastLine);
                if (runTo >= 0 && lineFrom <= runTo + 2) {
                    runTo = lineTo;
                    continue;
                }
                if (runTo >= 0) main.ColorizeRange(runFrom, runTo, false);
                runFrom = lineFrom;
                runTo = lineTo;
            }
            main.ColorizeRange(runFrom, runTo, false);
        }
    }
    if (refusedHit >= 0)
        selectHit(edit, refusedHit, sLength);
    else
        edit->ScrollCaret();
    main.UpdateCaretPosPanel();
    return result;
}

void ensureSearchForms(Session& main)
{
    if (!FormSearch) FormSearch = new TFormSearch(main.mainWindow);
    if (!FormReplace) FormReplace = new TFormReplace(main.mainWindow);
}

template <class Form>
void showResident(Session& main, Form* form, const QString& itemName)
{
    if (!main.SearchText.isEmpty()) form->ui.EditFind->setText(main.SearchText);
    if (const int context = main.HelpContextOf(itemName)) form->HelpContext = context;
    form->SetMainForm(&main);
    form->show();
    form->raise();
    form->activateWindow();
    form->FormShow();
}

}  // namespace

void Session::BuildSearchToolsCommands()
{
    registerResidentForm(ResidentForm::Search, [](Session& main) { FormSearch = new TFormSearch(main.mainWindow); });
    registerResidentForm(ResidentForm::Replace, [](Session& main) { FormReplace = new TFormReplace(main.mainWindow); });

    AddItem(
        MenuSearch, "MenuSearchSearch", QString::fromUtf8("検索(&F)..."), [this] { MenuSearchSearchClick(); }, {},
        3010);
    AddItem(MenuSearch, "MenuSearchSearchDown", QString::fromUtf8("下方向に次を検索(&S)"),
            [this] { MenuSearchSearchDownClick(); });
    AddItem(MenuSearch, "MenuSearchSearchUp", QString::fromUtf8("上方向に次を検索(&U)"),
            [this] { MenuSearchSearchUpClick(); });
    AddItem(
        MenuSearch, "MenuSearchReplace", QString::fromUtf8("置換(&R)..."), [this] { MenuSearchReplaceClick(); }, {},
        3040);
    QObject::connect(MenuSearch, &QMenu::aboutToShow, mainWindow, [this] { Guard([this] { MenuSearchClick(); }); });

    AddToolButton(ToolBarFile, "ToolButtonSearch", QString::fromUtf8("検索"), QString(),
                  [this] { MenuSearchSearchClick(); });
    AddToolButton(ToolBarFile, "ToolButtonSearchNext", QString::fromUtf8("下方向に次を検索"), QString(),
                  [this] { MenuSearchSearchDownClick(); });
    AddToolButton(ToolBarFile, "ToolButtonSearchBack", QString::fromUtf8("上方向に次を検索"), QString(),
                  [this] { MenuSearchSearchUpClick(); });

    MenuEdit->addSeparator();
    AddItem(
        MenuEdit, "MenuEditZenSpace", QString::fromUtf8("全角空白置換(&Z)..."), [this] { MenuSearchZenSpaceClick(); },
        {}, 2080);
    AddItem(
        MenuEdit, "MenuEditTabSpace", QString::fromUtf8("タブ→空白変換(&H)..."), [this] { MenuEditTabSpaceClick(); },
        {}, 2090);
    AddItem(
        MenuEdit, "MenuEditEndSpaceCut", QString::fromUtf8("行末半角空白削除(&D)..."),
        [this] { MenuEditEndSpaceCutClick(); }, {}, 2100);
    AddItem(MenuEdit, "MenuEditLineNum", QString::fromUtf8("行頭に番号を付加(&B)..."),
            [this] { MenuEditLineNumClick(); });

    AddItem(
        MenuOption, "MenuOptionEdit", QString::fromUtf8("編集設定(&E)..."), [this] { MenuOptionEditClick(); }, {},
        9110);
}

void Session::MenuSearchClick()
{
    const bool any = !SearchText.isEmpty();
    if (QAction* down = Item("MenuSearchSearchDown")) down->setEnabled(any);
    if (QAction* up = Item("MenuSearchSearchUp")) up->setEnabled(any);
}

void Session::MenuSearchSearchClick()
{
    if (Busy) return;
    ensureSearchForms(*this);
    showResident(*this, FormSearch.data(), "MenuSearchSearch");
}

void Session::MenuSearchReplaceClick()
{
    if (Busy) return;
    ensureSearchForms(*this);
    showResident(*this, FormReplace.data(), "MenuSearchReplace");
}

void Session::MenuSearchSearchDownClick()
{
    if (Busy || SearchText.isEmpty()) return;
    ensureSearchForms(*this);
    searchDown(RichEdit, SearchText, optionsOf(FormSearch->ui.cbWholeWord, FormSearch->ui.cbMatchCase));
}

void Session::MenuSearchSearchUpClick()
{
    if (Busy || SearchText.isEmpty()) return;
    ensureSearchForms(*this);
    searchUp(RichEdit, SearchText, optionsOf(FormSearch->ui.cbWholeWord, FormSearch->ui.cbMatchCase));
}

void Session::FindNext()
{
    if (Busy) return;
    ensureSearchForms(*this);
    SearchText = FormSearch->ui.EditFind->text();
    if (SearchText.isEmpty()) return;
    const textsearch::Options options = optionsOf(FormSearch->ui.cbWholeWord, FormSearch->ui.cbMatchCase);
    if (FormSearch->ui.rbUp->isChecked())
        searchUp(RichEdit, SearchText, options);
    else
        searchDown(RichEdit, SearchText, options);
}

void Session::ReplaceFindNext()
{
    if (Busy) return;
    ensureSearchForms(*this);
    SearchText = FormReplace->ui.EditFind->text();
    if (SearchText.isEmpty()) return;
    searchDown(RichEdit, SearchText, optionsOf(FormReplace->ui.cbWholeWord, FormReplace->ui.cbMatchCase));
}

void Session::ReplaceText(bool all)
{
    if (Busy) return;
    ensureSearchForms(*this);
    SearchText = FormReplace->ui.EditFind->text();
    if (SearchText.isEmpty()) return;
    // The replacement goes into the document: what it cannot take is
    // refused rather than written as "?".
    if (!writable::writableOrWarn(FormReplace->ui.EditReplace->text(), FormReplace->windowTitle(),
                                  QString::fromUtf8("その文字を直すか消して下さい。")))
        return;
    const std::string s = cp932::encodeIncoming(SearchText);
    const std::string r = cp932::encodeIncoming(FormReplace->ui.EditReplace->text());
    const textsearch::Options options = optionsOf(FormReplace->ui.cbWholeWord, FormReplace->ui.cbMatchCase);
    const int sLength = static_cast<int>(s.size());
    const int rLength = static_cast<int>(r.size());

    int count = 0;
    bool refused = false;
    int position = RichEdit->SelStart();
    if (all && !holdsBreak(s) && !holdsBreak(r)) {
        const ReplaceAllResult result = replaceAllAtOnce(*this, s, r, options);
        count = result.count;
        refused = result.refused;
    } else {
        // Replace All is one step of the history, on this road too.
        MultiUndo* history = all ? UndoManager : nullptr;
        if (history) history->BeginGroup();
        scope::Exit endGroup([history] {
            if (history) history->EndGroup();
        });
        while (true) {
            // Only a selection that is itself a hit is replaced, so a selection
            // the user made by hand never turns into the replacement text.
            const int start = RichEdit->SelStart();
            if (RichEdit->SelLength() == sLength &&
                textsearch::findDown(RichEdit->Text(), s, start, start + sLength, options) == start) {
                // A replacement the length limit would refuse ends the command
                // here, its hit still selected, and the user is told.
                if (!editing::fitsWithin(RichEdit->GetTextLen(), sLength, rLength, RichEdit->MaxLength())) {
                    refused = true;
                    break;
                }
                ++count;
                position = start + rLength;
                InsertText(r);
            }
            const std::string text = RichEdit->Text();
            const int hit = textsearch::findDown(text, s, position, static_cast<int>(text.size()), options);
            if (hit < 0) {
                if (!all) notFound(SearchText);
                break;
            }
            selectHit(RichEdit, hit, sLength);
            position = hit + rLength;
            if (!all) break;
        }
    }
    if (refused) {
        QString message = editing::overLimitMessage(QString::fromUtf8("置換すると"), RichEdit->MaxLength());
        if (all && count > 0)
            message = QString::number(count) + QString::fromUtf8(" 個置換しました。\r\n残りは、") + message;
        ask::messageBox(message, QString::fromUtf8("置換"), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!all) return;
    if (count > 0)
        ask::messageBox(QString::number(count) + QString::fromUtf8(" 個置換しました。"), QString::fromUtf8("置換"),
                        MB_OK | MB_ICONINFORMATION);
    else
        ask::messageBox(QString::fromUtf8("置換する文字列が見つかりませんでした。"), QString::fromUtf8("置換"),
                        MB_OK | MB_ICONINFORMATION);
}
