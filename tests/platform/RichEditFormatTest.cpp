// Character formats: applied without touching text, events or the modified
// flag, read back with uniform flags, and kept through relayout and edits.
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"

#include <QImage>
#include <QInputMethodEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

const CharFormat kCommand{0x000080, true, false, false, false};
const CharFormat kComment{0x808040, false, true, false, false};
const CharFormat kBlank{0x0000FF, false, false, true, false};

struct RichEditFormat : ::testing::Test {
    TRichEdit e;
    edtest::EventLog log;
    void SetUp() override
    {
        e.resize(300, 200);
        e.SetDefaultFormat(CharFormat{});
        // \section{A} %c
        // 　x
        e.SetText("\\section{A} %c\r\n\x81\x40x");
        e.SetModified(false);
        log.attach(e);
    }
    // Colour of the first layout format over the block's character at.
    QColor layoutColorAt(int line, int at)
    {
        QCoreApplication::processEvents();
        const QTextBlock b = e.document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange& r : b.layout()->formats())
            if (at >= r.start && at < r.start + r.length) return r.format.foreground().color();
        return QColor();
    }
};

TEST_F(RichEditFormat, ApplyingRaisesNothingAndKeepsTheModifiedFlag)
{
    e.SetCaret(3, BreakSide::BeforeCR);
    log.clear();
    e.SetFormat(0, 8, kCommand);
    e.SetFormat(12, 2, kComment);
    e.SetFormat(16, 2, kBlank);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_FALSE(e.Modified());
    EXPECT_EQ(e.SelStart(), 3);
    EXPECT_EQ(e.Text(), "\\section{A} %c\r\n\x81\x40x");
    EXPECT_EQ(layoutColorAt(0, 0), QColor(0x80, 0, 0));
    EXPECT_EQ(layoutColorAt(1, 0), QColor(0xFF, 0, 0));
}

TEST_F(RichEditFormat, ReadBackWithUniformFlags)
{
    e.SetFormat(0, 8, kCommand);
    RangeFormat r = e.GetFormat(0, 8);
    EXPECT_EQ(r.format, kCommand);
    EXPECT_TRUE(r.colorUniform && r.boldUniform && r.italicUniform && r.underlineUniform && r.strikeOutUniform);

    r = e.GetFormat(2, 8);  // into the default-formatted "{A"
    EXPECT_EQ(r.format, kCommand);
    EXPECT_FALSE(r.colorUniform);
    EXPECT_FALSE(r.boldUniform);
    EXPECT_TRUE(r.italicUniform);

    // The break between lines has no format of its own.
    e.SetFormat(12, 6, kComment);
    r = e.GetFormat(12, 6);
    EXPECT_TRUE(r.colorUniform && r.italicUniform);
    EXPECT_EQ(r.format, kComment);

    // A range starting inside a double-byte character starts at the character.
    e.SetFormat(17, 1, kBlank);
    EXPECT_EQ(e.FormatAt(16), kBlank);
    EXPECT_EQ(e.FormatAt(13), kComment);

    // Setting the default format back removes a format.
    e.SetFormat(0, 14, CharFormat{});
    r = e.GetFormat(0, 14);
    EXPECT_TRUE(r.colorUniform && r.boldUniform && r.italicUniform);
    EXPECT_EQ(r.format, CharFormat{});
}

TEST_F(RichEditFormat, SurviveWordWrapAndEditsElsewhere)
{
    e.SetFormat(0, 8, kCommand);
    e.SetFormat(16, 2, kBlank);
    e.SetWordWrap(false);
    e.SetWordWrap(true);
    EXPECT_EQ(e.FormatAt(0), kCommand);
    EXPECT_EQ(layoutColorAt(0, 3), QColor(0x80, 0, 0));

    // Typing on the second line leaves the first alone; typing before a
    // format on the same line moves it along.
    e.SetCaret(18, BreakSide::BeforeCR);
    edtest::typeText(&e, "yz");
    EXPECT_EQ(e.FormatAt(0), kCommand);
    EXPECT_EQ(layoutColorAt(0, 3), QColor(0x80, 0, 0));
    e.SetCaret(16, BreakSide::BeforeCR);
    edtest::typeText(&e, "ab");
    EXPECT_EQ(e.FormatAt(16), CharFormat{});
    EXPECT_EQ(e.FormatAt(18), kBlank);
    EXPECT_EQ(layoutColorAt(1, 2), QColor(0xFF, 0, 0));
    EXPECT_GT(e.document()->findBlockByNumber(1).layout()->lineCount(), 0);

    // A new line split off a formatted one takes the formats after the split.
    e.SetCaret(4, BreakSide::BeforeCR);
    e.SetSelText("\r\n");
    EXPECT_EQ(e.FormatAt(0), kCommand);
    EXPECT_EQ(e.FormatAt(6), kCommand);
    EXPECT_EQ(e.FormatAt(10), CharFormat{});
    EXPECT_EQ(layoutColorAt(1, 0), QColor(0x80, 0, 0));

    e.ClearFormats();
    EXPECT_EQ(e.FormatAt(0), CharFormat{});
    EXPECT_FALSE(layoutColorAt(0, 0).isValid());
}

}  // namespace

namespace {

TEST_F(RichEditFormat, KeptThroughCompositionAndFontChange)
{
    e.SetFormat(0, 8, kCommand);
    e.SetFormat(12, 2, kComment);
    e.SetCaret(11, BreakSide::BeforeCR);
    QInputMethodEvent pre(QString::fromUtf8("かな"), {});
    QApplication::sendEvent(&e, &pre);
    // While composing, the formats after the caret sit past the preedit text.
    EXPECT_EQ(layoutColorAt(0, 14), QColor(0x40, 0x80, 0x80));
    EXPECT_FALSE(layoutColorAt(0, 13).isValid());
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("仮"));
    QApplication::sendEvent(&e, &commit);
    EXPECT_EQ(e.FormatAt(0), kCommand);
    EXPECT_EQ(e.FormatAt(14), kComment);
    EXPECT_EQ(layoutColorAt(0, 0), QColor(0x80, 0, 0));
    EXPECT_EQ(layoutColorAt(0, 13), QColor(0x40, 0x80, 0x80));

    QFont f = e.font();
    f.setPointSize(f.pointSize() + 4);
    e.SetEditorFont(f);
    EXPECT_EQ(layoutColorAt(0, 0), QColor(0x80, 0, 0));
    EXPECT_EQ(e.FormatAt(0), kCommand);
}

}  // namespace

namespace {

// The formats reach the screen, not only the model.
TEST(RichEditPaint, FormatsArePainted)
{
    TRichEdit e;
    e.resize(300, 80);
    e.SetText("\\section \\section \\section");
    e.show();
    auto redPixels = [&] {
        QCoreApplication::processEvents();
        const QImage img = e.viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        return n;
    };
    EXPECT_EQ(redPixels(), 0);
    e.SetFormat(0, 8, CharFormat{0x0000FF, true});
    EXPECT_GT(redPixels(), 20);
    e.SetFormat(0, 8, CharFormat{});
    EXPECT_EQ(redPixels(), 0);
}

}  // namespace
