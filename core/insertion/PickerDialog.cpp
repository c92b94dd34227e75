#include "core/insertion/PickerDialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/insertion/GlyphPicture.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

constexpr int kRowsPerColumn = 5;

}  // namespace

TPickerDialog::TPickerDialog(QWidget* owner, const picker::Family& family) : TDialogForm(owner), family_(family)
{
    setObjectName(family.dialogName);
    setWindowTitle(utf8(family.caption));
    HelpContext = family.helpContext;
    if (!family.closeButton) setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* column = new QVBoxLayout(this);
    if (family.kind == picker::Kind::Radio)
        buildRadio(column);
    else
        buildList(column);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const char* const names[] = {"BitBtn1", "BitBtn2", "BitBtn3"};
    const QString texts[] = {"OK", utf8("キャンセル"), utf8("ヘルプ(&H)")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(texts[i], this);
        button->setObjectName(names[i]);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    // The road places the dialog from its size, so the size is settled here,
    // once every entry is in.
    if (!family.editable) column->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumSize(family.width, family.height);
    WireButtons();
    FormCreate();
}

void TPickerDialog::buildList(QVBoxLayout* column)
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
    const int size = family_.pictureSize;
    ListView->setIconSize(QSize(size, size));
    // Every caption is shown whole: the grid is as wide as the widest one.
    const QFontMetrics metrics(ListView->font());
    int widest = size;
    for (const picker::Row& row : family_.rows) widest = qMax(widest, metrics.horizontalAdvance(utf8(row.caption)));
    ListView->setGridSize(QSize(widest + 16, size + metrics.height() + 14));
    for (const picker::Row& row : family_.rows) {
        auto* item = new QListWidgetItem(glyph::picture(utf8(row.picture), size), utf8(row.caption), ListView);
        if (family_.editable) item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (family_.width > 0) ListView->setMinimumSize(family_.width - 16, family_.height - 58);
    ListView->viewport()->installEventFilter(this);
    connect(ListView, &QListWidget::itemSelectionChanged, this, [this] { ListViewChange(); });
    column->addWidget(ListView);
}

void TPickerDialog::buildRadio(QVBoxLayout* column)
{
    GroupBox1 = new QGroupBox(utf8(family_.caption), this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(16);
    for (int i = 0; i < family_.count(); ++i) {
        const picker::Row& row = family_.rows[size_t(i)];
        auto* radio = new QRadioButton(utf8(row.button ? row.button : row.caption), GroupBox1);
        radio->setObjectName(QString("RadioButton%1").arg(i + 1));
        radio->installEventFilter(this);
        grid->addWidget(radio, i % kRowsPerColumn, i / kRowsPerColumn);
        RadioButtons.append(radio);
    }
    if (family_.layoutChecked >= 0 && family_.layoutChecked < RadioButtons.size())
        RadioButtons[family_.layoutChecked]->setChecked(true);
    column->addWidget(GroupBox1);
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

std::string TPickerDialog::GetCommand(bool* lossy) const
{
    if (lossy) *lossy = false;
    const int row = chosenRow();
    if (row < 0 || row >= family_.count()) return {};
    if (!ListView) return picker::entryCommand(family_, row);
    // The caption as the list holds it: in an editable list, what the user typed.
    const QListWidgetItem* item = ListView->item(row);
    return item ? cp932::encode(item->text(), lossy) : std::string();
}

bool TPickerDialog::ChosenNeedsLatexsym() const
{
    if (!ListView || family_.choice != picker::Choice::Selected) return false;
    const int row = chosenRow();
    return row >= 0 && row < family_.count() && family_.rows[size_t(row)].latexsym;
}
