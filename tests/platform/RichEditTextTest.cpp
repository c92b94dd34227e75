// The editor's byte model: offsets, lines, snapping, selection and the
// bytes it hands back.
#include "platform/Cp932.h"
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"

#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

const std::string A = "\x82\xa0";    // あ
const std::string I = "\x82\xa2";    // い
const std::string KAN = "\x8a\xbf";  // 漢

// "a" あ CR LF い : a=0, あ=1..2, CR=3, LF=4, い=5..6, end=7
const std::string kSmall = "a" + A + "\r\n" + I;

TEST(RichEditText, SetTextRoundTripAndLength)
{
    TRichEdit e;
    e.SetText(kSmall);
    EXPECT_EQ(e.Text(), kSmall);
    EXPECT_EQ(e.GetTextLen(), 7);
    EXPECT_EQ(e.toPlainText(), QString::fromUtf8("aあ\nい"));
    e.SetText("");
    EXPECT_EQ(e.Text(), "");
    EXPECT_EQ(e.LineCount(), 1);
    // A lone CR or LF breaks the line too.
    e.SetText("a\nb\rc\r\nd");
    EXPECT_EQ(e.Text(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(e.LineIndex(3), 9);
}

TEST(RichEditText, LinesAreLogicalWhateverTheWrap)
{
    TRichEdit e;
    e.resize(60, 200);
    e.SetWordWrap(true);
    const std::string longLine(400, 'x');
    e.SetText(kSmall + "\r\n" + longLine + "\r\n");
    EXPECT_EQ(e.LineCount(), 4);
    struct Case {
        int pos, line;
    } cases[] = {{0, 0}, {3, 0}, {4, 0}, {5, 1}, {7, 1}, {9, 2}, {9 + 400, 2}, {9 + 402, 3}, {100000, 3}, {-7, 0}};
    for (const Case& c : cases) EXPECT_EQ(e.LineFromChar(c.pos), c.line) << c.pos;
    EXPECT_EQ(e.LineIndex(0), 0);
    EXPECT_EQ(e.LineIndex(1), 5);
    EXPECT_EQ(e.LineIndex(2), 9);
    EXPECT_EQ(e.LineIndex(3), 411);
    EXPECT_EQ(e.LineIndex(4), -1);
    EXPECT_EQ(e.LineLength(0), 3);
    EXPECT_EQ(e.LineLength(2), 400);
    EXPECT_EQ(e.Line(1), I);
    e.SetSelStart(6);
    EXPECT_EQ(e.LineFromChar(-1), 1);
    EXPECT_EQ(e.LineIndex(-1), 5);
}

TEST(RichEditText, PositionsSnapAndClamp)
{
    TRichEdit e;
    e.SetText(kSmall);
    struct Case {
        int pos;
        BreakSide side;
        int expected;
    } cases[] = {
        {-5, BreakSide::BeforeCR, 0}, {0, BreakSide::BeforeCR, 0}, {1, BreakSide::BeforeCR, 1},
        {2, BreakSide::BeforeCR, 1},  // inside あ
        {3, BreakSide::BeforeCR, 3},  {4, BreakSide::BeforeCR, 3}, {4, BreakSide::AfterLF, 5},
        {5, BreakSide::AfterLF, 5},   {6, BreakSide::BeforeCR, 5}, {7, BreakSide::BeforeCR, 7},
        {100, BreakSide::AfterLF, 7},
    };
    for (const Case& c : cases) {
        e.SetCaret(c.pos, c.side);
        EXPECT_EQ(e.SelStart(), c.expected) << c.pos;
        EXPECT_EQ(e.SelLength(), 0);
    }
    EXPECT_EQ(e.toQtPosition(3), 2);
    EXPECT_EQ(e.toQtPosition(5), 3);
    EXPECT_EQ(e.toQtPosition(7), 4);
    EXPECT_EQ(e.fromQtPosition(2), 3);
    EXPECT_EQ(e.fromQtPosition(3), 5);
}

TEST(RichEditText, SelectionGetSetAndReplace)
{
    TRichEdit e;
    e.SetText(kSmall);
    e.Select(1, 3);  // あ and up to between CR and LF: the break stays out
    EXPECT_EQ(e.SelStart(), 1);
    EXPECT_EQ(e.SelLength(), 2);
    e.Select(1, 3, BreakSide::AfterLF);
    EXPECT_EQ(e.SelLength(), 4);
    EXPECT_EQ(e.SelText(), A + "\r\n");
    EXPECT_TRUE(e.SetSelText(KAN));
    EXPECT_EQ(e.Text(), "a" + KAN + I);
    EXPECT_EQ(e.SelStart(), 3);
    EXPECT_EQ(e.SelLength(), 0);

    e.SetSelStart(1);
    e.SetSelLength(2);
    EXPECT_EQ(e.SelText(), KAN);
    e.SetSelStart(0);
    EXPECT_EQ(e.SelLength(), 0);

    e.SelectAllText();
    EXPECT_EQ(e.SelLength(), e.GetTextLen());
    EXPECT_TRUE(e.SetSelText("x\ny\rz\r\n"));
    EXPECT_EQ(e.Text(), "x\r\ny\r\nz\r\n");
    EXPECT_EQ(e.LineCount(), 4);
    EXPECT_EQ(e.TextRange(3, 4), "y");
    EXPECT_EQ(e.TextRange(-3, 1), "x");
}

// CP932 has codes that no converter re-encodes to themselves; lines the user
// did not touch must come back as they were read.
TEST(RichEditText, DuplicateCodesAndInvalidBytesSurviveEdits)
{
    const std::string nec = "\x87\x90";  // NEC row 13 duplicate of 81 E0
    const std::string ibm = "\xed\x40";  // NEC-selected IBM duplicate of FA 5C
    const std::string bad = "\x85\x40\xa0\xfd";
    const std::string line1 = "a" + nec + "b" + ibm;
    const std::string line3 = bad + nec;
    TRichEdit e;
    e.SetText(line1 + "\r\nline2\r\n" + line3);
    ASSERT_EQ(e.Text(), line1 + "\r\nline2\r\n" + line3);
    EXPECT_EQ(e.LineLength(2), int(line3.size()));

    e.SetCaret(e.LineIndex(1) + 5, BreakSide::BeforeCR);
    edtest::typeText(&e, "X");
    EXPECT_EQ(e.Text(), line1 + "\r\nline2X\r\n" + line3);

    // Typing inside a line keeps the codes around the edit as well.
    e.SetCaret(1, BreakSide::BeforeCR);
    edtest::typeText(&e, QString::fromUtf8("漢"));
    e.SetCaret(e.LineIndex(2) + int(line3.size()), BreakSide::BeforeCR);
    edtest::sendKey(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.Text(), "a" + KAN + nec + "b" + ibm + "\r\nline2X\r\n" + bad);

    // Text handed to SetSelText keeps its codes too.
    e.SetCaret(0, BreakSide::BeforeCR);
    e.SetSelText(ibm + "\r\n" + nec);
    EXPECT_EQ(e.TextRange(0, 6), ibm + "\r\n" + nec);
}

TEST(RichEditText, LimitRefusesAnInsertionWhole)
{
    TRichEdit e;
    edtest::EventLog log;
    log.attach(e);
    e.SetMaxLength(10);
    e.SetText("12345678");
    e.SetCaret(8, BreakSide::BeforeCR);
    log.clear();
    EXPECT_FALSE(e.SetSelText("abc"));
    EXPECT_EQ(e.Text(), "12345678");
    EXPECT_TRUE(log.entries.empty());
    edtest::typeText(&e, "xyz");
    EXPECT_EQ(e.Text(), "12345678xy");
    edtest::typeText(&e, QString::fromUtf8("あ"));
    EXPECT_EQ(e.GetTextLen(), 10);
    // Replacing a selection counts what it removes.
    e.Select(0, 2);
    EXPECT_TRUE(e.SetSelText(A));
    EXPECT_EQ(e.Text(), A + "345678xy");
    // SetText itself is not cut short.
    e.SetText(std::string(20, 'q'));
    EXPECT_EQ(e.GetTextLen(), 20);
}

TEST(RichEditText, ModifiedFlagFollowsEdits)
{
    TRichEdit e;
    e.SetText("abc");
    EXPECT_TRUE(e.Modified());
    e.SetModified(false);
    e.Select(0, 2);
    EXPECT_FALSE(e.Modified());
    e.SetSelText("");
    EXPECT_TRUE(e.Modified());
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.document()->isUndoRedoEnabled());
}

}  // namespace

