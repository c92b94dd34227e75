// The command-assist settings dialog: editing the list, command-assist files,
// the five options, and installing them into the resident pop-up.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <stdexcept>

#include "assist/Assist.h"
#include "assist/CommandList.h"
#include "core/files/DocumentFile.h"
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "assist/CmdAssistForms.h"
#include "platform/Ask.h"
#include "platform/Registry.h"

namespace {

const QString kCaption = QStringLiteral("コマンド入力支援");
const QString kFilter = QStringLiteral("Quillmarkコマンド入力支援ファイル(*.Qma) (*.qma)");
const QString kEditLabel = QStringLiteral("TeX命令(&C):");

int selectedRow(const QListWidget& list)
{
    const QListWidgetItem* current = list.currentItem();
    return current && current->isSelected() ? list.currentRow() : -1;
}

void selectRow(QListWidget& list, int row)
{
    if (row < 0 || row >= list.count()) {
        list.clearSelection();
        list.setCurrentRow(-1);
    } else {
        list.setCurrentRow(row);
    }
}

// The command editor, run through the dialog seam; empty when not confirmed.
bool editCommand(QWidget* owner, const QString& text, QString& result)
{
    TFormCmdEdit edit(owner);
    edit.Edit1->setText(text);
    edit.Label1->setText(kEditLabel);
    if (ask::execModal(edit) != mrOk) return false;
    result = edit.Edit1->text();
    return true;
}

// The list and the options as the dialog shows them.
cmdassist::Settings chosenSettings(const TFormCmdAssistSetting& d)
{
    cmdassist::Settings s;
    s.commands = d.Commands();
    const auto index = [](const RadioGroup& g) { return std::max(g.ItemIndex(), 0); };
    s.space = index(d.rgSpace);
    s.kigou = index(d.rgKigou);
    s.kakutei = index(d.rgKakutei);
    s.list = index(d.rgList);
    s.gakusyuu = d.cbGakusyuu->isChecked();
    return s;
}

// The command-list file to read or write, in the program's Command folder;
// with the list's own filter chosen the name takes its extension.  Empty
// when the user cancelled.
QString askCommandFile(const QString& programDir, bool save, const QString& caption)
{
    ask::FileRequest request;
    request.save = save;
    request.caption = caption;
    request.directory = programDir + QStringLiteral("/Command");
    request.filters = {kFilter};
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return {};
    if (answer.filterIndex == 1) return docfile::changeFileExt(answer.fileName, QStringLiteral(".qma"));
    return answer.fileName;
}

}  // namespace

void TFormCmdAssistSetting::SetRegInfo(const QString& programDir, unsigned long rootKey, const QString& regKey)
{
    ProgramDir = programDir;
    RootKey = rootKey;
    RegKey = regKey;
}

QStringList TFormCmdAssistSetting::Commands() const
{
    QStringList list;
    list.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i) list << ListBox1->item(i)->text();
    return list;
}

void TFormCmdAssistSetting::SetCommands(const QStringList& commands)
{
    ListBox1->clear();
    ListBox1->addItems(commands);
}

void TFormCmdAssistSetting::FormShow()
{
    const cmdassist::Settings s = cmdassist::readSettings(RootKey, RegKey);
    SetCommands(s.commands);
    selectRow(*ListBox1, 0);
    rgSpace.SetItemIndex(s.space);
    rgKigou.SetItemIndex(s.kigou);
    rgKakutei.SetItemIndex(s.kakutei);
    rgList.SetItemIndex(s.list);
    cbGakusyuu->setChecked(s.gakusyuu);
}

void TFormCmdAssistSetting::FormClose() { cmdassist::writeSettings(RootKey, RegKey, chosenSettings(*this)); }

