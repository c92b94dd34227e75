#include "math/BracketDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>

#include "core/insertion/GlyphPicture.h"
#include "math/Brackets.h"
#include "platform/Ask.h"
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
    setupUi(this);
    HelpContext = brackets::kHelpContext;
    for (int i = 0; i < brackets::kDelimiterCount; ++i)
        new QListWidgetItem(picture(i), cp932::decode(brackets::delimiterCaption(i)), ListViewKind);
    WireButtons();

    FormCreate();
    // Connected after the first selection so creating the form changes nothing.
    connect(ListViewKind, &QListWidget::itemSelectionChanged, this, [this] { ListViewKindChange(); });
    ask::onSignal(RadioGroupSize.buttons, &QButtonGroup::idClicked, this, [this] { RadioGroupSizeClick(); });
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
