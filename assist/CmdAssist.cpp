// The command-assist pop-up: what its keys, list and options do, and how the
// main window opens it on a typed backslash and inserts what it returns.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>

#include "assist/Assist.h"
#include "assist/CommandList.h"
#include "core/commands/ResidentForms.h"
#include "core/insertion/Writable.h"
#include "core/session/Session.h"
#include "assist/CmdAssistForms.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"

namespace {

// The key codes the pop-up's rules name; other keys are only typed.
int keyCode(int qtKey)
{
    switch (qtKey) {
        case Qt::Key_Space: return ' ';
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Down: return VK_DOWN;
        default: return 0;
    }
}

int shiftOf(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    return s;
}

}  // namespace

// ---- the pop-up ----

TFormCmdAssist::~TFormCmdAssist() = default;

void TFormCmdAssist::FormCreate(unsigned long rootKey, const QString& regKey)
{
    const cmdassist::Settings s = cmdassist::readSettings(rootKey, regKey);
    items_ = s.commands;
    fillList();
    Space = s.space;
    Kigou = s.kigou;
    Kakutei = s.kakutei;
    List = s.list;
    Gakusyuu = s.gakusyuu;
    if (QWidget* owner = parentWidget()) owner->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) Dismiss();
    });
}

void TFormCmdAssist::SetSetting(const QString& commandList, int space, int kigou, int kakutei, int list, bool gakusyuu)
{
    items_ = cmdassist::splitLines(commandList);
    fillList();
    Space = space;
    Kigou = kigou;
    Kakutei = kakutei;
    List = list;
    Gakusyuu = gakusyuu;
}

void TFormCmdAssist::fillList()
{
    lbCmd->clear();
    lbCmd->addItems(items_);
}

int TFormCmdAssist::ItemIndex() const
{
    const QListWidgetItem* current = lbCmd->currentItem();
    return current && current->isSelected() ? lbCmd->currentRow() : -1;
}

void TFormCmdAssist::SetItemIndex(int index)
{
    if (index < 0 || index >= lbCmd->count()) {
        lbCmd->clearSelection();
        lbCmd->setCurrentRow(-1);
        return;
    }
    lbCmd->setCurrentRow(index);
}

int TFormCmdAssist::TopIndex() const
{
    // Rows are of one height and scrolled by whole items, so the scroll
    // position is the index of the top row.
    return lbCmd->verticalScrollBar()->value();
}

