#pragma once
// The worker that runs the TeX programs on one document and shows the
// result.  It is given everything it needs when it is made, talks to the
// main window only through synchronised calls, shows its messages through
// the message seam (which carries them to the main thread), and hands an
// exception that ends it back to the window's exception boundary.
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

// The TEXEDIT value.  TeX expands "$" in it and then runs it through the
// shell with %d and %s filled in, so nothing a user or a document can name
// may stand in it as shell text: the companion is named by a path of plain
// characters (see companionCommandPath) and the file name TeX fills in is
// handed to the companion as the body of a quoted here-document, which the
// shell passes on as data.  The delimiter is drawn afresh for every run, so
// no file name made beforehand can end the body early.
QString texEditValue(const QString& companionCommand, const QString& delimiter);
// A fresh here-document delimiter of letters and digits.
QString texEditDelimiter();
// A path to the companion that holds only characters the shell and TeX's own
// expansion leave alone: the path itself when it is plain, else a link to it
// in a private folder of plain name.  Empty when no such path can be made.
QString companionCommandPath(const QString& companionPath);
// Whether a text may stand unquoted in a shell command and in TEXEDIT.
bool isPlainCommandText(const QString& text);

// Whether a log holds one of the lines TeX writes when a run was stopped.
bool logShowsStop(const std::string& logBytes);

// Everything one run needs, taken in the main thread when the command is
// given: the worker reads nothing of the window from its own thread, so a
// setting changed or a window member written while TeX runs cannot reach a
// run halfway.
struct TeXJob {
    TeXSettings settings;   // the program settings as they were then
    QString documentPath;   // full path of the file to process (the document or its parent)
    QString programDir;     // folder of the executable, no trailing slash
    QString companionPath;  // empty: programDir + "/quilldde"
    // The conversation service of the editor that started the run; the
    // companion pokes that one (it reads it from QUILLMARK_SERVICE).
    QString editorService;
    QString caption = "Quillmark";  // the application's title
    int mode = 0;                   // 0 TeX once; 1 full run; 2 full run unless processed, then show
    int outputKind = 0;             // 0 DVI, 1 PDF, 2 PostScript
    int passes = 0;                 // 1 or 3
    bool runMendex = false;         // after pass 2
    bool runBibTeX = false;         // after pass 1
};

// The job of a run on documentPath started from this window: its settings,
// program folder, companion, conversation service and title.  Main thread.
TeXJob teXJobFor(TForm1& form, const QString& documentPath);

class TTeXEXE : public TThread {
public:
    // form is reached only through synchronised calls; console takes the
    // programs' output from any thread.
    TTeXEXE(TeXJob job, TForm1* form, TeXConsole* console);
    ~TTeXEXE() override;

    const TeXJob job;

    // The viewer conversation.
    QString viewerCommand;
    QString ddeService;
    QString ddeTopic;
    std::string ddeMacro;
    std::string ddeReply;
    QString ddeItem;
    int ddeResult = 0;
    // The worker's copy of the window's processed flag.
    bool processed = false;

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
    void runJob();
    bool openTeXRun(bool fullRun);
    bool runTeX();
    QString withExtension(const QString& extension) const;
    QString documentFolder() const;
    QString documentFileName() const;
    QStringList childEnvironment() const;
    void prepareTeXEdit();
    TForm1* const form_;
    TeXConsole* const console_;
    QString texEdit_;
    std::atomic<bool> cancel_{false};
};
