#include "forms/ColorStructForms.h"
#include "forms/FormParts.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFrame* panel(QWidget* parent, const char* name)
{
    auto* p = named(new QFrame(parent), name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setMinimumSize(48, 22);
    p->setAutoFillBackground(true);
    return p;
}

QLabel* textPanel(QWidget* parent, const char* name, const QString& text)
{
    auto* p = named(new QLabel(text, parent), name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumSize(64, 22);
    p->setAutoFillBackground(true);
    return p;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    return named(new QPushButton(text, parent), name);
}

QGroupBox* group(QWidget* parent, const QString& caption, std::initializer_list<QWidget*> widgets)
{
    auto* g = new QGroupBox(caption, parent);
    auto* row = new QHBoxLayout(g);
    for (QWidget* w : widgets) {
        w->setParent(g);
        row->addWidget(w);
    }
    return g;
}

}  // namespace

void FormColorStructUi::setupUi(QDialog* d)
{
    d->setWindowTitle(QStringLiteral("カラー構文設定"));
    auto* column = new QVBoxLayout(d);
    auto* top = new QHBoxLayout;

    auto* commands = new QGroupBox(QStringLiteral("TeX命令の色"), d);
    auto* cmdLayout = new QGridLayout(commands);
    Label1 = named(new QLabel(QStringLiteral("カラー構文用命令(&C):"), commands), "Label1");
    ListBox1 = named(new QListWidget(commands), "ListBox1");
    Label1->setBuddy(ListBox1);
    CPanel = panel(commands, "CPanel");
    BtnChange = button(commands, "BtnChange", QStringLiteral("設定変更"));
    BtnAdd = button(commands, "BtnAdd", QStringLiteral("命令追加"));
    BtnDelete = button(commands, "BtnDelete", QStringLiteral("命令削除"));
    cmdLayout->addWidget(Label1, 0, 0);
    cmdLayout->addWidget(ListBox1, 1, 0, 5, 1);
    cmdLayout->addWidget(new QLabel(QStringLiteral("設定されている色："), commands), 1, 1);
    cmdLayout->addWidget(CPanel, 2, 1);
    cmdLayout->addWidget(BtnChange, 3, 1);
    cmdLayout->addWidget(BtnAdd, 4, 1);
    cmdLayout->addWidget(BtnDelete, 5, 1);
    top->addWidget(commands, 1);

    auto* classes = new QVBoxLayout;
    PanelFontColor = panel(d, "PanelFontColor");
    BtnFontColor = button(d, "BtnFontColor", QStringLiteral("色変更(&C)"));
    classes->addWidget(group(d, QStringLiteral("基本文字色"), {PanelFontColor, BtnFontColor}));
    PanelBackColor = panel(d, "PanelBackColor");
    BtnBackColor = button(d, "BtnBackColor", QStringLiteral("色変更(&B)"));
    classes->addWidget(group(d, QStringLiteral("背景色"), {PanelBackColor, BtnBackColor}));
    cbDollerItalic = named(new QCheckBox(QStringLiteral("イタリック体"), d), "cbDollerItalic");
    PanelDollerColor = textPanel(d, "PanelDollerColor", QStringLiteral("＄ Color"));
    BtnDoller = button(d, "BtnDoller", QStringLiteral("色変更(&D)"));
    classes->addWidget(group(d, QStringLiteral("＄の色"), {cbDollerItalic, PanelDollerColor, BtnDoller}));
    cbAndItalic = named(new QCheckBox(QStringLiteral("イタリック体"), d), "cbAndItalic");
    PanelAndColor = textPanel(d, "PanelAndColor", QStringLiteral("＆ Color"));
    BtnAnd = button(d, "BtnAnd", QStringLiteral("色変更(&A)"));
    classes->addWidget(group(d, QStringLiteral("＆の色"), {cbAndItalic, PanelAndColor, BtnAnd}));
    PanelGenTeXColor = panel(d, "PanelGenTeXColor");
    BitBtn1 = button(d, "BitBtn1", QStringLiteral("色変更(&R)"));
    classes->addWidget(group(d, QStringLiteral("一般TeX命令の色"), {PanelGenTeXColor, BitBtn1}));
    cbRemItalic = named(new QCheckBox(QStringLiteral("イタリック体"), d), "cbRemItalic");
    PanelRemColor = textPanel(d, "PanelRemColor", QStringLiteral("％ Color"));
    BtnRemCChange = button(d, "BtnRemCChange", QStringLiteral("色変更(&R)"));
    classes->addWidget(group(d, QStringLiteral("注釈(％)の色"), {cbRemItalic, PanelRemColor, BtnRemCChange}));
    cbZen = named(new QCheckBox(QStringLiteral("全角空白に下線を引く"), d), "cbZen");
    PanelZenColor = panel(d, "PanelZenColor");
    BtnZenkaku = button(d, "BtnZenkaku", QStringLiteral("色変更(&Z)"));
    classes->addWidget(group(d, QStringLiteral("全角空白"), {cbZen, PanelZenColor, BtnZenkaku}));
    BtnImport = button(d, "BtnImport", QStringLiteral("&Load"));
    BtnExport = button(d, "BtnExport", QStringLiteral("&Save"));
    classes->addWidget(group(d, QStringLiteral("設定読み込み・保存"), {BtnImport, BtnExport}));
    top->addLayout(classes);
    column->addLayout(top);

    column->addLayout(formparts::buttonRow(d, formparts::kPlainButtons, formparts::OkIsDefault)
                          .keep(OkButton, CancelButton, HelpButton));
}

void FormColorSetUi::setupUi(QDialog* d)
{
    d->setWindowTitle(QStringLiteral("カラー構文命令指定"));
    auto* column = new QVBoxLayout(d);
    LabelCom = named(new QLabel(QStringLiteral("カラー構文用命令(&C):"), d), "LabelCom");
    Edit1 = named(new QLineEdit(d), "Edit1");
    LabelCom->setBuddy(Edit1);
    column->addWidget(LabelCom);
    column->addWidget(Edit1);
    cbAst = named(new QCheckBox(QStringLiteral("命令の最後に＊が付くことあり(&A)"), d), "cbAst");
    cbBold = named(new QCheckBox(QStringLiteral("太字にする(&B)"), d), "cbBold");
    cbItalic = named(new QCheckBox(QStringLiteral("イタリック体にする(&I)"), d), "cbItalic");
    column->addWidget(cbAst);
    column->addWidget(cbBold);
    column->addWidget(cbItalic);
    auto* colour = new QHBoxLayout;
    CPanel2 = panel(d, "CPanel2");
    BtnColChange = button(d, "BtnColChange", QStringLiteral("色変更(&H)"));
    colour->addWidget(CPanel2, 1);
    colour->addWidget(BtnColChange);
    column->addLayout(colour);
    column->addLayout(formparts::buttonRow(d, formparts::kPlainButtonsWithoutHelp, formparts::OkIsDefault)
                          .keep(OkButton, CancelButton));
}
