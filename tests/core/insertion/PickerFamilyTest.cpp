#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPixmap>

#include "app/Form1.h"
#include "core/insertion/PickerFamily.h"

namespace {

QIcon swatch(Qt::GlobalColor colour)
{
    QPixmap p(8, 8);
    p.fill(colour);
    return QIcon(p);
}

struct FamilyFixture : ::testing::Test {
    FamilyFixture()
    {
        PickerFamily::Options o;
        o.popupName = "PopupMenuTest";
        o.repeatItemName = "PMTestPrev";
        o.itemNames = {"PMTest0", "PMTest1", "PMTest2"};
        o.captions = {"\\par(&P)", "\\\\(&Y)", "\\newpage(&N)"};
        o.images = {swatch(Qt::red), swatch(Qt::green), swatch(Qt::blue)};
        family = new PickerFamily(form, o, &last, [this](int tag) { picked.push_back(tag); });
    }
    TForm1 form;
    int last = 0;
    std::vector<int> picked;
    PickerFamily* family = nullptr;
};

}  // namespace

TEST_F(FamilyFixture, RepeatItemBeforeAndAfterAChoice)
{
    const auto actions = family->Popup()->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[0], family->RepeatItem());
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(tagOf(actions[4]), 2);

    // Before any choice the repeat item stands for entry 0.
    emit family->Popup()->aboutToShow();
    EXPECT_EQ(family->RepeatItem()->text(), "\\par(&P)");
    EXPECT_EQ(tagOf(family->RepeatItem()), 0);
    EXPECT_EQ(family->RepeatItem()->icon().pixmap(8, 8).toImage().pixel(1, 1), QColor(Qt::red).rgb());
    family->RepeatItem()->trigger();
    EXPECT_EQ(picked, std::vector<int>{0});

    family->EntryItem(2)->trigger();
    EXPECT_EQ(last, 2);
    emit family->Popup()->aboutToShow();
    EXPECT_EQ(family->RepeatItem()->text(), "\\newpage(&N)");
    EXPECT_EQ(tagOf(family->RepeatItem()), 2);
    EXPECT_EQ(family->RepeatItem()->icon().pixmap(8, 8).toImage().pixel(1, 1), QColor(Qt::blue).rgb());
    family->RepeatItem()->trigger();
    EXPECT_EQ(picked, (std::vector<int>{0, 2, 2}));

    // A choice made elsewhere (the family's dialog) shows up on the next opening.
    last = 1;
    emit family->Popup()->aboutToShow();
    EXPECT_EQ(tagOf(family->RepeatItem()), 1);
    // A stale index never reaches past the table.
    last = 17;
    emit family->Popup()->aboutToShow();
    EXPECT_EQ(tagOf(family->RepeatItem()), 0);
    family->Click(9);
    EXPECT_EQ(picked.size(), 3u);
}
