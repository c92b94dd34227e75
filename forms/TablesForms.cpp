#include "forms/TablesForms.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "forms/FormParts.h"

namespace {

using formparts::addButtons;
using formparts::named;
using formparts::u;

// A number field with its up-down control; typed text is taken too.
QSpinBox* upDown(QWidget* parent, const char* name, int min, int max)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(min, max);
    box->setWrapping(false);
    return box;
}

QCheckBox* check(QWidget* parent, const char* name, const char* text)
{
    return named(new QCheckBox(u(text), parent), name);
}

QGroupBox* ruleGroup(QDialog* dialog, const char* vName, const char* hName, QCheckBox*& v, QCheckBox*& h)
{
    auto* box = named(new QGroupBox(u("罫線"), dialog), "GroupBoxRules");
    auto* layout = new QVBoxLayout(box);
    v = check(box, vName, "縦罫線(&K)");
    h = check(box, hName, "横罫線(&Y)");
    layout->addWidget(v);
    layout->addWidget(h);
    return box;
}

}  // namespace

QGroupBox* makePlacementGroup(QDialog* dialog, const char* title, const char* prefix, PlacementBoxes& boxes)
{
    auto* box = named(new QGroupBox(u(title), dialog), "GroupBoxPlace");
    auto* layout = new QVBoxLayout(box);
    const QString p = QString::fromLatin1(prefix);
    auto make = [&](const char* name, const char* text) {
        auto* c = new QCheckBox(u(text), box);
        c->setObjectName(p + QString::fromLatin1(name));
        layout->addWidget(c);
        return c;
    };
    boxes.Here = make("Here", "Here その場所(&H)");
    boxes.Top = make("Top", "Top ページの上端(&T)");
    boxes.Bottom = make("Bottom", "Bottom ページの下端(&B)");
    boxes.Page = make("Page", "Page 独立したページ(&P)");
    return box;
}

void FormTableUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormTable");
    dialog->setWindowTitle(u("作表"));
    auto* layout = new QVBoxLayout(dialog);
    auto* top = new QHBoxLayout;

    auto* size = named(new QGroupBox(u("行列数"), dialog), "GroupBoxSize");
    auto* grid = new QGridLayout(size);
    UpDownGyou = upDown(size, "UpDownGyou", 1, 100);
    UpDownRetu = upDown(size, "UpDownRetu", 1, 100);
    auto* rowsLabel = new QLabel(u("行(&G)："), size);
    auto* colsLabel = new QLabel(u("列(U)："), size);
    rowsLabel->setBuddy(UpDownGyou);
    colsLabel->setBuddy(UpDownRetu);
    grid->addWidget(rowsLabel, 0, 0);
    grid->addWidget(UpDownGyou, 0, 1);
    grid->addWidget(colsLabel, 1, 0);
    grid->addWidget(UpDownRetu, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(size);
    left->addWidget(ruleGroup(dialog, "CheckBoxTate", "CheckBoxYoko", CheckBoxTate, CheckBoxYoko));
    RadioGroupHaiti = formparts::radioGroup(dialog, "RadioGroupHaiti", "文字の配置位置",
                                            {"左揃え(&L)", "中央揃え(&C)", "右揃え(&R)"});
    auto* right = new QVBoxLayout;
    right->addWidget(RadioGroupHaiti.box);
    right->addWidget(makePlacementGroup(dialog, "表の配置場所", "CheckBox", place));
    top->addLayout(left);
    top->addLayout(right);
    layout->addLayout(top);
    addButtons(dialog, layout);
}

void FormClineUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormCline");
    dialog->setWindowTitle(u("横部分罫線"));
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    auto* layout = new QVBoxLayout(dialog);
    auto* range = named(new QGroupBox(u("横罫線を部分的に引く範囲"), dialog), "GroupBox1");
    auto* row = new QHBoxLayout(range);
    UpDown1 = upDown(range, "UpDown1", 1, 100);
    UpDown2 = upDown(range, "UpDown2", 1, 100);
    row->addWidget(UpDown1);
    row->addWidget(new QLabel(u("列から"), range));
    row->addWidget(UpDown2);
    row->addWidget(new QLabel(u("列の間に横の罫線を引く"), range));
    layout->addWidget(range);
    addButtons(dialog, layout);
}

void FormCellUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormCell");
    dialog->setWindowTitle(u("セル結合"));
    auto* layout = new QVBoxLayout(dialog);
    auto* count = named(new QGroupBox(u("結合するセルの数"), dialog), "GroupBox1");
    auto* countRow = new QHBoxLayout(count);
    UpDown1 = upDown(count, "UpDown1", 1, 100);
    countRow->addWidget(UpDown1);
    countRow->addStretch();
    rgHaiti = formparts::radioGroup(dialog, "rgHaiti", "文字列の配置位置", {"左(&L)", "中央(&C)", "右(&R)"}, 3, 0,
                                    formparts::Fill::AcrossRows);
    rgLeftLine = formparts::radioGroup(dialog, "rgLeftLine", "左に縦罫線を", {"引く", "引かない"});
    rgRightLine = formparts::radioGroup(dialog, "rgRightLine", "右に縦罫線を", {"引く", "引かない"});
    auto* lines = new QHBoxLayout;
    lines->addWidget(rgLeftLine.box);
    lines->addWidget(rgRightLine.box);
    auto* heading = named(new QGroupBox(u("見出しの文字列"), dialog), "GroupBox2");
    auto* headingRow = new QHBoxLayout(heading);
    EditMidasi = named(new QLineEdit(heading), "EditMidasi");
    headingRow->addWidget(EditMidasi);
    layout->addWidget(count);
    layout->addWidget(rgHaiti.box);
    layout->addLayout(lines);
    layout->addWidget(heading);
    addButtons(dialog, layout);
}

void FormTableChangeUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormTableChange");
    dialog->setWindowTitle(u("表変換"));
    auto* layout = new QVBoxLayout(dialog);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(makePlacementGroup(dialog, "表の配置位置", "cb", place));
    rgHaiti = formparts::radioGroup(dialog, "rgHaiti", "文字の配置位置", {"左揃え(&L)", "中央揃え(&C)", "右揃え(&R)"});
    left->addWidget(rgHaiti.box);
    auto* right = new QVBoxLayout;
    right->addWidget(ruleGroup(dialog, "cbTate", "cbYoko", cbTate, cbYoko));
    rgKugiri = formparts::radioGroup(dialog, "rgKugiri", "区切り文字", {"タブ(&U)", "カンマ(&C)", "スペース(&S)"});
    right->addWidget(rgKugiri.box);
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    addButtons(dialog, layout);
}
