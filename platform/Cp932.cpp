#include "platform/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

namespace cp932 {
namespace {

// Conversion goes through two tables built once from glibc's "CP932"
// converter, which is the exact code page.  A table lookup per character
// keeps a whole document's load or save to a few milliseconds, where an
// iconv call per character would not.
struct Tables {
    // Byte -> code point for single bytes; 0xFFFF where the byte is not a
    // character on its own (lead bytes and the unassigned bytes).
    std::array<char16_t, 256> single{};
    // (lead, trail) -> code point; 0 where the pair is not a character.
    std::array<char16_t, 256 * 256> pair{};
    // Code point -> bytes: 0 = not encodable, 0x01XX = one byte XX,
    // otherwise the two bytes (every double-byte code is 0x8140 or above).
    std::array<uint16_t, 65536> encode{};
};

constexpr char16_t kNoChar = 0xFFFF;

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert CP932");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one whole input; returns the number of output bytes or -1.
    long run(const char* in, size_t inLength, char* out, size_t outCapacity)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out;
        size_t inLeft = inLength, outLeft = outCapacity;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return -1;
        return static_cast<long>(outCapacity - outLeft);
    }

    iconv_t handle() const { return cd_; }

private:
    iconv_t cd_;
};

// UTF-16LE output of one decoded byte sequence, when it is exactly one BMP character.
char16_t decodeOne(Converter& conv, const char* bytes, size_t length)
{
    char out[8];
    if (conv.run(bytes, length, out, sizeof out) != 2) return 0;
    char16_t c = static_cast<char16_t>(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
    return c == 0 && length > 1 ? 0 : c;
}

// Converts a run of equal-length items in one iconv call where it can: an
// item iconv refuses is skipped and the rest go on in the same call.  Each
// accepted item must yield outputLength(out) bytes; when the output cannot
// be split that way, the items are done one at a time.  store(i, out, n)
// receives item i's output (n == 0 for a refused item).
template <class Split, class Store>
void convertRun(Converter& conv, const char* in, size_t itemLength, size_t items, Split outputLength, Store store)
{
    iconv_t cd = conv.handle();
    std::vector<char> out(items * 8 + 8);
    size_t done = 0;
    std::vector<std::pair<size_t, size_t>> spans;  // item -> (offset, length) in out
    spans.reserve(items);
    char* outPtr = out.data();
    size_t outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (done < items) {
        char* inPtr = const_cast<char*>(in + done * itemLength);
        size_t inLeft = (items - done) * itemLength;
        char* before = outPtr;
        const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const size_t consumed = (items - done) * itemLength - inLeft;
        if (consumed % itemLength != 0) break;  // stopped inside an item: cannot split
        // Split what came out among the items taken whole.
        const char* p = before;
        const size_t taken = consumed / itemLength;
        bool split = true;
        for (size_t i = 0; i < taken; ++i) {
            const size_t n = outputLength(p);
            if (p + n > outPtr || n == 0) {
                split = false;
                break;
            }
            spans.emplace_back(size_t(p - out.data()), n);
            p += n;
        }
        if (!split || p != outPtr) break;
        done += taken;
        if (result != static_cast<size_t>(-1)) {
            if (done != items) break;
            continue;
        }
        if (errno != EILSEQ && errno != EINVAL) break;
        spans.emplace_back(0, 0);  // refused: the item goes on its own
        ++done;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (done == items) {
        for (size_t i = 0; i < items; ++i) store(i, out.data() + spans[i].first, spans[i].second);
        return;
    }
    // One at a time, as the definition of each item's conversion.
    for (size_t i = 0; i < items; ++i) {
        char one[8];
        const long n = conv.run(in + i * itemLength, itemLength, one, sizeof one);
        store(i, one, n > 0 ? size_t(n) : 0);
    }
}

char16_t utf16At(const char* p)
{
    return static_cast<char16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
}

std::unique_ptr<Tables> buildTables()
{
    auto t = std::make_unique<Tables>();
    Converter toUnicode("UTF-16LE", "CP932");
    Converter fromUnicode("CP932", "UTF-16LE");

    for (int b = 0; b < 256; ++b) {
        t->single[b] = kNoChar;
        if (isLeadByte(static_cast<unsigned char>(b))) continue;
        char byte = static_cast<char>(b);
        char16_t c = decodeOne(toUnicode, &byte, 1);
        if (c != 0 || b == 0) t->single[b] = c;
    }
    // A UTF-16 unit of output per character; a pair that yields anything
    // else (two units, none) cannot be split and is done alone.
    const auto oneUnit = [](const char*) -> size_t { return 2; };
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead))) continue;
        std::vector<char> pairs;
        std::vector<int> trails;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            pairs.push_back(static_cast<char>(lead));
            pairs.push_back(static_cast<char>(trail));
            trails.push_back(trail);
        }
        convertRun(toUnicode, pairs.data(), 2, trails.size(), oneUnit,
                   [&](size_t i, const char* out, size_t n) {
                       t->pair[lead * 256 + trails[i]] = n == 2 ? utf16At(out) : 0;
                   });
    }

    // Every character the code page decodes to is encoded by iconv itself,
    // so the duplicate codes re-encode to the canonical one iconv chooses.
    std::vector<char16_t> toEncode;
    std::array<bool, 65536> listed{};
    auto addEncoding = [&](char16_t c) {
        if (listed[c]) return;
        listed[c] = true;
        toEncode.push_back(c);
    };
    for (int b = 0; b < 256; ++b)
        if (t->single[b] != kNoChar) addEncoding(t->single[b]);
    for (size_t i = 0; i < t->pair.size(); ++i)
        if (t->pair[i] != 0) addEncoding(t->pair[i]);
    // Characters that Linux input methods and clipboards produce where the
    // code page has the same sign under another code point.
    for (char16_t c :
         {u'\u301C', u'\u2016', u'\u2212', u'\u2014', u'\u00A2', u'\u00A3', u'\u00AC', u'\u00A5', u'\u203E'})
        addEncoding(c);
    std::vector<char> units;
    for (char16_t c : toEncode) {
        units.push_back(static_cast<char>(c & 0xFF));
        units.push_back(static_cast<char>(c >> 8));
    }
    // Output bytes per character: two after a lead byte, else one.
    const auto codeLength = [](const char* p) -> size_t { return isLeadByte(static_cast<unsigned char>(*p)) ? 2 : 1; };
    convertRun(fromUnicode, units.data(), 2, toEncode.size(), codeLength,
               [&](size_t i, const char* out, size_t n) {
                   const auto* u = reinterpret_cast<const unsigned char*>(out);
                   uint16_t code = 0;
                   if (n == 1) code = static_cast<uint16_t>(0x0100 | u[0]);
                   if (n == 2) code = static_cast<uint16_t>((u[0] << 8) | u[1]);
                   t->encode[toEncode[i]] = code;
               });
    // Invalid bytes carried through a load/save cycle.
    for (int b = 0; b < 256; ++b) t->encode[kRawByteBase + b] = static_cast<uint16_t>(0x0100 | b);
    return t;
}

