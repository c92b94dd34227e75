#pragma once
// The editor's conversation server (the error jump) and its client (the DVI
// viewer); the texts of the conversation are in DdeProtocol.h.
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/LocalConv.h"
#include "tex/DdeProtocol.h"

class Session;

class TDdeServerConv : public conv::Server {
    Q_OBJECT
public:
    using conv::Server::Server;
};

class TDdeClientConv : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    conv::Client client;
};

// ---- what the editor does with the poke of the error jump ----
// Start and length of the selection for a line (1-based): its text and its
// CR, not its LF.  Empty when the text has no such line.
std::optional<std::pair<int, int>> errorLineSelection(std::string_view text, int line);
// Whether a poked file name means the open document.  Relative names count
// from the folder TeX ran in.  A name that leads to no file, or any name
// while no document is open, is another file; an empty name (no file known:
// no TeX of this editor runs and the poke names none) means the open
// document.
bool pokeNamesDocument(const QString& pokedFile, const QString& texFolder, const QString& document);

namespace tex {

// The session's server under the executable's name, or under that name and
// the process number when another editor serves the name already.
void StartDdeServer(Session& s);
// Starts the server under a given service name; false when another live
// server has it.
bool StartDdeServerNamed(Session& s, const QString& service);
// A poke of the server: the error jump to the line in the open document.
void DdeServerItem1PokeData(Session& s, const std::string& data);

// The client steps of the viewer conversation, in the main thread.
int DdeOpenViewer(Session& s, const QString& service, const QString& topic, const QString& viewerCommand);
void DdeCloseViewer(Session& s);
int DdeExecute(Session& s, const std::string& macro);
std::string DdeRequest(Session& s, const QString& item);

}  // namespace tex
