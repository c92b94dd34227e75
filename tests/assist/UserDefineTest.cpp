#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Form1.h"
#include "assist/Assist.h"
#include "assist/UserDefine.h"
#include "assist/UserDefineDialog.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/OwnStore.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

// A definition written one line per element.
std::string lines(std::initializer_list<const char*> ls)
{
    std::string text;
    bool first = true;
    for (const char* l : ls) {
        if (!first) text += "\r\n";
        text += sjis(l);
        first = false;
    }
    return text;
}

// An editor that behaves as the insertion primitive does: the first insert
// replaces the selection, every insert leaves the caret after its text.
class FakeEditor : public userdef::RunTarget {
public:
    FakeEditor(std::string text, int selStart, int selLength)
        : text_(std::move(text)), caret_(selStart), sel_(selLength)
    {
    }
    void insert(const std::string& bytes) override
    {
        text_.replace(size_t(caret_), size_t(sel_), bytes);
        sel_ = 0;
        caret_ += int(bytes.size());
    }
    int caret() const override { return caret_; }
    void moveCaretBack(int pos) override
    {
        caret_ = pos;
        sel_ = 0;
    }
    // The text with "|" at the caret.
    std::string marked() const { return text_.substr(0, size_t(caret_)) + "|" + text_.substr(size_t(caret_)); }

private:
    std::string text_;
    int caret_;
    int sel_;
};

struct RunCase {
    const char* name;
    std::string definition;
    std::string text;  // "[" and "]" mark the selection, "|" a bare caret
    std::string expected;
};

std::string runOn(const RunCase& c, userdef::RunStatus* status = nullptr)
{
    std::string text = c.text;
    int start = 0, length = 0;
    if (const size_t open = text.find('['); open != std::string::npos) {
        const size_t close = text.find(']');
        start = int(open);
        length = int(close - open - 1);
        text.erase(close, 1);
        text.erase(open, 1);
    } else {
        const size_t bar = text.find('|');
        start = int(bar);
        text.erase(bar, 1);
    }
    FakeEditor ed(text, start, length);
    const std::string selected = text.substr(size_t(start), size_t(length));
    const userdef::RunResult r = userdef::run(c.definition, length > 0, selected, ed);
    if (status) *status = r.status;
    return ed.marked();
}

const std::string kWrap = lines({"\\QmComIfSelected", "\\fbox{", "\\QmComInsertSelected", "}", "\\QmComElseSelected",
                                 "\\fbox{}", "\\QmComBackCursor{1}", "\\QmComElseSelectedEnd"});

}  // namespace

TEST(UserDefineRun, DefinitionsInExactBytesAndCaretOut)
{
    const std::string word = sjis("表ソ能");  // trail bytes 0x5C and 0x5C-like
    const std::vector<RunCase> cases = {
        {"plain lines with breaks between", lines({"\\begin{itemize}", "\\item ", "\\end{itemize}"}), "a[xy]b",
         "a\\begin{itemize}\r\n\\item \r\n\\end{itemize}|b"},
        {"plain, nothing selected", lines({"x", "y"}), "ab|", "abx\r\ny|"},
        {"empty definition leaves the selection", "", "a[xy]b", "a|xyb"},
        {"directive lines joined",
         lines({"\\begin{itemize}", "\\QmComReturn", "\\item ", "\\QmComReturn", "\\end{itemize}"}), "|",
         "\\begin{itemize}\r\n\\item \r\n\\end{itemize}|"},
        {"directives without returns run together", lines({"\\QmComNothing", "a", "b"}), "|", "ab|"},
        {"wrap with a selection", kWrap, "a[" + word + "]b", "a\\fbox{" + word + "}|b"},
        {"wrap without a selection", kWrap, "a|b", "a\\fbox{|}b"},
        {"two blocks with a selection", kWrap + "\r\n" + kWrap, "[s]", "\\fbox{s}\\fbox{s}|"},
        {"if without else still inserts", lines({"\\QmComIfSelected", "x", "y"}), "|", "xy|"},
        {"back cursor 0 keeps the caret", lines({"ab", "\\QmComBackCursor{0}"}), "|", "ab|"},
        {"back cursor equal to the caret keeps it", lines({"ab", "\\QmComBackCursor{2}"}), "|", "ab|"},
        {"back cursor past the start keeps it", lines({"ab", "\\QmComBackCursor{99}"}), "|", "ab|"},
        {"negative back cursor moves nothing", lines({"ab", "\\QmComBackCursor{-1}"}), "x|", "xab|"},
        {"back cursor moves the insertion point", lines({"()", "\\QmComBackCursor{1}", "z"}), "x|", "x(z|)"},
        {"insert selected without a selection", lines({"[", "\\QmComInsertSelected", "]"}), "|", "[]|"},
        {"unknown directive dropped", lines({"a", "\\QmComSomething else", "b"}), "|", "ab|"},
        {"text before a directive is dropped", lines({"a", "text\\QmComReturn"}), "|", "a\r\n|"},
        {"Japanese text around directives", lines({"「", "\\QmComInsertSelected", "」"}), "[" + word + "]",
         sjis("「") + word + sjis("」") + "|"},
    };
    for (const RunCase& c : cases) EXPECT_EQ(runOn(c), c.expected) << c.name;
    // The length check counts what a run puts in, whatever the caret does.
    EXPECT_EQ(userdef::insertedBytes(kWrap, true, "abc"), 10u);
    EXPECT_EQ(userdef::insertedBytes(kWrap, false, ""), 7u);
}

