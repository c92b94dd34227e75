#include "tex/TeXWorker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdlib>
#include <mutex>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

#include "core/session/Session.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "core/settings/Keys.h"
#include "tex/DdeClient.h"
#include "tex/ProgramRunner.h"
#include "tex/Dde.h"
#include "tex/TeXConsole.h"
#include "tex/TeXRunState.h"
#include "platform/Scope.h"
#include "platform/WholeFile.h"

namespace {

constexpr char kCaption[] = "Quillmark";

}  // namespace

// The viewer conversation run from the worker: each step is a synchronised
// call into the main window's client, each wait a sleep of the worker.
class WorkerViewerLink : public ViewerLink {
public:
    explicit WorkerViewerLink(TTeXEXE& worker) : worker_(worker) {}
    int open(const QString& service, const QString& topic, const QString& command) override
    {
        worker_.ddeService = service;
        worker_.ddeTopic = topic;
        worker_.viewerCommand = command;
        worker_.SyncDdeOpen();
        return worker_.ddeResult;
    }
    std::string request(const QString& item) override
    {
        worker_.ddeItem = item;
        worker_.SyncDdeRequest();
        return worker_.ddeReply;
    }
    int execute(const std::string& macro) override
    {
        worker_.ddeMacro = macro;
        worker_.SyncDdeExecute();
        return worker_.ddeResult;
    }
    void close() override { worker_.SyncDdeClose(); }
    void sleepMs(int ms) override { QThread::msleep(ulong(ms)); }
    void message(const QString& text) override { ask::messageBox(text, kCaption, MB_ICONERROR); }

private:
    TTeXEXE& worker_;
};

bool isPlainCommandText(const QString& text)
{
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        ushort u = c.unicode();
        bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '/' ||
                     u == '.' || u == '_' || u == '-' || u == '+';
        if (!plain) return false;
    }
    return true;
}

QString companionCommandPath(const QString& companionPath)
{
    QString absolute = QFileInfo(companionPath).absoluteFilePath();
    if (isPlainCommandText(absolute)) return absolute;
    // A folder made once per editor, under /tmp itself (not $TMPDIR, which
    // may hold anything), named by mkdtemp with letters and digits only.
    static struct LinkFolder {
        QByteArray path;
        ~LinkFolder()
        {
            if (!path.isEmpty()) {
                unlink((path + "/quilldde").constData());
                rmdir(path.constData());
            }
        }
    } folder;
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (folder.path.isEmpty()) {
        QByteArray pattern = "/tmp/quillmark-XXXXXX";
        if (!mkdtemp(pattern.data())) return {};
        folder.path = pattern;
    }
    QByteArray link = folder.path + "/quilldde";
    QByteArray target = QFile::encodeName(absolute);
    unlink(link.constData());
    if (symlink(target.constData(), link.constData()) != 0) return {};
    return QString::fromLatin1(link);
}

QString texEditValue(const QString& companionCommand) { return companionCommand + " /j%d\n"; }

namespace {

bool isStopLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto is = [line](std::string_view lowerText) {
        if (line.size() != lowerText.size()) return false;
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i] >= 'A' && line[i] <= 'Z' ? char(line[i] - 'A' + 'a') : line[i];
            if (c != lowerText[i]) return false;
        }
        return true;
    };
    return is("? e") || is("? x") || is("! emergency stop.");
}

}  // namespace

void LogStopScan::feed(std::string_view bytes)
{
    while (!found_ && !bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        // Only a short line can be one of the stop lines.
        if (!tooLong_) {
            if (line_.size() + piece.size() > kLongest)
                tooLong_ = true;
            else
                line_.append(piece);
        }
        if (end == std::string_view::npos) return;
        found_ = !tooLong_ && isStopLine(line_);
        line_.clear();
        tooLong_ = false;
        bytes.remove_prefix(end + 1);
    }
}

bool LogStopScan::finish()
{
    if (!found_ && !tooLong_) found_ = isStopLine(line_);
    line_.clear();
    tooLong_ = false;
    return found_;
}

bool logShowsStop(std::string_view logBytes)
{
    LogStopScan scan;
    scan.feed(logBytes);
    return scan.finish();
}

