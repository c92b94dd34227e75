// The text-tool commands of the Edit menu.  Each rewrites the text in place
// and then starts the undo history afresh from the new text.
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

#include "core/session/Session.h"
#include "core/edit/Editing.h"
#include "core/insertion/DialogRoad.h"
#include "core/undo/MultiUndo.h"
#include "core/tools/TextTools.h"
#include "forms/SearchToolForms.h"
#include "platform/Ask.h"
#include "platform/Help.h"

namespace {

// A small modal dialog over one of the text-tool layouts.
template <class Ui>
class ToolDialog : public QDialog {
public:
    ToolDialog(QWidget* owner, int helpContext) : QDialog(owner), context(helpContext)
    {
        ui.setupUi(this);
        ask::onClick(ui.buttons.HelpButton, this, [this] { help::showContext(context); });
    }
    Ui ui;
    int context;
};

// The tool dialogs open at the centre of the screen and remember no place.
int runTool(Session& main, QDialog& form)
{
    road::place(main, form, road::Placement::ScreenCentre);
    return ask::execModal(form);
}

void resetUndo(Session& main)
{
    if (main.UndoManager) main.UndoManager->Reset();
}

void information(const QString& text, const char* caption)
{
    ask::messageBox(text, QString::fromUtf8(caption), MB_OK | MB_ICONINFORMATION);
}

// Replaces each of the given ranges (ascending, in the text as it was) by
// the same text through the insertion primitive.
void replaceEach(Session& main, const std::vector<int>& starts, int length, const std::string& replacement)
{
    int shift = 0;
    for (int start : starts) {
        main.RichEdit->Select(start + shift, length);
        main.InsertText(replacement);
        shift += static_cast<int>(replacement.size()) - length;
    }
}

// A whole-text rewrite that would pass the length limit is refused before
// anything changes: the undo history is reset after these commands, so a
// rewrite cut short half-way could not be taken back.
bool refusedAtLimit(Session& main, long long growth, const QString& action, const char* caption)
{
    if (editing::fitsWithin(main.RichEdit->GetTextLen(), 0, growth, main.RichEdit->MaxLength())) return false;
    ask::messageBox(editing::overLimitMessage(action, main.RichEdit->MaxLength()), QString::fromUtf8(caption),
                    MB_OK | MB_ICONEXCLAMATION);
    return true;
}

int helpOr(const Session& main, const char* item, int fallback)
{
    const int context = main.HelpContextOf(item);
    return context ? context : fallback;
}

}  // namespace

void Session::MenuSearchZenSpaceClick()
{
    if (Busy) return;
    ToolDialog<FormZenSpaceUi> form(mainWindow, helpOr(*this, "MenuEditZenSpace", 2080));
    if (runTool(*this, form) != mrOk) return;
    const std::string replacement = texttools::fullWidthReplacement(form.ui.rgKind.ItemIndex());
    const std::vector<int> hits = texttools::fullWidthBlankPositions(RichEdit->Text());
    const long long growth = static_cast<long long>(hits.size()) * (static_cast<long long>(replacement.size()) - 2);
    if (refusedAtLimit(*this, growth, QString::fromUtf8("置換すると"), "全角空白置換")) return;
    replaceEach(*this, hits, 2, replacement);
    information(QString::number(hits.size()) + QString::fromUtf8("個の全角空白を置換しました。"), "全角空白置換");
    resetUndo(*this);
}

void Session::MenuEditTabSpaceClick()
{
    if (Busy) return;
    ToolDialog<FormTabChangeUi> form(mainWindow, helpOr(*this, "MenuEditTabSpace", 2090));
    if (runTool(*this, form) != mrOk) return;
    const int n = form.ui.UpDown1->value();
    const int caret = RichEdit->SelStart();
    const std::string text = RichEdit->Text();
    std::vector<int> tabs;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\t') tabs.push_back(static_cast<int>(i));
    if (refusedAtLimit(*this, static_cast<long long>(tabs.size()) * (n - 1), QString::fromUtf8("置換すると"),
                       "タブ→空白変換"))
        return;
    replaceEach(*this, tabs, 1, std::string(static_cast<size_t>(n), ' '));
    RichEdit->SetSelStart(caret);
    information(QString::number(tabs.size()) + QString::fromUtf8("個のタブを半角空白に置換しました。"),
                "タブ→空白変換");
    resetUndo(*this);
}

void Session::MenuEditEndSpaceCutClick()
{
    if (Busy || RichEdit->GetTextLen() == 0) return;
    ToolDialog<FormDelLineSpaceUi> form(mainWindow, helpOr(*this, "MenuEditEndSpaceCut", 2100));
    const int start = RichEdit->SelStart();
    const int length = RichEdit->SelLength();
    if (length > 0) form.ui.RadioGroup1.SetItemIndex(2);
    if (runTool(*this, form) != mrOk) return;

    // The editor's lines are the text's CR LF lines whatever the wrap, so
    // the blanks go from real lines, never from display lines.
    auto trimLine = [this](int line) {
        const std::string text = RichEdit->Line(line);
        const int keep = texttools::trimmedLength(text);
        if (keep == static_cast<int>(text.size())) return;
        RichEdit->Select(RichEdit->LineIndex(line) + keep, static_cast<int>(text.size()) - keep);
        RichEdit->SetSelText("");
    };
    switch (form.ui.RadioGroup1.ItemIndex()) {
        case 0:
            for (int line = 0; line < RichEdit->LineCount(); ++line) trimLine(line);
            break;
        case 1: trimLine(RichEdit->LineFromChar(start)); break;
        case 2: {
            const int first = RichEdit->LineFromChar(start);
            const int last = RichEdit->LineFromChar(start + length);
            for (int line = first; line <= last; ++line) trimLine(line);
            break;
        }
        default: break;
    }
    RichEdit->SetSelStart(start);
    resetUndo(*this);
}

void Session::MenuEditLineNumClick()
{
    if (Busy || RichEdit->GetTextLen() == 0) return;
    const int start = RichEdit->SelStart();
    const int length = RichEdit->SelLength();
    if (length <= 0) {
        information(QString::fromUtf8("行番号を付加したい範囲を選択してから、\r\nこのメニューを実行して下さい。"),
                    "行番号付加");
        resetUndo(*this);
        return;
    }
    const int first = RichEdit->LineFromChar(start);
    const int last = RichEdit->LineFromChar(start + length);
    const int width = texttools::digitCount(last - first + 1);
    if (refusedAtLimit(*this, static_cast<long long>(last - first + 1) * (width + 1),
                       QString::fromUtf8("行番号を付加すると"), "行番号付加"))
        return;
    for (int line = first; line <= last; ++line) {
        RichEdit->Select(RichEdit->LineIndex(line), 0);
        RichEdit->SetSelText(texttools::lineNumberPrefix(line - first + 1, width));
    }
    RichEdit->SetSelStart(start);
    resetUndo(*this);
}
