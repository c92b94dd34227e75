#include "tex/Init.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "platform/Ask.h"
#include "platform/Help.h"
#include "platform/Scope.h"
#include "core/settings/Keys.h"

namespace {

bool realFileExists(const QString& path) { return QFileInfo::exists(path); }

// The settings values and their fields, in the order they are loaded and
// stored.
struct FieldBinding {
    const settings::Text* value;
    QLineEdit* FormInitUi::*field;
};
constexpr FieldBinding kBindings[] = {
    {&key::TeXFile, &FormInitUi::TeXExeFileName},      {&key::TeXOption, &FormInitUi::EditTeXCommand},
    {&key::DviFile, &FormInitUi::TeXDVIFileName},      {&key::DviOption, &FormInitUi::EditDVIOption},
    {&key::MendexFile, &FormInitUi::EditMendexFile},   {&key::MendexOption, &FormInitUi::EditMendexOption},
    {&key::BibTeXFile, &FormInitUi::EditBibFile},      {&key::BibTeXOption, &FormInitUi::EditBibOption},
    {&key::DvipsFile, &FormInitUi::EditDvips},         {&key::DvipsOption, &FormInitUi::EditDvipsOption},
    {&key::DvipdfFile, &FormInitUi::EditDVIPDF},       {&key::DvipdfOption, &FormInitUi::EditDVIPDFOption},
    {&key::PDFReaderFile, &FormInitUi::EditPDFReader}, {&key::PDFReaderOption, &FormInitUi::EditPDFReaderOption},
    {&key::PSViewerFile, &FormInitUi::EditPSViewer},   {&key::PSViewerOption, &FormInitUi::EditPSViewerOption},
    {&key::SpellFile, &FormInitUi::EditSpellProg},     {&key::SpellOption, &FormInitUi::EditSpellOpt},
};

// Executables on Linux carry no extension, so the filters go by name.
const QStringList kProgramFilters = {"実行可能ファイル (*)", "シェルスクリプト (*.sh)", "全てのファイル (*)"};

// Each dialog is placed as it shows, once what its caller filled in (the
// prompt's and the wizard page's texts) has given it its size.
void centreOnOwner(QDialog& dialog)
{
    if (QWidget* owner = dialog.parentWidget()) road::centreOver(dialog, *owner);
}

void centreOnOwnersScreen(QDialog& dialog)
{
    road::centreOnScreen(dialog, dialog.parentWidget() ? *dialog.parentWidget() : dialog);
}

}  // namespace

// ---- TFormAutoSetting ----

TFormAutoSetting::TFormAutoSetting(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    connect(ui.HelpButton, &QPushButton::clicked, this, [] { help::showContext(0); });
}

void TFormAutoSetting::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) centreOnOwner(*this);
    QDialog::showEvent(event);
}

// ---- TFormFileSitei ----

TFormFileSitei::TFormFileSitei(QWidget* owner) : QDialog(owner), fileExists(realFileExists)
{
    ui.setupUi(this);
    connect(ui.SpeedButton1, &QToolButton::clicked, this, [this] {
        ask::FileRequest request;
        request.filters = {"実行ファイル (*)"};
        ask::FileAnswer answer = ask::fileDialog(request);
        if (answer.accepted) ui.Edit1->setText(answer.fileName);
    });
}

void TFormFileSitei::showEvent(QShowEvent* event)
{
    ExpectedName = expectedNameOf(MissingPath);
    ui.Label1->setText("ファイル " + MissingPath + " が存在しません。");
    ui.Label2->setText("ファイル " + ExpectedName + " をフルパスで指定してください。");
    if (!event->spontaneous()) centreOnOwnersScreen(*this);
    QDialog::showEvent(event);
}

void TFormFileSitei::accept()
{
    QString error = fileSiteiError(ui.Edit1->text(), ExpectedName, fileExists);
    if (!error.isEmpty()) {
        ask::messageBox(error, "エラー", MB_OK | MB_ICONERROR);
        ui.Edit1->clear();
        return;
    }
    QDialog::accept();
}

