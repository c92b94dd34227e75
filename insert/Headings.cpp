// Headings: from the selection, or typed into the one-line dialog.
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/EditDialog.h"
#include "insert/StructureBuilder.h"

void TForm1::MenuInsMidPartClick(QObject* sender)
{
    const structure::Heading* heading = structure::headingByTag(tagOf(sender));
    if (!heading) return;
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        road::apply(*this, structure::headingText(*heading, editor.selText, true));
        return;
    }
    const std::optional<std::string> title = road::askOneLine(
        *this, QString::fromUtf8(heading->caption), QString::fromUtf8(heading->prompt), HelpContextOf("MenuTexMidasi"));
    if (!title) return;
    road::apply(*this, structure::headingText(*heading, *title, false));
}

void TForm1::sbMidasiClick()
{
    QAction* button = Item("ToolButtonTeXInMidashi");
    if (PopupMenuMidasi && ToolBarTeXShosiki && button) dropDown(*PopupMenuMidasi, *ToolBarTeXShosiki, *button);
}
