// The bracket command: the resident bracket dialog, shown on the insertion
// road but kept between calls.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "app/Form1.h"
#include "app/ResidentForms.h"
#include "core/insertion/DialogRoad.h"
#include "math/BracketDialog.h"
#include "math/Brackets.h"

void TForm1::BuildBracketCommands()
{
    registerResidentForm(ResidentForm::Kakko, [this](Session&) {
        if (!FormKakko) FormKakko = new TFormKakko(this);
    });
    QAction* item = AddItem(
        MenuMath, "MenuMathKakko", QString::fromUtf8("括弧(&K)..."), [this] { MenuMathKakkoClick(); },
        QKeySequence("Ctrl+K"), brackets::kHelpContext);
    item->setStatusTip(QString::fromUtf8("数学用の括弧を挿入します。"));
    if (ToolBarTeXMath) {
        AddToolButton(ToolBarTeXMath, "ToolButtonMathKakko", QString::fromUtf8("数学用の括弧を挿入します  Ctrl+K"),
                      "( )", [this] { MenuMathKakkoClick(); });
    }
}

void TForm1::MenuMathKakkoClick()
{
    // A form left over from another main window would insert into that one.
    if (FormKakko && FormKakko->parentWidget() != road::mainWidget(*this)) FormKakko = nullptr;
    if (!FormKakko) FormKakko = new TFormKakko(road::mainWidget(*this));
    TFormKakko& dialog = *FormKakko;
    const road::Steps steps{"MenuMathKakko"};
    if (road::show(*this, dialog, steps, {}) == mrOk) InsertText(dialog.MakeBracketText());
    road::finish(*this, dialog, steps, {});
}
