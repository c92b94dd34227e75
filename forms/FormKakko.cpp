#include "forms/FormKakko.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/insertion/GlyphPicture.h"
#include "math/Brackets.h"
#include "platform/Cp932.h"

QPointer<TFormKakko> FormKakko;

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

RadioGroup makeGroup(QWidget* parent, const char* name, const char* title, const QStringList& items, int columns)
{
    RadioGroup group;
    group.box = new QGroupBox(utf8(title), parent);
    group.box->setObjectName(name);
    group.buttons = new QButtonGroup(group.box);
    auto* grid = new QGridLayout(group.box);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group.box);
        group.buttons->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    group.SetItemIndex(0);
    return group;
}

// The picture of a list item: the delimiter on a white 24 by 24 cell; "no
// delimiter" is the painter's empty frame.
QIcon picture(int index)
{
    static const char* const glyphs[brackets::kDelimiterCount] = {
        "(", ")", "[", "]", "{", "}", "\u230A", "\u230B", "\u2308", "\u2309", "\u27E8", "\u27E9", "/", "\\", "|",
        "\u2016", ""};
    return glyph::picture(utf8(glyphs[index]), 24);
}

}  // namespace

TFormKakko::TFormKakko(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormKakko");
    setWindowTitle(utf8("括弧"));
    HelpContext = brackets::kHelpContext;

    Label1 = new QLabel(utf8("括弧の種類："), this);
    ListViewKind = new QListWidget(this);
    ListViewKind->setObjectName("ListViewKind");
    ListViewKind->setViewMode(QListView::IconMode);
    ListViewKind->setIconSize(QSize(24, 24));
    ListViewKind->setMovement(QListView::Static);
    ListViewKind->setResizeMode(QListView::Adjust);
    ListViewKind->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewKind->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewKind->setGridSize(QSize(72, 48));
    ListViewKind->setMinimumSize(420, 160);
    for (int i = 0; i < brackets::kDelimiterCount; ++i)
        new QListWidgetItem(picture(i), cp932::decode(brackets::delimiterCaption(i)), ListViewKind);

    RadioGroupSize = makeGroup(this, "RadioGroupSize", "大きさ",
                               {utf8("自動（開き括弧）"), utf8("自動（閉じ括弧）"), utf8("標準"), utf8("大きい"),
                                utf8("より大きい"), utf8("さらに大きい"), utf8("すごく大きい")},
                               3);
    RadioGroupSizeKind = makeGroup(this, "RadioGroupSizeKind", "大きさの種類",
                                   {utf8("開き括弧（前に空白を空ける）"), utf8("閉じ括弧（後ろに空白を空ける）"),
                                    utf8("関係子（前後に空白を空ける）"), utf8("数式記号（前後に空白を空けない）")},
                                   1);

    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(utf8("キャンセル"), this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn3 = new QPushButton(utf8("ヘルプ(&H)"), this);
    BitBtn3->setObjectName("BitBtn3");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addWidget(ListViewKind);
    main->addWidget(RadioGroupSize.box);
    main->addWidget(RadioGroupSizeKind.box);
    main->addLayout(buttons);
    WireButtons();

    FormCreate();
    // Connected after the first selection so creating the form changes nothing.
    connect(ListViewKind, &QListWidget::itemSelectionChanged, this, [this] { ListViewKindChange(); });
    connect(RadioGroupSize.buttons, &QButtonGroup::idClicked, this, [this](int) { RadioGroupSizeClick(); });
}

std::string TFormKakko::MakeBracketText() const
{
    return brackets::bracketText(SelectedIndex, RadioGroupSize.ItemIndex(), RadioGroupSizeKind.ItemIndex());
}

void TFormKakko::UpdateSizeKind()
{
    if (RadioGroupSize.ItemIndex() < brackets::kFirstFixedSize) {
        RadioGroupSizeKind.box->setEnabled(false);
        return;
    }
    RadioGroupSizeKind.box->setEnabled(true);
    RadioGroupSizeKind.SetItemIndex(brackets::kindFor(SelectedIndex, RadioGroupSizeKind.ItemIndex()));
}

void TFormKakko::FormCreate()
{
    SelectedIndex = 0;
    ListViewKind->setCurrentRow(0);
    UpdateSizeKind();
}

void TFormKakko::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

void TFormKakko::FormShow()
{
    ListViewKind->setFocus();
    ListViewKind->setCurrentRow(SelectedIndex);
    if (QListWidgetItem* item = ListViewKind->item(SelectedIndex)) ListViewKind->scrollToItem(item);
}

void TFormKakko::ListViewKindChange()
{
    const QList<QListWidgetItem*> chosen = ListViewKind->selectedItems();
    if (chosen.isEmpty()) return;
    SelectedIndex = ListViewKind->row(chosen.first());
    const int size = brackets::autoSizeFor(SelectedIndex);
    if (size == RadioGroupSize.ItemIndex()) return;
    RadioGroupSize.SetItemIndex(size);
    RadioGroupSizeClick();
}

void TFormKakko::RadioGroupSizeClick() { UpdateSizeKind(); }
