// Colouring through the editor adapter: formats land on the right bytes,
// and the document's state (modified flag, caret, events) is left alone.
#include "app/Form1.h"
#include "core/colour/ColorScanner.h"
#include "forms/FormProgBar.h"
#include "platform/Cp932.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

const CharFormat kHeading{0x000080, true};

class Colorize : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.LoadColorSettings();
        form.AutoColor = true;
        form.FontColor = 0x000000;
        if (!form.Item("ToolButtonColorStructure")) form.BuildColorCommands();
        edit = form.RichEdit;
        edit->OnChange = [this] { ++changes; };
        edit->OnSelectionChange = [this] { ++selectionChanges; };
    }
    void load(const std::string& text)
    {
        edit->SetText(text);
        edit->SetModified(false);
        changes = selectionChanges = 0;
    }
    bool uniform(int start, int length, const CharFormat& f) const
    {
        const RangeFormat r = edit->GetFormat(start, length);
        return r.colorUniform && r.boldUniform && r.italicUniform && r.underlineUniform && r.strikeOutUniform &&
               r.format == f;
    }

    TForm1 form;
    TRichEdit* edit = nullptr;
    int changes = 0, selectionChanges = 0;
};

TEST_F(Colorize, WholeTextGetsTheScannersFormatsAndKeepsTheDocumentState)
{
    const std::string text = "\\section*{A}\r\n$x$ & y % note\r\n\\parbox";
    for (bool modified : {false, true}) {
        load(text);
        edit->SetModified(modified);
        edit->Select(3, 4);
        form.ColorizeAll();
        EXPECT_EQ(edit->Modified(), modified);
        EXPECT_EQ(edit->SelStart(), 3);
        EXPECT_EQ(edit->SelLength(), 0) << "the selection collapses to its start";
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(edit->EventMask(), ENM_ALL);
        EXPECT_FALSE(form.Busy);
        EXPECT_EQ(edit->Text(), text);
    }
    EXPECT_TRUE(uniform(0, 9, kHeading));
    EXPECT_TRUE(uniform(9, 3, CharFormat{form.FontColor}));
    EXPECT_TRUE(uniform(14, 3, CharFormat{form.ColorClasses.DollerColor, false, form.ColorClasses.DollerItalic}));
    EXPECT_EQ(edit->FormatAt(18), (CharFormat{form.ColorClasses.AndColor, false, form.ColorClasses.AndItalic}));
    EXPECT_TRUE(uniform(22, 6, CharFormat{form.ColorClasses.RemColor, false, form.ColorClasses.RemItalic}));
    EXPECT_TRUE(uniform(30, 7, CharFormat{form.ColorClasses.GenTeXColor}));
}

TEST_F(Colorize, EditedLinesOnlyAreRecoloured)
{
    load("\\par\r\n\\par\r\n\\par");
    form.ColorizeLines(6, 7);  // the middle line
    EXPECT_TRUE(uniform(6, 4, CharFormat{0x008000}));
    EXPECT_TRUE(uniform(0, 4, CharFormat{}));
    EXPECT_TRUE(uniform(12, 4, CharFormat{}));
    form.ColorizeLines(13, 14);  // last line, no final break: up to the text end
    EXPECT_TRUE(uniform(12, 4, CharFormat{0x008000}));
    EXPECT_FALSE(form.Busy);
}

TEST_F(Colorize, CurrentLineFollowsTheCaretAndAnEmptyLineLeavesNothingSet)
{
    load("a\r\n\r\n\\item x");
    edit->SetSelStart(3);  // the empty line
    form.ColorizeCurrentLine();
    EXPECT_FALSE(form.Busy) << "an empty line must not leave the busy flag set";
    edit->Select(5, 3);
    form.ColorizeCurrentLine();
    EXPECT_TRUE(uniform(5, 5, CharFormat{0x66AA77}));
    EXPECT_EQ(edit->SelStart(), 5);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(changes, 0);
}

TEST_F(Colorize, NothingHappensWhileBusy)
{
    load("\\par");
    form.Busy = true;
    form.ColorizeAll();
    form.ColorizeLines(0, 4);
    form.ColorizeCurrentLine();
    EXPECT_TRUE(uniform(0, 4, CharFormat{}));
    EXPECT_TRUE(form.Busy);
    form.Busy = false;
}

