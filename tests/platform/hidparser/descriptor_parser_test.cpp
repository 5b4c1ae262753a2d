#include "golden_descriptors.h"
#include "parsed_descriptor.h"
#include "platform/hidparser/descriptor_parser.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct CapsCase {
    const char* name;
    std::span<const BYTE> descriptor;
    size_t collection;
    USHORT usagePage, usage;
    USHORT inputLength, outputLength, featureLength;
    USHORT nodes;
    USHORT inputButtons, inputValues, inputIndices;
    USHORT outputButtons, outputValues, outputIndices;
    USHORT featureButtons, featureValues, featureIndices;
};

const CapsCase kCapsCases[] = {
    {"gamepad", kGamepad, 0, 0x01, 0x05, 5, 0, 0, 2, 1, 3, 15, 0, 0, 0, 0, 0, 0},
    {"boot_keyboard", kBootKeyboard, 0, 0x01, 0x06, 9, 2, 0, 1, 2, 0, 110, 1, 0, 5, 0, 0, 0},
    {"mouse", kMouseAndConsumer, 0, 0x01, 0x02, 4, 0, 0, 2, 1, 2, 5, 0, 0, 0, 0, 0, 0},
    {"consumer", kMouseAndConsumer, 1, 0x0C, 0x01, 3, 0, 5, 1, 1, 0, 1024, 0, 0, 0, 0, 1, 1},
    {"vendor_features", kVendorFeatures, 0, 0xFF00, 0x01, 0, 0, 255, 1, 0, 0, 0, 0, 0, 0, 0, 3, 3},
};

TEST(DescriptorParserTest, CapabilitiesOfGoldenDescriptors) {
    for (const CapsCase& c : kCapsCases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
        const HIDP_CAPS caps = parsed.caps(c.collection);
        EXPECT_EQ(caps.UsagePage, c.usagePage);
        EXPECT_EQ(caps.Usage, c.usage);
        EXPECT_EQ(caps.InputReportByteLength, c.inputLength);
        EXPECT_EQ(caps.OutputReportByteLength, c.outputLength);
        EXPECT_EQ(caps.FeatureReportByteLength, c.featureLength);
        EXPECT_EQ(caps.NumberLinkCollectionNodes, c.nodes);
        EXPECT_EQ(caps.NumberInputButtonCaps, c.inputButtons);
        EXPECT_EQ(caps.NumberInputValueCaps, c.inputValues);
        EXPECT_EQ(caps.NumberInputDataIndices, c.inputIndices);
        EXPECT_EQ(caps.NumberOutputButtonCaps, c.outputButtons);
        EXPECT_EQ(caps.NumberOutputValueCaps, c.outputValues);
        EXPECT_EQ(caps.NumberOutputDataIndices, c.outputIndices);
        EXPECT_EQ(caps.NumberFeatureButtonCaps, c.featureButtons);
        EXPECT_EQ(caps.NumberFeatureValueCaps, c.featureValues);
        EXPECT_EQ(caps.NumberFeatureDataIndices, c.featureIndices);
        EXPECT_EQ(HidP_MaxDataListLength(HidP_Input, parsed[c.collection]), c.inputIndices);
    }
}

TEST(DescriptorParserTest, OneObjectPerTopLevelCollectionInOrder) {
    ParsedDescriptor parsed(kMouseAndConsumer);
    ASSERT_EQ(parsed.count(), 2u);
    EXPECT_EQ(parsed.caps(0).UsagePage, 0x01);
    EXPECT_EQ(parsed.caps(1).UsagePage, 0x0C);
}

