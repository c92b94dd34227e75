// The TeX log window and by-product deletion.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "platform/Registry.h"
#include "app/Form1.h"
#include "tests/core/files/FilesTestSupport.h"
#include "tex/LogDisp.h"

using namespace filestest;

namespace {

QStringList names(const QStringList& paths)
{
    QStringList out;
    for (const QString& p : paths) out << QFileInfo(p).fileName();
    out.sort();
    return out;
}

class LogForm : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Answers answers;
    TForm1 form;
    QString path(const QString& name) const { return dir.filePath(name); }
    void make(const QStringList& files)
    {
        for (const QString& f : files) writeBytes(path(f), "x");
    }
    void openDocument(const QString& name)
    {
        form.FileName = path(name);
        form.HasFileName = true;
    }
    void setBool(const QString& name, bool value)
    {
        TRegistry reg;
        reg.OpenKey(form.RegKey, true);
        reg.WriteBool(name, value);
        reg.CloseKey();
    }
};

}  // namespace

TEST(ByProducts, OnlyThisDocumentsFilesGoWhateverTheCase)
{
    QTemporaryDir dir;
    for (const char* f : {"paper.tex", "paper.LOG.tex", "paper.aux", "paper.LOG", "paper.toc", "paper.dvi", "Paper.aux",
                          "paper2.aux", "paper.aux.bak", "xpaper.aux", "other.log"})
        writeBytes(dir.filePath(f), "x");
    QDir(dir.path()).mkdir("paper.toc.d");
    const QStringList gone = byproducts::deleteBeside(dir.filePath("paper.tex"), {".AUX", ".log", ".toc", ".bbl"});
    EXPECT_EQ(names(gone), QStringList({"paper.LOG", "paper.aux", "paper.toc"}));
    EXPECT_EQ(entries(dir.path()), QStringList({"Paper.aux", "other.log", "paper.LOG.tex", "paper.aux.bak", "paper.dvi",
                                                "paper.tex", "paper2.aux", "xpaper.aux"}));
    // A document whose own extension is a by-product's is never deleted.
    EXPECT_EQ(names(byproducts::deleteBeside(dir.filePath("paper.LOG.tex"), {".tex"})), QStringList());
    writeBytes(dir.filePath("notes.log"), "my notes");
    EXPECT_TRUE(byproducts::deleteBeside(dir.filePath("notes.log"), {".log"}).isEmpty());
    EXPECT_EQ(readBytes(dir.filePath("notes.log")), "my notes");
}

TEST(ByProducts, TheLogIsFoundInTheCaseTeXWroteIt)
{
    QTemporaryDir dir;
    EXPECT_EQ(byproducts::findBeside(dir.filePath("paper.tex"), ".log"), QString());
    writeBytes(dir.filePath("paper.LOG"), "x");
    EXPECT_EQ(byproducts::findBeside(dir.filePath("paper.tex"), ".log"), dir.filePath("paper.LOG"));
    writeBytes(dir.filePath("paper.log"), "x");
    EXPECT_EQ(byproducts::findBeside(dir.filePath("paper.tex"), ".log"), dir.filePath("paper.log"));
}

TEST_F(LogForm, DeletionFollowsTheSettings)
{
    const QStringList all{"paper.tex", "paper.dvi", "paper.log", "paper.aux", "paper.toc", "paper.lof",
                          "paper.lot", "paper.idx", "paper.ind", "paper.ilg", "paper.bbl", "paper.blg"};
    make(all);
    openDocument("paper.tex");
    form.AutoDeleteTeXFiles(form.FileName);  // "adAutoDelete" is off by default
    EXPECT_EQ(entries(dir.path()).size(), all.size());

    setBool("adAutoDelete", true);
    form.HasFileName = false;
    form.AutoDeleteTeXFiles(form.FileName);
    EXPECT_EQ(entries(dir.path()).size(), all.size());

    form.HasFileName = true;
    setBool("adBBL", false);
    form.AutoDeleteTeXFiles(form.FileName);
    EXPECT_EQ(entries(dir.path()), QStringList({"paper.bbl", "paper.dvi", "paper.tex"}));
    setBool("adDVI", true);
    form.AutoDeleteTeXFiles(form.FileName);
    EXPECT_EQ(entries(dir.path()), QStringList({"paper.bbl", "paper.tex"}));
    setBool("adAutoDelete", false);
    setBool("adBBL", true);
    setBool("adDVI", false);
}

TEST_F(LogForm, LogWindowMessages)
{
    form.MenuTexLogDispClick();
    make({"paper.tex"});
    openDocument("paper.tex");
    form.MenuTexLogDispClick();
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(answers.messages[0].text, "まだTeX処理していないので、Logファイルを表示できません。");
    EXPECT_EQ(answers.messages[1].text, "Logファイルが存在しません。");
    for (const auto& m : answers.messages) {
        EXPECT_EQ(m.caption, "Logファイル表示");
        EXPECT_EQ(m.flags, MB_OK | MB_ICONERROR);
    }
}

TEST_F(LogForm, LogWindowShowsTheLogOfTheProcessedFile)
{
    writeBytes(path("paper.log"), "This is e-pTeX\n\x93\xfa\x96\x7b\r\nend\n");
    writeBytes(path("main.log"), "parent log\n");
    openDocument("paper.tex");
    form.BackColor = 0x000000FF;  // red, as 0x00BBGGRR
    form.FontColor = 0x00FF0000;  // blue

    QString shown, title;
    bool readOnly = false;
    QColor base, text;
    ask::setDialogAnswerer([&](QDialog& d) {
        title = d.windowTitle();
        if (auto* memo = d.findChild<QPlainTextEdit*>("Memo1")) {
            shown = memo->toPlainText();
            readOnly = memo->isReadOnly();
            base = memo->palette().color(QPalette::Base);
            text = memo->palette().color(QPalette::Text);
        }
        return int(mrOk);
    });
    form.MenuTexLogDispClick();
    EXPECT_EQ(title, "Logファイル表示");
    EXPECT_TRUE(shown.startsWith("This is e-pTeX\n"));
    EXPECT_TRUE(shown.endsWith("\nend\n"));
    EXPECT_EQ(shown.count('\n'), 3);
    EXPECT_FALSE(shown.contains('\r'));
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(base, QColor(255, 0, 0));
    EXPECT_EQ(text, QColor(0, 0, 255));
    EXPECT_NE(form.DialogCenterX, 9999);  // the window's place is remembered

    form.ParentExecute = true;
    form.ParentFile = path("main.tex");
    form.MenuTexLogDispClick();
    ask::setDialogAnswerer({});
    EXPECT_EQ(shown, "parent log\n");
    EXPECT_TRUE(answers.messages.empty());
}
