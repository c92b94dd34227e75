// The spell-check command: the checker edits a copy of the saved document
// while the editor waits, then the editor takes the checked text back.
#include "tex/SpellCheck.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "core/files/FilesState.h"
#include "core/session/Session.h"
#include "core/undo/MultiUndo.h"
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

std::optional<LineChange> changedLines(std::string_view before, std::string_view after)
{
    if (before == after) return std::nullopt;
    const size_t common = std::min(before.size(), after.size());
    size_t head = 0;
    while (head < common && before[head] == after[head]) ++head;
    // Whole lines: CR and LF are never part of a double-byte character, so
    // the change starts and ends on characters of both texts.
    while (head > 0 && before[head - 1] != '\n') --head;
    size_t tail = 0;
    while (tail < common - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    while (tail > 0 && before[before.size() - tail] != '\r') --tail;
    return LineChange{int(head), int(before.size() - head - tail),
                      std::string(after.substr(head, after.size() - head - tail))};
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

    // Made by mkdtemp: only the user may enter it, and it goes with all the
    // checker left in it.
    QTemporaryDir folder;
    const QString copy = folder.filePath(QFileInfo(form.FileName).fileName());
    const std::string before = RichEdit->Text();
    {
        QFile file(copy);
        const std::string bytes = docfile::toFileBytes(before, form.documentState().layout);
        if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            ask::messageBox(QString::fromUtf8("作業用の写しを作れないので、スペルチェックできませんでした。"),
                            AppTitle, MB_OK | MB_ICONERROR);
            return;
        }
    }

    const CheckerSetting checker = readChecker(form, values);
    proc::Launch launch = spell::checkerLaunch(checker.program, checker.options, copy);
    // The checker still starts in the document's folder, where it finds the
    // user's personal word list for the document.
    launch.workingDirectory = QFileInfo(form.FileName).absolutePath();
    // The checker asks the user about each word, so it runs in a terminal
    // window where the user can answer it; the editor waits until it ends.
    const QString terminal = spell::terminalEmulator();
    const QFileInfo program(launch.program);
    if (!program.isFile() || !program.isExecutable()) {
        ask::messageBox(checker.program + "\r\n\r\nスペルチェック・ソフトウェアを起動できませんでした。", AppTitle,
                        MB_OK | MB_ICONERROR);
        return;
    }
    if (terminal.isEmpty()) {
        ask::messageBox(
            QString::fromUtf8("スペルチェック・ソフトウェアを実行する端末エミュレータ（x-terminal-emulator）が"
                              "見つかりません。"),
            AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    if (!proc::runAndWait(spell::inTerminal(terminal, launch)).started) {
        ask::messageBox(terminal + "\r\n\r\n端末エミュレータを起動できませんでした。", AppTitle, MB_OK | MB_ICONERROR);
        return;
    }

    const docfile::ReadResult checked = docfile::read(copy);
    if (checked.status == docfile::ReadStatus::Failed) {
        ask::errorMessage(checked.error);
        return;
    }
    const QString tooLarge =
        QString::fromUtf8("スペルチェックした文書が大きさの上限を超えるので、文書に取り込みませんでした。");
    if (checked.status == docfile::ReadStatus::TooLarge) {
        ask::messageBox(tooLarge, AppTitle, MB_OK | MB_ICONERROR);
        return;
    }
    if (const std::optional<spell::LineChange> change = spell::changedLines(before, checked.content.text)) {
        if (form.UndoManager) form.UndoManager->SyncSelection();
        RichEdit->Select(change->start, change->length);
        if (!RichEdit->SetSelText(change->text)) {
            ask::messageBox(tooLarge, AppTitle, MB_OK | MB_ICONERROR);
        } else {
            form.ColorizeLines(change->start, change->start + int(change->text.size()));
            form.MenuFileSaveClick();
        }
    }
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
