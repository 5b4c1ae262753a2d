#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct RawCase {
    const char* name;
    USAGE page, usage;
    ULONG value;
};

TEST(HidpValuesTest, GamepadValuesRoundTripThroughTheReport) {
    const RawCase cases[] = {
        {"X", 0x01, 0x30, 0x12},
        {"Y", 0x01, 0x31, 0x34},
        {"hat", 0x01, 0x39, 0x03},
    };
    ParsedDescriptor parsed(kGamepad);
    std::vector<char> report = parsed.report(0, HidP_Input, 1);
    for (const RawCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HidP_SetUsageValue(HidP_Input, c.page, 0, c.usage, c.value, parsed[0],
                                     report.data(), length(report)),
                  HIDP_STATUS_SUCCESS);
    }
    EXPECT_EQ(report, bytes({0x01, 0x12, 0x34, 0x03, 0x00}));
    for (const RawCase& c : cases) {
        SCOPED_TRACE(c.name);
        ULONG value = 0;
        EXPECT_EQ(HidP_GetUsageValue(HidP_Input, c.page, 0, c.usage, &value, parsed[0],
                                     report.data(), length(report)),
                  HIDP_STATUS_SUCCESS);
        EXPECT_EQ(value, c.value);
    }
}

TEST(HidpValuesTest, SetUsageValueRefusesWhatTheFieldCannotHold) {
    ParsedDescriptor parsed(kGamepad);
    std::vector<char> report = parsed.report(0, HidP_Input, 1);
    EXPECT_EQ(HidP_SetUsageValue(HidP_Input, 0x01, 0, 0x30, 0x100, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_VALUE_OUT_OF_RANGE);
    EXPECT_EQ(HidP_SetUsageValue(HidP_Input, 0x01, 0, 0x39, 0x10, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_VALUE_OUT_OF_RANGE);
    EXPECT_EQ(report, bytes({0x01, 0, 0, 0, 0}));
    // A negative raw value in two's complement fits: it is written as its low bits.
    EXPECT_EQ(HidP_SetUsageValue(HidP_Input, 0x01, 0, 0x30, 0xFFFFFFFF, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x01, 0xFF, 0, 0, 0}));
}

struct ScaledCase {
    const char* name;
    std::span<const BYTE> descriptor;
    size_t collection;
    UCHAR reportId;
    USAGE usage;
    LONG physical;
    NTSTATUS setStatus;
    ULONG raw;
    LONG readBack;
    NTSTATUS getStatus;
};

TEST(HidpValuesTest, ScaledValues) {
    const ScaledCase cases[] = {
        {"hat 45 degrees", kGamepad, 0, 1, 0x39, 45, HIDP_STATUS_SUCCESS, 1, 45,
         HIDP_STATUS_SUCCESS},
        {"hat 315 degrees", kGamepad, 0, 1, 0x39, 315, HIDP_STATUS_SUCCESS, 7, 315,
         HIDP_STATUS_SUCCESS},
        {"hat 100 degrees truncates to 90", kGamepad, 0, 1, 0x39, 100, HIDP_STATUS_SUCCESS, 2, 90,
         HIDP_STATUS_SUCCESS},
        {"hat out of range goes null", kGamepad, 0, 1, 0x39, 400, HIDP_STATUS_SUCCESS, 8, 0,
         HIDP_STATUS_NULL},
        {"X without physical range", kGamepad, 0, 1, 0x30, 200, HIDP_STATUS_SUCCESS, 200, 200,
         HIDP_STATUS_SUCCESS},
        {"X beyond logical range", kGamepad, 0, 1, 0x30, 256, HIDP_STATUS_VALUE_OUT_OF_RANGE, 0, 0,
         HIDP_STATUS_SUCCESS},
        {"mouse X negative", kMouseAndConsumer, 0, 1, 0x30, -5, HIDP_STATUS_SUCCESS, 0xFB, -5,
         HIDP_STATUS_SUCCESS},
        {"mouse X lowest", kMouseAndConsumer, 0, 1, 0x30, -127, HIDP_STATUS_SUCCESS, 0x81, -127,
         HIDP_STATUS_SUCCESS},
    };
    for (const ScaledCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        PHIDP_PREPARSED_DATA data = parsed[c.collection];
        std::vector<char> report = parsed.report(c.collection, HidP_Input, c.reportId);
        EXPECT_EQ(HidP_SetScaledUsageValue(HidP_Input, 0x01, 0, c.usage, c.physical, data,
                                           report.data(), length(report)),
                  c.setStatus);
        ULONG raw = 0xDEAD;
        ASSERT_EQ(HidP_GetUsageValue(HidP_Input, 0x01, 0, c.usage, &raw, data, report.data(),
                                     length(report)),
                  HIDP_STATUS_SUCCESS);
        EXPECT_EQ(raw, c.raw);
        LONG physical = 0xDEAD;
        EXPECT_EQ(HidP_GetScaledUsageValue(HidP_Input, 0x01, 0, c.usage, &physical, data,
                                           report.data(), length(report)),
                  c.getStatus);
        EXPECT_EQ(physical, c.readBack);
    }
}

TEST(HidpValuesTest, ScaledValueOutsideTheLogicalRangeWithoutNullState) {
    ParsedDescriptor parsed(kMouseAndConsumer);
    std::vector<char> report = bytes({0x01, 0x00, static_cast<char>(0x80), 0x00});
    LONG physical = 0;
    EXPECT_EQ(HidP_GetScaledUsageValue(HidP_Input, 0x01, 0, 0x30, &physical, parsed[0],
                                       report.data(), length(report)),
              HIDP_STATUS_VALUE_OUT_OF_RANGE);
}

TEST(HidpValuesTest, ScaledValueNeedsAUsableLogicalRange) {
    // Logical minimum and maximum both 0.
    const BYTE descriptor[] = {0xA1, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    ParsedDescriptor parsed(descriptor);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    LONG physical = 0;
    EXPECT_EQ(HidP_GetScaledUsageValue(HidP_Input, 0x00, 0, 0x30, &physical, parsed[0],
                                       report.data(), length(report)),
              HIDP_STATUS_BAD_LOG_PHY_VALUES);
    EXPECT_EQ(HidP_SetScaledUsageValue(HidP_Input, 0x00, 0, 0x30, 1, parsed[0], report.data(),
                                       length(report)),
              HIDP_STATUS_BAD_LOG_PHY_VALUES);
}

TEST(HidpValuesTest, FeatureValueArrayRoundTrip) {
    ParsedDescriptor parsed(kVendorFeatures);
    std::vector<char> report = parsed.report(0, HidP_Feature, 4);
    ASSERT_EQ(report.size(), 255u);
    std::vector<char> pattern(254);
    for (size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<char>(i * 7 + 3);
    ASSERT_EQ(HidP_SetUsageValueArray(HidP_Feature, 0xFF00, 0, 0x04, pattern.data(), 254, parsed[0],
                                      report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[0], 4);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), report.begin() + 1));
    std::vector<char> back(300, 0x55);
    ASSERT_EQ(HidP_GetUsageValueArray(HidP_Feature, 0xFF00, 0, 0x04, back.data(), 300, parsed[0],
                                      report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), back.begin()));
}

