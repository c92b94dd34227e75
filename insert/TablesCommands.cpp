// The table commands: the table skeleton, the rules and merged cells used
// inside a tabular, the conversion of delimited text, the 表 sub-menu, its
// pop-up and tool button.  The dialogs take the usual road and remember
// their choices while the program runs.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerFamily.h"
#include "insert/TablesBuilder.h"
#include "insert/TablesDialogs.h"
#include "platform/Utf8.h"

namespace {

// Inserts over the selection when it fits the editor; the caret moves back
// as the insertion says.
void insertChecked(TForm1& form, const wrap::Insertion& insertion, const char* caption)
{
    if (road::fitsOrWarn(form, insertion.text.size(), utf8(caption))) road::apply(form, insertion);
}

}  // namespace

void TForm1::MenuTexTableClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    road::ask<TFormTable>(
        *this, {"MenuTexTable"}, [this](TFormTable& d) { d.SetChoices(Last.Table); },
        [&](TFormTable& d) { insertChecked(*this, tables::tableSkeleton(d.Choices(), editor), "作表"); },
        [this](TFormTable& d) { Last.Table = d.Choices(); });
}

void TForm1::PopupHlineClick() { InsertText("\\hline "); }
void TForm1::PopupVlineClick() { InsertText("\\vline "); }

void TForm1::PopupClineClick()
{
    road::ask<TFormCline>(
        *this, {},
        [this](TFormCline& d) {
            // Both at once: the ordering rule must not act on a half-loaded range.
            const QSignalBlocker b1(d.ui.UpDown1), b2(d.ui.UpDown2);
            d.ui.UpDown1->setValue(Last.ClineFrom);
            d.ui.UpDown2->setValue(Last.ClineTo);
        },
        [this](TFormCline& d) { InsertText(tables::cline(d.ui.UpDown1->value(), d.ui.UpDown2->value())); },
        [this](TFormCline& d) {
            Last.ClineFrom = d.ui.UpDown1->value();
            Last.ClineTo = d.ui.UpDown2->value();
        });
}

void TForm1::PopupMulticolumnClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    road::ask<TFormCell>(
        *this, {"MenuInsertMultiCol"},
        [&](TFormCell& d) {
            tables::MergedCellChoices c;
            c.count = Last.MultiColumnCount;
            c.align = Last.MultiColumnAlign;
            c.leftRule = Last.MultiColumnLeftRule == 0;
            c.rightRule = Last.MultiColumnRightRule == 0;
            if (editor.hasSelection()) {
                const tables::MergedCellPreset preset = tables::mergedCellPreset(editor.selText);
                c.count = preset.count;
                c.heading = preset.heading;
            }
            d.SetChoices(c);
        },
        [this](TFormCell& d) {
            const std::string text = tables::multicolumn(d.Choices());
            if (road::fitsOrWarn(*this, text.size(), utf8("セル結合"))) InsertText(text);
        },
        [this](TFormCell& d) {
            const tables::MergedCellChoices c = d.Choices();
            Last.MultiColumnCount = c.count;
            Last.MultiColumnAlign = c.align;
            Last.MultiColumnLeftRule = c.leftRule ? 0 : 1;
            Last.MultiColumnRightRule = c.rightRule ? 0 : 1;
        });
}

void TForm1::MenuTableChangeClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (!editor.hasSelection()) {
        ask::messageBox(utf8("タブ文字等で区切られたテキストを元に、TeXの表を作成する機能です。\r\n"
                             "通常は、表計算ソフトからコピー＆ペーストして、\r\n"
                             "それをTeXの表にしたい時にこの機能を使用します。\r\n"
                             "表に変換したい部分を選択して、このコマンドを実行して下さい。"),
                        utf8("表変換"), MB_OK | MB_ICONINFORMATION);
        return;
    }
    road::ask<TFormTableChange>(
        *this, {}, [this](TFormTableChange& d) { d.SetChoices(Last.TableChange); },
        [&](TFormTableChange& d) {
            insertChecked(*this, {tables::convertedTable(editor.selText, d.Choices()), 0}, "表変換");
        },
        [this](TFormTableChange& d) { Last.TableChange = d.Choices(); });
}

void TForm1::sbTableClick()
{
    QAction* button = Item("ToolButtonTeXInTable");
    if (PopupMenuTable && ToolBarTeXShosiki && button) dropDown(*PopupMenuTable, *ToolBarTeXShosiki, *button);
}

void TForm1::BuildTableCommands()
{
    struct TableItem {
        const char* menuItem;
        const char* menuCaption;
        const char* popupItem;
        const char* popupCaption;
        void (TForm1::*handler)();
        int helpContext;
    };
    static const TableItem kItems[] = {
        {"MenuTexTable", "作表(&H)... / tabular環境", "PopupTabular", "作表(&H)... / tabular環境",
         &TForm1::MenuTexTableClick, 5130},
        {"hlineK2", "横罫線/\\hline(&K)", "PopupHline", "横罫線 / \\hline(&K)", &TForm1::PopupHlineClick, 0},
        {"clineB2", "横部分罫線/\\cline(&B)...", "PopupCline", "横部分罫線 / \\cline(&B)...", &TForm1::PopupClineClick,
         5220},
        {"vlineV2", "縦罫線/\\vline(&V)", "PopupVline", "縦罫線 / \\vline(&V)", &TForm1::PopupVlineClick, 0},
        {"MenuInsertMultiCol", "セル結合(M)... / \\multicolumn", "PopupMulticolumn", "セル結合(&M)... / \\multicolumn",
         &TForm1::PopupMulticolumnClick, 5210},
        {"MenuTableChange", "表変換(&C)... / tabular環境", "PopupTableChange", "表変換(&C)... / tabular環境",
         &TForm1::MenuTableChangeClick, 5200},
    };

    MenuTexinHyou = new QMenu(utf8("表(&H)"), this);
    MenuTexinHyou->setObjectName("MenuTexinHyou");
    if (MenuInsert) MenuInsert->addSeparator();
    QAction* sub = AddItem(MenuInsert, "MenuTexinHyou", MenuTexinHyou->title(), nullptr);
    if (sub) sub->setMenu(MenuTexinHyou);
    PopupMenuTable = new QMenu(this);
    PopupMenuTable->setObjectName("PopupMenuTable");
    for (const TableItem& item : kItems) {
        auto handler = [this, h = item.handler] { (this->*h)(); };
        AddItem(MenuTexinHyou, item.menuItem, utf8(item.menuCaption), handler, {}, item.helpContext);
        AddItem(PopupMenuTable, item.popupItem, utf8(item.popupCaption), handler, {}, item.helpContext);
    }
    AddToolButton(ToolBarTeXShosiki, "ToolButtonTeXInTable", utf8("表を挿入する"), utf8("表"),
                  [this] { sbTableClick(); });
}
