#include "forms/ScriptForms.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "forms/FormParts.h"
#include "platform/Ask.h"

QPointer<TFormMathUp> FormMathUp;
QPointer<TFormMathDown> FormMathDown;

using formparts::named;
using formparts::u;
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

QListWidget* makeList(QWidget* parent, const char* name)
{
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(160, 120);
    return list;
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
    setObjectName("FormMathSetting");
    HelpContext = scripts::kHelpContext;
    const bool up = script == Script::Up;
    setWindowTitle(up ? u("数式上添え設定変更") : u("数式下添え設定変更"));
    Label1 =
        named(new QLabel(up ? u("あらかじめ、上添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。")
                            : u("あらかじめ、下添えで良く使用する内容を、記述します。各項目は、改行で区切って下さい。"),
                         this),
              "Label1");
    Label1->setWordWrap(true);
    Memo = named(new QPlainTextEdit(this), "Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setMinimumSize(320, 200);
    Memo->setTabChangesFocus(true);
    Label1->setBuddy(Memo);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addWidget(Memo);
    const formparts::ButtonRow buttons = formparts::addButtons(this, main);
    WireButtons();
    // A line break in the memo belongs to the text, not to the OK button.
    buttons.ok->setAutoDefault(false);
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
        const QString unwritable = scripts::unwritableCharacters(editor.Memo->toPlainText());
        if (unwritable.isEmpty()) {
            scripts::writeList(settingsKey, script, scripts::storedText(editor.Memo->toPlainText()));
            break;
        }
        ask::messageBox(scripts::listRefusal(unwritable), editor.windowTitle(), MB_OK | MB_ICONEXCLAMATION);
    }
    fillScriptList(list, editor.Memo->toPlainText());
    ok.setFocus(Qt::OtherFocusReason);
}

// ---- one script ----

TFormMathUp::TFormMathUp(const QString& settingsKey, QWidget* owner) : TFormMathUp(settingsKey, Script::Up, owner) {}

TFormMathUp::TFormMathUp(const QString& settingsKey, Script script, QWidget* owner)
    : TDialogForm(owner), settingsKey_(settingsKey), script_(script)
{
    const bool up = script == Script::Up;
    setObjectName(up ? "FormMathUp" : "FormMathDown");
    setWindowTitle(up ? u("上添え字") : u("下添え字"));
    HelpContext = scripts::kHelpContext;

    RadioButton1 = named(new QRadioButton(u("命令のみ挿入する(&M)"), this), "RadioButton1");
    RadioButton2 = named(
        new QRadioButton(up ? u("下で指定した命令を上添えする(&S)") : u("下で指定した命令を下添えする(&S)"), this),
        "RadioButton2");
    RadioButton2->setChecked(true);
    ListBox = makeList(this, "ListBox");
    BitBtn4 = named(new QPushButton(u("設定変更"), this), "BitBtn4");
    BitBtn4->setAutoDefault(false);

    auto* listRow = new QHBoxLayout;
    listRow->addSpacing(20);
    listRow->addWidget(ListBox, 1);
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(BitBtn4);
    listRow->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->addWidget(RadioButton1);
    main->addWidget(RadioButton2);
    main->addLayout(listRow);
    formparts::addButtons(this, main).keep(BitBtn1, BitBtn2, BitBtn3);
    WireButtons();

    FormCreate();
    connect(ListBox, &QListWidget::itemClicked, this, [this] { ListBoxClick(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
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
    setObjectName("FormMathUpDown");
    setWindowTitle(u("上･下添え一括挿入"));
    HelpContext = scripts::kHelpContext;

    auto makeSide = [this](QGroupBox*& box, QListWidget*& list, QPushButton*& edit, const char* title,
                           const char* boxName, const char* listName, const char* buttonName) {
        box = named(new QGroupBox(u(title), this), boxName);
        list = makeList(box, listName);
        edit = named(new QPushButton(u("設定変更"), box), buttonName);
        edit->setAutoDefault(false);
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(list);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(edit);
        layout->addLayout(row);
    };
    makeSide(GroupBox2, ListBox2, BitBtnDown, "下添え項目選択", "GroupBox2", "ListBox2", "BitBtnDown");
    makeSide(GroupBox1, ListBox1, BitBtnUp, "上添え項目選択", "GroupBox1", "ListBox1", "BitBtnUp");

    auto* sides = new QHBoxLayout;
    sides->addWidget(GroupBox2);
    sides->addWidget(GroupBox1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(sides);
    formparts::addButtons(this, main).keep(BitBtn1, BitBtn2, BitBtn3);
    WireButtons();

    FormCreate();
    connect(BitBtnUp, &QPushButton::clicked, this, [this] { BitBtnUpClick(); });
    connect(BitBtnDown, &QPushButton::clicked, this, [this] { BitBtnDownClick(); });
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
