// The Edit menu, its tool buttons, the editor's context menu and the font
// dialog.
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>

#include "app/Form1.h"
#include "app/WindowHooks.h"
#include "core/settings/Keys.h"
#include "core/edit/Editing.h"
#include "core/undo/MultiUndo.h"
#include "platform/Scope.h"

namespace {

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// Keeps the user's keyboard, mouse and input-method events away from the
// editor while the main window is busy recolouring or reformatting it; the
// window still repaints.
class BusyInputFilter final : public QObject {
public:
    BusyInputFilter(TForm1* form, QObject* parent) : QObject(parent), form_(form) { setObjectName(kWindowHookName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!form_->Busy) return QObject::eventFilter(watched, event);
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                // Claimed, so that no window shortcut fires from the editor
                // either; the key press that follows is dropped below.
                event->accept();
                return true;
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::InputMethod:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::ContextMenu: return true;
            default: return QObject::eventFilter(watched, event);
        }
    }

private:
    TForm1* form_;
};

}  // namespace

void TForm1::MenuEditClick()
{
    const bool selected = RichEdit->SelLength() >= 1;
    Item("MenuEditUndo")->setEnabled(UndoManager && UndoManager->CanUndo());
    Item("MenuEditRedo")->setEnabled(UndoManager && UndoManager->CanRedo());
    Item("MenuEditCut")->setEnabled(selected);
    Item("MenuEditCopy")->setEnabled(selected);
    Item("MenuEditDelete")->setEnabled(selected);
    Item("MenuEditPaste")->setEnabled(clipboardHasText());
    Item("MenuEditWordWrap")->setChecked(RichEdit->WordWrap());
}

void TForm1::PopupMenu1Popup()
{
    // Undo here is the recorder's, whatever the colouring mode: the control
    // keeps no history of its own that would match the document.
    const bool selected = RichEdit->SelLength() >= 1;
    Item("PopupUndo")->setEnabled(UndoManager && UndoManager->CanUndo());
    Item("PopupCut")->setEnabled(selected);
    Item("PopupCopy")->setEnabled(selected);
    Item("PopupDelete")->setEnabled(selected);
    Item("PopupPaste")->setEnabled(clipboardHasText());
}

void TForm1::MenuEditUndoClick()
{
    if (!UndoManager) return;
    const auto [a, b] = UndoManager->Undo();
    if (a != b) ColorizeLines(a, b);
}

void TForm1::MenuEditRedoClick()
{
    if (!UndoManager) return;
    const auto [a, b] = UndoManager->Redo();
    if (a != b) ColorizeLines(a, b);
}

void TForm1::MenuEditCutClick()
{
    if (Busy || RichEdit->SelLength() < 1) return;
    RichEdit->copy();
    InsertText("");
}

void TForm1::MenuEditCopyClick()
{
    if (Busy || RichEdit->SelLength() < 1) return;
    RichEdit->copy();
}

void TForm1::MenuEditPasteClick()
{
    if (Busy || !clipboardHasText()) return;
    const int s = RichEdit->SelStart();
    InsertText(TRichEdit::PastedText(QGuiApplication::clipboard()->mimeData()));
    ColorizeLines(s, RichEdit->SelStart());
}

void TForm1::MenuEditDeleteClick()
{
    if (Busy) return;
    InsertText("");
}

void TForm1::MenuEditSelAllClick()
{
    if (Busy) return;
    RichEdit->SelectAllText();
}

void TForm1::MenuEditWordWrapClick()
{
    RichEdit->SetWordWrap(!RichEdit->WordWrap());
    Item("MenuEditWordWrap")->setChecked(RichEdit->WordWrap());
    SetImeColors();
}

void TForm1::MenuOptionFontClick()
{
    QFont initial = RichEdit->font();
    const ask::FontAnswer answer = ask::fontDialog(initial, this);
    if (!answer.accepted) return;

    QFont chosen = RichEdit->font();
    chosen.setFamily(answer.font.family());
    if (answer.font.pointSize() > 0) chosen.setPointSize(answer.font.pointSize());

    if (AutoColor) {
        scope::Busy busy(Busy);
        scope::ViewKeeper keep(*RichEdit, scope::ViewKeeper::Caret::CollapseToStart);
        CharFormat plain;
        plain.color = FontColor;
        RichEdit->SetFormat(0, RichEdit->GetTextLen(), plain);
        RichEdit->SetEditorFont(chosen);
        RichEdit->SetDefaultFormat(plain);
    }
    if (AutoColor) RichEdit->EmptyUndoBuffer();
    RichEdit->SetEditorFont(chosen);
    // The caret was put back while selection events were not passed on.
    if (UndoManager) UndoManager->SyncSelection();

    {
        const settings::Store store = Settings();
        settings::Batch batch;
        const QFont f = RichEdit->font();
        store.write(key::FontSize, f.pointSize());
        store.write(key::FontName, f.family());
        store.write(key::FontStyleBold, f.bold());
        store.write(key::FontStyleItalic, f.italic());
        store.write(key::FontStyleUnderline, f.underline());
        store.write(key::FontStyleStrikeOut, f.strikeOut());
        batch.commit();
    }
    if (AutoColor) ColorizeAll();
}