struct ArrayStatusCase {
    const char* name;
    USAGE page, usage;
    UCHAR reportId;
    size_t reportLength;
    USHORT bufferLength;
    NTSTATUS status;
};

TEST(HidpValuesTest, ValueArrayStatuses) {
    const ArrayStatusCase cases[] = {
        {"buffer one byte short", 0xFF00, 0x04, 4, 255, 253, HIDP_STATUS_BUFFER_TOO_SMALL},
        {"report of another id", 0xFF00, 0x04, 5, 255, 254, HIDP_STATUS_INCOMPATIBLE_REPORT_ID},
        {"report shorter than the longest feature", 0xFF00, 0x05, 5, 247, 254,
         HIDP_STATUS_INVALID_REPORT_LENGTH},
        {"usage not in the collection", 0xFF00, 0x06, 5, 255, 254, HIDP_STATUS_USAGE_NOT_FOUND},
    };
    ParsedDescriptor parsed(kVendorFeatures);
    for (const ArrayStatusCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> report(c.reportLength, 0);
        report[0] = static_cast<char>(c.reportId);
        std::vector<char> buffer(c.bufferLength, 0);
        EXPECT_EQ(HidP_GetUsageValueArray(HidP_Feature, c.page, 0, c.usage, buffer.data(),
                                          c.bufferLength, parsed[0], report.data(), length(report)),
                  c.status);
    }
}

TEST(HidpValuesTest, SingleAndArrayAccessDoNotMix) {
    ParsedDescriptor vendor(kVendorFeatures);
    std::vector<char> feature = vendor.report(0, HidP_Feature, 4);
    ULONG value = 0;
    EXPECT_EQ(HidP_GetUsageValue(HidP_Feature, 0xFF00, 0, 0x04, &value, vendor[0], feature.data(),
                                 length(feature)),
              HIDP_STATUS_IS_VALUE_ARRAY);

    ParsedDescriptor gamepad(kGamepad);
    std::vector<char> input = gamepad.report(0, HidP_Input, 1);
    char buffer[4]{};
    EXPECT_EQ(HidP_GetUsageValueArray(HidP_Input, 0x01, 0, 0x30, buffer, sizeof buffer, gamepad[0],
                                      input.data(), length(input)),
              HIDP_STATUS_NOT_VALUE_ARRAY);
}

} // namespace
