// The one rule of the settings facade: a value that is missing or of the
// wrong type reads as its default and the default is written in its place,
// whichever reader meets it.
#include <QDialog>
#include <QComboBox>
#include <functional>

#include "core/colour/ColorTable.h"
#include "core/options/EditorOptions.h"
#include "core/settings/Keys.h"
#include "tests/app/AppFixture.h"
#include "tex/Init.h"
#include "tex/Preference.h"
#include "tex/TeXWorker.h"

using namespace apptest;

namespace {

const QString kTestRoot = "\\Software\\Kestrelwood\\QuillmarkFacadeTest";

// What the raw store holds under a name, written as the test expects it:
// "dword:N", "sz:TEXT" or "missing".
QString rawValue(const QString& key, const QString& name)
{
    TRegistry reg;
    if (!reg.OpenKey(key, false) || !reg.ValueExists(name)) return "missing";
    try {
        return "dword:" + QString::number(reg.ReadInteger(name));
    } catch (const ERegistryException&) {
        return "sz:" + reg.ReadString(name);
    }
}

void writeRaw(const QString& key, const QString& name, const QString& raw)
{
    TRegistry reg;
    reg.OpenKey(key, true);
    if (raw.startsWith("dword:"))
        reg.WriteInteger(name, raw.mid(6).toInt());
    else
        reg.WriteString(name, raw.mid(3));
}

class SettingsFacade : public AppTest {};

// Every kind of reader the facade has, each given a value of the wrong type.
TEST_F(SettingsFacade, WrongTypedValueOfEveryKindGivesTheDefaultAndIsWrittenBack)
{
    using namespace settings;
    static constexpr Integer anInteger = integer("", "Count", 7);
    static constexpr Boolean aBoolean = boolean("", "Flag", true);
    static constexpr Text aText = text("Sub", "Name", "既定");
    static constexpr Integer textInteger = keptAsText(integer("View", "Width", 130));
    static constexpr Boolean textBoolean = keptAsText(boolean("View", "Shown", true));
    static constexpr IntegerRows integerRows_ = integerRows("Rows", "Size", 5);
    static constexpr BooleanRows booleanRows_ = booleanRows("Rows", "On", false);
    static constexpr TextRows textRows_ = textRows("Rows", "Item", "none");
    const Store store(kTestRoot);

    struct Case {
        const char* reader;
        QString key, name, stored, expectedRaw;
        std::function<QString()> read;
        QString expected;
    } cases[] = {
        {"integer", kTestRoot, "Count", "sz:seven", "dword:7", [&] { return QString::number(store.read(anInteger)); },
         "7"},
        {"boolean", kTestRoot, "Flag", "sz:yes", "dword:1", [&] { return QString::number(store.read(aBoolean)); }, "1"},
        {"text", kTestRoot + "\\Sub", "Name", "dword:3", "sz:既定", [&] { return store.read(aText); }, "既定"},
        {"integer as text", kTestRoot + "\\View", "Width", "sz:wide", "sz:130",
         [&] { return QString::number(store.read(textInteger)); }, "130"},
        {"integer as text, stored as a number", kTestRoot + "\\View", "Width", "dword:4", "sz:130",
         [&] { return QString::number(store.read(textInteger)); }, "130"},
        {"boolean as text", kTestRoot + "\\View", "Shown", "sz:", "sz:1",
         [&] { return QString::number(store.read(textBoolean)); }, "1"},
        {"integer row", kTestRoot + "\\Rows", "Size2", "sz:x", "dword:5",
         [&] { return QString::number(store.read(integerRows_, 2)); }, "5"},
        {"integer row with its own default", kTestRoot + "\\Rows", "Size3", "sz:x", "dword:9",
         [&] { return QString::number(store.read(integerRows_, 3, 9)); }, "9"},
        {"boolean row", kTestRoot + "\\Rows", "On1", "sz:x", "dword:0",
         [&] { return QString::number(store.read(booleanRows_, 1)); }, "0"},
        {"text row", kTestRoot + "\\Rows", "Item4", "dword:1", "sz:none", [&] { return store.read(textRows_, 4); },
         "none"},
        {"text row with its own default", kTestRoot + "\\Rows", "Item5", "dword:1", "sz:\\section",
         [&] { return store.read(textRows_, 5, "\\section"); }, "\\section"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reader);
        writeRaw(c.key, c.name, c.stored);
        EXPECT_EQ(c.read(), c.expected);
        EXPECT_EQ(rawValue(c.key, c.name), c.expectedRaw);
        EXPECT_EQ(c.read(), c.expected) << "read again after the repair";
    }
}

TEST_F(SettingsFacade, MissingValuesAreWrittenUnlessTheWindowSavesThemAtClose)
{
    using namespace settings;
    static constexpr Integer plain = integer("", "Plain", 3);
    static constexpr Boolean atClose = keptAsText(boolean("View", "Bar", true));
    static constexpr TextRows rows = textRows("List", "Entry", "");
    const Store store(kTestRoot);

    EXPECT_EQ(store.read(plain), 3);
    EXPECT_EQ(rawValue(kTestRoot, "Plain"), "dword:3");
    EXPECT_TRUE(store.read(atClose));
    EXPECT_EQ(rawValue(kTestRoot + "\\View", "Bar"), "missing");
    EXPECT_FALSE(store.find(rows, 1).has_value());
    EXPECT_EQ(rawValue(kTestRoot + "\\List", "Entry1"), "missing") << "a row without a default is not invented";
    // A single text found or not, never repaired: a missing or wrong-typed
    // one stays as it is for its reader to decide.
    static constexpr Text single = text("List", "Single", "x");
    EXPECT_FALSE(store.find(single).has_value());
    EXPECT_EQ(rawValue(kTestRoot + "\\List", "Single"), "missing");
    writeRaw(kTestRoot + "\\List", "Single", "dword:5");
    EXPECT_FALSE(store.find(single).has_value());
    EXPECT_EQ(rawValue(kTestRoot + "\\List", "Single"), "dword:5");
    store.write(single, "");
    EXPECT_EQ(store.find(single), QString(""));

    store.write(atClose, false);
    EXPECT_EQ(rawValue(kTestRoot + "\\View", "Bar"), "sz:0");
    EXPECT_FALSE(store.read(atClose));
    store.write(plain, -12);
    EXPECT_EQ(store.read(plain), -12);
    writeRaw(kTestRoot, "Plain", "sz:not a number");
    EXPECT_EQ(store.read(plain), 3);
}

// The program's own readers, each meeting a value of the wrong type: the
// command goes on with the default and the store is repaired.
TEST_F(SettingsFacade, EveryReaderOfTheProgramRepairsAWrongTypedValue)
{
    TForm1& f = start();
    script().allowUnscripted();
    struct Case {
        const char* reader;
        QString key, name, stored, expectedRaw;
        std::function<void()> read;
    } cases[] = {
        {"start-up", "", "TabSpaceNo", "sz:four", "dword:4", [&] { start(); }},
        {"start-up, text kept", "\\View", "DocuExpWidth", "sz:wide", "sz:130", [&] { start(); }},
        {"editor options dialog", "", "Tab", "sz:wide", "dword:24",
         [&] {
             script().onDialog([](QDialog&) { return int(mrCancel); });
             form->MenuOptionEditClick();
         }},
        {"preferences", "", "ZuSmall", "sz:small", "dword:0", [&] { readPreferences(form->Settings()); }},
        {"TeX settings of a run", "\\TeXSetting", "DviDde", "sz:dde", "dword:0",
         [&] { readTeXSettings(form->Settings()); }},
        {"TeX program dialog", "\\TeXSetting", "PSViewerFile", "dword:2", "sz:",
         [&] {
             TFormInit init;
             init.SetRegKey(form->RegKey);
             init.FormShow();
         }},
        {"colour table", "\\Color", "ZenOn", "sz:on", "dword:1", [&] { LoadColorTable(form->Settings()); }},
        {"colour table row", "\\Color", "Command3", "dword:5", "sz:\\section",
         [&] { LoadColorTable(form->Settings()); }},
        {"auto indent on Enter", "", "AutoIndent", "sz:on", "dword:1",
         [&] {
             int key = VK_RETURN;
             form->AutoIndentOnEnter(key, 0);
         }},
    };
    (void)f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reader);
        writeRaw(kRoot + c.key, c.name, c.stored);
        c.read();
        EXPECT_EQ(rawValue(kRoot + c.key, c.name), c.expectedRaw);
    }
}

