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

#include "core/insertion/DialogRoad.h"
#include "core/insertion/FieldText.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "insert/IndexBoxBuilder.h"
#include "insert/IndexBoxDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/InsertMenus.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
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

void askAnchor(Session& form, const AnchorGuise& guise, std::string (*build)(const std::string&, const std::string&))
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

namespace insert {

void MenuTexPreIndexClick(Session& s) { road::apply(s, indexbox::indexDeclaration(road::editorState(s))); }
void MenuTexPrtIdxClick(Session& s) { s.InsertText(indexbox::printIndex()); }

void MenuTexSakuinClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    const std::string prefix = editor.hasSelection() ? editor.selText : std::string();
    road::ask<TFormSakuin>(
        s, {"MenuTexSakuin"},
        [&](TFormSakuin& d) {
            d.ui.EditYomi->clear();
            setFieldText(d.ui.EditSakuin, prefix);
        },
        [&](TFormSakuin& d) {
            s.InsertText(indexbox::indexEntry(prefix, fieldText(d.ui.EditSakuin), fieldText(d.ui.EditYomi)));
        },
        nullptr);
}

void MenuTexSakuin2Click(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    const std::string prefix = editor.hasSelection() ? editor.selText : std::string();
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormSakuin2>(
        s, {"MenuTexSakuin2"},
        [&](TFormSakuin2& d) {
            d.ui.EditCK->clear();
            d.ui.EditPS1->setText(last.LastIndexParent1);
            d.ui.EditPK1->setText(last.LastIndexReading1);
            d.ui.EditPS2->setText(last.LastIndexParent2);
            d.ui.EditPK2->setText(last.LastIndexReading2);
            setFieldText(d.ui.EditCS, prefix);
        },
        [&](TFormSakuin2& d) {
            const indexbox::NestedEntry entry{fieldText(d.ui.EditPS1), fieldText(d.ui.EditPK1), fieldText(d.ui.EditPS2),
                                              fieldText(d.ui.EditPK2), fieldText(d.ui.EditCS),  fieldText(d.ui.EditCK)};
            s.InsertText(indexbox::nestedIndexEntry(prefix, entry));
        },
        [&](TFormSakuin2& d) {
            last.LastIndexParent1 = d.ui.EditPS1->text();
            last.LastIndexReading1 = d.ui.EditPK1->text();
            last.LastIndexParent2 = d.ui.EditPS2->text();
            last.LastIndexReading2 = d.ui.EditPK2->text();
        });
}

void MenuTexinHyperNameClick(Session& s) { askAnchor(s, kAnchor, &indexbox::anchor); }
void MenuTexinHypRefURLClick(Session& s) { askAnchor(s, kUrl, &indexbox::urlLink); }

void MenuTexinHyperRefClick(Session& s)
{
    const wrap::EditorState editor = road::editorState(s);
    if (editor.hasSelection()) {
        s.InsertText(indexbox::selectedLink(editor.selText));
        return;
    }
    const std::vector<std::string> names = indexbox::anchorNames(s.RichEdit->Text());
    road::ask<TFormHyperHref>(
        s, {QString(), road::Placement::ScreenCentre},
        [&](TFormHyperHref& d) {
            for (const std::string& name : names) d.ui.cbLabel->addItem(fieldtext::shown(name));
            d.ui.cbLabel->setEditText(QString());
        },
        [&s, &names](TFormHyperHref& d) {
            s.InsertText(indexbox::anchorLink(fieldtext::bytesOfChoice(d.ui.cbLabel->currentText(), names),
                                              fieldText(d.ui.EditTitle)));
        },
        nullptr);
}

void MenuFormatFboxClick(Session& s) { road::apply(s, indexbox::fbox(road::editorState(s))); }
void MenuFormatVerbVerbClick(Session& s)
{
    const std::optional<wrap::Insertion> verb = indexbox::verb(road::editorState(s));
    if (verb) {
        road::apply(s, *verb);
        return;
    }
    ask::messageBox(utf8("選択範囲に \\verb の区切りに使える記号（| + ! / = など）がすべて含まれているため、"
                         "\\verb を作成できませんでした。\r\n"
                         "verbatim 環境を使うか、選択範囲を分けて下さい。"),
                    "\\verb", MB_OK | MB_ICONEXCLAMATION);
}

