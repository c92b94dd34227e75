// The table commands: the table skeleton, the rules and merged cells used
// inside a tabular, the conversion of delimited text, the 表 sub-menu, its
// pop-up and tool button.  The dialogs take the usual road and remember
// their choices while the program runs.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "insert/TablesBuilder.h"
#include "insert/TablesDialogs.h"
#include "platform/Utf8.h"

namespace {

// Inserts over the selection when it fits the editor; the caret moves back
// as the insertion says.
void insertChecked(Session& s, const wrap::Insertion& insertion, const char* caption)
{
    if (road::fitsOrWarn(s, insertion.text.size(), utf8(caption))) road::apply(s, insertion);
}

// The items of the 表 sub-menu and of its pop-up, side by side.
struct TableItem {
    const char* menuItem;
    const char* menuCaption;
    const char* popupItem;
    const char* popupCaption;
    void (*handler)(Session&);
    int helpContext;
};
const TableItem kTableItems[] = {
    {"MenuTexTable", "作表(&H)... / tabular環境", "PopupTabular", "作表(&H)... / tabular環境",
     &insert::MenuTexTableClick, 5130},
    {"hlineK2", "横罫線/\\hline(&K)", "PopupHline", "横罫線 / \\hline(&K)", &insert::PopupHlineClick, 0},
    {"clineB2", "横部分罫線/\\cline(&B)...", "PopupCline", "横部分罫線 / \\cline(&B)...", &insert::PopupClineClick,
     5220},
    {"vlineV2", "縦罫線/\\vline(&V)", "PopupVline", "縦罫線 / \\vline(&V)", &insert::PopupVlineClick, 0},
    {"MenuInsertMultiCol", "セル結合(M)... / \\multicolumn", "PopupMulticolumn", "セル結合(&M)... / \\multicolumn",
     &insert::PopupMulticolumnClick, 5210},
    {"MenuTableChange", "表変換(&C)... / tabular環境", "PopupTableChange", "表変換(&C)... / tabular環境",
     &insert::MenuTableChangeClick, 5200},
};

}  // namespace

namespace insert {

void MenuTexTableClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormTable>(
        s, {"MenuTexTable"}, [&](TFormTable& d) { d.SetChoices(last.Table); },
        [&](TFormTable& d) { insertChecked(s, tables::tableSkeleton(d.Choices(), editor), "作表"); },
        [&](TFormTable& d) { last.Table = d.Choices(); });
}

void PopupHlineClick(Session& s) { s.InsertText("\\hline "); }
void PopupVlineClick(Session& s) { s.InsertText("\\vline "); }

void PopupClineClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormCline>(
        s, {},
        [&](TFormCline& d) {
            // Both at once: the ordering rule must not act on a half-loaded range.
            const QSignalBlocker b1(d.ui.UpDown1), b2(d.ui.UpDown2);
            d.ui.UpDown1->setValue(last.ClineFrom);
            d.ui.UpDown2->setValue(last.ClineTo);
        },
        [&s](TFormCline& d) { s.InsertText(tables::cline(d.ui.UpDown1->value(), d.ui.UpDown2->value())); },
        [&](TFormCline& d) {
            last.ClineFrom = d.ui.UpDown1->value();
            last.ClineTo = d.ui.UpDown2->value();
        });
}

void PopupMulticolumnClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormCell>(
        s, {"MenuInsertMultiCol"},
        [&](TFormCell& d) {
            tables::MergedCellChoices c;
            c.count = last.MultiColumnCount;
            c.align = last.MultiColumnAlign;
            c.leftRule = last.MultiColumnLeftRule == 0;
            c.rightRule = last.MultiColumnRightRule == 0;
            if (editor.hasSelection()) {
                const tables::MergedCellPreset preset = tables::mergedCellPreset(editor.selText);
                c.count = preset.count;
                c.heading = preset.heading;
            }
            d.SetChoices(c);
        },
        [&s](TFormCell& d) {
            const std::string text = tables::multicolumn(d.Choices());
            if (road::fitsOrWarn(s, text.size(), utf8("セル結合"))) s.InsertText(text);
        },
        [&](TFormCell& d) {
            const tables::MergedCellChoices c = d.Choices();
            last.MultiColumnCount = c.count;
            last.MultiColumnAlign = c.align;
            last.MultiColumnLeftRule = c.leftRule ? 0 : 1;
            last.MultiColumnRightRule = c.rightRule ? 0 : 1;
        });
}

void MenuTableChangeClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (!editor.hasSelection()) {
        ask::messageBox(utf8("タブ文字等で区切られたテキストを元に、TeXの表を作成する機能です。\r\n"
                             "通常は、表計算ソフトからコピー＆ペーストして、\r\n"
                             "それをTeXの表にしたい時にこの機能を使用します。\r\n"
                             "表に変換したい部分を選択して、このコマンドを実行して下さい。"),
                        utf8("表変換"), MB_OK | MB_ICONINFORMATION);
        return;
    }
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormTableChange>(
        s, {}, [&](TFormTableChange& d) { d.SetChoices(last.TableChange); },
        [&](TFormTableChange& d) {
            insertChecked(s, {tables::convertedTable(editor.selText, d.Choices()), 0}, "表変換");
        },
        [&](TFormTableChange& d) { last.TableChange = d.Choices(); });
}

void sbTableClick(Session& s)
{
    QMenu* popup = s.part<InsertMenus>().PopupMenuTable;
    QAction* button = s.Item("ToolButtonTeXInTable");
    if (popup && s.ToolBarTeXShosiki && button) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

void buildTableCommands(Session& s)
{
    InsertMenus& menus = s.part<InsertMenus>();
    menus.MenuTexinHyou = new QMenu(utf8("表(&H)"), s.mainWindow);
    menus.MenuTexinHyou->setObjectName("MenuTexinHyou");
    if (s.MenuInsert) s.MenuInsert->addSeparator();
    QAction* sub = s.AddItem(s.MenuInsert, "MenuTexinHyou", menus.MenuTexinHyou->title(), nullptr);
    if (sub) sub->setMenu(menus.MenuTexinHyou);
    menus.PopupMenuTable = new QMenu(s.mainWindow);
    menus.PopupMenuTable->setObjectName("PopupMenuTable");
    for (const TableItem& item : kTableItems) {
        auto handler = [&s, h = item.handler] { h(s); };
        s.AddItem(menus.MenuTexinHyou, item.menuItem, utf8(item.menuCaption), handler, {}, item.helpContext);
        s.AddItem(menus.PopupMenuTable, item.popupItem, utf8(item.popupCaption), handler, {}, item.helpContext);
    }
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInTable", utf8("表を挿入する"), utf8("表"),
                    [&s] { sbTableClick(s); });
}

}  // namespace insert
