#include "configurator/model/descriptor_builder.h"
#include "configurator/sim/descriptor_fields.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DescriptorFields, WalksAGeneratedDescriptor) {
    Config config;
    config.axes[0].source = 2;
    config.axes[0].usage = 10; // Rudder, simulation page
    config.axes[0].precision = 1;
    config.hats[0].on = true;
    config.knpTable[1].number = 1;
    const JoystickDescriptor d = BuildJoystickDescriptor(config);
    const auto fields = InputFieldsOf(d.bytes);
    ASSERT_TRUE(fields);
    const std::vector<DescriptorField> expected = {
        {1, 0x02, 0xBA, false, 0, 9}, {1, 0x01, 0x39, false, 9, 4}, {1, 0x09, 1, false, 13, 1},
        {1, 0x09, 2, false, 14, 1},   {1, 0x01, 0, true, 15, 1},
    };
    EXPECT_EQ(*fields, expected);
    EXPECT_EQ(InputReportLengthOf(*fields, 1), d.inputReportLength);
    EXPECT_EQ(InputReportLengthOf(*fields, 2), 0);
}

TEST(DescriptorFields, MalformedDescriptorsAreRefused) {
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"TruncatedItemData", {0x05, 0x01, 0x26, 0xFF}},
        {"TruncatedLongItem", {0xFE, 0x04}},
        {"LongItemDataPastTheEnd", {0xFE, 0x04, 0x10, 0xAA}},
        {"InputWithoutReportSize", {0x95, 0x01, 0x81, 0x02}},
        {"ReportSizeBeyond32", {0x75, 0x21, 0x95, 0x01, 0x81, 0x02}},
        {"TooManyFields", {0x75, 0x01, 0x96, 0xFF, 0xFF, 0x81, 0x02}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(InputFieldsOf(c.bytes)) << c.name;
}

TEST(DescriptorFields, LongItemsAreSkippedAndUsagesHeld) {
    // Long item with 2 data bytes, then two fields sharing one usage, then one with none.
    const Bytes bytes = {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x01, 0x09, 0x30, 0x75,
                         0x08, 0x95, 0x02, 0x81, 0x02, 0x95, 0x01, 0x81, 0x02};
    const auto fields = InputFieldsOf(bytes);
    ASSERT_TRUE(fields);
    ASSERT_EQ(fields->size(), 3u);
    EXPECT_EQ((*fields)[0].usage, 0x30);
    EXPECT_EQ((*fields)[1].usage, 0x30);
    EXPECT_EQ((*fields)[2].usage, 0);
    EXPECT_EQ((*fields)[2].bitOffset, 16);
    EXPECT_EQ(InputReportLengthOf(*fields, 0), 4);
}

} // namespace
