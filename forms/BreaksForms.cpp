#include "forms/BreaksForms.h"
#include "forms/FormParts.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using formparts::addButtons;
using formparts::named;
using formparts::u;

QPlainTextEdit* memo(QDialog* dialog)
{
    auto* m = named(new QPlainTextEdit(dialog), "Memo1");
    formparts::enterPressesOk(m, dialog);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setTabChangesFocus(true);
    return m;
}

}  // namespace

void FormDanrakuUi::setupUi(QDialog* dialog, const QStringList& captions)
{
    dialog->setObjectName("FormDanraku");
    dialog->setWindowTitle(u("段落・改行・改ページ"));
    auto* layout = new QVBoxLayout(dialog);
    RadioGroup1 = formparts::radioGroup(dialog, "RadioGroup1", u("段落・改行・改ページ"), captions);
    layout->addWidget(RadioGroup1.box);
    addButtons(dialog, layout);
}

void FormMeijiSpaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormMeijiSpace");
    dialog->setWindowTitle(u("明示的な空白"));
    auto* layout = new QVBoxLayout(dialog);
    rgSpaceKind = formparts::radioGroup(dialog, "rgSpaceKind", "空白の種類",
                                        {"垂直方向に間隔を空ける（ページを超えた部分は空けない）(&V)",
                                         "垂直方向に間隔を空ける（ページを超えた部分も空ける）(&W)",
                                         "水平方向に間隔を空ける（次の行を超えた部分は空けない）(&H)",
                                         "水平方向に間隔を空ける（次の行を超えた部分も空ける）(&I)"});
    layout->addWidget(rgSpaceKind.box);
    auto* gap = named(new QGroupBox(u("間隔"), dialog), "GroupBox1");
    auto* row = new QHBoxLayout(gap);
    Label1 = named(new QLabel(u("空ける間隔(&S)："), gap), "Label1");
    UpDown = named(new QSpinBox(gap), "UpDown");
    UpDown->setRange(1, 10000);
    UpDown->setValue(10);
    UpDown->setWrapping(false);
    Label1->setBuddy(UpDown);
    LabelUnit = named(new QLabel("mm", gap), "Label2");
    row->addWidget(Label1);
    row->addWidget(UpDown);
    row->addWidget(LabelUnit);
    row->addStretch();
    layout->addWidget(gap);
    addButtons(dialog, layout);
}

void FormSpaceFillUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSpaceFill");
    dialog->setWindowTitle(u("可変長空白"));
    auto* layout = new QVBoxLayout(dialog);
    rgSpaceKind = formparts::radioGroup(dialog, "rgSpaceKind", "可変長空白の種類",
                                        {"縦に空白を空ける(&T)", "横に空白を空ける(&Y)"});
    rgMusi = formparts::radioGroup(dialog, "rgMusi", "命令が無視される場合",
                                   {"無視される場合なし(&N)", "無視される場合あり(&A)"});
    layout->addWidget(rgSpaceKind.box);
    layout->addWidget(rgMusi.box);
    addButtons(dialog, layout);
}

void FormDanrakuSpaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormDanrakuSpace");
    dialog->setWindowTitle(u("段落間の空白"));
    auto* layout = new QVBoxLayout(dialog);
    rgDanrakuSpace =
        formparts::radioGroup(dialog, "rgDanrakuSpace", "空白の幅",
                              {"小（２～４ポイント） : \\smallskip(&S)", "中（４～８ポイント） : \\medskip(&M)",
                               "大（８～１６ポイント） : \\bigskip(&B)"});
    layout->addWidget(rgDanrakuSpace.box);
    addButtons(dialog, layout);
}

void FormFootnoteUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormFootnote");
    dialog->setWindowTitle(u("脚注挿入"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(u("脚注内容(&F):"), dialog), "Label1");
    Memo1 = memo(dialog);
    Label1->setBuddy(Memo1);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    addButtons(dialog, layout);
}

void FormMarginparUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormMarginpar");
    dialog->setWindowTitle(u("傍注挿入"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(new QLabel(u("傍注の内容(&M):"), dialog), "Label1");
    Memo1 = memo(dialog);
    Label1->setBuddy(Memo1);
    rgSize = formparts::radioGroup(dialog, "rgSize", "傍注の文字サイズ",
                                   {"本文と同じサイズ(&H)", "脚注と同じサイズ(&F)"}, 2, 0, formparts::Fill::AcrossRows);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    layout->addWidget(rgSize.box);
    addButtons(dialog, layout);
}
