#pragma once
// Shift-JIS (code page 932) as the document, exchange files and clipboard use it.
//
// Document text is kept as CP932 bytes in a std::string.  UI text is QString.
// Byte 0x5C is the backslash and 0x7E the tilde, never yen or overline.
// Bytes that are not valid CP932 decode to one private-use code point each
// (U+F700 + byte) and encode back to the same byte, so they survive a
// load/save cycle.  Text coming from outside (keyboard, input method,
// clipboard, drops) that CP932 cannot hold is mapped where CP932 has the
// character under another code point and otherwise becomes "?".
#include <QString>
#include <string>
#include <string_view>

namespace cp932 {

using Bytes = std::string;

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
constexpr bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
inline bool isLeadByte(char c) { return isLeadByte(static_cast<unsigned char>(c)); }

// Length in bytes of the character that starts at pos: 2 at a lead byte whose
// pair is a character, else 1 (a lead byte with no trail byte left, or with
// one that does not complete a character, is an invalid byte of its own, just
// as decode() treats it, so that a CR after a stray lead byte is never
// swallowed).
int charLength(std::string_view text, size_t pos);

// Start of the character that holds pos, scanning from lineStart (a position
// known to be a character boundary).
size_t charStart(std::string_view text, size_t lineStart, size_t pos);

// First code point of the private-use range that carries invalid bytes.
constexpr char16_t kRawByteBase = 0xF700;

QString decode(std::string_view bytes);
Bytes encode(const QString& text);
// Encodes, and reports whether any character had to be replaced by "?".
Bytes encode(const QString& text, bool* lossy);

// An invalid byte keeps its byte only where it stands in the document.
// Taken elsewhere it becomes "?", which no neighbour can join into a
// character, whatever road carries it:
// - text arriving from outside the document (keyboard, input method,
//   clipboard, drops) is encoded as encode() does, except that the code
//   points carrying invalid bytes are characters CP932 cannot hold;
Bytes encodeIncoming(const QString& text, bool* lossy = nullptr);
// - document bytes moved or copied to another place keep the exact codes of
//   their characters (duplicate codes included) and lose their invalid bytes;
Bytes withoutInvalidBytes(std::string_view bytes, int* replaced = nullptr);
// - text handed to other programs shows an invalid byte as U+FFFD.
QString decodeForExport(std::string_view bytes);

// Whether taking the bytes [from, to) out of the text would leave a stray
// lead byte (a lead byte that is a character of its own) right before a byte
// that completes it.
bool removalJoinsStrayByte(std::string_view text, size_t from, size_t to);

// Whether the bytes are valid CP932 throughout.
bool isValid(std::string_view bytes);

}  // namespace cp932
