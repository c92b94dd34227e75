// Line breaks of edited documents, typed in the main window and saved.
#include <gtest/gtest.h>

#include <random>

#include "app/Form1.h"
#include "tests/core/files/FilesTestSupport.h"
#include "tests/support/EditorTestUtil.h"

using namespace filestest;

namespace {

class FilesBreaks : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Answers answers;
    TForm1 form;

    FilesBreaks()
    {
        if (!form.Item("MenuFileNew")) form.BuildFileCommands();
    }
    QString open(const std::string& bytes)
    {
        const QString doc = dir.filePath("doc.tex");
        writeBytes(doc, bytes);
        EXPECT_TRUE(form.LoadFile(doc));
        return doc;
    }
    void caretAt(int pos) { form.RichEdit->SetSelStart(pos); }
    int lineEnd(int line) const { return form.RichEdit->LineIndex(line) + form.RichEdit->LineLength(line); }
    void key(int k, const QString& text = {}) { edtest::sendKey(form.RichEdit, k, Qt::NoModifier, text); }
    void type(char c) { key(QChar(c).toUpper().unicode(), QString(QChar(c))); }
};

}  // namespace

TEST_F(FilesBreaks, EditsKeepTheBreaksOfTheLinesTheyLeaveWhole)
{
    // Typed at the end of the first and the last line: the LF of the line
    // between stays.
    QString doc = open("a\r\nb\nc\r\nd\r\n");
    caretAt(lineEnd(0));
    type('z');
    caretAt(lineEnd(3));
    type('z');
    form.MenuFileSaveClick();
    EXPECT_EQ(readBytes(doc), "az\r\nb\nc\r\ndz\r\n");

    // A new line after a line of its own kind of break takes the file's
    // most frequent one; the line it follows keeps its own.
    doc = open("a\nb\rc\nd\n");
    caretAt(lineEnd(1));
    key(Qt::Key_Return);
    type('n');
    form.MenuFileSaveClick();
    EXPECT_EQ(readBytes(doc), "a\nb\rn\nc\nd\n");

    // Two lines joined by Backspace and parted again by Undo are the file's
    // own lines once more, breaks included.
    doc = open("one\ntwo\r\nthree\rfour\n");
    caretAt(form.RichEdit->LineIndex(2));
    key(Qt::Key_Backspace, "\b");
    ASSERT_EQ(form.RichEdit->Text(), "one\r\ntwothree\r\nfour\r\n");
    form.MenuEditUndoClick();
    ASSERT_EQ(form.RichEdit->Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    caretAt(lineEnd(3));
    type('s');
    form.MenuFileSaveClick();
    EXPECT_EQ(readBytes(doc), "one\ntwo\r\nthree\rfours\n");
    EXPECT_TRUE(answers.messages.empty());
}

// Random files of mixed breaks, random edits on random lines, each saved:
// every line that no edit split or joined ends in the break it had in the
// file (typing inside it included), and every line the edits added ends in
// the file's most frequent break.
TEST_F(FilesBreaks, RandomEditsLeaveTheOtherLinesBreaksAsTheyWere)
{
    enum class State { Whole, New, Parted };
    struct Line {
        std::string text;
        std::string brk;  // the break the file had after it ("" for none)
        State state = State::Whole;
    };
    const char* const kinds[] = {"\r\n", "\n", "\r"};
    const std::string pieces[] = {"a", "b", "x", "\\", "{", "%", "\x93\xfa", "\x8c\xea", "\x95\x5c"};
    std::mt19937 random(36);
    auto below = [&](int n) { return int(random() % unsigned(n)); };

    int checkedLines = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // One kind of break is the most frequent by a margin.
        const int dominant = below(3);
        std::vector<Line> lines(size_t(4 + below(10)));
        std::string file;
        for (Line& l : lines) {
            const int pieceCount = 1 + below(5);
            for (int i = 0; i < pieceCount; ++i) l.text += pieces[below(9)];
            l.brk = kinds[below(3) < 2 ? dominant : below(3)];
        }
        const bool finalBreak = below(2) == 0;
        if (!finalBreak) lines.back().brk.clear();
        int counts[3] = {};
        for (const Line& l : lines)
            for (int k = 0; k < 3; ++k) counts[k] += l.brk == kinds[k];
        bool strict = true;
        for (int k = 0; k < 3; ++k) strict = strict && (k == dominant || counts[dominant] > counts[k]);
        if (!strict) continue;
        for (const Line& l : lines) file += l.text + l.brk;
        const QString doc = open(file);

        // The editor's line of each model line; a file ending in a break has
        // an empty last line the edits leave alone.
        auto editable = [&] { return int(lines.size()); };
        for (int step = 0; step < 8; ++step) {
            const int at = below(editable());
            Line& l = lines[size_t(at)];
            const int start = form.RichEdit->LineIndex(at);
            // Character boundaries of the line.
            std::vector<int> bounds{0};
            for (size_t b = 0; b < l.text.size();) {
                const unsigned char c = static_cast<unsigned char>(l.text[b]);
                b += (c >= 0x81 && c <= 0x9f) || c >= 0xe0 ? 2 : 1;
                bounds.push_back(int(b));
            }
            switch (below(5)) {
                case 0: {  // a letter typed inside the line
                    const int offset = bounds[size_t(below(int(bounds.size())))];
                    caretAt(start + offset);
                    type('t');
                    l.text.insert(size_t(offset), "t");
                    break;
                }
                case 1: {  // a new line after it, with a letter in it
                    caretAt(start + int(l.text.size()));
                    key(Qt::Key_Return);
                    type('n');
                    lines.insert(lines.begin() + at + 1, Line{"n", "", State::New});
                    break;
                }
                case 2: {  // the line split inside
                    if (bounds.size() < 3) break;
                    const int offset = bounds[size_t(1 + below(int(bounds.size()) - 2))];
                    caretAt(start + offset);
                    key(Qt::Key_Return);
                    Line back{l.text.substr(size_t(offset)), "", State::Parted};
                    l.text.resize(size_t(offset));
                    l.state = State::Parted;
                    lines.insert(lines.begin() + at + 1, back);
                    break;
                }
                case 3: {  // joined to the line before it
                    if (at == 0) break;
                    caretAt(start);
                    key(Qt::Key_Backspace, "\b");
                    Line& before = lines[size_t(at - 1)];
                    before.text += l.text;
                    before.state = State::Parted;
                    lines.erase(lines.begin() + at);
                    break;
                }
                default: {  // the next line joined to it
                    if (at + 1 >= editable()) break;
                    caretAt(start + int(l.text.size()));
                    key(Qt::Key_Delete, "\x7f");
                    l.text += lines[size_t(at + 1)].text;
                    l.state = State::Parted;
                    lines.erase(lines.begin() + at + 1);
                    break;
                }
            }
        }
        std::string expectedText;
        for (size_t i = 0; i < lines.size(); ++i) expectedText += (i ? "\r\n" : "") + lines[i].text;
        if (finalBreak) expectedText += "\r\n";
        ASSERT_EQ(form.RichEdit->Text(), expectedText);
        form.RichEdit->SetModified(true);
        form.MenuFileSaveClick();

        // Walk the saved bytes line by line: the lines' texts are known, and
        // none of them is empty, so each break is read without doubt.
        const std::string saved = readBytes(doc);
        size_t pos = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& l = lines[i];
            ASSERT_EQ(saved.compare(pos, l.text.size(), l.text), 0) << "line " << i;
            pos += l.text.size();
            std::string brk;
            if (pos < saved.size() && saved[pos] == '\r') brk += saved[pos++];
            if (pos < saved.size() && saved[pos] == '\n') brk += saved[pos++];
            const bool last = i + 1 == lines.size();
            if (last && !finalBreak) {
                EXPECT_EQ(brk, "") << "line " << i;
                continue;
            }
            if (l.state == State::Parted) continue;
            // A line that had no break (the file's last) and has one now got
            // it from the edits.
            const std::string want = l.state == State::New || l.brk.empty() ? kinds[dominant] : l.brk;
            EXPECT_EQ(brk, want) << "line " << i << " \"" << l.text << "\"";
            ++checkedLines;
        }
        EXPECT_EQ(pos, saved.size());
    }
    EXPECT_GT(checkedLines, 1000);
    EXPECT_TRUE(answers.messages.empty());
}
