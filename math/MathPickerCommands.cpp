// The math symbol pickers in the main window: the picker items of the math
// menu with the Greek sub-menu, their pop-ups and the drop-down buttons of
// the math tool bar, all bound from the families' tables.
#include <QAction>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/PickerBinding.h"
#include "math/SymbolPickers.h"

void TForm1::BuildMathPickerCommands()
{
    using namespace mathpickers;
    if (!MenuMath) return;

    // The accents follow the fraction item, then the symbol families stand
    // between two separators.
    QAction* before = nullptr;
    const QList<QAction*> items = MenuMath->actions();
    const int frac = int(items.indexOf(Item("MenuMathFrac")));
    if (frac >= 0 && frac + 1 < items.size()) before = items[frac + 1];
    for (const picker::Family* family : {&kSmallAccent, &kBigAccent})
        picker::bind(*this, *family, MenuMath, ToolBarTeXMath, before);
    MenuMath->insertSeparator(before);
    for (const picker::Family* family : {&kLargeOperator, &kMathSymbol, &kBinaryOperator, &kRelation, &kArrow, &kDots})
        picker::bind(*this, *family, MenuMath, ToolBarTeXMath, before);
    MenuMath->insertSeparator(before);

    if (!MenuMath->actions().isEmpty() && !MenuMath->actions().back()->isSeparator()) MenuMath->addSeparator();
    auto* greek = new QMenu(QString::fromUtf8("ギリシャ文字(&G)"), this);
    greek->setObjectName("MenuTexMathGreece");
    QAction* greekItem = AddItem(MenuMath, "MenuTexMathGreece", greek->title(), nullptr, {}, kGreekHelpContext);
    greekItem->setMenu(greek);
    greekItem->setStatusTip(QString::fromUtf8("ギリシャ文字を入力します。"));
    picker::bind(*this, kSmallGreek, greek, ToolBarTeXMath);
    picker::bind(*this, kVariantGreek, greek, nullptr);
    picker::bind(*this, kLargeGreek, greek, ToolBarTeXMath);
    picker::bind(*this, kMathFunction, MenuMath, ToolBarTeXMath);
}
