#include "platform/Cp932.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace {

using cp932::Bytes;

struct RoundTrip {
    const char* what;
    Bytes bytes;
    std::u16string text;
};

// Bytes that are CP932 characters decode to exactly these code points and
// encode back to the same bytes.
const RoundTrip kRoundTrips[] = {
    {"kanji", "\x8a\xbf\x8e\x9a", u"漢字"},
    {"hiragana and katakana", "\x82\xa0\x83\x41", u"あア"},
    {"half-width katakana", "\xb1\xdf", u"\uFF71\uFF9F"},
    {"0x5C trail byte of 表", "\x95\x5c", u"表"},
    {"0x5C trail byte of ソ followed by a backslash", "\x83\x5c\x5c", u"ソ\\"},
    {"backslash and tilde are ASCII", "\\~", u"\\~"},
    {"NEC row 13", "\x87\x40\x87\x54", u"\u2460\u2160"},
    {"IBM extension", "\xfa\x40\xfb\x40", u"\u2170\u6D96"},
    {"first and last user-defined codes", "\xf0\x40\xf9\xfc", u"\uE000\uE757"},
    {"control bytes", "\x1a\x1c\x7f\r\n\t", u"\x1a\x1c\x7f\r\n\t"},
    {"mixed text", "\\section{\x8f\x98\x98\x5f}", u"\\section{序論}"},
};

TEST(Cp932Codec, CharactersDecodeAndEncodeBack)
{
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.what);
        QString decoded = cp932::decode(c.bytes);
        EXPECT_EQ(decoded, QString::fromStdU16String(c.text));
        bool lossy = true;
        EXPECT_EQ(cp932::encode(decoded, &lossy), c.bytes);
        EXPECT_FALSE(lossy);
        EXPECT_TRUE(cp932::isValid(c.bytes));
    }
}

