// The spell-check command: the checker edits the saved file in place while
// the editor waits, then the editor reads the file back.
#include "tex/SpellCheck.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "tex/SpellDialog.h"
#include "tex/SpellWords.h"

namespace spell {

proc::Launch checkerLaunch(const QString& program, const QString& options, const QString& documentPath)
{
    const QFileInfo document(documentPath);
    proc::Launch launch;
    // A bare program name is looked up on PATH, as a command line would.
    launch.program = program;
    if (!program.contains('/')) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty())
            launch.program = found;
    }
    launch.arguments = proc::splitArguments(options);
    launch.arguments.append(document.absoluteFilePath());
    launch.workingDirectory = document.absolutePath();
    return launch;
}

QString wordListPath(const QString& programDir) { return programDir + "/Quillmark.QWD"; }

}  // namespace spell

namespace {

struct CheckerSetting {
    QString program, options;
};

CheckerSetting readChecker(const TForm1& form, const CheckerValues& values)
{
    const settings::Store store = form.Settings();
    return {store.read(*values.program), store.read(*values.options)};
}

}  // namespace

void TForm1::MenuTeXSpellClick() { runExternalChecker(*this, {&key::SpellFile, &key::SpellOption}); }

void runExternalChecker(TForm1& form, const CheckerValues& values)
{
    if (form.Busy)
        return;
    auto& RichEdit = form.RichEdit;
    const QString& AppTitle = form.AppTitle;
    if (readChecker(form, values).program.isEmpty()) {
        ask::messageBox("起動するスペルチェック・ソフトウェアが指定されていません。", AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    const int caret = RichEdit->SelStart();
    form.MenuFileSaveClick();
    if (!form.HasFileName || form.FileName.isEmpty() || RichEdit->Modified())
        return;

    const CheckerSetting checker = readChecker(form, values);
    // The checker's input is at its end from the start: a checker that
    // reads its input must not wait on a pipe nobody writes to while the
    // window waits for the checker.
    proc::Io io;
    io.started = [](int stdinFd, pid_t) {
        int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nul >= 0) {
            ::dup3(nul, stdinFd, O_CLOEXEC);
            ::close(nul);
        }
    };
    const proc::Result result =
        proc::runAndWait(spell::checkerLaunch(checker.program, checker.options, form.FileName), io);
    if (!result.started) {
        // There is no command processor to say so in its own window.
        ask::messageBox(checker.program + "\r\n\r\nスペルチェック・ソフトウェアを起動できませんでした。", AppTitle,
                        MB_OK | MB_ICONERROR);
    }

    form.LoadFile(form.FileName);
    RichEdit->SetSelStart(std::clamp(caret, 0, RichEdit->GetTextLen()));
    RichEdit->ScrollCaret();
}

void runWordListCheck(TForm1& form)
{
    if (form.Busy)
        return;
    spell::WordList list;
    const QString path = spell::wordListPath(form.ProgramDir);
    if (!list.load(path)) {
        ask::messageBox(path + "\r\n\r\nが読み込めません。", form.AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    runBuiltInCheck(form, list);
}
