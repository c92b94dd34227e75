#include "math/ScriptDialogs.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "core/insertion/Writable.h"
#include "platform/Ask.h"

QPointer<TFormMathUp> FormMathUp;
QPointer<TFormMathDown> FormMathDown;

using scripts::Script;

namespace {

void centreOnScreen(QWidget& widget)
{
    widget.adjustSize();
    QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect g(QPoint(0, 0), widget.size());
    g.moveCenter(screen->availableGeometry().center());
    widget.move(g.topLeft());
}

// The chosen entry of a list box, or nullptr.
const QString* chosen(const QListWidget& list, QString& holder)
{
    const QListWidgetItem* item = list.currentItem();
    if (!item || !item->isSelected()) return nullptr;
    holder = item->text();
    return &holder;
}

}  // namespace

// ---- the list editor ----

TFormMathSetting::TFormMathSetting(Script script, QWidget* owner) : TDialogForm(owner)
{
    setupUi(this, script == Script::Up);
    HelpContext = scripts::kHelpContext;
    WireButtons();
}

void fillScriptList(QListWidget& list, const QString& text)
{
    list.clear();
    list.addItems(scripts::entries(text));
    setScriptListIndex(list, 0);
}

int scriptListIndex(const QListWidget& list)
{
    const QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

QString scriptListEntry(const QListWidget& list)
{
    QString entry;
    return chosen(list, entry) ? entry : QString();
}

void setScriptListIndex(QListWidget& list, int index)
{
    if (index >= 0 && index < list.count()) {
        list.setCurrentRow(index);
        return;
    }
    list.setCurrentRow(-1);
    list.clearSelection();
}

void editScriptList(QWidget& owner, const QString& settingsKey, Script script, QListWidget& list, QPushButton& ok)
{
    TFormMathSetting editor(script, &owner);
    editor.Memo->setPlainText(scripts::readList(settingsKey, script));
    centreOnScreen(editor);
    while (ask::execModal(editor) == mrOk) {
        const QString unwritable = writable::unwritableCharacters(editor.Memo->toPlainText());
        if (unwritable.isEmpty()) {
            scripts::writeList(settingsKey, script, scripts::storedText(editor.Memo->toPlainText()));
            break;
        }
        ask::messageBox(writable::storeRefusal(unwritable), editor.windowTitle(), MB_OK | MB_ICONEXCLAMATION);
    }
    fillScriptList(list, editor.Memo->toPlainText());
    ok.setFocus(Qt::OtherFocusReason);
}

// ---- one script ----

TFormMathUp::TFormMathUp(const QString& settingsKey, QWidget* owner) : TFormMathUp(settingsKey, Script::Up, owner) {}

TFormMathUp::TFormMathUp(const QString& settingsKey, Script script, QWidget* owner)
    : TDialogForm(owner), settingsKey_(settingsKey), script_(script)
{
    setupUi(this, script == Script::Up);
    HelpContext = scripts::kHelpContext;
    WireButtons();

    FormCreate();
    connect(ListBox, &QListWidget::itemClicked, this, [this] { ListBoxClick(); });
    ask::onClick(BitBtn4, this, [this] { BitBtn4Click(); });
}

std::string TFormMathUp::chosenText() const
{
    QString entry;
    const QString* e = chosen(*ListBox, entry);
    return e ? scripts::scriptText(script_, *e) : std::string();
}

std::string TFormMathUp::GetCommand() const { return chosenText(); }

void TFormMathUp::FormCreate() { fillScriptList(*ListBox, scripts::readList(settingsKey_, script_)); }

void TFormMathUp::FormShow() { BitBtn1->setFocus(Qt::OtherFocusReason); }

void TFormMathUp::ListBoxClick() { RadioButton2->setChecked(true); }

void TFormMathUp::BitBtn4Click() { editScriptList(*this, settingsKey_, script_, *ListBox, *BitBtn1); }

void TFormMathUp::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

TFormMathDown::TFormMathDown(const QString& settingsKey, QWidget* owner) : TFormMathUp(settingsKey, Script::Down, owner)
{
}

std::string TFormMathDown::MakeSubscriptText() const { return chosenText(); }

// ---- both at once ----

TFormMathUpDown::TFormMathUpDown(const QString& settingsKey, QWidget* owner)
    : TDialogForm(owner), settingsKey_(settingsKey)
{
    setupUi(this);
    HelpContext = scripts::kHelpContext;
    WireButtons();

    FormCreate();
    ask::onClick(BitBtnUp, this, [this] { BitBtnUpClick(); });
    ask::onClick(BitBtnDown, this, [this] { BitBtnDownClick(); });
}

std::string TFormMathUpDown::GetCommand() const
{
    QString sub, sup;
    return scripts::pairText(chosen(*ListBox2, sub), chosen(*ListBox1, sup));
}

void TFormMathUpDown::FormCreate()
{
    fillScriptList(*ListBox1, scripts::readList(settingsKey_, Script::Up));
    fillScriptList(*ListBox2, scripts::readList(settingsKey_, Script::Down));
}

void TFormMathUpDown::FormShow() { BitBtn1->setFocus(Qt::OtherFocusReason); }

void TFormMathUpDown::BitBtnUpClick() { editScriptList(*this, settingsKey_, Script::Up, *ListBox1, *BitBtn1); }

void TFormMathUpDown::BitBtnDownClick() { editScriptList(*this, settingsKey_, Script::Down, *ListBox2, *BitBtn1); }

void TFormMathUpDown::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}
