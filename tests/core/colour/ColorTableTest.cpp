// Loading the colour table from "\Color".
#include "app/Form1.h"
#include "core/colour/ColorScanner.h"
#include "platform/Registry.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A store of its own for each test.
class ColorStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", (dir_.path() + "/settings.ini").toUtf8());
    }
    void TearDown() override { qputenv("QUILLMARK_SETTINGS", saved_); }

    static QString key() { return "\\Software\\Kestrelwood\\Quillmark\\Color"; }
    template <class F>
    void withKey(F f)
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key(), true));
        f(reg);
        reg.CloseKey();
    }
    StoredColorTable load()
    {
        StoredColorTable t;
        t = LoadColorTable(settings::Store());
        return t;
    }

    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(ColorStore, FreshStoreGetsTheDefaultsWrittenAndReadBack)
{
    const StoredColorTable t = load();
    ASSERT_EQ(t.rows.size(), 38u);
    EXPECT_EQ(t.rows[2].name, "\\section");
    EXPECT_EQ(t.rows[2].color, 0x000080u);
    EXPECT_TRUE(t.rows[2].bold && t.rows[2].ast);
    EXPECT_EQ(t.rows[16].name, "\\\\");
    EXPECT_EQ(t.rows[37].name, "\\bibitem");
    EXPECT_EQ(t.classes.GenTeXColor, 0xB07000u);
    EXPECT_TRUE(t.classes.ZenOn);
    withKey([](TRegistry& reg) {
        EXPECT_EQ(reg.ReadInteger("ComNum"), 38);
        EXPECT_EQ(reg.ReadString("Command38"), "\\bibitem");
        EXPECT_EQ(reg.ReadInteger("Color12"), 0x8080FF);
        EXPECT_TRUE(reg.ReadBool("Ast7"));
        EXPECT_FALSE(reg.ReadBool("CmdItalic1"));
        EXPECT_EQ(reg.ReadInteger("RemColor"), 0x808040);
    });
}

TEST_F(ColorStore, StoredValuesWinOverDefaultsAndMistypedOnesDoNot)
{
    withKey([](TRegistry& reg) {
        reg.WriteString("Color5", "red");
        reg.WriteInteger("Command4", 7);
        reg.WriteInteger("ComNum", 39);
        reg.WriteString("Command39", "\\emph");
        reg.WriteInteger("Color39", 0x123456);
        reg.WriteBool("CmdItalic39", true);
        reg.WriteInteger("Color3", 0x00FF00);
        reg.WriteBool("ZenOn", false);
    });
    const StoredColorTable t = load();
    ASSERT_EQ(t.rows.size(), 39u);
    EXPECT_EQ(t.rows[38].name, "\\emph");
    EXPECT_EQ(t.rows[38].color, 0x123456u);
    EXPECT_TRUE(t.rows[38].italic);
    EXPECT_FALSE(t.rows[38].bold) << "a missing flag of an added row reads false";
    EXPECT_EQ(t.rows[2].color, 0x00FF00u);
    EXPECT_FALSE(t.classes.ZenOn);
    EXPECT_EQ(t.rows[4].color, 0x000080u);
    EXPECT_EQ(t.rows[3].name, "\\subsection");
}

TEST_F(ColorStore, CountOutOfRangeOrRowsMissingLoadSafely)
{
    struct {
        int stored;
        size_t rows;
    } cases[] = {{5000, 38}, {2049, 38}, {-3, 0}, {0, 0}, {10, 10}, {60, 38}};
    for (const auto& c : cases) {
        withKey([&](TRegistry& reg) { reg.WriteInteger("ComNum", c.stored); });
        EXPECT_EQ(load().rows.size(), c.rows) << "ComNum " << c.stored;
    }
}

TEST_F(ColorStore, MainWindowTakesTheTable)
{
    withKey([](TRegistry& reg) {
        reg.WriteInteger("ComNum", 39);
        reg.WriteString("Command39", "");  // an empty name, as an imported file may leave
    });
    TForm1 form;
    form.LoadColorSettings();
    EXPECT_EQ(form.ComNum, 39);
    EXPECT_EQ(form.CmdName[0], "\\part");
    EXPECT_EQ(form.CmdColor[7], 0xCC4444u);
    ASSERT_TRUE(form.ColorScannerTable);
    EXPECT_EQ(form.ColorScannerTable->window(), int(QString("\\cleardoublepage").size()) + 1);
}

}  // namespace
