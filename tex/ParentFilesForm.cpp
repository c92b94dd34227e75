// Parent-file registration: the dialog, the registration command and the
// switch for processing the parent instead of the open document.
#include "tex/ParentFilesForm.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>
#include <QToolBar>
#include <QPushButton>
#include <QToolButton>

#include "core/session/Session.h"
#include "core/settings/Keys.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "tex/ParentFiles.h"
#include "tex/Preference.h"
#include "tex/SpellCheck.h"

TFormParent::TFormParent(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    ask::onClick(ui.sbOpenDlg, this, [this] { sbOpenDlgClick(); });
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
    // Centred on the screen, not on the main window.
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFormParent::SetParents(const QStringList& parents)
{
    const QString text = ui.ComboParent->currentText();
    ui.ComboParent->clear();
    ui.ComboParent->addItems(parents);
    ui.ComboParent->setEditText(text);
}

void TFormParent::SetParentText(const QString& path) { ui.ComboParent->setEditText(path); }

QString TFormParent::ParentText() const { return ui.ComboParent->currentText(); }

void TFormParent::sbOpenDlgClick()
{
    ask::FileRequest request;
    request.caption = "親ファイル登録";
    request.filters = {"TeXファイル (*.tex)"};
    request.fileName = ParentText();
    ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return;
    QString name = answer.fileName;
    // A typed name without an extension means the .tex file of that name.
    if (!QFileInfo::exists(name) && QFileInfo(name).suffix().isEmpty()) name += ".tex";
    SetParentText(name);
}

QString parentFileError(const QString& text)
{
    // A folder is not a document TeX could process.
    if (text.isEmpty() || !QFileInfo(text).isFile()) return "指定されているファイルは存在しません。";
    return {};
}

void TFormParent::accept()
{
    const QString error = parentFileError(ParentText());
    if (!error.isEmpty()) {
        ask::messageBox(error, "親ファイル指定", MB_OK | MB_ICONERROR);
        return;
    }
    QDialog::accept();
}

namespace tex {

void MenuTexParentClick(Session& s) { EditParentFile(s); }

bool EditParentFile(Session& s)
{
    s.MenuFileSaveClick();
    if (!s.HasFileName || s.FileName.isEmpty() || s.RichEdit->Modified()) return false;

    TFormParent form(s.mainWindow);
    form.HelpContext = s.HelpContextOf("MenuTexParent");
    form.SetParents(parents::knownParents(s.ParentTable));
    if (s.HasParent) form.SetParentText(s.ParentFile);
    if (ask::execModal(form) != mrOk) return false;

    // The table holds full paths: a name typed relative to the current
    // folder would name another file once that folder changes.
    const QString parent = QFileInfo(form.ParentText()).absoluteFilePath();
    s.HasParent = true;
    s.ParentFile = parent;
    parents::registerParent(s.ParentTable, s.FileName, parent, s.ParentExecute);
    return true;
}

void MenuTexParentExeClick(Session& s)
{
    if (!s.HasParent && !EditParentFile(s)) {
        if (QAction* item = s.Item("MenuTexParentExe")) item->setChecked(s.ParentExecute);
        return;
    }
    s.ParentExecute = !s.ParentExecute;
    parents::setExecute(s.ParentTable, s.FileName, s.ParentExecute);
    if (QAction* item = s.Item("MenuTexParentExe")) item->setChecked(s.ParentExecute);
}

void buildTeXExtraCommands(Session& s)
{
    if (s.MenuTex) {
        s.MenuTex->addSeparator();
        s.AddItem(
            s.MenuTex, "MenuTexParent", "親ファイルの登録(&F)...", [&s] { MenuTexParentClick(s); }, {},
            kParentHelpContext);
        QAction* exe = s.Item("MenuTexParentExe");
        if (!exe)
            exe = s.AddItem(s.MenuTex, "MenuTexParentExe", "親ファイルを使って処理する(&E)",
                            [&s] { MenuTexParentExeClick(s); });
        exe->setCheckable(true);
        s.MenuTex->addSeparator();
        s.AddItem(
            s.MenuTex, "MenuTeXSpell", "スペルチェックする(&S)", [&s] { MenuTeXSpellClick(s); },
            QKeySequence(Qt::Key_F8));
    }
    if (s.MenuFile) {
        // Kept hidden and disabled: nothing offers them.
        QAction* list =
            s.AddItem(s.MenuFile, "MenuFileSpellList", "スペルチェックする(&C)...", [&s] { runWordListCheck(s); });
        QAction* file = s.AddItem(s.MenuFile, "MenuFileSpell", "スペルチェックする(&C)", [&s] {
            runExternalChecker(s, {&key::SpellProg, &key::SpellProgOption});
        });
        for (QAction* item : {list, file}) {
            item->setVisible(false);
            item->setEnabled(false);
        }
    }
    if (s.ToolBarFile)
        s.AddToolButton(s.ToolBarFile, "ToolButtonSpell", "スペルチェックする", "Spell",
                        [&s] { MenuTeXSpellClick(s); });
    if (s.MenuOption)
        s.AddItem(s.MenuOption, "MenuOptionPreference", "TeX関連設定(&T)...",
                  [&s] { MenuOptionPreferenceClick(s); });
}

}  // namespace tex
