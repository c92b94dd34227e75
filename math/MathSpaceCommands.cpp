// The math-space and math-font dialogs of the math menu.  Both are centred
// on the screen, so they neither read nor store the remembered dialog
// centre; their last choices are kept in the main window all the same.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QStringList>
#include <memory>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "math/MathSpaceDialogs.h"
#include "math/MathSpace.h"
#include "platform/Utf8.h"

namespace {

const road::Steps kSpaceSteps{"MenuMathSpace", road::Placement::ScreenCentre};
const road::Steps kFontSteps{"MenuMathFont", road::Placement::ScreenCentre};

}  // namespace

void TForm1::MenuMathSpaceClick()
{
    auto dialog = std::make_unique<TFormSpace>(road::mainWidget(*this));
    TFormSpace& d = *dialog;
    const int result = road::show(*this, d, kSpaceSteps, [this, &d] {
        QStringList items;
        for (const mathspace::Item& item : mathspace::spaces()) items << utf8(item.caption);
        d.RadioGroup.SetItems(items);
        d.RadioGroup.SetItemIndex(Last.LastMathSpace);
        d.setWindowTitle(utf8("空白（数式モード用）"));
    });
    if (result == mrOk) road::apply(*this, wrap::Insertion{d.GetCommand(), 0});
    Last.LastMathSpace = d.RadioGroup.ItemIndex();
}

void TForm1::MenuMathFontClick()
{
    auto dialog = std::make_unique<TFormMathFont>(road::mainWidget(*this));
    TFormMathFont& d = *dialog;
    const int result =
        road::show(*this, d, kFontSteps, [this, &d] { d.ComboBoxFont->setCurrentIndex(Last.LastMathFont); });
    if (result == mrOk) road::apply(*this, mathspace::fontText(d.GetCommand(), road::editorState(*this)));
    Last.LastMathFont = d.ComboBoxFont->currentIndex();
}

void TForm1::BuildMathSpaceFontCommands()
{
    if (MenuMath) MenuMath->addSeparator();
    QAction* space = AddItem(
        MenuMath, "MenuMathSpace", utf8("数式用空白(&S)..."), [this] { MenuMathSpaceClick(); }, {},
        mathspace::kSpaceHelpContext);
    space->setStatusTip(utf8("数式用の空白を挿入します。"));
    QAction* font = AddItem(
        MenuMath, "MenuMathFont", utf8("数式フォント(&T)..."), [this] { MenuMathFontClick(); }, {},
        mathspace::kFontHelpContext);
    font->setStatusTip(utf8("数式モードのフォントを指定します。"));
}
