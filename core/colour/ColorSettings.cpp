// The colour settings dialog: table editing, class colours, colour files.
#include "core/colour/ColorSettings.h"
#include "forms/ColorStructForms.h"

#include "platform/Ask.h"
#include "platform/BgrColor.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kFilter = QStringLiteral("Quillmarkカラー構文設定ファイル(*.Qmc) (*.qmc)");
const QString kSaveCaption = QStringLiteral("カラー構文設定Save");
const QString kLoadCaption = QStringLiteral("カラー構文設定Load");

}  // namespace

void paintColorPanel(QWidget* panel, unsigned color)
{
    if (!panel) return;
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, bgrColor(color));
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
}

QString changeFileExt(const QString& path, const QString& extension)
{
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    return (dot > slash ? path.left(dot) : path) + extension;
}

// ---- row dialog ----

TFormColorSet::TFormColorSet(QWidget* parent)
    : QDialog(parent), layout_(std::make_unique<FormColorSetUi>()), ui(*layout_)
{
    ui.setupUi(this);
    ask::onClick(ui.OkButton, this, [this] { accept(); });
    ask::onClick(ui.CancelButton, this, [this] { reject(); });
    ask::onClick(ui.BtnColChange, this, [this] { BtnColChangeClick(); });
}

TFormColorSet::~TFormColorSet() = default;

void TFormColorSet::SetColor(unsigned color)
{
    Color = color;
    paintColorPanel(ui.CPanel2, color);
}

void TFormColorSet::BtnColChangeClick()
{
    const ask::ColorAnswer answer = ask::colorDialog(Color, this);
    if (answer.accepted) SetColor(answer.color);
}

// ---- settings dialog ----

TFormColorStruct::TFormColorStruct(QWidget* parent)
    : QDialog(parent), layout_(std::make_unique<FormColorStructUi>()), ui(*layout_)
{
    ui.setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    auto on = [this](QPushButton* b, void (TFormColorStruct::*handler)()) {
        ask::onClick(b, this, [this, handler] { (this->*handler)(); });
    };
    ask::onClick(ui.OkButton, this, [this] { accept(); });
    ask::onClick(ui.CancelButton, this, [this] { reject(); });
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
    connect(ui.ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    ask::onSignal(ui.ListBox1, &QListWidget::itemDoubleClicked, this, [this] { BtnChangeClick(); });
    on(ui.BtnAdd, &TFormColorStruct::BtnAddClick);
    on(ui.BtnChange, &TFormColorStruct::BtnChangeClick);
    on(ui.BtnDelete, &TFormColorStruct::BtnDeleteClick);
    on(ui.BtnExport, &TFormColorStruct::BtnExportClick);
    on(ui.BtnImport, &TFormColorStruct::BtnImportClick);
    on(ui.BtnRemCChange, &TFormColorStruct::BtnRemCChangeClick);
    on(ui.BtnFontColor, &TFormColorStruct::BtnFontColorClick);
    on(ui.BtnBackColor, &TFormColorStruct::BtnBackColorClick);
    on(ui.BtnDoller, &TFormColorStruct::BtnDollerClick);
    on(ui.BtnAnd, &TFormColorStruct::BtnAndClick);
    on(ui.BtnZenkaku, &TFormColorStruct::BtnZenkakuClick);
    on(ui.BitBtn1, &TFormColorStruct::BitBtn1Click);
    // The check boxes keep the dialog's flags, however they are changed.
    auto flag = [this](QCheckBox* box, bool ColorClassSettings::*field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) { Data.classes.*field = on; });
    };
    flag(ui.cbDollerItalic, &ColorClassSettings::DollerItalic);
    flag(ui.cbAndItalic, &ColorClassSettings::AndItalic);
    flag(ui.cbZen, &ColorClassSettings::ZenOn);
    flag(ui.cbRemItalic, &ColorClassSettings::RemItalic);
}

TFormColorStruct::~TFormColorStruct() = default;

void TFormColorStruct::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormColorStruct::SetFlagBoxes()
{
    const ColorClassSettings c = Data.classes;  // a copy: each toggle writes back
    ui.cbDollerItalic->setChecked(c.DollerItalic);
    ui.cbAndItalic->setChecked(c.AndItalic);
    ui.cbZen->setChecked(c.ZenOn);
    ui.cbRemItalic->setChecked(c.RemItalic);
}

