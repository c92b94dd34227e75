#pragma once
// Text of a dialog field as document bytes.  A field filled from the
// document (a selection, an argument, a name found in the text) shows its
// characters; what the user leaves of them keeps their exact codes
// (duplicate codes included), and everything typed or pasted into the field
// is text from outside, encoded as the editor encodes incoming text.  So an
// invalid byte of the document never reaches another place as that byte,
// where it could pair with a neighbour into a character nobody wrote: it
// becomes "?".
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace fieldtext {

// What a field filled with the bytes shows.
QString shown(std::string_view bytes);
// The bytes of the text a field holds, given the bytes it was filled with:
// the characters the text still begins and ends with keep their codes, the
// rest is encoded as incoming text.
std::string bytesOf(const QString& text, std::string_view filledWith = {});
// The bytes of a text chosen from (or typed over) a list of names taken
// from the document: the name it shows, or else the text as typed.
std::string bytesOfChoice(const QString& text, const std::vector<std::string>& names);

// One-line fields: the field remembers what it was filled with.
void fill(QLineEdit* edit, std::string_view bytes);
std::string bytesOf(const QLineEdit* edit);
// Memo fields show CR LF as line breaks and give every line break back as
// CR LF.
void fill(QPlainTextEdit* memo, std::string_view bytes);
std::string bytesOf(const QPlainTextEdit* memo);

}  // namespace fieldtext