QString figureDriverMessage(std::string_view logBytes, const QByteArray& dvipsOutput)
{
    // The graphics package says which driver file it loaded, once.
    static constexpr std::string_view said = "Package graphics Info: Driver file: ";
    const size_t at = logBytes.find(said);
    if (at == std::string_view::npos) return {};
    const size_t name = at + said.size();
    const size_t end = logBytes.find(".def", name);
    if (end == std::string_view::npos || end - name > 32) return {};
    const QString driver = QString::fromLatin1(logBytes.data() + name, qsizetype(end - name));
    if (driver.isEmpty() || driver == "dvips") return {};
    // dvips complains of each \special it could not follow, after the name
    // it was started by ("dvips: Unknown keyword (pdf:image) in \special
    // will be ignored", "...: No \special psfile was given; figure will be
    // blank"); after a few it only says "more errors in special".
    if (!dvipsOutput.contains("\\special") && !dvipsOutput.contains("errors in special")) return {};
    QString text = "図が " + driver + " 用（" + driver +
                   " オプション）に組まれているので、dvips で作った PostScript では図が空白になります。";
    if (driver.startsWith("dvipdfm")) text += "\n図は「TeX処理＆PDFファイルを表示」（F12）で表示してください。";
    return text;
}

QString stepFailedMessage(const QString& step, const QString& program, int exitCode, bool viewerNext)
{
    return step + "（" + program + "）がエラーで終了したので（終了コード " + QString::number(exitCode) + "）、\n" +
           (viewerNext ? "ビューアを起動できませんでした。" : "処理を中止しました。");
}

TeXJob teXJobFor(Session& s, const QString& documentPath)
{
    const tex::TeXRunState& run = tex::runState(s);
    TeXJob job;
    job.settings = readTeXSettings(s.Settings());
    // Every name of the run is made from it, in the folder it names now.
    job.documentPath = QFileInfo(documentPath).absoluteFilePath();
    job.programDir = s.ProgramDir;
    job.companionPath = run.CompanionPath;
    if (run.DdeServer && run.DdeServer->isListening()) job.editorService = run.DdeServer->service();
    job.caption = s.AppTitle;
    return job;
}

TTeXEXE::TTeXEXE(TeXJob job, Session* session, TeXConsole* console)
    : TThread(true),
      job(std::move(job)),
      session_(session),
      console_(console),
      openFiles_([folder = documentFolder()](const QString& name) {
          const QFileInfo info(QDir(folder).filePath(name));
          if (info.isFile()) return TeXOpenFiles::Kind::File;
          return info.isDir() ? TeXOpenFiles::Kind::Folder : TeXOpenFiles::Kind::None;
      })
{
}

TTeXEXE::~TTeXEXE() = default;

void TTeXEXE::EndRunningProgram()
{
    cancel_ = true;
    Terminate();
}

std::optional<QString> TTeXEXE::fileTeXReads() const
{
    std::lock_guard lock(openFilesMutex_);
    return openFiles_.current();
}

// What ends a run early goes on to the thread's end, which hands it to the
// window to show; the busy flag is cleared on the way out all the same.
void TTeXEXE::Execute()
{
    // The output window shows this run alone, every program of it.
    if (console_) console_->runStarted();
    SetBusy();
    scope::Exit notBusy([this] { ClearBusy(); });
    switch (job.mode) {
        case 0: RunTeXOnce(); break;
        case 1: RunTeXFull(); break;
        case 2:
            ReadProcessed();
            if (!processed) RunTeXFull();
            ReadProcessed();
            if (processed) ShowOutput();
            break;
        default: break;
    }
}

QString TTeXEXE::withExtension(const QString& extension) const
{
    QFileInfo info(job.documentPath);
    return info.path() + "/" + info.completeBaseName() + extension;
}

QString TTeXEXE::documentFolder() const { return QFileInfo(job.documentPath).absolutePath(); }

QString TTeXEXE::documentFileName() const { return QFileInfo(job.documentPath).fileName(); }

QStringList TTeXEXE::childEnvironment() const
{
    // The documents are Shift-JIS; the pTeX tools read UTF-8 unless told.
    // The terminal output is decoded by the console as the locale says.
    QStringList env{"PTEX_KANJI_ENC=sjis", "LC_ALL=C.UTF-8"};
    if (!texEdit_.isEmpty()) env << "TEXEDIT=" + texEdit_;
    if (!job.editorService.isEmpty()) env << "QUILLMARK_SERVICE=" + job.editorService;
    return env;
}

