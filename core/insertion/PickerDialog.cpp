#include "core/insertion/PickerDialog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/insertion/GlyphPicture.h"
#include "core/insertion/Writable.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

constexpr int kRowsPerColumn = 5;
// The list or the group stands at 8, 8 of the client area.
constexpr int kMargin = 8;
constexpr int kButtonGap = 4;
// Radio buttons within their group: the first row's top, the rows' step,
// and the columns' step where the family gives no columns.
constexpr int kRadioTop = 24;
constexpr int kRadioStep = 24;
constexpr int kColumnStep = 68;
// Below a list whose family gives no size of its own: the buttons' room.
constexpr int kRoomForButtons = 58;

QSize boxSize(const picker::Family& family)
{
    if (family.boxWidth > 0 && family.boxHeight > 0) return {family.boxWidth, family.boxHeight};
    return {qMax(0, family.width - 2 * kMargin), qMax(0, family.height - kRoomForButtons)};
}

}  // namespace

namespace picker {

// As many rows as fit at the least height a picture and its caption need,
// as few columns as then hold every entry, the columns sharing the width: a
// list of the family's size shows all its entries without scrolling, with
// the widest cells it can give the captions.  Pictures a little smaller
// than the largest are taken when they let more captions show whole; where
// even one row or the columns are too tight, they are drawn smaller still.
ListGrid listGrid(QSize inner, const std::vector<int>& captionWidths, int picture, int lineHeight, int textMargin)
{
    constexpr int kTight = 4;   // least room around a picture and its caption
    constexpr int kRoomy = 10;  // what a cell gets when the list has room
    const int count = qMax(1, int(captionWidths.size()));
    auto cut = [&](int side) {
        int rows = qMax(1, inner.height() / (side + lineHeight + kTight));
        const int columns = (count + rows - 1) / rows;
        rows = (count + columns - 1) / columns;
        const int cellHeight = qMin(side + lineHeight + kRoomy, inner.height() / rows);
        const int cellWidth = inner.width() / columns;
        const int fitted = std::max(8, std::min({side, cellHeight - lineHeight - kTight, cellWidth - kTight}));
        return ListGrid{QSize(cellWidth, cellHeight), columns, fitted};
    };
    auto whole = [&](const ListGrid& g) {
        return int(std::count_if(captionWidths.begin(), captionWidths.end(),
                                 [&](int w) { return w + 2 * textMargin <= g.cell.width(); }));
    };
    ListGrid best = cut(picture);
    for (int side = picture - 2; side >= picture * 3 / 4; side -= 2) {
        const ListGrid g = cut(side);
        if (whole(g) > whole(best)) best = g;
    }
    return best;
}

}  // namespace picker

TPickerDialog::TPickerDialog(QWidget* owner, const picker::Family& family) : TDialogForm(owner), family_(family)
{
    setObjectName(family.dialogName);
    setWindowTitle(utf8(family.caption));
    HelpContext = family.helpContext;
    if (!family.closeButton) setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // The client area as the family gives it: the list or the group at 8, 8,
    // the buttons centred in the room below it.  A font too large for that
    // grows the dialog rather than cutting anything off.
    const QSize client(family.width, family.height);
    const QSize box = boxSize(family);
    const int rightOfBox = qMax(0, client.width() - kMargin - box.width());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, kMargin, 0, 0);
    column->setSpacing(0);
    auto* boxRow = new QHBoxLayout;
    boxRow->setContentsMargins(kMargin, 0, rightOfBox, 0);
    boxRow->addWidget(family.kind == picker::Kind::Radio ? buildRadio(box) : buildList(box));
    column->addLayout(boxRow, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonGap);
    buttons->addStretch();
    const char* const names[] = {"BitBtn1", "BitBtn2", "BitBtn3"};
    const QString texts[] = {"OK", utf8("キャンセル"), utf8("ヘルプ(&H)")};
    int buttonsWidth = 2 * kButtonGap, buttonHeight = 0;
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(texts[i], this);
        button->setObjectName(names[i]);
        buttons->addWidget(button);
        buttonsWidth += button->sizeHint().width();
        buttonHeight = qMax(buttonHeight, button->sizeHint().height());
    }
    buttons->setContentsMargins(kButtonGap, 0,
                                qMax(kButtonGap, qMin(rightOfBox, client.width() - kButtonGap - buttonsWidth)), 0);
    const int below = qMax(buttonHeight + 2 * kButtonGap, client.height() - kMargin - box.height());
    const int above = (below - buttonHeight) / 2;
    column->addSpacing(above);
    column->addLayout(buttons);
    column->addSpacing(below - buttonHeight - above);

    // The road places the dialog from its size, so the size is settled here,
    // once every entry is in.  Only the editable list's dialog can be resized.
    column->activate();
    const QSize size = client.expandedTo(column->minimumSize());
    if (family.editable)
        resize(size);
    else
        setFixedSize(size);
    WireButtons();
    FormCreate();
}

