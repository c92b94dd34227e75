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
    // A .ps left by an earlier run is not taken for this run's output.
    textest::writeFile(folder + "/doc.ps", "ps");
    QFile::remove(viewerLog);
    messages.clear();
    run(doc, 2, 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|拡張子が.ps のファイルが存在しないので、\nビューアを起動できませんでした。");
    setting("DvipsFile", fake("ps.sh", logger(orderLog(), "dvips") + "echo ps > doc.ps\n"));
    messages.clear();
    run(doc, 2, 2);
    EXPECT_TRUE(messages.empty());
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
    // Read in pieces: a stop line split between two, and the tail of a long
    // line that looks like one.
    LogStopScan split;
    split.feed("x\n! Emer");
    split.feed("gency stop.\r");
    split.feed("\nmore");
    EXPECT_TRUE(split.finish());
    LogStopScan tail;
    tail.feed(std::string(100, 'x'));
    tail.feed("? e\n");
    EXPECT_FALSE(tail.finish());
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

// A program of the run that fails stops the run there: nothing after it
// runs, no viewer is started on what it left, and the message names the
// step.  Each road: the full run with its programs, and each output kind.
TEST_F(TeXWorkerTest, AFailedStepStartsNothingAfterIt)
{
    const QString viewerLog = folder + "/viewer.log";
    const QString viewer =
        fake("viewer.sh", "echo \"viewer $*\" >> '" + viewerLog.toLocal8Bit() + "'\n");
    int made = 0;  // each fake program in a file of its own
    auto failing = [&](const QByteArray& name, int code, const QByteArray& writes = "") {
        return fake(name + QString::number(++made) + ".sh",
                    logger(orderLog(), name) + writes + "exit " + QByteArray::number(code) + "\n");
    };
    const QByteArray partialPdf = "for last; do :; done; echo '%PDF-1.' > \"${last%.dvi}.pdf\"\n";
    const QByteArray partialPs = "for last; do :; done; echo '%!PS' > \"${last%.dvi}.ps\"\n";
    const QString tex = fake("tex.sh", fakeTeX(orderLog()));
    struct Case {
        const char* what;
        QString texFile;
        int mode, outputKind;
        bool bibtex, mendex;
        QString bibtexFile, mendexFile, dvipdf, dvips;
        QStringList ran;  // the programs in order (first word of their log lines)
        QString message;  // empty: none
    };
    auto texFailed = [&](const QString& program, int code) {
        return "Quillmark|TeX（" + program + "）がエラーで終了したので（終了コード " + QString::number(code) +
               "）、\n処理を中止しました。";
    };
    const QString badTeX = fake("badtex.sh", fakeTeX(orderLog()) + "exit 1\n");
    const QString noDviTeX = fake("nodvi.sh", fakeTeX(orderLog(), "", false));
    const QString badBib = failing("bibtex", 2);
    const QString badMendex = failing("mendex", 1);
    const QString goodBib = failing("bibtex", 0);
    const QString goodMendex = failing("mendex", 0);
    const QString badPdf = failing("dvipdfmx", 1, partialPdf);
    const QString silentPdf = failing("dvipdfmx", 0);
    const QString goodPdf = failing("dvipdfmx", 0, partialPdf);
    const QString badPs = failing("dvips", 1, partialPs);
    const Case cases[] = {
        {"TeX fails, F12", badTeX, 2, 1, true, true, goodBib, goodMendex, goodPdf, {}, {"tex"},
         texFailed(badTeX, 1)},
        {"TeX fails, F10", badTeX, 1, 0, true, true, goodBib, goodMendex, {}, {}, {"tex"}, texFailed(badTeX, 1)},
        {"BibTeX fails", tex, 2, 1, true, true, badBib, goodMendex, goodPdf, {}, {"tex", "bibtex"},
         "Quillmark|BibTeX（" + badBib + "）がエラーで終了したので（終了コード 2）、\n処理を中止しました。"},
        {"mendex fails", tex, 1, 0, true, true, goodBib, badMendex, {}, {}, {"tex", "bibtex", "tex", "mendex"},
         "Quillmark|mendex（" + badMendex + "）がエラーで終了したので（終了コード 1）、\n処理を中止しました。"},
        {"dvipdfmx fails and leaves a partial PDF", tex, 2, 1, false, false, {}, {}, badPdf, {}, {"tex", "dvipdfmx"},
         "Quillmark|DVI→PDFプログラム（" + badPdf +
             "）がエラーで終了したので（終了コード 1）、\nビューアを起動できませんでした。"},
        {"dvipdfmx writes no PDF", tex, 2, 1, false, false, {}, {}, silentPdf, {}, {"tex", "dvipdfmx"},
         "Quillmark|拡張子が.pdf のファイルが存在しないので、\nビューアを起動できませんでした。"},
        {"dvips fails", tex, 2, 2, false, false, {}, {}, {}, badPs, {"tex", "dvips"},
         "Quillmark|DVI→PSプログラム（" + badPs +
             "）がエラーで終了したので（終了コード 1）、\nビューアを起動できませんでした。"},
        {"no DVI, F11", noDviTeX, 2, 0, false, false, {}, {}, {}, {}, {"tex"},
         "Quillmark|拡張子が.dvi のファイルが存在しないので、\nビューアを起動できませんでした。"},
        {"no DVI, F12", noDviTeX, 2, 1, false, false, {}, {}, goodPdf, {}, {"tex"},
         "Quillmark|拡張子が.dvi のファイルが存在しないので、\nビューアを起動できませんでした。"},
        {"no DVI, Ctrl+F12", noDviTeX, 2, 2, false, false, {}, {}, {}, badPs, {"tex"},
         "Quillmark|拡張子が.dvi のファイルが存在しないので、\nビューアを起動できませんでした。"},
    };
    const QString doc = document("doc.tex", "x");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* ext : {".dvi", ".pdf", ".ps"}) QFile::remove(folder + "/doc" + ext);
        QFile::remove(orderLog());
        QFile::remove(viewerLog);
        messages.clear();
        setting("TeXFile", c.texFile);
        setting("BibTeXFile", c.bibtexFile);
        setting("MendexFile", c.mendexFile);
        setting("DvipdfFile", c.dvipdf);
        setting("DvipsFile", c.dvips);
        setting("DviFile", viewer);
        settingInt("DviDde", 1);
        setting("PDFReaderFile", viewer);
        setting("PSViewerFile", viewer);
        form->TeXProcessed = false;
        run(doc, c.mode, c.outputKind, c.bibtex || c.mendex ? 3 : 1, c.mendex, c.bibtex);
        QStringList ran;
        for (const QString& line : order()) ran << line.section(' ', 0, 0);
        EXPECT_EQ(ran, c.ran);
        EXPECT_EQ(messages, std::vector<QString>{c.message});
        EXPECT_FALSE(form->TeXBusy);
        textest::waitUntil([] { return false; }, 200);  // a viewer started by mistake has written by now
        EXPECT_FALSE(QFileInfo::exists(viewerLog));
    }

    // A processed document skips TeX: an earlier run's PDF left beside it
    // is not shown when the conversion fails now.
    setting("TeXFile", tex);
    setting("DvipdfFile", goodPdf);
    form->TeXProcessed = false;
    messages.clear();
    run(doc, 2, 1);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(textest::waitUntil([&] { return QFileInfo::exists(viewerLog); }, 5000));
    QFile::remove(viewerLog);
    ASSERT_TRUE(form->TeXProcessed);
    setting("DvipdfFile", silentPdf);
    QFile::remove(orderLog());
    run(doc, 2, 1);
    EXPECT_EQ(order(), QStringList{"dvipdfmx [doc.dvi]"});
    EXPECT_EQ(messages, std::vector<QString>{"Quillmark|拡張子が.pdf のファイルが存在しないので、\nビューアを起動できませんでした。"});
    textest::waitUntil([] { return false; }, 200);
    EXPECT_FALSE(QFileInfo::exists(viewerLog));
}
