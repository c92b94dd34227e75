// The bracket command: the resident bracket dialog, shown on the insertion
// road but kept between calls.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "core/commands/ResidentForms.h"
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "math/BracketDialog.h"
#include "math/Brackets.h"
#include "math/MathCommands.h"

namespace math {

void buildBracketCommands(Session& s)
{
    registerResidentForm(ResidentForm::Kakko, [](Session& session) {
        if (!FormKakko) FormKakko = new TFormKakko(session.mainWindow);
    });
    QAction* item = s.AddItem(
        s.MenuMath, "MenuMathKakko", QString::fromUtf8("括弧(&K)..."), [&s] { MenuMathKakkoClick(s); },
        QKeySequence("Ctrl+K"), brackets::kHelpContext);
    item->setStatusTip(QString::fromUtf8("数学用の括弧を挿入します。"));
    if (s.ToolBarTeXMath) {
        s.AddToolButton(s.ToolBarTeXMath, "ToolButtonMathKakko", QString::fromUtf8("数学用の括弧を挿入します  Ctrl+K"),
                        "( )", [&s] { MenuMathKakkoClick(s); });
    }
}

void MenuMathKakkoClick(Session& s)
{
    // A form left over from another main window would insert into that one.
    if (FormKakko && FormKakko->parentWidget() != road::mainWidget(s)) FormKakko = nullptr;
    if (!FormKakko) FormKakko = new TFormKakko(road::mainWidget(s));
    TFormKakko& dialog = *FormKakko;
    const road::Steps steps{"MenuMathKakko"};
    if (road::show(s, dialog, steps, {}) == mrOk) s.InsertText(dialog.MakeBracketText());
    road::finish(s, dialog, steps, {});
}

}  // namespace math
