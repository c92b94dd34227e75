// The command line: which parameter is the document, when "/j" is a line
// jump, which stretch of the line the jump selects, that a document that
// cannot be read leaves the rest of the show step done, and that Qt takes
// nothing out of it.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>
#include <sys/inotify.h>
#include <unistd.h>

#include "app/CommandLine.h"
#include "tests/app/AppFixture.h"

using namespace apptest;

TEST(JumpSwitch, OnlyDigitsAfterTheSwitchMakeALine)
{
    struct Case {
        const char* parameter;
        int line;  // 0: no jump
    };
    const Case cases[] = {
        {"/j3", 3},         {"/J12", 12}, {"/j007", 7}, {"/j0", 0},    {"/j", 0},   {"/J", 0},
        {"/jobs/x.tex", 0}, {"/j-2", 0},  {"/j+2", 0},  {"/j 2", 0},   {"/j2x", 0}, {"/j99999999999", 0},
        {"/k3", 0},         {"j3", 0},    {"", 0},      {"/j１２", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameter);
        const auto line = cmdline::jumpSwitchLine(QString::fromUtf8(c.parameter));
        EXPECT_EQ(line.value_or(0), c.line);
    }
}

TEST(JumpSwitch, NeedsAFileAfterIt)
{
    EXPECT_FALSE(cmdline::jumpLine({"/j3"}));
    EXPECT_FALSE(cmdline::jumpLine({}));
    EXPECT_EQ(cmdline::jumpLine({"/J3", "a.tex"}).value_or(0), 3);
    EXPECT_EQ(cmdline::jumpLine({"/j4", "x", "a.tex"}).value_or(0), 4);
    EXPECT_FALSE(cmdline::jumpLine({"a.tex", "/j3"}));
}

TEST(DocumentPath, LeadingTildeIsTheHomeFolder)
{
    EXPECT_EQ(cmdline::documentPath("~/doc/a.tex"), QDir::homePath() + "/doc/a.tex");
    EXPECT_EQ(cmdline::documentPath("~"), QDir::homePath());
    EXPECT_EQ(cmdline::documentPath("/tmp/a~1.tex"), "/tmp/a~1.tex");
    EXPECT_EQ(cmdline::documentPath("~other/a.tex"), "~other/a.tex");
    EXPECT_EQ(cmdline::documentPath("/jobs/x.tex"), "/jobs/x.tex");
}

TEST(WindowClamp, KeepsTheWindowOnTheScreen)
{
    const QRect screen(0, 0, 1280, 800);
    struct Case {
        QRect wanted, placed;
    };
    const Case cases[] = {
        {{10, 20, 875, 600}, {10, 20, 875, 600}},        {{1000, 20, 875, 600}, {405, 20, 875, 600}},
        {{-300, -50, 875, 600}, {0, 0, 875, 600}},       {{0, 0, 3000, 2000}, {0, 0, 1280, 800}},
        {{5000, 5000, 100, 100}, {1180, 700, 100, 100}}, {{10, 10, 0, -4}, {10, 10, 875, 600}},
    };
    auto clamp = [](const QRect& r, const QRect& available) {
        return placement::clampToScreen(r.left(), r.top(), r.width(), r.height(), available);
    };
    for (const Case& c : cases) EXPECT_EQ(clamp(c.wanted, screen), c.placed);
    const QRect second(1280, 0, 1024, 768);
    EXPECT_EQ(clamp({100, 100, 500, 400}, second), QRect(1280, 100, 500, 400));
}

// A hand-edited or damaged settings file may hold any int.  Each value at the
// ends of the range must come out as a rectangle on the screen (and the
// arithmetic on the way must not overflow, which the sanitizer build checks),
// and with no screen known as one whose edges and the next instance's
// sixteen-pixel step still fit an int.
TEST(WindowClamp, ExtremeStoredValuesStayOnTheScreen)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const QRect screen(0, 0, 1280, 800);
    const int values[] = {kMin, kMin + 1, -1, 0, 1, kMax - 1, kMax};
    for (int left : values)
        for (int top : values)
            for (int size : values) {
                SCOPED_TRACE(testing::Message() << left << "," << top << " " << size);
                const QRect placed = placement::clampToScreen(left, top, size, size, screen);
                EXPECT_TRUE(screen.contains(placed));
                EXPECT_FALSE(placed.isEmpty());
                const QRect anywhere = placement::clampToScreen(left, top, size, size, QRect());
                EXPECT_FALSE(anywhere.isEmpty());
                EXPECT_LT(qint64(anywhere.right()) + 16, qint64(kMax));
                EXPECT_LT(qint64(anywhere.bottom()) + 16, qint64(kMax));
                EXPECT_GT(qint64(anywhere.left()), qint64(kMin) + 16);
                EXPECT_GT(qint64(anywhere.top()), qint64(kMin) + 16);
            }
}

