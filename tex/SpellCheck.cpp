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
#include "platform/Registry.h"

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

}  // namespace spell

namespace {

struct CheckerSetting {
    QString program, options;
};

CheckerSetting readChecker(const TForm1& form)
{
    CheckerSetting s;
    TRegistry reg;
    reg.RootKey = form.RootKey;
    if (reg.OpenKey(form.RegKey + "\\TeXSetting", false)) {
        if (reg.ValueExists("SpellFile"))
            s.program = reg.ReadString("SpellFile");
        if (reg.ValueExists("SpellOption"))
            s.options = reg.ReadString("SpellOption");
    }
    return s;
}

}  // namespace

void TForm1::MenuTeXSpellClick()
{
    if (Busy)
        return;
    if (readChecker(*this).program.isEmpty()) {
        ask::messageBox("起動するスペルチェック・ソフトウェアが指定されていません。", AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    const int caret = RichEdit->SelStart();
    MenuFileSaveClick();
    if (!HasFileName || FileName.isEmpty() || RichEdit->Modified())
        return;

    const CheckerSetting checker = readChecker(*this);
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
        proc::runAndWait(spell::checkerLaunch(checker.program, checker.options, FileName), io);
    if (!result.started) {
        // There is no command processor to say so in its own window.
        ask::messageBox(checker.program + "\r\n\r\nスペルチェック・ソフトウェアを起動できませんでした。", AppTitle,
                        MB_OK | MB_ICONERROR);
    }

    LoadFile(FileName);
    RichEdit->SetSelStart(std::clamp(caret, 0, RichEdit->GetTextLen()));
    RichEdit->ScrollCaret();
}