const Tables& tables()
{
    static std::once_flag once;
    static std::unique_ptr<Tables> instance;
    std::call_once(once, [] { instance = buildTables(); });
    return *instance;
}

// Code point of the character at pos and its length in bytes; an invalid
// byte is one character of length 1.
inline char16_t charAt(const Tables& t, std::string_view s, size_t pos, int* length)
{
    unsigned char b = static_cast<unsigned char>(s[pos]);
    if (isLeadByte(b) && pos + 1 < s.size()) {
        char16_t c = t.pair[b * 256 + static_cast<unsigned char>(s[pos + 1])];
        if (c != 0) {
            *length = 2;
            return c;
        }
    }
    *length = 1;
    char16_t c = t.single[b];
    return c == kNoChar ? static_cast<char16_t>(kRawByteBase + b) : c;
}

}  // namespace

int charLength(std::string_view text, size_t pos)
{
    if (pos >= text.size()) return 1;
    int length;
    charAt(tables(), text, pos, &length);
    return length;
}

size_t charStart(std::string_view text, size_t lineStart, size_t pos)
{
    const Tables& t = tables();
    size_t i = lineStart;
    while (i < pos && i < text.size()) {
        int length;
        charAt(t, text, i, &length);
        if (i + length > pos) return i;
        i += length;
    }
    return pos;
}

