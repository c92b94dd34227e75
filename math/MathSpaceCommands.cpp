// The math-space and math-font dialogs of the math menu.  Both are centred
// on the screen, so they neither read nor store the remembered dialog
// centre; their last choices are kept for the session all the same.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QStringList>
#include <memory>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "math/MathCommands.h"
#include "math/MathLastUsed.h"
#include "math/MathSpace.h"
#include "math/MathSpaceDialogs.h"
#include "platform/Utf8.h"

namespace math {

namespace {

const road::Steps kSpaceSteps{"MenuMathSpace", road::Placement::ScreenCentre};
const road::Steps kFontSteps{"MenuMathFont", road::Placement::ScreenCentre};

}  // namespace

void MenuMathSpaceClick(Session& s)
{
    MathLastUsed& last = s.part<MathLastUsed>();
    auto dialog = std::make_unique<TFormSpace>(road::mainWidget(s));
    TFormSpace& d = *dialog;
    const int result = road::show(s, d, kSpaceSteps, [&last, &d] {
        QStringList items;
        for (const mathspace::Item& item : mathspace::spaces()) items << utf8(item.caption);
        d.RadioGroup.SetItems(items);
        d.RadioGroup.SetItemIndex(last.LastMathSpace);
        d.setWindowTitle(utf8("空白（数式モード用）"));
    });
    if (result == mrOk) road::apply(s, wrap::Insertion{d.GetCommand(), 0});
    last.LastMathSpace = d.RadioGroup.ItemIndex();
}

void MenuMathFontClick(Session& s)
{
    MathLastUsed& last = s.part<MathLastUsed>();
    auto dialog = std::make_unique<TFormMathFont>(road::mainWidget(s));
    TFormMathFont& d = *dialog;
    const int result =
        road::show(s, d, kFontSteps, [&last, &d] { d.ComboBoxFont->setCurrentIndex(last.LastMathFont); });
    if (result == mrOk) road::apply(s, mathspace::fontText(d.GetCommand(), road::editorState(s)));
    last.LastMathFont = d.ComboBoxFont->currentIndex();
}

void buildMathSpaceFontCommands(Session& s)
{
    if (s.MenuMath) s.MenuMath->addSeparator();
    QAction* space = s.AddItem(
        s.MenuMath, "MenuMathSpace", utf8("数式用空白(&S)..."), [&s] { MenuMathSpaceClick(s); }, {},
        mathspace::kSpaceHelpContext);
    space->setStatusTip(utf8("数式用の空白を挿入します。"));
    QAction* font = s.AddItem(
        s.MenuMath, "MenuMathFont", utf8("数式フォント(&T)..."), [&s] { MenuMathFontClick(s); }, {},
        mathspace::kFontHelpContext);
    font->setStatusTip(utf8("数式モードのフォントを指定します。"));
}

}  // namespace math
