#include "core/insertion/PickerFamily.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QVariant>

#include "app/Form1.h"

int tagOf(const QObject* item)
{
    return item ? item->property("Tag").toInt() : 0;
}

void setTag(QObject* item, int tag)
{
    if (item) item->setProperty("Tag", tag);
}

PickerFamily::PickerFamily(TForm1& form, Options options, int* lastUsed, std::function<void(int tag)> pick)
    : QObject(&form), options_(std::move(options)), lastUsed_(lastUsed), pick_(std::move(pick))
{
    popup_ = new QMenu(&form);
    popup_->setObjectName(options_.popupName);
    auto bind = [this, &form](QAction* item) {
        connect(item, &QAction::triggered, this, [this, &form, item] { form.Guard([&] { Click(tagOf(item)); }); });
    };
    if (lastUsed_ && !options_.repeatItemName.isEmpty()) {
        repeat_ = popup_->addAction(QString());
        repeat_->setObjectName(options_.repeatItemName);
        setTag(repeat_, 0);
        bind(repeat_);
        popup_->addSeparator();
    }
    for (int tag = 0; tag < options_.captions.size(); ++tag) {
        QAction* item = popup_->addAction(options_.captions[tag]);
        if (tag < options_.itemNames.size()) item->setObjectName(options_.itemNames[tag]);
        if (tag < options_.images.size()) item->setIcon(options_.images[tag]);
        setTag(item, tag);
        bind(item);
        entries_.append(item);
    }
    connect(popup_, &QMenu::aboutToShow, this, [this] { AboutToShow(); });
}

QAction* PickerFamily::EntryItem(int tag) const
{
    return tag >= 0 && tag < entries_.size() ? entries_[tag] : nullptr;
}

void PickerFamily::Click(int tag)
{
    if (tag < 0 || tag >= Count()) return;
    if (pick_) pick_(tag);
    if (lastUsed_) *lastUsed_ = tag;
}

void PickerFamily::AboutToShow()
{
    if (!repeat_ || !lastUsed_) return;
    // The remembered index only ever comes from this family, but a stale
    // value must not index past the table.
    const int last = (*lastUsed_ >= 0 && *lastUsed_ < Count()) ? *lastUsed_ : 0;
    repeat_->setText(options_.captions.value(last));
    setTag(repeat_, last);
    if (options_.repeatShowsImage && last < options_.images.size()) repeat_->setIcon(options_.images[last]);
}

QPoint dropDownPoint(const QToolBar& bar, const QAction& button)
{
    QWidget* widget = bar.widgetForAction(const_cast<QAction*>(&button));
    if (!widget) return bar.mapToGlobal(QPoint(0, bar.height()));
    const QRect g = widget->geometry();
    return bar.mapToGlobal(QPoint(g.left(), g.top() + g.height()));
}

void dropDown(QMenu& menu, const QToolBar& bar, const QAction& button)
{
    if (!bar.widgetForAction(const_cast<QAction*>(&button))) return;
    menu.popup(dropDownPoint(bar, button));
}