void TFormCmdAssist::SetTopIndex(int index)
{
    if (QListWidgetItem* item = lbCmd->item(index)) lbCmd->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void TFormCmdAssist::setMemoText(const QString& text)
{
    // A text equal to the present one is no change.
    if (MemoCmd->text() != text) MemoCmd->setText(text);
}

void TFormCmdAssist::Close() { ModalResult = mrCancel; }

void TFormCmdAssist::FormShow()
{
    FirstMatch = -1;
    SetItemIndex(List == 1 ? -1 : 0);
    SetTopIndex(0);
    setMemoText("\\");
    MemoCmd->setFocus(Qt::PopupFocusReason);
    MemoCmd->setCursorPosition(1);
}

void TFormCmdAssist::MemoCmdChange()
{
    if (Updating) return;
    const QString text = MemoCmd->text();
    if (text.isEmpty() || text == QLatin1String("\\\\")) {
        Close();
        return;
    }
    const int found = cmdassist::findString(items_, -1, text);
    FirstMatch = found;
    MatchedText = text;
    if (found < 0) return;
    if (ItemIndex() >= 0) SetItemIndex(found);
    if (found - 2 > 0) SetTopIndex(found - 2);
}

void TFormCmdAssist::selectNear(int limit)
{
    const int found = cmdassist::prefixSearch(items_, MemoCmd->text(), limit);
    if (found < 0) return;
    SetItemIndex(found);
    if (found - 2 > 0) SetTopIndex(found - 2);
}

void TFormCmdAssist::moveSelection(int delta)
{
    const int count = int(items_.size());
    const int i = ItemIndex();
    if (count == 0 || (delta < 0 && i <= 0)) return;
    const int next = delta > 0 ? std::min(i + 1, count - 1) : i - 1;
    Updating = true;
    SetItemIndex(next);
    setMemoText(items_[next]);
    MemoCmd->setCursorPosition(int(MemoCmd->text().size()));
    Updating = false;
}

void TFormCmdAssist::acceptSelected()
{
    const int i = ItemIndex();
    if (i < 0) return;
    const QString s = items_[i];
    if (Gakusyuu && cmdassist::learn(items_, i, FirstMatch, MatchedText))
        lbCmd->insertItem(FirstMatch, lbCmd->takeItem(i));
    setMemoText(s);
    ModalResult = mrOk;
}

void TFormCmdAssist::MemoCmdKeyDown(int& key, int shift)
{
    const bool ctrl = shift & ssCtrl;
    const bool shifted = shift & ssShift;
    const int length = int(MemoCmd->text().size());
    switch (key) {
        case ' ':
            if (Space == 1) {
                setMemoText(MemoCmd->text() + ' ');
                ModalResult = mrOk;
            } else if (!shifted) {
                if (TopIndex() != 0 && ItemIndex() < 0)
                    selectNear(length);
                else
                    moveSelection(+1);
            } else if (ItemIndex() > 0) {
                moveSelection(-1);
            }
            break;
        case VK_ESCAPE:
            setMemoText(QString());
            Close();
            break;
        case VK_RETURN: {
            const bool typed = Kakutei == 1 ? !ctrl : ctrl;
            if (typed || ItemIndex() < 0)
                ModalResult = mrOk;
            else
                acceptSelected();
            break;
        }
        case VK_DOWN:
            if (ItemIndex() < 0)
                selectNear(length - 1);
            else
                moveSelection(+1);
            break;
        case VK_UP:
            if (ItemIndex() < 0)
                selectNear(length - 1);
            else
                moveSelection(-1);
            break;
        default: return;
    }
    key = 0;
}

void TFormCmdAssist::MemoCmdKeyPress(char& key)
{
    if (key == ' ') {
        key = 0;
        return;
    }
    if (Kigou == 0 && cmdassist::isKigouChar(key)) ModalResult = mrOk;
}

void TFormCmdAssist::lbCmdClick(int index)
{
    if (index < 0 || index >= items_.size()) return;
    setMemoText(items_[index]);
    MemoCmd->setFocus(Qt::PopupFocusReason);
    MemoCmd->setCursorPosition(int(MemoCmd->text().size()));
}

void TFormCmdAssist::lbCmdDblClick(int index)
{
    if (index < 0 || index >= items_.size()) return;
    setMemoText(items_[index]);
    MemoCmd->setFocus(Qt::PopupFocusReason);
    ModalResult = mrOk;
}

bool TFormCmdAssist::HandleMemoKey(QKeyEvent* event)
{
    if (!open_) return true;
    int key = keyCode(event->key());
    if (key) {
        MemoCmdKeyDown(key, shiftOf(event->modifiers()));
        if (key == 0) return true;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        char c = char(text[0].unicode());
        MemoCmdKeyPress(c);
        if (c == 0) return true;
    }
    return false;
}

void TFormCmdAssist::Popup(const QPoint& topLeft, std::function<void(int, const QString&)> onClosed)
{
    if (open_) return;
    onClosed_ = std::move(onClosed);
    ModalResult = mrNone;
    open_ = true;
    move(topLeft);
    show();
    FormShow();
    // A handler of the opening itself (a list whose first item is "\\")
    // may already have closed it.
    Settle();
}

void TFormCmdAssist::Settle()
{
    if (open_ && ModalResult != mrNone) finish();
}

void TFormCmdAssist::Dismiss()
{
    if (!open_) return;
    Close();
    finish();
}

void TFormCmdAssist::finish()
{
    if (!open_ || finishing_) return;
    finishing_ = true;
    open_ = false;
    const int result = ModalResult == mrNone ? mrCancel : ModalResult;
    const QString text = MemoCmd->text();
    hide();
    auto report = std::move(onClosed_);
    onClosed_ = nullptr;
    finishing_ = false;
    // A main window being destroyed has no editor left to insert into.
    if (report && ownerAlive()) report(result, text);
}

bool TFormCmdAssist::ownerAlive() const
{
    // While the window's destructors run its dynamic type is no longer the
    // main window's.
    return parentWidget() && parentWidget()->inherits("TForm1");
}

void TFormCmdAssist::closeEvent(QCloseEvent* event)
{
    // Closed from outside (a click beside it): as Close, what the line holds
    // is still inserted.
    if (open_ && !finishing_) {
        if (ModalResult == mrNone) Close();
        finish();
    }
    QWidget::closeEvent(event);
}

bool TFormCmdAssist::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbCmd->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        if (!open_) return true;
        int i = ItemIndex();
        if (i < 0) i = lbCmd->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row();
        if (i >= 0) {
            lbCmdDblClick(i);
            Settle();
        }
        return true;
    }
    if (open_ && watched == parentWidget() && ownerAlive()) {
        switch (event->type()) {
            case QEvent::Close:
            case QEvent::Hide:
            case QEvent::WindowDeactivate: Dismiss(); break;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the session's side ----

namespace assist {

TFormCmdAssist& residentCmdAssist(Session& s)
{
    if (!FormCmdAssist || FormCmdAssist->parentWidget() != s.mainWindow) {
        FormCmdAssist = new TFormCmdAssist(s.mainWindow);
        FormCmdAssist->FormCreate(HKEY_CURRENT_USER_ROOT, s.RegKey);
    }
    return *FormCmdAssist;
}

bool HandleBackslashKey(Session& s)
{
    TRichEdit* edit = s.RichEdit;
    if (!s.AutoCommand || !edit) return false;
    // A character coming through the input method is the method's; only a
    // plain key opens the pop-up.
    if (s.ImeComposing || edit->Composing()) return false;
    TFormCmdAssist& popup = residentCmdAssist(s);
    if (popup.IsOpen()) return true;
    const QPoint anchor = edit->mapToGlobal(edit->CaretRect().topLeft());
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen && s.mainWindow) screen = s.mainWindow->screen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 800);
    popup.Popup(cmdAssistPosition(anchor, popup.size(), area), [&s](int, const QString& text) {
        Session::Guard([&] {
            // The list comes from the settings or a list file.
            if (!writable::writableOrWarn(text, QStringLiteral("コマンド入力支援"),
                                          QStringLiteral("「コマンド入力支援設定」で命令を直して下さい。")))
                return;
            const std::string bytes = cp932::encode(text);
            s.InsertText(bytes);
            if (cmdassist::caretStepsBack(bytes)) s.RichEdit->SetSelStart(s.RichEdit->SelStart() - 1);
        });
    });
    return true;
}

void sbAutoCommandClick(Session& s)
{
    s.AutoCommand = !s.AutoCommand;
    if (QAction* button = s.Item("ToolButtonCommandAssist")) button->setChecked(s.AutoCommand);
    if (QAction* item = s.Item("MenuOptionAutoCommand")) item->setChecked(s.AutoCommand);
}

void MenuAutoClick(Session& s)
{
    if (QAction* item = s.Item("MenuOptionAutoColor")) item->setChecked(s.AutoColor);
    if (QAction* item = s.Item("MenuOptionAutoCommand")) item->setChecked(s.AutoCommand);
}

void buildCmdAssistCommands(Session& s)
{
    s.backslashKey = [&s] { return HandleBackslashKey(s); };
    registerResidentForm(ResidentForm::CmdAssist, [](Session& session) { residentCmdAssist(session); });

    QMenu* autoMenu = nullptr;
    if (QAction* existing = s.Item("MenuAuto")) autoMenu = existing->menu();
    if (!autoMenu && s.MenuOption) {
        autoMenu = new QMenu("入力アシスト(&A)", s.MenuOption);
        autoMenu->setObjectName("MenuAuto");
        QAction* sub = s.AddItem(s.MenuOption, "MenuAuto", "入力アシスト(&A)", nullptr);
        sub->setMenu(autoMenu);
    }
    QAction* item = s.AddItem(
        autoMenu, "MenuOptionAutoCommand", "コマンド入力支援(&A)", [&s] { sbAutoCommandClick(s); },
        QKeySequence(Qt::Key_F7));
    item->setCheckable(true);
    item->setChecked(s.AutoCommand);
    if (autoMenu)
        QObject::connect(autoMenu, &QMenu::aboutToShow, autoMenu, [&s] { Session::Guard([&s] { MenuAutoClick(s); }); });

    QToolBar* bar = s.ToolBarFile;
    QAction* button = s.AddToolButton(
        bar, "ToolButtonCommandAssist", "コマンド入力支援機能のオン／オフを設定します  F7", "コマンド入力支援",
        [&s] { sbAutoCommandClick(s); }, true);
    button->setChecked(s.AutoCommand);
    // Beside the colour-syntax switch, the other on/off button of the bar.
    if (QAction* colour = s.Item("ToolButtonColorStructure"); colour && bar) {
        const QList<QAction*> actions = bar->actions();
        const qsizetype at = actions.indexOf(colour);
        if (at >= 0 && at + 1 < actions.size() && actions[at + 1] != button) {
            bar->removeAction(button);
            bar->insertAction(actions[at + 1], button);
        }
    }

    s.AddItem(
        s.MenuOption, "MenuOptionCmdAssistSet", "コマンド入力支援設定(&B)...", [&s] { MenuOptionCmdAssistSetClick(s); },
        {}, 10100);
    if (QAction* set = s.Item("MenuOptionCmdAssistSet")) set->setStatusTip("コマンド入力支援の動作を設定します");
}

}  // namespace assist
