// Editor events, the insertion primitive and dialog placement.
#include "core/edit/Editing.h"

#include <QWidget>
#include <algorithm>

#include "core/session/Session.h"
#include "core/settings/Keys.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"
#include "platform/Scope.h"

namespace editing {

std::string enterText(std::string_view text, int caret, bool autoIndent, bool autoCommand)
{
    caret = std::clamp(caret, 0, int(text.size()));
    // Start of the caret's line; with the caret at a line's very start this
    // is the line above, whose indentation then carries over.
    int i = std::max(caret - 1, 0);
    while (i >= 2 && !(text[i - 2] == '\r' && text[i - 1] == '\n')) --i;
    if (i < 2) i = 0;
    if (caret - i < 1) return "\r\n";

    std::string t = "\r\n";
    if (autoIndent)
        while (i < caret && (text[i] == ' ' || text[i] == '\t')) t += text[i++];

    if (autoCommand && i < caret && text[i] == '\\') {
        std::string w = "\\";
        for (int j = i + 1; j < caret; ++j) {
            const char ch = text[j];
            if (ch == '\\' || ch == ']' || ch == '(' || ch == ')' || ch == '{' || ch == '}' || ch == '\r' || ch == '\n')
                break;
            w += ch;
        }
        auto begins = [&](std::string_view head) { return std::string_view(w).substr(0, head.size()) == head; };
        if (w.size() >= 7) {
            if (begins("\\item ["))
                t += "\\item []";
            else if (begins("\\item["))
                t += "\\item[]";
            else if (begins("\\item"))
                t += "\\item ";
        } else if (w.size() == 6) {
            if (begins("\\item["))
                t += "\\item[]";
            else if (begins("\\item"))
                t += "\\item ";
        } else if (w == "\\item") {
            t += "\\item ";
        }
    }
    return t;
}

QString caretPanelText(int line, int column) { return QStringLiteral(" %1: %2").arg(line).arg(column); }

bool fitsWithin(long long textLength, long long removed, long long added, int maxLength)
{
    return textLength - removed + added <= maxLength;
}

QString overLimitMessage(const QString& action, int maxLength)
{
    return action + QStringLiteral("文書の大きさが上限の %1 バイトを超えるので、実行しませんでした。").arg(maxLength);
}

}  // namespace editing

void Session::InsertText(const std::string& text)
{
    if (UndoManager) UndoManager->SyncSelection();
    const int s = RichEdit->SelStart();
    // Refused as a whole at the length limit, so that the selection is not
    // deleted for an insertion that cannot follow.
    if (!InsertionFits(text.size())) return;
    // The selection goes first, as an edit of its own, unless the text
    // without it would put a stray byte before a byte completing it: the
    // selection is then replaced in one edit, so the stray byte keeps its
    // place unless the new text itself completes it.
    const int length = RichEdit->SelLength();
    const bool inOne = length > 0 && !text.empty() &&
                       cp932::removalJoinsStrayByte(RichEdit->TextView(), size_t(s), size_t(s + length));
    if (length > 0 && !inOne && !RichEdit->SetSelText("")) return;
    if (!text.empty() && !RichEdit->SetSelText(text)) return;
    RichEdit->Select(s + int(text.size()), 0, BreakSide::AfterLF);
    ColorizeLines(s, s + int(text.size()));
}

bool Session::InsertionFits(size_t bytes)
{
    if (editing::fitsWithin(RichEdit->GetTextLen(), RichEdit->SelLength(), (long long)bytes, RichEdit->MaxLength()))
        return true;
    RichEditRefused();
    return false;
}

void Session::RichEditRefused()
{
    // In the status bar, not a message box: a key held down at the limit
    // must not raise a box per key.
    SetStatusPanel(3, editing::overLimitMessage(QStringLiteral("入力すると"), RichEdit->MaxLength()));
}

bool Session::CaretNotAtLineStart()
{
    return RichEdit->SelStart() - RichEdit->LineIndex(RichEdit->LineFromChar(-1)) > 0;
}

int Session::DialogTop(int height)
{
    if (DialogCenterY == 9999) return mainWindow->y() + std::max(mainWindow->frameGeometry().height() - height, 0) / 2;
    return DialogCenterY - height / 2;
}

int Session::DialogLeft(int width)
{
    if (DialogCenterX == 9999) return mainWindow->x() + std::max(mainWindow->frameGeometry().width() - width, 0) / 2;
    return DialogCenterX - width / 2;
}

void Session::StoreDialogTop(int top, int height) { DialogCenterY = top + height / 2; }
void Session::StoreDialogLeft(int left, int width) { DialogCenterX = left + width / 2; }

void Session::UpdateCaretPosPanel()
{
    const int line = RichEdit->LineFromChar(-1);
    const int first = RichEdit->LineIndex(line);
    SetStatusPanel(0, editing::caretPanelText(line + 1, RichEdit->SelStart() - first + 1));
}

