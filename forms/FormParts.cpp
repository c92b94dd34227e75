#include "forms/FormParts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>

#include "platform/Ask.h"

int RadioGroup::ItemIndex() const { return buttons ? buttons->checkedId() : -1; }

void RadioGroup::SetItemIndex(int index)
{
    if (!buttons) return;
    if (QAbstractButton* b = buttons->button(index)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = buttons->checkedButton()) {
        // An exclusive group cannot uncheck its last button by itself.
        buttons->setExclusive(false);
        checked->setChecked(false);
        buttons->setExclusive(true);
    }
}

QString RadioGroup::ItemText(int index) const
{
    QAbstractButton* b = buttons ? buttons->button(index) : nullptr;
    return b ? b->text() : QString();
}

int RadioGroup::Count() const { return buttons ? int(buttons->buttons().size()) : 0; }

QRadioButton* RadioGroup::Button(int index) const
{
    return buttons ? qobject_cast<QRadioButton*>(buttons->button(index)) : nullptr;
}

void RadioGroup::SetItems(const QStringList& items)
{
    if (!box || !buttons) return;
    for (QAbstractButton* b : buttons->buttons()) {
        buttons->removeButton(b);
        delete b;
    }
    auto* grid = static_cast<QGridLayout*>(box->layout());
    const int count = int(items.size());
    const int perColumn = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(items[i], box);
        buttons->addButton(radio, i);
        if (acrossRows)
            grid->addWidget(radio, i / columns, i % columns);
        else
            grid->addWidget(radio, i % perColumn, i / perColumn);
    }
}

namespace formparts {

namespace {

class EnterPressesOk : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto* ok = parent()->findChild<QPushButton*>(kRoadButtons.ok)) ok->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void enterPressesOk(QWidget* memo, QDialog* dialog) { memo->installEventFilter(new EnterPressesOk(dialog)); }

RadioGroup radioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items, int columns,
                      int checked, Fill fill)
{
    RadioGroup group;
    group.box = named(new QGroupBox(title, parent), name);
    group.buttons = new QButtonGroup(group.box);
    group.columns = columns < 1 ? 1 : columns;
    group.acrossRows = fill == Fill::AcrossRows;
    new QGridLayout(group.box);
    group.SetItems(items);
    group.SetItemIndex(checked);
    return group;
}

ButtonRow buttonRow(QWidget* dialog, const ButtonNames& names, int flags)
{
    ButtonRow row;
    const bool vertical = flags & Vertical;
    row.layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    if (!vertical) row.layout->addStretch();
    row.ok = named(new QPushButton("OK", dialog), names.ok);
    row.ok->setDefault(flags & OkIsDefault);
    row.cancel = named(new QPushButton(u("キャンセル"), dialog), names.cancel);
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    if (names.help) {
        row.help = named(new QPushButton(u("ヘルプ(&H)"), dialog), names.help);
        row.layout->addWidget(row.help);
    }
    if (vertical) row.layout->addStretch();
    if (auto* d = qobject_cast<QDialog*>(dialog); d && (flags & ClosesDialog)) {
        ask::onClick(row.ok, d, [d] { d->accept(); });
        ask::onClick(row.cancel, d, [d] { d->reject(); });
    }
    return row;
}

}  // namespace formparts
