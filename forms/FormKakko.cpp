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
#include "forms/FormParts.h"
#include "math/Brackets.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

QPointer<TFormKakko> FormKakko;

namespace {

// The picture of a list item: the delimiter on a white 24 by 24 cell; "no
// delimiter" is the painter's empty frame.
QIcon picture(int index)
{
    static const char* const glyphs[brackets::kDelimiterCount] = {
        "(",      ")",      "[",      "]", "{",  "}", "\u230A", "\u230B", "\u2308",
        "\u2309", "\u27E8", "\u27E9", "/", "\\", "|", "\u2016", ""};
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

    RadioGroupSize = formparts::radioGroup(
        this, "RadioGroupSize", "大きさ",
        {"自動（開き括弧）", "自動（閉じ括弧）", "標準", "大きい", "より大きい", "さらに大きい", "すごく大きい"}, 3);
    RadioGroupSizeKind = formparts::radioGroup(this, "RadioGroupSizeKind", "大きさの種類",
                                               {"開き括弧（前に空白を空ける）", "閉じ括弧（後ろに空白を空ける）",
                                                "関係子（前後に空白を空ける）", "数式記号（前後に空白を空けない）"});

    const formparts::ButtonRow buttons = formparts::buttonRow(this, formparts::kRoadButtons, formparts::OkIsDefault);
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;
    BitBtn3 = buttons.help;
    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addWidget(ListViewKind);
    main->addWidget(RadioGroupSize.box);
    main->addWidget(RadioGroupSizeKind.box);
    main->addLayout(buttons.layout);
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
