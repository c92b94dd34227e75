// Replace All through the main window, checked against the one-by-one road:
// find a hit behind the previous replacement, take the hit out, put the
// replacement in.  The text, the count, the caret and the colours must be
// what that road gives; one Undo takes it all back and one Redo puts it back.
#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/search/Search.h"
#include "core/search/SearchForms.h"
#include "core/undo/MultiUndo.h"
#include "forms/SearchToolForms.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"

namespace {

const std::string kHyo = "\x95\x5C";  // 表: second byte is a backslash
const std::string kSo = "\x83\x5C";   // ソ
const std::string kNo = "\x94\x5C";   // 能

// The texts the one-by-one road passes through, oldest first, and where it
// leaves the caret (-1: nothing replaced).
struct Road {
    std::vector<std::string> states;
    int caret = -1;
};

Road oneByOne(std::string text, const std::string& s, const std::string& r, int from, const textsearch::Options& o)
{
    Road road;
    road.states.push_back(text);
    for (int hit; (hit = textsearch::findDown(text, s, from, int(text.size()), o)) >= 0;) {
        text.erase(size_t(hit), s.size());
        road.states.push_back(text);
        if (!r.empty()) {
            text.insert(size_t(hit), r);
            road.states.push_back(text);
        }
        from = road.caret = hit + int(r.size());
    }
    return road;
}

struct Case {
    const char* name;
    std::string text, find, replacement;
    bool wholeWord = false, matchCase = false;
    int caret = 0;
};

class ReplaceAllTest : public apptest::AppTest {
protected:
    TForm1& open(const std::string& text, int caret)
    {
        TForm1& f = start();
        f.RichEdit->SetText(text);
        f.RichEdit->SetSelStart(caret);
        if (f.UndoManager) f.UndoManager->Reset();
        return f;
    }
    void replaceAll(const Case& c, int count)
    {
        form->MenuSearchReplaceClick();
        FormReplace->ui.EditFind->setText(cp932::decode(c.find));
        FormReplace->ui.EditReplace->setText(cp932::decode(c.replacement));
        FormReplace->ui.cbWholeWord->setChecked(c.wholeWord);
        FormReplace->ui.cbMatchCase->setChecked(c.matchCase);
        const QString message = count > 0 ? QString::number(count) + QString::fromUtf8(" 個置換しました。")
                                          : QString::fromUtf8("置換する文字列が見つかりませんでした。");
        script().expectMessage(message, QString::fromUtf8("置換"), MB_OK | MB_ICONINFORMATION, IDOK);
        FormReplace->BtnReplaceAllClick();
        EXPECT_EQ(script().pending(), 0);
    }
};

std::string lines(const std::string& line, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += line;
    return out;
}

TEST_F(ReplaceAllTest, TextCaretUndoAndRedoFollowTheOneByOneRoad)
{
    const Case cases[] = {
        {"japanese around hits, longer replacement", lines(kHyo + "\\a" + kSo + " \\a" + kNo + "a\\" + "a\r\n", 20),
         "\\a", kSo + "\\alpha{" + kNo + "}"},
        {"one byte backslash never inside a character", lines(kHyo + "\\" + kSo + "x\\" + kNo + "\r\n", 15), "\\", "/"},
        {"empty replacement", lines("a" + kHyo + "xx" + kNo + "x\r\n", 10), "x", ""},
        {"case folded", "Abc aBC abc " + kNo + "ABC", "abc", "d"},
        {"case kept", "Abc aBC abc " + kNo + "ABC", "abc", "d", false, true},
        // Whole words are judged in the text as replaced so far: the second
        // hit follows the first's replacement, not the first hit.
        {"whole word behind a replacement", "-a-a -a_-a", "-a", "-a-", true},
        {"whole word behind an empty replacement", " -x-x a-x", "-x", "", true},
        {"search starts at the caret", "ab ab ab ab", "ab", "abab", false, false, 4},
        {"nothing to find", kHyo + "a" + kSo, "\\a", "b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Road road = oneByOne(c.text, c.find, c.replacement, c.caret, {c.wholeWord, c.matchCase});
        const int count = road.caret < 0 ? 0 : int((road.states.size() - 1) / (c.replacement.empty() ? 1 : 2));
        TForm1& f = open(c.text, c.caret);
        ASSERT_TRUE(f.UndoManager);
        replaceAll(c, count);
        ASSERT_EQ(f.RichEdit->Text(), road.states.back());
        EXPECT_EQ(f.RichEdit->SelStart(), road.caret < 0 ? c.caret : road.caret);
        EXPECT_EQ(f.RichEdit->SelLength(), 0);

        // The whole run is one step back and one step forward.
        f.MenuEditUndoClick();
        ASSERT_EQ(f.RichEdit->Text(), road.states.front());
        EXPECT_FALSE(f.UndoManager->CanUndo());
        f.MenuEditRedoClick();
        ASSERT_EQ(f.RichEdit->Text(), road.states.back());
    }
}

// A selection that is itself a hit is replaced first, and the search goes on
// behind its replacement; an edit afterwards is recorded on the new text.
TEST_F(ReplaceAllTest, SelectedHitIsReplacedFirstAndEditingGoesOn)
{
    const std::string text = "ab " + kSo + "ab ab";
    TForm1& f = open(text, 0);
    f.RichEdit->Select(5, 2);
    const Case c{"", text, "ab", "ab" + kNo, true};
    replaceAll(c, 2);
    const std::string replaced = "ab " + kSo + "ab" + kNo + " ab" + kNo;
    EXPECT_EQ(f.RichEdit->Text(), replaced);
    EXPECT_EQ(f.RichEdit->SelStart(), int(replaced.size()));

    f.RichEdit->SetSelStart(0);
    f.RichEdit->SetSelText("!");
    f.MenuEditUndoClick();
    EXPECT_EQ(f.RichEdit->Text(), replaced);
    f.MenuEditUndoClick();
    EXPECT_EQ(f.RichEdit->Text(), text);
}

// However many hits a Replace All makes, one Undo takes it back byte for
// byte and one Redo puts it back; the edit before it is the next step back,
// on the road of texts without line breaks and on the one with them.
TEST_F(ReplaceAllTest, OneUndoTakesBackAWholeReplaceAll)
{
    const auto replaced = [](std::string text, const std::string& s, const std::string& r) {
        for (size_t at = text.find(s); at != std::string::npos; at = text.find(s, at + r.size()))
            text.replace(at, s.size(), r);
        return text;
    };
    struct Run {
        const char* name;
        std::string text, find, replacement;
        int hits;
    };
    const Run runs[] = {
        {"ten thousand hits", lines(kHyo + "foo foo" + kNo + "\r\n", 5000), "foo", "Q", 10000},
        {"replacement with a line break", lines(kHyo + "hit" + kNo + "\r\n", 300), "hit", "\r\n" + kSo, 300},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        TForm1& f = open(run.text, 0);
        f.RichEdit->SetSelText("x");  // a step of its own, older than the run
        const std::string before = "x" + run.text;
        const std::string after = replaced(before, run.find, run.replacement);
        replaceAll({"", before, run.find, run.replacement}, run.hits);
        ASSERT_EQ(f.RichEdit->Text(), after);
        f.MenuEditUndoClick();
        ASSERT_EQ(f.RichEdit->Text(), before);
        f.MenuEditRedoClick();
        ASSERT_EQ(f.RichEdit->Text(), after);
        f.MenuEditUndoClick();
        f.MenuEditUndoClick();
        EXPECT_EQ(f.RichEdit->Text(), run.text);
        EXPECT_FALSE(f.UndoManager->CanUndo());
    }
}

// The touched lines come out coloured as a full recolouring colours them, and
// the lines between keep their colours.
TEST_F(ReplaceAllTest, TouchedLinesAreRecoloured)
{
    const std::string text = "\\section{" + kHyo + "x}\r\n% x " + kSo + "\r\nplain\r\n$x$ and x\r\n\\x";
    TForm1& f = open(text, 0);
    f.ColorizeAll();
    const Case c{"", text, "x", "\\emph{" + kNo + "}"};
    replaceAll(c, 5);
    const std::string after = f.RichEdit->Text();
    std::vector<CharFormat> formats;
    for (int i = 0; i < int(after.size()); ++i) formats.push_back(f.RichEdit->FormatAt(i));
    f.ColorizeAll();
    for (int i = 0; i < int(after.size()); ++i) ASSERT_EQ(f.RichEdit->FormatAt(i), formats[size_t(i)]) << "at " << i;
}

}  // namespace

// What is typed into the dialog is text from outside: the code point that
// carries an invalid byte in the editor goes in as "?", never as the byte.
TEST_F(ReplaceAllTest, TypedReplacementIsIncomingText)
{
    TForm1& f = open("a b a\r\n", 0);
    replaceAll({"raw byte", "a b a\r\n", "a", "\x81"}, 2);
    EXPECT_EQ(f.RichEdit->Text(), "? b ?\r\n");
}

// A replacement the document cannot take goes in as nothing, not as "?".
TEST_F(ReplaceAllTest, ReplacementTheDocumentCannotTakeIsRefused)
{
    TForm1& f = open("a b a\r\n", 0);
    f.MenuSearchReplaceClick();
    FormReplace->ui.EditFind->setText("a");
    FormReplace->ui.EditReplace->setText(QString::fromUtf8("\u00e9"));
    script().expectMessage({std::nullopt, FormReplace->windowTitle(), MB_OK | MB_ICONEXCLAMATION, IDOK});
    FormReplace->BtnReplaceAllClick();
    EXPECT_EQ(f.RichEdit->Text(), "a b a\r\n");
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_TRUE(script().messages()[0].text.contains(QString::fromUtf8("：\u00e9")));
}