TEST_F(Colorize, SwitchingOffLeavesTheDefaultFormatEverywhere)
{
    const std::string text = "\\section{" + cp932::encode("見出し") + "}\r\n$x$\x81\x40%c";
    load(text);
    form.ColorizeAll();
    ASSERT_FALSE(uniform(0, int(text.size()), CharFormat{form.FontColor}));
    edit->SetModified(true);
    edit->SetSelStart(4);
    form.ToggleAutoColor();
    EXPECT_FALSE(form.AutoColor);
    EXPECT_TRUE(uniform(0, int(text.size()), CharFormat{form.FontColor}));
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 4);
    EXPECT_FALSE(form.Busy);
    EXPECT_FALSE(form.Item("ToolButtonColorStructure")->isChecked());
    if (QAction* wrap = form.Item("MenuEditWordWrap")) EXPECT_TRUE(wrap->isEnabled());

    // While off, colouring does nothing.
    form.ColorizeLines(0, 4);
    EXPECT_TRUE(uniform(0, int(text.size()), CharFormat{form.FontColor}));

    edit->SetWordWrap(false);
    form.ToggleAutoColor();
    EXPECT_TRUE(form.AutoColor);
    EXPECT_TRUE(edit->WordWrap());
    EXPECT_TRUE(form.Item("ToolButtonColorStructure")->isChecked());
    if (QAction* wrap = form.Item("MenuEditWordWrap")) {
        EXPECT_FALSE(wrap->isEnabled());
        EXPECT_TRUE(wrap->isChecked());
    }
    EXPECT_TRUE(uniform(0, 8, CharFormat{0x000080, true}));
    EXPECT_TRUE(edit->Modified());
}

TEST_F(Colorize, TableChangesTakeEffectAfterColorTableChanged)
{
    load("\\foo");
    form.ColorRows[0].name = "\\foo";
    form.ColorRows[0].color = 0x010203;
    form.ColorRows[0].bold = false;
    form.ColorTableChanged();
    form.ColorizeLines(0, 0);
    EXPECT_TRUE(uniform(0, 4, CharFormat{0x010203}));
}

TEST_F(Colorize, LongTextIsColouredWholeAndTheProgressWindowIsGone)
{
    std::string text;
    while (text.size() < 20000) text += "\\item " + cp932::encode("項目") + " $a$ % c\r\n";
    load(text);
    form.ColorizeAll();
    const int last = int(text.size()) - 20;  // start of the last line
    EXPECT_TRUE(uniform(last, 5, CharFormat{0x66AA77}));
    EXPECT_TRUE(
        uniform(last + 11, 3, CharFormat{form.ColorClasses.DollerColor, false, form.ColorClasses.DollerItalic}));
    EXPECT_TRUE(form.findChildren<TFormProgBar*>().isEmpty());
    EXPECT_FALSE(edit->Modified());
    EXPECT_FALSE(form.Busy);
}

// Notes every progress window that is shown, with where it was put.
class ProgressWatcher : public QObject {
public:
    ProgressWatcher() { qApp->installEventFilter(this); }
    ~ProgressWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            if (auto* bar = qobject_cast<TFormProgBar*>(o)) shown.push_back({bar->windowTitle(), bar->pos()});
        return false;
    }
    std::vector<std::pair<QString, QPoint>> shown;
};

TEST_F(Colorize, ProgressWindowOnlyForLongRanges)
{
    form.setGeometry(50, 60, 700, 500);
    std::string text(4093, 'a');
    text += "\\par";  // 4097 bytes in all
    load(text);
    {
        ProgressWatcher watch;
        form.ColorizeLines(0, 1);
        ASSERT_EQ(watch.shown.size(), 1u);
        EXPECT_EQ(watch.shown[0].first, "Now analyzing...");
        const QRect f = form.frameGeometry();
        EXPECT_EQ(watch.shown[0].second, QPoint(f.left() + f.width() / 2 - 89, f.top() + f.height() / 2 - 30));
    }
    load(text.substr(1));
    ProgressWatcher watch;
    form.ColorizeAll();
    EXPECT_TRUE(watch.shown.empty()) << "4096 positions show no progress window";
}

}  // namespace
