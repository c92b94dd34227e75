// The spell-check command: the checker edits the saved file in place while
// the editor waits, then the editor reads the file back.
#include "tex/SpellCheck.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/session/Session.h"
#include "core/settings/Keys.h"
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
        if (!found.isEmpty()) launch.program = found;
    }
    launch.arguments = proc::splitArguments(options);
    launch.arguments.append(document.absoluteFilePath());
    launch.workingDirectory = document.absolutePath();
    return launch;
}

QString terminalEmulator()
{
    for (const char* name : {"x-terminal-emulator", "xterm"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return {};
}

proc::Launch inTerminal(const QString& terminal, const proc::Launch& checker)
{
    // "-T title" and "-e program arguments..." are what every terminal
    // emulator Debian offers as x-terminal-emulator understands.
    proc::Launch launch;
    launch.program = terminal;
    launch.arguments =
        QStringList{"-T", QString::fromUtf8("スペルチェック"), "-e", checker.program} + checker.arguments;
    launch.workingDirectory = checker.workingDirectory;
    return launch;
}

QString wordListPath(const QString& programDir) { return programDir + "/Quillmark.QWD"; }

}  // namespace spell

namespace {

struct CheckerSetting {
    QString program, options;
};

CheckerSetting readChecker(const Session& form, const CheckerValues& values)
{
    const settings::Store store = form.Settings();
    return {store.read(*values.program), store.read(*values.options)};
}

}  // namespace

void tex::MenuTeXSpellClick(Session& s) { runExternalChecker(s, {&key::SpellFile, &key::SpellOption}); }

void runExternalChecker(Session& form, const CheckerValues& values)
{
    if (form.Busy) return;
    auto& RichEdit = form.RichEdit;
    const QString& AppTitle = form.AppTitle;
    if (readChecker(form, values).program.isEmpty()) {
        ask::messageBox("起動するスペルチェック・ソフトウェアが指定されていません。", AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    const int caret = RichEdit->SelStart();
    form.MenuFileSaveClick();
    if (!form.HasFileName || form.FileName.isEmpty() || RichEdit->Modified()) return;

    const CheckerSetting checker = readChecker(form, values);
    const proc::Launch launch = spell::checkerLaunch(checker.program, checker.options, form.FileName);
    // The checker asks the user about each word, so it runs in a terminal
    // window where the user can answer it; the editor waits until it ends.
    const QString terminal = spell::terminalEmulator();
    const QFileInfo program(launch.program);
    if (!program.isFile() || !program.isExecutable()) {
        ask::messageBox(checker.program + "\r\n\r\nスペルチェック・ソフトウェアを起動できませんでした。", AppTitle,
                        MB_OK | MB_ICONERROR);
    } else if (terminal.isEmpty()) {
        ask::messageBox(
            QString::fromUtf8("スペルチェック・ソフトウェアを実行する端末エミュレータ（x-terminal-emulator）が"
                              "見つかりません。"),
            AppTitle, MB_OK | MB_ICONERROR);
    } else if (!proc::runAndWait(spell::inTerminal(terminal, launch)).started) {
        ask::messageBox(terminal + "\r\n\r\n端末エミュレータを起動できませんでした。", AppTitle, MB_OK | MB_ICONERROR);
    }

    form.LoadFile(form.FileName);
    RichEdit->SetSelStart(std::clamp(caret, 0, RichEdit->GetTextLen()));
    RichEdit->ScrollCaret();
}

void runWordListCheck(Session& form)
{
    if (form.Busy) return;
    spell::WordList list;
    const QString path = spell::wordListPath(form.ProgramDir);
    if (!list.load(path)) {
        ask::messageBox(path + "\r\n\r\nが読み込めません。", form.AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    runBuiltInCheck(form, list);
}