// ---- TFormFileSitei2 ----

TFormFileSitei2::TFormFileSitei2(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    connect(ui.SpeedButton1, &QToolButton::clicked, this, [this] {
        ask::FileRequest request;
        request.filters = kProgramFilters;
        ask::FileAnswer answer = ask::fileDialog(request);
        if (answer.accepted) ui.Edit1->setText(answer.fileName);
    });
}

void TFormFileSitei2::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) centreOnOwnersScreen(*this);
    QDialog::showEvent(event);
}

// ---- TFormInit ----

TFormInit::TFormInit(QWidget* owner) : QDialog(owner), fileExists(realFileExists)
{
    ui.setupUi(this);
    connect(ui.BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(ui.BitBtnSettingWizard, &QPushButton::clicked, this, [this] { BitBtnSettingWizardClick(); });
    connect(ui.HelpButton, &QPushButton::clicked, this, [this] { help::showContext(HelpContext); });
    const std::pair<QToolButton*, QLineEdit*> browse[] = {
        {ui.sbTeX1, ui.TeXExeFileName},       {ui.SpeedButton1, ui.TeXDVIFileName}, {ui.sbMendex, ui.EditMendexFile},
        {ui.SpeedButton3, ui.EditBibFile},    {ui.SpeedButton8, ui.EditDvips},      {ui.SpeedButton12, ui.EditDVIPDF},
        {ui.SpeedButton10, ui.EditPDFReader}, {ui.SpeedButton11, ui.EditPSViewer},  {ui.sbSpell, ui.EditSpellProg},
    };
    for (auto [button, field] : browse)
        connect(button, &QToolButton::clicked, this, [this, field = field] { browseInto(field); });
}

void TFormInit::browseInto(QLineEdit* field)
{
    ask::FileRequest request;
    request.filters = kProgramFilters;
    request.fileName = field->text();
    ask::FileAnswer answer = ask::fileDialog(request);
    if (answer.accepted) field->setText(answer.fileName);
}

void TFormInit::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        // Centred on the main window, which owns it.
        if (QWidget* owner = parentWidget()) road::centreOver(*this, *owner->window());
    }
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFormInit::FormShow()
{
    stored_ = false;
    const settings::Store store(RegKey);
    for (const FieldBinding& b : kBindings) (ui.*b.field)->setText(store.read(*b.value));
    ui.rgDVIExe.SetItemIndex(store.read(key::DviDde));
}

void TFormInit::FormClose(int modalResult)
{
    if (modalResult != mrOk || stored_) return;
    stored_ = true;
    const settings::Store store(RegKey);
    settings::Batch batch;
    for (const FieldBinding& b : kBindings) store.write(*b.value, (ui.*b.field)->text());
    store.write(key::DviDde, ui.rgDVIExe.ItemIndex());
    batch.commit();
}

void TFormInit::done(int result)
{
    FormClose(result);
    QDialog::done(result);
}

void TFormInit::runViewerProbes()
{
    ProbeResult ps = detectPSViewer(fileExists);
    ui.EditPSViewer->setText(ps.file);
    ui.EditPSViewerOption->setText(ps.option);
    ProbeResult pdf = detectPDFReader(fileExists);
    ui.EditPDFReader->setText(pdf.file);
    ui.EditPDFReaderOption->setText(pdf.option);
    if (!pdf.preferredFound) ask::messageBox(QString::fromUtf8(kNoPreferredPdfReader), "Warning", MB_OK);
}

