#include "forms/SearchToolForms.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Ask.h"

namespace {
using formparts::named;

QLabel* wrappedLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

QSpinBox* spin(QWidget* parent, const char* name, int min, int max)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(min, max);
    return box;
}

QWidget* page(QTabWidget* tabs, const char* title, QVBoxLayout*& layout)
{
    auto* w = new QWidget(tabs);
    layout = new QVBoxLayout(w);
    tabs->addTab(w, QString::fromUtf8(title));
    return w;
}
}  // namespace

void FormSearchUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormSearch");
    dialog->setWindowTitle(QString::fromUtf8("検索"));
    auto* grid = new QGridLayout(dialog);
    LabelFind = named(new QLabel(QString::fromUtf8("検索する文字列(&N):"), dialog), "LabelFind");
    EditFind = named(new QLineEdit(dialog), "EditFind");
    LabelFind->setBuddy(EditFind);
    cbWholeWord = named(new QCheckBox(QString::fromUtf8("単語単位で探す(&W)"), dialog), "cbWholeWord");
    cbMatchCase = named(new QCheckBox(QString::fromUtf8("大文字と小文字を区別する(&C)"), dialog), "cbMatchCase");
    GroupDirection = named(new QGroupBox(QString::fromUtf8("検索する方向"), dialog), "GroupBox1");
    auto* dir = new QHBoxLayout(GroupDirection);
    rbUp = named(new QRadioButton(QString::fromUtf8("上へ(&U)"), GroupDirection), "rbUp");
    rbDown = named(new QRadioButton(QString::fromUtf8("下へ(&D)"), GroupDirection), "rbDown");
    rbDown->setChecked(true);
    dir->addWidget(rbUp);
    dir->addWidget(rbDown);
    BtnFind = named(new QPushButton(QString::fromUtf8("次を検索(&F)"), dialog), "BtnFind");
    BtnFind->setDefault(true);
    BtnCancel = named(new QPushButton(QString::fromUtf8("キャンセル"), dialog), "BtnCancel");
    BtnHelp = named(new QPushButton(QString::fromUtf8("ヘルプ(&H)"), dialog), "BtnHelp");
    grid->addWidget(LabelFind, 0, 0);
    grid->addWidget(EditFind, 0, 1, 1, 2);
    grid->addWidget(cbWholeWord, 1, 0, 1, 2);
    grid->addWidget(cbMatchCase, 2, 0, 1, 2);
    grid->addWidget(GroupDirection, 1, 2, 2, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(BtnFind);
    side->addWidget(BtnCancel);
    side->addWidget(BtnHelp);
    side->addStretch();
    grid->addLayout(side, 0, 3, 3, 1);
}

void FormReplaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormReplace");
    dialog->setWindowTitle(QString::fromUtf8("置換"));
    auto* grid = new QGridLayout(dialog);
    LabelFind = named(new QLabel(QString::fromUtf8("検索する文字列(&N):"), dialog), "LabelFind");
    EditFind = named(new QLineEdit(dialog), "EditFind");
    LabelFind->setBuddy(EditFind);
    LabelReplace = named(new QLabel(QString::fromUtf8("置換後の文字列(&P):"), dialog), "LabelReplace");
    EditReplace = named(new QLineEdit(dialog), "EditReplace");
    LabelReplace->setBuddy(EditReplace);
    cbWholeWord = named(new QCheckBox(QString::fromUtf8("単語単位で探す(&W)"), dialog), "cbWholeWord");
    cbMatchCase = named(new QCheckBox(QString::fromUtf8("大文字と小文字を区別する(&C)"), dialog), "cbMatchCase");
    BtnFind = named(new QPushButton(QString::fromUtf8("次を検索(&F)"), dialog), "BtnFind");
    BtnFind->setDefault(true);
    BtnReplace = named(new QPushButton(QString::fromUtf8("置換して次に(&R)"), dialog), "BtnReplace");
    BtnReplaceAll = named(new QPushButton(QString::fromUtf8("全て置換(&A)"), dialog), "BtnReplaceAll");
    BtnCancel = named(new QPushButton(QString::fromUtf8("キャンセル"), dialog), "BtnCancel");
    BtnHelp = named(new QPushButton(QString::fromUtf8("ヘルプ(&H)"), dialog), "BtnHelp");
    grid->addWidget(LabelFind, 0, 0);
    grid->addWidget(EditFind, 0, 1);
    grid->addWidget(LabelReplace, 1, 0);
    grid->addWidget(EditReplace, 1, 1);
    grid->addWidget(cbWholeWord, 2, 0, 1, 2);
    grid->addWidget(cbMatchCase, 3, 0, 1, 2);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {BtnFind, BtnReplace, BtnReplaceAll, BtnCancel, BtnHelp}) side->addWidget(b);
    side->addStretch();
    grid->addLayout(side, 0, 2, 4, 1);
}

