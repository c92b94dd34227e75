// The editor's conversation server and the error jump; the client steps of
// the viewer conversation.
#include "tex/Dde.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Form1.h"
#include "platform/Cp932.h"
#include "tex/ProgramRunner.h"
#include "tex/TeXWorker.h"

QString ddeServiceOf(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    return name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
}

std::string errorPokeText(const std::string& line, const std::string& file)
{
    return "#TeXError(" + line + ",\"" + file + "\")";
}

std::string_view firstLineOf(std::string_view text)
{
    size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

bool isTeXErrorPoke(std::string_view text) { return text.size() >= 9 && text.substr(1, 8) == "TeXError"; }

std::optional<PokeFields> pokeFields(std::string_view text)
{
    size_t paren = text.find('(');
    size_t quote = text.find('"');
    size_t comma = text.find(',');
    if (paren == std::string_view::npos || quote == std::string_view::npos || comma == std::string_view::npos ||
        comma < paren)
        return std::nullopt;
    size_t quote2 = text.find('"', quote + 1);
    PokeFields fields;
    fields.line = std::string(text.substr(paren + 1, comma - paren - 1));
    fields.file = std::string(
        text.substr(quote + 1, quote2 == std::string_view::npos ? std::string_view::npos : quote2 - quote - 1));
    return fields;
}

std::optional<int> pokeLineNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1) return std::nullopt;
    return value;
}

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

// ---- TForm1: the server ----

void TForm1::StartDdeServer()
{
    // The first editor takes the executable's own name; one started while
    // it runs serves under that name and its process number, and its runs
    // tell the companion which one to poke.
    //
    // Editors that were killed left their sockets behind; those whose server
    // no longer answers go first, so the runtime folder does not fill up.
    conv::removeStaleSockets();
    QString service = ddeServiceOf(QCoreApplication::applicationFilePath());
    if (!StartDdeServerNamed(service))
        StartDdeServerNamed(service + "-" + QString::number(QCoreApplication::applicationPid()));
}

bool TForm1::StartDdeServerNamed(const QString& service)
{
    delete DdeServer;
    DdeServer = new TDdeServerConv(service, kDdeTopic, this);
    DdeServer->onPoke = [this](const QString& item, const std::string& data) {
        if (item.compare(kDdeItem, Qt::CaseInsensitive) == 0) Guard([&] { DdeServerItem1PokeData(data); });
    };
    return DdeServer->listen();
}

void TForm1::DdeServerItem1PokeData(const std::string& data)
{
    std::string_view text = firstLineOf(data);
    if (!isTeXErrorPoke(text)) return;
    QString texFolder = QFileInfo(ParentExecute && !ParentFile.isEmpty() ? ParentFile : FileName).absolutePath();
    // The companion TeX runs names no file (a document chooses its files'
    // names, so none reaches the shell): the file is the one the TeX of the
    // running job reads, as its output shows.
    std::optional<QString> texFile = QString();
    if (TeXBusy && TeXThread) {
        texFolder = TeXThread->texFolder();
        texFile = TeXThread->fileTeXReads();
        TeXThread->Terminate();
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
    if (!texFile || !pokeNamesDocument(*texFile, texFolder, HasFileName ? FileName : QString())) return;
    std::string editorText = RichEdit->Text();
    std::optional<std::pair<int, int>> selection = errorLineSelection(editorText, *line);
    if (!selection) return;
    RichEdit->Select(selection->first, selection->second);
    RichEdit->ScrollCaret();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    RichEdit->setFocus();
}

// ---- TForm1: the client ----

int TForm1::DdeOpenViewer(const QString& service, const QString& topic, const QString& viewerCommand)
{
    if (!DdeClientConv) DdeClientConv = new TDdeClientConv(this);
    if (DdeClientConv->client.openLink(service, topic)) return 1;
    proc::Launch launch;
    launch.program = viewerCommand;
    if (!viewerCommand.isEmpty()) proc::startDetached(launch);
    return DdeClientConv->client.openLink(service, topic) ? 1 : 0;
}

void TForm1::DdeCloseViewer()
{
    if (DdeClientConv) DdeClientConv->client.closeLink();
}

int TForm1::DdeExecute(const std::string& macro)
{
    return DdeClientConv && DdeClientConv->client.execute(macro) ? 1 : 0;
}

std::string TForm1::DdeRequest(const QString& item)
{
    if (!DdeClientConv) return {};
    return DdeClientConv->client.request(item).value_or(std::string());
}
