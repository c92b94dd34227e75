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

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "tex/ParentFiles.h"
#include "tex/SpellCheck.h"

TFormParent::TFormParent(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    connect(ui.sbOpenDlg, &QToolButton::clicked, this, [this] { sbOpenDlgClick(); });
    connect(ui.HelpButton, &QPushButton::clicked, this, [this] { help::showContext(HelpContext); });
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

void TForm1::MenuTexParentClick() { EditParentFile(); }

bool TForm1::EditParentFile()
{
    MenuFileSaveClick();
    if (!HasFileName || FileName.isEmpty() || RichEdit->Modified()) return false;

    TFormParent form(this);
    form.HelpContext = HelpContextOf("MenuTexParent");
    form.SetParents(parents::knownParents(ParentTable));
    if (HasParent) form.SetParentText(ParentFile);
    if (ask::execModal(form) != mrOk) return false;

    // The table holds full paths: a name typed relative to the current
    // folder would name another file once that folder changes.
    const QString parent = QFileInfo(form.ParentText()).absoluteFilePath();
    HasParent = true;
    ParentFile = parent;
    parents::registerParent(ParentTable, FileName, parent, ParentExecute);
    return true;
}

void TForm1::MenuTexParentExeClick()
{
    if (!HasParent && !EditParentFile()) {
        if (QAction* item = Item("MenuTexParentExe")) item->setChecked(ParentExecute);
        return;
    }
    ParentExecute = !ParentExecute;
    parents::setExecute(ParentTable, FileName, ParentExecute);
    if (QAction* item = Item("MenuTexParentExe")) item->setChecked(ParentExecute);
}

void TForm1::BuildTeXExtraCommands()
{
    if (MenuTex) {
        MenuTex->addSeparator();
        AddItem(MenuTex, "MenuTexParent", "親ファイルの登録(&F)...", [this] { MenuTexParentClick(); });
        QAction* exe = Item("MenuTexParentExe");
        if (!exe)
            exe = AddItem(MenuTex, "MenuTexParentExe", "親ファイルを使って処理する(&E)",
                          [this] { MenuTexParentExeClick(); });
        exe->setCheckable(true);
        MenuTex->addSeparator();
        AddItem(
            MenuTex, "MenuTeXSpell", "スペルチェックする(&S)", [this] { MenuTeXSpellClick(); },
            QKeySequence(Qt::Key_F8));
    }
    if (MenuFile) {
        // Kept hidden and disabled: nothing offers them.
        QAction* list =
            AddItem(MenuFile, "MenuFileSpellList", "スペルチェックする(&C)...", [this] { runWordListCheck(*this); });
        QAction* file = AddItem(MenuFile, "MenuFileSpell", "スペルチェックする(&C)", [this] {
            runExternalChecker(*this, {&key::SpellProg, &key::SpellProgOption});
        });
        for (QAction* item : {list, file}) {
            item->setVisible(false);
            item->setEnabled(false);
        }
    }
    if (ToolBarFile)
        AddToolButton(ToolBarFile, "ToolButtonSpell", "スペルチェックする", "Spell", [this] { MenuTeXSpellClick(); });
    if (MenuOption)
        AddItem(MenuOption, "MenuOptionPreference", "TeX関連設定(&T)...", [this] { MenuOptionPreferenceClick(); });
}
