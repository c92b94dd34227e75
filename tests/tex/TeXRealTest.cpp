// The worker and the error jump with Debian's real pLaTeX tools on Shift-JIS
// documents.  Wrappers log the order of the runs and then hand over to the
// real programs.
#include "tests/tex/TeXWorkerSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "tex/Dde.h"
#include "tests/support/RealTeX.h"
#include "tex/TeXCommands.h"

namespace {

// "あいう" and "日本語" in Shift-JIS.
const QByteArray kJapanese = "\x82\xa0\x82\xa2\x82\xa4\x93\xfa\x96\x7b\x8c\xea";
// Index entries in kana sort without a reading.
const QByteArray kKana = "\x82\xa0\x82\xa2\x82\xa4";

}  // namespace

class RealTeXTest : public TeXWorkerTest {
protected:
    void SetUp() override
    {
        TeXWorkerTest::SetUp();
        if (!realtex::installed({"/usr/bin/platex", "/usr/bin/pbibtex", "/usr/bin/mendex", "/usr/bin/dvipdfmx"}))
            GTEST_SKIP() << "pLaTeX is not installed";
        auto wrap = [this](const char* name, const char* real) {
            return fake(QString(name) + ".sh", "echo " + QByteArray(name) + " >> '" + orderLog().toLocal8Bit() +
                                                   "'\nexec " + real + " \"$@\"\n");
        };
        setting("TeXFile", wrap("platex", "/usr/bin/platex"));
        setting("BibTeXFile", wrap("pbibtex", "/usr/bin/pbibtex"));
        setting("MendexFile", wrap("mendex", "/usr/bin/mendex"));
        setting("DvipdfFile", wrap("dvipdfmx", "/usr/bin/dvipdfmx"));
    }
    void runAnsweringE(TForm1& runner, const QString& documentPath, const QString& companion);
    QString installCompanion(const QString& folderName);
};

TEST_F(RealTeXTest, PlainDocumentTakesOnePass)
{
    QByteArray text = "\\documentclass{jarticle}\r\n\\begin{document}\r\n" + kJapanese + "\r\n\\end{document}\r\n";
    form->RichEdit->SetText(text.toStdString());
    PassDecision d = decidePasses(form->RichEdit->Text(), false);
    EXPECT_EQ(d.passes, 1);
    run(document("plain.tex", text), 1, 0, d.passes);
    EXPECT_EQ(order(), QStringList{"platex"});
    EXPECT_TRUE(QFileInfo(folder + "/plain.dvi").size() > 0);
    EXPECT_TRUE(form->TeXProcessed);
    EXPECT_TRUE(messages.empty());
    // The console showed TeX's own output, decoded.
    EXPECT_TRUE(tex::TeXConsoleView(*form)->text().contains("Output written on plain.dvi"));
}

TEST_F(RealTeXTest, IndexAndBibliographyRunInOrder)
{
    textest::writeFile(folder + "/refs.bib",
                       "@book{key,\n author={" + kJapanese + "},\n title={T},\n publisher={P},\n year={2000}\n}\n");
    QByteArray text = "\\documentclass{jarticle}\r\n\\usepackage{makeidx}\r\n\\makeindex\r\n\\begin{document}\r\n" +
                      kJapanese + "\\index{" + kKana +
                      "}\\cite{key}\r\n\\bibliographystyle{jplain}\r\n"
                      "\\bibliography{refs}\r\n\\printindex\r\n\\end{document}\r\n";
    PassDecision d = decidePasses(text.toStdString(), true);
    ASSERT_EQ(d.passes, 3);
    ASSERT_TRUE(d.runBibTeX && d.runMendex);
    form->TeXProcessed = false;
    run(document("full.tex", text), 2, 1, d.passes, d.runMendex, d.runBibTeX);
    EXPECT_EQ(order(), (QStringList{"platex", "pbibtex", "platex", "mendex", "platex", "dvipdfmx"}));
    EXPECT_TRUE(textest::readFile(folder + "/full.bbl").contains(kJapanese));
    EXPECT_TRUE(textest::readFile(folder + "/full.ind").contains("\\item " + kKana));
    EXPECT_TRUE(QFileInfo(folder + "/full.dvi").size() > 0);
    EXPECT_TRUE(QFileInfo(folder + "/full.pdf").size() > 0);
    EXPECT_TRUE(form->TeXProcessed);
    // The PDF reader is not set: the one message of the output step.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|起動するPDF Readerプログラムが指定されていません。");

    // Unchanged and processed: the show command goes straight to the output.
    QFile::remove(orderLog());
    run(folder + "/full.tex", 2, 1, 3, true, true);
    EXPECT_EQ(order(), QStringList{"dvipdfmx"});
}