void sbVerbClick(Session& s)
{
    QMenu* popup = s.part<InsertMenus>().PopupMenuVerb;
    QAction* button = s.Item("ToolButtonShoVerb");
    if (popup && s.ToolBarTeXShosiki && button) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

void buildIndexBoxCommands(Session& s)
{
    InsertMenus& menus = s.part<InsertMenus>();

    // ---- preamble and insert menus: the index ----
    s.AddItem(s.MenuPreamble, "MenuTexPreIndex", utf8("索引作成宣言(I)"), [&s] { MenuTexPreIndexClick(s); });
    if (s.MenuInsert) s.MenuInsert->addSeparator();
    s.AddItem(s.MenuInsert, "MenuTexPrtIdx", utf8("索引を出力する(&O) / \\printindex"),
              [&s] { MenuTexPrtIdxClick(s); });
    s.AddItem(
        s.MenuInsert, "MenuTexSakuin", utf8("索引語を指定する(S)... / \\index"), [&s] { MenuTexSakuinClick(s); }, {},
        5124);
    s.AddItem(
        s.MenuInsert, "MenuTexSakuin2", utf8("入れ子の索引語を指定する(&I)... / \\index"),
        [&s] { MenuTexSakuin2Click(s); }, {}, 5180);

    // ---- the HyperTeX sub-menu ----
    menus.MenuTexinHyper = new QMenu(utf8("HyperTeX(&X)"), s.mainWindow);
    menus.MenuTexinHyper->setObjectName("MenuTexinHyper");
    QAction* hyper = s.AddItem(s.MenuInsert, "MenuTexinHyper", menus.MenuTexinHyper->title(), nullptr);
    if (hyper) hyper->setMenu(menus.MenuTexinHyper);
    s.AddItem(
        menus.MenuTexinHyper, "MenuTexinHyperName", utf8("ラベル貼付(&N)..."), [&s] { MenuTexinHyperNameClick(s); },
        {}, 5126);
    s.AddItem(
        menus.MenuTexinHyper, "MenuTexinHyperRef", utf8("ラベル参照(&R)..."), [&s] { MenuTexinHyperRefClick(s); }, {},
        5127);
    s.AddItem(
        menus.MenuTexinHyper, "MenuTexinHypRefURL", utf8("URL参照(&U)..."), [&s] { MenuTexinHypRefURLClick(s); }, {},
        5128);

    // ---- format menu: the box, and inline verbatim beside the verbatim environment ----
    s.AddItem(s.MenuFormat, "MenuFormatFbox", utf8("枠で囲む(&W) / \\fbox"), [&s] { MenuFormatFboxClick(s); });
    s.InsertItem(s.MenuFormat, s.Item("MenuFormatVerbVerbatim"), "MenuFormatVerbVerb",
                 utf8("文中に挿入(&V) / \\verb"), [&s] { MenuFormatVerbVerbClick(s); });

    // ---- the verbatim pop-up and its tool button ----
    menus.PopupMenuVerb = new QMenu(s.mainWindow);
    menus.PopupMenuVerb->setObjectName("PopupMenuVerb");
    s.AddItem(menus.PopupMenuVerb, "PopupVerb", utf8("文中に挿入 / \\verb"), [&s] { MenuFormatVerbVerbClick(s); });
    s.AddItem(menus.PopupMenuVerb, "PopupVerbatim", utf8("複数行出力 / \\verbatim環境"),
              [&s] { OnMenuTexHaiti(s, s.Item("PopupVerbatim")); });
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonShoVerb", utf8("文中に挿入 / \\verb"), utf8("verb"),
                    [&s] { sbVerbClick(s); });
}

}  // namespace insert