TEST(DescriptorParserTest, ValueCapsOfGamepad) {
    ParsedDescriptor parsed(kGamepad);
    HIDP_VALUE_CAPS values[3]{};
    USHORT length = 3;
    ASSERT_EQ(HidP_GetSpecificValueCaps(HidP_Input, 0, 0, 0, values, &length, parsed[0]),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 3);

    const HIDP_VALUE_CAPS& x = values[0];
    EXPECT_EQ(x.UsagePage, 0x01);
    EXPECT_EQ(x.ReportID, 1);
    EXPECT_EQ(x.LinkCollection, 1);
    EXPECT_EQ(x.LinkUsage, 0x01);
    EXPECT_EQ(x.LinkUsagePage, 0x01);
    EXPECT_FALSE(x.IsRange);
    EXPECT_TRUE(x.IsAbsolute);
    EXPECT_FALSE(x.HasNull);
    EXPECT_EQ(x.BitSize, 8);
    EXPECT_EQ(x.ReportCount, 1);
    EXPECT_EQ(x.LogicalMin, 0);
    EXPECT_EQ(x.LogicalMax, 255);
    EXPECT_EQ(x.NotRange.Usage, 0x30);
    EXPECT_EQ(x.NotRange.DataIndex, 0);
    EXPECT_EQ(values[1].NotRange.Usage, 0x31);
    EXPECT_EQ(values[1].NotRange.DataIndex, 1);

    const HIDP_VALUE_CAPS& hat = values[2];
    EXPECT_EQ(hat.NotRange.Usage, 0x39);
    EXPECT_EQ(hat.LinkCollection, 0);
    EXPECT_EQ(hat.LinkUsage, 0x05);
    EXPECT_TRUE(hat.HasNull);
    EXPECT_EQ(hat.BitField, 0x42);
    EXPECT_EQ(hat.BitSize, 4);
    EXPECT_EQ(hat.LogicalMax, 7);
    EXPECT_EQ(hat.PhysicalMin, 0);
    EXPECT_EQ(hat.PhysicalMax, 315);
    EXPECT_EQ(hat.Units, 0x14u);
    EXPECT_EQ(hat.NotRange.DataIndex, 2);
}

TEST(DescriptorParserTest, ButtonCapsOfGamepadAndKeyboard) {
    ParsedDescriptor gamepad(kGamepad);
    HIDP_BUTTON_CAPS buttons[2]{};
    USHORT length = 2;
    ASSERT_EQ(HidP_GetSpecificButtonCaps(HidP_Input, 0, 0, 0, buttons, &length, gamepad[0]),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 1);
    EXPECT_EQ(buttons[0].UsagePage, 0x09);
    EXPECT_TRUE(buttons[0].IsRange);
    EXPECT_EQ(buttons[0].Range.UsageMin, 1);
    EXPECT_EQ(buttons[0].Range.UsageMax, 12);
    EXPECT_EQ(buttons[0].Range.DataIndexMin, 3);
    EXPECT_EQ(buttons[0].Range.DataIndexMax, 14);
    EXPECT_EQ(buttons[0].ReportCount, 12);

    ParsedDescriptor keyboard(kBootKeyboard);
    length = 2;
    ASSERT_EQ(HidP_GetSpecificButtonCaps(HidP_Input, 0x07, 0, 0x04, buttons, &length, keyboard[0]),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 1);
    EXPECT_EQ(buttons[0].Range.UsageMin, 0x00);
    EXPECT_EQ(buttons[0].Range.UsageMax, 0x65);
    EXPECT_EQ(buttons[0].BitField & 0x02, 0) << "array item";
    EXPECT_EQ(buttons[0].ReportCount, 6);
    EXPECT_EQ(buttons[0].Range.DataIndexMin, 8);
    EXPECT_EQ(buttons[0].Range.DataIndexMax, 8 + 0x65);
}

struct CapsFilterCase {
    const char* name;
    USAGE page;
    USHORT link;
    USAGE usage;
    USHORT room;
    NTSTATUS status;
    USHORT length;
};

TEST(DescriptorParserTest, ValueCapsFilters) {
    const CapsFilterCase cases[] = {
        {"all of page 1", 1, 0, 0, 3, HIDP_STATUS_SUCCESS, 3},
        {"in link collection 1", 1, 1, 0, 3, HIDP_STATUS_SUCCESS, 2},
        {"hat only", 1, 0, 0x39, 3, HIDP_STATUS_SUCCESS, 1},
        {"no such page", 2, 0, 0, 3, HIDP_STATUS_USAGE_NOT_FOUND, 0},
        {"room for one of three", 0, 0, 0, 1, HIDP_STATUS_BUFFER_TOO_SMALL, 3},
    };
    ParsedDescriptor parsed(kGamepad);
    for (const CapsFilterCase& c : cases) {
        SCOPED_TRACE(c.name);
        HIDP_VALUE_CAPS values[4]{};
        USHORT length = c.room;
        EXPECT_EQ(HidP_GetSpecificValueCaps(HidP_Input, c.page, c.link, c.usage, values, &length,
                                            parsed[0]),
                  c.status);
        EXPECT_EQ(length, c.length);
        if (c.status == HIDP_STATUS_BUFFER_TOO_SMALL) {
            EXPECT_EQ(values[c.room].UsagePage, 0) << "wrote past the room given";
        }
    }
}

