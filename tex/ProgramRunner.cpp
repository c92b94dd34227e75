#include "tex/ProgramRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace proc {

QStringList splitArguments(const QString& text)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    enum { Plain, Single, Double } state = Plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        switch (state) {
            case Plain:
                if (c == ' ' || c == '\t') {
                    if (inArgument) arguments << current;
                    current.clear();
                    inArgument = false;
                } else if (c == '\'') {
                    state = Single;
                    inArgument = true;
                } else if (c == '"') {
                    state = Double;
                    inArgument = true;
                } else if (c == '\\' && i + 1 < text.size()) {
                    current += text[++i];
                    inArgument = true;
                } else {
                    current += c;
                    inArgument = true;
                }
                break;
            case Single:
                if (c == '\'')
                    state = Plain;
                else
                    current += c;
                break;
            case Double:
                if (c == '"') {
                    state = Plain;
                } else if (c == '\\' && i + 1 < text.size() && QStringLiteral("\\\"$`").contains(text[i + 1])) {
                    current += text[++i];
                } else {
                    current += c;
                }
                break;
        }
    }
    if (inArgument) arguments << current;
    return arguments;
}

QString fileArgument(const QString& name)
{
    if (name.isEmpty()) return name;
    const char16_t first = name.front().unicode();
    const bool plain = first >= 0x80 || (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') ||
                       (first >= '0' && first <= '9');
    if (plain || first == '/' || name.startsWith("./")) return name;
    return "./" + name;
}

namespace {

void ignoreBrokenPipes()
{
    // Writing to the input of a program that has just ended must fail with
    // EPIPE rather than end the editor.
    static std::once_flag once;
    std::call_once(once, [] { signal(SIGPIPE, SIG_IGN); });
}

std::vector<std::string> mergedEnvironment(const QStringList& extra)
{
    std::vector<std::string> entries;
    for (char** e = environ; e && *e; ++e) entries.emplace_back(*e);
    for (const QString& add : extra) {
        QByteArray bytes = add.toLocal8Bit();
        std::string entry(bytes.constData(), size_t(bytes.size()));
        std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(entries, [&](const std::string& old) { return old.compare(0, name.size(), name) == 0; });
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace

Result runAndWait(const Launch& launch, const Io& io, const std::atomic<bool>* cancel)
{
    ignoreBrokenPipes();
    Result result;
    QByteArray program = QFile::encodeName(QFileInfo(launch.program).absoluteFilePath());
    std::vector<QByteArray> argBytes{program};
    for (const QString& a : launch.arguments) argBytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argBytes) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envEntries = mergedEnvironment(launch.environment);
    std::vector<char*> envp;
    for (std::string& e : envEntries) envp.push_back(e.data());
    envp.push_back(nullptr);

    int input[2], output[2];
    if (pipe2(input, O_CLOEXEC) != 0) return result;
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return result;
    }
    // Only the editor's end: the program reads its input as usual.
    fcntl(input[1], F_SETFL, fcntl(input[1], F_GETFL) | O_NONBLOCK);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_adddup2(&actions, output[1], 2);
    QByteArray folder = QFile::encodeName(launch.workingDirectory);
    if (!folder.isEmpty()) posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults, none;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    int error = posix_spawn(&pid, program.constData(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(input[0]);
    close(output[1]);
    if (error != 0) {
        close(input[1]);
        close(output[0]);
        return result;
    }
    result.started = true;
    if (io.started) io.started(input[1], pid);

    int cancelTicks = -1;  // poll rounds since the group was asked to end
    bool reaped = false;
    int status = 0;
    char buffer[4096];
    for (;;) {
        if (cancel && cancel->load()) {
            if (cancelTicks < 0)
                kill(-pid, SIGTERM);
            else if (cancelTicks == 10)
                kill(-pid, SIGKILL);
            ++cancelTicks;
        }
        pollfd p{output[0], POLLIN, 0};
        int ready = poll(&p, 1, 100);
        if (ready > 0) {
            ssize_t n = read(output[0], buffer, sizeof buffer);
            if (n > 0) {
                if (io.output) io.output(QByteArray(buffer, qsizetype(n)));
                continue;
            }
            if (n == 0 || errno != EINTR) break;  // every writer has gone
        }
        // A program may leave a child behind that keeps the pipe open, so the
        // end of the program itself also ends the wait.
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            reaped = true;
            while (poll(&p, 1, 0) > 0) {
                ssize_t n = read(output[0], buffer, sizeof buffer);
                if (n <= 0) break;
                if (io.output) io.output(QByteArray(buffer, qsizetype(n)));
            }
            break;
        }
    }
    close(output[0]);
    if (!reaped) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exitCode = 128 + WTERMSIG(status);
    if (io.ended) io.ended(result.exitCode);
    close(input[1]);
    return result;
}

bool startDetached(const Launch& launch)
{
    QProcess process;
    process.setProgram(QFileInfo(launch.program).absoluteFilePath());
    process.setArguments(launch.arguments);
    if (!launch.workingDirectory.isEmpty()) process.setWorkingDirectory(launch.workingDirectory);
    if (!launch.environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : launch.environment) {
            qsizetype eq = entry.indexOf('=');
            env.insert(entry.left(eq), entry.mid(eq + 1));
        }
        process.setProcessEnvironment(env);
    }
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace proc