void TTeXEXE::prepareTeXEdit()
{
    QString command =
        companionCommandPath(job.companionPath.isEmpty() ? job.programDir + "/quilldde" : job.companionPath);
    texEdit_ = command.isEmpty() ? QString() : texEditValue(command);
}

// The opening steps of both runs: the processed flag goes, the TeX program
// must be named and present (a full run deletes the stale output before it
// looks), and TEXEDIT is made for the error jump.  False: the run stops.
bool TTeXEXE::openTeXRun(bool fullRun)
{
    ClearProcessed();
    const TeXSettings& s = job.settings;
    if (s.TeXFile.isEmpty()) {
        ask::messageBox("起動するTeXプログラムが指定されていません。", kCaption, MB_ICONERROR);
        return false;
    }
    if (fullRun) {
        QFile::remove(withExtension(".dvi"));
        if (job.outputKind == 1)
            QFile::remove(withExtension(".pdf"));
        else if (job.outputKind == 2)
            QFile::remove(withExtension(".ps"));
    }
    if (!QFileInfo::exists(s.TeXFile)) {
        // The full run's message is padded as the user has always seen it.
        const QString gap = fullRun ? "\t\t\t\t\t\t\t\t \n" : "\n";
        ask::messageBox("TeXを処理するプログラム・ファイル" + s.TeXFile + "が存在しません。" + gap +
                            "Quillmarkの初期設定を確認してください。",
                        "エラー", MB_ICONERROR);
        return false;
    }
    prepareTeXEdit();
    return true;
}

bool TTeXEXE::runTeX()
{
    auto follow = [this](bool on) {
        std::lock_guard lock(openFilesMutex_);
        if (on) openFiles_.clear();
        followingTeX_ = on;
    };
    follow(true);
    scope::Exit done([&] { follow(false); });
    return RunProgram(job.settings.TeXFile,
                      proc::splitArguments(job.settings.TeXOption) << proc::fileArgument(documentFileName()), true);
}

void TTeXEXE::RunTeXOnce()
{
    if (openTeXRun(false)) runTeX();
}

void TTeXEXE::RunTeXFull()
{
    if (!openTeXRun(true)) return;
    const TeXSettings& s = job.settings;
    QString baseName = QFileInfo(job.documentPath).completeBaseName();
    for (int pass = 1; pass <= job.passes; ++pass) {
        if (!runTeX()) return;
        // A run the user stopped (an answer at TeX's prompt, the error jump,
        // the console's stop) ends quietly: the console shows why.
        if (CheckLog() == 1) return;
        if (Terminated() || cancel_) return;
        if (lastExitCode_ != 0) {
            ask::messageBox(stepFailedMessage("TeX", s.TeXFile, lastExitCode_, false), kCaption, MB_ICONERROR);
            return;
        }
        if (job.outputKind == 0 && !QFileInfo::exists(withExtension(".dvi"))) {
            if (job.mode == 2) outputMissing(".dvi");
            return;
        }
        if (pass == 1 && job.runBibTeX &&
            !runStep("BibTeX", s.BibTeXFile, proc::splitArguments(s.BibTeXOption) << proc::fileArgument(baseName),
                     false))
            return;
        if (pass == 2 && job.runMendex &&
            !runStep("mendex", s.MendexFile,
                     proc::splitArguments(s.MendexOption) << proc::fileArgument(baseName + ".idx"), false))
            return;
    }
    SetProcessed();
}

// Says that the file the next step needs is not there.
void TTeXEXE::outputMissing(const QString& extension)
{
    ask::messageBox("拡張子が" + extension + " のファイルが存在しないので、\nビューアを起動できませんでした。", kCaption,
                    MB_ICONERROR);
}

// Figures made for another driver come out blank from dvips without a word
// from it that the user would see; the user is told which option did it.
void TTeXEXE::checkFiguresAfterDvips(const QByteArray& dvipsOutput)
{
    // A log far past the size of a large document's is not looked through.
    constexpr qint64 kMaxLogBytes = 16 << 20;
    const wholefile::Contents log = wholefile::read(withExtension(".log"), kMaxLogBytes);
    if (log.status != wholefile::Status::Ok) return;
    const QByteArray& bytes = log.bytes;
    const QString message = figureDriverMessage(std::string_view(bytes.constData(), size_t(bytes.size())), dvipsOutput);
    if (!message.isEmpty()) ask::messageBox(message, kCaption, MB_ICONEXCLAMATION);
}

