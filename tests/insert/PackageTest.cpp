#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Form1.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "insert/PackageBuilder.h"
#include "insert/PreambleDialogs.h"
#include "insert/PreambleStore.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"
#include "tests/support/CaretText.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::splitCaret;

const QString kRegKey = "\\Software\\Kestrelwood\\Quillmark";

using testsupport::sjis;

struct PackageFixture : testsupport::CommandFixture {
    PackageFixture() { build("MenuTexPreUsepackage", &insert::buildPreambleCommands); }
    ~PackageFixture() override { preamble::writeUserPackages(settings::Store(kRegKey), ""); }
    // Runs the command choosing the named file of the group.
    void choose(int group, const QString& file, int result = mrOk)
    {
        ask.onDialog([=](QDialog& dialog) {
            auto& d = dynamic_cast<TFormUsepackage&>(dialog);
            d.ui.RadioGroup.SetItemIndex(group);
            d.FillPackageList();
            const auto found = d.ui.ListBox->findItems(file, Qt::MatchExactly);
            EXPECT_EQ(found.size(), 1) << file.toStdString();
            if (!found.isEmpty()) d.ui.ListBox->setCurrentItem(found.first());
            return result;
        });
        form.Item("MenuTexPreUsepackage")->trigger();
    }
    testsupport::ScriptedAsk ask;
};

}  // namespace

TEST(PackageBuilder, GroupsAndNames)
{
    EXPECT_EQ(package::groupCaptions().size(), package::kGroupCount);
    EXPECT_EQ(package::groupFiles(0),
              (QStringList{"alltt.sty", "exscale.sty", "flafter.sty", "ifthen.sty", "latexsym.sty", "plext.sty"}));
    EXPECT_EQ(package::groupFiles(2).size(), 29);
    EXPECT_TRUE(package::groupFiles(package::kUserGroup).isEmpty());
    EXPECT_TRUE(package::groupFiles(10).isEmpty());

    EXPECT_EQ(package::command("amsmath.sty"), "\\usepackage{amsmath}\r\n");
    // An entry typed without ".sty" keeps every character of its name.
    EXPECT_EQ(package::command("otf"), "\\usepackage{otf}\r\n");
    EXPECT_EQ(package::command(".sty"), "");
    EXPECT_EQ(package::command(QString::fromUtf8("日本.STY")), "\\usepackage{" + sjis("日本") + "}\r\n");
}

TEST(PackageBuilder, UserListSurvivesDamage)
{
    EXPECT_EQ(package::userFiles("a.sty\r\n\r\n  b.sty \r\nc.sty"), (QStringList{"a.sty", "b.sty", "c.sty"}));
    EXPECT_TRUE(package::userFiles("").isEmpty());
    EXPECT_TRUE(package::userFiles(QString("\x01\x02{}\\x%y\r\n,")).isEmpty());
    EXPECT_EQ(package::userFiles(QString("ok.sty\n") + QChar(0xFFFD) + "\rz.sty"), (QStringList{"ok.sty", "z.sty"}));
}

TEST(PackageBuilder, FindsLoadedPackages)
{
    const std::string hyou = sjis("表");  // its second byte is a backslash
    const std::string text =
        "\\usepackage[dvips]{graphicx}\r\n"
        "\\usepackage{amsmath, amssymb}\r\n"
        "%\\usepackage{color}\r\n"
        "\\verb|50\\%|\\usepackage {ascmac}\r\n"
        "\\usepackagex{no}\r\n" +
        hyou +
        "usepackage{kanji}\r\n"
        "\\usepackage{last}";
    EXPECT_EQ(package::loadedPackages(text),
              (std::vector<std::string>{"graphicx", "amsmath", "amssymb", "ascmac", "last"}));
    EXPECT_TRUE(package::isLoaded(text, "last"));
    EXPECT_FALSE(package::isLoaded(text, "color"));
    // Unclosed lists end the scan without running off the text.
    EXPECT_EQ(package::loadedPackages("\\usepackage{a}\\usepackage{b"), std::vector<std::string>{"a"});
    EXPECT_TRUE(package::loadedPackages("\\usepackage[x").empty());
    EXPECT_TRUE(package::loadedPackages("\\usepackage").empty());
}

TEST_F(PackageFixture, GoesInFrontOfBeginDocument)
{
    setMarked("\\documentclass{jarticle}\r\n\\begin{document}\r\nbo|dy\r\n\\end{document}\r\n");
    choose(1, "amsmath.sty");
    expectEditor(
        "\\documentclass{jarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\nbo|dy\r\n"
        "\\end{document}\r\n");
    EXPECT_EQ(form.part<insert::LastUsed>().LastPackageGroup, 1);
}

TEST_F(PackageFixture, CommentsHoldNoBeginDocumentAndNoPackage)
{
    // A \begin{document} in a comment is not where the preamble ends, and a
    // package loaded only in a comment is not loaded.
    setMarked(
        "\\documentclass{jarticle}\r\n%\\usepackage{amsmath} and %\\begin{document}\r\n\\begin{document}\r\n"
        "bo|dy\r\n");
    choose(1, "amsmath.sty");
    expectEditor(
        "\\documentclass{jarticle}\r\n%\\usepackage{amsmath} and %\\begin{document}\r\n\\usepackage{amsmath}\r\n"
        "\\begin{document}\r\nbo|dy\r\n");
}