QWidget* TPickerDialog::buildList(QSize box)
{
    ListView = new QListWidget(this);
    ListView->setObjectName("ListView");
    ListView->setViewMode(QListView::IconMode);
    ListView->setMovement(QListView::Static);
    ListView->setResizeMode(QListView::Adjust);
    ListView->setWrapping(true);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setEditTriggers(family_.editable ? QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                                               : QAbstractItemView::NoEditTriggers);
    // A caption wider than its cell keeps both ends: "\longleftarrow" and
    // "\Longleftarrow" differ at the start, "\leftharpoonup" and
    // "\leftharpoondown" at the end.
    ListView->setTextElideMode(Qt::ElideMiddle);
    // Every entry fits in the list's own size, so it never scrolls; the
    // editable list's dialog may grow, never shrink below it.
    ListView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView->ensurePolished();
    if (family_.editable)
        ListView->setMinimumSize(box);
    else
        ListView->setFixedSize(box);
    const int frame = ListView->frameWidth();
    const QFontMetrics metrics(ListView->font());
    std::vector<int> widths;
    for (const picker::Row& row : family_.rows) widths.push_back(metrics.horizontalAdvance(utf8(row.caption)));
    // The style's margin on either side of a caption in its cell.
    const int textMargin = ListView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView) + 1;
    const picker::ListGrid grid =
        picker::listGrid(box - QSize(2 * frame, 2 * frame), widths, family_.pictureSize, metrics.height(), textMargin);
    ListView->setIconSize(QSize(grid.picture, grid.picture));
    ListView->setGridSize(grid.cell);
    for (const picker::Row& row : family_.rows) {
        auto* item = new QListWidgetItem(glyph::picture(utf8(row.picture), grid.picture), utf8(row.caption), ListView);
        if (family_.editable) item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    ListView->viewport()->installEventFilter(this);
    connect(ListView, &QListWidget::itemSelectionChanged, this, [this] { ListViewChange(); });
    return ListView;
}