TEST_F(RealTeXTest, ErrorAnsweredWithXStopsTheRun)
{
    QByteArray text = "\\documentclass{jarticle}\r\n\\begin{document}\r\n\r\n" + kJapanese +
                      "\\undefinedcommand\r\n\\label{a}\r\n\\end{document}\r\n";
    TeXConsole* console = tex::TeXConsoleView(*form);
    console->clear();
    const textest::AnswerFirstError answer([console] { return console; });
    run(document("err.tex", text), 1, 0, 3);
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(order(), QStringList{"platex"});
    EXPECT_FALSE(form->TeXProcessed);
    EXPECT_TRUE(console->text().contains("! Undefined control sequence."));
    // TeX's terminal output is decoded as the locale it was given says.
    EXPECT_TRUE(console->text().contains(QString::fromUtf8("l.4 あいう日本語\\undefinedcommand")));
    EXPECT_TRUE(messages.empty());
}

// dvipdfmx that cannot finish (a picture gone since TeX read it) leaves a
// PDF stub behind and ends with 1: the reader is not started on it and the
// user is told which program failed.  The same for a converter that fails
// whatever it is given.
TEST_F(RealTeXTest, FailedConversionStartsNoReader)
{
    const QString shown = folder + "/../shown.txt";
    setting("PDFReaderFile", fake("reader.sh", "echo \"$@\" >> '" + shown.toLocal8Bit() + "'\n"));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(folder + "/pic.png", "png"));
    const QByteArray text = "\\documentclass[dvipdfmx]{jarticle}\r\n\\usepackage{graphicx}\r\n\\begin{document}\r\n" +
                            kJapanese + "\\includegraphics[width=2cm]{pic.png}\r\n\\end{document}\r\n";
    const QString doc = document("figure.tex", text);
    form->TeXProcessed = false;
    run(doc, 2, 1, 1);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(textest::waitUntil([&] { return QFileInfo::exists(shown); }, 10000));
    EXPECT_EQ(QString::fromLocal8Bit(textest::readFile(shown)).trimmed(), QFileInfo(folder + "/figure.pdf").absoluteFilePath());
    QFile::remove(shown);

    // The picture goes; the document is unchanged, so only dvipdfmx runs.
    ASSERT_TRUE(form->TeXProcessed);
    QFile::remove(folder + "/pic.png");
    QFile::remove(orderLog());
    run(doc, 2, 1, 1);
    EXPECT_EQ(order(), QStringList{"dvipdfmx"});
    const QString dvipdfmx = readTeXSettings(form->Settings()).DvipdfFile;
    ASSERT_EQ(messages.size(), 1u) << tex::TeXConsoleView(*form)->text().toStdString();
    EXPECT_EQ(messages[0], "Quillmark|" + stepFailedMessage("DVI→PDFプログラム", dvipdfmx, 1, true));
    EXPECT_TRUE(messages[0].contains("dvipdfmx") && messages[0].contains("ビューアを起動できませんでした"));
    EXPECT_TRUE(tex::TeXConsoleView(*form)->text().contains("pic.png"));
    textest::waitUntil([] { return false; }, 300);
    EXPECT_FALSE(QFileInfo::exists(shown));

    // A converter set in the settings that always fails, after a full run.
    ASSERT_TRUE(picture.save(folder + "/pic.png", "png"));
    const QString failing = fake("failing-dvipdfmx.sh", "echo dvipdfmx >> '" + orderLog().toLocal8Bit() + "'\nexit 1\n");
    setting("DvipdfFile", failing);
    form->TeXProcessed = false;
    QFile::remove(orderLog());
    messages.clear();
    run(doc, 2, 1, 1);
    EXPECT_EQ(order(), (QStringList{"platex", "dvipdfmx"}));
    EXPECT_EQ(messages, std::vector<QString>{"Quillmark|" + stepFailedMessage("DVI→PDFプログラム", failing, 1, true)});
    textest::waitUntil([] { return false; }, 300);
    EXPECT_FALSE(QFileInfo::exists(shown));
}