// ASCII text is taken without the tables; the same characters beside a
// Japanese one go through them, and both roads must agree.
TEST(Cp932Codec, AsciiEncodesAloneAsItDoesBesideOtherText)
{
    QString ascii;
    for (char16_t c = 1; c < 0x80; ++c) ascii += QChar(c);
    bool lossy = true;
    const Bytes alone = cp932::encode(ascii, &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(alone, cp932::encode(ascii + QString::fromUtf8("字")).substr(0, alone.size()));
    EXPECT_EQ(cp932::decode(alone), ascii);
    EXPECT_EQ(cp932::decode(alone + "\x8e\x9a"), ascii + QString::fromUtf8("字"));
}

// The code page holds 398 characters twice; both codes decode to one
// character, which encodes to the canonical code.
TEST(Cp932Codec, DuplicateCodesDecodeAlikeAndEncodeCanonically)
{
    struct Duplicate {
        Bytes canonical, other;
    };
    const Duplicate duplicates[] = {
        {"\x81\xe6", "\x87\x9a"},  // ∵ in row 2 and NEC row 13
        {"\x81\xe0", "\x87\x90"},  // ≒
        {"\x81\xca", "\xee\xf9"},  // ¬ in row 2 and the NEC-selected IBM extensions
        {"\x81\xca", "\xfa\x54"},  // ¬ in the IBM extensions
        {"\xfa\x5c", "\xed\x40"},  // 纊
        {"\x87\x54", "\xfa\x4a"},  // Ⅰ
        {"\xfa\x40", "\xee\xef"},  // ⅰ
    };
    for (const Duplicate& d : duplicates) {
        QString a = cp932::decode(d.canonical), b = cp932::decode(d.other);
        ASSERT_EQ(a.size(), 1);
        EXPECT_EQ(a, b);
        EXPECT_EQ(cp932::encode(b), d.canonical);
    }
}

TEST(Cp932Codec, InvalidBytesSurviveOneCodePointEach)
{
    struct Invalid {
        const char* what;
        Bytes bytes;
        std::u16string text;
    };
    const Invalid cases[] = {
        {"unassigned single bytes", "\x80\xa0\xfd\xfe\xff", u"\uF780\uF7A0\uF7FD\uF7FE\uF7FF"},
        {"lone lead byte at the end", "A\x82", u"A\uF782"},
        {"lead byte before a line end", "\x81\r\n", u"\uF781\r\n"},
        {"lead byte before an invalid trail, then a character", "\x82\x7f\x82\xa0", u"\uF782\x7f\u3042"},
        {"two lead bytes then a trail: the second pair is a character", "\x88\x88\x9f", u"\uF788\u4E9C"},
    };
    for (const Invalid& c : cases) {
        SCOPED_TRACE(c.what);
        QString decoded = cp932::decode(c.bytes);
        EXPECT_EQ(decoded, QString::fromStdU16String(c.text));
        bool lossy = true;
        EXPECT_EQ(cp932::encode(decoded, &lossy), c.bytes);
        EXPECT_FALSE(lossy);
        EXPECT_FALSE(cp932::isValid(c.bytes));
    }
}

TEST(Cp932Codec, CharactersStoredUnderOtherCodePointsMapOneWay)
{
    struct OneWay {
        char16_t from;
        Bytes to;
    };
    const OneWay mappings[] = {
        {u'\u301C', "\x81\x60"}, {u'\u2016', "\x81\x61"}, {u'\u2212', "\x81\x7c"},
        {u'\u2014', "\x81\x5c"}, {u'\u00A2', "\x81\x91"}, {u'\u00A3', "\x81\x92"},
        {u'\u00AC', "\x81\xca"}, {u'\u00A5', "\x5c"},     {u'\u203E', "\x7e"},
    };
    for (const OneWay& m : mappings) {
        bool lossy = true;
        EXPECT_EQ(cp932::encode(QString(QChar(m.from)), &lossy), m.to) << std::hex << int(m.from);
        EXPECT_FALSE(lossy);
    }
}

TEST(Cp932Codec, UnencodableCharactersBecomeOneQuestionMarkEach)
{
    bool lossy = false;
    // Hangul, a character outside the BMP (a surrogate pair), a lone surrogate.
    QString text = QStringLiteral("a한b") + QString::fromUcs4(U"\U0001F600") + QChar(0xD800) + u'c';
    EXPECT_EQ(cp932::encode(text, &lossy), Bytes("a?b??c"));
    EXPECT_TRUE(lossy);
}

TEST(Cp932Codec, InvalidBytesTakenElsewhereBecomeQuestionMarks)
{
    struct Case {
        const char* what;
        Bytes bytes;           // as they stand in the document
        Bytes carried;         // moved or copied to another place
        std::u16string shown;  // handed to other programs
    };
    const Case cases[] = {
        // The lead byte of an unassigned pair would pair with ED, leaving
        // 40 to stand alone, if it travelled as its own byte.
        {"stray lead before a duplicate code", "\xee\xed\x40", "?\xed\x40", u"\uFFFD\u7E8A"},
        {"unassigned single bytes", "\x80\xa0\xfd\xfe\xff", "?????", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lone lead byte at the end", "A\x81", "A?", u"A\uFFFD"},
        {"lead byte before a line end", "\x81\r\nB", "?\r\nB", u"\uFFFD\r\nB"},
        {"valid codes keep their own bytes", "\x87\x90\xed\x40\xfa\x40\x95\x5c", "\x87\x90\xed\x40\xfa\x40\x95\x5c",
         u"\u2252\u7E8A\u2170表"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cp932::withoutInvalidBytes(c.bytes), c.carried);
        EXPECT_TRUE(cp932::isValid(cp932::withoutInvalidBytes(c.bytes)));
        EXPECT_EQ(cp932::decodeForExport(c.bytes), QString::fromStdU16String(c.shown));
        // Text that comes back from outside with an invalid byte's code
        // point in it gets "?" there too; only the document's own decoding
        // turns it back into the byte.
        bool lossy = false;
        const QString decoded = cp932::decode(c.bytes);
        const Bytes incoming = cp932::encodeIncoming(decoded, &lossy);
        EXPECT_TRUE(cp932::isValid(incoming));
        EXPECT_EQ(lossy, !cp932::isValid(c.bytes));
        EXPECT_EQ(cp932::decode(incoming), cp932::decode(cp932::withoutInvalidBytes(c.bytes)));
    }
}

TEST(Cp932Codec, CharacterBoundariesFollowTheDecoder)
{
    const Bytes text =
        "a\x95\x5c"
        "b\x81\r\n";
    EXPECT_EQ(cp932::charLength(text, 0), 1);
    EXPECT_EQ(cp932::charLength(text, 1), 2);     // 表
    EXPECT_EQ(cp932::charLength(text, 4), 1);     // stray lead byte does not swallow CR
    EXPECT_EQ(cp932::charLength(text, 7), 1);     // past the end
    EXPECT_EQ(cp932::charStart(text, 0, 2), 1u);  // inside 表
    EXPECT_EQ(cp932::charStart(text, 0, 3), 3u);
    EXPECT_EQ(cp932::charStart(text, 0, 5), 5u);  // the CR after the stray byte
    EXPECT_EQ(cp932::charLength(Bytes("\x82"), 0), 1);
}

TEST(Cp932Codec, WholeDocumentRoundTrip)
{
    // Every valid two-byte code, then every single byte, in one document.
    Bytes all;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!cp932::isLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            Bytes pair{static_cast<char>(lead), static_cast<char>(trail)};
            if (cp932::isValid(pair) && cp932::charLength(pair, 0) == 2) all += pair;
        }
    }
    size_t pairs = all.size() / 2;
    for (int b = 0; b < 256; ++b)
        if (!cp932::isLeadByte(static_cast<unsigned char>(b))) all.push_back(static_cast<char>(b));
    QString decoded = cp932::decode(all);
    EXPECT_EQ(static_cast<size_t>(decoded.size()), pairs + (256 - 60));
    // Only the 398 duplicates re-encode differently, and they re-decode alike.
    Bytes again = cp932::encode(decoded);
    EXPECT_EQ(cp932::decode(again), decoded);
    size_t differing = 0;
    for (size_t i = 0; i + 1 < pairs * 2; i += 2) differing += all.compare(i, 2, again, i, 2) != 0;
    EXPECT_EQ(differing, 398u);
}

