// TeX processing commands.
#include "tex/TeXCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <algorithm>
#include <optional>

#include "core/insertion/CommandSearch.h"
#include "platform/Ask.h"
#include "tex/TeXConsole.h"
#include "tex/Dde.h"
#include "tex/Init.h"
#include "tex/TeXConsolePlacement.h"
#include "tex/TeXRunState.h"
#include "tex/TeXWorker.h"

bool containsText(std::string_view text, std::string_view what, bool ignoreCase)
{
    return what.empty() || commandsearch::contains(text, what, ignoreCase, false);
}

PassDecision decidePasses(std::string_view text, bool triggersIgnoreCase)
{
    static constexpr std::string_view triggers[] = {"\\label",           "\\ref",           "\\pageref",
                                                    "\\tableofcontents", "thebibliography", "\\cite"};
    PassDecision d;
    if (containsText(text, "\\makeindex", false)) {
        d.passes = 3;
        d.runMendex = true;
    } else {
        for (std::string_view t : triggers) {
            if (containsText(text, t, triggersIgnoreCase)) {
                d.passes = 3;
                break;
            }
        }
    }
    if (containsText(text, "\\bibliography", false)) {
        d.passes = 3;
        d.runBibTeX = true;
    }
    return d;
}

namespace {

// What TeX cannot take in the name of the file it is given: a tab, a form
// feed or a carriage return ends the name and DEL is an invalid character;
// '"' is "Unbalanced quotes", "%" starts a comment, "\\" a command, "~" a
// blank, "^^" a character code, and "$" the name of a variable the name is
// expanded with.  At its start, "." (TeX may not write the hidden files it
// makes of it), "=" (LaTeX cannot read its .aux back) and "|" (a pipe to a
// command) fail too.  Blanks TeX would take, but the documents' names have
// never held them.
struct NameRule {
    bool atStart;
    const char* text;  // what the name holds (at its start); null: a control character of those
    const char* shown;
    const char* shownInRule;
};
constexpr NameRule kNameRules[] = {
    {false, " ", "半角空白", "半角空白文字"},
    {false, nullptr, "制御文字（タブなど）", "制御文字"},
    {false, "\"", "「\"」", "「\"」"},
    {false, "$", "「$」", "「$」"},
    {false, "%", "「%」", "「%」"},
    {false, "\\", "「\\」", "「\\」"},
    {false, "~", "「~」", "「~」"},
    {false, "^^", "「^^」", "「^^」"},
    {true, ".", "「.」", "「.」"},
    {true, "=", "「=」", "「=」"},
    {true, "|", "「|」", "「|」"},
};

bool breaks(const NameRule& rule, const QString& name)
{
    if (!rule.text)
        return std::any_of(name.begin(), name.end(), [](QChar c) { return QStringLiteral("\t\f\r\x7f").contains(c); });
    const QString text = QString::fromUtf8(rule.text);
    return rule.atStart ? name.startsWith(text) : name.contains(text);
}

}  // namespace

QString teXNameError(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    for (const NameRule& rule : kNameRules) {
        if (!breaks(rule, name)) continue;
        const QString shown = QString::fromUtf8(rule.shown);
        return path + "\r\n\r\nファイル名が" + shown + (rule.atStart ? "で始まっている" : "を含んでいる") +
               "ので、TeX処理ができません。\r\nTeXで処理する原稿ファイルのファイル名は、" +
               QString::fromUtf8(rule.shownInRule) + (rule.atStart ? "で始まっていては" : "を含んでいては") +
               "いけません。\r\n" + shown + (rule.atStart ? "で始まらない" : "を含まない") +
               "ファイル名で保存しなおしてから、再度実行して下さい。";
    }
    return {};
}

QString teXTargetError(const QString& fileName)
{
    QFileInfo info(fileName);
    QString suffix = info.suffix().toLower();
    if (suffix != "tex" && suffix != "dtx" && suffix != "ins")
        return fileName + "\r\n\r\n拡張子が tex, dtx, ins 以外のファイルは、TeX処理できません。";
    return teXNameError(fileName);
}

