#pragma once
// The texts of the error-jump conversation, shared by the editor and the
// companion program TeX runs: the names the editor serves under and the
// poke that carries a line and a file.  Nothing here needs a widget, so the
// companion links it without the editor's window code.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

constexpr char kDdeTopic[] = "Quillmark";
constexpr char kDdeItem[] = "DdeServerItem1";
// The service of an editor started under its usual name.
constexpr char kDefaultDdeService[] = "quillmark";

// The service a program's server goes by: its file name up to the first dot.
QString ddeServiceOf(const QString& executablePath);

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
