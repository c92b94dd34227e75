#include "tests/tex/TeXWorkerSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/Cp932.h"
#include "tex/TeXCommands.h"

namespace {

// A fake TeX: logs its arguments, folder and environment, writes the .dvi
// and a log whose last line the test chooses.
QByteArray fakeTeX(const QString& orderLog, const QByteArray& logLine = "", bool writesDvi = true)
{
    QByteArray body = "log='" + orderLog.toLocal8Bit() +
                      "'\n"
                      "printf 'tex' >> \"$log\"; for a in \"$@\"; do printf ' [%s]' \"$a\" >> \"$log\"; done\n"
                      "echo \" cwd=$(pwd) enc=$PTEX_KANJI_ENC\" >> \"$log\"\n"
                      "for last; do :; done; base=\"${last%.tex}\"\n"
                      "echo \"$TEXEDIT\" > texedit.txt\n"
                      "printf 'This is fake TeX\\n" +
                      logLine + "\\n' > \"$base.log\"\n";
    if (writesDvi) body += "echo dvi > \"$base.dvi\"\n";
    return body;
}

QByteArray logger(const QString& orderLog, const QByteArray& name)
{
    return "printf '" + name + "' >> '" + orderLog.toLocal8Bit() + "'; for a in \"$@\"; do printf ' [%s]' \"$a\" >> '" +
           orderLog.toLocal8Bit() + "'; done; echo >> '" + orderLog.toLocal8Bit() + "'\n";
}

}  // namespace

TEST_F(TeXWorkerTest, FullRunOrderArgumentsFolderAndEnvironment)
{
    setting("TeXFile", fake("tex.sh", fakeTeX(orderLog())));
    setting("TeXOption", "-kanji=sjis \"a b\"");
    setting("BibTeXFile", fake("bib.sh", logger(orderLog(), "bibtex")));
    setting("MendexFile", fake("mendex.sh", logger(orderLog(), "mendex")));
    setting("MendexOption", "-s x.ist");
    QString doc = document("doc.tex", "x");
    run(doc, 1, 0, 3, true, true);
    QString tex = "tex [-kanji=sjis] [a b] [doc.tex] cwd=" + folder + " enc=sjis";
    QStringList expected{tex, "bibtex [doc]", tex, "mendex [-s] [x.ist] [doc.idx]", tex};
    EXPECT_EQ(order(), expected);
    EXPECT_TRUE(form->TeXProcessed);
    EXPECT_FALSE(form->TeXBusy);
    EXPECT_TRUE(messages.empty());
    // The companion and the line alone: nothing TeX takes from the document.
    QString texEdit = QString::fromLocal8Bit(textest::readFile(folder + "/texedit.txt"));
    EXPECT_EQ(texEdit.trimmed(), companionCommandPath(QString(QUILL_TEST_BINARY_DIR) + "/quilldde") + " /j%d");
}

