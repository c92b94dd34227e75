#pragma once
// The worker that runs the TeX programs on one document and shows the
// result.  It is given everything it needs when it is made, talks to the
// main window only through synchronised calls, shows its messages through
// the message seam (which carries them to the main thread), and hands an
// exception that ends it back to the window's exception boundary.
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/Settings.h"
#include "platform/Thread.h"
#include "tex/TeXOpenFiles.h"
#include "tex/TeXPrograms.h"

class Session;
class TeXConsole;

// The TEXEDIT value.  A document can read TEXEDIT (the restricted shell
// escape allows kpsewhich) and choose the names of the files it reads, and
// TeX runs the value through the shell after expanding "$" in it itself.
// So it holds no %s, nothing a document names and nothing a user named:
// the companion by a path of plain characters (see companionCommandPath)
// and the line, which TeX fills in as digits.  The companion finds the
// editor whose run it is in the environment (QUILLMARK_SERVICE), and the
// editor reads the file TeX stopped in from TeX's output itself.
QString texEditValue(const QString& companionCommand);
// A path to the companion that holds only characters the shell and TeX's own
// expansion leave alone: the path itself when it is plain, else a link to it
// in a private folder of plain name.  Empty when no such path can be made.
QString companionCommandPath(const QString& companionPath);
// Whether a text may stand unquoted in a shell command and in TEXEDIT.
bool isPlainCommandText(const QString& text);

// Whether a log holds one of the lines TeX writes when a run was stopped:
// at once, or fed in pieces as it is read.
bool logShowsStop(std::string_view logBytes);
class LogStopScan {
public:
    void feed(std::string_view bytes);
    // After the last piece: whether a stop line came.
    bool finish();

private:
    static constexpr size_t kLongest = 32;  // longer lines are none of them
    std::string line_;
    bool tooLong_ = false;
    bool found_ = false;
};

// The message of a step that ended with a non-zero code: which program of
// the run failed, and that the run stopped there (or, for the converters,
// that no viewer was started on what they left).
QString stepFailedMessage(const QString& step, const QString& program, int exitCode, bool viewerNext);

// What to tell the user about a PostScript that dvips made from a document
// whose figures were set for another driver (graphicx's driver option, or
// the class's): dvips cannot draw what that driver's \special asks for and
// leaves the figures blank.  The log names the driver, dvips's output shows
// that it met such figures.  Empty when there is nothing to tell.
QString figureDriverMessage(std::string_view logBytes, const QByteArray& dvipsOutput);

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
TeXJob teXJobFor(Session& s, const QString& documentPath);

class TTeXEXE : public TThread {
public:
    // The session is reached only through synchronised calls; console
    // takes the programs' output from any thread.
    TTeXEXE(TeXJob job, Session* session, TeXConsole* console);
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
    // The worker's copy of the session's processed flag.
    bool processed = false;

    // Ends the program being waited for and keeps any further one from
    // starting (used when the editor closes).  Callable from any thread.
    void EndRunningProgram();
    // The file the TeX program that runs (or ran last) reads, as its output
    // shows it (TeXOpenFiles::current); relative names count from
    // texFolder().  Callable from any thread.
    std::optional<QString> fileTeXReads() const;
    QString texFolder() const { return documentFolder(); }

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
    bool openTeXRun(bool fullRun);
    bool runTeX();
    bool runStep(const QString& step, const QString& program, const QStringList& arguments, bool viewerNext);
    void outputMissing(const QString& extension);
    void checkFiguresAfterDvips(const QByteArray& dvipsOutput);
    QString withExtension(const QString& extension) const;
    QString documentFolder() const;
    QString documentFileName() const;
    QStringList childEnvironment() const;
    void prepareTeXEdit();
    Session* const session_;
    TeXConsole* const console_;
    QString texEdit_;
    // The exit code of the program waited for last (-1: it did not start).
    int lastExitCode_ = -1;
    std::atomic<bool> cancel_{false};
    // Fed by the waiting thread while TeX runs, read by the error jump.
    mutable std::mutex openFilesMutex_;
    TeXOpenFiles openFiles_;
    bool followingTeX_ = false;
    // The output of the waited program, kept while keepOutput_ is set, up to
    // a bound.
    static constexpr qsizetype kMaxKeptOutput = 1 << 20;
    bool keepOutput_ = false;
    QByteArray keptOutput_;
};
