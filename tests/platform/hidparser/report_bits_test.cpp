#include "platform/hidparser/report_bits.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::vector<BYTE> bytes;
    ULONG offset;
    unsigned bits;
    bool ok;
    ULONG value;
};

TEST(ReportBitsTest, Reads) {
    const ReadCase cases[] = {
        {"whole 32 bits, little-endian", {0x12, 0x34, 0x56, 0x78}, 0, 32, true, 0x78563412},
        {"10 bits across a byte border", {0x01, 0xA5, 0x02}, 8, 10, true, 0x2A5},
        {"high nibble", {0x00, 0x00, 0x00, 0xC5}, 28, 4, true, 0xC},
        {"last bit", {0x00, 0x80}, 15, 1, true, 1},
        {"one bit past the end", {0x00, 0x00, 0x00}, 20, 5, false, 0},
        {"offset far beyond the end", {0x00, 0x00, 0x00, 0x00}, 0xFFFFFFF0, 32, false, 0},
        {"no bits", {0xFF}, 0, 0, false, 0},
        {"more than 32 bits", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0, 33, false, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        ULONG value = 0;
        EXPECT_EQ(
            readBits(c.bytes.data(), static_cast<ULONG>(c.bytes.size()), c.offset, c.bits, value),
            c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(ReportBitsTest, WritesOnlyTheFieldsBits) {
    std::vector<BYTE> bytes = {0xFF, 0x00, 0xFF};
    ASSERT_TRUE(writeBits(bytes.data(), 3, 4, 12, 0xA5A));
    EXPECT_EQ(bytes, (std::vector<BYTE>{0xAF, 0xA5, 0xFF}));
    ASSERT_TRUE(writeBits(bytes.data(), 3, 8, 8, 0x1FF)) << "bits above the field are dropped";
    EXPECT_EQ(bytes, (std::vector<BYTE>{0xAF, 0xFF, 0xFF}));
    EXPECT_FALSE(writeBits(bytes.data(), 3, 17, 8, 0));
    EXPECT_EQ(bytes, (std::vector<BYTE>{0xAF, 0xFF, 0xFF})) << "a refused write changes nothing";
}

TEST(ReportBitsTest, SignExtend) {
    struct Case {
        ULONG raw;
        unsigned bits;
        LONG value;
    };
    const Case cases[] = {
        {0xFF, 8, -1}, {0x7F, 8, 127},       {0x80, 8, -128}, {0x1FF, 8, -1},  {0x8, 4, -8},
        {0x7, 4, 7},   {0xFFFFFFFF, 32, -1}, {0x1, 1, -1},    {0x3FF, 10, -1}, {0x200, 10, -512},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.raw << " in " << std::dec << c.bits);
        EXPECT_EQ(signExtend(c.raw, c.bits), c.value);
    }
}

TEST(ReportBitsTest, FitsInBits) {
    struct Case {
        ULONG value;
        unsigned bits;
        bool fits;
    };
    const Case cases[] = {
        {255, 8, true},         {256, 8, false}, {0xFFFFFF80, 8, true}, {0xFFFFFF7F, 8, false},
        {0xFFFFFFFF, 32, true}, {1, 1, true},    {2, 1, false},         {0xFFFFFFFF, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value << " in " << std::dec << c.bits);
        EXPECT_EQ(fitsInBits(c.value, c.bits), c.fits);
    }
}

} // namespace