void TFormColorStruct::fillList(int select)
{
    ui.ListBox1->blockSignals(true);
    ui.ListBox1->clear();
    for (const ColorCommandRow& r : Data.rows) ui.ListBox1->addItem(r.name);
    ui.ListBox1->setCurrentRow(Data.rows.empty() ? -1 : std::clamp(select, 0, int(Data.rows.size()) - 1));
    ui.ListBox1->blockSignals(false);
    showSelectedColor();
}

void TFormColorStruct::showSelectedColor()
{
    const int i = ui.ListBox1->currentRow();
    if (i >= 0 && i < int(Data.rows.size())) paintColorPanel(ui.CPanel, Data.rows[size_t(i)].color);
}

void TFormColorStruct::paintPanels()
{
    const ColorClassSettings& c = Data.classes;
    paintColorPanel(ui.PanelFontColor, Data.FontColor);
    paintColorPanel(ui.PanelBackColor, Data.BackColor);
    paintColorPanel(ui.PanelRemColor, c.RemColor);
    paintColorPanel(ui.PanelDollerColor, c.DollerColor);
    paintColorPanel(ui.PanelAndColor, c.AndColor);
    paintColorPanel(ui.PanelZenColor, c.ZenColor);
    paintColorPanel(ui.PanelGenTeXColor, c.GenTeXColor);
}

void TFormColorStruct::FormShow()
{
    fillList(0);
    paintPanels();
    SetFlagBoxes();
}

void TFormColorStruct::ListBox1Click() { showSelectedColor(); }

void TFormColorStruct::BtnAddClick()
{
    const QString caption = QStringLiteral("追加");
    if (int(Data.rows.size()) >= kMaxColorCommands) {
        ask::messageBox(QStringLiteral("カラー構文では、２０４８個以上命令を設定できません。"), caption, MB_ICONERROR);
        return;
    }
    TFormColorSet set(this);
    set.ui.Edit1->setText(QStringLiteral("\\"));
    set.ui.Edit1->setCursorPosition(1);
    set.SetColor(0);
    if (ask::execModal(set) != mrOk) return;
    const QString name = set.ui.Edit1->text();
    const QString refusal = colorfile::refuseNewName(Data.rows, name);
    if (!refusal.isEmpty()) {
        ask::messageBox(refusal, caption, MB_ICONERROR);
        return;
    }
    Data.rows.push_back(
        {name, set.Color, set.ui.cbBold->isChecked(), set.ui.cbItalic->isChecked(), set.ui.cbAst->isChecked()});
    fillList(int(Data.rows.size()) - 1);
}

void TFormColorStruct::BtnChangeClick()
{
    const int i = ui.ListBox1->currentRow();
    if (i < 0 || i >= int(Data.rows.size())) return;
    ColorCommandRow& row = Data.rows[size_t(i)];
    TFormColorSet set(this);
    set.ui.Edit1->setText(row.name);
    set.ui.Edit1->setReadOnly(true);
    set.ui.LabelCom->setText(QStringLiteral("カラー構文用命令（変更できません）(&C):"));
    set.ui.cbAst->setChecked(row.ast);
    set.ui.cbBold->setChecked(row.bold);
    set.ui.cbItalic->setChecked(row.italic);
    set.SetColor(row.color);
    if (ask::execModal(set) != mrOk) return;
    row.color = set.Color;
    row.ast = set.ui.cbAst->isChecked();
    row.bold = set.ui.cbBold->isChecked();
    row.italic = set.ui.cbItalic->isChecked();
    fillList(i);
}

