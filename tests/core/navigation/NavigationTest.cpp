// Heading and label lists and the go-to-line dialog.
#include "core/navigation/Navigation.h"

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include "forms/NavigationForms.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"

namespace {

using navigation::NavEntry;

std::string sj(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

std::vector<std::string> textsOf(const std::vector<NavEntry>& entries)
{
    std::vector<std::string> texts;
    for (const NavEntry& e : entries) texts.push_back(e.text);
    return texts;
}

TEST(NavigationScan, HeadingReach)
{
    const std::string far = "\\section" + std::string(23, ' ') + "{A}";        // "{" 31 after the backslash
    const std::string near = "\\section" + std::string(22, ' ') + "{A}";       // 30 after it
    const std::string longTitle = "\\section{" + std::string(502, 'x') + "}";  // "}" at 511
    const std::string fitting = "\\section{" + std::string(501, 'x') + "}";    // "}" at 510
    EXPECT_TRUE(navigation::FindHeadings(far, "\\section").empty());
    EXPECT_EQ(navigation::FindHeadings(near, "\\section").size(), 1u);
    EXPECT_TRUE(navigation::FindHeadings(longTitle, "\\section").empty());
    EXPECT_EQ(navigation::FindHeadings(fitting, "\\section").size(), 1u);
}

TEST(NavigationScan, HeadingListInTextOrder)
{
    const std::string text =
        sj("\\subsection{a}\r\n\\chapter{b{c}d}\r\n\\section*{ソ}\r\n"
           "表section{x}\r\n\\part{e}");
    const auto entries = navigation::ScanHeadingList(text);
    EXPECT_EQ(textsOf(entries),
              (std::vector<std::string>{"\\subsection{a}", "\\chapter{b{c}d}", sj("\\section*{ソ}"), "\\part{e}"}));
    // The last heading closes on the text's last byte.
    EXPECT_EQ(entries.back().position + entries.back().length, int(text.size()));
    EXPECT_EQ(navigation::EntryCaption(text, entries[2]), sj("3行 : \\section*{ソ}"));
}

TEST(NavigationScan, PastTheLimitsTheListEndsBeforeTheFirstHeadingLeftOut)
{
    std::string text;
    for (int i = 0; i < navigation::kMaxScanHits; ++i) text += "\\section{s}\r\n";
    text += "\\chapter{before}\r\n\\section{left out}\r\n\\chapter{after}\r\n";
    bool complete = true;
    const std::vector<NavEntry> list = navigation::ScanHeadingList(text, &complete);
    EXPECT_FALSE(complete);
    ASSERT_EQ(list.size(), size_t(navigation::kMaxScanHits) + 1);
    EXPECT_EQ(list.back().text, "\\chapter{before}");

    std::string all;
    for (int i = 0; i < 1000; ++i) all += "\\part{a}\\chapter{b}\\section{c}\\subsection{d}\\paragraph{e}";
    EXPECT_EQ(navigation::ScanHeadingList(all, &complete).size(), size_t(navigation::kMaxListEntries));
    EXPECT_FALSE(complete);
    EXPECT_EQ(navigation::ScanHeadingList("\\section{a}", &complete).size(), 1u);
    EXPECT_TRUE(complete);
}

TEST(NavigationScan, Labels)
{
    EXPECT_EQ(textsOf(navigation::FindLabels("\\label{a} \\label{b:c}")), (std::vector<std::string>{"a", "b:c"}));
    EXPECT_EQ(navigation::FindLabels("x\\label{ab}")[0].length, 10);
    EXPECT_EQ(textsOf(navigation::FindLabels("\\label{a} \\label{b \\label{c}")),
              (std::vector<std::string>{"a", "b \\label{c"}));
    EXPECT_EQ(textsOf(navigation::FindLabels("\\label{a} \\label{b")), std::vector<std::string>{"a"});
    const std::string tooLong = "\\label{a}\\label{" + std::string(128, 'n') + "}\\label{z}";
    EXPECT_EQ(textsOf(navigation::FindLabels(tooLong)), std::vector<std::string>{"a"});
}

class NavigationForms : public apptest::AppTest {};

TEST_F(NavigationForms, DoubleClickSelectsTheCommandAndPutsItsLineOnTop)
{
    TForm1& f = start();
    f.resize(600, 300);
    std::string text;
    for (int i = 0; i < 80; ++i) text += "line\r\n";
    text += "\\section{Far}\r\n\\label{far}\r\n";
    for (int i = 0; i < 80; ++i) text += "line\r\n";
    f.RichEdit->SetText(text);

    f.MenuSearchMidasiClick();
    ASSERT_TRUE(FormMidasiSearch);
    ASSERT_EQ(FormMidasiSearch->ui.ListBox->count(), 1);
    EXPECT_EQ(FormMidasiSearch->ui.ListBox->item(0)->text(), QString::fromUtf8("81行 : \\section{Far}"));
    FormMidasiSearch->ListBoxDblClick();
    EXPECT_EQ(f.RichEdit->SelText(), "\\section{Far}");
    EXPECT_EQ(f.RichEdit->FirstVisibleLine(), 80);
    FormMidasiSearch->close();
    EXPECT_EQ(FormMidasiSearch->ui.ListBox->count(), 0);

    f.MenuSearchLabelClick();
    ASSERT_TRUE(FormLabelSearch);
    FormLabelSearch->ListBoxDblClick();
    EXPECT_EQ(f.RichEdit->SelText(), "\\label{far}");
    EXPECT_EQ(f.RichEdit->FirstVisibleLine(), 81);
    FormLabelSearch->close();
}

TEST_F(NavigationForms, HeadingListSaysWhenItShowsOnlyTheFirstHeadings)
{
    TForm1& f = start();
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "\\section{s}\r\n";
    f.RichEdit->SetText(text);
    f.MenuSearchMidasiClick();
    ASSERT_TRUE(FormMidasiSearch);
    EXPECT_EQ(FormMidasiSearch->ui.ListBox->count(), navigation::kMaxScanHits);
    EXPECT_TRUE(FormMidasiSearch->ui.LabelLimit->isVisibleTo(FormMidasiSearch));
    EXPECT_EQ(FormMidasiSearch->ui.LabelLimit->text(),
              QString::fromUtf8("見出しが多いため、最初の 1000 個だけを表示しています。"));
    FormMidasiSearch->close();

    f.RichEdit->SetText("\\section{a}\r\n");
    f.MenuSearchMidasiClick();
    EXPECT_EQ(FormMidasiSearch->ui.ListBox->count(), 1);
    EXPECT_FALSE(FormMidasiSearch->ui.LabelLimit->isVisibleTo(FormMidasiSearch));
    FormMidasiSearch->close();
}

TEST_F(NavigationForms, GoToLineRemembersTheLineWhetherOkOrCancel)
{
    TForm1& f = start();
    f.RichEdit->SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(f.LastJumpLine, 1);
    int shown = 0;
    script().onDialog([&](QDialog& d) {
        auto& jump = static_cast<TFormLineJump&>(d);
        shown = jump.ui.UpDown1->value();
        jump.ui.UpDown1->setValue(3);
        return mrOk;
    });
    f.MenuSearchLineJumpClick();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(f.RichEdit->SelStart(), 10);
    EXPECT_EQ(f.LastJumpLine, 3);

    script().onDialog([](QDialog& d) {
        static_cast<TFormLineJump&>(d).ui.UpDown1->setValue(2);
        return mrCancel;
    });
    f.MenuSearchLineJumpClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 10);
    EXPECT_EQ(f.LastJumpLine, 2);

    script().onDialog([](QDialog& d) {
        static_cast<TFormLineJump&>(d).ui.UpDown1->setValue(500);
        return mrOk;
    });
    f.MenuSearchLineJumpClick();
    EXPECT_EQ(f.RichEdit->SelStart(), 10);  // past the end: the last line's start
}

}  // namespace
