#include "tex/DdeProtocol.h"

#include <QFileInfo>

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
