#include "forms/TeXExtraForms.h"
#include "forms/FormParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

const std::array<PreferencePage, 6> kPreferencePages = {{
    {"図挿入", 9012},
    {"ﾃﾞｨﾚｸﾄﾘ名付加", 9014},
    {"用紙サイズ命令", 9018},
    {"文書クラス", 9032},
    {"不要ﾌｧｲﾙ削除", 9048},
    {"TeX処理回数", 9030},
}};

const std::array<ExtensionBox, 11> kExtensionBoxes = {{
    {"cbDVI", ".dvi"},
    {"cbLOG", ".log"},
    {"cbAUX", ".aux"},
    {"cbTOC", ".toc"},
    {"cbLOF", ".lof"},
    {"cbLOT", ".lot"},
    {"cbIDX", ".idx"},
    {"cbIND", ".ind"},
    {"cbILG", ".ilg"},
    {"cbBBL", ".bbl"},
    {"cbBLG", ".blg"},
}};

namespace {

using formparts::named;

QWidget* pageWith(QTabWidget* tabs, int index, QWidget* content)
{
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    if (content) {
        content->setParent(page);
        layout->addWidget(content);
    }
    layout->addStretch();
    tabs->addTab(page, kPreferencePages[size_t(index)].title);
    return page;
}

}  // namespace

void FormParentUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormParent");
    dialog->setWindowTitle("親ファイル登録");
    auto* layout = new QVBoxLayout(dialog);
    Label2 = named(new QLabel("ここでは、現在編集中のファイルで使用する親ファイルを登録します。", dialog), "Label2");
    Label2->setWordWrap(true);
    layout->addWidget(Label2);
    Label1 = named(new QLabel("［親ファイルを使って処理する］ボタンが押されている状態で、［TeXで１回だけ処理する］、"
                              "［TeXで処理する］、［DVIファイルを表示する］等のボタンを押すと、現在編集中のファイルでは"
                              "なく、親ファイルをTeX処理（DVIファイル表示）します。",
                              dialog),
                   "Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    GroupBox1 = named(new QGroupBox("登録する親ファイルを指定する", dialog), "GroupBox1");
    auto* row = new QHBoxLayout(GroupBox1);
    ComboParent = named(new QComboBox(GroupBox1), "ComboParent");
    ComboParent->setEditable(true);
    ComboParent->setInsertPolicy(QComboBox::NoInsert);
    ComboParent->setMinimumWidth(360);
    sbOpenDlg = named(new QToolButton(GroupBox1), "sbOpenDlg");
    sbOpenDlg->setText("...");
    row->addWidget(ComboParent, 1);
    row->addWidget(sbOpenDlg);
    layout->addWidget(GroupBox1);
    layout->addLayout(
        formparts::buttonRow(dialog, formparts::kPlainButtons, formparts::OkIsDefault | formparts::ClosesDialog)
            .keep(OkButton, CancelButton, HelpButton));
}

void FormPreferenceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormPreference");
    dialog->setWindowTitle("TeX関連設定");
    auto* layout = new QVBoxLayout(dialog);
    Tab = named(new QTabWidget(dialog), "Tab");
    layout->addWidget(Tab);

    RadioGroupZu = formparts::radioGroup(Tab, "RadioGroupZu", "ファイルの拡張子を小文字に変換するか",
                                         {"小文字に変換する(&Y)", "小文字に変換しない(&N)"}, 1, -1);
    pageWith(Tab, 0, RadioGroupZu.box);
    RadioGroupDir = formparts::radioGroup(Tab, "RadioGroupDir", "ディレクトリ名を付加するか",
                                          {"ファイル名のみ(&F)", "ドライブ名、ディレクトリ名あり(&D)"}, 1, -1);
    pageWith(Tab, 1, RadioGroupDir.box);
    rgJPaper = formparts::radioGroup(Tab, "rgJPaper", "どちらの命令を使うか", {"a4j", "a4paper"}, 1, -1);
    pageWith(Tab, 2, rgJPaper.box);
    rgTexClass = formparts::radioGroup(
        Tab, "rgTexClass", "文書クラスのクラスオプション",
        {"デフォルトのクラス･オプションも挿入する(&Y)", "デフォルトのクラス･オプションは挿入しない(&N)"}, 1, -1);
    pageWith(Tab, 3, rgTexClass.box);

    QWidget* deletion = pageWith(Tab, 4, nullptr);
    auto* deletionLayout = static_cast<QVBoxLayout*>(deletion->layout());
    cbAutoDelete = named(new QCheckBox("以下で指定したファイルを自動削除する", deletion), "cbAutoDelete");
    deletionLayout->insertWidget(0, cbAutoDelete);
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < kExtensionBoxes.size(); ++i) {
        cbExtensions[i] = named(new QCheckBox(kExtensionBoxes[i].caption, deletion), kExtensionBoxes[i].name);
        grid->addWidget(cbExtensions[i], int(i / 4), int(i % 4));
    }
    deletionLayout->insertLayout(1, grid);

    rgHowTex =
        formparts::radioGroup(Tab, "rgHowTex", "TeXの処理方法",
                              {"１回だけTeXで処理する(&O)", "TeXで処理 → TeXで処理 → mendexで処理 → TeXで処理(&M)",
                               "処理回数を自動判別する(&A)"},
                              1, -1);
    pageWith(Tab, 5, rgHowTex.box);

    Tab->setCurrentIndex(kPreferenceFrontPage);
    layout->addLayout(
        formparts::buttonRow(dialog, formparts::kPlainButtons, formparts::OkIsDefault | formparts::ClosesDialog)
            .keep(OkButton, CancelButton, HelpButton));
}

void FormSpellCheck2Ui::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSpellCheck2");
    dialog->setWindowTitle("Spell Checker");
    auto* layout = new QVBoxLayout(dialog);
    Edit1 = named(new QLineEdit(dialog), "Edit1");
    Edit1->setReadOnly(true);
    layout->addWidget(Edit1);
    Label1 = named(new QLabel("置換する単語", dialog), "Label1");
    layout->addWidget(Label1);
    ComboBox1 = named(new QComboBox(dialog), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    layout->addWidget(ComboBox1);
    auto* row = new QHBoxLayout;
    ReplaceButton = named(new QPushButton("置換する(&R)", dialog), "ReplaceButton");
    ReplaceButton->setDefault(true);
    IgnoreButton = named(new QPushButton("無視(&I)", dialog), "IgnoreButton");
    CancelButton = named(new QPushButton("キャンセル(&C)", dialog), "CancelButton");
    row->addWidget(ReplaceButton);
    row->addWidget(IgnoreButton);
    row->addWidget(CancelButton);
    layout->addLayout(row);
}

void FSpellCheckProgressUi::setupUi(QWidget* form)
{
    form->setObjectName("FSpellCheckProgress");
    form->setWindowTitle("Spell Checker");
    auto* layout = new QVBoxLayout(form);
    Label1 = named(new QLabel(form), "Label1");
    layout->addWidget(Label1);
    ProgressBar1 = named(new QProgressBar(form), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    layout->addWidget(ProgressBar1);
}
