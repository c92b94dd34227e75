#include <gtest/gtest.h>

#include "core/insertion/Writable.h"

TEST(Writable, CharactersADocumentCannotTakeAreNamedOnce)
{
    EXPECT_EQ(writable::unwritableCharacters(QString::fromUtf8("\\alpha\r\n能\t-\\infty\n表")), "");
    EXPECT_EQ(writable::unwritableCharacters(QString::fromUtf8("xö\r\nyö\U0001F600")),
              QString::fromUtf8("ö、\U0001F600"));
    const QString controls = QString("a") + QChar(0x01) + "b" + QChar(0x7F);
    EXPECT_EQ(writable::unwritableCharacters(controls), QString::fromUtf8("U+0001、U+007F"));
    EXPECT_TRUE(writable::storeRefusal(QString::fromUtf8("ö")).contains(QString::fromUtf8("ö")));
}
