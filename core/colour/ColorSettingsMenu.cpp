// The main window's side of the colour settings dialog: copying the
// settings in and out, applying them, storing them and colouring anew.
#include "core/session/Session.h"
#include "core/colour/ColorSettings.h"
#include "core/settings/Keys.h"
#include "platform/BgrColor.h"
#include "platform/Scope.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTreeWidget>

void Session::MenuOptionColorStructClick()
{
    // The file dialogs move the process's current folder; put it back.
    scope::CurrentFolder folder;

    TFormColorStruct dialog(mainWindow);
    const int context = HelpContextOf("MenuOptionColorStruct");
    if (context) dialog.HelpContext = context;
    dialog.ProgramDir = ProgramDir;
    ColorSettings& d = dialog.Data;
    static_cast<ColorTable&>(d) = colorTable();
    d.FontColor = FontColor;
    d.BackColor = BackColor;
    dialog.SetFlagBoxes();
    if (ask::execModal(dialog) != mrOk) return;

    // Only rows with a name can be coloured or shown; the dialog never makes
    // others, but the table keeps none regardless.
    std::erase_if(d.rows, [](const ColorCommandRow& r) { return r.name.isEmpty(); });
    if (d.rows.size() > size_t(kMaxColorCommands)) d.rows.resize(size_t(kMaxColorCommands));
    ColorRows = d.rows;
    ColorClasses = d.classes;
    FontColor = d.FontColor;
    BackColor = d.BackColor;

    if (RichEdit) {
        RichEdit->SetDefaultFormat(CharFormat{FontColor});
        RichEdit->SetBackColor(BackColor);
    }
    if (TreeView) {
        QPalette p = TreeView->palette();
        p.setColor(QPalette::Base, bgrColor(BackColor));
        p.setColor(QPalette::Text, bgrColor(FontColor));
        TreeView->setPalette(p);
    }

    {
        settings::Batch batch;
        const settings::Store store = Settings();
        SaveColorTable(store, colorTable());
        store.write(key::FontColor, int(FontColor));
        store.write(key::BackColor, int(BackColor));
        batch.commit();
    }

    ColorTableChanged();
    if (!AutoColor || !RichEdit) return;
    QAction* button = Item("ToolButtonColorStructure");
    if (button) button->setChecked(false);
    {
        scope::Busy busy(Busy);
        scope::ViewKeeper keep(*RichEdit, scope::ViewKeeper::Caret::CollapseToStart);
        RichEdit->ClearFormats();
    }
    RichEdit->EmptyUndoBuffer();
    if (button) button->setChecked(true);
    ColorizeAll();
}

void Session::BuildColorSettingsCommands()
{
    if (!MenuOption) return;
    AddItem(
        MenuOption, "MenuOptionColorStruct", "カラー構文設定(&C)...", [this] { MenuOptionColorStructClick(); }, {},
        9100);
}
