#include "tex/TeXWorker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <cstdlib>
#include <mutex>
#include <unistd.h>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "core/settings/Keys.h"
#include "tex/DdeClient.h"
#include "tex/ProgramRunner.h"
#include "tex/TeXConsole.h"

TeXSettings readTeXSettings(const settings::Store& store)
{
    TeXSettings s;
    s.TeXFile = store.read(key::TeXFile);
    s.TeXOption = store.read(key::TeXOption);
    s.MendexFile = store.read(key::MendexFile);
    s.MendexOption = store.read(key::MendexOption);
    s.BibTeXFile = store.read(key::BibTeXFile);
    s.BibTeXOption = store.read(key::BibTeXOption);
    s.DviDde = store.read(key::DviDde);
    s.DviFile = store.read(key::DviFile);
    s.DviOption = store.read(key::DviOption);
    s.DvipdfFile = store.read(key::DvipdfFile);
    s.DvipdfOption = store.read(key::DvipdfOption);
    s.DvipsFile = store.read(key::DvipsFile);
    s.DvipsOption = store.read(key::DvipsOption);
    s.PDFReaderFile = store.read(key::PDFReaderFile);
    s.PDFReaderOption = store.read(key::PDFReaderOption);
    s.PSViewerFile = store.read(key::PSViewerFile);
    s.PSViewerOption = store.read(key::PSViewerOption);
    return s;
}

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
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        ushort u = c.unicode();
        bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '/' ||
                     u == '.' || u == '_' || u == '-' || u == '+';
        if (!plain)
            return false;
    }
    return true;
}

QString companionCommandPath(const QString& companionPath)
{
    QString absolute = QFileInfo(companionPath).absoluteFilePath();
    if (isPlainCommandText(absolute))
        return absolute;
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
        if (!mkdtemp(pattern.data()))
            return {};
        folder.path = pattern;
    }
    QByteArray link = folder.path + "/quilldde";
    QByteArray target = QFile::encodeName(absolute);
    unlink(link.constData());
    if (symlink(target.constData(), link.constData()) != 0)
        return {};
    return QString::fromLatin1(link);
}

QString texEditDelimiter()
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString delimiter = "QUILLMARK_";
    for (int i = 0; i < 24; ++i)
        delimiter += QChar(digits[QRandomGenerator::system()->bounded(36)]);
    return delimiter;
}

QString texEditValue(const QString& companionCommand, const QString& delimiter)
{
    return companionCommand + " /j%d - <<'" + delimiter + "'\n%s\n" + delimiter + "\n";
}

bool logShowsStop(const std::string& logBytes)
{
    size_t start = 0;
    while (start <= logBytes.size()) {
        size_t end = logBytes.find('\n', start);
        if (end == std::string::npos)
            end = logBytes.size();
        QByteArray line(logBytes.data() + start, qsizetype(end - start));
        if (line.endsWith('\r'))
            line.chop(1);
        line = line.toLower();
        if (line == "? e" || line == "? x" || line == "! emergency stop.")
            return true;
        start = end + 1;
    }
    return false;
}

TTeXEXE::TTeXEXE() : TThread(true) {}
TTeXEXE::~TTeXEXE() = default;

void TTeXEXE::EndRunningProgram()
{
    cancel_ = true;
    Terminate();
}

void TTeXEXE::Execute()
{
    // The output window shows this run alone, every program of it.
    if (console)
        console->runStarted();
    SetBusy();
    struct BusyGuard {
        TTeXEXE* worker;
        ~BusyGuard() { worker->ClearBusy(); }
    } guard{this};
    switch (mode) {
    case 0:
        RunTeXOnce();
        break;
    case 1:
        RunTeXFull();
        break;
    case 2:
        ReadProcessed();
        if (!processed)
            RunTeXFull();
        ReadProcessed();
        if (processed)
            ShowOutput();
        break;
    default:
        break;
    }
}

QString TTeXEXE::withExtension(const QString& extension) const
{
    QFileInfo info(documentPath);
    return info.path() + "/" + info.completeBaseName() + extension;
}

QString TTeXEXE::documentFolder() const { return QFileInfo(documentPath).absolutePath(); }

QString TTeXEXE::documentFileName() const { return QFileInfo(documentPath).fileName(); }