TEST_F(TeXWorkerTest, StoppedRunLeavesTheRestUndone)
{
    for (const char* line : {"? x", "? E", "! Emergency stop."}) {
        QFile::remove(orderLog());
        setting("TeXFile", fake("tex.sh", fakeTeX(orderLog(), line)));
        setting("BibTeXFile", fake("bib.sh", logger(orderLog(), "bibtex")));
        form->TeXProcessed = true;
        run(document("doc.tex", "x"), 1, 0, 3, false, true);
        EXPECT_EQ(order().size(), 1) << line;
        EXPECT_FALSE(form->TeXProcessed) << line;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(TeXWorkerTest, MissingDviStopsOnlyForDviOutput)
{
    setting("TeXFile", fake("tex.sh", fakeTeX(orderLog(), "", false)));
    run(document("doc.tex", "x"), 1, 0, 3);
    EXPECT_EQ(order().size(), 1);
    EXPECT_FALSE(form->TeXProcessed);
    QFile::remove(orderLog());
    run(document("doc.tex", "x"), 1, 1, 3);
    EXPECT_EQ(order().size(), 3);
    EXPECT_TRUE(form->TeXProcessed);
}

TEST_F(TeXWorkerTest, MissingTeXProgramMessages)
{
    QString doc = document("doc.tex", "x");
    textest::writeFile(folder + "/doc.dvi", "old");
    run(doc, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|起動するTeXプログラムが指定されていません。");
    EXPECT_TRUE(QFile::exists(folder + "/doc.dvi"));  // nothing deleted

    messages.clear();
    setting("TeXFile", "/nonexistent/platex");
    textest::writeFile(folder + "/doc.pdf", "old");
    run(doc, 2, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "エラー|TeXを処理するプログラム・ファイル/nonexistent/platexが存在しません。"
              "\t\t\t\t\t\t\t\t \nQuillmarkの初期設定を確認してください。");
    EXPECT_FALSE(QFile::exists(folder + "/doc.dvi"));
    EXPECT_FALSE(QFile::exists(folder + "/doc.pdf"));

    messages.clear();
    run(doc, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "エラー|TeXを処理するプログラム・ファイル/nonexistent/platexが存在しません。"
              "\nQuillmarkの初期設定を確認してください。");
}

TEST_F(TeXWorkerTest, OutputStepMessagesAndViewers)
{
    QString doc = document("doc.tex", "x");
    textest::writeFile(folder + "/doc.dvi", "dvi");
    form->TeXProcessed = true;
    run(doc, 2, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|起動するDVIドライバが指定されていません。");
    // A viewer by command line, and the PostScript viewer after dvips.
    QString viewerLog = folder + "/viewer.log";
    QString viewer = fake("viewer.sh", "for a in \"$@\"; do printf '[%s]' \"$a\" >> '" + viewerLog.toLocal8Bit() +
                                           "'; done; echo >> '" + viewerLog.toLocal8Bit() + "'\n");
    setting("DviFile", viewer);
    setting("DviOption", "-s 5");
    settingInt("DviDde", 1);
    messages.clear();
    run(doc, 2, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(textest::waitUntil([&] { return textest::readFile(viewerLog).contains('\n'); }, 5000));
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(viewerLog)), "[-s][5][" + folder + "/doc.dvi]\n");

    // Left on the conversation (as typing the settings or the wizard leaves
    // it) with no viewer answering it: the viewer shows the file all the same.
    settingInt("DviDde", 0);
    QFile::remove(viewerLog);
    run(doc, 2, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(textest::waitUntil([&] { return textest::readFile(viewerLog).contains('\n'); }, 5000));
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(viewerLog)), "[-s][5][" + folder + "/doc.dvi]\n");

    setting("DvipsFile", fake("ps.sh", logger(orderLog(), "dvips")));
    setting("PSViewerFile", viewer);
    run(doc, 2, 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|拡張子が.ps のファイルが存在しないので、\nビューアを起動できませんでした。");
    textest::writeFile(folder + "/doc.ps", "ps");
    QFile::remove(viewerLog);
    run(doc, 2, 2);
    EXPECT_TRUE(textest::waitUntil([&] { return textest::readFile(viewerLog).contains('\n'); }, 5000));
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(viewerLog)), "[" + folder + "/doc.ps]\n");
}

TEST_F(TeXWorkerTest, ProgramsThatCannotStart)
{
    QString doc = document("doc.tex", "x");
    setting("TeXFile", fake("tex.sh", fakeTeX(orderLog())));
    setting("BibTeXFile", folder + "/nobibtex");
    run(doc, 1, 0, 3, false, true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error|ファイル：" + folder + "/nobibtex" + "が存在しません！");
    EXPECT_FALSE(form->TeXProcessed);
    messages.clear();
    textest::writeFile(folder + "/notaprogram", "text");
    setting("BibTeXFile", folder + "/notaprogram");
    run(doc, 1, 0, 3, false, true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|Can't make processs!!");
}

TEST(TeXEdit, NothingNamedByTheUserBecomesShellText)
{
    EXPECT_EQ(texEditValue("/opt/q/quilldde"), "/opt/q/quilldde /j%d\n");
    // A plain companion path is used as it is; any other is reached through
    // a link of plain name that leads to the same program.
    EXPECT_EQ(companionCommandPath("/usr/lib/quillmark/quilldde"), "/usr/lib/quillmark/quilldde");
    QTemporaryDir dir;
    for (QString folderName : {"my dir", "$HOME", "a'b\"c", "`id`;x", "new\nline", "日本語"}) {
        QString real = dir.path() + "/" + folderName + "/quilldde";
        QDir().mkpath(QFileInfo(real).path());
        textest::writeScript(real, "exit 0\n");
        QString command = companionCommandPath(real);
        EXPECT_TRUE(isPlainCommandText(command)) << command.toStdString();
        EXPECT_EQ(QFileInfo(command).canonicalFilePath(), QFileInfo(real).canonicalFilePath());
    }
    for (QString text : {"", "a b", "a$b", "a'b", "a;b", "a`b", "a\nb", "a%b", "日"})
        EXPECT_FALSE(isPlainCommandText(text)) << text.toStdString();

    EXPECT_TRUE(logShowsStop("a\r\n? X\r\nb"));
    EXPECT_TRUE(logShowsStop("! emergency STOP."));
    EXPECT_FALSE(logShowsStop("?  e\n? ee\n! Emergency stop"));
}

TEST_F(TeXWorkerTest, DviViewerReachedThroughTheConversation)
{
    QString doc = document("doc.tex", "x");
    textest::writeFile(folder + "/doc.dvi", "dvi");
    setting("DviFile", "/usr/bin/true");
    settingInt("DviDde", 0);
    form->TeXProcessed = true;
    textest::FakeViewerPeer peer(cp932::encode(folder + "/doc.dvi"), "3(9)");
    run(doc, 2, 0);
    std::vector<std::string> expected{"[WinNormal]", "[FileReopen]", "[PageMove(3)]"};
    EXPECT_EQ(peer.macros(), expected);
    EXPECT_TRUE(messages.empty());
}
