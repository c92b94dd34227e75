// The superscript and subscript commands: quick ones that wrap the selection,
// the resident list dialogs for one script, and the dialog for both at once.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "app/Form1.h"
#include "app/ResidentForms.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "math/ScriptDialogs.h"
#include "math/Scripts.h"
#include "platform/Ask.h"
#include "platform/Utf8.h"

using scripts::Script;

namespace {

// The resident dialog of a script, made anew when the one kept belongs to
// another main window (it would insert into that one).
template <class Form>
Form& resident(TForm1& main, QPointer<Form>& kept)
{
    QWidget* owner = road::mainWidget(main);
    if (kept && kept->parentWidget() != owner) kept = nullptr;
    if (!kept) kept = new Form(main.RegKey, owner);
    return *kept;
}

// An entry holding a character the document cannot take would go in with
// "?" in its place: the user is told which characters instead, and nothing
// is inserted.
bool entriesWritable(const QString& caption, std::initializer_list<const QListWidget*> lists)
{
    QString entries;
    for (const QListWidget* list : lists) entries += scriptListEntry(*list);
    const QString unwritable = scripts::unwritableCharacters(entries);
    if (unwritable.isEmpty()) return true;
    ask::messageBox(scripts::entryRefusal(unwritable), caption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// Both single-script commands: a selection is wrapped at once; otherwise the
// dialog gives the empty command or the chosen list entry.  The dialog is
// placed and its centre stored back whichever way the command went.
void runScriptDialog(TForm1& main, TFormMathUp& dialog, Script script, const QString& menuItem,
                     const std::function<std::string()>& chosenText)
{
    dialog.WireButtons();
    dialog.HelpContext = main.HelpContextOf(menuItem);
    road::place(main, dialog, road::Placement::RememberedCentre);
    const wrap::EditorState editor = road::editorState(main);
    if (editor.hasSelection()) {
        road::apply(main, scripts::quickText(script, editor));
    } else if (ask::execModal(dialog) == mrOk) {
        if (dialog.RadioButton1->isChecked())
            road::apply(main, scripts::quickText(script, editor));
        else if (entriesWritable(dialog.windowTitle(), {dialog.ListBox}))
            road::apply(main, wrap::Insertion{chosenText(), 0});
    }
    road::storeCentre(main, dialog);
}

struct ScriptButton {
    const char* popupName;
    const char* quickItem;
    const char* quickCaption;
    const char* dialogItem;
    const char* dialogCaption;
    const char* toolButton;
    const char* toolHint;
    const char* iconText;
};

const ScriptButton kButtons[] = {
    {"PopupMenuMathUp", "PMMathUp", "上添え字の命令の挿入をする", "N126", "ダイアログで上添え字するものを指定する",
     "ToolButtonMathUp", "^{} / 上添え字にします  Ctrl+H", "x^"},
    {"PopupMenuMathDown", "PMMathDown", "下添え字の命令の挿入をする", "N128", "ダイアログで下添え字するものを指定する",
     "ToolButtonMathDown", "_{} / 下添え字にします  Ctrl+M", "x_"},
    {"PopupMenuMathUpDown", "PMMathUpDown", "前回ダイアログで選択した上添え字・下添え字命令を挿入する", "N127",
     "ダイアログで上・下添え字するものを指定する", "ToolButtonMathUpDown",
     "_{}^{} / 上・下添え字を一括で挿入します  Ctrl+J", "x_^"},
};

}  // namespace

void TForm1::BuildScriptCommands()
{
    registerResidentForm(ResidentForm::MathUp, [this](Session&) { resident(*this, FormMathUp); });
    registerResidentForm(ResidentForm::MathDown, [this](Session&) { resident(*this, FormMathDown); });

    MenuTexMathUD = new QMenu(utf8("上／下添え字(&U)"), this);
    MenuTexMathUD->setObjectName("MenuTexMathUD");
    AddItem(MenuMath, "MenuTexMathUD", MenuTexMathUD->title(), nullptr, {}, scripts::kHelpContext)
        ->setMenu(MenuTexMathUD);
    AddItem(
        MenuTexMathUD, "MenuMathUpper", utf8("上添え字(&U)..."), [this] { MenuMathUpperClick(); },
        QKeySequence("Ctrl+H"), scripts::kHelpContext)
        ->setStatusTip(utf8("^{} / 上添え字にします。"));
    AddItem(
        MenuTexMathUD, "MenuMathLower", utf8("下添え字(&L)..."), [this] { MenuMathLowerClick(); },
        QKeySequence("Ctrl+M"), scripts::kHelpContext)
        ->setStatusTip(utf8("_{} / 下添え字にします。"));
    MenuTexMathUD->addSeparator();
    AddItem(
        MenuTexMathUD, "MenuMathUpDown", utf8("上下添え字一括挿入(&D)..."), [this] { MenuMathUpDownClick(); },
        QKeySequence("Ctrl+J"), scripts::kHelpContext)
        ->setStatusTip(utf8("_{}^{} / 上・下添え字を一括で挿入します"));

    // Each tool button inserts at once; its drop-down offers the quick
    // command first and the dialog second.
    using Handler = void (TForm1::*)();
    static constexpr Handler quick[] = {&TForm1::PMMathUpClick, &TForm1::PMMathDownClick, &TForm1::PMMathUpDownClick};
    static constexpr Handler dialog[] = {&TForm1::MenuMathUpperClick, &TForm1::MenuMathLowerClick,
                                         &TForm1::MenuMathUpDownClick};
    QMenu** popups[] = {&PopupMenuMathUp, &PopupMenuMathDown, &PopupMenuMathUpDown};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ScriptButton& b = kButtons[i];
        PickerFamily::Options options;
        options.popupName = b.popupName;
        options.itemNames = QStringList{b.quickItem, b.dialogItem};
        options.captions = QStringList{utf8(b.quickCaption), utf8(b.dialogCaption)};
        const Handler onQuick = quick[i], onDialog = dialog[i];
        auto* family = new PickerFamily(*this, options, nullptr, [this, onQuick, onDialog](int tag) {
            (this->*(tag == 0 ? onQuick : onDialog))();
        });
        *popups[i] = family->Popup();
        if (!ToolBarTeXMath) continue;
        QAction* button = AddToolButton(ToolBarTeXMath, b.toolButton, utf8(b.toolHint), utf8(b.iconText),
                                        [this, onQuick] { (this->*onQuick)(); });
        button->setMenu(family->Popup());
        if (auto* widget = qobject_cast<QToolButton*>(ToolBarTeXMath->widgetForAction(button)))
            widget->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void TForm1::MenuMathUpperClick()
{
    TFormMathUp& dialog = resident(*this, FormMathUp);
    runScriptDialog(*this, dialog, Script::Up, "MenuMathUpper", [&dialog] { return dialog.GetCommand(); });
}

void TForm1::MenuMathLowerClick()
{
    TFormMathDown& dialog = resident(*this, FormMathDown);
    runScriptDialog(*this, dialog, Script::Down, "MenuMathLower", [&dialog] { return dialog.MakeSubscriptText(); });
}

void TForm1::PMMathUpClick() { road::apply(*this, scripts::quickText(Script::Up, road::editorState(*this))); }

void TForm1::PMMathDownClick() { road::apply(*this, scripts::quickText(Script::Down, road::editorState(*this))); }

void TForm1::MenuMathUpDownClick()
{
    auto dialog = std::make_unique<TFormMathUpDown>(RegKey, road::mainWidget(*this));
    TFormMathUpDown& d = *dialog;
    const road::Steps steps{"MenuMathUpDown"};
    const int result = road::show(*this, d, steps, [this, &d] {
        setScriptListIndex(*d.ListBox2, Last.LastUpDownSub);
        setScriptListIndex(*d.ListBox1, Last.LastUpDownSup);
    });
    if (result == mrOk && entriesWritable(d.windowTitle(), {d.ListBox2, d.ListBox1}))
        road::apply(*this, wrap::Insertion{d.GetCommand(), 0});
    road::finish(*this, d, steps, [this, &d] {
        Last.LastUpDownSub = scriptListIndex(*d.ListBox2);
        Last.LastUpDownSup = scriptListIndex(*d.ListBox1);
    });
}

void TForm1::PMMathUpDownClick()
{
    TFormMathUpDown d(RegKey, road::mainWidget(*this));
    setScriptListIndex(*d.ListBox2, Last.LastUpDownSub);
    setScriptListIndex(*d.ListBox1, Last.LastUpDownSup);
    if (entriesWritable(d.windowTitle(), {d.ListBox2, d.ListBox1}))
        road::apply(*this, wrap::Insertion{d.GetCommand(), 0});
}
