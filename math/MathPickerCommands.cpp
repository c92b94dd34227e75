// The math symbol pickers in the main window: the picker items of the math
// menu with the Greek sub-menu, their pop-ups and the drop-down buttons of
// the math tool bar, all bound from the families' tables.
#include <QAction>
#include <QMenu>

#include "core/insertion/PickerBinding.h"
#include "core/session/Session.h"
#include "math/MathCommands.h"
#include "math/SymbolPickers.h"

namespace math {

void buildMathPickerCommands(Session& s)
{
    using namespace mathpickers;
    QMenu* menu = s.MenuMath;
    if (!menu) return;

    // The accents follow the fraction item, then the symbol families stand
    // between two separators.
    QAction* before = nullptr;
    const QList<QAction*> items = menu->actions();
    const int frac = int(items.indexOf(s.Item("MenuMathFrac")));
    if (frac >= 0 && frac + 1 < items.size()) before = items[frac + 1];
    for (const picker::Family* family : {&kSmallAccent, &kBigAccent})
        picker::bind(s, *family, menu, s.ToolBarTeXMath, before);
    menu->insertSeparator(before);
    for (const picker::Family* family : {&kLargeOperator, &kMathSymbol, &kBinaryOperator, &kRelation, &kArrow, &kDots})
        picker::bind(s, *family, menu, s.ToolBarTeXMath, before);
    menu->insertSeparator(before);

    if (!menu->actions().isEmpty() && !menu->actions().back()->isSeparator()) menu->addSeparator();
    auto* greek = new QMenu(QString::fromUtf8("ギリシャ文字(&G)"), s.mainWindow);
    greek->setObjectName("MenuTexMathGreece");
    QAction* greekItem = s.AddItem(menu, "MenuTexMathGreece", greek->title(), nullptr, {}, kGreekHelpContext);
    greekItem->setMenu(greek);
    greekItem->setStatusTip(QString::fromUtf8("ギリシャ文字を入力します。"));
    picker::bind(s, kSmallGreek, greek, s.ToolBarTeXMath);
    picker::bind(s, kVariantGreek, greek, nullptr);
    picker::bind(s, kLargeGreek, greek, s.ToolBarTeXMath);
    picker::bind(s, kMathFunction, menu, s.ToolBarTeXMath);
}

}  // namespace math