// Runs TeX on a document whose error the console answers with "e", the
// companion being reached as an editor's run reaches it.
void RealTeXTest::runAnsweringE(TForm1& runner, const QString& documentPath, const QString& companion)
{
    TeXConsole* console = tex::TeXConsoleView(runner);
    console->clear();
    const textest::AnswerFirstError answer([console] { return console; }, "e");
    TeXJob job = teXJobFor(runner, documentPath);
    job.companionPath = companion;
    job.editorService = tex::runState(runner).DdeServer->service();
    job.mode = 1;
    job.passes = 3;
    auto* worker = new TTeXEXE(std::move(job), &runner, console);
    tex::runState(runner).TeXThread = worker;
    worker->Resume();
    finish(worker);
    EXPECT_TRUE(answer.answered());
    EXPECT_TRUE(worker->Terminated());  // the poke told the worker to stop
    tex::runState(runner).TeXThread = nullptr;
    delete worker;
}

QString RealTeXTest::installCompanion(const QString& folderName)
{
    QString companionDir = folder + "/../" + folderName;
    QDir().mkpath(companionDir);
    QString companion = QDir(companionDir).absoluteFilePath("quilldde");
    QFile::remove(companion);
    EXPECT_TRUE(QFile::copy(QString(QUILL_TEST_BINARY_DIR) + "/quilldde", companion));
    QFile::setPermissions(companion, QFile::permissions(companion) | QFile::ExeOwner);
    return companion;
}

TEST_F(RealTeXTest, ErrorJumpReachesTheInstanceWhoseRunItIs)
{
    // The companion sits in a folder with blanks and shell characters.
    QString companion = installCompanion("bin with blanks $HOME 'q' `touch PWNED`;x");
    // Two editors: the first holds another document with the same lines.
    TForm1* second = nullptr;
    form->StartDdeServer();
    auto other = std::make_unique<TForm1>();
    other->RegKey = form->RegKey;
    other->StartDdeServer();
    second = other.get();
    ASSERT_TRUE(tex::runState(*form).DdeServer->isListening());
    ASSERT_TRUE(tex::runState(*second).DdeServer->isListening());
    EXPECT_NE(tex::runState(*form).DdeServer->service(), tex::runState(*second).DdeServer->service());

    QByteArray text = "\\documentclass{jarticle}\r\n\\begin{document}\r\n" + kJapanese + "\r\n" + kJapanese +
                      "\\undefinedcommand\r\n\\label{a}\r\n\\end{document}\r\n";
    QString doc = document("jump.tex", text);
    for (TForm1* f : {form.get(), second}) {
        f->RichEdit->SetText(text.toStdString());
        f->RichEdit->Select(0, 0);
        f->HasFileName = true;
    }
    form->FileName = document("other.tex", text);
    second->FileName = doc;
    runAnsweringE(*second, doc, companion);

    EXPECT_EQ(order(), QStringList{"platex"});
    EXPECT_FALSE(second->TeXProcessed);
    int line4 = 2 * int(strlen("\r\n")) + int(strlen("\\documentclass{jarticle}")) + int(strlen("\\begin{document}")) +
                kJapanese.size() + 2;
    EXPECT_EQ(second->RichEdit->SelStart(), line4);
    EXPECT_EQ(second->RichEdit->SelText(), (kJapanese + "\\undefinedcommand").toStdString());
    EXPECT_EQ(form->RichEdit->SelStart(), 0);
    EXPECT_EQ(form->RichEdit->SelLength(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder + "/PWNED"));
    EXPECT_TRUE(messages.empty());
    other.reset();
    Form1 = form.get();
}

