// Loading the colour table from "\Color" and saving it there.
#include "app/Form1.h"
#include "core/colour/ColorScanner.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"

#include <QFile>
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
    ColorTable load()
    {
        ColorTable t;
        t = LoadColorTable(settings::Store());
        return t;
    }

    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(ColorStore, FreshStoreGetsTheDefaultsWrittenAndReadBack)
{
    const ColorTable t = load();
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
    const ColorTable t = load();
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
    ASSERT_EQ(form.ColorRows.size(), 39u);
    EXPECT_EQ(form.ColorRows[0].name, "\\part");
    EXPECT_EQ(form.ColorRows[7].color, 0xCC4444u);
    ASSERT_TRUE(form.ColorScannerTable);
    EXPECT_EQ(form.ColorScannerTable->window(), int(QString("\\cleardoublepage").size()) + 1);
}

}  // namespace

namespace {

TEST_F(ColorStore, SavedTableLoadsBackAsItWasAndLaterRowsStay)
{
    ColorTable t = load();
    t.rows.resize(3);
    t.rows.push_back({"\\emph", 0x123456, true, true, false});
    t.rows.push_back({"", 0x111111, false, false, false});  // no name: never stored
    t.classes.DollerColor = 0x00ABCD;
    t.classes.AndItalic = true;
    t.classes.ZenOn = false;
    SaveColorTable(settings::Store(), t);

    const ColorTable back = load();
    ASSERT_EQ(back.rows.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(back.rows[i].name, t.rows[i].name) << i;
        EXPECT_EQ(back.rows[i].color, t.rows[i].color) << i;
        EXPECT_EQ(back.rows[i].bold, t.rows[i].bold) << i;
        EXPECT_EQ(back.rows[i].italic, t.rows[i].italic) << i;
        EXPECT_EQ(back.rows[i].ast, t.rows[i].ast) << i;
    }
    EXPECT_EQ(back.classes.DollerColor, 0x00ABCDu);
    EXPECT_TRUE(back.classes.AndItalic);
    EXPECT_FALSE(back.classes.ZenOn);
    withKey([](TRegistry& reg) {
        EXPECT_EQ(reg.ReadInteger("ComNum"), 4);
        // A shorter table leaves the rows after it; nothing reads them.
        EXPECT_EQ(reg.ReadString("Command38"), "\\bibitem");
    });
}

TEST_F(ColorStore, SaveToAFreshStoreLaysTheKeysOutInItsFixedOrder)
{
    ColorTable t;
    t.rows = {{"\\a", 1, false, false, false}};
    SaveColorTable(settings::Store(), t);
    QFile file(dir_.path() + "/settings.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const char* const order[] = {"RemColor=",    "RemItalic=",   "ComNum=",   "Command1=", "Color1=",
                                 "Ast1=",        "CmdBold1=",    "CmdItalic1=", "DollerColor=", "AndColor=",
                                 "ZenColor=",    "GenTeXColor=", "DollerItalic=", "AndItalic=", "ZenOn="};
    qsizetype last = -1;
    for (const char* name : order) {
        const qsizetype at = text.indexOf(QLatin1String(name));
        EXPECT_GT(at, last) << name << "\n" << text.toStdString();
        last = std::max(last, at);
    }
}

TEST(ColorScannerRows, NamesGoToTheScannerInCp932AndTheTableIsCapped)
{
    std::vector<ColorCommandRow> rows(kMaxColorCommands + 5, {"\\x", 7, true, false, true});
    rows[0] = {QString::fromUtf8("\\表"), 0x010203, false, true, false};
    const std::vector<colour::ColorCommand> scanned = colour::scannerRows(rows);
    ASSERT_EQ(scanned.size(), size_t(kMaxColorCommands));
    EXPECT_EQ(scanned[0].name, "\\" + cp932::encode(QString::fromUtf8("表")));
    EXPECT_EQ(scanned[0].color, 0x010203u);
    EXPECT_TRUE(scanned[0].italic);
    EXPECT_TRUE(scanned[1].bold && scanned[1].ast && !scanned[1].italic);
}

}  // namespace