TEST(DescriptorParserTest, LinkCollectionTree) {
    // Application with three children: physical, logical, physical.
    const BYTE descriptor[] = {0x09, 0x04, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
                               0xC0, 0xA1, 0x02, 0xC0, 0xA1, 0x00, 0xC0, 0xC0};
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    HIDP_LINK_COLLECTION_NODE nodes[4]{};
    ULONG length = 2;
    EXPECT_EQ(HidP_GetLinkCollectionNodes(nodes, &length, parsed[0]), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(length, 4u);
    ASSERT_EQ(HidP_GetLinkCollectionNodes(nodes, &length, parsed[0]), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(nodes[0].LinkUsage, 0x04);
    EXPECT_EQ(nodes[0].CollectionType, 1u);
    EXPECT_EQ(nodes[0].NumberOfChildren, 3);
    EXPECT_EQ(nodes[0].FirstChild, 1);
    EXPECT_EQ(nodes[1].LinkUsage, 0x01);
    EXPECT_EQ(nodes[1].NextSibling, 2);
    EXPECT_EQ(nodes[2].CollectionType, 2u);
    EXPECT_EQ(nodes[2].NextSibling, 3);
    EXPECT_EQ(nodes[3].NextSibling, 0);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(nodes[i].Parent, 0);
}

TEST(DescriptorParserTest, ExtentsAreSignedOnlyBelowZero) {
    struct Case {
        const char* name;
        BYTE minPrefix, min, maxPrefix, max;
        LONG logicalMin, logicalMax;
    };
    const Case cases[] = {
        {"maximum 255 in one byte after minimum 0", 0x15, 0x00, 0x25, 0xFF, 0, 255},
        {"maximum -1 after minimum -128", 0x15, 0x80, 0x25, 0xFF, -128, -1},
        {"maximum 127 after minimum -127", 0x15, 0x81, 0x25, 0x7F, -127, 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BYTE descriptor[] = {0xA1, 0x01, c.minPrefix, c.min, c.maxPrefix, c.max, 0x09, 0x30,
                                   0x75, 0x08, 0x95,        0x01,  0x81,        0x02,  0xC0};
        ParsedDescriptor parsed(descriptor);
        ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
        HIDP_VALUE_CAPS value{};
        USHORT length = 1;
        ASSERT_EQ(HidP_GetSpecificValueCaps(HidP_Input, 0, 0, 0, &value, &length, parsed[0]),
                  HIDP_STATUS_SUCCESS);
        EXPECT_EQ(value.LogicalMin, c.logicalMin);
        EXPECT_EQ(value.LogicalMax, c.logicalMax);
    }
}

struct MalformedCase {
    const char* name;
    std::vector<BYTE> bytes;
    DescriptorError error;
};

std::vector<BYTE> repeated(std::vector<BYTE> unit, size_t times, std::vector<BYTE> tail = {}) {
    std::vector<BYTE> bytes;
    for (size_t i = 0; i < times; ++i)
        bytes.insert(bytes.end(), unit.begin(), unit.end());
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

TEST(DescriptorParserTest, MalformedDescriptorsAreRejected) {
    const MalformedCase cases[] = {
        {"empty", {}, DescriptorError::NoCollection},
        {"truncated item", {0x05, 0x01, 0xA1, 0x01, 0x26, 0xFF}, DescriptorError::TruncatedItem},
        {"truncated four-byte item", {0x27, 0x01, 0x02}, DescriptorError::TruncatedItem},
        {"long item", {0xA1, 0x01, 0xFE, 0x00, 0x10, 0xC0}, DescriptorError::LongItem},
        {"pop without push", {0xA1, 0x01, 0xB4, 0xC0}, DescriptorError::PopWithoutPush},
        {"push too deep", repeated({0xA4}, kMaxGlobalStackDepth + 1), DescriptorError::PushTooDeep},
        {"end without collection", {0x75, 0x08, 0xC0}, DescriptorError::EndWithoutCollection},
        {"unclosed collection",
         {0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
         DescriptorError::UnclosedCollection},
        {"collection too deep", repeated({0xA1, 0x00}, kMaxCollectionDepth + 1),
         DescriptorError::CollectionTooDeep},
        {"main item outside a collection",
         {0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
         DescriptorError::MainItemOutsideCollection},
        {"huge report count",
         {0xA1, 0x01, 0x75, 0x01, 0x97, 0x00, 0x00, 0x01, 0x00, 0x81, 0x02, 0xC0},
         DescriptorError::ReportCountTooLarge},
        {"report size beyond 256 bits",
         {0xA1, 0x01, 0x76, 0x01, 0x01, 0x95, 0x01, 0x81, 0x02, 0xC0},
         DescriptorError::ReportSizeTooLarge},
        {"report beyond the length cap",
         {0xA1, 0x01, 0x75, 0x20, 0x96, 0x00, 0x04, 0x81, 0x02, 0xC0},
         DescriptorError::ReportTooLong},
        {"report id 0", {0xA1, 0x01, 0x85, 0x00, 0xC0}, DescriptorError::InvalidReportId},
        {"report ids on some reports only",
         {0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x01, 0x81, 0x02, 0xC0},
         DescriptorError::MixedReportIds},
        {"one report id in two collections",
         {0xA1, 0x01, 0x85, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0, 0xA1, 0x01, 0x81, 0x02,
          0xC0},
         DescriptorError::ReportIdInTwoCollections},
        {"usage maximum below minimum",
         {0xA1, 0x01, 0x19, 0x05, 0x29, 0x01, 0x75, 0x01, 0x95, 0x05, 0x81, 0x02, 0xC0},
         DescriptorError::BadUsageRange},
        {"usage minimum without maximum",
         {0xA1, 0x01, 0x19, 0x05, 0x75, 0x01, 0x95, 0x05, 0x81, 0x02, 0xC0},
         DescriptorError::BadUsageRange},
        {"delimiter closed without open",
         {0xA1, 0x01, 0xA9, 0x00, 0xC0},
         DescriptorError::BadDelimiter},
        {"array of 65536 usages",
         {0xA1, 0x01, 0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0},
         DescriptorError::TooManyDataIndices},
        {"descriptor longer than 16 bits can say",
         repeated({0x09, 0x01}, kMaxDescriptorBytes / 2, {0xA1, 0x01, 0xC0}),
         DescriptorError::DescriptorTooLong},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseDescriptor(c.bytes.data(), static_cast<ULONG>(c.bytes.size())).error,
                  c.error);
        std::vector<PHIDP_PREPARSED_DATA> collections;
        EXPECT_EQ(HidParserParse(c.bytes.data(), static_cast<ULONG>(c.bytes.size()), collections),
                  STATUS_COULD_NOT_INTERPRET);
        EXPECT_TRUE(collections.empty());
    }
}

TEST(DescriptorParserTest, ErrorNamesTheOffendingItem) {
    const BYTE descriptor[] = {0x05, 0x01, 0xA1, 0x01, 0x75, 0x08, 0xB4, 0xC0};
    const DescriptorParse parse = parseDescriptor(descriptor, sizeof descriptor);
    EXPECT_EQ(parse.error, DescriptorError::PopWithoutPush);
    EXPECT_EQ(parse.errorOffset, 6u);
}

TEST(DescriptorParserTest, PushAndPopRestoreTheGlobals) {
    // Push, change the report size to 16, pop: the next field is 8 bits again.
    const BYTE descriptor[] = {0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0xA4, 0x75, 0x10, 0x09,
                               0x30, 0x81, 0x02, 0xB4, 0x09, 0x31, 0x81, 0x02, 0xC0};
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(parsed.caps(0).InputReportByteLength, 1 + 2 + 1);
}

TEST(DescriptorParserTest, DelimitedAlternativesKeepTheFirstUsage) {
    const BYTE descriptor[] = {0xA1, 0x01, 0xA9, 0x01, 0x09, 0x30, 0x09, 0x40, 0xA9,
                               0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    HIDP_VALUE_CAPS values[2]{};
    USHORT length = 2;
    ASSERT_EQ(HidP_GetSpecificValueCaps(HidP_Input, 0, 0, 0, values, &length, parsed[0]),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 1);
    EXPECT_EQ(values[0].NotRange.Usage, 0x30);
}

} // namespace
