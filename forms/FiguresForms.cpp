#include "forms/FiguresForms.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "forms/FormParts.h"

namespace {

using formparts::addButtons;
using formparts::named;
using formparts::u;

QSpinBox* millimetres(QWidget* parent, const char* name)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(1, 999);
    box->setWrapping(false);
    return box;
}

QLabel* wrapped(QWidget* parent, const char* text)
{
    auto* label = new QLabel(u(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

void FormZuinsertUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormZuinsert");
    dialog->setWindowTitle(u("図挿入"));
    auto* layout = new QVBoxLayout(dialog);
    auto* columns = new QHBoxLayout;

    auto* left = new QVBoxLayout;
    left->addWidget(makePlacementGroup(dialog, "図の配置場所", "CheckBox", place));
    RGZuIchi =
        formparts::radioGroup(dialog, "RGZuIchi", "配置場所中の図の位置",
                              {"指定しない(&N)", "左(&L)", "中央(&C)", "右(&R)"}, 2, 0, formparts::Fill::AcrossRows);
    left->addWidget(RGZuIchi.box);

    auto* right = new QVBoxLayout;
    // The two size buttons sit outside any group box so that they form one
    // exclusive pair of their own, apart from the package buttons.
    auto* sizeChoice = new QButtonGroup(dialog);
    RBSizeOff = named(new QRadioButton(u("サイズを指定しない"), dialog), "RBSizeOff");
    RBSizeOn = named(new QRadioButton(u("サイズを指定する"), dialog), "RBSizeOn");
    sizeChoice->addButton(RBSizeOff);
    sizeChoice->addButton(RBSizeOn);
    RBSizeOff->setChecked(true);
    right->addWidget(RBSizeOff);
    right->addWidget(RBSizeOn);

    auto* size = named(new QGroupBox(u("図のサイズ"), dialog), "GroupBoxSize");
    auto* sizeLayout = new QVBoxLayout(size);
    auto* grid = new QGridLayout;
    LabelWidth = new QLabel(u("幅："), size);
    LabelHeight = new QLabel(u("高さ："), size);
    UpDownWidth = millimetres(size, "UpDownWidth");
    UpDownHeight = millimetres(size, "UpDownHeight");
    LabelWidth->setBuddy(UpDownWidth);
    LabelHeight->setBuddy(UpDownHeight);
    grid->addWidget(LabelWidth, 0, 0);
    grid->addWidget(UpDownWidth, 0, 1);
    grid->addWidget(new QLabel("mm", size), 0, 2);
    grid->addWidget(LabelHeight, 1, 0);
    grid->addWidget(UpDownHeight, 1, 1);
    grid->addWidget(new QLabel("mm", size), 1, 2);
    sizeLayout->addLayout(grid);
    auto* package = named(new QGroupBox(u("使用するgraphicパッケージ"), size), "GroupBoxPackage");
    auto* packageRow = new QHBoxLayout(package);
    rbGraphics = named(new QRadioButton(u("graphics(&S)"), package), "rbGraphics");
    rbGraphicx = named(new QRadioButton(u("graphicx(&X)"), package), "rbGraphicx");
    rbGraphics->setChecked(true);
    packageRow->addWidget(rbGraphics);
    packageRow->addWidget(rbGraphicx);
    sizeLayout->addWidget(package);
    cbAspect = named(new QCheckBox(u("アスペクトレシオ（縦横比）を一定に保つ(&A)"), size), "cbAspect");
    sizeLayout->addWidget(cbAspect);
    right->addWidget(size);

    auto* label = named(new QGroupBox(u("\\Label"), dialog), "GroupBoxLabel");
    auto* labelRow = new QHBoxLayout(label);
    cbLabel = named(new QCheckBox(u("ファイル名のラベル(\\label{})を貼り付ける"), label), "cbLabel");
    labelRow->addWidget(cbLabel);
    right->addWidget(label);

    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    addButtons(dialog, layout);
}

void FormInputIncludeUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormInputInclude");
    dialog->setWindowTitle(u("\\input or \\include ?"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(
        wrapped(dialog, "指定のファイルを \\input で読み込みますか？それとも \\include で読み込みますか？"));
    layout->addWidget(wrapped(dialog, "\\include で読み込むと、読み込んだ原稿は、新しいページから開始されます。"));
    rgInputInclude = formparts::radioGroup(dialog, "rgInputInclude", "\\input or \\include?",
                                           {"\\input(&I)", "\\include(&C)"}, 2, 0, formparts::Fill::AcrossRows);
    layout->addWidget(rgInputInclude.box);
    addButtons(dialog, layout);
}
