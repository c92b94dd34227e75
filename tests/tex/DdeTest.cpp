#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include "tex/TeXRunState.h"
#include "app/Form1.h"
#include "tests/app/AppFixture.h"
#include "platform/Cp932.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/Dde.h"
#include "tex/DdeClient.h"

using textest::PrivateRuntime;

TEST(ErrorJump, PokeFieldsAndLineNumbers)
{
    EXPECT_TRUE(isTeXErrorPoke("#TeXError(3,\"a.tex\")"));
    EXPECT_FALSE(isTeXErrorPoke("TeXError(3,\"a.tex\")"));  // bytes 2 to 9 must hold it
    EXPECT_FALSE(isTeXErrorPoke("#texerror(3,\"a.tex\")"));
    EXPECT_EQ(firstLineOf("#TeXError(3,\"a\")\r\nrest"), "#TeXError(3,\"a\")");

    auto f = pokeFields("#TeXError(12,\"sub/\x82\xa0.tex\") tail \"x\"");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->line, "12");
    EXPECT_EQ(f->file, "sub/\x82\xa0.tex");
    EXPECT_FALSE(pokeFields("#TeXError(12\"a.tex\")"));  // no comma
    EXPECT_FALSE(pokeFields("#TeXError12,\"a.tex\""));   // no parenthesis
    EXPECT_FALSE(pokeFields("#TeXError(12,a.tex)"));     // no quote
    EXPECT_FALSE(pokeFields("#TeXError,\"a\"(12"));      // comma before the parenthesis

    struct {
        const char* text;
        std::optional<int> line;
    } lines[] = {{"1", 1},
                 {" 42 ", 42},
                 {"", std::nullopt},
                 {"0", std::nullopt},
                 {"-3", std::nullopt},
                 {"3a", std::nullopt},
                 {"1e3", std::nullopt},
                 {"99999999999", std::nullopt}};
    for (auto& c : lines) EXPECT_EQ(pokeLineNumber(c.text), c.line) << c.text;
}

TEST(ErrorJump, LineSelectionCoversTheTextAndItsCR)
{
    const std::string text = "ab\r\n\x82\xa0\x8a\x0a\r\n\r\nlast";  // line 2 holds a trail byte 0x0A
    struct {
        int line;
        std::optional<std::pair<int, int>> selection;
    } cases[] = {
        {1, std::make_pair(0, 3)},  {2, std::make_pair(4, 5)},
        {3, std::make_pair(10, 1)}, {4, std::make_pair(12, 4)},  // the last line without a break runs to the end
        {5, std::nullopt},          {0, std::nullopt},
    };
    for (auto& c : cases) EXPECT_EQ(errorLineSelection(text, c.line), c.selection) << c.line;
    EXPECT_EQ(errorLineSelection("a\r\n", 2), std::make_pair(3, 0));
    EXPECT_EQ(errorLineSelection("", 1), std::make_pair(0, 0));
    EXPECT_EQ(errorLineSelection("", 2), std::nullopt);
}

TEST(ErrorJump, PokedFileNameAgainstTheOpenDocument)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sub");
    textest::writeFile(dir.path() + "/main.tex", "");
    textest::writeFile(dir.path() + "/sub/ch1.tex", "");
    QString main = dir.path() + "/main.tex", ch1 = dir.path() + "/sub/ch1.tex";
    EXPECT_TRUE(pokeNamesDocument("main.tex", dir.path(), main));
    EXPECT_TRUE(pokeNamesDocument("./main.tex", dir.path(), main));
    EXPECT_TRUE(pokeNamesDocument(main, "/elsewhere", main));
    EXPECT_TRUE(pokeNamesDocument("sub/ch1", dir.path(), ch1));
    EXPECT_FALSE(pokeNamesDocument("main.tex", dir.path(), ch1));
    EXPECT_FALSE(pokeNamesDocument("sub/ch1.tex", dir.path(), main));
    EXPECT_TRUE(pokeNamesDocument("", dir.path(), main));
    // A file that is not there, or any file while no document is open, is
    // not the open document (another instance's run, perhaps).
    EXPECT_FALSE(pokeNamesDocument("gone.tex", dir.path(), main));
    EXPECT_FALSE(pokeNamesDocument("main.tex", dir.path(), ""));
}

namespace {

// Drives the main window's client steps directly, as the worker's
// synchronised steps do, and records the message.
class DirectLink : public ViewerLink {
public:
    explicit DirectLink(TForm1& form) : form_(form) {}
    int open(const QString& s, const QString& t, const QString& c) override { return form_.DdeOpenViewer(s, t, c); }
    std::string request(const QString& item) override { return form_.DdeRequest(item); }
    int execute(const std::string& macro) override { return form_.DdeExecute(macro); }
    void close() override { form_.DdeCloseViewer(); }
    void sleepMs(int) override {}
    void message(const QString& text) override { messages.push_back(text); }
    std::vector<QString> messages;

private:
    TForm1& form_;
};

}  // namespace