TEST_F(RealTeXTest, CraftedIncludedFileNamesRunNothingAndStillJump)
{
    QString companion = installCompanion("bin");
    ASSERT_TRUE(tex::StartDdeServerNamed(*form, "quillmark-crafted"));
    // Names TeX hands over in %s.  The last is Japanese: the document names
    // it in Shift-JIS, TeX passes it on in EUC-JP.
    const QByteArray japaneseName = "\x93\xfa\x96\x7b";  // 日本 in Shift-JIS
    struct Case {
        QString onDisk;    // the included file's name
        QByteArray inTeX;  // as the document writes it
    } cases[] = {
        {"x';id>PWNED;'", "x';id>PWNED;'"},        {"a$(touch PWNED)b", "a$(touch PWNED)b"},
        {"q`touch PWNED`", "q`touch PWNED`"},      {"sp ace;touch PWNED", "sp ace;touch PWNED"},
        {QString::fromUtf8("日本"), japaneseName},
    };
    const QByteArray included = "one\r\n\\undefinedcommand two\r\nthree\r\n";
    for (const Case& c : cases) {
        QString sub = document(c.onDisk + ".tex", included);
        QString main = document("main.tex", "\\documentclass{jarticle}\r\n\\begin{document}\r\n\\input{" + c.inTeX +
                                                ".tex}\r\n\\end{document}\r\n");
        // The included file is the open document, its parent is run.
        form->RichEdit->SetText(included.toStdString());
        form->RichEdit->Select(0, 0);
        form->FileName = sub;
        form->HasFileName = true;
        QFile::remove(orderLog());
        runAnsweringE(*form, main, companion);
        EXPECT_EQ(form->RichEdit->SelStart(), 5) << c.onDisk.toStdString();
        EXPECT_EQ(form->RichEdit->SelText(), "\\undefinedcommand two") << c.onDisk.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder + "/PWNED")) << c.onDisk.toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

// A document can read TEXEDIT (kpsewhich is allowed to it) and name its
// files after it: here a file whose name holds TEXEDIT's own lines and then
// shell text, \input and stopped in.  Answering "e" runs nothing, and the
// jump is not made in the open document, which is not that file.
TEST_F(RealTeXTest, DocumentsThatReadTeXEditRunNothing)
{
    QString companion = installCompanion("bin");
    ASSERT_TRUE(tex::StartDdeServerNamed(*form, "quillmark-reader"));
    const char* tails[] = {
        "\\char_generate:nn{10}{12}id>PWNED\\char_generate:nn{10}{12}\\c_hash_str",
        "\\tl_to_str:n{';id>PWNED;'}",
        "\\tl_to_str:n{$(id>PWNED)}",
        "\\tl_to_str:n{`id>PWNED`}",
        "\\tl_to_str:n{;id>PWNED;}",
    };
    for (const char* tail : tails) {
        QByteArray text =
            "\\documentclass{jarticle}\r\n"
            "\\newread\\texedit\r\n"
            "\\immediate\\openin\\texedit=|\"kpsewhich -var-value=TEXEDIT\"\r\n"
            "\\ExplSyntaxOn\r\n"
            "\\str_new:N\\crafted\r\n"
            "\\str_gset:Nn\\crafted{x}\r\n"
            "\\ior_str_map_inline:Nn\\texedit{\\str_gput_right:Nx\\crafted{\\char_generate:nn{10}{12}#1}}\r\n"
            "\\str_greplace_all:Nnn\\crafted{/}{-}\r\n"
            "\\str_gput_right:Nx\\crafted{\\char_generate:nn{10}{12}" +
            QByteArray(tail) +
            "}\r\n"
            "\\ExplSyntaxOff\r\n"
            "\\immediate\\openout15=\"\\crafted.tex\"\r\n"
            "\\immediate\\write15{one\\noexpand\\undefinedcommand}\r\n"
            "\\immediate\\closeout15\r\n"
            "\\begin{document}\r\n\\input{\"\\crafted.tex\"}\r\n\\end{document}\r\n";
        QString main = document("reader.tex", text);
        form->RichEdit->SetText(text.toStdString());
        form->RichEdit->Select(3, 0);
        form->FileName = main;
        form->HasFileName = true;
        runAnsweringE(*form, main, companion);
        EXPECT_TRUE(tex::TeXConsoleView(*form)->text().contains("l.1 one\\undefinedcommand")) << tail;
        EXPECT_FALSE(QFileInfo::exists(folder + "/PWNED")) << tail;
        EXPECT_EQ(form->RichEdit->SelStart(), 3) << tail;
        EXPECT_EQ(form->RichEdit->SelLength(), 0) << tail;
        QFile::remove(folder + "/PWNED");
    }
    EXPECT_TRUE(messages.empty());
}