// Runs one waited program of the run.  False when it did not start (its
// message was shown), was stopped, or ended with a non-zero code (said
// here): what comes after it must not run on what it left.
bool TTeXEXE::runStep(const QString& step, const QString& program, const QStringList& arguments, bool viewerNext)
{
    if (!RunProgram(program, arguments, true)) return false;
    if (Terminated() || cancel_) return false;
    if (lastExitCode_ == 0) return true;
    ask::messageBox(stepFailedMessage(step, program, lastExitCode_, viewerNext), kCaption, MB_ICONERROR);
    return false;
}

void TTeXEXE::ShowOutput()
{
    const TeXSettings& s = job.settings;
    QString dvi = withExtension(".dvi");
    const QString dviName = proc::fileArgument(QFileInfo(dvi).fileName());
    auto fail = [](const char* text) { ask::messageBox(QString::fromUtf8(text), kCaption, MB_ICONERROR); };
    // A converter's output counts only when this run wrote it: what an
    // earlier run left would be shown as if the conversion had worked.
    auto convert = [&](const QString& step, const QString& program, const QStringList& arguments,
                       const QString& output) {
        if (!QFileInfo::exists(dvi)) {
            outputMissing(".dvi");
            return false;
        }
        QFile::remove(output);
        return runStep(step, program, arguments, true);
    };
    switch (job.outputKind) {
        case 0:
            if (s.DviFile.isEmpty()) return fail("起動するDVIドライバが指定されていません。");
            if (!QFileInfo::exists(dvi))
                return fail("拡張子が.dvi のファイルが存在しないので、\nビューアを起動できませんでした。");
            if (s.DviDde == 0) {
                ddeService = "WinDvi";
                ddeTopic = "WinDvi";
                WorkerViewerLink link(*this);
                // No viewer on this system answers the conversation unless one
                // that does is running; otherwise the viewer is started on the
                // file by command line, as with the direct start.
                runViewerConversation(link, cp932::encode(QFileInfo(dvi).absoluteFilePath()), [&] {
                    RunProgram(s.DviFile, proc::splitArguments(s.DviOption) << proc::fileArgument(dvi), false);
                });
            } else if (s.DviDde == 1) {
                RunProgram(s.DviFile, proc::splitArguments(s.DviOption) << proc::fileArgument(dvi), false);
            }
            return;
        case 1: {
            if (s.DvipdfFile.isEmpty()) return fail("起動するDVI→PDFプログラムが指定されていません。");
            const QString pdf = QFileInfo(withExtension(".pdf")).absoluteFilePath();
            if (!convert("DVI→PDFプログラム", s.DvipdfFile, proc::splitArguments(s.DvipdfOption) << dviName, pdf))
                return;
            if (s.PDFReaderFile.isEmpty()) return fail("起動するPDF Readerプログラムが指定されていません。");
            if (!QFileInfo::exists(pdf)) return outputMissing(".pdf");
            RunProgram(s.PDFReaderFile, proc::splitArguments(s.PDFReaderOption) << proc::fileArgument(pdf), false);
            return;
        }
        case 2: {
            if (s.DvipsFile.isEmpty()) return fail("起動するDVI→PSプログラムが指定されていません。");
            const QString ps = QFileInfo(withExtension(".ps")).absoluteFilePath();
            // dvips would send its output to a command for a name it makes
            // that begins with "!", so it is told the name, after the user's
            // options: the file is what the viewer is shown.
            const QStringList arguments = proc::splitArguments(s.DvipsOption)
                                          << "-o" << proc::fileArgument(QFileInfo(ps).fileName()) << dviName;
            keepOutput_ = true;
            keptOutput_.clear();
            const bool converted = convert("DVI→PSプログラム", s.DvipsFile, arguments, ps);
            keepOutput_ = false;
            if (!converted) return;
            checkFiguresAfterDvips(std::exchange(keptOutput_, {}));
            if (s.PSViewerFile.isEmpty()) return fail("起動するPS Viewerが指定されていません。");
            if (!QFileInfo::exists(ps)) return outputMissing(".ps");
            RunProgram(s.PSViewerFile, proc::splitArguments(s.PSViewerOption) << proc::fileArgument(ps), false);
            return;
        }
        default: return;
    }
}