TEST_F(PackageFixture, GoesInAtTheCaretOtherwise)
{
    setMarked("ab|c\r\n\\begin{document}\r\n");
    choose(3, "color.sty");
    expectEditor("ab\r\n\\usepackage{color}\r\n|c\r\n\\begin{document}\r\n");

    setMarked("|");
    choose(6, "longtable.sty");
    expectEditor("\\usepackage{longtable}\r\n|");
}

TEST_F(PackageFixture, PackageAlreadyLoadedIsRefused)
{
    const std::string doc = "\\usepackage[dvips]{graphicx}\r\n\\begin{document}\r\n|x";
    setMarked(doc);
    ask.expectMessage(QString::fromUtf8("\\usepackage{graphicx}\r\nは既に存在しています。"), "\\usepackage",
                      MB_OK | MB_ICONINFORMATION, IDOK);
    choose(3, "graphicx.sty");
    expectEditor(doc);
}

TEST_F(PackageFixture, CancelAndDoubleClick)
{
    setMarked("|");
    choose(4, "pandora.sty", mrCancel);
    expectEditor("|");
    EXPECT_EQ(form.part<insert::LastUsed>().LastPackageGroup, 4);  // kept on Cancel too

    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormUsepackage&>(dialog);
        EXPECT_EQ(d.Group(), 4);
        EXPECT_EQ(d.ui.ListBox->currentItem()->text(), "oldgerm.sty");  // first of the sorted group
        d.ui.ListBox->setCurrentRow(1);
        emit d.ui.ListBox->itemDoubleClicked(d.ui.ListBox->item(1));
        return d.result();
    });
    form.Item("MenuTexPreUsepackage")->trigger();
    expectEditor("\\usepackage{pandora}\r\n|");
}

TEST_F(PackageFixture, UserListIsEditedAndKept)
{
    setMarked("|");
    ask.onDialog([this](QDialog& dialog) {
        auto& d = dynamic_cast<TFormUsepackage&>(dialog);
        d.ui.RadioGroup.SetItemIndex(package::kUserGroup);
        d.FillPackageList();
        EXPECT_EQ(d.ui.ListBox->count(), 0);
        EXPECT_EQ(d.GetCommand(), "");
        ask.onDialog([](QDialog& inner) {
            auto& u = dynamic_cast<TFormUserPackage&>(inner);
            EXPECT_EQ(u.windowTitle(), QString::fromUtf8("ユーザー定義パッケージ"));
            u.ui.Memo1->setPlainText("zz.sty\nmine.sty\n");
            return int(mrOk);
        });
        d.ui.BitBtn4->click();
        EXPECT_EQ(d.ui.ListBox->count(), 2);
        EXPECT_EQ(d.ui.ListBox->currentItem()->text(), "mine.sty");
        return int(mrOk);
    });
    form.Item("MenuTexPreUsepackage")->trigger();
    expectEditor("\\usepackage{mine}\r\n|");
    // Stored as typed, and read back by the next start.
    EXPECT_EQ(preamble::readUserPackages(settings::Store(kRegKey)), "zz.sty\r\nmine.sty\r\n");
    TForm1 restarted;
    insert::buildPreambleCommands(restarted);
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormUsepackage&>(dialog);
        EXPECT_EQ(d.Group(), package::kUserGroup);
        EXPECT_EQ(d.ui.ListBox->count(), 2);
        return int(mrCancel);
    });
    restarted.part<insert::LastUsed>().LastPackageGroup = package::kUserGroup;
    restarted.Item("MenuTexPreUsepackage")->trigger();
}

TEST_F(PackageFixture, StoredEntryTheDocumentCannotTakeIsRefused)
{
    preamble::writeUserPackages(settings::Store(kRegKey), QString::fromUtf8("pkg\u00e9.sty\r\nok.sty"));
    setMarked("a|");
    ask.expectMessage({std::nullopt, "\\usepackage", MB_OK | MB_ICONEXCLAMATION, IDOK});
    choose(package::kUserGroup, QString::fromUtf8("pkg\u00e9.sty"));
    expectEditor("a|");
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_TRUE(ask.messages()[0].text.contains(QString::fromUtf8("：\u00e9")));
}

TEST_F(PackageFixture, WrongTypedUserListIsEmpty)
{
    TRegistry reg;
    reg.OpenKey(kRegKey + "\\UserPackage", true);
    reg.WriteInteger("Package", 42);
    reg.CloseKey();
    EXPECT_EQ(preamble::readUserPackages(settings::Store(kRegKey)), "");
    setMarked("ab|");
    ask.onDialog([](QDialog& dialog) {
        auto& d = dynamic_cast<TFormUsepackage&>(dialog);
        d.SetGroup(package::kUserGroup);
        EXPECT_EQ(d.ui.ListBox->count(), 0);
        return int(mrOk);
    });
    form.Item("MenuTexPreUsepackage")->trigger();
    expectEditor("ab|");  // nothing chosen, nothing inserted
}
