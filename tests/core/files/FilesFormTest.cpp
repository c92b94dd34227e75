// The File menu commands and the loader on the main window, on real files.
#include <gtest/gtest.h>

#include <QAction>
#include <QPrinter>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/Registry.h"
#include "app/Form1.h"
#include "core/files/FileErrors.h"
#include "core/files/Printing.h"
#include "tests/core/files/FilesTestSupport.h"

using namespace filestest;

namespace {

class FilesForm : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Answers answers;
    TForm1 form;

    FilesForm()
    {
        if (!form.Item("MenuFileNew")) form.BuildFileCommands();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name, const std::string& bytes)
    {
        writeBytes(path(name), bytes);
        return path(name);
    }
    void edit(const std::string& appended)
    {
        form.RichEdit->SetSelStart(form.RichEdit->GetTextLen());
        form.RichEdit->SetSelText(appended);
        form.RichEdit->SetModified(true);
    }
    void setSetting(const QString& name, int value)
    {
        TRegistry reg;
        reg.OpenKey(form.RegKey, true);
        reg.WriteInteger(name, value);
        reg.CloseKey();
    }
    void expectNoDocument()
    {
        EXPECT_TRUE(form.FileName.isEmpty());
        EXPECT_FALSE(form.HasFileName);
        EXPECT_EQ(form.windowTitle(), "Quillmark");
        EXPECT_EQ(form.RichEdit->Text(), "");
        EXPECT_FALSE(form.RichEdit->Modified());
    }
};

}  // namespace

TEST_F(FilesForm, LoadFileSetsUpTheDocument)
{
    const QString doc = file("paper.tex", "\\section{a}\nb\n");
    form.ParentTable[3] = {path("PAPER.tex"), "/p/other.tex", false};  // exact comparison only
    form.ParentTable[7] = {doc, "/p/main.tex", true};
    form.TeXProcessed = true;
    form.SearchText = "x";
    ASSERT_TRUE(form.LoadFile(doc));
    EXPECT_EQ(form.windowTitle(), doc + " - Quillmark");
    EXPECT_EQ(form.FileName, doc);
    EXPECT_TRUE(form.HasFileName);
    EXPECT_FALSE(form.TeXProcessed);
    EXPECT_TRUE(form.SearchText.isEmpty());
    EXPECT_EQ(form.RecentFile[0], doc);
    EXPECT_EQ(form.CurrentDir, dir.path());
    EXPECT_EQ(form.RichEdit->Text(), "\\section{a}\r\nb\r\n");
    EXPECT_FALSE(form.RichEdit->Modified());
    EXPECT_EQ(form.RichEdit->SelStart(), 0);
    EXPECT_TRUE(form.HasParent);
    EXPECT_TRUE(form.ParentExecute);
    EXPECT_EQ(form.ParentFile, "/p/main.tex");
}

TEST_F(FilesForm, SavedFilesKeepTheirBytesAndBreaks)
{
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"crlf", "\\documentclass{jarticle}\r\n\x93\xfa\x96\x7b\x8c\xea\r\n"},
        {"lf", "\\section{\x8c\xea}\n\n\x95\x5c\x83\x5c\n"},
        {"half-width kana", "\xb1\xb2\xb3\r\n\xdf"},
        {"invalid bytes", "\x80\xa0\xfd\r\n\x81"},
        // NEC row 13 and NEC-selected IBM codes that have a second code each.
        {"duplicate codes", "\x87\x90\x87\x9a\xed\x40\xee\xfc\r\n\xfa\x40"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const QString doc = file("doc.tex", bytes);
        ASSERT_TRUE(form.LoadFile(doc));
        form.RichEdit->SetModified(true);
        form.MenuFileSaveClick();
        EXPECT_EQ(readBytes(doc), bytes);

        // An edit at the end leaves every other line as it was.
        edit("\r\nadded");
        form.MenuFileSaveClick();
        const bool lf = bytes.find("\r\n") == std::string::npos;
        EXPECT_EQ(readBytes(doc), bytes + (lf ? "\nadded" : "\r\nadded"));
    }
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(FilesForm, AFailedLoadLeavesNoDocument)
{
    const QString doc = file("paper.tex", "precious\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    edit("more");
    EXPECT_FALSE(form.LoadFile(path("missing.tex")));
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "Error Message");
    EXPECT_EQ(answers.messages[0].flags & 0xF0, MB_ICONERROR);
    expectNoDocument();

    // Save now asks for a name instead of writing over paper.tex.
    form.MenuFileSaveClick();
    EXPECT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_EQ(readBytes(doc), "precious\r\n");
}

