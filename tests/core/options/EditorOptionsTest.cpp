#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "core/options/EditorOptions.h"
#include "tests/app/AppFixture.h"

namespace {

TEST(EditorOptionsTest, SizeListMapsStoredKilobytes) {
    const struct {
        int stored, item, written;
    } rows[] = {
        {-1, 11, -1}, {-5, 0, 32}, {0, 0, 32},      {32, 0, 32},     {33, 1, 64},    {100, 3, 128},
        {128, 3, 128}, {129, 4, 192}, {769, 9, 1024}, {2048, 10, 2048}, {2049, -1, -1},
    };
    for (const auto& r : rows) {
        const int item = editoptions::colSizeItemFor(r.stored);
        EXPECT_EQ(item, r.item) << r.stored;
        EXPECT_EQ(editoptions::colSizeOfItem(item), r.written) << r.stored;
    }
}

class EditorOptionsCommandTest : public apptest::AppTest {};

TEST_F(EditorOptionsCommandTest, DialogShowsTheStoreAndWritesItBack) {
    TForm1& f = start();
    writeInt("", "ColMaxSize", 100);
    writeInt("", "Backup", 1);
    writeInt("", "Tab", 30);
    f.TabSpace = 0;
    f.TabSpaceNo = 6;
    f.RichEdit->SetText("x");
    f.RichEdit->SetModified(false);
    script().onDialog([](QDialog& d) {
        auto& form = dynamic_cast<TFormEdit&>(d);
        EXPECT_EQ(form.ui.cbColSize->currentText(), "128KB");
        EXPECT_EQ(form.ui.RadioGroupBackup.ItemIndex(), 1);
        EXPECT_EQ(form.ui.UpDownTab->value(), 30);
        EXPECT_EQ(form.ui.rgTabSpace.ItemIndex(), 0);
        EXPECT_EQ(form.ui.UpDownTabSpace->value(), 6);
        form.ui.rgTabSpace.SetItemIndex(1);
        form.ui.UpDownTabSpace->setValue(2);
        form.ui.rgAutoOff.SetItemIndex(1);
        form.ui.UpDownTab->setValue(0);
        return mrOk;
    });
    f.MenuOptionEditClick();
    EXPECT_EQ(readInt("", "ColMaxSize"), 128);
    EXPECT_EQ(readInt("", "Backup"), 1);
    EXPECT_EQ(readInt("", "Tab"), 0);
    EXPECT_EQ(readInt("", "TabSpace"), 1);
    EXPECT_EQ(readInt("", "TabSpaceNo"), 2);
    EXPECT_EQ(readInt("", "ColAutoOff"), 0);
    EXPECT_EQ(readInt("", "ColAutoOn"), 1);
    EXPECT_EQ(f.TabSpace, 1);
    EXPECT_EQ(f.TabSpaceNo, 2);
    EXPECT_EQ(f.RichEdit->tabStopDistance(), 0);
    EXPECT_FALSE(f.RichEdit->Modified());
    EXPECT_FALSE(f.Busy);
}

TEST_F(EditorOptionsCommandTest, AlwaysOnRoundTripsAndCancelWritesNothing) {
    TForm1& f = start();
    writeInt("", "ColMaxSize", -1);
    script().onDialog([](QDialog& d) {
        EXPECT_EQ(dynamic_cast<TFormEdit&>(d).GetColMaxSize(), -1);
        return mrOk;
    });
    f.MenuOptionEditClick();
    EXPECT_EQ(readInt("", "ColMaxSize"), -1);

    writeInt("", "Tab", 40);
    const qreal before = f.RichEdit->tabStopDistance();
    script().onDialog([](QDialog& d) {
        auto& form = dynamic_cast<TFormEdit&>(d);
        form.ui.UpDownTab->setValue(12);
        form.ui.cbColSize->setCurrentIndex(0);
        return mrCancel;
    });
    f.MenuOptionEditClick();
    EXPECT_EQ(readInt("", "Tab"), 40);
    EXPECT_EQ(readInt("", "ColMaxSize"), -1);
    EXPECT_EQ(f.RichEdit->tabStopDistance(), before);
}

}  // namespace
