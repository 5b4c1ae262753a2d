// How descriptors of real devices are read where they go beyond the simple cases: wide fields,
// the Usage Page joined at the main item, the last usage over the remaining fields, array keys a
// field cannot hold, and whether reports carry an id.
#include "parsed_descriptor.h"
#include "platform/hidparser/descriptor_parser.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<USAGE> usagesOn(const ParsedDescriptor& parsed, USAGE page, std::vector<char>& report) {
    std::vector<USAGE> usages(32);
    ULONG count = static_cast<ULONG>(usages.size());
    EXPECT_EQ(HidP_GetUsages(HidP_Input, page, 0, usages.data(), &count, parsed[0], report.data(),
                             length(report)),
              HIDP_STATUS_SUCCESS);
    usages.resize(count);
    return usages;
}

// A pen's transducer serial number: one 64-bit field after a 16-bit value, report id 2.
const std::vector<BYTE> kPenSerial = {
    0x05, 0x0D, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x02, 0x09, 0x30, 0x15, 0x00, 0x26, 0xFF,
    0x7F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x02, 0x09, 0x5B, 0x75, 0x40, 0x81, 0x02, 0xC0,
};

TEST(RealDeviceRulesTest, SixtyFourBitFieldIsReadWholeAsValueArray) {
    ParsedDescriptor parsed(kPenSerial);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(parsed.caps(0).InputReportByteLength, 11);
    std::vector<char> report =
        bytes({0x02, 0x34, 0x12, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88});

    ULONG value = 0;
    EXPECT_EQ(HidP_GetUsageValue(HidP_Input, 0x0D, 0, 0x5B, &value, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_IS_VALUE_ARRAY);
    EXPECT_EQ(
        HidP_SetUsageValue(HidP_Input, 0x0D, 0, 0x5B, 1, parsed[0], report.data(), length(report)),
        HIDP_STATUS_IS_VALUE_ARRAY);
    ASSERT_EQ(HidP_GetUsageValue(HidP_Input, 0x0D, 0, 0x30, &value, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(value, 0x1234u);

    char serial[8] = {};
    EXPECT_EQ(HidP_GetUsageValueArray(HidP_Input, 0x0D, 0, 0x5B, serial, 7, parsed[0],
                                      report.data(), length(report)),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    ASSERT_EQ(HidP_GetUsageValueArray(HidP_Input, 0x0D, 0, 0x5B, serial, sizeof serial, parsed[0],
                                      report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(std::vector<char>(serial, serial + 8),
              bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88}));

    char written[8] = {'\x11', '\x22', '\x33', '\x44', '\x55', '\x66', '\x77', '\x7F'};
    ASSERT_EQ(HidP_SetUsageValueArray(HidP_Input, 0x0D, 0, 0x5B, written, sizeof written, parsed[0],
                                      report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x02, 0x34, 0x12, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x7F}));

    // A data list carries 32-bit values: the wide field is left out of it.
    HIDP_DATA data[4] = {};
    ULONG count = 4;
    ASSERT_EQ(HidP_GetData(HidP_Input, data, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(data[0].RawValue, 0x1234u);
}

TEST(RealDeviceRulesTest, UsagePageAtTheMainItemNamesShortUsages) {
    const struct {
        const char* what;
        std::vector<BYTE> descriptor;
        std::vector<USAGE> pages; // of the input button caps, in order
    } cases[] = {
        {"page written after the usage range (keyboard keys after the LED page)",
         {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x08, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x05,
          0x07, 0x75, 0x08, 0x95, 0x06, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x81, 0x00, 0xC0},
         {0x07}},
        {"usages of an earlier page followed by usages of the page in force keep theirs",
         {0x05, 0x01, 0x09, 0x05, 0xA1, 0x01, 0x05, 0x09, 0x09, 0x01, 0x09,
          0x02, 0x05, 0x0C, 0x0A, 0x24, 0x02, 0x15, 0x00, 0x25, 0x01, 0x75,
          0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x03, 0xC0},
         {0x09, 0x09, 0x0C}},
        {"a four-byte usage keeps its own page",
         {0x05, 0x01, 0x09, 0x05, 0xA1, 0x01, 0x0B, 0x01, 0x00, 0x09, 0x00, 0x05, 0x0C, 0x15,
          0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02, 0x95, 0x07, 0x81, 0x03, 0xC0},
         {0x09}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParsedDescriptor parsed(c.descriptor);
        ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
        HIDP_BUTTON_CAPS caps[4] = {};
        USHORT count = 4;
        ASSERT_EQ(HidP_GetSpecificButtonCaps(HidP_Input, 0, 0, 0, caps, &count, parsed[0]),
                  HIDP_STATUS_SUCCESS);
        std::vector<USAGE> pages;
        for (USHORT i = 0; i < count; ++i)
            pages.push_back(caps[i].UsagePage);
        EXPECT_EQ(pages, c.pages);
    }
}

TEST(RealDeviceRulesTest, LastUsageCoversTheRemainingFields) {
    // Buttons: one usage over four one-bit fields; values: a range of two over three fields.
    const std::vector<BYTE> descriptor = {
        0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x05, 0x09, 0x09, 0x05, 0x15, 0x00, 0x25, 0x01,
        0x75, 0x01, 0x95, 0x04, 0x81, 0x02, 0x95, 0x04, 0x81, 0x03, 0x05, 0x01, 0x19, 0x30,
        0x29, 0x31, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02, 0xC0,
    };
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    std::vector<char> report = bytes({0x00, 0x0A, 0x10, 0x20, 0x30});
    EXPECT_EQ(usagesOn(parsed, 0x09, report), (std::vector<USAGE>{0x05, 0x05}));

    HIDP_VALUE_CAPS values[4] = {};
    USHORT count = 4;
    ASSERT_EQ(HidP_GetSpecificValueCaps(HidP_Input, 0x01, 0, 0, values, &count, parsed[0]),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(values[1].NotRange.Usage, 0x31) << "the third field repeats the range's last usage";
    EXPECT_EQ(values[1].ReportCount, 1);
    ULONG value = 0;
    ASSERT_EQ(HidP_GetUsageValue(HidP_Input, 0x01, 0, 0x31, &value, parsed[0], report.data(),
                                 length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(value, 0x20u) << "the range's own field answers first";
}

TEST(RealDeviceRulesTest, SetUsagesRefusesKeysTheArrayCannotHold) {
    // Keys 0..255 declared, but the field holds only Logical 0..101 (as most keyboards write).
    const std::vector<BYTE> descriptor = {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF,
        0x00, 0x15, 0x00, 0x25, 0x65, 0x75, 0x08, 0x95, 0x02, 0x81, 0x00, 0xC0,
    };
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    const auto set = [&](std::vector<USAGE> keys, ULONG& failedAt) {
        failedAt = static_cast<ULONG>(keys.size());
        return HidP_SetUsages(HidP_Input, 0x07, 0, keys.data(), &failedAt, parsed[0], report.data(),
                              length(report));
    };
    ULONG failedAt = 0;
    EXPECT_EQ(set({0x04, 0xE0}, failedAt), HIDP_STATUS_VALUE_OUT_OF_RANGE);
    EXPECT_EQ(failedAt, 1u);
    EXPECT_EQ(report, bytes({0x00, 0x04, 0x00})) << "the key before the refused one stays set";
    EXPECT_EQ(usagesOn(parsed, 0x07, report), (std::vector<USAGE>{0x04}));
    EXPECT_EQ(set({0x65}, failedAt), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x04, 0x65}));
}

TEST(RealDeviceRulesTest, ReportsCarryAnIdWhenAMainItemHasOne) {
    const struct {
        const char* what;
        std::vector<BYTE> descriptor;
        bool usesIds;
    } cases[] = {
        {"id on the main item",
         {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0x81,
          0x02, 0xC0},
         true},
        {"no id",
         {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0},
         false},
        {"a Report ID item after the last main item",
         {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85,
          0x03, 0xC0},
         false},
        {"an id pushed and popped away before the main item",
         {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0xA4, 0x85, 0x02, 0xB4, 0x09, 0x30, 0x75, 0x08, 0x95,
          0x01, 0x81, 0x02, 0xC0},
         false},
        {"a descriptor that cannot be parsed", {0x85, 0x01, 0xA1, 0x01}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(
            descriptorUsesReportIds(c.descriptor.data(), static_cast<ULONG>(c.descriptor.size())),
            c.usesIds);
        ParsedDescriptor parsed(c.descriptor);
        if (parsed.status() != HIDP_STATUS_SUCCESS)
            continue;
        std::vector<char> report = parsed.report(0, HidP_Input, c.usesIds ? 1 : 0);
        EXPECT_EQ(HidP_InitializeReportForID(HidP_Input, c.usesIds ? 1 : 0, parsed[0],
                                             report.data(), length(report)),
                  HIDP_STATUS_SUCCESS)
            << "the parser reads the reports the same way";
    }
}

} // namespace
