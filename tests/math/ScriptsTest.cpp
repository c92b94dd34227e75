#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/Form1.h"
#include "math/MathLastUsed.h"
#include "math/MathMenus.h"
#include "math/ScriptDialogs.h"
#include "math/Scripts.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"

using scripts::Script;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

QStringList listed(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
    return items;
}

}  // namespace

TEST(ScriptLists, OneEntryPerLineTakenAsItStands)
{
    struct Case {
        const char* text;
        QStringList entries;
    };
    const Case cases[] = {
        {"", {}},
        {"\\infty", {"\\infty"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {" n \nm\rk", {" n ", "m", "k"}},
    };
    for (const Case& c : cases) EXPECT_EQ(scripts::entries(QString::fromUtf8(c.text)), c.entries) << c.text;
    EXPECT_EQ(scripts::storedText("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(scripts::storedText("a\r\nb"), "a\r\nb");
}

TEST(ScriptTexts, QuickCommandsAndPairs)
{
    wrap::EditorState none;
    wrap::EditorState selected{1, "x", false};
    EXPECT_EQ(scripts::quickText(Script::Up, none), (wrap::Insertion{"^{}", 1}));
    EXPECT_EQ(scripts::quickText(Script::Down, selected), (wrap::Insertion{"_{x}", 0}));
    const QString sub = "-\\infty", sup = u("能");
    EXPECT_EQ(scripts::pairText(&sub, &sup), "_{-\\infty}^{" + cp932::encode(sup) + "}");
    EXPECT_EQ(scripts::pairText(nullptr, &sup), "^{" + cp932::encode(sup) + "}");
    EXPECT_EQ(scripts::pairText(nullptr, nullptr), "");
    EXPECT_EQ(scripts::scriptText(Script::Down, ""), "_{}");
}

namespace {

class ScriptCommands : public apptest::WindowTest {
protected:
    // Answers the list editor: the memo is given text, then the result.
    void answerEditor(int result, const QString& text)
    {
        script().onDialog([this, result, text](QDialog& d) {
            auto& editor = dynamic_cast<TFormMathSetting&>(d);
            shownMemo = editor.Memo->toPlainText();
            editorCaption = editor.windowTitle();
            editor.Memo->setPlainText(text);
            return result;
        });
    }
    // Menu items and tool buttons by name; the drop-down items by their
    // object name in the window.
    void trigger(const char* name)
    {
        QAction* item = form->Item(name);
        if (!item) item = form->findChild<QAction*>(name);
        ASSERT_TRUE(item) << name;
        item->trigger();
    }
    QString shownMemo, editorCaption;
};

}  // namespace

TEST_F(ScriptCommands, ResidentDialogsKeepTheirChoices)
{
    answer<TFormMathUp>(mrOk);
    trigger("MenuMathUpper");
    EXPECT_EQ(help, 7180);
    EXPECT_EQ(text(), "^{\\infty}");
    ASSERT_TRUE(FormMathUp);
    TFormMathUp* kept = FormMathUp.data();

    // Cancel inserts nothing; the radio button chosen stays for the next call.
    setText("", 0);
    answer<TFormMathUp>(mrCancel, [](TFormMathUp& d) { d.RadioButton1->setChecked(true); });
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "");
    bool emptyOnly = false;
    answer<TFormMathUp>(mrOk, [&](TFormMathUp& d) { emptyOnly = d.RadioButton1->isChecked(); });
    trigger("MenuMathUpper");
    EXPECT_TRUE(emptyOnly);
    EXPECT_EQ(text(), "^{}");
    EXPECT_EQ(caret(), 2);
    EXPECT_EQ(FormMathUp.data(), kept);

    // The subscript dialog is a form of its own with its own list.
    setText("ab", 1);
    answer<TFormMathDown>(mrOk, [](TFormMathDown& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("下添え字"));
        EXPECT_EQ(listed(*d.ListBox), QStringList{"-\\infty"});
    });
    trigger("MenuMathLower");
    EXPECT_EQ(text(), "a_{-\\infty}b");
    answer<TFormMathDown>(mrOk, [](TFormMathDown& d) { d.RadioButton1->setChecked(true); });
    trigger("N128");
    EXPECT_EQ(text(), "a_{-\\infty}_{}b");
    EXPECT_EQ(caret(), 13);
    EXPECT_EQ(help, 7180);
}

TEST_F(ScriptCommands, SelectionsAreWrappedWithoutADialog)
{
    setText("a+b", 0, 3);
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "^{a+b}");
    EXPECT_EQ(caret(), 6);
    setText("xy", 1, 1);
    trigger("PMMathDown");
    EXPECT_EQ(text(), "x_{y}");
    setText("xy", 1);
    trigger("PMMathUp");
    EXPECT_EQ(text(), "x^{}y");
    EXPECT_EQ(caret(), 3);
    // The tool buttons run the quick commands; their menus offer the quick
    // item first and the dialog second.
    setText("", 0);
    trigger("ToolButtonMathDown");
    EXPECT_EQ(text(), "_{}");
    const math::MathMenus& menus = form->part<math::MathMenus>();
    for (QMenu* popup : {menus.PopupMenuMathUp, menus.PopupMenuMathDown, menus.PopupMenuMathUpDown}) {
        ASSERT_TRUE(popup);
        const QList<QAction*> items = popup->actions();
        ASSERT_EQ(items.size(), 2);
        EXPECT_TRUE(items[0]->objectName().startsWith("PMMath")) << items[0]->objectName().toStdString();
    }
    EXPECT_EQ(form->Item("ToolButtonMathUp")->menu(), menus.PopupMenuMathUp);
    EXPECT_TRUE(script().dialogs().empty());

    // A full editor takes nothing, and the caret stays where it was.
    setText(std::string(511999, 'z'), 7);
    trigger("PMMathUp");
    EXPECT_EQ(text().size(), 511999u);
    EXPECT_EQ(caret(), 7);
}

TEST_F(ScriptCommands, ShortcutsBelongToTheMenuItemsEvenFromTheEditor)
{
    EXPECT_EQ(form->Item("MenuMathUpper")->shortcut(), QKeySequence("Ctrl+H"));
    EXPECT_EQ(form->Item("MenuMathLower")->shortcut(), QKeySequence("Ctrl+M"));
    EXPECT_EQ(form->Item("MenuMathUpDown")->shortcut(), QKeySequence("Ctrl+J"));
    for (const char* keys : {"Ctrl+H", "Ctrl+M", "Ctrl+J"}) {
        int owners = 0;
        for (QAction* action : form->findChildren<QAction*>())
            if (action->shortcut() == QKeySequence(keys)) ++owners;
        EXPECT_EQ(owners, 1) << keys;
    }

    form->show();
    form->activateWindow();
    form->RichEdit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    setText("ab", 0, 1);
    QTest::keyClick(form->RichEdit, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(text(), "^{a}b");
    form->RichEdit->Select(4, 1);
    QTest::keyClick(form->RichEdit, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(text(), "^{a}_{b}");
    answer<TFormMathUpDown>(mrOk);
    QTest::keyClick(form->RichEdit, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(text(), "^{a}_{b}_{-\\infty}^{\\infty}");
}

TEST_F(ScriptCommands, BothAtOnceRemembersThePairButNotInTheStore)
{
    // Before the dialog was ever used the repeat inserts the first entries.
    trigger("PMMathUpDown");
    EXPECT_EQ(text(), "_{-\\infty}^{\\infty}");
    writeString("\\MathSoeji", "Up", "n\r\nm");
    setText("", 0);
    answer<TFormMathUpDown>(mrCancel, [](TFormMathUpDown& d) {
        EXPECT_EQ(listed(*d.ListBox1), (QStringList{"n", "m"}));
        d.ListBox1->setCurrentRow(1);
    });
    trigger("MenuMathUpDown");
    EXPECT_EQ(text(), "");
    EXPECT_EQ(form->part<math::MathLastUsed>().LastUpDownSup, 1);
    trigger("PMMathUpDown");
    EXPECT_EQ(text(), "_{-\\infty}^{m}");

    // A remembered index beyond a shorter list leaves that side out.
    writeString("\\MathSoeji", "Up", "n");
    setText("", 0);
    trigger("PMMathUpDown");
    EXPECT_EQ(text(), "_{-\\infty}");
    // With neither side chosen OK inserts nothing, and -1 is remembered.
    answer<TFormMathUpDown>(mrOk, [](TFormMathUpDown& d) {
        EXPECT_EQ(scriptListIndex(*d.ListBox1), -1);
        setScriptListIndex(*d.ListBox2, -1);
    });
    setText("keep", 0, 4);
    trigger("N127");
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(form->part<math::MathLastUsed>().LastUpDownSub, -1);
    EXPECT_EQ(help, 7180);
}

TEST_F(ScriptCommands, EditedListsSurviveARestart)
{
    // OK in the editor writes the store and refills the list.
    answer<TFormMathUp>(mrOk, [this](TFormMathUp& d) {
        answerEditor(mrOk, u("\\alpha\n表\n\nソ"));
        d.BitBtn4->click();
        EXPECT_EQ(listed(*d.ListBox), (QStringList{"\\alpha", u("表"), "", u("ソ")}));
        EXPECT_EQ(d.ListBox->currentRow(), 0);
        d.ListBox->setCurrentRow(3);
    });
    trigger("MenuMathUpper");
    EXPECT_EQ(shownMemo, "\\infty");
    EXPECT_EQ(editorCaption, u("数式上添え設定変更"));
    EXPECT_EQ(text(), "^{" + cp932::encode(u("ソ")) + "}");
    EXPECT_EQ(readString("\\MathSoeji", "Up"), u("\\alpha\r\n表\r\n\r\nソ"));

    // Cancel after editing: the list shows the memo, the store keeps the old text.
    setText("", 0);
    answer<TFormMathDown>(mrCancel, [this](TFormMathDown& d) {
        answerEditor(mrCancel, "x\ny");
        d.BitBtn4->click();
        EXPECT_EQ(listed(*d.ListBox), (QStringList{"x", "y"}));
    });
    trigger("MenuMathLower");
    EXPECT_EQ(readString("\\MathSoeji", "Down"), "-\\infty");

    // The both-at-once dialog edits the stored lists too.
    answer<TFormMathUpDown>(mrCancel, [this](TFormMathUpDown& d) {
        answerEditor(mrOk, "i\nj");
        d.BitBtnDown->click();
        EXPECT_EQ(listed(*d.ListBox2), (QStringList{"i", "j"}));
    });
    trigger("MenuMathUpDown");
    EXPECT_EQ(editorCaption, u("数式下添え設定変更"));

    // A new main window reads the store afresh.
    form.reset();
    EXPECT_FALSE(FormMathUp);
    start();
    answer<TFormMathUp>(mrCancel, [](TFormMathUp& d) {
        EXPECT_EQ(listed(*d.ListBox), (QStringList{"\\alpha", u("表"), "", u("ソ")}));
    });
    trigger("MenuMathUpper");
    answer<TFormMathDown>(mrCancel, [](TFormMathDown& d) { EXPECT_EQ(listed(*d.ListBox), (QStringList{"i", "j"})); });
    trigger("MenuMathLower");
}

TEST_F(ScriptCommands, StoredListsAreKeptWholeAndOnlyAWrongTypeReadsAsTheDefault)
{
    EXPECT_EQ(scripts::readList(apptest::kRoot, Script::Up), "\\infty");
    writeInt("\\MathSoeji", "Up", 5);
    EXPECT_EQ(scripts::readList(apptest::kRoot, Script::Up), "\\infty");
    EXPECT_EQ(scripts::readList("\\Software\\Nowhere", Script::Down), "-\\infty");
    // Whatever a stored text holds, none of the user's entries is lost.
    for (const QString& stored : {u("能\t\\\\"), u("\\alpha\r\nxö\r\n\\beta"), u("\U0001F600"), QString("a\x01" "b")}) {
        writeString("\\MathSoeji", "Down", stored);
        EXPECT_EQ(scripts::readList(apptest::kRoot, Script::Down), stored);
    }

    // A wrong-typed value at start-up gives the default list, not a failure.
    form.reset();
    start();
    answer<TFormMathUp>(mrOk, [](TFormMathUp& d) { EXPECT_EQ(listed(*d.ListBox), QStringList{"\\infty"}); });
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "^{\\infty}");

    // An empty list chooses nothing and OK inserts nothing.
    writeString("\\MathSoeji", "Up", "");
    form.reset();
    start();
    setText("z", 1);
    answer<TFormMathUp>(mrOk, [](TFormMathUp& d) { EXPECT_EQ(d.ListBox->count(), 0); });
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "z");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ScriptCommands, AnEntryTheDocumentCannotTakeIsRefusedWithAMessage)
{
    // A list stored with a character outside Shift-JIS shows every entry.
    writeString("\\MathSoeji", "Up", u("\\alpha\r\nxö\r\n\\beta"));
    form.reset();
    start();
    answer<TFormMathUp>(mrOk, [](TFormMathUp& d) {
        EXPECT_EQ(listed(*d.ListBox), (QStringList{"\\alpha", u("xö"), "\\beta"}));
        d.ListBox->setCurrentRow(1);
    });
    // Choosing that entry puts no "?" in the document: the user is told.
    script().expectMessage({std::nullopt, u("上添え字"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    setText("ab", 1);
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "ab");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(u("ö"))) << messages()[0].text.toStdString();
    // The other entries go in as before.
    answer<TFormMathUp>(mrOk, [](TFormMathUp& d) { d.ListBox->setCurrentRow(2); });
    trigger("MenuMathUpper");
    EXPECT_EQ(text(), "a^{\\beta}b");

    // Both at once, through the dialog and through the repeat item.
    setText("", 0);
    answer<TFormMathUpDown>(mrOk, [](TFormMathUpDown& d) { d.ListBox1->setCurrentRow(1); });
    script().expectMessage({std::nullopt, u("上･下添え一括挿入"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("MenuMathUpDown");
    EXPECT_EQ(text(), "");
    script().expectMessage({std::nullopt, u("上･下添え一括挿入"), MB_OK | MB_ICONEXCLAMATION, IDOK});
    trigger("PMMathUpDown");
    EXPECT_EQ(text(), "");
    EXPECT_EQ(messages().size(), 3u);
}

TEST_F(ScriptCommands, TheListEditorRefusesWhatTheDocumentCannotTake)
{
    // OK with such a character: the message names it, the memo comes back
    // as typed, and the store is not touched until the text can be kept.
    int shown = 0;
    QString memoAgain;
    answer<TFormMathUp>(mrCancel, [&](TFormMathUp& d) {
        script().onDialog([&](QDialog& e) {
            ++shown;
            dynamic_cast<TFormMathSetting&>(e).Memo->setPlainText(u("\\alpha\nxö\n\\beta"));
            return int(mrOk);
        });
        script().expectMessage({std::nullopt, u("数式上添え設定変更"), MB_OK | MB_ICONEXCLAMATION, IDOK});
        script().onDialog([&](QDialog& e) {
            ++shown;
            auto& editor = dynamic_cast<TFormMathSetting&>(e);
            memoAgain = editor.Memo->toPlainText();
            editor.Memo->setPlainText(u("\\alpha\nxo\n\\beta"));
            return int(mrOk);
        });
        d.BitBtn4->click();
        EXPECT_EQ(listed(*d.ListBox), (QStringList{"\\alpha", "xo", "\\beta"}));
    });
    trigger("MenuMathUpper");
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(memoAgain, u("\\alpha\nxö\n\\beta"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(u("ö"))) << messages()[0].text.toStdString();
    EXPECT_EQ(readString("\\MathSoeji", "Up"), u("\\alpha\r\nxo\r\n\\beta"));

    // Cancel after the message: the stored list stays as it was.
    answer<TFormMathDown>(mrCancel, [&](TFormMathDown& d) {
        answerEditor(mrOk, u("y\U0001F600"));
        script().expectMessage({std::nullopt, u("数式下添え設定変更"), MB_OK | MB_ICONEXCLAMATION, IDOK});
        script().onDialog([](QDialog&) { return int(mrCancel); });
        d.BitBtn4->click();
    });
    trigger("MenuMathLower");
    EXPECT_EQ(readString("\\MathSoeji", "Down"), "-\\infty");
}
