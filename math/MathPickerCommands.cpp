// The math symbol pickers in the main window: the Greek sub-menu and the
// picker items of the math menu, their pop-ups and the drop-down buttons of
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

    MenuMath->addSeparator();
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
