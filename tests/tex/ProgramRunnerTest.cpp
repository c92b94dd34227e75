#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "tests/tex/TeXTestSupport.h"
#include "tex/ProgramRunner.h"

TEST(ProgramRunner, SplitsOptionsWithTheUsualQuoting)
{
    struct Case {
        const char* text;
        QStringList arguments;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"-kanji=sjis  -interaction=nonstopmode", {"-kanji=sjis", "-interaction=nonstopmode"}},
        {"\"&platex\"", {"&platex"}},
        {"-o \"my file.pdf\" x", {"-o", "my file.pdf", "x"}},
        {"'a \"b\" $c' d", {"a \"b\" $c", "d"}},
        {"\"a\\\"b\\\\c\\n\"", {"a\"b\\c\\n"}},
        {"a\\ b c", {"a b", "c"}},
        {"\"\" ''", {"", ""}},
        {"x;rm -rf ~ `id` $(id)", {"x;rm", "-rf", "~", "`id`", "$(id)"}},
        {"\ta\tb", {"a", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(proc::splitArguments(QString::fromUtf8(c.text)), c.arguments) << c.text;
}

TEST(ProgramRunner, RunsInTheGivenFolderWithArgumentsUntouched)
{
    QTemporaryDir dir;
    QString work = dir.path() + "/a b;$c";
    ASSERT_TRUE(QDir().mkpath(work));
    QString script = textest::writeScript(dir.path() + "/show.sh",
                                          "pwd\nfor a in \"$@\"; do echo \"[$a]\"; done\necho \"E=$QUILL_TEST_VALUE\"\n"
                                          "echo err >&2\nexit 3\n");
    QString before = QDir::currentPath();
    QByteArray output;
    int startedFd = -1, endedCode = -1;
    proc::Launch launch{script, {"`touch pwned`", "$(id)", "a'b\"c", "x;y"}, work, {"QUILL_TEST_VALUE=v=1"}};
    proc::Io io;
    io.started = [&](int fd, pid_t) { startedFd = fd; };
    io.output = [&](const QByteArray& b) { output += b; };
    io.ended = [&](int code) { endedCode = code; };
    proc::Result r = proc::runAndWait(launch, io);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(endedCode, 3);
    EXPECT_GE(startedFd, 0);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(QString::fromLocal8Bit(output), work + "\n[`touch pwned`]\n[$(id)]\n[a'b\"c]\n[x;y]\nE=v=1\nerr\n");
    EXPECT_FALSE(QFile::exists(work + "/pwned"));
}

TEST(ProgramRunner, MissingProgramIsNotStarted)
{
    proc::Result r = proc::runAndWait({"/nonexistent/program", {}, {}, {}});
    EXPECT_FALSE(r.started);
    QTemporaryDir dir;
    textest::writeFile(dir.path() + "/plain.txt", "not a program");
    EXPECT_FALSE(proc::runAndWait({dir.path() + "/plain.txt", {}, {}, {}}).started);
}

TEST(ProgramRunner, CancelEndsAHangingProgramAndItsChildren)
{
    QTemporaryDir dir;
    QString script =
        textest::writeScript(dir.path() + "/hang.sh", "sleep 60 &\necho $! > child.pid\necho ready\nsleep 60\n");
    std::atomic<bool> cancel{false};
    proc::Io io;
    io.output = [&](const QByteArray&) { cancel = true; };
    QElapsedTimer timer;
    timer.start();
    proc::Result r = proc::runAndWait({script, {}, dir.path(), {}}, io, &cancel);
    EXPECT_TRUE(r.started);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_GE(r.exitCode, 128);
    bool childGone = textest::waitUntil(
        [&] {
            pid_t child = textest::readFile(dir.path() + "/child.pid").trimmed().toInt();
            return child > 0 && kill(child, 0) != 0;
        },
        3000);
    EXPECT_TRUE(childGone);
}
