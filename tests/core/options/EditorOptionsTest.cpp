#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <map>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "core/options/EditorOptions.h"
#include "forms/SearchToolForms.h"
#include "tests/app/AppFixture.h"

namespace {

TEST(EditorOptionsTest, SizeListMapsStoredKilobytes)
{
    const struct {
        int stored, item, written;
    } rows[] = {
        {-1, 11, -1},  {-5, 0, 32},   {0, 0, 32},     {32, 0, 32},      {33, 1, 64},    {100, 3, 128},
        {128, 3, 128}, {129, 4, 192}, {769, 9, 1024}, {2048, 10, 2048}, {2049, -1, -1},
    };
    for (const auto& r : rows) {
        const int item = editoptions::colSizeItemFor(r.stored);
        EXPECT_EQ(item, r.item) << r.stored;
        EXPECT_EQ(editoptions::colSizeOfItem(item), r.written) << r.stored;
    }
}

class EditorOptionsCommandTest : public apptest::AppTest {};

TEST_F(EditorOptionsCommandTest, DialogShowsTheStoreAndWritesItBack)
{
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

TEST_F(EditorOptionsCommandTest, AlwaysOnRoundTripsAndCancelWritesNothing)
{
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

// Each page explains its settings; every tab is in view, none behind arrows.
TEST_F(EditorOptionsCommandTest, PagesCarryTheirExplanations)
{
    TForm1& f = start();
    const std::map<QString, QStringList> expected = {
        {"Auto Indent",
         {"　Enterキーを押した時、前の行の先頭に、スペースやタブがある場合に、次の行の先頭にも同じスペースやタブを"
          "自動的に挿入するかしないかを設定します。",
          "　スペースやタブで、字下げを行っている時、「自動インデントする」をチェックしておくと便利です。",
          "　文頭にある、半角スペースとタブを対象としています。全角文字は対象外です。"}},
        {"Backup",
         {"　ファイルを開いて、変更後、上書き保存をした時に、前のファイルの拡張子を'BAK'"
          "に変更して、バックアップファイル"
          "を作成するか、作成しないかを指定します。"}},
        {"Tab間隔設定",
         {"　Tabコードの表示間隔をピクセル単位で指定します。ここでの設定は表示のみに影響し、テキスト自体には影響しませ"
          "ん。",
          "タブ間隔(&T):", "pixels"}},
        {"Tab / Space",
         {"　Tabキーが押されたとき、文書中にTabコードを挿入するか、それとも半角スペースを指定個挿入するかを指定します"
          "。",
          "　半角スペースの時のTab間隔の文字数は、右下で指定します。Tabコードの時のTab間隔は、「Tab間隔設定」で指定"
          "します。",
          "文字"}},
        {"カラー構文サイズ・オフ",
         {"　ファイルを開くとき、ファイルサイズが以下のサイズを超えている時には、カラー構文の解析に時間がかかるため、"
          "自動的にカラー構文をオフにします。",
          "　開くファイルのサイズに関係無く、自動的にオフにしないようにすることもできます。"}},
        {"カラー構文拡張子オン／オフ",
         {"　開くファイルの拡張子が、tex, sty, bibのときに、自動的にカラー構文をオンにするかどうかを指定します。",
          "　開くファイルの拡張子が、tex, sty, "
          "bibではないときに、自動的にカラー構文をオフにするかどうかを指定します。"}},
    };
    script().onDialog([&](QDialog& d) -> int {
        auto& form = dynamic_cast<TFormEdit&>(d);
        QTabWidget* pages = form.ui.PageControl1;
        EXPECT_EQ(pages->count(), 6);
        for (int i = 0; i < pages->count(); ++i) {
            QStringList shown;
            for (QLabel* label : pages->widget(i)->findChildren<QLabel*>()) shown << label->text();
            EXPECT_EQ(shown, expected.at(pages->tabText(i))) << pages->tabText(i).toStdString();
        }
        EXPECT_GE(pages->tabBar()->width(), pages->tabBar()->sizeHint().width());
        return mrCancel;
    });
    f.MenuOptionEditClick();
}

}  // namespace