namespace {

// Whatever edits Qt's own cursor makes, the byte model must match the
// document: the text, the lines and the mapping.
TEST(RichEditText, ModelFollowsArbitraryDocumentEdits)
{
    TRichEdit e;
    e.resize(200, 200);
    const QString pieces[] = {QString::fromUtf8("漢字"), "ab", "\n", QString::fromUtf8("か\nな"), "", "x\n\ny",
                              QString::fromUtf8("　")};
    e.SetText(cp932::encode(QString::fromUtf8("一行目\nsecond\n三")));
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(n));
    };
    for (int step = 0; step < 400; ++step) {
        const int chars = e.document()->characterCount() - 1;
        QTextCursor c(e.document());
        const int a = next(chars + 1), b = next(chars + 1);
        c.setPosition(a);
        c.setPosition(b, QTextCursor::KeepAnchor);
        if (next(3) == 0)
            c.removeSelectedText();
        else
            c.insertText(pieces[next(7)]);
        if (next(50) == 0) e.SetWordWrap(!e.WordWrap());

        QString plain = e.toPlainText();
        plain.replace('\n', QLatin1String("\r\n"));
        const std::string expected = cp932::encode(plain);
        ASSERT_EQ(e.Text(), expected) << "step " << step;
        ASSERT_EQ(e.GetTextLen(), int(expected.size()));
        ASSERT_EQ(e.LineCount(), e.document()->blockCount());
        const int line = next(e.LineCount());
        const QTextBlock block = e.document()->findBlockByNumber(line);
        ASSERT_EQ(e.LineIndex(line), int(cp932::encode(plain.left(block.position() + line)).size()));
        ASSERT_EQ(e.fromQtPosition(block.position()), e.LineIndex(line));
        ASSERT_EQ(e.toQtPosition(e.LineIndex(line)), block.position());
    }
}

}  // namespace