TEST(ViewerConversation, SameFileIsReopenedAtItsPage)
{
    PrivateRuntime runtime;
    textest::FakeViewerPeer peer("/doc/a.dvi", "7(12)");
    TForm1 form;
    DirectLink link(form);
    runViewerConversation(link, "/doc/a.dvi");
    std::vector<std::string> expected{"[WinNormal]", "[FileReopen]", "[PageMove(7)]"};
    EXPECT_EQ(peer.macros(), expected);
    EXPECT_TRUE(link.messages.empty());
    EXPECT_EQ(pageOfCurrentPageReply("12(3)(40)"), "12(3)");
    EXPECT_EQ(pageOfCurrentPageReply("12"), "");
}

TEST(ViewerConversation, AnotherFileIsOpenedByItsFullPath)
{
    PrivateRuntime runtime;
    for (const char* shown : {"/doc/other.dvi", "/doc/A.dvi", ""}) {
        textest::FakeViewerPeer peer(shown, "1(1)");
        TForm1 form;
        DirectLink link(form);
        runViewerConversation(link, "/doc/a.dvi");
        std::vector<std::string> expected{"[WinNormal][FileOpen(/doc/a.dvi)]"};
        EXPECT_EQ(peer.macros(), expected) << shown;
        EXPECT_TRUE(link.messages.empty());
    }
}

// With no viewer answering, the viewer is started on the file by command
// line (never without its file); only without that road is a failure said.
TEST(ViewerConversation, NoViewerAnsweringStartsItOnTheFile)
{
    PrivateRuntime runtime;
    TForm1 form;
    DirectLink link(form);
    int started = 0;
    runViewerConversation(link, "/doc/a.dvi", [&] { ++started; });
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(link.messages.empty());
    runViewerConversation(link, "/doc/a.dvi");
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0], "DVIドライバとDDE通信することができません");
}

TEST(Companion, PokesTheEditorWithLineAndFile)
{
    PrivateRuntime runtime;
    conv::Server server("quillmark", kDdeTopic);
    std::vector<std::pair<QString, std::string>> pokes;
    server.onPoke = [&](const QString& item, const std::string& data) { pokes.emplace_back(item, data); };
    ASSERT_TRUE(server.listen());
    // Through the shell, as TeX runs it, so that raw bytes reach it.
    auto run = [](const QString& arguments) {
        QProcess p;
        p.start("/bin/sh", {"-c", "exec '" + QString(QUILL_TEST_BINARY_DIR) + "/quilldde' " + arguments});
        textest::waitUntil([&] { return p.state() == QProcess::NotRunning; }, 10000);
        return p.exitCode();
    };
    EXPECT_EQ(run("/j12 sub/a.tex"), 0);
    // TeX hands a Japanese name over in EUC-JP; the editor gets CP932.
    EXPECT_EQ(run("/j3 \"$(printf '\\244\\242.tex')\""), 0);
    EXPECT_EQ(run("/j4 \"$(printf '\\377.tex')\""), 0);
    // As TEXEDIT runs it: the line alone.
    EXPECT_EQ(run("/j7"), 0);
    EXPECT_EQ(run(""), 1);
    ASSERT_EQ(pokes.size(), 4u);
    EXPECT_EQ(pokes[0].first, "DdeServerItem1");
    EXPECT_EQ(pokes[0].second, "#TeXError(12,\"sub/a.tex\")");
    EXPECT_EQ(pokes[1].second, "#TeXError(3,\"\x82\xa0.tex\")");
    EXPECT_EQ(pokes[2].second, "#TeXError(4,\"\xff.tex\")");
    EXPECT_EQ(pokes[3].second, "#TeXError(7,\"\")");
    server.close();
    EXPECT_EQ(run("/j1 a.tex"), 2);
}

namespace {
class DdeStartTest : public apptest::AppTest {};
}  // namespace

TEST_F(DdeStartTest, StartingRemovesTheSocketsOfKilledInstancesOnly)
{
    PrivateRuntime runtime;
    const QString usual = ddeServiceOf(QCoreApplication::applicationFilePath());
    // The usual name and another instance's, both left by killed editors,
    // and an instance that still runs.
    const QString staleUsual = textest::leaveStaleSocket(conv::socketPath(usual));
    const QString staleOther = textest::leaveStaleSocket(conv::socketPath(usual + "-4242"));
    ASSERT_FALSE(staleUsual.isEmpty());
    ASSERT_FALSE(staleOther.isEmpty());
    conv::Server running(usual + "-77", kDdeTopic);
    ASSERT_TRUE(running.listen());

    TForm1& f = start();
    f.StartDdeServer();
    ASSERT_TRUE(tex::runState(f).DdeServer && tex::runState(f).DdeServer->isListening());
    EXPECT_EQ(tex::runState(f).DdeServer->service(), usual);
    EXPECT_FALSE(QFileInfo::exists(staleOther));
    EXPECT_TRUE(running.isListening());
    EXPECT_TRUE(QFileInfo::exists(conv::socketPath(usual + "-77")));
    QLocalSocket probe;
    probe.connectToServer(conv::socketPath(usual + "-77"));
    EXPECT_TRUE(probe.waitForConnected(2000));
}
