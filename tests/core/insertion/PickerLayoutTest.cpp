// Every picker dialog opens at its family's client size with every entry in
// view: nothing to scroll, nothing outside its list or group.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "core/insertion/PickerDialog.h"
#include "insert/TextSymbolPickers.h"
#include "math/SymbolPickers.h"

namespace {

const picker::Family* const kFamilies[] = {
    &mathpickers::kSmallGreek,  &mathpickers::kVariantGreek,   &mathpickers::kLargeGreek, &mathpickers::kMathFunction,
    &mathpickers::kMathSymbol,  &mathpickers::kBinaryOperator, &mathpickers::kRelation,   &mathpickers::kLargeOperator,
    &mathpickers::kSmallAccent, &mathpickers::kBigAccent,      &mathpickers::kDots,       &mathpickers::kArrow,
    &textpickers::kAccent,      &textpickers::kSpecialChar,
};

void expectEveryEntryInView(TPickerDialog& d, const picker::Family& family)
{
    const QSize box(family.boxWidth, family.boxHeight);
    if (QListWidget* list = d.ListView) {
        if (!box.isEmpty()) {
            EXPECT_EQ(list->geometry(), QRect(QPoint(8, 8), box));
        }
        EXPECT_EQ(list->verticalScrollBar()->maximum(), 0) << "the list scrolls";
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << "the list scrolls sideways";
        ASSERT_EQ(list->count(), family.count());
        for (int i = 0; i < list->count(); ++i) {
            const QRect r = list->visualItemRect(list->item(i));
            EXPECT_TRUE(list->viewport()->rect().contains(r)) << "entry " << i << " out of view";
            EXPECT_GE(r.height(), list->iconSize().height() + list->fontMetrics().height()) << "entry " << i;
        }
        return;
    }
    QGroupBox* group = d.GroupBox1;
    ASSERT_NE(group, nullptr);
    if (!box.isEmpty()) {
        EXPECT_EQ(group->geometry(), QRect(QPoint(8, 8), box));
    }
    ASSERT_EQ(d.RadioButtons.size(), family.count());
    for (int i = 0; i < d.RadioButtons.size(); ++i) {
        const QRect r = d.RadioButtons[i]->geometry();
        EXPECT_TRUE(group->contentsRect().contains(r)) << "button " << i + 1 << " out of its group";
        EXPECT_GE(r.width(), d.RadioButtons[i]->sizeHint().width()) << "button " << i + 1 << " cut";
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(r.intersects(d.RadioButtons[j]->geometry())) << "buttons " << j + 1 << " and " << i + 1;
    }
}

}  // namespace

TEST(PickerLayout, EveryDialogAtItsClientSizeWithEveryEntryInView)
{
    for (const picker::Family* family : kFamilies) {
        SCOPED_TRACE(family->dialogName);
        TPickerDialog d(nullptr, *family);
        d.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(d.size(), QSize(family->width, family->height));
        for (auto* button : d.findChildren<QPushButton*>())
            EXPECT_TRUE(d.rect().contains(button->geometry())) << button->objectName().toStdString();
        expectEveryEntryInView(d, *family);
    }
}

TEST(PickerLayout, GridFillsTheListAndShrinksPicturesOnlyWhereNeeded)
{
    struct Case {
        const char* what;
        QSize inner;
        int count;
        int width;  // of every caption
        int columns;
        int picture;
    };
    const Case cases[] = {
        {"one row of four", {247, 55}, 4, 40, 4, 32},
        {"rows first, columns for the rest", {319, 287}, 14, 60, 3, 32},
        {"a smaller picture where it shows the captions whole", {447, 335}, 38, 62, 6, 28},
        {"a list lower than a picture and its caption", {200, 30}, 3, 20, 3, 12},
        {"more entries than columns can hold at full size", {100, 50}, 10, 10, 10, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const picker::ListGrid g = picker::listGrid(c.inner, std::vector<int>(size_t(c.count), c.width), 32, 14, 3);
        EXPECT_EQ(g.columns, c.columns);
        EXPECT_EQ(g.picture, c.picture);
        const int rows = (c.count + g.columns - 1) / g.columns;
        EXPECT_LE(g.columns * g.cell.width(), c.inner.width());
        EXPECT_LE(rows * g.cell.height(), c.inner.height());
    }
}
