// TeX processing commands.
#include "tex/TeXCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <optional>

#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "tex/TeXConsole.h"
#include "tex/Dde.h"
#include "tex/Init.h"
#include "tex/TeXConsolePlacement.h"
#include "tex/TeXRunState.h"
#include "tex/TeXWorker.h"

bool containsText(std::string_view text, std::string_view what, bool ignoreCase)
{
    if (!ignoreCase) return text.find(what) != std::string_view::npos;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (what.empty()) return true;
    for (size_t i = 0; i + what.size() <= text.size(); i += size_t(cp932::charLength(text, i))) {
        size_t k = 0;
        while (k < what.size() && lower(text[i + k]) == lower(what[k])) ++k;
        if (k == what.size()) return true;
    }
    return false;
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

QString teXTargetError(const QString& fileName)
{
    QFileInfo info(fileName);
    QString suffix = info.suffix().toLower();
    if (suffix != "tex" && suffix != "dtx" && suffix != "ins")
        return fileName + "\r\n\r\n拡張子が tex, dtx, ins 以外のファイルは、TeX処理できません。";
    if (info.fileName().contains(' '))
        return fileName +
               "\r\n\r\nファイル名が半角空白を含んでいるので、TeX処理ができません。\r\n"
               "TeXで処理する原稿ファイルのファイル名は、半角空白文字を含んでいてはいけません。\r\n"
               "半角空白を含まないファイル名で保存しなおしてから、再度実行して下さい。";
    return {};
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
