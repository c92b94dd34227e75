#include <QCheckBox>
#include <QTabWidget>

#include "platform/Registry.h"
#include "tests/app/AppFixture.h"
#include "tex/Preference.h"

namespace {

const char* const kAllFlags[] = {"adAutoDelete", "adDVI", "adLOG", "adAUX", "adTOC", "adLOF",
                                 "adLOT",        "adIDX", "adIND", "adILG", "adBBL", "adBLG"};

}  // namespace

class PreferenceTest : public apptest::AppTest {
protected:
    void storeValues()
    {
        writeInt("", "ZuSmall", 1);
        writeInt("", "DirOnOff", 0);
        writeInt("", "JPaper", 1);
        writeInt("", "DefOption", 1);
        writeInt("\\TeXSetting", "HowTex", 0);
        for (const char* flag : kAllFlags) writeInt("", flag, 1);
        writeInt("", "adLOF", 0);
    }
};

TEST_F(PreferenceTest, DialogShowsTheStoredValuesOnTheClassPage)
{
    storeValues();
    TForm1& f = start();
    script().onDialog([](QDialog& d) {
        auto& p = dynamic_cast<TFormPreference&>(d);
        EXPECT_EQ(p.ui.Tab->tabText(p.ui.Tab->currentIndex()), "文書クラス");
        EXPECT_EQ(p.CurrentHelpContext(), 9032);
        EXPECT_EQ(p.ui.RadioGroupZu.ItemIndex(), 1);
        EXPECT_EQ(p.ui.RadioGroupDir.ItemIndex(), 0);
        EXPECT_EQ(p.ui.rgJPaper.ItemIndex(), 1);
        EXPECT_EQ(p.ui.rgTexClass.ItemIndex(), 1);
        EXPECT_EQ(p.ui.rgHowTex.ItemIndex(), 0);
        EXPECT_TRUE(p.ui.cbAutoDelete->isChecked());
        for (size_t i = 0; i < kExtensionValueNames.size(); ++i)
            EXPECT_EQ(p.ui.cbExtensions[i]->isChecked(), QString(kExtensionValueNames[i]) != "adLOF") << i;
        // Changes that Cancel must throw away.
        p.ui.RadioGroupZu.SetItemIndex(0);
        p.ui.rgHowTex.SetItemIndex(2);
        p.ui.cbExtensions[0]->setChecked(false);
        return mrCancel;
    });
    f.MenuOptionPreferenceClick();
    EXPECT_EQ(readInt("", "ZuSmall"), 1);
    EXPECT_EQ(readInt("\\TeXSetting", "HowTex"), 0);
    EXPECT_EQ(readInt("", "adDVI"), 1);
}

TEST_F(PreferenceTest, OkStoresEveryControl)
{
    storeValues();
    TForm1& f = start();
    script().onDialog([](QDialog& d) {
        auto& p = dynamic_cast<TFormPreference&>(d);
        p.ui.cbAutoDelete->setChecked(false);
        p.ui.RadioGroupDir.SetItemIndex(1);
        p.ui.rgTexClass.SetItemIndex(0);
        p.ui.rgHowTex.SetItemIndex(1);
        return mrOk;
    });
    f.MenuOptionPreferenceClick();
    EXPECT_EQ(readInt("", "adAutoDelete"), 0);
    for (const char* flag : kAllFlags)
        if (QString(flag) != "adAutoDelete") EXPECT_EQ(readInt("", flag), QString(flag) == "adLOF" ? 0 : 1) << flag;
    EXPECT_EQ(readInt("", "ZuSmall"), 1);
    EXPECT_EQ(readInt("", "DirOnOff"), 1);
    EXPECT_EQ(readInt("", "JPaper"), 1);
    EXPECT_EQ(readInt("", "DefOption"), 0);
    EXPECT_EQ(readInt("\\TeXSetting", "HowTex"), 1);
    EXPECT_FALSE(exists("\\TeXSetting", "ZuSmall"));
}

TEST_F(PreferenceTest, MissingValuesReadAsTheirDefaults)
{
    PreferenceValues v = readPreferences(settings::Store("\\Software\\Kestrelwood\\QuillmarkNoValues"));
    PreferenceValues d;
    EXPECT_EQ(v.HowTex, 2);
    EXPECT_EQ(v.ZuSmall, 0);
    EXPECT_FALSE(v.adAutoDelete);
    EXPECT_EQ(v.extensions, d.extensions);
    EXPECT_FALSE(v.extensions[0]);
    EXPECT_TRUE(v.extensions[10]);
}
