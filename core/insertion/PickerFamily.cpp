#include "core/insertion/PickerFamily.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

#include "core/session/Session.h"

namespace {

// Menus draw their images at the style's small icon size; a symbol's picture
// needs more room than that to stay legible.
class MenuImageStyle : public QProxyStyle {
public:
    explicit MenuImageStyle(int size) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), size_(size)
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_SmallIconSize) return size_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int size_;
};

}  // namespace

int tagOf(const QObject* item) { return item ? item->property("Tag").toInt() : 0; }

void setTag(QObject* item, int tag)
{
    if (item) item->setProperty("Tag", tag);
}

PickerFamily::PickerFamily(Session& form, Options options, int* lastUsed, std::function<void(int tag)> pick)
    : QObject(form.mainWindow), options_(std::move(options)), lastUsed_(lastUsed), pick_(std::move(pick))
{
    popup_ = new QMenu(form.mainWindow);
    popup_->setObjectName(options_.popupName);
    if (options_.imageSize > 0) {
        auto* style = new MenuImageStyle(options_.imageSize);
        style->setParent(popup_);
        popup_->setStyle(style);
    }
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
    connect(popup_, &QMenu::aboutToShow, this, [this, &form] { form.Guard([this] { AboutToShow(); }); });
}

QAction* PickerFamily::EntryItem(int tag) const { return tag >= 0 && tag < entries_.size() ? entries_[tag] : nullptr; }

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

QAction* addDropDownButton(Session& form, QToolBar* bar, const QString& name, const QString& hint, const QString& face,
                           std::function<void()> onFace, QMenu* menu)
{
    if (!bar) return nullptr;
    QAction* button = form.AddToolButton(bar, name, hint, face, std::move(onFace));
    if (menu) {
        button->setMenu(menu);
        if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(button)))
            tool->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return button;
}
