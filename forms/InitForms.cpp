#include "forms/InitForms.h"
#include "forms/FormParts.h"

#include <QButtonGroup>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

const std::array<const char*, 7> kInstallKindCaptions = {
    "QuillTeX Installer v1.20",
    "入門書『はじめてのpLaTeX2e』付録CD-ROM",
    "入門書『はじめてのpLaTeX2e』改訂版付録CD-ROM",
    "解説書『LaTeX文書作成ガイド』付録CD-ROM",
    "解説書『日本語TeX活用術』付録CD-ROM（virptex版）",
    "解説書『日本語TeX活用術』付録CD-ROM（virptex使用）",
    "解説書『日本語TeX活用術』付録CD-ROM（platex使用）",
};

namespace {

using formparts::named;

// A file name line with its "..." browse button beside it, added to layout.
void addFileRow(QWidget* parent, QBoxLayout* layout, QLineEdit*& file, const char* fileName, QToolButton*& browse,
                const char* browseName)
{
    auto* row = new QHBoxLayout;
    file = named(new QLineEdit(parent), fileName);
    browse = named(new QToolButton(parent), browseName);
    browse->setText("...");
    row->addWidget(file);
    row->addWidget(browse);
    layout->addLayout(row);
}

struct ProgramPage {
    QLineEdit* file;
    QToolButton* browse;
    QLineEdit* option;
    QVBoxLayout* layout;
};

ProgramPage addProgramPage(QTabWidget* tabs, const char* title, const char* fileName, const char* browseName,
                           const char* optionName)
{
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    ProgramPage p{};
    layout->addWidget(new QLabel("ファイル（フルパスで指定する）", page));
    addFileRow(page, layout, p.file, fileName, p.browse, browseName);
    layout->addWidget(new QLabel("起動時オプション（必要なら指定する）", page));
    p.option = named(new QLineEdit(page), optionName);
    layout->addWidget(p.option);
    p.layout = layout;
    tabs->addTab(page, title);
    return p;
}

}  // namespace

void FormInitUi::setupUi(QDialog* dialog, std::span<const ProgramPageLayout> pages)
{
    dialog->setObjectName("FormInit");
    dialog->setWindowTitle("初期設定");
    auto* layout = new QVBoxLayout(dialog);
    rgMakeIndexExe = named(new QTabWidget(dialog), "rgMakeIndexExe");
    layout->addWidget(rgMakeIndexExe);

    auto* autoPage = new QWidget(rgMakeIndexExe);
    auto* autoLayout = new QVBoxLayout(autoPage);
    BitBtn4 = named(new QPushButton("自動初期設定実行", autoPage), "BitBtn4");
    BitBtnSettingWizard = named(new QPushButton("初期設定ウィザード", autoPage), "BitBtnSettingWizard");
    autoLayout->addWidget(BitBtn4);
    autoLayout->addWidget(BitBtnSettingWizard);
    autoLayout->addStretch();
    rgMakeIndexExe->addTab(autoPage, "自動初期設定");

    for (const ProgramPageLayout& page : pages) {
        ProgramPage p = addProgramPage(rgMakeIndexExe, page.title, page.fileName, page.browseName, page.optionName);
        this->*page.file = p.file;
        this->*page.browse = p.browse;
        this->*page.option = p.option;
        if (page.startChoice) {
            const QStringList starts = {"DDE接続により実行する （通常はこちらを選択してください）",
                                        "Quillmarkから直接起動する （DDEがうまく動作しないときに選択してください）"};
            rgDVIExe = formparts::radioGroup(p.file->parentWidget(), "rgDVIExe", QString(), starts, 1, -1);
            p.layout->addWidget(rgDVIExe.box);
        }
    }
    for (int i = 1; i < rgMakeIndexExe->count(); ++i)
        static_cast<QVBoxLayout*>(rgMakeIndexExe->widget(i)->layout())->addStretch();

    layout->addLayout(
        formparts::buttonRow(dialog, formparts::kPlainButtons, formparts::OkIsDefault | formparts::ClosesDialog)
            .keep(OkButton, CancelButton, HelpButton));
    dialog->resize(680, 340);
}

void FormAutoSettingUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormAutoSetting");
    dialog->setWindowTitle("自動初期設定");
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(
        new QLabel(
            "　TeXをQuillTeX Installerや以下の書籍等でインストールしている場合、TeX関連の初期設定を、自動で行います。",
            dialog),
        "Label1");
    Label1->setWordWrap(true);
    Label2 =
        named(new QLabel("　TeXのインストール方法を以下より選び、［ＯＫ］をクリックして下さい。", dialog), "Label2");
    Label2->setWordWrap(true);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    QStringList kinds;
    for (const char* caption : kInstallKindCaptions) kinds << QString::fromUtf8(caption);
    RadioGroup1 = formparts::radioGroup(dialog, "RadioGroup1", "TeXをインストールした書籍の選択", kinds, 1, -1);
    RadioGroup1.SetItemIndex(0);
    layout->addWidget(RadioGroup1.box);
    GroupBox1 = named(new QGroupBox("TeXがインストールされているドライブ名", dialog), "GroupBox1");
    auto* driveRow = new QHBoxLayout(GroupBox1);
    Label3 = named(new QLabel("TeXがインストールされているドライブ名を半角１文字で指定：", GroupBox1), "Label3");
    EditDrive = named(new QLineEdit("c", GroupBox1), "EditDrive");
    EditDrive->setMaxLength(1);
    EditDrive->setFixedWidth(40);
    driveRow->addWidget(Label3);
    driveRow->addWidget(EditDrive);
    driveRow->addStretch();
    layout->addWidget(GroupBox1);
    layout->addLayout(
        formparts::buttonRow(dialog, formparts::kPlainButtons, formparts::OkIsDefault | formparts::ClosesDialog)
            .keep(OkButton, CancelButton, HelpButton));
}

void FormFileSiteiUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormFileSitei");
    dialog->setWindowTitle("ファイル指定");
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(dialog), "Label1");
    Label2 = named(new QLabel(dialog), "Label2");
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    addFileRow(dialog, layout, Edit1, "Edit1", SpeedButton1, "SpeedButton1");
    layout->addLayout(formparts::buttonRow(dialog, formparts::kPlainButtonsWithoutHelp,
                                           formparts::OkIsDefault | formparts::ClosesDialog)
                          .keep(OkButton, CancelButton));
    dialog->resize(480, 140);
}

void FormFileSitei2Ui::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormFileSitei2");
    dialog->setWindowTitle("初期設定ウィザード");
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(dialog), "Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    auto* panel = new QFrame(dialog);
    panel->setFrameShape(QFrame::StyledPanel);
    Panel1 = named(panel, "Panel1");
    auto* panelLayout = new QVBoxLayout(Panel1);
    Label2 = named(new QLabel(Panel1), "Label2");
    panelLayout->addWidget(Label2);
    layout->addWidget(Panel1);
    layout->addWidget(new QLabel("ファイル（フルパスで指定する）", dialog));
    addFileRow(dialog, layout, Edit1, "Edit1", SpeedButton1, "SpeedButton1");
    layout->addWidget(new QLabel("起動時オプション（必要なら指定する）", dialog));
    Edit2 = named(new QLineEdit(dialog), "Edit2");
    layout->addWidget(Edit2);
    layout->addLayout(formparts::buttonRow(dialog, formparts::kPlainButtonsWithoutHelp,
                                           formparts::OkIsDefault | formparts::ClosesDialog)
                          .keep(OkButton, CancelButton));
    dialog->resize(480, 300);
}
