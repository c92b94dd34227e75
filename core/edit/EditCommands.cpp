// The Edit menu, its tool buttons, the editor's context menu and the font
// dialog.
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>

#include "core/session/Session.h"
#include "core/commands/ResidentForms.h"
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
    BusyInputFilter(Session* form, QObject* parent) : QObject(parent), form_(form) { setObjectName(kWindowHookName); }

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
    Session* form_;
};

}  // namespace

void Session::MenuEditClick()
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

void Session::PopupMenu1Popup()
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

void Session::MenuEditUndoClick()
{
    if (!UndoManager) return;
    const auto [a, b] = UndoManager->Undo();
    if (a != b) ColorizeLines(a, b);
}

void Session::MenuEditRedoClick()
{
    if (!UndoManager) return;
    const auto [a, b] = UndoManager->Redo();
    if (a != b) ColorizeLines(a, b);
}

void Session::MenuEditCutClick()
{
    if (Busy || RichEdit->SelLength() < 1) return;
    RichEdit->copy();
    InsertText("");
}

void Session::MenuEditCopyClick()
{
    if (Busy || RichEdit->SelLength() < 1) return;
    RichEdit->copy();
}

void Session::MenuEditPasteClick()
{
    if (Busy || !clipboardHasText()) return;
    const int s = RichEdit->SelStart();
    int carried = 0;
    const long revision = RichEdit->Revision();
    InsertText(TRichEdit::PastedText(QGuiApplication::clipboard()->mimeData(), &carried));
    ColorizeLines(s, RichEdit->SelStart());
    // Told only when the text went in: a paste refused at the limit says so.
    if (carried > 0 && RichEdit->Revision() != revision) RichEditInvalidBytesReplaced(carried);
}

void Session::MenuEditDeleteClick()
{
    if (Busy) return;
    InsertText("");
}

void Session::MenuEditSelAllClick()
{
    if (Busy) return;
    RichEdit->SelectAllText();
}

void Session::MenuEditWordWrapClick()
{
    RichEdit->SetWordWrap(!RichEdit->WordWrap());
    Item("MenuEditWordWrap")->setChecked(RichEdit->WordWrap());
    SetImeColors();
}

void Session::MenuOptionFontClick()
{
    QFont initial = RichEdit->font();
    const ask::FontAnswer answer = ask::fontDialog(initial, mainWindow);
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

void Session::BuildEditCommands()
{
    auto guarded = [this](void (Session::*handler)()) { return [this, handler] { (this->*handler)(); }; };

    AddItem(MenuEdit, "MenuEditUndo", "元に戻す(&U)", guarded(&Session::MenuEditUndoClick), QKeySequence("Ctrl+Z"));
    AddItem(MenuEdit, "MenuEditRedo", "やり直し(&R)", guarded(&Session::MenuEditRedoClick));
    if (MenuEdit) MenuEdit->addSeparator();
    AddItem(MenuEdit, "MenuEditCut", "切り取り(&T)", guarded(&Session::MenuEditCutClick), QKeySequence("Ctrl+X"));
    AddItem(MenuEdit, "MenuEditCopy", "コピー(&C)", guarded(&Session::MenuEditCopyClick), QKeySequence("Ctrl+C"));
    AddItem(MenuEdit, "MenuEditPaste", "貼り付け(&P)", guarded(&Session::MenuEditPasteClick), QKeySequence("Ctrl+V"));
    AddItem(MenuEdit, "MenuEditDelete", "削除(&D)", guarded(&Session::MenuEditDeleteClick), QKeySequence("Ctrl+Del"));
    if (MenuEdit) MenuEdit->addSeparator();
    AddItem(MenuEdit, "MenuEditSelAll", "すべて選択(&A)", guarded(&Session::MenuEditSelAllClick),
            QKeySequence("Ctrl+A"));
    if (MenuEdit) MenuEdit->addSeparator();
    QAction* wrap =
        AddItem(MenuEdit, "MenuEditWordWrap", "右端で折り返す(&W)", guarded(&Session::MenuEditWordWrapClick));
    wrap->setCheckable(true);
    wrap->setChecked(RichEdit->WordWrap());
    if (MenuEdit) QObject::connect(MenuEdit, &QMenu::aboutToShow, mainWindow, [this] { Guard([this] { MenuEditClick(); }); });

    AddToolButton(ToolBarFile, "ToolButtonUndo", "元に戻す", "元に戻す", guarded(&Session::MenuEditUndoClick));
    AddToolButton(ToolBarFile, "ToolButtonCut", "切り取り", "切り取り", guarded(&Session::MenuEditCutClick));
    AddToolButton(ToolBarFile, "ToolButtonCopy", "コピー", "コピー", guarded(&Session::MenuEditCopyClick));
    AddToolButton(ToolBarFile, "ToolButtonPaste", "貼り付け", "貼り付け", guarded(&Session::MenuEditPasteClick));

    if (!PopupMenu1) PopupMenu1 = new QMenu(mainWindow);
    AddItem(PopupMenu1, "PopupUndo", "元に戻す(&U)", guarded(&Session::MenuEditUndoClick));
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "PopupCut", "切り取り(&T)", guarded(&Session::MenuEditCutClick));
    AddItem(PopupMenu1, "PopupCopy", "コピー(&C)", guarded(&Session::MenuEditCopyClick));
    AddItem(PopupMenu1, "PopupPaste", "貼り付け(&P)", guarded(&Session::MenuEditPasteClick));
    AddItem(PopupMenu1, "PopupDelete", "削除(&D)", guarded(&Session::MenuEditDeleteClick));
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "PopupAll", "すべて選択(&A)", guarded(&Session::MenuEditSelAllClick));

    AddItem(MenuOption, "MenuOptionFont", "フォント(&F)...", guarded(&Session::MenuOptionFontClick));

    auto* filter = new BusyInputFilter(this, RichEdit);
    RichEdit->installEventFilter(filter);
    RichEdit->viewport()->installEventFilter(filter);
}
