// What an edit repaints: the lines it changed and the caret, not the
// viewport; and what the screen then shows is what a fresh paint shows.
#include "platform/RichEdit.h"
#include "tests/support/EditorTestUtil.h"
#include "tests/support/PaintMeter.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

const CharFormat kCommand{0x000080, true};
const CharFormat kOther{0x008000, false, true};
const CharFormat kComment{0x808040, false, true};

// "\section{N} words $x$ % note" per line; the long lines wrap.
std::string documentOf(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += "\\section{" + std::to_string(i) + "} words \x82\xa0\x82\xa2 $x$ % note";
        if (i % 7 == 3) text += " and a longer tail that makes this line wrap in a narrow window";
        if (i + 1 < lines) text += "\r\n";
    }
    return text;
}

struct RichEditRepaint : ::testing::Test {
    TRichEdit e;
    paint::PaintMeter meter;
    bool colour = false;
    int recoloured = 0;

    void SetUp() override
    {
        e.resize(520, 320);
        e.SetDefaultFormat(CharFormat{});
        e.SetWordWrap(true);
        e.show();
        QApplication::setActiveWindow(&e);
        e.setFocus();
        meter.watch(e.viewport());
        // As the main window does with colour syntax on: the caret's line is
        // coloured again after every change, here alternating the command's
        // format so that the line's formats really change.
        e.OnChange = [this] {
            if (colour) colourLine(e.LineFromChar(-1), ++recoloured % 2 ? kOther : kCommand);
        };
    }
    void load(int lines, bool coloured)
    {
        colour = coloured;
        e.SetText(documentOf(lines));
        if (coloured)
            for (int i = 0; i < e.LineCount(); ++i) colourLine(i, kCommand);
    }
    void colourLine(int line, const CharFormat& command)
    {
        const int start = e.LineIndex(line);
        const std::string text = e.Line(line);
        std::vector<FormatSpan> spans;
        const size_t brace = text.find('{');
        const size_t percent = text.find('%');
        if (brace == std::string::npos || percent == std::string::npos || percent < brace) {
            spans.push_back({start, int(text.size()), CharFormat{}});
        } else {
            spans.push_back({start, int(brace), command});
            spans.push_back({start + int(brace), int(percent - brace), CharFormat{}});
            spans.push_back({start + int(percent), int(text.size() - percent), kComment});
        }
        e.SetFormats(spans);
    }
    void caretTo(int line, int offset = 0)
    {
        e.SetSelStart(e.LineIndex(line) + offset);
        e.ScrollCaret();
    }
    double viewportArea() const { return double(e.viewport()->width()) * e.viewport()->height(); }
    // What the window shows now, against the viewport painted afresh.
    bool screenIsFresh()
    {
        paint::settle();
        const QPoint at = e.viewport()->mapTo(&e, QPoint(0, 0));
        const QImage shown = QGuiApplication::primaryScreen()
                                 ->grabWindow(e.winId(), at.x(), at.y(), e.viewport()->width(), e.viewport()->height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = e.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return !shown.isNull() && shown == fresh;
    }
};

TEST_F(RichEditRepaint, AnEditInTheMiddleRepaintsItsLineAndTheCaret)
{
    for (const bool coloured : {false, true}) {
        SCOPED_TRACE(coloured ? "colour on" : "colour off");
        load(4000, coloured);
        caretTo(2000);
        auto repainted = [&](const std::function<void()>& step) {
            meter.start();
            step();
            meter.stop();
            return meter.area(e.viewport());
        };
        const double limit = viewportArea() / 4;
        EXPECT_LT(repainted([&] { edtest::typeText(&e, "a"); }), limit);
        EXPECT_LT(repainted([&] { edtest::typeText(&e, QString::fromUtf8("\u3042")); }), limit);
        EXPECT_LT(repainted([&] { edtest::sendKey(&e, Qt::Key_Backspace); }), limit);
        EXPECT_LT(repainted([&] { edtest::sendKey(&e, Qt::Key_Delete); }), limit);
        // Undo puts text back and takes it out through the selection.
        EXPECT_LT(repainted([&] {
                      e.Select(e.SelStart(), 3);
                      e.SetSelText("");
                  }),
                  limit);
        EXPECT_LT(repainted([&] { e.SetSelText("\\ref"); }), limit);
        // The caret line recoloured on its own.
        EXPECT_LT(repainted([&] { colourLine(2000, kOther); }), limit);
        EXPECT_GT(repainted([&] { edtest::typeText(&e, "c"); }), 0);
    }
}

TEST_F(RichEditRepaint, TheScreenShowsWhatAFreshPaintShows)
{
    load(200, true);
    caretTo(100);
    ASSERT_TRUE(screenIsFresh());
    edtest::typeText(&e, "ab");
    EXPECT_TRUE(screenIsFresh());
    edtest::sendKey(&e, Qt::Key_Backspace);
    EXPECT_TRUE(screenIsFresh());

    // Typing at the end of a line until it wraps onto one more: the lines
    // below it move down.
    caretTo(101, e.LineLength(101));
    const QTextBlock block = e.document()->findBlockByNumber(101);
    const int lines = block.layout()->lineCount();
    for (int i = 0; i < 200 && block.layout()->lineCount() == lines; ++i) {
        edtest::typeText(&e, "w");
        paint::settle();
    }
    ASSERT_GT(block.layout()->lineCount(), lines);
    EXPECT_TRUE(screenIsFresh());
    // And back: the lines below move up again.
    for (int i = 0; i < 200 && block.layout()->lineCount() > lines; ++i) {
        edtest::sendKey(&e, Qt::Key_Backspace);
        paint::settle();
    }
    EXPECT_TRUE(screenIsFresh());

    e.SetSelText("x\r\ny");
    EXPECT_TRUE(screenIsFresh());
    edtest::sendKey(&e, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(screenIsFresh());
    colourLine(e.LineFromChar(-1) - 1, kOther);
    EXPECT_TRUE(screenIsFresh());
    e.Select(e.LineIndex(95), e.LineIndex(99) - e.LineIndex(95));
    e.SetSelText("");
    EXPECT_TRUE(screenIsFresh());
}

}  // namespace