// The file TeX stopped in decides: an error in an \input file is not
// jumped to in its parent, one in the parent after the file ended is.
TEST_F(RealTeXTest, ErrorJumpFollowsTheFileTeXReads)
{
    QString companion = installCompanion("bin");
    ASSERT_TRUE(tex::StartDdeServerNamed(*form, "quillmark-nesting"));
    document("ch1.tex", "one\r\n\\undefinedcommand two\r\n");
    document("ch2.tex", "\\typeout{(1 page, 296 bytes)}\r\n");
    document("a", "");
    const QByteArray head = "\\documentclass{jarticle}\r\n\\begin{document}\r\n";
    // 160,000 openings of the file "a" printed, 80 to a write, and as many
    // closings: still open, TeX's output does not tell which file it reads.
    const QByteArray flood =
        "\\def\\fa{(./a}\\def\\fb{\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa}\\def\\fc{\\fb\\fb\\fb\\fb\\fb\\fb\\fb\\fb}\r\n"
        "\\newcount\\fn\\loop\\immediate\\write16{\\fc}\\advance\\fn1 \\ifnum\\fn<2000 \\repeat\r\n";
    const QByteArray closing =
        "\\def\\ca{))))))))))}\\def\\cc{\\ca\\ca\\ca\\ca\\ca\\ca\\ca\\ca}\r\n"
        "\\fn0 \\loop\\immediate\\write16{\\cc}\\advance\\fn1 \\ifnum\\fn<2000 \\repeat\r\n";
    struct Case {
        QByteArray body;
        QByteArray selected;  // empty: nothing is selected
    } cases[] = {
        {"\\input{ch1}\r\n", ""},
        {"\\input{ch2}\\typeout{(see}\\message{(}\r\nsecond\\undefinedcommand\r\n", "second\\undefinedcommand"},
        {flood + closing + "third\\undefinedcommand\r\n", "third\\undefinedcommand"},
        {flood + "third\\undefinedcommand\r\n", ""},
    };
    for (const Case& c : cases) {
        QByteArray text = head + c.body + "\\end{document}\r\n";
        QString main = document("nest.tex", text);
        form->RichEdit->SetText(text.toStdString());
        form->RichEdit->Select(0, 0);
        form->FileName = main;
        form->HasFileName = true;
        runAnsweringE(*form, main, companion);
        EXPECT_EQ(form->RichEdit->SelText(), c.selected.toStdString()) << c.body.toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

// Long lines pasted into the TeX window while TeX writes without reading:
// the window goes on serving events; what TeX's input pipe cannot take
// waits, and a line beyond that is refused with a message and kept.  Should
// the window stop, a watchdog ends TeX, so the test fails instead of hanging.
TEST_F(RealTeXTest, PastingLongLinesWhileTeXFloodsKeepsTheWindowServing)
{
    const QString pidFile = folder + "/../tex.pid";
    setting("TeXFile",
            fake("platex-pid.sh", "echo $$ > '" + pidFile.toLocal8Bit() + "'\nexec /usr/bin/platex \"$@\"\n"));
    QString doc = document("flood.tex",
                           "\\documentclass{jarticle}\r\n\\begin{document}\r\n"
                           "\\loop\\message{flood flood flood}\\iftrue\\repeat\r\n\\end{document}\r\n");
    TeXConsole* console = tex::TeXConsoleView(*form);
    auto* input = console->findChild<QLineEdit*>("TeXConsoleInput");
    ASSERT_TRUE(input);
    TeXJob job = teXJobFor(*form, doc);
    job.mode = 0;
    auto* worker = new TTeXEXE(std::move(job), form.get(), console);
    worker->Resume();
    ASSERT_TRUE(textest::waitUntil([&] { return console->text().contains("flood flood"); }, 20000));

    using Clock = std::chrono::steady_clock;
    std::atomic<Clock::rep> lastBeat{Clock::now().time_since_epoch().count()};
    std::atomic<bool> over{false};
    std::thread watchdog([&] {
        while (!over) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (Clock::now() - Clock::time_point(Clock::duration(lastBeat.load())) > std::chrono::seconds(5)) {
                pid_t tex = pid_t(textest::readFile(pidFile).trimmed().toInt());
                if (tex > 0) kill(tex, SIGKILL);
                return;
            }
        }
    });
    qint64 worstGap = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        Clock::time_point now = Clock::now();
        auto gap = now - Clock::time_point(Clock::duration(lastBeat.load()));
        worstGap = std::max<qint64>(worstGap, std::chrono::duration_cast<std::chrono::milliseconds>(gap).count());
        lastBeat = now.time_since_epoch().count();
    });
    heartbeat.start(10);
    const QString pasted(32000, 'a');
    for (int i = 0; i < 4; ++i) {
        input->setText(pasted);
        QTest::keyClick(input, Qt::Key_Return);
        textest::waitUntil([] { return false; }, 200);
    }
    over = true;
    watchdog.join();
    EXPECT_LT(worstGap, 1000);
    EXPECT_TRUE(console->programRunning());
    ASSERT_FALSE(messages.empty());
    for (const QString& m : messages)
        EXPECT_EQ(m, "Quillmark|プログラムが前に送った入力をまだ読んでいないので、送れませんでした。");
    EXPECT_EQ(input->text(), pasted);

    // One longer than TeX takes is refused whatever waits (Japanese text is
    // three bytes a character).
    messages.clear();
    input->setText(QString(12000, QChar(0x65E5)));
    QTest::keyClick(input, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Quillmark|入力した行が長すぎるので、送れませんでした。\n1行は32768バイトまでです。");
    worker->EndRunningProgram();
    finish(worker);
    delete worker;
}

