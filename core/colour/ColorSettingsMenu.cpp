// The main window's side of the colour settings dialog: copying the
// settings in and out, applying them, storing them and colouring anew.
#include "core/session/Session.h"
#include "core/colour/ColorSettings.h"
#include "core/settings/Keys.h"
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
    const int count = std::clamp(ComNum, 0, kMaxColorCommands);
    for (int i = 0; i < count; ++i)
        d.rows.push_back(
            {CmdName[size_t(i)], CmdColor[size_t(i)], CmdBold[size_t(i)], CmdItalic[size_t(i)], CmdAst[size_t(i)]});
    d.FontColor = FontColor;
    d.BackColor = BackColor;
    d.classes = ColorClasses;
    dialog.SetFlagBoxes();
    if (ask::execModal(dialog) != mrOk) return;

    // Only rows with a name can be coloured or shown; the dialog never makes
    // others, but the copy back keeps the table consistent regardless.
    ComNum = 0;
    for (const ColorCommandRow& r : d.rows) {
        if (r.name.isEmpty() || ComNum >= kMaxColorCommands) continue;
        const size_t i = size_t(ComNum++);
        CmdName[i] = r.name;
        CmdColor[i] = r.color;
        CmdBold[i] = r.bold;
        CmdItalic[i] = r.italic;
        CmdAst[i] = r.ast;
    }
    ColorClasses = d.classes;
    FontColor = d.FontColor;
    BackColor = d.BackColor;

    if (RichEdit) {
        RichEdit->SetDefaultFormat(CharFormat{FontColor});
        RichEdit->SetBackColor(BackColor);
    }
    if (TreeView) {
        QPalette p = TreeView->palette();
        p.setColor(QPalette::Base,
                   QColor(int(BackColor & 0xFF), int((BackColor >> 8) & 0xFF), int((BackColor >> 16) & 0xFF)));
        p.setColor(QPalette::Text,
                   QColor(int(FontColor & 0xFF), int((FontColor >> 8) & 0xFF), int((FontColor >> 16) & 0xFF)));
        TreeView->setPalette(p);
    }

    {
        settings::Batch batch;
        const settings::Store store = Settings();
        store.write(key::RemColor, int(ColorClasses.RemColor));
        store.write(key::RemItalic, ColorClasses.RemItalic);
        store.write(key::ColorCount, ComNum);
        for (int i = 0; i < ComNum; ++i) {
            const int n = i + 1;
            store.write(key::ColorCommand, n, CmdName[size_t(i)]);
            store.write(key::ColorColor, n, int(CmdColor[size_t(i)]));
            store.write(key::ColorAst, n, CmdAst[size_t(i)]);
            store.write(key::ColorBold, n, CmdBold[size_t(i)]);
            store.write(key::ColorItalic, n, CmdItalic[size_t(i)]);
        }
        store.write(key::DollerColor, int(ColorClasses.DollerColor));
        store.write(key::AndColor, int(ColorClasses.AndColor));
        store.write(key::ZenColor, int(ColorClasses.ZenColor));
        store.write(key::GenTeXColor, int(ColorClasses.GenTeXColor));
        store.write(key::DollerItalic, ColorClasses.DollerItalic);
        store.write(key::AndItalic, ColorClasses.AndItalic);
        store.write(key::ZenOn, ColorClasses.ZenOn);
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
