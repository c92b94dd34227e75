// The colour numbers of the settings and the colour files, to colours and
// back.
#include "platform/BgrColor.h"

#include <gtest/gtest.h>

namespace {

TEST(BgrColor, RedIsTheLowByteAndTheTopByteIsNoColour)
{
    EXPECT_EQ(bgrColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(bgrColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(bgrColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(bgrColor(0x80123456), QColor(0x56, 0x34, 0x12));
    for (unsigned bgr : {0x000000u, 0xFFFFFFu, 0x808040u, 0xB07000u, 0x0055AAu})
        EXPECT_EQ(bgrOf(bgrColor(bgr)), bgr) << std::hex << bgr;
    EXPECT_EQ(bgrOf(QColor(1, 2, 3, 4)), 0x030201u) << "alpha is not kept";
}

}  // namespace