void DialogButtons::setupUi(QDialog* dialog, QLayout* into)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    OkButton = named(new QPushButton("OK", dialog), "OkButton");
    OkButton->setDefault(true);
    CancelButton = named(new QPushButton(QString::fromUtf8("キャンセル"), dialog), "CancelButton");
    HelpButton = named(new QPushButton(QString::fromUtf8("ヘルプ(&H)"), dialog), "HelpButton");
    row->addWidget(OkButton);
    row->addWidget(CancelButton);
    row->addWidget(HelpButton);
    if (auto* box = qobject_cast<QBoxLayout*>(into)) box->addLayout(row);
    ask::onClick(OkButton, dialog, [dialog] { dialog->accept(); });
    ask::onClick(CancelButton, dialog, [dialog] { dialog->reject(); });
}

void FormZenSpaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormZenSpace");
    dialog->setWindowTitle(QString::fromUtf8("全角空白置換"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(wrappedLabel("　文書中の全角空白文字全部を、以下の設定に従って置換します。", dialog), "Label1");
    rgKind = formparts::radioGroup(
        dialog, "rgKind", QString::fromUtf8("置換方法"),
        {QString::fromUtf8("全角空白 → 半角空白１個に置換(&H)"), QString::fromUtf8("全角空白 → 半角空白２個に置換(&T)"),
         QString::fromUtf8("全角空白 → TeX命令全角空白(\\qquad)(&Q)"), QString::fromUtf8("全角空白削除(&D)")});
    layout->addWidget(Label1);
    layout->addWidget(rgKind.box);
    buttons.setupUi(dialog, layout);
}

void FormTabChangeUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormTabChange");
    dialog->setWindowTitle(QString::fromUtf8("タブ→空白変換"));
    auto* layout = new QVBoxLayout(dialog);
    GroupBox1 = named(new QGroupBox(QString::fromUtf8("タブ→半角空白変換"), dialog), "GroupBox1");
    auto* row = new QHBoxLayout(GroupBox1);
    UpDown1 = spin(GroupBox1, "UpDown1", 1, 24);
    UpDown1->setValue(4);
    row->addWidget(new QLabel(QString::fromUtf8("タブを"), GroupBox1));
    row->addWidget(UpDown1);
    row->addWidget(new QLabel(QString::fromUtf8("文字の半角空白に変換します。"), GroupBox1));
    layout->addWidget(GroupBox1);
    buttons.setupUi(dialog, layout);
}

void FormDelLineSpaceUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormDelLineSpace");
    dialog->setWindowTitle(QString::fromUtf8("行末の半角空白を削除する"));
    auto* layout = new QVBoxLayout(dialog);
    Label1 = named(wrappedLabel("各行の行末に不必要に挿入されている半角空白を削除します。"
                                "削除の方法を以下から選んでください。",
                                dialog),
                   "Label1");
    RadioGroup1 = formparts::radioGroup(dialog, "RadioGroup1", QString::fromUtf8("削除方法"),
                                        {QString::fromUtf8("文書全ての行末の空白を削除する(&A)"),
                                         QString::fromUtf8("カーソルのある行の行末の空白を削除する(&C)"),
                                         QString::fromUtf8("選択されている範囲の行の行末の空白を削除する(&S)")});
    layout->addWidget(Label1);
    layout->addWidget(RadioGroup1.box);
    buttons.setupUi(dialog, layout);
}

void FormEditUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormEdit");
    dialog->setWindowTitle(QString::fromUtf8("編集設定"));
    dialog->setMinimumWidth(660);
    auto* layout = new QVBoxLayout(dialog);
    PageControl1 = named(new QTabWidget(dialog), "PageControl1");

    QVBoxLayout* p = nullptr;

    page(PageControl1, "Auto Indent", p);
    auto* indent = new QGroupBox(QString::fromUtf8("自動インデント"), PageControl1);
    auto* indentLayout = new QVBoxLayout(indent);
    for (const char* text : {"　Enterキーを押した時、前の行の先頭に、スペースやタブがある場合に、次の行の先頭にも同じ"
                             "スペースやタブを自動的に挿入するかしないかを設定します。",
                             "　スペースやタブで、字下げを行っている時、「自動インデントする」をチェックしておくと便"
                             "利です。",
                             "　文頭にある、半角スペースとタブを対象としています。全角文字は対象外です。"})
        indentLayout->addWidget(wrappedLabel(text, indent));
    cbAutoIndent = named(new QCheckBox(QString::fromUtf8("自動インデントをする(&I)"), indent), "cbAutoIndent");
    indentLayout->addWidget(cbAutoIndent);
    p->addWidget(indent);

    QWidget* w = page(PageControl1, "Backup", p);
    p->addWidget(
        wrappedLabel("　ファイルを開いて、変更後、上書き保存をした時に、前のファイルの拡張子を'BAK'に変更して、"
                     "バックアップファイルを作成するか、作成しないかを指定します。",
                     w));
    RadioGroupBackup = formparts::radioGroup(
        w, "RadioGroupBackup", QString::fromUtf8("上書き保存でバックアップするか"),
        {QString::fromUtf8("バックアップファイルを作成する(&Y)"), QString::fromUtf8("バックアップしない(&N)")});
    p->addWidget(RadioGroupBackup.box);

    w = page(PageControl1, "Tab間隔設定", p);
    p->addWidget(
        wrappedLabel("　Tabコードの表示間隔をピクセル単位で指定します。ここでの設定は表示のみに影響し、テキスト"
                     "自体には影響しません。",
                     w));
    auto* tabRow = new QHBoxLayout;
    auto* tabLabel = new QLabel(QString::fromUtf8("タブ間隔(&T):"), w);
    UpDownTab = spin(w, "UpDownTab", 0, 9999);
    tabLabel->setBuddy(UpDownTab);
    tabRow->addWidget(tabLabel);
    tabRow->addWidget(UpDownTab);
    tabRow->addWidget(new QLabel("pixels", w));
    tabRow->addStretch();
    p->addLayout(tabRow);

    w = page(PageControl1, "Tab / Space", p);
    p->addWidget(
        wrappedLabel("　Tabキーが押されたとき、文書中にTabコードを挿入するか、それとも半角スペースを指定個挿入"
                     "するかを指定します。",
                     w));
    p->addWidget(
        wrappedLabel("　半角スペースの時のTab間隔の文字数は、右下で指定します。Tabコードの時のTab間隔は、「Tab間"
                     "隔設定」で指定します。",
                     w));
    auto* tabSpaceRow = new QHBoxLayout;
    rgTabSpace = formparts::radioGroup(
        w, "rgTabSpace", "Tab or Space",
        {QString::fromUtf8("Tabコードを挿入する(&I)"), QString::fromUtf8("半角スペースを挿入する(&S)")});
    auto* blanks = new QGroupBox(QString::fromUtf8("Tab間隔（半角スペース）"), w);
    auto* blanksRow = new QHBoxLayout(blanks);
    UpDownTabSpace = spin(blanks, "UpDownTabSpace", 0, 9999);
    blanksRow->addWidget(UpDownTabSpace);
    blanksRow->addWidget(new QLabel(QString::fromUtf8("文字"), blanks));
    tabSpaceRow->addWidget(rgTabSpace.box);
    tabSpaceRow->addWidget(blanks);
    p->addLayout(tabSpaceRow);

    w = page(PageControl1, "カラー構文サイズ・オフ", p);
    p->addWidget(
        wrappedLabel("　ファイルを開くとき、ファイルサイズが以下のサイズを超えている時には、カラー構文の解析に時"
                     "間がかかるため、自動的にカラー構文をオフにします。",
                     w));
    p->addWidget(wrappedLabel("　開くファイルのサイズに関係無く、自動的にオフにしないようにすることもできます。", w));
    cbColSize = named(new QComboBox(w), "cbColSize");
    for (const char* item :
         {"32KB", "64KB", "96KB", "128KB", "192KB", "256KB", "384KB", "512KB", "768KB", "1024KB", "2048KB", "常にオン"})
        cbColSize->addItem(QString::fromUtf8(item));
    p->addWidget(cbColSize);

    w = page(PageControl1, "カラー構文拡張子オン／オフ", p);
    p->addWidget(
        wrappedLabel("　開くファイルの拡張子が、tex, sty, bibのときに、自動的にカラー構文をオンにするかどうかを指"
                     "定します。",
                     w));
    rgAutoOn =
        formparts::radioGroup(w, "rgAutoOn", "Auto on",
                              {QString::fromUtf8("自動でオンにする(&O)"), QString::fromUtf8("自動でオンにしない(&P)")});
    p->addWidget(rgAutoOn.box);
    p->addWidget(
        wrappedLabel("　開くファイルの拡張子が、tex, sty, bibではないときに、自動的にカラー構文をオフにするかど"
                     "うかを指定します。",
                     w));
    rgAutoOff =
        formparts::radioGroup(w, "rgAutoOff", "Auto off",
                              {QString::fromUtf8("自動でオフにする(&F)"), QString::fromUtf8("自動でオフにしない(&N)")});
    p->addWidget(rgAutoOff.box);

    // All six page tabs in view whatever the font and the screen: the pages
    // are at least as wide as their tabs.
    PageControl1->ensurePolished();
    PageControl1->setMinimumWidth(PageControl1->tabBar()->sizeHint().width() + 8);
    layout->addWidget(PageControl1);
    buttons.setupUi(dialog, layout);
}