TEST_F(TeXWorkerTest, PokesSelectTheLineInTheOpenDocument)
{
    ASSERT_TRUE(tex::StartDdeServerNamed(*form, "quillmark"));
    QString doc = document("open.tex", "");
    form->FileName = doc;
    form->HasFileName = true;
    form->RichEdit->SetText("one\r\ntwo\r\nlast");
    struct Case {
        std::string poke;
        int start, length;
    } cases[] = {
        {"#TeXError(1,\"open.tex\")", 0, 3},
        {"#TeXError(3,\"open.tex\")", 10, 4},
        {"#TeXError(2,\"" + doc.toStdString() + "\")", 5, 3},
        {"xTeXError(2,\"\")\r\nignored", 5, 3},
    };
    for (const Case& c : cases) {
        form->RichEdit->Select(0, 0);
        form->DdeServerItem1PokeData(c.poke);
        EXPECT_EQ(form->RichEdit->SelStart(), c.start) << c.poke;
        EXPECT_EQ(form->RichEdit->SelLength(), c.length) << c.poke;
    }
    // Ignored: not an error poke, no line, not a number, past the end, and
    // another file that exists beside the document.
    textest::writeFile(folder + "/other.tex", "");
    for (std::string poke : {"TeXError(1,\"open.tex\")", "#TeXError(\"open.tex\")", "#TeXError(x,\"open.tex\")",
                             "#TeXError(4,\"open.tex\")", "#TeXError(1,\"other.tex\")", "#TeXError(1,open.tex)"}) {
        form->RichEdit->Select(7, 0);
        form->DdeServerItem1PokeData(poke);
        EXPECT_EQ(form->RichEdit->SelStart(), 7) << poke;
        EXPECT_EQ(form->RichEdit->SelLength(), 0) << poke;
    }
}
