// The generic picker: what a chosen command becomes, how the list dialog
// reads a choice, the notice, the placement, and the pictures.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMouseEvent>

#include "core/session/Session.h"
#include "core/insertion/GlyphPicture.h"
#include "core/insertion/PickerBinding.h"
#include "math/MathLastUsed.h"
#include "tests/support/PickerDriver.h"

using namespace pickertest;

namespace {

constexpr picker::Row kRows[] = {
    {"\\one", "1"},
    {"\\two", "2"},
    {"\\three", "3", nullptr, nullptr, nullptr, true},
};

picker::Family probe(picker::Choice choice, picker::Finish finish)
{
    return picker::Family{
        .dialogName = "TFormProbe",
        .caption = "試験",
        .kind = picker::Kind::List,
        .choice = choice,
        .finish = finish,
        .width = 300,
        .height = 200,
        .emptyMessage = "空です",
        .messageCaption = "試験",
        .notice = "注意:\r\nlatexsym",
        .last = [](Session& s) { return &s.part<math::MathLastUsed>().LastMathKigou; },
        .rows = kRows,
    };
}

wrap::EditorState selection(const std::string& text)
{
    wrap::EditorState e;
    e.selLength = int(text.size());
    e.selText = text;
    return e;
}

struct PickerTest : ::testing::Test {
    TForm1 form;
    PickerDriver drive{form};
};

}  // namespace

TEST(PickerFinish, BlankAccentAndNothing)
{
    const picker::Family blank = probe(picker::Choice::Selected, picker::Finish::Blank);
    const picker::Family accent = probe(picker::Choice::Selected, picker::Finish::Accent);
    const picker::Family asIs = probe(picker::Choice::Selected, picker::Finish::AsIs);
    EXPECT_EQ(picker::finish(blank, "\\pm", {}), (wrap::Insertion{"\\pm "}));
    EXPECT_EQ(picker::finish(blank, "\\pm", selection("abc")), (wrap::Insertion{"\\pm "}));
    EXPECT_EQ(picker::finish(asIs, "A", selection("abc")), (wrap::Insertion{"A"}));
    EXPECT_EQ(picker::finish(accent, "\\hat", {}), (wrap::Insertion{"\\hat{}", 1}));
    // A selection over several lines goes inside the braces whole.
    EXPECT_EQ(picker::finish(accent, "\\hat", selection("a\r\n" + sjis("選") + "\r\n")),
              (wrap::Insertion{"\\hat{a\r\n" + sjis("選") + "\r\n}"}));
    // Nothing chosen is nothing to insert, whatever the family adds.
    for (const picker::Family* f : {&blank, &accent, &asIs}) {
        EXPECT_TRUE(picker::finish(*f, "", {}).text.empty());
        EXPECT_TRUE(picker::finish(*f, "", selection("x")).text.empty());
    }
    EXPECT_EQ(picker::entryCommand(blank, 3), "");
    EXPECT_EQ(picker::entryCommand(blank, -1), "");
    EXPECT_EQ(picker::validIndex(blank, 3), 0);
    EXPECT_EQ(picker::validIndex(blank, 2), 2);
}

TEST_F(PickerTest, ClickBesideTheItemsClearsTheChoiceButNotTheRememberedEntry)
{
    auto clickBeside = [](TPickerDialog& d) {
        PickerDriver::choose(d, 1);
        QWidget* viewport = d.ListView->viewport();
        const QPointF corner(viewport->width() - 3, viewport->height() - 3);
        ASSERT_FALSE(d.ListView->indexAt(corner.toPoint()).isValid());
        QMouseEvent press(QEvent::MouseButtonPress, corner, viewport->mapToGlobal(corner), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        EXPECT_TRUE(d.ListView->selectedItems().isEmpty());
        EXPECT_EQ(d.SelectedIndex, 1);
    };
    // Read from the selection: a warning, and the selection in the document stays.
    const picker::Family selected = probe(picker::Choice::Selected, picker::Finish::Blank);
    drive.load("[@" + sjis("選択") + "]", 4);
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            clickBeside(static_cast<TPickerDialog&>(d));
            return mrOk;
        });
        ask.expectMessage(QString::fromUtf8("空です"), QString::fromUtf8("試験"), MB_ICONEXCLAMATION, IDOK);
        picker::runDialog(form, selected);
    }
    EXPECT_EQ(form.RichEdit->Text(), "[" + sjis("選択") + "]");
    EXPECT_EQ(form.RichEdit->SelLength(), 4);
    EXPECT_EQ(form.part<math::MathLastUsed>().LastMathKigou, 1);

    // Read from the remembered entry: the entry selected last goes in.
    const picker::Family atIndex = probe(picker::Choice::AtIndex, picker::Finish::Blank);
    drive.load("@");
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            clickBeside(static_cast<TPickerDialog&>(d));
            return mrOk;
        });
        picker::runDialog(form, atIndex);
    }
    EXPECT_EQ(drive.state(), "\\two @");

    // A double-click anywhere in the list is OK.
    drive.load("@");
    testsupport::ScriptedAsk ask;
    ask.onDialog([&](QDialog& d) {
        auto& dialog = static_cast<TPickerDialog&>(d);
        PickerDriver::choose(dialog, 0);
        QWidget* viewport = dialog.ListView->viewport();
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dbl);
        return dialog.result();
    });
    picker::runDialog(form, selected);
    EXPECT_EQ(drive.state(), "\\one @");
}

