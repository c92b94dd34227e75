#pragma once
// The editor's conversation server (the error jump) and its client (the DVI
// viewer), and the texts they exchange.
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/LocalConv.h"

constexpr char kDdeTopic[] = "Quillmark";
constexpr char kDdeItem[] = "DdeServerItem1";
// The service of an editor started under its usual name.
constexpr char kDefaultDdeService[] = "quillmark";

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

// The service a program's server goes by: its file name up to the first dot.
QString ddeServiceOf(const QString& executablePath);

// ---- the poke of the error jump ----
// What the companion pokes for a line and a file (CP932 bytes).
std::string errorPokeText(const std::string& line, const std::string& file);
// The text up to its first line break.
std::string_view firstLineOf(std::string_view text);
// Whether bytes 2 to 9 are "TeXError".
bool isTeXErrorPoke(std::string_view text);
struct PokeFields {
    std::string line;  // between the first "(" and the first ","
    std::string file;  // between the first two double quotes
};
// Empty when "(", a double quote or "," is missing, or "," comes first.
std::optional<PokeFields> pokeFields(std::string_view text);
// A whole positive number, blanks around it allowed.
std::optional<int> pokeLineNumber(std::string_view text);
// Start and length of the selection for a line (1-based): its text and its
// CR, not its LF.  Empty when the text has no such line.
std::optional<std::pair<int, int>> errorLineSelection(std::string_view text, int line);
// Whether a poked file name means the open document.  Relative names count
// from the folder TeX ran in.  A name that leads to no file, or any name
// while no document is open, is another file; an empty name (no file known:
// no TeX of this editor runs and the poke names none) means the open
// document.
bool pokeNamesDocument(const QString& pokedFile, const QString& texFolder, const QString& document);
