// Index entries, hypertext anchors and links, framed boxes and inline
// verbatim.  The index dialogs take the usual road; the hypertext dialogs
// stand at the screen centre and remember nothing.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/FieldText.h"
#include "core/insertion/PickerFamily.h"
#include "insert/IndexBoxBuilder.h"
#include "insert/IndexBoxDialogs.h"
#include "platform/RichEdit.h"
#include "platform/Utf8.h"

using indexbox::fieldText;
using indexbox::setFieldText;

namespace {

// The anchor dialog under one of its two guises.
struct AnchorGuise {
    const char* caption;
    const char* group;
    const char* label;
    int helpContext;
};
constexpr AnchorGuise kAnchor{"HyperTex ラベル貼り付け", "\\name{Label}{Title}", "ラベル名：", 5126};
constexpr AnchorGuise kUrl{"HyperTex URL参照", "\\href{URL}{Title}", "ＵＲＬ：", 5128};

void askAnchor(TForm1& form, const AnchorGuise& guise, std::string (*build)(const std::string&, const std::string&))
{
    road::ask<TFormHyperTexName>(
        form, {QString(), road::Placement::ScreenCentre},
        [&](TFormHyperTexName& d) {
            d.setWindowTitle(utf8(guise.caption));
            d.ui.GroupBox1->setTitle(utf8(guise.group));
            d.ui.Label1->setText(utf8(guise.label));
            d.HelpContext = guise.helpContext;
        },
        [&](TFormHyperTexName& d) { form.InsertText(build(fieldText(d.ui.EditLabel), fieldText(d.ui.EditTitle))); },
        nullptr);
}

}  // namespace

void TForm1::MenuTexPreIndexClick() { road::apply(*this, indexbox::indexDeclaration(road::editorState(*this))); }
void TForm1::MenuTexPrtIdxClick() { InsertText(indexbox::printIndex()); }

void TForm1::MenuTexSakuinClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    const std::string prefix = editor.hasSelection() ? editor.selText : std::string();
    road::ask<TFormSakuin>(
        *this, {"MenuTexSakuin"},
        [&](TFormSakuin& d) {
            d.ui.EditYomi->clear();
            setFieldText(d.ui.EditSakuin, prefix);
        },
        [&](TFormSakuin& d) {
            InsertText(indexbox::indexEntry(prefix, fieldText(d.ui.EditSakuin), fieldText(d.ui.EditYomi)));
        },
        nullptr);
}

void TForm1::MenuTexSakuin2Click()
{
    const wrap::EditorState editor = road::editorState(*this);
    const std::string prefix = editor.hasSelection() ? editor.selText : std::string();
    road::ask<TFormSakuin2>(
        *this, {"MenuTexSakuin2"},
        [&](TFormSakuin2& d) {
            d.ui.EditCK->clear();
            d.ui.EditPS1->setText(Last.LastIndexParent1);
            d.ui.EditPK1->setText(Last.LastIndexReading1);
            d.ui.EditPS2->setText(Last.LastIndexParent2);
            d.ui.EditPK2->setText(Last.LastIndexReading2);
            setFieldText(d.ui.EditCS, prefix);
        },
        [&](TFormSakuin2& d) {
            const indexbox::NestedEntry entry{fieldText(d.ui.EditPS1), fieldText(d.ui.EditPK1), fieldText(d.ui.EditPS2),
                                              fieldText(d.ui.EditPK2), fieldText(d.ui.EditCS),  fieldText(d.ui.EditCK)};
            InsertText(indexbox::nestedIndexEntry(prefix, entry));
        },
        [this](TFormSakuin2& d) {
            Last.LastIndexParent1 = d.ui.EditPS1->text();
            Last.LastIndexReading1 = d.ui.EditPK1->text();
            Last.LastIndexParent2 = d.ui.EditPS2->text();
            Last.LastIndexReading2 = d.ui.EditPK2->text();
        });
}

void TForm1::MenuTexinHyperNameClick() { askAnchor(*this, kAnchor, &indexbox::anchor); }
void TForm1::MenuTexinHypRefURLClick() { askAnchor(*this, kUrl, &indexbox::urlLink); }

