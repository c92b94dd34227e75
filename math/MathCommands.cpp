// Math insertion commands: the menu items and tool buttons of the math menu.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "math/Fractions.h"
#include "math/MathCommands.h"
#include "math/MathMenus.h"
#include "math/MathModes.h"
#include "platform/Utf8.h"

namespace math {

namespace {

using Handler = void (*)(Session&);

QMenu* addSubMenu(Session& s, QMenu* parent, const char* name, const char* caption, int helpContext)
{
    auto* menu = new QMenu(utf8(caption), s.mainWindow);
    menu->setObjectName(name);
    QAction* item = s.AddItem(parent, name, menu->title(), nullptr, {}, helpContext);
    item->setMenu(menu);
    return menu;
}

}  // namespace

void buildMathCommands(Session& s)
{
    using namespace mathmodes;
    MathMenus& menus = s.part<MathMenus>();

    // ---- math modes ----
    static const char* const modeIcons[kModeCount] = {"$$", "\\[", "eq", "eqn*", "eqn"};
    static constexpr Handler modeHandlers[kModeCount] = {&MenuMathModeDollarClick, &MenuMathMode1LineClick,
                                                         &MenuMathModeEquationClick, &MenuMathModeEqnAstaClick,
                                                         &MenuMathModeEqnClick};
    menus.MenuTexMathMode = addSubMenu(s, s.MenuMath, "MenuTexMathMode", "数式モード(&M)", kModeMenuHelpContext);
    for (int i = 0; i < kModeCount; ++i) {
        const Mode& m = modes()[size_t(i)];
        if (i == OneLine || i == EqnArrayStar) menus.MenuTexMathMode->addSeparator();
        const Handler handler = modeHandlers[i];
        QAction* item = s.AddItem(
            menus.MenuTexMathMode, m.menuItem, utf8(m.menuCaption), [&s, handler] { handler(s); },
            QKeySequence(m.shortcut));
        item->setStatusTip(utf8(m.hint));
        if (s.ToolBarTeXMath) {
            s.AddToolButton(s.ToolBarTeXMath, m.toolButton, utf8(toolHint(m).c_str()), utf8(modeIcons[i]),
                            [&s, handler] { handler(s); });
        }
    }

    // ---- math styles ----
    static constexpr Handler styleHandlers[kStyleCount] = {&MenuMathSizeTextstyleClick, &MenuMathSizeDispstyClick,
                                                           &MenuMathSizeScriptstyClick, &MenuMathSizeSSScrStyClick};
    menus.MenuMathSize = addSubMenu(s, s.MenuMath, "MenuMathSize", "数式サイズ(&O)", kStyleMenuHelpContext);
    for (int i = 0; i < kStyleCount; ++i) {
        const Style& style = styles()[size_t(i)];
        const Handler handler = styleHandlers[i];
        QAction* item =
            s.AddItem(menus.MenuMathSize, style.menuItem, utf8(style.menuCaption), [&s, handler] { handler(s); });
        item->setStatusTip(utf8(style.hint));
    }

    // ---- fractions and roots ----
    if (s.MenuMath) s.MenuMath->addSeparator();
    QAction* frac = s.AddItem(
        s.MenuMath, "MenuMathFrac", utf8("分数(&B) / \\frac"), [&s] { MenuMathFracClick(s); }, QKeySequence("Ctrl+B"),
        fractions::kFracHelpContext);
    frac->setStatusTip(utf8("\\frac{}{} / 分数を挿入します。"));
    const QString rootHint = utf8("\\sqrt{} / 根号を挿入します。");
    QAction* root = s.AddItem(
        s.MenuMath, "MenuMathRoot", utf8("根号(&R)... / \\sqrt"), [&s] { MenuMathRootClick(s); }, {},
        fractions::kRootHelpContext);
    root->setStatusTip(rootHint);

    PickerFamily::Options popup;
    popup.popupName = "PopupMenuMathRoot";
    popup.itemNames = QStringList{"PMMathRoot", "N133"};
    popup.captions = QStringList{utf8("２乗根"), utf8("３乗根以上")};
    auto* rootFamily = new PickerFamily(s, popup, nullptr, [&s](int tag) {
        if (tag == 0)
            PMMathRootClick(s);
        else
            MenuMathRootClick(s);
    });
    menus.PopupMenuMathRoot = rootFamily->Popup();

    if (s.ToolBarTeXMath) {
        s.AddToolButton(s.ToolBarTeXMath, "ToolButtonMathFrac", utf8("\\frac{}{} / 分数を挿入します。"), utf8("frac"),
                        [&s] { MenuMathFracClick(s); });
        addDropDownButton(
            s, s.ToolBarTeXMath, "ToolButtonMathRoot", rootHint, utf8("sqrt"), [&s] { PMMathRootClick(s); },
            menus.PopupMenuMathRoot);
    }
}

}  // namespace math