bool TTeXEXE::RunProgram(const QString& program, const QStringList& arguments, bool wait)
{
    if (cancel_) return false;
    if (!QFileInfo::exists(program)) {
        ask::messageBox("ファイル：" + program + "が存在しません！", "Error", MB_ICONERROR);
        return false;
    }
    return ShellRun(program, arguments, wait);
}

bool TTeXEXE::ShellRun(const QString& program, const QStringList& arguments, bool wait)
{
    proc::Launch launch;
    launch.program = program;
    launch.arguments = arguments;
    launch.workingDirectory = documentFolder();
    bool started;
    if (wait) {
        launch.environment = childEnvironment();
        QString commandLine = (QStringList{program} + arguments).join(' ');
        proc::Io io;
        io.output = [this](const QByteArray& bytes) {
            {
                std::lock_guard lock(openFilesMutex_);
                if (followingTeX_) openFiles_.feed(bytes);
            }
            // dvips says little more than a number a page; a bound keeps a
            // flood of output from filling memory.
            if (keepOutput_ && keptOutput_.size() < kMaxKeptOutput)
                keptOutput_ += bytes.first(std::min(bytes.size(), kMaxKeptOutput - keptOutput_.size()));
            if (console_) console_->processOutput(bytes);
        };
        if (console_) {
            io.started = [this, commandLine](int fd, pid_t) {
                console_->processStarted(commandLine, fd, [this] { cancel_ = true; });
            };
            io.ended = [this](int code) { console_->processEnded(code); };
        }
        const proc::Result result = proc::runAndWait(launch, io, &cancel_);
        started = result.started;
        lastExitCode_ = result.started ? result.exitCode : -1;
    } else {
        started = proc::startDetached(launch);
    }
    if (!started) ask::messageBox("Can't make processs!!", job.caption, MB_OK);
    return started;
}

int TTeXEXE::CheckLog()
{
    // Opened only when it is a regular file: a named pipe would stall the
    // run, and a device would never end.
    const int fd = wholefile::openRegular(withExtension(".log"));
    if (fd < 0) return 0;
    QFile log;
    if (!log.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return 0;
    }
    // A piece at a time: a log can be as large as all the output of the run.
    LogStopScan scan;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const qint64 n = log.read(buffer.data(), qint64(buffer.size()));
        if (n <= 0) break;
        scan.feed(std::string_view(buffer.data(), size_t(n)));
    }
    return scan.finish() ? 1 : 0;
}

void TTeXEXE::SetBusy()
{
    Synchronize([this] {
        if (session_) session_->TeXBusy = true;
    });
}

void TTeXEXE::ClearBusy()
{
    Synchronize([this] {
        if (session_) session_->TeXBusy = false;
    });
}

void TTeXEXE::ReadProcessed()
{
    Synchronize([this] {
        if (session_) processed = session_->TeXProcessed;
    });
}

void TTeXEXE::SetProcessed()
{
    Synchronize([this] {
        if (session_) session_->TeXProcessed = true;
        processed = true;
    });
}

void TTeXEXE::ClearProcessed()
{
    Synchronize([this] {
        if (session_) session_->TeXProcessed = false;
        processed = false;
    });
}

void TTeXEXE::SyncDdeOpen()
{
    Synchronize([this] { ddeResult = session_ ? tex::DdeOpenViewer(*session_, ddeService, ddeTopic, viewerCommand) : 0; });
}

void TTeXEXE::SyncDdeRequest()
{
    Synchronize([this] { ddeReply = session_ ? tex::DdeRequest(*session_, ddeItem) : std::string(); });
}

void TTeXEXE::SyncDdeExecute()
{
    Synchronize([this] { ddeResult = session_ ? tex::DdeExecute(*session_, ddeMacro) : 0; });
}

void TTeXEXE::SyncDdeClose()
{
    Synchronize([this] {
        if (session_) tex::DdeCloseViewer(*session_);
    });
}