TEST_F(FilesForm, ATooLargeFileIsRefusedAndTheDocumentStays)
{
    const QString doc = file("paper.tex", "mine\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    edit("x");
    const QString big = file("big.tex", std::string(512001, 'a'));
    EXPECT_FALSE(form.LoadFile(big));
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "開く");
    EXPECT_EQ(answers.messages[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(answers.messages[0].text.contains("512001"));
    EXPECT_EQ(form.FileName, doc);
    EXPECT_EQ(form.RichEdit->Text(), "mine\r\nx");
    EXPECT_TRUE(form.RichEdit->Modified());
    EXPECT_EQ(form.windowTitle(), doc + " - Quillmark");

    // Under the limit on disk, past it with CR LF: the message gives both
    // sizes for what they are, never the editor's size as the file's.
    std::string lf;
    while (lf.size() + 10 <= 500000) lf += "123456789\n";
    EXPECT_FALSE(form.LoadFile(file("lf.tex", lf)));
    ASSERT_EQ(answers.messages.size(), 2u);
    const QString text = answers.messages[1].text;
    EXPECT_TRUE(text.contains("500000 バイトですが")) << text.toStdString();
    EXPECT_TRUE(text.contains("CR LF にすると 550000 バイト")) << text.toStdString();
    EXPECT_EQ(form.RichEdit->Text(), "mine\r\nx");
}

TEST_F(FilesForm, SaveWritesOnlyAModifiedDocument)
{
    const QString doc = file("paper.tex", "one\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    writeBytes(doc, "changed outside");
    form.MenuFileSaveClick();
    EXPECT_EQ(readBytes(doc), "changed outside");
    EXPECT_EQ(entries(dir.path()), QStringList({"paper.tex"}));

    // With "Backup" 0 the second save's backup holds the first save.  The
    // file was changed outside: the save asks first.
    edit("two\r\n");
    form.TeXProcessed = true;
    answers.messageReplies = {IDYES};
    form.MenuFileSaveClick();
    EXPECT_EQ(answers.messages.size(), 1u);
    EXPECT_FALSE(form.TeXProcessed);
    EXPECT_FALSE(form.RichEdit->Modified());
    EXPECT_EQ(readBytes(path("paper.BAK")), "changed outside");
    edit("three\r\n");
    form.MenuFileSaveClick();
    EXPECT_EQ(readBytes(doc), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(readBytes(path("paper.BAK")), "one\r\ntwo\r\n");
}

TEST_F(FilesForm, SaveAsBacksUpOnlyItsOwnName)
{
    const QString doc = file("paper.tex", "old\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    edit("new");

    answers.choose(path("copy.tex"), 1);
    form.MenuFileSaveAsClick();
    EXPECT_EQ(readBytes(path("copy.tex")), "old\r\nnew");
    EXPECT_EQ(entries(dir.path()), QStringList({"copy.tex", "paper.tex"}));
    EXPECT_EQ(form.FileName, path("copy.tex"));

    answers.choose(path("copy.tex"), 1);
    answers.messageReplies.push_back(IDYES);
    edit("!");
    form.MenuFileSaveAsClick();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, "同名のファイルが存在します。\r\n上書き保存しますか。");
    EXPECT_EQ(answers.messages[0].caption, "ファイル名を付けて保存");
    EXPECT_EQ(answers.messages[0].flags, MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_EQ(readBytes(path("copy.BAK")), "old\r\nnew");
    EXPECT_EQ(readBytes(path("copy.tex")), "old\r\nnew!");
}

TEST_F(FilesForm, SaveAsAsksAgainOnNoAndForcesTheExtension)
{
    const QString taken = file("taken.tex", "keep");
    form.RichEdit->SetText("text");
    form.RichEdit->SetModified(true);

    answers.choose(path("taken"), 1);  // becomes taken.tex, which exists
    answers.messageReplies.push_back(IDNO);
    form.MenuFileSaveAsClick();  // the second dialog is cancelled
    ASSERT_EQ(answers.fileRequests.size(), 2u);
    EXPECT_EQ(answers.fileRequests[0].fileName, "*.tex");
    EXPECT_TRUE(answers.fileRequests[0].save);
    EXPECT_EQ(answers.fileRequests[0].filters.size(), 9);
    EXPECT_EQ(readBytes(taken), "keep");
    EXPECT_FALSE(form.HasFileName);

    answers.choose(path("prog.cpp"), 6);
    form.MenuFileSaveAsClick();
    EXPECT_EQ(form.FileName, path("prog.c"));
    EXPECT_EQ(form.FilterIndex, 6);
    EXPECT_EQ(readBytes(path("prog.c")), "text");
    EXPECT_EQ(form.windowTitle(), path("prog.c") + " - Quillmark");
    EXPECT_EQ(form.RecentFile[0], path("prog.c"));
    EXPECT_FALSE(form.RichEdit->Modified());
}

TEST_F(FilesForm, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const QString doc = file("paper.tex", "safe\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    edit(std::string(4000, 'z'));

    // Past the file-size limit the write fails; the editor itself must not
    // be ended by the signal the kernel sends with that failure.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    form.Item("MenuFileSave")->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "Error Message");
    EXPECT_TRUE(answers.messages[0].text.contains("paper.tex"));
    EXPECT_TRUE(answers.messages[0].text.endsWith(QString::fromUtf8("ファイルが大きすぎます。")));
    EXPECT_TRUE(form.RichEdit->Modified());
    EXPECT_EQ(form.RichEdit->Text(), "safe\r\n" + std::string(4000, 'z'));
    EXPECT_EQ(readBytes(doc), "safe\r\n");
    EXPECT_EQ(entries(dir.path()), QStringList({"paper.tex"}));
}

TEST_F(FilesForm, AReadOnlyDocumentIsNotReplaced)
{
    const QString doc = file("paper.tex", "fixed\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    QFile::setPermissions(doc, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    edit("more");
    form.Item("MenuFileSave")->trigger();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "Error Message");
    EXPECT_EQ(answers.messages[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(answers.messages[0].text.contains("paper.tex"));
    EXPECT_TRUE(form.RichEdit->Modified());
    EXPECT_EQ(form.RichEdit->Text(), "fixed\r\nmore");
    EXPECT_EQ(readBytes(doc), "fixed\r\n");
    EXPECT_FALSE(QFileInfo(doc).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    EXPECT_EQ(entries(dir.path()), QStringList({"paper.tex"}));

    // Save As onto it, after saying yes to the overwrite question, is
    // refused the same way.
    answers.messageReplies = {IDYES};
    answers.choose(doc, 1);
    form.Item("MenuFileSaveAs")->trigger();
    ASSERT_EQ(answers.messages.size(), 3u);
    EXPECT_EQ(answers.messages[2].caption, "Error Message");
    EXPECT_EQ(readBytes(doc), "fixed\r\n");
    QFile::setPermissions(doc, QFile::ReadOwner | QFile::WriteOwner);
}

// A save or an open that fails says, in the window's language, what failed,
// on which file (its name as it is) and why; the file on disk is untouched.
TEST_F(FilesForm, FailedSavesAndOpensSayWhatFailedOnWhichFileAndWhy)
{
    const QString here = QDir::cleanPath(dir.path());
    const QString saveFailed = QString::fromUtf8("ファイル \"%1\" に保存できませんでした。\r\n");
    const QString openFailed = QString::fromUtf8("ファイル \"%1\" を開けませんでした。\r\n");
    const auto lastMessage = [&] { return answers.messages.empty() ? QString() : answers.messages.back().text; };

    // Into a folder that is not there.
    edit("text");
    answers.choose(here + "/gone/paper.tex", 1);
    form.Item("MenuFileSaveAs")->trigger();
    EXPECT_EQ(lastMessage(), saveFailed.arg(here + "/gone/paper.tex") +
                                 QString::fromUtf8("フォルダ \"%1\" がありません。").arg(here + "/gone"));

    // A read-only document.
    const QString fixed = file("fixed.tex", "fixed\r\n");
    ASSERT_TRUE(form.LoadFile(fixed));
    QFile::setPermissions(fixed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    edit("more");
    form.Item("MenuFileSave")->trigger();
    EXPECT_EQ(lastMessage(), saveFailed.arg(fixed) + QString::fromUtf8("読み取り専用のファイルです。"));
    QFile::setPermissions(fixed, QFile::ReadOwner | QFile::WriteOwner);

    // The backup cannot take its name: the save stops before the document
    // changes, and says it was the backup.
    setSetting("Backup", 0);
    const QString doc = file("doc.tex", "old\r\n");
    ASSERT_TRUE(QDir(here).mkdir("doc.BAK"));
    ASSERT_TRUE(form.LoadFile(doc));
    edit("new");
    form.Item("MenuFileSave")->trigger();
    EXPECT_EQ(lastMessage(),
              QString::fromUtf8("バックアップ ファイル \"%1\" を作れなかったので、保存しませんでした。\r\n"
                                "ファイルではなく、フォルダです。")
                  .arg(here + "/doc.BAK"));
    EXPECT_EQ(readBytes(doc), "old\r\n");
    EXPECT_TRUE(form.RichEdit->Modified());
    setSetting("Backup", 1);

    // A folder the user may not write in.  The administrator may write in
    // any, so there only the reason is asked for, of that folder as it is.
    const QString locked = here + "/locked";
    ASSERT_TRUE(QDir(here).mkdir("locked"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString lockedReason = QString::fromUtf8("フォルダ \"%1\" に書き込む権限がありません。").arg(locked);
    if (::geteuid() != 0) {
        answers.choose(locked + "/paper.tex", 1);
        form.Item("MenuFileSaveAs")->trigger();
        EXPECT_EQ(lastMessage(), saveFailed.arg(locked + "/paper.tex") + lockedReason);
    } else {
        EXPECT_EQ(docfile::fileErrorReason(docfile::FileAction::Save, locked + "/paper.tex", EACCES), lockedReason);
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Opening what is not there, or a folder.
    EXPECT_FALSE(form.LoadFile(here + "/missing.tex"));
    EXPECT_EQ(lastMessage(), openFailed.arg(here + "/missing.tex") + QString::fromUtf8("このファイルはありません。"));
    EXPECT_FALSE(form.LoadFile(locked));
    EXPECT_EQ(lastMessage(), openFailed.arg(locked) + QString::fromUtf8("ファイルではなく、フォルダです。"));
    for (const ask::MessageRequest& m : answers.messages) EXPECT_EQ(m.caption, "Error Message");
}

// Each reason a user meets has a sentence of its own in Japanese; a full
// disk cannot be made here, so it is asked for by its number.  A rare one
// gives the system's text after a Japanese sentence.
TEST(FileErrors, EachReasonIsASentenceOfItsOwn)
{
    const QString path = QString::fromUtf8("/ぶんしょ/ろんぶん.tex");
    const int errors[] = {ENOSPC, EDQUOT, EACCES,       EROFS, ENOENT, ENOTDIR, EISDIR,
                          EINVAL, EFBIG,  ENAMETOOLONG, ELOOP, EIO,    EMFILE,  EBUSY};
    QStringList reasons;
    for (const int error : errors) {
        const QString reason = docfile::fileErrorReason(docfile::FileAction::Save, path, error);
        EXPECT_FALSE(reason.contains(QRegularExpression("[A-Za-z]"))) << error << ": " << reason.toStdString();
        EXPECT_FALSE(reasons.contains(reason)) << error << ": " << reason.toStdString();
        reasons << reason;
    }
    EXPECT_EQ(docfile::fileErrorReason(docfile::FileAction::Save, path, ENOSPC),
              QString::fromUtf8("ディスクの空きがありません。"));
    const QString rare = docfile::fileErrorReason(docfile::FileAction::Read, path, ENXIO);
    EXPECT_TRUE(rare.startsWith(QString::fromUtf8("エラーが起きました（"))) << rare.toStdString();
    EXPECT_TRUE(rare.contains(QString::fromLocal8Bit(std::strerror(ENXIO)))) << rare.toStdString();
}

TEST_F(FilesForm, AFileChangedByAnotherProgramIsOverwrittenOnlyOnYes)
{
    const QString doc = file("paper.tex", "mine\r\n");
    ASSERT_TRUE(form.LoadFile(doc));
    edit("x");
    // Another program writes the file (same size, so only the time and the
    // contents tell).
    QThread::msleep(20);
    writeBytes(doc, "ours\r\n");
    answers.messageReplies = {IDNO};
    form.MenuFileSaveClick();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "Quillmark");
    EXPECT_EQ(answers.messages[0].flags, MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_TRUE(answers.messages[0].text.contains("上書き保存しますか"));
    EXPECT_EQ(readBytes(doc), "ours\r\n");
    EXPECT_TRUE(form.RichEdit->Modified());

    answers.messageReplies = {IDYES};
    form.MenuFileSaveClick();
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(readBytes(doc), "mine\r\nx");
    EXPECT_FALSE(form.RichEdit->Modified());

    // Our own saves are not another program's: no question.
    edit("y");
    form.MenuFileSaveClick();
    edit("z");
    form.MenuFileSaveClick();
    EXPECT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(readBytes(doc), "mine\r\nxyz");
    // A file that has gone is written again without a question.
    QFile::remove(doc);
    edit("!");
    form.MenuFileSaveClick();
    EXPECT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(readBytes(doc), "mine\r\nxyz!");
}

TEST_F(FilesForm, SavingKeepsTheDocumentsOtherNames)
{
    setSetting("Backup", 0);
    const QString doc = file("paper.tex", "one\r\n");
    ASSERT_TRUE(QFile::link(doc, path("link.tex")));
    ASSERT_EQ(::link(QFile::encodeName(doc).constData(), QFile::encodeName(path("hard.tex")).constData()), 0);
    ASSERT_TRUE(form.LoadFile(path("link.tex")));
    edit("two\r\n");
    form.MenuFileSaveClick();
    edit("three\r\n");
    form.MenuFileSaveClick();
    // Our own saves in place are not taken for another program's.
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_FALSE(form.RichEdit->Modified());
    EXPECT_EQ(form.FileName, path("link.tex"));
    EXPECT_TRUE(QFileInfo(path("link.tex")).isSymLink());
    EXPECT_EQ(readBytes(path("hard.tex")), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(readBytes(path("paper.BAK")), "one\r\ntwo\r\n");
    EXPECT_EQ(entries(dir.path()), QStringList({"hard.tex", "link.tex", "paper.BAK", "paper.tex"}));

    // Save As onto a link whose file has gone asks first, then brings the
    // file back through the link.
    ASSERT_TRUE(QFile::link(path("gone.tex"), path("dangling.tex")));
    answers.choose(path("dangling.tex"), 1);
    answers.messageReplies = {IDYES};
    edit("four\r\n");
    form.MenuFileSaveAsClick();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].caption, "ファイル名を付けて保存");
    EXPECT_TRUE(QFileInfo(path("dangling.tex")).isSymLink());
    EXPECT_EQ(readBytes(path("gone.tex")), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST_F(FilesForm, NewAsksFirstAndEmptiesTheDocument)
{
    const QString doc = file("paper.tex", "a");
    ASSERT_TRUE(form.LoadFile(doc));
    edit("b");
    answers.messageReplies = {IDCANCEL, IDNO};
    form.MenuFileNewClick();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, "変更されています。保存しますか");
    EXPECT_EQ(answers.messages[0].caption, "Quillmark");
    EXPECT_EQ(answers.messages[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(form.FileName, doc);

    form.FilterIndex = 4;
    form.MenuFileNewClick();
    expectNoDocument();
    EXPECT_EQ(form.FilterIndex, 1);
    EXPECT_EQ(readBytes(doc), "a");

    form.Busy = true;  // every command waits while the window is busy
    form.RichEdit->SetText("x");
    form.MenuFileNewClick();
    EXPECT_EQ(form.RichEdit->Text(), "x");
}

TEST_F(FilesForm, OpenAndRecentFiles)
{
    const QString a = file("a.tex", "A"), b = file("b.txt", "B"), c = file("c.sty", "C");
    ASSERT_TRUE(form.LoadFile(c));
    ASSERT_TRUE(form.LoadFile(b));
    answers.choose(a, 1);
    form.AutoColor = false;  // keeps the colour messages out of this test
    form.MenuFileOpenClick();
    EXPECT_EQ(form.FileName, a);
    EXPECT_EQ(answers.fileRequests.at(0).caption, "開く");
    EXPECT_EQ(answers.fileRequests.at(0).directory, dir.path());

    form.MenuFileClick();
    EXPECT_EQ(form.Item("MenuFileRec2")->text(), "&2 b.txt");

    form.MenuFileRec1Click(2);
    EXPECT_EQ(form.FileName, b);
    EXPECT_EQ(form.StatusPanelText(1), "") << "an untouched document shows no change mark";
    EXPECT_EQ(form.FilterIndex, 2);
    EXPECT_EQ(form.RecentFile[0], b);
    EXPECT_EQ(form.RecentFile[1], a);
    EXPECT_EQ(form.RecentFile[2], c);

    form.MenuFileRec1Click(5);  // empty entry
    EXPECT_EQ(form.FileName, b);
}

TEST_F(FilesForm, ColourSyntaxMessagesOnOpening)
{
    struct Case {
        const char* name;
        size_t size;
        bool colourOn;
        const char* start;
    } cases[] = {
        {"big.tex", 300000, true, "開くファイルのサイズが256KByte"},
        {"notes.txt", 10, true, "開くファイルの拡張子が tex, sty"},
        {"paper.tex", 10, false, "開くファイルの拡張子が .TEX だったので"},
        {"style.dtx", 10, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answers.messages.clear();
        form.AutoColor = c.colourOn;
        ASSERT_TRUE(form.LoadFile(file(c.name, std::string(c.size, 'a'))));
        if (!c.start) {
            EXPECT_TRUE(answers.messages.empty());
            continue;
        }
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_TRUE(answers.messages[0].text.startsWith(QString::fromUtf8(c.start)))
            << answers.messages[0].text.toStdString();
        EXPECT_EQ(answers.messages[0].caption, "開く");
        EXPECT_EQ(answers.messages[0].flags, MB_OK | MB_ICONINFORMATION);
    }
}

TEST_F(FilesForm, PrintsTheTextToTheChosenPrinter)
{
    const QString pdf = path("out.pdf");
    bool askedSetup = false;
    QPrinter* used = nullptr;
    printing::setPrinterAnswerer([&](QPrinter& printer, bool setup) {
        askedSetup = askedSetup || setup;
        used = &printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    form.RichEdit->SetText("\\documentclass{jarticle}\r\nprinted text\r\n");
    form.MenuFilePrintSetupClick();
    EXPECT_TRUE(askedSetup);
    form.MenuFilePrintClick();
    printing::setPrinterAnswerer({});
    const std::string bytes = readBytes(pdf);
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(bytes.substr(0, 4), "%PDF");
    ASSERT_NE(used, nullptr);
    EXPECT_EQ(used->docName(), "Quillmark");
}