TEST(UserDefineRun, MalformedBackCursorStopsTheRest)
{
    userdef::RunStatus status;
    EXPECT_EQ(runOn({"empty braces", lines({"a", "\\QmComBackCursor{}", "b"}), "|", ""}, &status), "a|");
    EXPECT_EQ(status, userdef::RunStatus::BadBackCursor);
    EXPECT_EQ(runOn({"no braces", lines({"a", "\\QmComBackCursor", "b"}), "|", ""}, &status), "a|");
    EXPECT_EQ(status, userdef::RunStatus::BadBackCursor);
    EXPECT_EQ(runOn({"reversed", lines({"a", "\\QmComBackCursor}1{", "b"}), "|", ""}, &status), "a|");
    EXPECT_EQ(status, userdef::RunStatus::BadBackCursor);
    EXPECT_EQ(runOn({"not a number", lines({"a", "\\QmComBackCursor{x1}", "b"}), "|", ""}, &status), "a|");
    EXPECT_EQ(status, userdef::RunStatus::BadCount);
}

TEST(UserDefineRun, DirectiveMatchNeverStartsInsideADoubleByteCharacter)
{
    // 0x95 0x5C is one character: its trail byte is not a backslash.
    const std::string fake = std::string("\x95") + "\\QmComReturn";
    EXPECT_FALSE(userdef::containsDirective(fake, "\\QmComReturn"));
    EXPECT_TRUE(userdef::containsDirective("x\\QmComReturn", "\\QmComReturn"));
    // So such a definition is plain text, inserted as it is.
    FakeEditor ed("", 0, 0);
    userdef::run(fake, false, "", ed);
    EXPECT_EQ(ed.marked(), fake + "|");
}

namespace {
userdef::Slots sampleSlots()
{
    userdef::Slots table;
    for (int n = 1; n <= userdef::kSlotCount; ++n)
        table[size_t(n - 1)] = {sjis("題") + std::to_string(n), "line1\r\n\tline2 " + std::to_string(n)};
    table[4].definition = sjis("表\\ソ能") + "\r\n";  // trailing break kept
    table[7] = {"", ""};
    return table;
}
std::string withVersion(std::string file, const char* version)
{
    const size_t at = file.find("\r\n2\r\n");
    file.replace(at, 5, std::string("\r\n") + version + "\r\n");
    return file;
}
}  // namespace

TEST(UserDefineFile, RoundTripAndHeader)
{
    const userdef::Slots table = sampleSlots();
    const std::string file = userdef::writeFile(table);
    EXPECT_EQ(file.substr(0, 39), "Quillmark\r\nUser Definition File\r\n2\r\n%Ti");
    EXPECT_NE(file.find("%Title01Start" + sjis("題") + "1%Title01End\r\n%Def01Startline1\r\n\tline2 1%Def01End\r\n"),
              std::string::npos);
    userdef::Slots read;
    ASSERT_EQ(userdef::readFile(file, read).status, userdef::ReadStatus::Ok);
    EXPECT_EQ(read, table);
    EXPECT_EQ(userdef::writeFile(read), file);
}