namespace tex {

void buildTeXCommands(Session& s)
{
    s.AddItem(
        s.MenuTex, "MenuTexOne", "TeXで１回だけ処理する(&U)", [&s] { MenuTexOneClick(s); }, QKeySequence(Qt::Key_F9));
    s.AddItem(
        s.MenuTex, "MenuTexExe", "TeXで処理する(&T)", [&s] { MenuTexExeClick(s); }, QKeySequence(Qt::Key_F10));
    s.AddItem(
        s.MenuTex, "MenuTexDviDisp", "TeX処理＆DVIファイルを表示(&D)", [&s] { MenuTexDVIClick(s, 0); },
        QKeySequence(Qt::Key_F11));
    s.AddItem(
        s.MenuTex, "MenuTexPdfDisp", "TeX処理＆PDFファイルを表示(&P)", [&s] { MenuTexDVIClick(s, 1); },
        QKeySequence(Qt::Key_F12));
    s.AddItem(
        s.MenuTex, "MenuTexPsDisp", "TeX処理＆PSファイルを表示(&K)", [&s] { MenuTexDVIClick(s, 2); },
        QKeySequence(Qt::CTRL | Qt::Key_F12));
    if (s.MenuTex)
        QObject::connect(s.MenuTex, &QMenu::aboutToShow, s.MenuTex,
                         [&s] { Session::Guard([&s] { MenuTexProcessClick(s); }); });
    if (s.MenuOption)
        s.AddItem(
            s.MenuOption, "MenuOptionInit", "初期設定(&I)...", [&s] { MenuOptionInitClick(s); }, {}, kInitHelpContext);
    if (s.ToolBarFile) {
        s.ToolBarFile->addSeparator();
        s.AddToolButton(s.ToolBarFile, "ToolButtonTeXOne", "TeXで１回だけ処理する", "TeX1",
                        [&s] { MenuTexOneClick(s); });
        s.AddToolButton(s.ToolBarFile, "ToolButtonTeXExe", "TeXで処理する", "TeX", [&s] { MenuTexExeClick(s); });
        s.AddToolButton(s.ToolBarFile, "ToolButtonDviDisp", "TeX処理＆DVIファイルを表示", "DVI",
                        [&s] { MenuTexDVIClick(s, 0); });
        s.AddToolButton(s.ToolBarFile, "ToolButtonPDFDisp", "TeX処理＆PDFファイルを表示", "PDF",
                        [&s] { MenuTexDVIClick(s, 1); });
    }
}

void MenuTexProcessClick(Session& s)
{
    if (QAction* parent = s.Item("MenuTexParentExe")) parent->setChecked(s.ParentExecute);
}

TeXConsole* TeXConsoleView(Session& s)
{
    TeXRunState& run = runState(s);
    if (!run.TeXConsoleWindow) {
        run.TeXConsoleWindow = new TeXConsole(s.mainWindow);
        consoleplace::placeAndRemember(s, *run.TeXConsoleWindow);
    }
    return run.TeXConsoleWindow;
}

namespace {

// The common road of the processing commands up to the job of the run;
// nothing when the command stops.
std::optional<TeXJob> prepareJob(Session& s)
{
    if (s.Busy || s.TeXBusy) return std::nullopt;
    s.MenuFileSaveClick();
    if (!s.HasFileName || s.RichEdit->Modified()) return std::nullopt;
    // A parent flag without a parent name processes the document itself.
    QString target = s.ParentExecute && !s.ParentFile.isEmpty() ? s.ParentFile : s.FileName;
    QString error = teXTargetError(s.FileName);
    // The file TeX is given may be the parent, whose name counts as much.
    if (error.isEmpty() && target != s.FileName) error = teXNameError(target);
    if (!error.isEmpty()) {
        ask::messageBox(error, "エラー", MB_OK | MB_ICONERROR);
        return std::nullopt;
    }
    return teXJobFor(s, target);
}

void startWorker(Session& s, TeXJob job)
{
    TeXRunState& run = runState(s);
    auto* worker = new TTeXEXE(std::move(job), &s, TeXConsoleView(s));
    run.TeXThread = worker;
    // The worker sets the busy flag in its first step; setting it here as
    // well refuses a command that comes before that step has run.
    s.TeXBusy = true;
    worker->FreeOnTerminate = true;
    // The end of a run reaches the window after the run itself cleared the
    // busy flag, so a command may already have started the next run; only
    // the run in force clears the flag, or two runs would share a folder.
    worker->OnTerminate = [&s, &run, worker] {
        if (run.TeXThread != worker) return;
        run.TeXThread = nullptr;
        s.TeXBusy = false;
    };
    worker->Resume();
}

void usePasses(TeXJob& job, const PassDecision& d)
{
    job.passes = d.passes;
    job.runMendex = d.runMendex;
    job.runBibTeX = d.runBibTeX;
}

}  // namespace

void MenuTexOneClick(Session& s)
{
    std::optional<TeXJob> job = prepareJob(s);
    if (!job) return;
    job->mode = 0;
    startWorker(s, std::move(*job));
}

void MenuTexExeClick(Session& s)
{
    std::optional<TeXJob> job = prepareJob(s);
    if (!job) return;
    usePasses(*job, decidePasses(s.RichEdit->Text(), false));
    job->mode = 1;
    startWorker(s, std::move(*job));
}

void MenuTexDVIClick(Session& s, int tag)
{
    std::optional<TeXJob> job = prepareJob(s);
    if (!job) return;
    usePasses(*job, decidePasses(s.RichEdit->Text(), true));
    job->mode = 2;
    job->outputKind = tag;
    startWorker(s, std::move(*job));
}

void StopTeXWorker(Session& s)
{
    TeXRunState& run = runState(s);
    TTeXEXE* worker = run.TeXThread;
    if (!worker) return;
    // The program being waited for is ended rather than waited for; the
    // worker then stops at its next check and is waited for here, serving
    // the calls it still makes into this thread.
    worker->EndRunningProgram();
    worker->WaitFor();
    run.TeXThread = nullptr;
}

}  // namespace tex