void TFormColorStruct::BtnDeleteClick()
{
    const int i = ui.ListBox1->currentRow();
    if (i < 0 || i >= int(Data.rows.size())) return;
    if (ask::messageBox(Data.rows[size_t(i)].name + QStringLiteral("\r\nこの命令を削除しますか。"),
                        QStringLiteral("削除"), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    Data.rows.erase(Data.rows.begin() + i);
    fillList(i);
}

void TFormColorStruct::chooseColor(QWidget* panel, unsigned& color)
{
    const ask::ColorAnswer answer = ask::colorDialog(color, this);
    if (!answer.accepted) return;
    color = answer.color;
    paintColorPanel(panel, color);
}

void TFormColorStruct::BtnRemCChangeClick() { chooseColor(ui.PanelRemColor, Data.classes.RemColor); }
void TFormColorStruct::BtnFontColorClick() { chooseColor(ui.PanelFontColor, Data.FontColor); }
void TFormColorStruct::BtnBackColorClick() { chooseColor(ui.PanelBackColor, Data.BackColor); }
void TFormColorStruct::BtnDollerClick() { chooseColor(ui.PanelDollerColor, Data.classes.DollerColor); }
void TFormColorStruct::BtnAndClick() { chooseColor(ui.PanelAndColor, Data.classes.AndColor); }
void TFormColorStruct::BtnZenkakuClick() { chooseColor(ui.PanelZenColor, Data.classes.ZenColor); }
void TFormColorStruct::BitBtn1Click() { chooseColor(ui.PanelGenTeXColor, Data.classes.GenTeXColor); }

QString TFormColorStruct::colorFolder() const { return ProgramDir + QStringLiteral("/QuillColor"); }

void TFormColorStruct::BtnExportClick()
{
    ask::FileRequest request;
    request.save = true;
    request.caption = kSaveCaption;
    request.directory = colorFolder();
    request.filters = {kFilter};
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return;
    const QString path = changeFileExt(answer.fileName, QStringLiteral(".qmc"));
    if (QFileInfo::exists(path) &&
        ask::messageBox(QStringLiteral("同名のファイルが存在します。\r\n上書き保存しますか。"), kSaveCaption,
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (!colorfile::saveFile(path, Data)) {
        ask::errorMessage(path + QStringLiteral("\r\nこのファイルに保存できませんでした。"));
        return;
    }
    ask::messageBox(QStringLiteral("保存完了！"), kSaveCaption, MB_ICONINFORMATION);
}

void TFormColorStruct::BtnImportClick()
{
    const QString caption = QStringLiteral("カラー構文");
    ask::FileRequest request;
    request.caption = kLoadCaption;
    request.directory = colorFolder();
    request.filters = {kFilter};
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return;
    QString path = answer.fileName;
    if (answer.filterIndex == 1) path = changeFileExt(path, QStringLiteral(".qmc"));
    std::string bytes;
    if (!QFileInfo(path).isFile()) {
        ask::messageBox(path + QStringLiteral("\r\nこのファイルが存在しませんので、読み込みできませんでした。"),
                        caption, MB_ICONERROR);
        return;
    }
    colorfile::ReadResult result = colorfile::loadFileBytes(path, bytes);
    if (result.status == colorfile::ReadStatus::Ok) result = colorfile::read(bytes, Data);
    switch (result.status) {
        case colorfile::ReadStatus::NotQuillmark:
            ask::messageBox(QStringLiteral("このファイルはQuillmarkのファイルではありません"), caption, MB_ICONERROR);
            return;
        case colorfile::ReadStatus::NotColorFile:
            ask::messageBox(QStringLiteral("このファイルはカラー構文設定ファイルではありません。"), caption,
                            MB_ICONERROR);
            return;
        case colorfile::ReadStatus::UnsupportedVersion:
            ask::messageBox(QStringLiteral("このバージョンのカラー構文設定ファイルは読み込めません。"), caption,
                            MB_ICONERROR);
            return;
        case colorfile::ReadStatus::TooManyRows:
            ask::messageBox(QStringLiteral("カラー構文では、２０４８個以上命令を設定できません。"), caption,
                            MB_ICONERROR);
            return;
        case colorfile::ReadStatus::BadRow: ask::messageBox(result.error, caption, MB_ICONERROR); return;
        case colorfile::ReadStatus::Malformed: ask::errorMessage(result.error); return;
        case colorfile::ReadStatus::TooLarge:
            ask::messageBox(path + QStringLiteral("\r\nこのファイルは大きすぎるため、読み込みできませんでした。"),
                            caption, MB_ICONERROR);
            return;
        case colorfile::ReadStatus::Unreadable:
            // It is there but cannot be read: say so, not that it is missing.
            ask::messageBox(path + QStringLiteral("\r\nこのファイルを読み込めませんでした。\r\n") + result.error,
                            caption, MB_ICONERROR);
            return;
        case colorfile::ReadStatus::Ok: break;
    }
    if (result.version < 2)
        ask::messageBox(
            QStringLiteral(
                "カラー構文設定ファイルのバージョンが古いので、\r\n＄、＆、全角空白の設定は変更されません。"),
            kLoadCaption, MB_ICONINFORMATION);
    SetFlagBoxes();
    fillList(0);
    paintPanels();
    ask::messageBox(QStringLiteral("ロード完了！"), kLoadCaption, MB_ICONINFORMATION);
}
