// TeX processing commands.
#include "tex/TeXCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <optional>

#include "app/Form1.h"
#include "platform/Cp932.h"
#include "tex/TeXConsole.h"
#include "tex/Dde.h"
#include "tex/TeXConsolePlacement.h"
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

void TForm1::BuildTeXCommands()
{
    AddItem(
        MenuTex, "MenuTexOne", "TeXで１回だけ処理する(&U)", [this] { MenuTexOneClick(); }, QKeySequence(Qt::Key_F9));
    AddItem(
        MenuTex, "MenuTexExe", "TeXで処理する(&T)", [this] { MenuTexExeClick(); }, QKeySequence(Qt::Key_F10));
    AddItem(
        MenuTex, "MenuTexDviDisp", "TeX処理＆DVIファイルを表示(&D)", [this] { MenuTexDVIClick(0); },
        QKeySequence(Qt::Key_F11));
    AddItem(
        MenuTex, "MenuTexPdfDisp", "TeX処理＆PDFファイルを表示(&P)", [this] { MenuTexDVIClick(1); },
        QKeySequence(Qt::Key_F12));
    AddItem(
        MenuTex, "MenuTexPsDisp", "TeX処理＆PSファイルを表示(&K)", [this] { MenuTexDVIClick(2); },
        QKeySequence(Qt::CTRL | Qt::Key_F12));
    if (MenuTex) connect(MenuTex, &QMenu::aboutToShow, this, [this] { Guard([this] { MenuTexProcessClick(); }); });
    if (MenuOption) AddItem(MenuOption, "MenuOptionInit", "初期設定(&I)...", [this] { MenuOptionInitClick(); });
    if (ToolBarFile) {
        ToolBarFile->addSeparator();
        AddToolButton(ToolBarFile, "ToolButtonTeXOne", "TeXで１回だけ処理する", "TeX1", [this] { MenuTexOneClick(); });
        AddToolButton(ToolBarFile, "ToolButtonTeXExe", "TeXで処理する", "TeX", [this] { MenuTexExeClick(); });
        AddToolButton(ToolBarFile, "ToolButtonDviDisp", "TeX処理＆DVIファイルを表示", "DVI",
                      [this] { MenuTexDVIClick(0); });
        AddToolButton(ToolBarFile, "ToolButtonPDFDisp", "TeX処理＆PDFファイルを表示", "PDF",
                      [this] { MenuTexDVIClick(1); });
    }
}

void TForm1::MenuTexProcessClick()
{
    if (QAction* parent = Item("MenuTexParentExe")) parent->setChecked(ParentExecute);
}

TeXConsole* TForm1::TeXConsoleView()
{
    if (!TeXConsoleWindow) {
        TeXConsoleWindow = new TeXConsole(this);
        consoleplace::placeAndRemember(*this, *TeXConsoleWindow);
    }
    return TeXConsoleWindow;
}

namespace {

// The common road of the processing commands up to the job of the run;
// nothing when the command stops.
std::optional<TeXJob> prepareJob(TForm1& form)
{
    if (form.Busy || form.TeXBusy) return std::nullopt;
    form.MenuFileSaveClick();
    if (!form.HasFileName || form.RichEdit->Modified()) return std::nullopt;
    // A parent flag without a parent name processes the document itself.
    QString target = form.ParentExecute && !form.ParentFile.isEmpty() ? form.ParentFile : form.FileName;
    QString error = teXTargetError(form.FileName);
    if (!error.isEmpty()) {
        ask::messageBox(error, "エラー", MB_OK | MB_ICONERROR);
        return std::nullopt;
    }
    return teXJobFor(form, target);
}

void startWorker(TForm1& form, TeXJob job)
{
    auto* worker = new TTeXEXE(std::move(job), &form, form.TeXConsoleView());
    form.TeXThread = worker;
    // The worker sets the busy flag in its first step; setting it here as
    // well refuses a command that comes before that step has run.
    form.TeXBusy = true;
    worker->FreeOnTerminate = true;
    // The end of a run reaches the window after the run itself cleared the
    // busy flag, so a command may already have started the next run; only
    // the run in force clears the flag, or two runs would share a folder.
    worker->OnTerminate = [&form, worker] {
        if (form.TeXThread != worker) return;
        form.TeXThread = nullptr;
        form.TeXBusy = false;
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

void TForm1::MenuTexOneClick()
{
    std::optional<TeXJob> job = prepareJob(*this);
    if (!job) return;
    job->mode = 0;
    startWorker(*this, std::move(*job));
}

void TForm1::MenuTexExeClick()
{
    std::optional<TeXJob> job = prepareJob(*this);
    if (!job) return;
    usePasses(*job, decidePasses(RichEdit->Text(), false));
    job->mode = 1;
    startWorker(*this, std::move(*job));
}

void TForm1::MenuTexDVIClick(int tag)
{
    std::optional<TeXJob> job = prepareJob(*this);
    if (!job) return;
    usePasses(*job, decidePasses(RichEdit->Text(), true));
    job->mode = 2;
    job->outputKind = tag;
    startWorker(*this, std::move(*job));
}

void TForm1::StopTeXWorker()
{
    TTeXEXE* worker = TeXThread;
    if (!worker) return;
    // The program being waited for is ended rather than waited for; the
    // worker then stops at its next check and is waited for here, serving
    // the calls it still makes into this thread.
    worker->EndRunningProgram();
    worker->WaitFor();
    TeXThread = nullptr;
}