QString decode(std::string_view bytes)
{
    // Below 0x80 the code page is ASCII: such text needs no table.
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const Tables& t = tables();
    QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    char16_t* start = out;
    for (size_t pos = 0; pos < bytes.size();) {
        unsigned char b = static_cast<unsigned char>(bytes[pos]);
        if (b < 0x80) {
            *out++ = t.single[b];
            ++pos;
            continue;
        }
        int length;
        *out++ = charAt(t, bytes, pos, &length);
        pos += length;
    }
    result.truncate(out - start);
    return result;
}

namespace {

// The code page's single bytes below 0x80 are ASCII itself, so text made
// only of them (command names, settings, most of a LaTeX source) needs no
// table; the tables are built the first time other text comes by.
bool isAscii(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

Bytes encodeWith(const QString& text, bool* lossy, bool rawBytes)
{
    if (isAscii(text)) {
        if (lossy) *lossy = false;
        return text.toStdString();
    }
    const Tables& t = tables();
    bool replaced = false;
    Bytes result(static_cast<size_t>(text.size()) * 2, '\0');
    char* out = result.data();
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* end = p + text.size();
    for (; p < end; ++p) {
        char16_t c = *p;
        uint16_t code = t.encode[c];
        if (!rawBytes && c >= kRawByteBase && c <= kRawByteBase + 0xFF) code = 0;
        if (code >= 0x8140) {
            *out++ = static_cast<char>(code >> 8);
            *out++ = static_cast<char>(code & 0xFF);
        } else if (code != 0) {
            *out++ = static_cast<char>(code & 0xFF);
        } else {
            // A character outside the code page; a surrogate pair is one character.
            if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) ++p;
            *out++ = '?';
            replaced = true;
        }
    }
    result.resize(static_cast<size_t>(out - result.data()));
    if (lossy) *lossy = replaced;
    return result;
}

}  // namespace

Bytes encode(const QString& text, bool* lossy) { return encodeWith(text, lossy, true); }

Bytes encode(const QString& text) { return encodeWith(text, nullptr, true); }

Bytes encodeIncoming(const QString& text, bool* lossy) { return encodeWith(text, lossy, false); }

Bytes withoutInvalidBytes(std::string_view bytes, int* replaced)
{
    const Tables& t = tables();
    Bytes out(bytes);
    int count = 0;
    for (size_t pos = 0; pos < bytes.size();) {
        int length;
        charAt(t, bytes, pos, &length);
        if (length == 1 && t.single[static_cast<unsigned char>(bytes[pos])] == kNoChar) {
            out[pos] = '?';
            ++count;
        }
        pos += length;
    }
    if (replaced) *replaced = count;
    return out;
}

QString decodeForExport(std::string_view bytes)
{
    QString text = decode(bytes);
    for (QChar& c : text)
        if (c.unicode() >= kRawByteBase && c.unicode() <= kRawByteBase + 0xFF) c = QChar::ReplacementCharacter;
    return text;
}

bool removalJoinsStrayByte(std::string_view text, size_t from, size_t to)
{
    if (from == 0 || from > text.size() || to >= text.size() || !isLeadByte(text[from - 1])) return false;
    // A byte after LF always starts a character: LF is never a trail byte.
    const size_t lf = text.rfind('\n', from - 1);
    const size_t lineStart = lf == std::string_view::npos ? 0 : lf + 1;
    if (charStart(text, lineStart, from - 1) != from - 1 || charLength(text, from - 1) != 1) return false;
    const char pair[2] = {text[from - 1], text[to]};
    return charLength(std::string_view(pair, 2), 0) == 2;
}

bool isValid(std::string_view bytes)
{
    const Tables& t = tables();
    for (size_t pos = 0; pos < bytes.size();) {
        int length;
        charAt(t, bytes, pos, &length);
        if (length == 1 && t.single[static_cast<unsigned char>(bytes[pos])] == kNoChar) return false;
        pos += length;
    }
    return true;
}

}  // namespace cp932
