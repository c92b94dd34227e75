// The editor's conversation server and the error jump; the client steps of
// the viewer conversation.
#include "tex/Dde.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/session/Session.h"
#include "platform/Cp932.h"
#include "tex/ProgramRunner.h"
#include "tex/TeXRunState.h"
#include "tex/TeXWorker.h"

std::optional<std::pair<int, int>> errorLineSelection(std::string_view text, int line)
{
    const size_t n = text.size();
    auto step = [&](size_t offset) { return offset + (cp932::isLeadByte(text[offset]) ? 2 : 1); };
    size_t offset = 0;
    int counter = 1;
    while (counter != line) {
        if (offset >= n) return std::nullopt;  // the text has fewer lines
        if (!cp932::isLeadByte(text[offset]) && text[offset] == '\n') ++counter;
        offset = step(offset);
    }
    if (offset > n) return std::nullopt;
    size_t start = offset;
    size_t end = start < n ? step(start) : n;
    while (end < n && text[end] != '\n') end = step(end);
    end = std::min(end, n);
    // The line ends before its LF; an empty line has only its CR.
    return std::make_pair(int(start), int(end - start));
}

bool pokeNamesDocument(const QString& pokedFile, const QString& texFolder, const QString& document)
{
    if (pokedFile.isEmpty()) return true;
    if (document.isEmpty()) return false;
    QString candidate = QDir::isAbsolutePath(pokedFile) ? pokedFile : texFolder + "/" + pokedFile;
    if (!QFileInfo::exists(candidate) && QFileInfo::exists(candidate + ".tex")) candidate += ".tex";
    if (!QFileInfo::exists(candidate)) return false;
    return QFileInfo(candidate).canonicalFilePath() == QFileInfo(document).canonicalFilePath();
}

namespace tex {

// ---- the server ----

void StartDdeServer(Session& s)
{
    // The first editor takes the executable's own name; one started while
    // it runs serves under that name and its process number, and its runs
    // tell the companion which one to poke.
    //
    // Editors that were killed left their sockets behind; those whose server
    // no longer answers go first, so the runtime folder does not fill up.
    conv::removeStaleSockets();
    QString service = ddeServiceOf(QCoreApplication::applicationFilePath());
    if (!StartDdeServerNamed(s, service))
        StartDdeServerNamed(s, service + "-" + QString::number(QCoreApplication::applicationPid()));
}

bool StartDdeServerNamed(Session& s, const QString& service)
{
    TeXRunState& run = runState(s);
    delete run.DdeServer;
    run.DdeServer = new TDdeServerConv(service, kDdeTopic, s.mainWindow);
    run.DdeServer->onPoke = [&s](const QString& item, const std::string& data) {
        if (item.compare(kDdeItem, Qt::CaseInsensitive) == 0)
            Session::Guard([&] { DdeServerItem1PokeData(s, data); });
    };
    return run.DdeServer->listen();
}

void DdeServerItem1PokeData(Session& s, const std::string& data)
{
    std::string_view text = firstLineOf(data);
    if (!isTeXErrorPoke(text)) return;
    QString texFolder =
        QFileInfo(s.ParentExecute && !s.ParentFile.isEmpty() ? s.ParentFile : s.FileName).absolutePath();
    // The companion TeX runs names no file (a document chooses its files'
    // names, so none reaches the shell): the file is the one the TeX of the
    // running job reads, as its output shows.
    std::optional<QString> texFile = QString();
    TTeXEXE* worker = runState(s).TeXThread;
    if (s.TeXBusy && worker) {
        texFolder = worker->texFolder();
        texFile = worker->fileTeXReads();
        worker->Terminate();
    }
    std::optional<PokeFields> fields = pokeFields(text);
    if (!fields) return;
    std::optional<int> line = pokeLineNumber(fields->line);
    if (!line) return;
    // A name in the poke (the companion run by hand) says the file itself.
    if (!fields->file.empty()) texFile = cp932::decode(fields->file);
    // An error in another file (a parent or an included file) is not jumped
    // to in the open document, where that line means something else; nor
    // one whose file TeX's output does not tell.
    if (!texFile || !pokeNamesDocument(*texFile, texFolder, s.HasFileName ? s.FileName : QString())) return;
    std::string editorText = s.RichEdit->Text();
    std::optional<std::pair<int, int>> selection = errorLineSelection(editorText, *line);
    if (!selection) return;
    s.RichEdit->Select(selection->first, selection->second);
    s.RichEdit->ScrollCaret();
    if (QWidget* window = s.mainWindow) {
        if (window->isMinimized()) window->showNormal();
        window->raise();
        window->activateWindow();
    }
    s.RichEdit->setFocus();
}

// ---- the client ----

int DdeOpenViewer(Session& s, const QString& service, const QString& topic, const QString& viewerCommand)
{
    TeXRunState& run = runState(s);
    if (!run.DdeClientConv) run.DdeClientConv = new TDdeClientConv(s.mainWindow);
    if (run.DdeClientConv->client.openLink(service, topic)) return 1;
    proc::Launch launch;
    launch.program = viewerCommand;
    if (!viewerCommand.isEmpty()) proc::startDetached(launch);
    return run.DdeClientConv->client.openLink(service, topic) ? 1 : 0;
}

void DdeCloseViewer(Session& s)
{
    if (TDdeClientConv* client = runState(s).DdeClientConv) client->client.closeLink();
}

int DdeExecute(Session& s, const std::string& macro)
{
    TDdeClientConv* client = runState(s).DdeClientConv;
    return client && client->client.execute(macro) ? 1 : 0;
}

std::string DdeRequest(Session& s, const QString& item)
{
    TDdeClientConv* client = runState(s).DdeClientConv;
    if (!client) return {};
    return client->client.request(item).value_or(std::string());
}

}  // namespace tex
