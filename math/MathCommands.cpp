// Math insertion commands: the menu items and tool buttons of the math menu.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/PickerFamily.h"
#include "math/Fractions.h"
#include "math/MathModes.h"
#include "platform/Utf8.h"

namespace {

QMenu* addSubMenu(TForm1& form, QMenu* parent, const char* name, const char* caption, int helpContext)
{
    auto* menu = new QMenu(utf8(caption), &form);
    menu->setObjectName(name);
    QAction* item = form.AddItem(parent, name, menu->title(), nullptr, {}, helpContext);
    item->setMenu(menu);
    return menu;
}

}  // namespace

void TForm1::BuildMathCommands()
{
    using namespace mathmodes;
    using Handler = void (TForm1::*)();

    // ---- math modes ----
    static const char* const modeIcons[kModeCount] = {"$$", "\\[", "eq", "eqn*", "eqn"};
    static constexpr Handler modeHandlers[kModeCount] = {
        &TForm1::MenuMathModeDollarClick, &TForm1::MenuMathMode1LineClick, &TForm1::MenuMathModeEquationClick,
        &TForm1::MenuMathModeEqnAstaClick, &TForm1::MenuMathModeEqnClick};
    MenuTexMathMode = addSubMenu(*this, MenuMath, "MenuTexMathMode", "数式モード(&M)", kModeMenuHelpContext);
    for (int i = 0; i < kModeCount; ++i) {
        const Mode& m = modes()[size_t(i)];
        if (i == OneLine || i == EqnArrayStar) MenuTexMathMode->addSeparator();
        const Handler handler = modeHandlers[i];
        QAction* item = AddItem(
            MenuTexMathMode, m.menuItem, utf8(m.menuCaption), [this, handler] { (this->*handler)(); },
            QKeySequence(m.shortcut));
        item->setStatusTip(utf8(m.hint));
        if (ToolBarTeXMath) {
            AddToolButton(ToolBarTeXMath, m.toolButton, utf8(toolHint(m).c_str()), utf8(modeIcons[i]),
                          [this, handler] { (this->*handler)(); });
        }
    }

    // ---- math styles ----
    static constexpr Handler styleHandlers[kStyleCount] = {
        &TForm1::MenuMathSizeTextstyleClick, &TForm1::MenuMathSizeDispstyClick, &TForm1::MenuMathSizeScriptstyClick,
        &TForm1::MenuMathSizeSSScrStyClick};
    MenuMathSize = addSubMenu(*this, MenuMath, "MenuMathSize", "数式サイズ(&O)", kStyleMenuHelpContext);
    for (int i = 0; i < kStyleCount; ++i) {
        const Style& s = styles()[size_t(i)];
        const Handler handler = styleHandlers[i];
        QAction* item = AddItem(MenuMathSize, s.menuItem, utf8(s.menuCaption), [this, handler] { (this->*handler)(); });
        item->setStatusTip(utf8(s.hint));
    }

    // ---- fractions and roots ----
    if (MenuMath) MenuMath->addSeparator();
    QAction* frac = AddItem(
        MenuMath, "MenuMathFrac", utf8("分数(&B) / \\frac"), [this] { MenuMathFracClick(); }, QKeySequence("Ctrl+B"),
        fractions::kFracHelpContext);
    frac->setStatusTip(utf8("\\frac{}{} / 分数を挿入します。"));
    const QString rootHint = utf8("\\sqrt{} / 根号を挿入します。");
    QAction* root = AddItem(
        MenuMath, "MenuMathRoot", utf8("根号(&R)... / \\sqrt"), [this] { MenuMathRootClick(); }, {},
        fractions::kRootHelpContext);
    root->setStatusTip(rootHint);

    PickerFamily::Options popup;
    popup.popupName = "PopupMenuMathRoot";
    popup.itemNames = QStringList{"PMMathRoot", "N133"};
    popup.captions = QStringList{utf8("２乗根"), utf8("３乗根以上")};
    auto* rootFamily = new PickerFamily(*this, popup, nullptr, [this](int tag) {
        if (tag == 0)
            PMMathRootClick();
        else
            MenuMathRootClick();
    });
    PopupMenuMathRoot = rootFamily->Popup();

    if (ToolBarTeXMath) {
        AddToolButton(ToolBarTeXMath, "ToolButtonMathFrac", utf8("\\frac{}{} / 分数を挿入します。"), utf8("frac"),
                      [this] { MenuMathFracClick(); });
        addDropDownButton(
            *this, ToolBarTeXMath, "ToolButtonMathRoot", rootHint, utf8("sqrt"), [this] { PMMathRootClick(); },
            PopupMenuMathRoot);
    }
}
