#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QRadioButton>

#include "app/Form1.h"
#include "insert/ClassBuilder.h"
#include "insert/InsertCommands.h"
#include "insert/PreambleDialogs.h"
#include "insert/PreambleStore.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"
#include "tests/support/CaretText.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using docclass::Choices;
using docclass::Settings;
using testsupport::splitCaret;

using testsupport::sjis;

void writeRoot(const QString& name, int value)
{
    TRegistry reg;
    reg.OpenKey("\\Software\\Kestrelwood\\Quillmark", true);
    reg.WriteInteger(name, value);
    reg.CloseKey();
}

struct ClassFixture : testsupport::CommandFixture {
    ClassFixture() { build("MenuFormatClass", &insert::buildPreambleCommands); }
    ~ClassFixture() override
    {
        writeRoot("JPaper", 0);
        writeRoot("DefOption", 0);
    }
    // Runs the class command, the dialog answered by f.
    void runClass(const std::function<int(TFormTexClass&)>& f)
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& dialog) { return f(dynamic_cast<TFormTexClass&>(dialog)); });
        form.Item("MenuFormatClass")->trigger();
    }
};

}  // namespace

TEST(ClassBuilder, OptionsFollowTheChoicesAndPreferences)
{
    struct Case {
        Choices choices;
        Settings settings;
        const char* line;
    };
    Choices jbook;
    jbook.classIndex = 2;
    jbook.charSize = 2;
    jbook.side = 1;
    Choices bookOdd = jbook;
    bookOdd.oddPage = true;
    Choices everything;
    everything.classIndex = 4;  // treport
    everything.paper = 3;
    everything.charSize = 1;
    everything.direction = everything.columns = everything.side = everything.title = 1;
    everything.mathPos = everything.mathNoPos = everything.kumi = everything.bunken = everything.test = 1;
    Choices jsarticle;
    jsarticle.classIndex = 6;
    jsarticle.paper = 1;
    const Case cases[] = {
        {{}, {0, 0}, "\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,final]{jarticle}"},
        {{}, {0, 1}, "\\documentclass[a4j]{jarticle}"},
        {jbook, {0, 0}, "\\documentclass[a4j,12pt,onecolumn,twoside,notitlepage,openany,final]{jbook}"},
        {bookOdd, {0, 1}, "\\documentclass[a4j,12pt,notitlepage,openright]{jbook}"},
        {everything,
         {1, 0},
         "\\documentclass[b5paper,11pt,landscape,twocolumn,twoside,titlepage,fleqn,leqno,tate,openbib,openany,draft]"
         "{treport}"},
        // Defaults left out: a vertical class is already vertical, a report opens on any page.
        {everything,
         {1, 1},
         "\\documentclass[b5paper,11pt,landscape,twocolumn,twoside,titlepage,fleqn,leqno,openbib,openany,draft]"
         "{treport}"},
        {jsarticle, {0, 0}, "\\documentclass[a5j,10pt,onecolumn,oneside,notitlepage,openany,final]{jsarticle}"},
    };
    for (const Case& c : cases) EXPECT_EQ(docclass::classLine(c.choices, c.settings), c.line);
}

TEST(ClassBuilder, ClassPresets)
{
    Choices c;
    c.classIndex = 5;
    docclass::applyClassPresets(c);
    EXPECT_EQ(c.side, 1);
    EXPECT_EQ(c.title, 1);
    EXPECT_TRUE(c.oddPage);
    c.classIndex = 1;
    docclass::applyClassPresets(c);
    EXPECT_EQ(c.side, 0);
    EXPECT_EQ(c.title, 0);
    EXPECT_FALSE(c.oddPage);
    EXPECT_FALSE(docclass::chapterStartApplies(0));
    EXPECT_FALSE(docclass::chapterStartApplies(3));
    EXPECT_TRUE(docclass::chapterStartApplies(7));
}

