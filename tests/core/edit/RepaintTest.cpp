// What the main window repaints for a key: the editor's changed line and
// caret, and of the status bar only a panel whose text changed.
#include "tests/core/FormFixture.h"
#include "tests/support/PaintMeter.h"

#include <QLabel>

namespace {

std::string longDocument(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "\\section{\x93\xfa\x96\x7b} text $x^2$ & y % " + std::to_string(i) + "\r\n";
    return text;
}

class Repaint : public FormFixture {
public:
    paint::PaintMeter meter;
    QWidget* viewport = nullptr;

    void SetUp() override
    {
        FormFixture::SetUp();
        form->LoadColorSettings();
        viewport = ed->viewport();
        meter.watch(viewport);
        meter.watch(form->StatusBar);
        for (QLabel* panel : form->StatusPanels) meter.watch(panel);
    }
    void loadLong(bool colour)
    {
        form->AutoColor = colour;
        const std::string text = longDocument(4000);
        load(text, ed->LineIndex(0));
        if (colour) form->ColorizeAll();
        ed->SetSelStart(ed->LineIndex(2000) + 3);
        ed->ScrollCaret();
        form->UpdateCaretPosPanel();
    }
    double step(const std::function<void()>& f)
    {
        meter.start();
        f();
        meter.stop();
        return meter.area(viewport);
    }
    double viewportArea() const { return double(viewport->width()) * viewport->height(); }
    bool panelPainted(int i) const { return meter.painted(form->StatusPanels[size_t(i)]); }
};

TEST_F(Repaint, KeysAndUndoRepaintLittleOfTheEditor)
{
    for (const bool colour : {false, true}) {
        SCOPED_TRACE(colour ? "colour on" : "colour off");
        loadLong(colour);
        const double limit = viewportArea() / 4;
        EXPECT_LT(step([&] { type("r"); }), limit);
        EXPECT_LT(step([&] { type("e"); }), limit);
        EXPECT_LT(step([&] { key(Qt::Key_Backspace); }), limit);
        EXPECT_LT(step([&] { key(Qt::Key_Delete); }), limit);
        EXPECT_LT(step([&] { type("ef"); }), limit);
        EXPECT_LT(step([&] { undo(); }), limit);
        EXPECT_LT(step([&] { redo(); }), limit);
        ed->SetSelStart(ed->LineIndex(2000) + 3);
        EXPECT_GT(step([&] { type("x"); }), 0);
    }
    // The caret line got its colours on the way: "\sex..." is no command of
    // the table.
    const int line = ed->LineIndex(2000);
    EXPECT_EQ(ed->Line(2000).substr(0, 4), "\\sex");
    EXPECT_EQ(ed->FormatAt(line).color, form->ColorClasses.GenTeXColor);
    EXPECT_EQ(ed->FormatAt(ed->LineIndex(1999)).color, 0x000080u) << "\\section, as the table colours it";
}

TEST_F(Repaint, OnlyAPanelWhoseTextChangesIsRepainted)
{
    loadLong(true);
    type("a");  // the document is modified from here on
    meter.start();
    type("b");
    meter.stop();
    EXPECT_TRUE(panelPainted(0)) << "the column moved";
    for (int i : {1, 2, 3}) EXPECT_FALSE(panelPainted(i)) << i;
    EXPECT_FALSE(meter.painted(form->StatusBar)) << "nothing behind the panels";

    meter.start();
    key(Qt::Key_Right);
    meter.stop();
    EXPECT_TRUE(panelPainted(0));
    for (int i : {1, 2, 3}) EXPECT_FALSE(panelPainted(i)) << i;
    EXPECT_FALSE(meter.painted(form->StatusBar));

    // A selection drawn from the caret leaves the caret panel's text as it is.
    const QString caret = form->StatusPanelText(0);
    meter.start();
    key(Qt::Key_Right, Qt::ShiftModifier);
    meter.stop();
    EXPECT_EQ(form->StatusPanelText(0), caret);
    for (int i : {0, 1, 2, 3}) EXPECT_FALSE(panelPainted(i)) << i;
    EXPECT_FALSE(meter.painted(form->StatusBar));
}

}  // namespace