void TFormInit::BitBtn4Click()
{
    AutoSetupValues v;
    {
        TFormAutoSetting setting(this);
        if (ask::execModal(setting) != mrOk) return;
        v = autoSetupValues(setting.ui.RadioGroup1.ItemIndex(), setting.ui.EditDrive->text());
    }
    runViewerProbes();

    bool failed = false;
    QString* checked[] = {&v.TeXFile, &v.DviFile, &v.MendexFile, &v.BibTeXFile, &v.DvipsFile};
    for (QString* file : checked) {
        if (fileExists(*file)) continue;
        QApplication::beep();
        TFormFileSitei prompt(this);
        prompt.fileExists = fileExists;
        prompt.MissingPath = *file;
        if (ask::execModal(prompt) == mrOk) {
            *file = prompt.ui.Edit1->text();
        } else {
            failed = true;
            break;
        }
    }
    if (!failed) {
        ui.TeXExeFileName->setText(v.TeXFile);
        ui.EditTeXCommand->setText(v.TeXOption);
        ui.TeXDVIFileName->setText(v.DviFile);
        ui.EditDVIOption->setText(v.DviOption);
        ui.EditMendexFile->setText(v.MendexFile);
        ui.EditMendexOption->setText(v.MendexOption);
        ui.EditBibFile->setText(v.BibTeXFile);
        ui.EditBibOption->setText(v.BibTeXOption);
        ui.EditDvips->setText(v.DvipsFile);
        ui.EditDvipsOption->setText(v.DvipsOption);
        ui.EditDVIPDF->setText(v.DvipdfFile);
        ui.EditDVIPDFOption->setText(v.DvipdfOption);
        ui.EditSpellProg->setText(v.SpellFile);
        ui.EditSpellOpt->setText(v.SpellOption);
        ui.rgDVIExe.SetItemIndex(v.DviDde);
        settings::Store(RegKey).write(key::TeXBAT, 1);
        ask::messageBox("Quillmarkの初期設定が完了しました。", "確認", MB_OK | MB_ICONINFORMATION);
    } else {
        ask::messageBox(
            "TeXプログラム等が見つかりませんでした。\r\nTeXが正しくインストールされていない可能性があります。\r\n"
            "書籍に記載されている通りに添付CDからTeXをインストールしてから、もう一度やり直してみてください。",
            "自動初期設定エラー", MB_OK | MB_ICONERROR);
    }
    done(mrOk);
}

void TFormInit::BitBtnSettingWizardClick()
{
    QLineEdit* FormInitUi::*fields[4][2] = {
        {&FormInitUi::TeXExeFileName, &FormInitUi::EditTeXCommand},
        {&FormInitUi::TeXDVIFileName, &FormInitUi::EditDVIOption},
        {&FormInitUi::EditMendexFile, &FormInitUi::EditMendexOption},
        {&FormInitUi::EditBibFile, &FormInitUi::EditBibOption},
    };
    bool completed = true;
    {
        TFormFileSitei2 page(this);
        for (int i = 0; i < 4; ++i) {
            page.ui.Label1->setText(QString::fromUtf8(kWizardPages[i].request));
            page.ui.Label2->setText(QString::fromUtf8(kWizardPages[i].example));
            page.ui.Edit1->setText((ui.*fields[i][0])->text());
            page.ui.Edit2->setText((ui.*fields[i][1])->text());
            if (ask::execModal(page) != mrOk) {
                completed = false;
                break;
            }
            (ui.*fields[i][0])->setText(page.ui.Edit1->text());
            (ui.*fields[i][1])->setText(page.ui.Edit2->text());
        }
    }
    runViewerProbes();
    if (completed) {
        ask::messageBox("TeXやDVIドライバ、MakeIndex等の設定が終了しました。", "確認", MB_OK | MB_ICONINFORMATION);
        done(mrOk);
    }
}

// ---- the menu command ----

void tex::MenuOptionInitClick(Session& s)
{
    scope::CurrentFolder folder;
    TFormInit form(s.mainWindow);
    form.HelpContext = s.HelpContextOf("MenuOptionInit");
    form.SetRegKey(s.RegKey);
    if (ask::execModal(form) == mrOk) s.TeXProcessed = false;
}
