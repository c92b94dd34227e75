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

// The field pair of a program's page.
QLineEdit* fileField(FormInitUi& ui, const tex::ProgramRow& row) { return ui.*row.page.file; }
QLineEdit* optionField(FormInitUi& ui, const tex::ProgramRow& row) { return ui.*row.page.option; }

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
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
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
    ask::onClick(ui.SpeedButton1, this, [this] {
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
    ask::onClick(ui.SpeedButton1, this, [this] {
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
    ui.setupUi(this, tex::programPages());
    ask::onClick(ui.BitBtn4, this, [this] { BitBtn4Click(); });
    ask::onClick(ui.BitBtnSettingWizard, this, [this] { BitBtnSettingWizardClick(); });
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        QLineEdit* field = fileField(ui, row);
        ask::onClick(ui.*row.page.browse, this, [this, field] { browseInto(field); });
    }
}

void TFormInit::ShowValues(const TeXSettings& values, bool setupFilledOnly)
{
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        if (setupFilledOnly && !row.setupFills) continue;
        fileField(ui, row)->setText(values.*row.file);
        optionField(ui, row)->setText(values.*row.option);
    }
    ui.rgDVIExe.SetItemIndex(values.DviDde);
}

TeXSettings TFormInit::Values()
{
    TeXSettings values;
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        values.*row.file = fileField(ui, row)->text();
        values.*row.option = optionField(ui, row)->text();
    }
    values.DviDde = ui.rgDVIExe.ItemIndex();
    return values;
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
    ShowValues(readTeXSettings(settings::Store(RegKey)), false);
}

void TFormInit::FormClose(int modalResult)
{
    if (modalResult != mrOk || stored_) return;
    stored_ = true;
    settings::Batch batch;
    writeTeXSettings(settings::Store(RegKey), Values());
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
    TeXSettings v;
    {
        TFormAutoSetting setting(this);
        if (ask::execModal(setting) != mrOk) return;
        v = autoSetupValues(setting.ui.RadioGroup1.ItemIndex(), setting.ui.EditDrive->text());
    }
    runViewerProbes();

    bool failed = false;
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        QString& file = v.*row.file;
        if (!row.setupAsks || fileExists(file)) continue;
        QApplication::beep();
        TFormFileSitei prompt(this);
        prompt.fileExists = fileExists;
        prompt.MissingPath = file;
        if (ask::execModal(prompt) == mrOk) {
            file = prompt.ui.Edit1->text();
        } else {
            failed = true;
            break;
        }
    }
    if (!failed) {
        ShowValues(v, true);
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
    bool completed = true;
    {
        TFormFileSitei2 page(this);
        for (const tex::ProgramRow& row : tex::kProgramRows) {
            if (!row.wizardRequest) continue;
            page.ui.Label1->setText(QString::fromUtf8(row.wizardRequest));
            page.ui.Label2->setText(QString::fromUtf8(row.wizardExample));
            page.ui.Edit1->setText(fileField(ui, row)->text());
            page.ui.Edit2->setText(optionField(ui, row)->text());
            if (ask::execModal(page) != mrOk) {
                completed = false;
                break;
            }
            fileField(ui, row)->setText(page.ui.Edit1->text());
            optionField(ui, row)->setText(page.ui.Edit2->text());
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