TEST(UserDefineFile, VersionsAndBadFilesChangeNothingOrOnlyWhatTheyHold)
{
    const userdef::Slots old = sampleSlots();
    userdef::Slots fresh;
    for (auto& s : fresh) s = {"new", "def"};
    const std::string file = userdef::writeFile(fresh);

    userdef::Slots table = old;
    ASSERT_EQ(userdef::readFile(withVersion(file, "1"), table).status, userdef::ReadStatus::Ok);
    EXPECT_EQ(table[23].title, "new");
    EXPECT_EQ(table[24], old[24]);  // a version 1 file holds table 1 to 24 only
    table = old;
    ASSERT_EQ(userdef::readFile(withVersion(file, "0"), table).status, userdef::ReadStatus::Ok);
    EXPECT_EQ(table[24], old[24]);

    const std::pair<std::string, userdef::ReadStatus> bad[] = {
        {withVersion(file, "3"), userdef::ReadStatus::NewerVersion},
        {withVersion(file, "two"), userdef::ReadStatus::BadVersion},
        {"Quillmark\r\nUser Definition File\r\n", userdef::ReadStatus::TooShort},
        {"Quillmark\r\n", userdef::ReadStatus::TooShort},
        {"", userdef::ReadStatus::TooShort},
        {"Other\r\nUser Definition File\r\n2\r\n", userdef::ReadStatus::NotQuillmark},
        {"Quillmark\r\nColor Struct File\r\n2\r\n", userdef::ReadStatus::NotDefinitionFile},
        {file + "\x81\r\n", userdef::ReadStatus::InvalidBytes},
        {std::string(userdef::kMaxFileBytes + 1, 'a'), userdef::ReadStatus::TooLarge},
    };
    for (const auto& [bytes, status] : bad) {
        table = old;
        EXPECT_EQ(userdef::readFile(bytes, table).status, status) << bytes.substr(0, 40);
        EXPECT_EQ(table, old);
    }

    // A file cut inside slot 30 replaces the table it holds whole.
    table = old;
    const std::string cut = file.substr(0, file.find("%Def30End"));
    ASSERT_EQ(userdef::readFile(cut, table).status, userdef::ReadStatus::Ok);
    EXPECT_EQ(table[28].title, "new");
    EXPECT_EQ(table[29], old[29]);
    EXPECT_EQ(table[47], old[47]);
}

TEST(UserDefineFile, ExtractNeedsAllFourMarkers)
{
    std::string title, def;
    EXPECT_TRUE(userdef::extractDefinition(3, title, "%Title03StartT%Title03End\r\n%Def03StartD%Def03End\r\n", def));
    EXPECT_EQ(title, "T");
    EXPECT_EQ(def, "D");
    EXPECT_FALSE(userdef::extractDefinition(3, title, "%Title03StartT%Title03End\r\n%Def03StartD\r\n", def));
    // An end marker before its start gives an empty field.
    EXPECT_TRUE(userdef::extractDefinition(3, title, "%Title03End%Title03Start\r\n%Def03StartD%Def03End\r\n", def));
    EXPECT_EQ(title, "");
}

