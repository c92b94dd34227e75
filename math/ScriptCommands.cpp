// The superscript and subscript commands: quick ones that wrap the selection,
// the resident list dialogs for one script, and the dialog for both at once.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "core/commands/ResidentForms.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "math/MathCommands.h"
#include "math/MathLastUsed.h"
#include "math/MathMenus.h"
#include "math/ScriptDialogs.h"
#include "math/Scripts.h"
#include "core/insertion/Writable.h"
#include "platform/Ask.h"
#include "platform/Utf8.h"

namespace math {

using scripts::Script;

namespace {

// The resident dialog of a script, made anew when the one kept belongs to
// another main window (it would insert into that one).
template <class Form>
Form& resident(Session& s, QPointer<Form>& kept)
{
    QWidget* owner = road::mainWidget(s);
    if (kept && kept->parentWidget() != owner) kept = nullptr;
    if (!kept) kept = new Form(s.RegKey, owner);
    return *kept;
}

// An entry holding a character the document cannot take would go in with
// "?" in its place: the user is told which characters instead, and nothing
// is inserted.
bool entriesWritable(const QString& caption, std::initializer_list<const QListWidget*> lists)
{
    QString entries;
    for (const QListWidget* list : lists) entries += scriptListEntry(*list);
    return writable::writableOrWarn(entries, caption, QString::fromUtf8("「設定変更」で項目を直して下さい。"));
}

// Both single-script commands: a selection is wrapped at once; otherwise the
// dialog gives the empty command or the chosen list entry.  The dialog is
// placed and its centre stored back whichever way the command went.
void runScriptDialog(Session& s, TFormMathUp& dialog, Script script, const QString& menuItem,
                     const std::function<std::string()>& chosenText)
{
    dialog.WireButtons();
    dialog.HelpContext = s.HelpContextOf(menuItem);
    road::place(s, dialog, road::Placement::RememberedCentre);
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, scripts::quickText(script, editor));
    } else if (ask::execModal(dialog) == mrOk) {
        if (dialog.RadioButton1->isChecked())
            road::apply(s, scripts::quickText(script, editor));
        else if (entriesWritable(dialog.windowTitle(), {dialog.ListBox}))
            road::apply(s, wrap::Insertion{chosenText(), 0});
    }
    road::storeCentre(s, dialog);
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

void buildScriptCommands(Session& s)
{
    registerResidentForm(ResidentForm::MathUp, [](Session& session) { resident(session, FormMathUp); });
    registerResidentForm(ResidentForm::MathDown, [](Session& session) { resident(session, FormMathDown); });

    MathMenus& menus = s.part<MathMenus>();
    menus.MenuTexMathUD = new QMenu(utf8("上／下添え字(&U)"), s.mainWindow);
    menus.MenuTexMathUD->setObjectName("MenuTexMathUD");
    s.AddItem(s.MenuMath, "MenuTexMathUD", menus.MenuTexMathUD->title(), nullptr, {}, scripts::kHelpContext)
        ->setMenu(menus.MenuTexMathUD);
    s.AddItem(
         menus.MenuTexMathUD, "MenuMathUpper", utf8("上添え字(&U)..."), [&s] { MenuMathUpperClick(s); },
         QKeySequence("Ctrl+H"), scripts::kHelpContext)
        ->setStatusTip(utf8("^{} / 上添え字にします。"));
    s.AddItem(
         menus.MenuTexMathUD, "MenuMathLower", utf8("下添え字(&L)..."), [&s] { MenuMathLowerClick(s); },
         QKeySequence("Ctrl+M"), scripts::kHelpContext)
        ->setStatusTip(utf8("_{} / 下添え字にします。"));
    menus.MenuTexMathUD->addSeparator();
    s.AddItem(
         menus.MenuTexMathUD, "MenuMathUpDown", utf8("上下添え字一括挿入(&D)..."), [&s] { MenuMathUpDownClick(s); },
         QKeySequence("Ctrl+J"), scripts::kHelpContext)
        ->setStatusTip(utf8("_{}^{} / 上・下添え字を一括で挿入します"));

    // Each tool button inserts at once; its drop-down offers the quick
    // command first and the dialog second.
    using Handler = void (*)(Session&);
    static constexpr Handler quick[] = {&PMMathUpClick, &PMMathDownClick, &PMMathUpDownClick};
    static constexpr Handler dialog[] = {&MenuMathUpperClick, &MenuMathLowerClick, &MenuMathUpDownClick};
    QMenu** popups[] = {&menus.PopupMenuMathUp, &menus.PopupMenuMathDown, &menus.PopupMenuMathUpDown};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ScriptButton& b = kButtons[i];
        PickerFamily::Options options;
        options.popupName = b.popupName;
        options.itemNames = QStringList{b.quickItem, b.dialogItem};
        options.captions = QStringList{utf8(b.quickCaption), utf8(b.dialogCaption)};
        const Handler onQuick = quick[i], onDialog = dialog[i];
        auto* family = new PickerFamily(s, options, nullptr,
                                        [&s, onQuick, onDialog](int tag) { (tag == 0 ? onQuick : onDialog)(s); });
        *popups[i] = family->Popup();
        if (!s.ToolBarTeXMath) continue;
        QAction* button = s.AddToolButton(s.ToolBarTeXMath, b.toolButton, utf8(b.toolHint), utf8(b.iconText),
                                          [&s, onQuick] { onQuick(s); });
        button->setMenu(family->Popup());
        if (auto* widget = qobject_cast<QToolButton*>(s.ToolBarTeXMath->widgetForAction(button)))
            widget->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void MenuMathUpperClick(Session& s)
{
    TFormMathUp& dialog = resident(s, FormMathUp);
    runScriptDialog(s, dialog, Script::Up, "MenuMathUpper", [&dialog] { return dialog.GetCommand(); });
}

void MenuMathLowerClick(Session& s)
{
    TFormMathDown& dialog = resident(s, FormMathDown);
    runScriptDialog(s, dialog, Script::Down, "MenuMathLower", [&dialog] { return dialog.MakeSubscriptText(); });
}

void PMMathUpClick(Session& s) { road::apply(s, scripts::quickText(Script::Up, road::editorState(s))); }

void PMMathDownClick(Session& s) { road::apply(s, scripts::quickText(Script::Down, road::editorState(s))); }

void MenuMathUpDownClick(Session& s)
{
    MathLastUsed& last = s.part<MathLastUsed>();
    auto dialog = std::make_unique<TFormMathUpDown>(s.RegKey, road::mainWidget(s));
    TFormMathUpDown& d = *dialog;
    const road::Steps steps{"MenuMathUpDown"};
    const int result = road::show(s, d, steps, [&last, &d] {
        setScriptListIndex(*d.ListBox2, last.LastUpDownSub);
        setScriptListIndex(*d.ListBox1, last.LastUpDownSup);
    });
    if (result == mrOk && entriesWritable(d.windowTitle(), {d.ListBox2, d.ListBox1}))
        road::apply(s, wrap::Insertion{d.GetCommand(), 0});
    road::finish(s, d, steps, [&last, &d] {
        last.LastUpDownSub = scriptListIndex(*d.ListBox2);
        last.LastUpDownSup = scriptListIndex(*d.ListBox1);
    });
}

void PMMathUpDownClick(Session& s)
{
    const MathLastUsed& last = s.part<MathLastUsed>();
    TFormMathUpDown d(s.RegKey, road::mainWidget(s));
    setScriptListIndex(*d.ListBox2, last.LastUpDownSub);
    setScriptListIndex(*d.ListBox1, last.LastUpDownSup);
    if (entriesWritable(d.windowTitle(), {d.ListBox2, d.ListBox1}))
        road::apply(s, wrap::Insertion{d.GetCommand(), 0});
}

}  // namespace math