namespace {
class LineJumpTest : public AppTest {};
}  // namespace

TEST_F(LineJumpTest, SelectsTheLineWithoutItsBreak)
{
    TForm1& f = start();
    f.RichEdit->SetText("first\r\nsecond\r\n\r\nlast");
    struct Case {
        int line;
        bool selects;
        int start;
        std::string text;
    };
    const Case cases[] = {
        {1, true, 0, "first"}, {2, true, 7, "second"}, {3, true, 15, ""},
        {4, true, 17, "last"}, {5, false, 0, ""},      {0, false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        f.RichEdit->Select(0, 0);
        EXPECT_EQ(f.SelectLineForJump(c.line), c.selects);
        if (!c.selects) {
            EXPECT_EQ(f.RichEdit->SelStart(), 0);
            EXPECT_EQ(f.RichEdit->SelLength(), 0);
            continue;
        }
        EXPECT_EQ(f.RichEdit->SelStart(), c.start);
        EXPECT_EQ(f.RichEdit->SelText(), c.text);
    }
}

TEST_F(LineJumpTest, ParameterThatIsNoSwitchChangesNothing)
{
    TForm1& f = start();
    f.RichEdit->SetText("ab\r\ncd\r\nef");
    f.RichEdit->Select(1, 0);
    f.JumpToLineParameter("/jobs/x.tex");
    f.JumpToLineParameter("/j9");
    EXPECT_EQ(f.RichEdit->SelStart(), 1);
    f.JumpToLineParameter("/J2");
    EXPECT_EQ(f.RichEdit->SelStart(), 4);
    EXPECT_EQ(f.RichEdit->SelText(), "cd");
}

TEST_F(LineJumpTest, UnreadableDocumentStillCompletesTheShowStep)
{
    // Whatever the loader says about the missing file is answered with OK.
    script().allowUnscripted();
    TForm1& f = start();
    f.CommandLine = {"/j2", tempPath("missing/none.tex")};
    f.FormShow();
    // The placement step ran: the next instance's position was written.
    EXPECT_EQ(readInt("", "WindowTop"), 16);
    EXPECT_TRUE(f.RichEdit->WordWrap());
}

// The program itself, started in a folder that holds a file named like one
// of Qt's switches.  The file opens as the document (the editor reads it),
// and Qt is handed none of the parameters: given "-platform none" it would
// end the program at once for want of that platform, as it would mirror the
// window for "-reverse".
TEST(ProgramCommandLine, AFileNamedLikeAQtSwitchOpensAsTheDocument)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/docs", runtime = dir.path() + "/runtime";
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile document(folder + "/-reverse");
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("\\documentclass{jarticle}\r\n");
    document.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUILLMARK_SETTINGS", dir.path() + "/settings.ini");
    environment.insert("XDG_RUNTIME_DIR", runtime);

    for (const QStringList& parameters : {QStringList{"-reverse"}, QStringList{"-platform", "none", "-reverse"}}) {
        SCOPED_TRACE(parameters.join(' ').toStdString());
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CLOSE_NOWRITE);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(folder);
        editor.setProcessChannelMode(QProcess::MergedChannels);
        editor.start(QString(QUILL_TEST_BINARY_DIR) + "/quillmark", parameters);
        ASSERT_TRUE(editor.waitForStarted());
        bool read = false, ended = false;
        QElapsedTimer clock;
        clock.start();
        while (!read && !ended && clock.elapsed() < 60000) {
            ended = editor.waitForFinished(50);
            alignas(inotify_event) char events[4096];
            for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;) {
                for (char* at = events; at < events + n;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(at);
                    if (event->len > 0 && QByteArray(event->name) == "-reverse") read = true;
                    at += sizeof(inotify_event) + event->len;
                }
            }
        }
        ::close(watch);
        EXPECT_TRUE(read) << editor.readAll().toStdString();
        EXPECT_FALSE(ended) << editor.readAll().toStdString();
        editor.kill();
        editor.waitForFinished();
    }
}