void TForm1::MenuTexinHyperRefClick()
{
    const wrap::EditorState editor = road::editorState(*this);
    if (editor.hasSelection()) {
        InsertText(indexbox::selectedLink(editor.selText));
        return;
    }
    const std::vector<std::string> names = indexbox::anchorNames(RichEdit->Text());
    road::ask<TFormHyperHref>(
        *this, {QString(), road::Placement::ScreenCentre},
        [&](TFormHyperHref& d) {
            for (const std::string& name : names) d.ui.cbLabel->addItem(fieldtext::shown(name));
            d.ui.cbLabel->setEditText(QString());
        },
        [&](TFormHyperHref& d) {
            InsertText(indexbox::anchorLink(fieldtext::bytesOfChoice(d.ui.cbLabel->currentText(), names),
                                            fieldText(d.ui.EditTitle)));
        },
        nullptr);
}

void TForm1::MenuFormatFboxClick() { road::apply(*this, indexbox::fbox(road::editorState(*this))); }
void TForm1::MenuFormatVerbVerbClick() { road::apply(*this, indexbox::verb(road::editorState(*this))); }

void TForm1::sbVerbClick()
{
    QAction* button = Item("ToolButtonShoVerb");
    if (PopupMenuVerb && ToolBarTeXShosiki && button) dropDown(*PopupMenuVerb, *ToolBarTeXShosiki, *button);
}

void TForm1::BuildIndexBoxCommands()
{
    // ---- preamble and insert menus: the index ----
    AddItem(MenuPreamble, "MenuTexPreIndex", utf8("索引作成宣言(I)"), [this] { MenuTexPreIndexClick(); });
    if (MenuInsert) MenuInsert->addSeparator();
    AddItem(MenuInsert, "MenuTexPrtIdx", utf8("索引を出力する(&O) / \\printindex"), [this] { MenuTexPrtIdxClick(); });
    AddItem(
        MenuInsert, "MenuTexSakuin", utf8("索引語を指定する(S)... / \\index"), [this] { MenuTexSakuinClick(); }, {},
        5124);
    AddItem(
        MenuInsert, "MenuTexSakuin2", utf8("入れ子の索引語を指定する(&I)... / \\index"),
        [this] { MenuTexSakuin2Click(); }, {}, 5180);

    // ---- the HyperTeX sub-menu ----
    MenuTexinHyper = new QMenu(utf8("HyperTeX(&X)"), this);
    MenuTexinHyper->setObjectName("MenuTexinHyper");
    QAction* hyper = AddItem(MenuInsert, "MenuTexinHyper", MenuTexinHyper->title(), nullptr);
    if (hyper) hyper->setMenu(MenuTexinHyper);
    AddItem(
        MenuTexinHyper, "MenuTexinHyperName", utf8("ラベル貼付(&N)..."), [this] { MenuTexinHyperNameClick(); }, {},
        5126);
    AddItem(
        MenuTexinHyper, "MenuTexinHyperRef", utf8("ラベル参照(&R)..."), [this] { MenuTexinHyperRefClick(); }, {}, 5127);
    AddItem(
        MenuTexinHyper, "MenuTexinHypRefURL", utf8("URL参照(&U)..."), [this] { MenuTexinHypRefURLClick(); }, {}, 5128);

    // ---- format menu: the box, and inline verbatim beside the verbatim environment ----
    AddItem(MenuFormat, "MenuFormatFbox", utf8("枠で囲む(&W) / \\fbox"), [this] { MenuFormatFboxClick(); });
    InsertItem(MenuFormat, Item("MenuFormatVerbVerbatim"), "MenuFormatVerbVerb", utf8("文中に挿入(&V) / \\verb"),
               [this] { MenuFormatVerbVerbClick(); });

    // ---- the verbatim pop-up and its tool button ----
    PopupMenuVerb = new QMenu(this);
    PopupMenuVerb->setObjectName("PopupMenuVerb");
    AddItem(PopupMenuVerb, "PopupVerb", utf8("文中に挿入 / \\verb"), [this] { MenuFormatVerbVerbClick(); });
    AddItem(PopupMenuVerb, "PopupVerbatim", utf8("複数行出力 / \\verbatim環境"),
            [this] { OnMenuTexHaiti(Item("PopupVerbatim")); });
    AddToolButton(ToolBarTeXShosiki, "ToolButtonShoVerb", utf8("文中に挿入 / \\verb"), utf8("verb"),
                  [this] { sbVerbClick(); });
}