void Session::UpdateModifiedPanel()
{
    SetStatusPanel(1, RichEdit->Modified() ? QStringLiteral("変更あり") : QString());
}

// The input method draws its own composition underline and colours on this
// platform; there is no per-editor composition colour table to set.
void Session::SetImeColors() {}

void Session::AutoIndentOnEnter(int& key, int shift)
{
    if (key != VK_RETURN) return;
    // The control is not left to insert a break of its own, so both plain
    // Enter and Ctrl+Enter are inserted here and the key is swallowed.
    key = 0;
    if (shift & ssCtrl) {
        InsertText("\r\n");
        return;
    }
    const bool autoIndent = Settings().read(key::AutoIndent);
    InsertText(editing::enterText(RichEdit->Text(), RichEdit->SelStart(), autoIndent, AutoCommand));
}

void Session::RichEditChange()
{
    if (Busy) return;
    UpdateModifiedPanel();
    if (!ImeComposing && UndoManager) UndoManager->OnChange();
    TextChanged = true;
    if (AutoColor) ColorizeCurrentLine();
}

void Session::RichEditKeyDown(int& key, int shift)
{
    if (Busy) {
        key = 0;
        return;
    }
    if (key == VK_INSERT) {
        key = 0;
        return;
    }
    // The editor's own bindings for these keys would bypass the commands
    // (and Ctrl+Delete would delete a word), so they are routed here.
    if ((shift & ssCtrl) && !(shift & (ssAlt | ssShift))) {
        void (Session::*command)() = nullptr;
        switch (key) {
            case 'Z': command = &Session::MenuEditUndoClick; break;
            case 'X': command = &Session::MenuEditCutClick; break;
            case 'C': command = &Session::MenuEditCopyClick; break;
            case 'V': command = &Session::MenuEditPasteClick; break;
            case 'A': command = &Session::MenuEditSelAllClick; break;
            case VK_DELETE: command = &Session::MenuEditDeleteClick; break;
            default: break;
        }
        if (command) {
            key = 0;
            (this->*command)();
            return;
        }
    }
    if (!ImeComposing && UndoManager) {
        UndoManager->SyncSelection();
        UndoManager->OnKeyDown(key);
    }
    AutoIndentOnEnter(key, shift);
    ResumeExplorer();
}

void Session::RichEditKeyPress(char& key)
{
    if (Busy)
        key = 0;
    else if (key == '\t' && tabKey && tabKey())
        key = 0;
    else if (key == '\\' && backslashKey && backslashKey())
        key = 0;
}

void Session::RichEditSelectionChange()
{
    UpdateCaretPosPanel();
    if (StartingUp || Busy || ImeComposing || !UndoManager) return;
    UndoManager->OnSelectionChange();
}

void Session::RichEditMouseDown()
{
    if (Busy) return;
    if (UndoManager) UndoManager->SyncSelection();
    UpdateCaretPosPanel();
    ResumeExplorer();
}

void Session::RichEditInvalidBytesReplaced(int count)
{
    SetStatusPanel(3, QStringLiteral("不正なバイト %1 個を「?」に置き換えました。").arg(count));
}

void Session::RichEditImeStartComposition()
{
    if (Busy) return;
    ImeCompositionStart = RichEdit->SelStart();
}

void Session::RichEditImeEndComposition()
{
    if (Busy) return;
    ImeCompositionEnd = RichEdit->SelStart();
    const int start = ImeCompositionStart;
    const int n = ImeCompositionEnd - start;
    if (n <= 0) return;

    {
        scope::Busy composing(ImeComposing);
        RichEdit->HideSelection(true);
        scope::Exit showSelection([this] { RichEdit->HideSelection(false); });
        RichEdit->Select(start, n);
        const RangeFormat f = RichEdit->GetFormat(start, n);
        const bool plain = f.colorUniform && f.format.color == FontColor && f.boldUniform && f.italicUniform &&
                           f.underlineUniform && f.strikeOutUniform && !f.format.bold && !f.format.italic &&
                           !f.format.underline && !f.format.strikeOut;
        if (!plain) {
            // Inserted afresh, so the change event recolours its line.
            RichEdit->SetSelText(RichEdit->SelText());
        } else {
            const std::string composed = RichEdit->SelText();
            for (size_t i = 0; i < composed.size(); i += size_t(cp932::charLength(composed, i))) {
                if (i + 1 < composed.size() && composed[i] == '\x81' && composed[i + 1] == '\x40') {
                    RichEdit->Select(start, n);
                    RichEdit->SetSelText(RichEdit->SelText());
                    break;
                }
            }
            RichEdit->Select(ImeCompositionEnd, 0);
        }
    }
    if (UndoManager) UndoManager->SyncSelection();
}