// The tables are built from glibc's converter many codes at a time; every
// code must still convert as the converter does it one code alone.
TEST(Cp932Codec, EveryCodeConvertsAsTheSystemConverterDoesItAlone)
{
    iconv_t toUnicode = iconv_open("UTF-16LE", "CP932");
    iconv_t fromUnicode = iconv_open("CP932", "UTF-16LE");
    ASSERT_NE(toUnicode, reinterpret_cast<iconv_t>(-1));
    ASSERT_NE(fromUnicode, reinterpret_cast<iconv_t>(-1));
    auto convert = [](iconv_t cd, std::string in) {
        char out[16];
        char* inPtr = in.data();
        char* outPtr = out;
        size_t inLeft = in.size(), outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0) return std::string();
        return std::string(out, outPtr);
    };
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string pair{char(lead), char(trail)};
            const std::string unit = convert(toUnicode, pair);
            const QString decoded = cp932::decode(pair);
            if (unit.size() != 2 || (unit[0] == 0 && unit[1] == 0)) {
                EXPECT_EQ(decoded.size(), 2) << std::hex << lead << ' ' << trail;
                continue;
            }
            const char16_t c = char16_t(static_cast<unsigned char>(unit[0]) | static_cast<unsigned char>(unit[1]) << 8);
            ASSERT_EQ(decoded, QString(QChar(c))) << std::hex << lead << ' ' << trail;
            const std::string canonical = convert(fromUnicode, unit);
            ASSERT_EQ(cp932::encode(decoded), canonical) << std::hex << lead << ' ' << trail;
            ++checked;
        }
    }
    EXPECT_GT(checked, 9000);
    iconv_close(toUnicode);
    iconv_close(fromUnicode);
}

}  // namespace