TEST(ClassBuilder, FindsTheLineAndWhatCanBeRewritten)
{
    struct Case {
        std::string text;
        bool found;
        int start, end;
        bool oldStyle, rewritable;
    };
    const std::string hyou = sjis("表");  // its second byte is a backslash
    const Case cases[] = {
        {"\\documentclass[a4j]{jarticle}\r\n\\usepackage[dvips]{graphicx}", true, 0, 28, false, true},
        // A "]" in a comment after the line is not part of it.
        {"\\documentclass{jarticle}% see [1]\r\n\\begin{document}", true, 0, 23, false, true},
        {"x\r\n\\documentclass [a4j, 12pt]\r\n  {jsbook}\r\n", true, 3, 40, false, true},
        {"\\documentstyle[12pt]{jarticle}", true, 0, 29, true, true},
        // Read as TeX reads it: braces nest, comments hide brackets, and
        // comments and line breaks may stand between the parts.
        {"\\documentclass[key={a}]{jsarticle}", true, 0, 33, false, true},
        {"\\documentclass[a4j,%paper\r\n12pt]{jarticle}", true, 0, 41, false, true},
        {"\\documentclass[a4j,% ] and }\r\n12pt]{jarticle}", true, 0, 44, false, true},
        {"\\documentclass % class\r\n  [a4j]\r\n{jsbook}% [x]", true, 0, 40, false, true},
        {"\\documentclass[a4j]{jarticle}[2001/01/01]", true, 0, 28, false, true},
        // Left alone: no class argument, a part that never closes.
        {"\\documentclass\r\n\\begin{document}", true, 0, 7, false, false},
        {"\\documentclass[a4j]{jarticle", true, 0, 18, false, false},
        {"\\documentclass[a4j{]}{jarticle}", true, 0, 20, false, false},
        {hyou + "documentclass{jarticle}", false, 0, 0, false, false},
        {"", false, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        const auto line = docclass::findClassLine(c.text);
        ASSERT_EQ(line.has_value(), c.found) << c.text;
        if (!line) continue;
        EXPECT_EQ(*line, (docclass::ClassLine{c.start, c.end, c.oldStyle, c.rewritable})) << c.text;
    }
}

TEST(ClassBuilder, DetectsClassAndOptions)
{
    const std::string text = "\\documentclass[a4paper,12pt,twoside]{jbook}\r\n\\begin{document}";
    const Choices found = docclass::detect(text, *docclass::findClassLine(text), Choices{});
    Choices want;
    want.classIndex = 2;
    want.charSize = 2;
    want.side = 1;
    EXPECT_EQ(found, want);

    const std::string all =
        "\\documentclass[b5j,11pt,landscape,twocolumn,notitlepage,fleqn,leqno,draft,tate,openbib,openright]"
        "{jsarticle}";
    Choices start;
    start.title = 1;
    const Choices c = docclass::detect(all, *docclass::findClassLine(all), start);
    EXPECT_EQ(c.classIndex, 6);
    EXPECT_EQ(c.paper, 3);
    EXPECT_EQ(c.charSize, 1);
    EXPECT_EQ(c.direction + c.columns + c.mathPos + c.mathNoPos + c.test + c.kumi + c.bunken, 7);
    EXPECT_EQ(c.title, 0);
    EXPECT_TRUE(c.oddPage);

    // An unknown class keeps jarticle.
    const std::string other = "\\documentclass{article}";
    EXPECT_EQ(docclass::detect(other, *docclass::findClassLine(other), Choices{}).classIndex, 0);
}

TEST(ClassBuilder, OptionsTheDialogDoesNotOwnAreKept)
{
    struct Case {
        std::string text;
        std::vector<std::string> words, kept;
    };
    const Case cases[] = {
        {"\\documentclass[dvipdfmx,a4j, 12pt ,uplatex]{jsarticle}",
         {"dvipdfmx", "a4j", "12pt", "uplatex"},
         {"dvipdfmx", "uplatex"}},
        {"\\documentclass[a4j,% paper, size\r\n  12pt,%\r\ndraft]{jarticle}", {"a4j", "12pt", "draft"}, {}},
        {"\\documentclass[key={a,b},x=\\y,,10ptj]{jsarticle}",
         {"key={a,b}", "x=\\y", "10ptj"},
         {"key={a,b}", "x=\\y", "10ptj"}},
        {"\\documentclass[a\r\n  b]{jarticle}", {"a b"}, {"a b"}},
        {"\\documentclass{jarticle}", {}, {}},
        // The old style's options are style files: the line is made anew.
        {"\\documentstyle[epsf,12pt]{jarticle}", {"epsf", "12pt"}, {}},
    };
    for (const Case& c : cases) {
        const docclass::ClassLine line = *docclass::findClassLine(c.text);
        EXPECT_EQ(docclass::optionWords(c.text, line), c.words) << c.text;
        EXPECT_EQ(docclass::keptOptions(c.text, line), c.kept) << c.text;
    }
    EXPECT_EQ(docclass::classLine({}, {0, 1}, {"dvipdfmx", "key={a,b}"}),
              "\\documentclass[a4j,dvipdfmx,key={a,b}]{jarticle}");

    // An option counts as a whole word.
    const std::string js = "\\documentclass[10ptj,b5var,titlepage]{jsarticle}";
    Choices start;
    start.charSize = 2;
    const Choices found = docclass::detect(js, *docclass::findClassLine(js), start);
    EXPECT_EQ(found.charSize, 2);
    EXPECT_EQ(found.paper, 0);
    EXPECT_EQ(found.title, 1);
}

TEST(ClassBuilder, RewriteKeepsTheCaretInItsPlace)
{
    const std::string text = "\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\nbody";
    const auto line = *docclass::findClassLine(text);
    const std::string shorter = "\\documentclass[a4j]{jarticle}";
    const int grow = int(shorter.size()) - (line.end + 1);
    struct Case {
        int caret, after;
    };
    const Case cases[] = {
        {0, 0},                               // before the line: stays, never negative
        {10, int(shorter.size())},            // inside it: after the new line
        {line.end + 3, line.end + 3 + grow},  // after it: moves with the text
    };
    for (const Case& c : cases) {
        const auto r = docclass::rewrite(text, line, shorter, c.caret);
        EXPECT_EQ(r.start, 0);
        EXPECT_EQ(r.length, line.end + 1);
        EXPECT_EQ(r.caretAfter, c.after) << c.caret;
    }

    // A line that cannot be rewritten stays; the new one goes above it.
    const std::string odd = "x\r\n  \\documentclass[key={a}]{jsarticle\r\nbody";
    const auto r = docclass::rewrite(odd, *docclass::findClassLine(odd), shorter, 40);
    EXPECT_EQ(r, (docclass::Replacement{3, 0, shorter + "\r\n", 40 + int(shorter.size()) + 2}));
}

TEST_F(ClassFixture, NewDocumentGetsTheTemplate)
{
    setText("", 0);
    runClass([](TFormTexClass& d) {
        EXPECT_EQ(d.HelpContext, 6020);
        EXPECT_EQ(d.Choices(), Choices{});
        EXPECT_FALSE(d.ui.rbOddPage->isEnabled());
        return int(mrOk);
    });
    const QDate today = QDate::currentDate();
    const std::string date = cp932::encode(
        QString::fromUtf8("\\date{%1年%2月%3日}\r\n").arg(today.year()).arg(today.month()).arg(today.day()));
    expectEditor(
        "\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\n%Preamble\r\n\r\n"
        "\\title{}\r\n\\author{}\r\n" +
        date +
        "\\pagestyle{plain}\r\n\\usepackage[dvipdfmx]{graphicx}\r\n\r\n\\begin{document}\r\n|\r\n"
        "\\end{document}\r\n");
}

TEST_F(ClassFixture, PreferencesShapeTheLine)
{
    writeRoot("JPaper", 1);
    writeRoot("DefOption", 1);
    setText("\\documentclass{jarticle}\r\nbody", 28);
    runClass([](TFormTexClass&) { return int(mrOk); });
    expectEditor("\\documentclass[a4paper]{jarticle}\r\nbo|dy");

    // A stored value of the wrong type counts as the default.
    TRegistry reg;
    reg.OpenKey("\\Software\\Kestrelwood\\Quillmark", true);
    reg.WriteString("JPaper", "garbage");
    reg.CloseKey();
    EXPECT_EQ(preamble::readClassSettings(settings::Store()).jPaper, 0);
}

TEST_F(ClassFixture, ExistingLineIsReadAndRewrittenInPlace)
{
    setText("\\documentclass[a4paper,12pt,twoside]{jbook}\r\n\\begin{document}\r\nxy", 64);
    runClass([](TFormTexClass& d) {
        Choices want;
        want.classIndex = 2;
        want.charSize = 2;
        want.side = 1;
        EXPECT_EQ(d.Choices(), want);  // the jbook presets did not run
        return int(mrOk);
    });
    expectEditor(
        "\\documentclass[a4j,12pt,onecolumn,twoside,notitlepage,openany,final]{jbook}\r\n"
        "\\begin{document}\r\nx|y");

    // Cancel changes nothing.
    const std::string before = form.RichEdit->Text();
    runClass([](TFormTexClass&) { return int(mrCancel); });
    EXPECT_EQ(form.RichEdit->Text(), before);
}

TEST_F(ClassFixture, OddLinesLoseNoText)
{
    setText("\\documentclass{jarticle}% see [1]\r\nbody", 37);
    runClass([](TFormTexClass& d) {
        d.ui.RadioGroupColumn.SetItemIndex(1);
        return int(mrOk);
    });
    expectEditor("\\documentclass[a4j,10pt,twocolumn,oneside,notitlepage,final]{jarticle}% see [1]\r\nbo|dy");

    // A comment inside the options: the whole command is replaced, so the
    // document keeps a single class line.
    setText("\\documentclass[a4j,% paper\r\n12pt]{jarticle}\r\nbody", 46);
    runClass([](TFormTexClass& d) {
        EXPECT_EQ(d.Choices().charSize, 2);
        return int(mrOk);
    });
    expectEditor("\\documentclass[a4j,12pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\nb|ody");

    // Options the dialog cannot show stay on the line.
    setText("\\documentclass[dvipdfmx,a4paper,draft,opt={x}]{jsarticle}\r\nbody", 0);
    runClass([](TFormTexClass& d) {
        EXPECT_EQ(d.Choices().test, 1);
        return int(mrOk);
    });
    expectEditor(
        "|\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,openany,draft,dvipdfmx,opt={x}]{jsarticle}\r\nbody");

    // A part that never closes: the old line stays below the new one.
    setText("\\documentclass[a4j]{jarticle\r\nbody", 0);
    runClass([](TFormTexClass&) { return int(mrOk); });
    expectEditor(
        "\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\n"
        "|\\documentclass[a4j]{jarticle\r\nbody");
}

TEST_F(ClassFixture, OldStyleAsksFirst)
{
    const std::string old = "\\documentstyle[12pt]{jarticle}\r\nbody";
    setText(old, 0);
    {
        testsupport::ScriptedAsk ask;
        ask.expectMessage({std::nullopt, QString::fromUtf8("TeX文書クラス"), MB_YESNO | MB_ICONEXCLAMATION, IDNO});
        form.Item("MenuFormatClass")->trigger();
        EXPECT_TRUE(ask.dialogs().empty());
    }
    EXPECT_EQ(form.RichEdit->Text(), old);
    {
        testsupport::ScriptedAsk ask;
        ask.answerNextMessage(IDYES);
        ask.onDialog([](QDialog& dialog) {
            EXPECT_EQ(dynamic_cast<TFormTexClass&>(dialog).Choices(), Choices{});  // nothing read from the line
            return int(mrOk);
        });
        form.Item("MenuFormatClass")->trigger();
    }
    expectEditor("|\\documentclass[a4j,10pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\nbody");
}

TEST_F(ClassFixture, PickingAClassRunsItsPresets)
{
    TFormTexClass d(&form);
    d.ui.ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(d.Choices().side, 0);  // set from code: no presets
    EXPECT_TRUE(d.ui.rbOddPage->isEnabled());
    emit d.ui.ComboBox1->activated(2);
    EXPECT_EQ(d.Choices().side, 1);
    EXPECT_EQ(d.Choices().title, 1);
    EXPECT_TRUE(d.ui.rbOddPage->isChecked());
    d.ui.ComboBox1->setCurrentIndex(3);
    emit d.ui.ComboBox1->activated(3);
    EXPECT_FALSE(d.ui.rbOddPage->isEnabled());
    EXPECT_TRUE(d.ui.rbBothPage->isChecked());
    EXPECT_EQ(d.Choices().side, 0);
}

TEST_F(ClassFixture, CommentedClassLineIsNotTheClassLine)
{
    // An old class kept in a comment above the real line.
    setMarked("%\\documentclass{jbook}\r\n\\documentclass[a4j]{jarticle}\r\nbo|dy");
    runClass([](TFormTexClass& d) {
        EXPECT_EQ(d.Choices(), Choices{});  // jarticle on a4, as the real line says
        d.ui.RadioGroupCharSize.SetItemIndex(2);
        return int(mrOk);
    });
    expectEditor(
        "%\\documentclass{jbook}\r\n\\documentclass[a4j,12pt,onecolumn,oneside,notitlepage,final]{jarticle}\r\n"
        "bo|dy");
}