void TFormCmdAssistSetting::BtnAddClick()
{
    int i = selectedRow(*ListBox1);
    QString s;
    if (!editCommand(this, QStringLiteral("\\"), s)) return;
    if (!s.startsWith(u'\\')) {
        ask::messageBox(QStringLiteral("\\で始まる命令しか定義できません。"), kCaption, MB_ICONERROR);
        return;
    }
    const QStringList commands = Commands();
    if (commands.contains(s)) {
        ask::messageBox(s + QStringLiteral("\r\nすでに同じ命令が定義されていますので\r\n追加できません。"),
                        QStringLiteral("追加"), MB_ICONERROR);
        return;
    }
    // It goes where the longest of its beginnings that the list holds was
    // found last, unless the selection lies further down.
    int best = 0;
    selectRow(*ListBox1, 0);
    for (int k = 1; k <= s.size(); ++k) {
        const int hit = cmdassist::findString(commands, 0, s.left(k));
        if (hit > best) best = hit;
    }
    if (best > i) i = best;
    ListBox1->insertItem(i, s);
    selectRow(*ListBox1, i);
}

void TFormCmdAssistSetting::BtnChangeClick()
{
    if (ListBox1->count() == 0) return;
    const int i = selectedRow(*ListBox1);
    if (i < 0) return;
    QString s;
    if (!editCommand(this, ListBox1->item(i)->text(), s)) return;
    delete ListBox1->takeItem(i);
    ListBox1->insertItem(i, s);
    selectRow(*ListBox1, i);
}

void TFormCmdAssistSetting::BtnDelClick()
{
    if (ListBox1->count() == 0) return;
    const int i = selectedRow(*ListBox1);
    if (i < 0) return;
    const QString s = ListBox1->item(i)->text();
    if (ask::messageBox(s + QStringLiteral("\r\nこの命令を削除しますか。"), QStringLiteral("削除"),
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    delete ListBox1->takeItem(i);
    selectRow(*ListBox1, i < ListBox1->count() ? i : ListBox1->count() - 1);
}

void TFormCmdAssistSetting::BtnLoadClick()
{
    const QString path = askCommandFile(ProgramDir, false, QStringLiteral("コマンド入力支援設定読み込み"));
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        ask::messageBox(path + QStringLiteral("\r\nこのファイルが存在しませんので、読み込みできませんでした。"),
                        kCaption, MB_ICONERROR);
        return;
    }
    // Read whole before the list is touched, so a file that fails leaves
    // the list as it was.
    const QStringList commands = cmdassist::qma::load(path);
    SetCommands(commands);
    selectRow(*ListBox1, 0);
    ask::messageBox(QStringLiteral("読み込み完了！"), kCaption, MB_ICONINFORMATION);
}

void TFormCmdAssistSetting::BtnSaveClick()
{
    const QString path = askCommandFile(ProgramDir, true, QStringLiteral("コマンド入力支援設定保存"));
    if (path.isEmpty()) return;
    cmdassist::qma::save(path, Commands());
    ask::messageBox(QStringLiteral("保存完了！"), kCaption, MB_ICONINFORMATION);
}

void assist::MenuOptionCmdAssistSetClick(Session& s)
{
    road::Steps steps;
    steps.helpItem = "MenuOptionCmdAssistSet";
    steps.placement = road::Placement::ScreenCentre;
    // The commands are checked when one goes into the document.
    steps.fields = road::FieldUse::Other;
    road::ask<TFormCmdAssistSetting>(
        s, steps,
        [&s](TFormCmdAssistSetting& d) {
            d.SetRegInfo(s.ProgramDir, HKEY_CURRENT_USER_ROOT, s.RegKey);
            d.FormShow();
        },
        [&s](TFormCmdAssistSetting& d) {
            // Stored first: a store that cannot be written leaves the pop-up
            // as it was too.
            d.FormClose();
            const cmdassist::Settings c = chosenSettings(d);
            residentCmdAssist(s).SetSetting(cmdassist::joinLines(c.commands), c.space, c.kigou, c.kakutei, c.list,
                                            c.gakusyuu);
        },
        nullptr);
}