namespace {

const QString kKey = "\\Software\\Kestrelwood\\Quillmark\\UserDefine";

struct UserCommandWindow : ::testing::Test, testsupport::OwnStore {
    void SetUp() override
    {
        ASSERT_TRUE(storeReady());
        form = std::make_unique<TForm1>();
        form->ProgramDir = folder();
        if (!form->Item("MenuUser1")) assist::buildUserCommands(*form);
        form->resize(800, 600);
        form->show();
        form->RichEdit->setFocus();
    }
    void TearDown() override { form.reset(); }
    void store(int n, const QString& title, const QString& define)
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteString(QStringLiteral("Title%1").arg(n), title);
        reg.WriteString(QStringLiteral("Define%1").arg(n), define);
    }
    QString stored(const QString& name)
    {
        TRegistry reg;
        reg.OpenKey(kKey, true);
        return reg.ValueExists(name) ? reg.ReadString(name) : QStringLiteral("<missing>");
    }
    void load(const std::string& text, int start, int length)
    {
        form->RichEdit->SetText(text);
        form->RichEdit->Select(start, length);
        form->RichEdit->SetModified(false);
        if (form->UndoManager) form->UndoManager->Reset();
    }
    // Through the shortcut map, as a real key press goes.
    void press(Qt::Key key, Qt::KeyboardModifiers mods)
    {
        QApplication::setActiveWindow(form.get());
        form->RichEdit->setFocus();
        QTest::keyClick(form->RichEdit, key, mods);
    }
    std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(UserCommandWindow, DefinedInTheDialogRunByItsKeyAndUndoneStepByStep)
{
    const QString def = QString::fromUtf8(
        "\\QmComIfSelected\n\\textbf{\n\\QmComInsertSelected\n}\n"
        "\\QmComElseSelected\n\\textbf{}\n\\QmComBackCursor{1}\n\\QmComElseSelectedEnd");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            auto& dialog = dynamic_cast<TFormUserDefine&>(d);
            dialog.ui.Edit[0]->setText(QString::fromUtf8("太字"));
            dialog.ui.Memo[0]->setPlainText(def);
            dialog.ui.Memo[1]->setPlainText("a\nb");
            return int(mrOk);
        });
        form->Item("MenuInsertUserSetting")->trigger();
    }
    EXPECT_EQ(stored("Title1"), QString::fromUtf8("太字"));
    EXPECT_EQ(stored("Define2"), "a\r\nb\r\n");
    EXPECT_EQ(stored("Define1").count("\r\n"), 8);

    const std::string word = sjis("表示");
    const std::string original = "x" + word + "y";
    load(original, 1, int(word.size()));
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(form->RichEdit->Text(), "x\\textbf{" + word + "}y");
    EXPECT_EQ(form->RichEdit->SelStart(), int(1 + 8 + word.size() + 1));

    // Each insertion is a step of its own; undoing them all gives back the
    // original text, never anything outside it.
    std::string before = form->RichEdit->Text();
    for (int i = 0; i < 10 && form->RichEdit->Text() != original; ++i) {
        form->MenuEditUndoClick();
        ASSERT_NE(form->RichEdit->Text(), before) << "an undo that changed nothing";
        before = form->RichEdit->Text();
    }
    EXPECT_EQ(form->RichEdit->Text(), original);

    load("ab", 1, 0);
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(form->RichEdit->Text(), "a\\textbf{}b");
    EXPECT_EQ(form->RichEdit->SelStart(), 9);

    // The menus show the new title when they open.
    emit form->part<assist::UserMenus>().menu->aboutToShow();
    EXPECT_EQ(form->Item("MenuUser1")->text(), QString::fromUtf8("1 太字"));
    emit form->part<assist::UserMenus>().popup->aboutToShow();
    EXPECT_TRUE(form->Item("PMenuUser2")->text().startsWith("2 Not Defined\t"))
        << form->Item("PMenuUser2")->text().toStdString();
}

TEST_F(UserCommandWindow, CancelWritesNothingAndTheKeysAreAssigned)
{
    store(1, "T", "D\r\n");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            dynamic_cast<TFormUserDefine&>(d).ui.Edit[0]->setText("changed");
            return int(mrCancel);
        });
        form->Item("MenuUserDefine")->trigger();
    }
    EXPECT_EQ(stored("Title1"), "T");
    EXPECT_EQ(form->Item("MenuUser1")->shortcut(), QKeySequence("Ctrl+F1"));
    EXPECT_EQ(form->Item("MenuUser13")->shortcut(), QKeySequence("Shift+Ctrl+F1"));
    EXPECT_EQ(form->Item("MenuUser24")->shortcut(), QKeySequence("Shift+Ctrl+F12"));
    EXPECT_TRUE(form->Item("MenuUser12")->shortcut().isEmpty());  // Ctrl+F12 runs the PostScript command
    EXPECT_TRUE(form->Item("MenuUser25")->shortcut().isEmpty());
    EXPECT_TRUE(form->Item("PMenuUser1")->shortcut().isEmpty());  // shown as text only
}

TEST_F(UserCommandWindow, RefusedWholeAtTheLengthLimitAndBadCountsReported)
{
    store(3, "big", QString(600, 'x'));
    std::string big;
    while (big.size() < 511500) big += std::string(98, 'a') + "\r\n";
    big.resize(511500);
    load(big, 10, 5);
    {
        testsupport::ScriptedAsk ask;
        ask.answerNextMessage(IDOK);
        form->Item("MenuUser3")->trigger();
        ASSERT_EQ(ask.messages().size(), 1u);
        EXPECT_EQ(ask.messages()[0].caption, QString::fromUtf8("ユーザー定義命令"));
    }
    EXPECT_EQ(form->RichEdit->GetTextLen(), 511500);
    EXPECT_EQ(form->RichEdit->SelLength(), 5);

    store(4, "bad", "a\r\n\\QmComBackCursor{}\r\nb\r\n");
    store(5, "count", "a\r\n\\QmComBackCursor{one}\r\nb\r\n");
    load("", 0, 0);
    {
        testsupport::ScriptedAsk ask;
        ask.expectMessage(QString::fromUtf8("\\QmComBackCursorの指定が間違えています"), QString::fromUtf8("エラー"),
                          MB_ICONERROR, IDOK);
        form->Item("MenuUser4")->trigger();
        ask.expectMessage({std::nullopt, QStringLiteral("Error Message"), std::nullopt, IDOK});
        form->Item("MenuUser5")->trigger();
    }
    EXPECT_EQ(form->RichEdit->Text(), "aa");
}

