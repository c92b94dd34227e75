#pragma once
// A pop-up family: a menu of entries indexed by their Tag (0, 1, 2, ... in
// menu order), optionally headed by an item that repeats the last choice.
// The family's own code says only what an entry inserts; the menu, the tags,
// the remembered index and the repeat item are kept here.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QWidget;
class Session;

// The Tag of a menu item, kept as the "Tag" property.
int tagOf(const QObject* item);
void setTag(QObject* item, int tag);

class PickerFamily : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString popupName;       // PopupMenuDanraku
        QString repeatItemName;  // PMDanrakuPrev; empty for a family without one
        QStringList itemNames;   // component names of the entry items; may be empty
        QStringList captions;    // one per entry, in Tag order
        QList<QIcon> images;     // one per entry, or empty
        // Whether the repeat item shows the entry's image too.
        bool repeatShowsImage = true;
        // Side of the images in the menu; 0 keeps the style's small icon size.
        int imageSize = 0;
    };
    // lastUsed is the family's remembered index, or nullptr for a family
    // that remembers nothing.  pick inserts entry Tag.
    PickerFamily(Session& form, Options options, int* lastUsed, std::function<void(int tag)> pick);

    QMenu* Popup() const { return popup_; }
    QAction* RepeatItem() const { return repeat_; }
    QAction* EntryItem(int tag) const;
    int Count() const { return int(entries_.size()); }

    // The click handler: inserts the entry of the Tag and remembers it.
    void Click(int tag);
    // The about-to-show handler: the repeat item takes the caption, Tag and
    // image of the remembered entry.
    void AboutToShow();

private:
    QMenu* popup_ = nullptr;
    QAction* repeat_ = nullptr;
    QList<QAction*> entries_;
    Options options_;
    int* lastUsed_;
    std::function<void(int)> pick_;
};

// Where a tool button's drop-down menu opens: under the button's lower-left
// corner, in screen coordinates.
QPoint dropDownPoint(const QToolBar& bar, const QAction& button);
// Opens the menu there.  Does nothing when the button is not on the bar.
void dropDown(QMenu& menu, const QToolBar& bar, const QAction& button);

// A drop-down tool button: the face runs onFace, the arrow opens menu (a
// button without a menu is a plain one).  Registered under name like every
// tool button.
QAction* addDropDownButton(Session& form, QToolBar* bar, const QString& name, const QString& hint, const QString& face,
                           std::function<void()> onFace, QMenu* menu);
