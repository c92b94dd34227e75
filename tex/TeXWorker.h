#pragma once
// The worker that runs the TeX programs on one document and shows the
// result.  It reads the program settings afresh when it runs, talks to the
// main window only through synchronised calls, and shows its messages
// through the message seam (which carries them to the main thread).
#include <QString>
#include <QStringList>
#include <atomic>
#include <string>

#include "core/settings/Settings.h"
#include "platform/Thread.h"

class TForm1;
class TeXConsole;

// The program settings a run reads.
struct TeXSettings {
    QString TeXFile, TeXOption;
    QString MendexFile, MendexOption, BibTeXFile, BibTeXOption;
    int DviDde = 0;
    QString DviFile, DviOption, DvipdfFile, DvipdfOption, DvipsFile, DvipsOption;
    QString PDFReaderFile, PDFReaderOption, PSViewerFile, PSViewerOption;
};
TeXSettings readTeXSettings(const settings::Store& store);

// The TEXEDIT value for a document: TeX runs it through the shell with %d
// and %s filled in, so the companion's path and the file name are quoted.
QString texEditValue(const QString& companionPath, const QString& documentFileName);

// Whether a log holds one of the lines TeX writes when a run was stopped.
bool logShowsStop(const std::string& logBytes);

class TTeXEXE : public TThread {
public:
    TTeXEXE();
    ~TTeXEXE() override;

    // The viewer conversation.
    QString viewerCommand;
    QString ddeService;
    QString ddeTopic;
    std::string ddeMacro;
    std::string ddeReply;
    QString ddeItem;
    int ddeResult = 0;
    // The run.
    QString settingsKey;
    QString programDir;
    QString documentPath;
    int passes = 0;
    bool runMendex = false;
    bool runBibTeX = false;
    int mode = 0;
    int outputKind = 0;
    bool processed = false;

    // Wiring, filled by the creator.
    TForm1* form = nullptr;
    TeXConsole* console = nullptr;
    QString companionPath;  // empty: programDir + "/quilldde"

    // Ends the program being waited for and keeps any further one from
    // starting (used when the editor closes).  Callable from any thread.
    void EndRunningProgram();

    void RunTeXOnce();
    void RunTeXFull();
    void ShowOutput();
    bool RunProgram(const QString& program, const QStringList& arguments, bool wait);
    bool ShellRun(const QString& program, const QStringList& arguments, bool wait);
    int CheckLog();
    void SetBusy();
    void ClearBusy();
    void ReadProcessed();
    void SetProcessed();
    void ClearProcessed();
    void SyncDdeOpen();
    void SyncDdeRequest();
    void SyncDdeExecute();
    void SyncDdeClose();

protected:
    void Execute() override;

private:
    QString withExtension(const QString& extension) const;
    QString documentFolder() const;
    QString documentFileName() const;
    QStringList childEnvironment() const;
    TeXSettings settings_;
    QString texEdit_;
    std::atomic<bool> cancel_{false};
};
