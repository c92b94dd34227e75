#include "forms/PreambleForms.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/FormParts.h"

namespace {

using formparts::named;
using formparts::u;

}  // namespace

void FormTexClassUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormTexClass");
    dialog->setWindowTitle(u("TeX文書クラス"));
    auto* layout = new QVBoxLayout(dialog);
    auto* top = new QHBoxLayout;
    Label1 = named(new QLabel(u("文書クラス(&C)："), dialog), "Label1");
    ComboBox1 = named(new QComboBox(dialog), "ComboBox1");
    ComboBox1->setEditable(false);
    for (const char* item : {"jarticle （短い文書用）", "jreport （長い報告書用）", "jbook （本の規模の文書）",
                             "tarticle （jarticleの縦組み)", "treport （jreportの縦組み)", "tbook （jbookの縦組み)",
                             "jsarticle (新jarticle)", "jsbook (新jbook)"})
        ComboBox1->addItem(u(item));
    Label1->setBuddy(ComboBox1);
    top->addWidget(Label1);
    top->addWidget(ComboBox1, 1);
    layout->addLayout(top);

    RadioGroupPaperSize =
        formparts::radioGroup(dialog, "RadioGroupPaperSize", "用紙サイズ", {"A4(&A)", "A5(&5)", "B4(&4)", "B5(&B)"}, 2);
    RadioGroupCharSize = formparts::radioGroup(dialog, "RadioGroupCharSize", "文字サイズ",
                                               {"10ポイント(&0)", "11ポイント(&1)", "12ポイント(&2)"});
    RadioGroupDir = formparts::radioGroup(dialog, "RadioGroupDir", "印刷の向き", {"縦(&T)", "横(&Y)"});
    RadioGroupColumn = formparts::radioGroup(dialog, "RadioGroupColumn", "段組み", {"一段組み", "二段組み"});
    RadioGroupSide = formparts::radioGroup(dialog, "RadioGroupSide", "印刷面", {"片面印刷", "両面印刷"});
    RadioGroupHyoudai =
        formparts::radioGroup(dialog, "RadioGroupHyoudai", "タイトル・概要", {"本文と同じ", "独立したページ"});
    RadioGroupMathPos = formparts::radioGroup(dialog, "RadioGroupMathPos", "数式の配置", {"中央揃え", "左揃え"});
    RadioGroupMathNoPos =
        formparts::radioGroup(dialog, "RadioGroupMathNoPos", "数式番号の位置", {"用紙の右端", "数式の左側"});
    RadioGroupKumiMode = formparts::radioGroup(dialog, "RadioGroupKumiMode", "組みモード", {"横", "縦"});
    RadioGroupBunken =
        formparts::radioGroup(dialog, "RadioGroupBunken", "文献の出力形式", {"クローズ(&C)", "オープン(&O)"});
    RadioGroupTest = formparts::radioGroup(dialog, "RadioGroupTest", "試し刷り", {"しない(&Y)", "する(&N)"});

    GroupBox1 = named(new QGroupBox(u("章を開始する頁"), dialog), "GroupBox1");
    auto* chapter = new QVBoxLayout(GroupBox1);
    rbOddPage = named(new QRadioButton(u("奇数ページ(&O)"), GroupBox1), "rbOddPage");
    rbBothPage = named(new QRadioButton(u("両ページ(&B)"), GroupBox1), "rbBothPage");
    rbBothPage->setChecked(true);
    chapter->addWidget(rbOddPage);
    chapter->addWidget(rbBothPage);

    auto* grid = new QGridLayout;
    QWidget* cells[] = {RadioGroupPaperSize.box, RadioGroupCharSize.box, RadioGroupDir.box,     RadioGroupColumn.box,
                        RadioGroupSide.box,      RadioGroupHyoudai.box,  RadioGroupMathPos.box, RadioGroupMathNoPos.box,
                        RadioGroupKumiMode.box,  RadioGroupBunken.box,   RadioGroupTest.box,    GroupBox1};
    for (int i = 0; i < 12; ++i) grid->addWidget(cells[i], i / 3, i % 3);
    layout->addLayout(grid);
    formparts::addButtons(dialog, layout);
}

void FormUsepackageUi::setupUi(QDialog* dialog, const QStringList& groups)
{
    dialog->setObjectName("FormUsepackage");
    dialog->setWindowTitle(u("パッケージ使用"));
    auto* layout = new QVBoxLayout(dialog);
    ListBox = named(new QListWidget(dialog), "ListBox");
    // Two columns of names, filled top to bottom, as a multi-column list box.
    ListBox->setFlow(QListView::TopToBottom);
    ListBox->setWrapping(true);
    ListBox->setResizeMode(QListView::Adjust);
    ListBox->setUniformItemSizes(true);
    ListBox->setGridSize(QSize(170, 20));
    ListBox->setMinimumSize(360, 160);
    layout->addWidget(ListBox);
    RadioGroup = formparts::radioGroup(dialog, "RadioGroup", u("パッケージの種類"), groups, 2);
    layout->addWidget(RadioGroup.box);
    auto* row = new QHBoxLayout;
    BitBtn4 = named(new QPushButton(u("ﾕｰｻﾞｰ定義"), dialog), "BitBtn4");
    BitBtn4->setAutoDefault(false);
    row->addWidget(BitBtn4);
    row->addStretch();
    layout->addLayout(row);
    formparts::addButtons(dialog, layout);
}

void FormUserPackageUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormUserPackage");
    dialog->setWindowTitle(u("ユーザー定義パッケージ"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(u("登録したいスタイルを記述して下さい(&S)："), dialog), "Label1");
    Memo1 = named(new QPlainTextEdit(dialog), "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Label1->setBuddy(Memo1);
    Label2 =
        named(new QLabel(u("name.sty という形式で入力して下さい。また、空行は入力しないで下さい。"), dialog), "Label2");
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    layout->addWidget(Label2);
    formparts::addButtons(dialog, layout);
}