QStringList TTeXEXE::childEnvironment() const
{
    // The documents are Shift-JIS; the pTeX tools read UTF-8 unless told.
    // The terminal output is decoded by the console as the locale says.
    QStringList env{"PTEX_KANJI_ENC=sjis", "LC_ALL=C.UTF-8"};
    if (!texEdit_.isEmpty())
        env << "TEXEDIT=" + texEdit_;
    if (!editorService.isEmpty())
        env << "QUILLMARK_SERVICE=" + editorService;
    return env;
}

void TTeXEXE::prepareTeXEdit()
{
    QString command = companionCommandPath(companionPath.isEmpty() ? programDir + "/quilldde" : companionPath);
    texEdit_ = command.isEmpty() ? QString() : texEditValue(command, texEditDelimiter());
}

void TTeXEXE::RunTeXOnce()
{
    ClearProcessed();
    settings_ = readTeXSettings(settings::Store(settingsKey));
    if (settings_.TeXFile.isEmpty()) {
        ask::messageBox("起動するTeXプログラムが指定されていません。", kCaption, MB_ICONERROR);
        return;
    }
    if (!QFileInfo::exists(settings_.TeXFile)) {
        ask::messageBox("TeXを処理するプログラム・ファイル" + settings_.TeXFile +
                            "が存在しません。\nQuillmarkの初期設定を確認してください。",
                        "エラー", MB_ICONERROR);
        return;
    }
    prepareTeXEdit();
    RunProgram(settings_.TeXFile, proc::splitArguments(settings_.TeXOption) << documentFileName(), true);
}

void TTeXEXE::RunTeXFull()
{
    ClearProcessed();
    settings_ = readTeXSettings(settings::Store(settingsKey));
    if (settings_.TeXFile.isEmpty()) {
        ask::messageBox("起動するTeXプログラムが指定されていません。", kCaption, MB_ICONERROR);
        return;
    }
    QFile::remove(withExtension(".dvi"));
    if (outputKind == 1)
        QFile::remove(withExtension(".pdf"));
    else if (outputKind == 2)
        QFile::remove(withExtension(".ps"));
    if (!QFileInfo::exists(settings_.TeXFile)) {
        ask::messageBox("TeXを処理するプログラム・ファイル" + settings_.TeXFile +
                            "が存在しません。\t\t\t\t\t\t\t\t \nQuillmarkの初期設定を確認してください。",
                        "エラー", MB_ICONERROR);
        return;
    }
    prepareTeXEdit();
    QString baseName = QFileInfo(documentPath).completeBaseName();
    for (int pass = 1; pass <= passes; ++pass) {
        if (!RunProgram(settings_.TeXFile, proc::splitArguments(settings_.TeXOption) << documentFileName(), true))
            return;
        if (CheckLog() == 1)
            return;
        if (Terminated())
            return;
        if (outputKind == 0 && !QFileInfo::exists(withExtension(".dvi")))
            return;
        if (pass == 1 && runBibTeX &&
            !RunProgram(settings_.BibTeXFile, proc::splitArguments(settings_.BibTeXOption) << baseName, true))
            return;
        if (pass == 2 && runMendex &&
            !RunProgram(settings_.MendexFile, proc::splitArguments(settings_.MendexOption) << baseName + ".idx",
                        true))
            return;
    }
    SetProcessed();
}