void TForm1::BuildEditCommands()
{
    auto guarded = [this](void (TForm1::*handler)()) { return [this, handler] { (this->*handler)(); }; };

    AddItem(MenuEdit, "MenuEditUndo", "元に戻す(&U)", guarded(&TForm1::MenuEditUndoClick), QKeySequence("Ctrl+Z"));
    AddItem(MenuEdit, "MenuEditRedo", "やり直し(&R)", guarded(&TForm1::MenuEditRedoClick));
    if (MenuEdit) MenuEdit->addSeparator();
    AddItem(MenuEdit, "MenuEditCut", "切り取り(&T)", guarded(&TForm1::MenuEditCutClick), QKeySequence("Ctrl+X"));
    AddItem(MenuEdit, "MenuEditCopy", "コピー(&C)", guarded(&TForm1::MenuEditCopyClick), QKeySequence("Ctrl+C"));
    AddItem(MenuEdit, "MenuEditPaste", "貼り付け(&P)", guarded(&TForm1::MenuEditPasteClick), QKeySequence("Ctrl+V"));
    AddItem(MenuEdit, "MenuEditDelete", "削除(&D)", guarded(&TForm1::MenuEditDeleteClick), QKeySequence("Ctrl+Del"));
    if (MenuEdit) MenuEdit->addSeparator();
    AddItem(MenuEdit, "MenuEditSelAll", "すべて選択(&A)", guarded(&TForm1::MenuEditSelAllClick),
            QKeySequence("Ctrl+A"));
    if (MenuEdit) MenuEdit->addSeparator();
    QAction* wrap =
        AddItem(MenuEdit, "MenuEditWordWrap", "右端で折り返す(&W)", guarded(&TForm1::MenuEditWordWrapClick));
    wrap->setCheckable(true);
    wrap->setChecked(RichEdit->WordWrap());
    if (MenuEdit) connect(MenuEdit, &QMenu::aboutToShow, this, [this] { Guard([this] { MenuEditClick(); }); });

    AddToolButton(ToolBarFile, "ToolButtonUndo", "元に戻す", "元に戻す", guarded(&TForm1::MenuEditUndoClick));
    AddToolButton(ToolBarFile, "ToolButtonCut", "切り取り", "切り取り", guarded(&TForm1::MenuEditCutClick));
    AddToolButton(ToolBarFile, "ToolButtonCopy", "コピー", "コピー", guarded(&TForm1::MenuEditCopyClick));
    AddToolButton(ToolBarFile, "ToolButtonPaste", "貼り付け", "貼り付け", guarded(&TForm1::MenuEditPasteClick));

    if (!PopupMenu1) PopupMenu1 = new QMenu(this);
    AddItem(PopupMenu1, "PopupUndo", "元に戻す(&U)", guarded(&TForm1::MenuEditUndoClick));
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "PopupCut", "切り取り(&T)", guarded(&TForm1::MenuEditCutClick));
    AddItem(PopupMenu1, "PopupCopy", "コピー(&C)", guarded(&TForm1::MenuEditCopyClick));
    AddItem(PopupMenu1, "PopupPaste", "貼り付け(&P)", guarded(&TForm1::MenuEditPasteClick));
    AddItem(PopupMenu1, "PopupDelete", "削除(&D)", guarded(&TForm1::MenuEditDeleteClick));
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "PopupAll", "すべて選択(&A)", guarded(&TForm1::MenuEditSelAllClick));

    AddItem(MenuOption, "MenuOptionFont", "フォント(&F)...", guarded(&TForm1::MenuOptionFontClick));

    auto* filter = new BusyInputFilter(this, RichEdit);
    RichEdit->installEventFilter(filter);
    RichEdit->viewport()->installEventFilter(filter);
}