QWidget* TPickerDialog::buildRadio(QSize box)
{
    GroupBox1 = new QGroupBox(utf8(family_.caption), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->ensurePolished();
    for (int i = 0; i < family_.count(); ++i) {
        const picker::Row& row = family_.rows[size_t(i)];
        auto* radio = new QRadioButton(utf8(row.button ? row.button : row.caption), GroupBox1);
        radio->setObjectName(QString("RadioButton%1").arg(i + 1));
        radio->installEventFilter(this);
        RadioButtons.append(radio);
    }
    // Columns of five, top to bottom and left to right, where the family
    // puts them; a caption wider than its column pushes the next one on.
    int rowHeight = 0;
    for (QRadioButton* radio : RadioButtons) rowHeight = qMax(rowHeight, radio->sizeHint().height());
    const int top = qMax(kRadioTop, GroupBox1->contentsMargins().top() + 2);
    const int step = qMax(kRadioStep, rowHeight);
    int right = 0, bottom = 0;
    for (int first = 0, c = 0; first < RadioButtons.size(); first += kRowsPerColumn, ++c) {
        const int given = c < int(family_.columns.size()) ? family_.columns[size_t(c)] : kMargin + c * kColumnStep;
        const int x = c == 0 ? given : qMax(given, right);
        for (int r = 0; r < kRowsPerColumn && first + r < RadioButtons.size(); ++r) {
            QRadioButton* radio = RadioButtons[first + r];
            const QSize hint = radio->sizeHint();
            radio->setGeometry(x, top + r * step, hint.width(), hint.height());
            right = qMax(right, x + hint.width());
            bottom = qMax(bottom, top + r * step + hint.height());
        }
    }
    const QMargins m = GroupBox1->contentsMargins();
    GroupBox1->setFixedSize(box.expandedTo(QSize(right + m.right() + kMargin, bottom + m.bottom() + kMargin)));
    if (family_.layoutChecked >= 0 && family_.layoutChecked < RadioButtons.size())
        RadioButtons[family_.layoutChecked]->setChecked(true);
    return GroupBox1;
}

bool TPickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        // A double-click anywhere in the list, or on a radio button, is OK.
        done(mrOk);
        return true;
    }
    if (ListView && watched == ListView->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A click beside every item clears the selection, so OK then finds
        // nothing chosen (the remembered entry stays where it was).
        const auto* press = static_cast<QMouseEvent*>(event);
        if (!ListView->indexAt(press->position().toPoint()).isValid()) {
            ListView->clearSelection();
            return true;
        }
    }
    return TDialogForm::eventFilter(watched, event);
}

void TPickerDialog::FormCreate()
{
    if (!ListView) return;
    SelectedIndex = 0;
    ListView->setCurrentRow(0);
}

void TPickerDialog::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

void TPickerDialog::FormShow()
{
    if (!ListView) return;
    ListView->setFocus();
    if (!family_.preload) return;
    const int index = picker::validIndex(family_, SelectedIndex);
    ListView->setCurrentRow(index);
    if (QListWidgetItem* item = ListView->item(index)) ListView->scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void TPickerDialog::ListViewChange()
{
    const QList<QListWidgetItem*> chosen = ListView->selectedItems();
    if (!chosen.isEmpty()) SelectedIndex = ListView->row(chosen.first());
}

void TPickerDialog::SetSelectedIndex(int index)
{
    if (index < 0 || index >= family_.count()) return;
    if (ListView) {
        SelectedIndex = index;
        if (isVisible()) FormShow();
        return;
    }
    RadioButtons[index]->setChecked(true);
}

int TPickerDialog::GetSelectedIndex() const
{
    if (ListView) return SelectedIndex;
    for (int i = 0; i < RadioButtons.size(); ++i)
        if (RadioButtons[i]->isChecked()) return i;
    return -1;
}

int TPickerDialog::chosenRow() const
{
    if (!ListView) return GetSelectedIndex();
    switch (family_.choice) {
        case picker::Choice::AtIndex: return picker::validIndex(family_, SelectedIndex);
        case picker::Choice::Focused:
            if (ListView->selectedItems().isEmpty()) return -1;
            return ListView->currentRow();
        case picker::Choice::Selected: break;
    }
    const QList<QListWidgetItem*> chosen = ListView->selectedItems();
    return chosen.isEmpty() ? -1 : ListView->row(chosen.first());
}

std::string TPickerDialog::GetCommand(QString* unwritable) const
{
    if (unwritable) unwritable->clear();
    const int row = chosenRow();
    if (row < 0 || row >= family_.count()) return {};
    if (!ListView) return picker::entryCommand(family_, row);
    // The caption as the list holds it: in an editable list, what the user typed.
    const QListWidgetItem* item = ListView->item(row);
    if (!item) return {};
    const QString characters = writable::unwritableCharacters(item->text());
    if (!characters.isEmpty()) {
        if (unwritable) *unwritable = characters;
        return {};
    }
    return cp932::encode(item->text());
}

bool TPickerDialog::ChosenNeedsLatexsym() const
{
    if (!ListView || family_.choice != picker::Choice::Selected) return false;
    const int row = chosenRow();
    return row >= 0 && row < family_.count() && family_.rows[size_t(row)].latexsym;
}