TEST_F(UserCommandWindow, DialogSavesAndLoadsDefinitionFiles)
{
    const QString path = tempPath("mine.qmd");
    QDir(folder()).mkdir("QuillUserDef");
    store(2, QString::fromUtf8("見出し"), "\\section{}\r\n\\QmComBackCursor{1}\r\n");
    testsupport::ScriptedAsk ask;
    ask.onDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFormUserDefine&>(d);
        // A save that fails says which file and why, and the dialog stays.
        ask.onFile(ask::FileAnswer{true, tempPath("gone/mine.qmd"), 1});
        ask.expectMessage({std::nullopt, QStringLiteral("Error Message"), MB_OK | MB_ICONERROR, IDOK});
        dialog.ui.BitBtn4->click();
        EXPECT_TRUE(ask.messages().back().text.contains(tempPath("gone/mine.qmd")));
        ask.onFile(ask::FileAnswer{true, tempPath("mine.txt"), 1});
        ask.expectMessage(QString::fromUtf8("保存完了！"), QString::fromUtf8("ユーザー定義命令Save"),
                          MB_ICONINFORMATION, IDOK);
        dialog.sbUserDefExportClick();  // the extension is forced to .qmd
        dialog.ui.Edit[1]->setText("gone");
        ask.onFile(ask::FileAnswer{true, tempPath("mine"), 1});
        ask.expectMessage(QString::fromUtf8("インポート完了！"), QString::fromUtf8("ユーザー定義命令Load"),
                          MB_ICONINFORMATION, IDOK);
        dialog.sbUserDefImportClick();
        EXPECT_EQ(dialog.ui.Edit[1]->text(), QString::fromUtf8("見出し"));
        EXPECT_EQ(dialog.ui.Memo[1]->toPlainText(), "\\section{}\n\\QmComBackCursor{1}");
        return int(mrCancel);
    });
    form->Item("MenuUserDefine")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("Quillmark\r\nUser Definition File\r\n2\r\n"));
    EXPECT_TRUE(bytes.contains("%Def02Start\\section{}\r\n\\QmComBackCursor{1}%Def02End"));
    EXPECT_EQ(ask.fileRequests().at(0).directory, folder() + "/QuillUserDef");
}

TEST_F(UserCommandWindow, TextTheDocumentCannotTakeIsRefusedNamingIt)
{
    // A stored definition (the settings file edited by hand, say) holding a
    // character Shift-JIS lacks goes in as nothing rather than as "?".
    store(6, "t", QString::fromUtf8("caf\u00e9\r\n"));
    load("ab", 1, 0);
    {
        testsupport::ScriptedAsk ask;
        ask.expectMessage({std::nullopt, QString::fromUtf8("ユーザー定義命令"), MB_OK | MB_ICONEXCLAMATION, IDOK});
        form->Item("MenuUser6")->trigger();
        ASSERT_EQ(ask.messages().size(), 1u);
        EXPECT_TRUE(ask.messages()[0].text.contains(QString::fromUtf8("：\u00e9")));
    }
    EXPECT_EQ(form->RichEdit->Text(), "ab");

    // Typed into the settings dialog, it is not stored as "?" either.
    store(1, "T", "D\r\n");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            dynamic_cast<TFormUserDefine&>(d).ui.Memo[0]->setPlainText(QString::fromUtf8("na\u00efve"));
            return int(mrOk);
        });
        ask.answerNextMessage(IDOK);
        form->Item("MenuInsertUserSetting")->trigger();
        ASSERT_EQ(ask.messages().size(), 1u);
        EXPECT_TRUE(ask.messages()[0].text.contains(QString::fromUtf8("保存しませんでした：\u00ef")));
    }
    EXPECT_EQ(stored("Define1"), "D\r\n");
}
