// Headings: from the selection, or typed into the one-line dialog.
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/EditDialog.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/StructureBuilder.h"

namespace insert {

void MenuInsMidPartClick(Session& s, QObject* sender)
{
    const structure::Heading* heading = structure::headingByTag(tagOf(sender));
    if (!heading) return;
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        road::apply(s, structure::headingText(*heading, editor.selText, true));
        return;
    }
    const std::optional<std::string> title = road::askOneLine(
        s, QString::fromUtf8(heading->caption), QString::fromUtf8(heading->prompt), s.HelpContextOf("MenuTexMidasi"));
    if (!title) return;
    road::apply(s, structure::headingText(*heading, *title, false));
}

void sbMidasiClick(Session& s)
{
    QMenu* popup = s.part<InsertMenus>().PopupMenuMidasi;
    QAction* button = s.Item("ToolButtonTeXInMidashi");
    if (popup && s.ToolBarTeXShosiki && button) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

}  // namespace insert