// "ColMaxSize" kept as a string once stopped a document from opening
// coloured, while the options dialog quietly read it as 256.
TEST_F(SettingsFacade, ColourSizeLimitStoredAsTextOpensTheDocumentColoured)
{
    TForm1& f = start();
    writeString("", "ColMaxSize", "256KB");
    const QString path = document("paper.tex", "\\section{a}\r\n");
    ASSERT_TRUE(f.LoadFile(path));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(f.AutoColor);
    EXPECT_EQ(readInt("", "ColMaxSize"), 256);

    writeString("", "ColMaxSize", "big");
    script().onDialog([](QDialog& d) {
        EXPECT_EQ(dynamic_cast<TFormEdit&>(d).GetColMaxSize(), 256);
        return int(mrCancel);
    });
    f.MenuOptionEditClick();
    EXPECT_EQ(readInt("", "ColMaxSize"), 256);
}

// "TeXFile" kept as a number reads as no program at all, which the run
// reports, instead of an exception on the worker's thread.
TEST_F(SettingsFacade, TeXProgramStoredAsANumberReadsAsNoProgram)
{
    TForm1& f = start();
    writeInt("\\TeXSetting", "TeXFile", 12);
    EXPECT_EQ(readTeXSettings(f.Settings()).TeXFile, "");
    EXPECT_EQ(readString("\\TeXSetting", "TeXFile"), "");
}

}  // namespace