TEST_F(PickerTest, NoticeComesAfterTheDialogAndBeforeTheText)
{
    const picker::Family family = probe(picker::Choice::Selected, picker::Finish::Blank);
    drive.load("@");
    testsupport::ScriptedAsk ask;
    ask.onDialog([](QDialog& d) {
        PickerDriver::choose(static_cast<TPickerDialog&>(d), 2);
        return mrOk;
    });
    std::string textAtNotice = "?";
    int notices = 0;
    ask::setMessageAnswerer([&](const ask::MessageRequest& r) {
        ++notices;
        EXPECT_EQ(r.text, QString::fromUtf8("注意:\r\nlatexsym"));
        EXPECT_EQ(r.flags, MB_ICONINFORMATION);
        textAtNotice = form.RichEdit->Text();
        return IDOK;
    });
    picker::runDialog(form, family);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(textAtNotice, "");
    EXPECT_EQ(drive.state(), "\\three @");
    // The other entries and the pop-up road give none.
    picker::pick(form, family, 2);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(drive.state(), "\\three \\three @");
}

TEST_F(PickerTest, OpensAtTheRememberedCentreWithoutDrift)
{
    const picker::Family family = probe(picker::Choice::Selected, picker::Finish::Blank);
    form.DialogCenterX = 320;
    form.DialogCenterY = 260;
    for (int i = 0; i < 3; ++i) {
        QPoint centre;
        int preselected = -1;
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            centre = d.geometry().center();
            preselected = static_cast<TPickerDialog&>(d).ListView->currentRow();
            return mrCancel;
        });
        form.part<math::MathLastUsed>().LastMathKigou = i == 2 ? 42 : 1;  // a stale index opens on the first entry
        picker::runDialog(form, family);
        EXPECT_NEAR(centre.x(), 320, 1);
        EXPECT_NEAR(centre.y(), 260, 1);
        EXPECT_EQ(form.DialogCenterX, 320);
        EXPECT_EQ(form.DialogCenterY, 260);
        EXPECT_EQ(preselected, i == 2 ? 0 : 1);
    }
}

TEST(GlyphPicture, TextFormulaAndNothing)
{
    auto inkRows = [](const QString& description) {
        const QImage image = glyph::pixmap(description, 32).toImage();
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        return std::pair{top, bottom};
    };
    const auto plain = inkRows("AB");
    const auto over = inkRows("AB^→");
    const auto under = inkRows("AB_⏟");
    ASSERT_GE(plain.first, 0);
    // The mark adds ink above, or below, the letters.
    EXPECT_LT(over.first, plain.first);
    EXPECT_GT(under.second, plain.second);
    // Nothing is an empty frame, not a blank square.
    EXPECT_GE(inkRows("").first, 0);
    // A big symbol is shrunk into the square rather than cut off.
    const QImage big = glyph::pixmap("∑", 32).toImage();
    for (int x = 0; x < 32; ++x) EXPECT_GT(qGray(big.pixel(x, 0)), 128) << x;
    // Drawn once.
    EXPECT_EQ(glyph::pixmap("∫", 24).cacheKey(), glyph::pixmap("∫", 24).cacheKey());
    EXPECT_TRUE(glyph::drawable("∫→α"));
}