void TTeXEXE::ShowOutput()
{
    settings_ = readTeXSettings(settings::Store(settingsKey));
    QString dvi = withExtension(".dvi");
    QString dviName = QFileInfo(dvi).fileName();
    auto fail = [](const char* text) { ask::messageBox(QString::fromUtf8(text), kCaption, MB_ICONERROR); };
    switch (outputKind) {
    case 0:
        if (settings_.DviFile.isEmpty())
            return fail("起動するDVIドライバが指定されていません。");
        if (!QFileInfo::exists(dvi))
            return fail("拡張子が.dvi のファイルが存在しないので、\nビューアを起動できませんでした。");
        if (settings_.DviDde == 0) {
            ddeService = "WinDvi";
            ddeTopic = "WinDvi";
            WorkerViewerLink link(*this);
            // No viewer on this system answers the conversation unless one
            // that does is running; otherwise the viewer is started on the
            // file by command line, as with the direct start.
            runViewerConversation(link, cp932::encode(QFileInfo(dvi).absoluteFilePath()), [&] {
                RunProgram(settings_.DviFile, proc::splitArguments(settings_.DviOption) << dvi, false);
            });
        } else if (settings_.DviDde == 1) {
            RunProgram(settings_.DviFile, proc::splitArguments(settings_.DviOption) << dvi, false);
        }
        return;
    case 1:
        if (settings_.DvipdfFile.isEmpty())
            return fail("起動するDVI→PDFプログラムが指定されていません。");
        if (!RunProgram(settings_.DvipdfFile, proc::splitArguments(settings_.DvipdfOption) << dviName, true))
            return;
        if (settings_.PDFReaderFile.isEmpty())
            return fail("起動するPDF Readerプログラムが指定されていません。");
        RunProgram(settings_.PDFReaderFile,
                   proc::splitArguments(settings_.PDFReaderOption) << QFileInfo(withExtension(".pdf")).absoluteFilePath(),
                   false);
        return;
    case 2:
        if (settings_.DvipsFile.isEmpty())
            return fail("起動するDVI→PSプログラムが指定されていません。");
        if (!RunProgram(settings_.DvipsFile, proc::splitArguments(settings_.DvipsOption) << dviName, true))
            return;
        if (settings_.PSViewerFile.isEmpty())
            return fail("起動するPS Viewerが指定されていません。");
        if (!QFileInfo::exists(withExtension(".ps")))
            return fail("拡張子が.ps のファイルが存在しないので、\nビューアを起動できませんでした。");
        RunProgram(settings_.PSViewerFile,
                   proc::splitArguments(settings_.PSViewerOption) << QFileInfo(withExtension(".ps")).absoluteFilePath(),
                   false);
        return;
    default:
        return;
    }
}

bool TTeXEXE::RunProgram(const QString& program, const QStringList& arguments, bool wait)
{
    if (cancel_)
        return false;
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
        if (console) {
            io.started = [this, commandLine](int fd, pid_t) {
                console->processStarted(commandLine, fd, [this] { cancel_ = true; });
            };
            io.output = [this](const QByteArray& bytes) { console->processOutput(bytes); };
            io.ended = [this](int code) { console->processEnded(code); };
        }
        started = proc::runAndWait(launch, io, &cancel_).started;
    } else {
        started = proc::startDetached(launch);
    }
    if (!started)
        ask::messageBox("Can't make processs!!", form ? form->AppTitle : QString(kCaption), MB_OK);
    return started;
}

int TTeXEXE::CheckLog()
{
    QFile log(withExtension(".log"));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    QByteArray bytes = log.readAll();
    return logShowsStop(std::string(bytes.constData(), size_t(bytes.size()))) ? 1 : 0;
}

void TTeXEXE::SetBusy()
{
    Synchronize([this] {
        if (form)
            form->TeXBusy = true;
    });
}

void TTeXEXE::ClearBusy()
{
    Synchronize([this] {
        if (form)
            form->TeXBusy = false;
    });
}

void TTeXEXE::ReadProcessed()
{
    Synchronize([this] {
        if (form)
            processed = form->TeXProcessed;
    });
}

void TTeXEXE::SetProcessed()
{
    Synchronize([this] {
        if (form)
            form->TeXProcessed = true;
        processed = true;
    });
}

void TTeXEXE::ClearProcessed()
{
    Synchronize([this] {
        if (form)
            form->TeXProcessed = false;
        processed = false;
    });
}

void TTeXEXE::SyncDdeOpen()
{
    Synchronize([this] { ddeResult = form ? form->DdeOpenViewer(ddeService, ddeTopic, viewerCommand) : 0; });
}

void TTeXEXE::SyncDdeRequest()
{
    Synchronize([this] { ddeReply = form ? form->DdeRequest(ddeItem) : std::string(); });
}

void TTeXEXE::SyncDdeExecute()
{
    Synchronize([this] { ddeResult = form ? form->DdeExecute(ddeMacro) : 0; });
}

void TTeXEXE::SyncDdeClose()
{
    Synchronize([this] {
        if (form)
            form->DdeCloseViewer();
    });
}
