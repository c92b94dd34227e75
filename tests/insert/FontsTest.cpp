#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>

#include "app/Form1.h"
#include "insert/FontsBuilder.h"
#include "insert/FontsDialog.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct FontsFixture : testsupport::CommandFixture {
    FontsFixture() { build("MenuFormatFontFamily", &insert::buildFontCommands); }

    // What the dialog showed when it opened.
    struct Seen {
        int help = 0;
        QString caption;
        QStringList entries;
        int entry = -2, scope = -2;
        bool scopeEnabled = false;
    };
    // Runs the menu item with one scripted dialog: set chooses, result answers.
    Seen run(const char* item, int result, int entry = -1, int scope = -1)
    {
        Seen seen;
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& dialog) {
            auto* d = dynamic_cast<TFormFont*>(&dialog);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            seen.help = d->HelpContext;
            seen.caption = d->windowTitle();
            for (int i = 0; i < d->ComboBoxFont->count(); ++i) seen.entries << d->ComboBoxFont->itemText(i);
            seen.entry = d->ItemIndex();
            seen.scope = d->RadioGroupSelect.ItemIndex();
            seen.scopeEnabled = d->RadioGroupSelect.box->isEnabled();
            if (entry >= 0) d->SetItemIndex(entry);
            if (scope >= 0) d->RadioGroupSelect.SetItemIndex(scope);
            return result;
        });
        QAction* action = form.Item(item);
        EXPECT_NE(action, nullptr) << item;
        if (action) action->trigger();
        return seen;
    }
};

}  // namespace

TEST(FontsBuilder, CommandsOfEveryKindAndForm)
{
    const struct {
        int kind, index;
        const char* command;
    } cases[] = {
        {0, 0, "\\rmfamily"},
        {0, 4, "\\gtfamily"},
        {1, 1, "\\mdseries"},
        {2, 2, "\\scshape"},
        {3, 0, "\\tiny"},
        {3, 4, "\\normalsize"},
        {3, 6, "\\Large"},
        {3, 9, "\\Huge"},
        {4, 2, "\\texttt"},
        {4, 3, "\\textmc"},
        {5, 0, "\\textbf"},
        {6, 1, "\\textsl"},
        // Indices without an entry in their kind, and unknown kinds.
        {0, 5, ""},
        {1, 2, ""},
        {6, 3, ""},
        {3, 10, ""},
        {3, -1, ""},
        {7, 0, ""},
        {-1, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fonts::makeFontCommand(c.kind, c.index), c.command) << c.kind << "/" << c.index;
    for (int k = 0; k < fonts::kKindCount; ++k) {
        const fonts::KindRow& row = fonts::kindRow(fonts::Kind(k));
        EXPECT_EQ(row.entries.size(), row.commands.size()) << k;
        EXPECT_EQ(row.entries.size(), row.declarations.size()) << k;
    }
}

TEST(FontsBuilder, InsertionByScopeAndSelection)
{
    const wrap::EditorState none;
    wrap::EditorState word;
    word.selLength = 4;
    word.selText = "word";
    const struct {
        fonts::Kind kind;
        const wrap::EditorState& editor;
        int entry, scope;
        wrap::Insertion expected;
    } cases[] = {
        {fonts::Family, word, 2, 1, {"\\texttt{word}"}},  // a selection ignores the declaration scope
        {fonts::Family, none, 0, 0, {"\\textrm{}", 1}},
        {fonts::Series, none, 0, 1, {"\\bfseries\r\n"}},
        {fonts::Shape, word, 0, 0, {"\\textit{word}"}},
        {fonts::Size, none, 4, 0, {"{\\normalsize }"}},
        {fonts::Size, none, 9, 1, {"\\Huge\r\n"}},
        {fonts::Size, word, 6, 1, {"{\\Large word}"}},
        {fonts::Shape, none, 3, 0, {}},  // no entry: nothing, not a bare "{}"
        {fonts::Size, word, -1, 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fonts::fontInsertion(c.kind, c.editor, c.entry, c.scope), c.expected)
            << c.kind << "/" << c.entry << "/" << c.scope;
}

TEST_F(FontsFixture, FamilyWrapsTheSelectionAndForcesTheCommandForm)
{
    const std::string word = sjis("日本語");
    setText("a" + word + "b", 1, int(word.size()));
    form.part<insert::LastUsed>().LastFontFamilyScope = 1;
    const Seen seen = run("MenuFormatFontFamily", mrOk, 2);
    EXPECT_EQ(seen.help, 6040);
    EXPECT_EQ(seen.caption, QString::fromUtf8("フォント変更"));
    EXPECT_EQ(seen.entries.size(), 5);
    EXPECT_EQ(seen.entries.value(3), QString::fromUtf8("明朝体（全角文字）"));
    EXPECT_EQ(seen.entry, 0);
    EXPECT_EQ(seen.scope, 0);
    EXPECT_FALSE(seen.scopeEnabled);
    EXPECT_EQ(text(), "a\\texttt{" + word + "}b");
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontFamily, 2);
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontFamilyScope, 0);

    // Without a selection the next call opens on the remembered entry and
    // scope 0, and the caret lands between the braces.
    setText("xy", 1);
    const Seen next = run("MenuFormatFontFamily", mrOk);
    EXPECT_EQ(next.entry, 2);
    EXPECT_EQ(next.scope, 0);
    EXPECT_TRUE(next.scopeEnabled);
    EXPECT_EQ(text(), "x\\texttt{}y");
    EXPECT_EQ(caret(), 9);
}

TEST_F(FontsFixture, DeclarationsAndSizesWithoutASelection)
{
    setText("ab", 1);
    const Seen series = run("MenuFormatFontSeries", mrOk, -1, 1);
    EXPECT_EQ(series.help, 6060);
    EXPECT_EQ(text(), "a\\bfseries\r\nb");
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontSeriesScope, 1);

    setText("ab", 1);
    const Seen size = run("MenuFormatFontSize", mrOk);
    EXPECT_EQ(size.entry, 4);
    EXPECT_EQ(size.caption, QString::fromUtf8("フォント・サイズ"));
    EXPECT_EQ(text(), "a{\\normalsize }b");
    EXPECT_EQ(caret(), 15);

    setText("ab", 0, 1);
    run("MenuFormatFontSize", mrOk, 6);
    EXPECT_EQ(text(), "{\\Large a}b");
}

TEST_F(FontsFixture, CancelInsertsNothingButRemembersPerKind)
{
    setText("ab", 1);
    const Seen shape = run("MenuFormatFontShape", mrCancel, 1, 1);
    EXPECT_EQ(shape.help, 6080);
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontShape, 1);
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontShapeScope, 1);
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontFamily, 0);
    EXPECT_EQ(form.part<insert::LastUsed>().LastFontSeriesScope, 0);

    const Seen again = run("MenuFormatFontShape", mrCancel);
    EXPECT_EQ(again.entry, 1);
    EXPECT_EQ(again.scope, 1);
    ASSERT_NE(form.Item("ToolButtonShoFontItalic"), nullptr);
    EXPECT_EQ(form.Item("ToolButtonShoFontItalic")->toolTip(), QString::fromUtf8("イタリック体等の指定をします。"));
}
