#include "configurator/model/report_bits.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportBits, PrecisionMaxValue) {
    const struct {
        int index;
        int max;
    } cases[] = {{0, 255},  {1, 511},   {2, 1023}, {3, 2047}, {4, 4095},
                 {5, 8191}, {6, 16383}, {7, 255},  {-1, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(PrecisionMaxValue(c.index), c.max) << "index " << c.index;
}

TEST(ReportBits, ByteToIndexKeepsItemsAndRefusesTheRest) {
    const struct {
        int value;
        int count;
        int index;
    } cases[] = {{0, 97, 0}, {96, 97, 96}, {97, 97, 0}, {255, 97, 0}, {1, 2, 1}, {2, 2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ByteToIndex(std::uint8_t(c.value), c.count), c.index) << c.value;
}

TEST(ReportBits, TestBitMasksTheBitNumber) {
    EXPECT_TRUE(TestBit(0x1, 0));
    EXPECT_FALSE(TestBit(0x1, 1));
    EXPECT_TRUE(TestBit(0x80000000u, 31));
    EXPECT_TRUE(TestBit(0x2, 33)); // 33 & 31 = 1
    EXPECT_FALSE(TestBit(0x2, 32));
}

TEST(ReportBits, IntToBinText) {
    const struct {
        std::uint32_t value;
        int width;
        const char* text;
    } cases[] = {
        {5, 16, "0000000000000101"},
        {0, 4, "0000"},
        {0xFFFF, 16, "1111111111111111"},
        {0x8001, 16, "1000000000000001"},
        {0x1F, 4, "1111"}, // bits past the width are dropped
        {3, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntToBinText(c.value, c.width), QLatin1String(c.text)) << c.value;
}

} // namespace
