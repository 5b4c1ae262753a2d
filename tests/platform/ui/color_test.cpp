#include "platform/ui/color.h"

#include <gtest/gtest.h>

TEST(Color, PlainColoursConvertByteOrderBothWays) {
    const struct {
        TColor color;
        int r, g, b;
    } cases[] = {
        {clRed, 255, 0, 0},
        {clBlue, 0, 0, 255},
        {clLime, 0, 255, 0},
        {clCream, 255, 251, 240},
        {0x00123456, 0x56, 0x34, 0x12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToQColor(c.color), QColor(c.r, c.g, c.b)) << std::hex << c.color;
        EXPECT_EQ(FromQColor(QColor(c.r, c.g, c.b)), c.color);
    }
}

TEST(Color, SystemColoursResolveToPlainOnes) {
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(ColorToRGB(clWhite), clWhite);
}
