// Dialog fields as document bytes: what a field was filled with keeps its
// codes, what is typed is incoming text, an invalid byte is never copied.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/insertion/FieldText.h"
#include "platform/Cp932.h"

namespace {

const std::string kNearlyEqualNec = "\x87\x90";   // ≒ in the NEC row; 81 E0 holds it too
const std::string kRomanOneIbm = "\xEE\xEF";      // ⅰ among the NEC-selected IBM codes; FA 40 holds it too
const QString kNearlyEqual = QString::fromUtf8("≒");
const QString kRomanOne = QString::fromUtf8("ⅰ");

}  // namespace

TEST(FieldText, TheCodesTheFieldWasFilledWithStay)
{
    // The codes under test are duplicates: encoding their characters gives
    // other bytes.
    ASSERT_NE(cp932::encode(cp932::decode(kNearlyEqualNec)), kNearlyEqualNec);
    ASSERT_NE(cp932::encode(cp932::decode(kRomanOneIbm)), kRomanOneIbm);
    const std::string filled = kNearlyEqualNec + "x" + kRomanOneIbm;
    struct Case {
        const char* what;
        QString text;
        std::string bytes;
    } cases[] = {
        {"left as it was", kNearlyEqual + "x" + kRomanOne, filled},
        {"changed in the middle", kNearlyEqual + "QQ" + kRomanOne, kNearlyEqualNec + "QQ" + kRomanOneIbm},
        {"typed before", "a" + kNearlyEqual + "x" + kRomanOne, "a" + filled},
        {"one more typed after", kNearlyEqual + "x" + kRomanOne + kRomanOne, filled + cp932::encode(kRomanOne)},
        {"emptied", "", ""},
        {"typed anew", kRomanOne, kRomanOneIbm},  // the last character is still the one filled in
        {"nothing of it left", "ab", "ab"},
    };
    for (const Case& c : cases) EXPECT_EQ(fieldtext::bytesOf(c.text, filled), c.bytes) << c.what;
    // A field filled with nothing takes everything as typed.
    EXPECT_EQ(fieldtext::bytesOf(kNearlyEqual), cp932::encode(kNearlyEqual));
}

TEST(FieldText, InvalidBytesAreNeverCopied)
{
    // A lead byte with nothing after it, and bytes that start no character.
    for (const std::string& bad : {std::string("\x81"), std::string("\xFD"), std::string("\x80")}) {
        const std::string filled = "a" + bad;
        const QString shown = fieldtext::shown(filled);
        EXPECT_EQ(fieldtext::bytesOf(shown, filled), "a?");
        // Put before a brace it cannot pair with it into a character.
        EXPECT_EQ(fieldtext::bytesOf(shown + "}", filled), "a?}");
        // Typed or pasted, the code point that carries the byte is no byte.
        EXPECT_EQ(fieldtext::bytesOf(shown), "a?");
    }
    // A choice from names found in the document.
    const std::vector<std::string> names{"one", kNearlyEqualNec, "b\x81"};
    EXPECT_EQ(fieldtext::bytesOfChoice(kNearlyEqual, names), kNearlyEqualNec);
    EXPECT_EQ(fieldtext::bytesOfChoice(fieldtext::shown("b\x81"), names), "b?");
    EXPECT_EQ(fieldtext::bytesOfChoice(kNearlyEqual + "2", names), cp932::encode(kNearlyEqual) + "2");
    EXPECT_EQ(fieldtext::bytesOfChoice("one", names), "one");
}

TEST(FieldText, FieldsRememberWhatTheyWereFilledWith)
{
    QLineEdit line;
    fieldtext::fill(&line, kNearlyEqualNec + "\xFD");
    EXPECT_EQ(fieldtext::bytesOf(&line), kNearlyEqualNec + "?");
    line.setText(line.text() + "z");
    EXPECT_EQ(fieldtext::bytesOf(&line), kNearlyEqualNec + "?z");
    // Filled anew, the earlier bytes are gone.
    fieldtext::fill(&line, "");
    line.setText(kNearlyEqual);
    EXPECT_EQ(fieldtext::bytesOf(&line), cp932::encode(kNearlyEqual));

    // Memos show line breaks and give back CR LF, codes kept on both lines.
    QPlainTextEdit memo;
    fieldtext::fill(&memo, kRomanOneIbm + "\r\n" + kNearlyEqualNec);
    EXPECT_EQ(memo.toPlainText(), kRomanOne + "\n" + kNearlyEqual);
    EXPECT_EQ(fieldtext::bytesOf(&memo), kRomanOneIbm + "\r\n" + kNearlyEqualNec);
    memo.setPlainText(memo.toPlainText() + "\n" + kNearlyEqual);
    EXPECT_EQ(fieldtext::bytesOf(&memo),
              kRomanOneIbm + "\r\n" + kNearlyEqualNec + "\r\n" + cp932::encode(kNearlyEqual));
}
