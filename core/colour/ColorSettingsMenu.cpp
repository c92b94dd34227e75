// The main window's side of the colour settings dialog: copying the
// settings in and out, applying them, storing them and colouring anew.
#include "app/Form1.h"
#include "core/colour/ColorSettings.h"
#include "core/settings/Keys.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTreeWidget>

namespace {

template <class F>
class Finally {
public:
    explicit Finally(F f) : f_(std::move(f)) {}
    ~Finally() { f_(); }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    F f_;
};

}  // namespace

void TForm1::MenuOptionColorStructClick()
{
    // The file dialogs move the process's current folder; put it back.
    const QString currentDir = QDir::currentPath();
    Finally restoreDir([&] { QDir::setCurrent(currentDir); });

    TFormColorStruct dialog(this);
    const int context = HelpContextOf("MenuOptionColorStruct");
    if (context) dialog.HelpContext = context;
    dialog.ProgramDir = ProgramDir;
    ColorSettings& d = dialog.Data;
    const int count = std::clamp(ComNum, 0, kMaxColorCommands);
    for (int i = 0; i < count; ++i)
        d.rows.push_back({CmdName[size_t(i)], CmdColor[size_t(i)], CmdBold[size_t(i)], CmdItalic[size_t(i)],
                          CmdAst[size_t(i)]});
    d.FontColor = FontColor;
    d.BackColor = BackColor;
    d.classes = {GenTeXColor, RemColor, RemItalic, DollerColor, DollerItalic,
                 AndColor,    AndItalic, ZenColor, ZenOn};
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
    const ColorClassSettings& c = d.classes;
    GenTeXColor = c.GenTeXColor;
    RemColor = c.RemColor;
    RemItalic = c.RemItalic;
    DollerColor = c.DollerColor;
    DollerItalic = c.DollerItalic;
    AndColor = c.AndColor;
    AndItalic = c.AndItalic;
    ZenColor = c.ZenColor;
    ZenOn = c.ZenOn;
    FontColor = d.FontColor;
    BackColor = d.BackColor;

    if (RichEdit) {
        RichEdit->SetDefaultFormat(CharFormat{FontColor});
        RichEdit->SetBackColor(BackColor);
    }
    if (TreeView) {
        QPalette p = TreeView->palette();
        p.setColor(QPalette::Base, QColor(int(BackColor & 0xFF), int((BackColor >> 8) & 0xFF), int((BackColor >> 16) & 0xFF)));
        p.setColor(QPalette::Text, QColor(int(FontColor & 0xFF), int((FontColor >> 8) & 0xFF), int((FontColor >> 16) & 0xFF)));
        TreeView->setPalette(p);
    }

    {
        settings::Batch batch;
        const settings::Store store = Settings();
        store.write(key::RemColor, int(RemColor));
        store.write(key::RemItalic, RemItalic);
        store.write(key::ColorCount, ComNum);
        for (int i = 0; i < ComNum; ++i) {
            const int n = i + 1;
            store.write(key::ColorCommand, n, CmdName[size_t(i)]);
            store.write(key::ColorColor, n, int(CmdColor[size_t(i)]));
            store.write(key::ColorAst, n, CmdAst[size_t(i)]);
            store.write(key::ColorBold, n, CmdBold[size_t(i)]);
            store.write(key::ColorItalic, n, CmdItalic[size_t(i)]);
        }
        store.write(key::DollerColor, int(DollerColor));
        store.write(key::AndColor, int(AndColor));
        store.write(key::ZenColor, int(ZenColor));
        store.write(key::GenTeXColor, int(GenTeXColor));
        store.write(key::DollerItalic, DollerItalic);
        store.write(key::AndItalic, AndItalic);
        store.write(key::ZenOn, ZenOn);
        store.write(key::FontColor, int(FontColor));
        store.write(key::BackColor, int(BackColor));
        batch.commit();
    }

    ColorTableChanged();
    if (!AutoColor || !RichEdit) return;
    QAction* button = Item("ToolButtonColorStructure");
    if (button) button->setChecked(false);
    {
        Busy = true;
        Finally notBusy([&] { Busy = false; });
        const bool modified = RichEdit->Modified();
        const int selStart = RichEdit->SelStart();
        RichEdit->HideSelection(true);
        Finally restore([&] {
            RichEdit->SetSelStart(selStart);
            RichEdit->HideSelection(false);
            RichEdit->SetModified(modified);
        });
        RichEdit->ClearFormats();
    }
    RichEdit->EmptyUndoBuffer();
    if (button) button->setChecked(true);
    ColorizeAll();
}

void TForm1::BuildColorSettingsCommands()
{
    if (!MenuOption) return;
    AddItem(MenuOption, "MenuOptionColorStruct", "カラー構文設定(&C)...", [this] { MenuOptionColorStructClick(); }, {},
            9100);
}
