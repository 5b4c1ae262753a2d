#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <vector>

namespace {

HIDP_DATA entry(USHORT index, ULONG value) {
    HIDP_DATA data{};
    data.DataIndex = index;
    data.RawValue = value;
    return data;
}

// X 0x12, Y 0x34, hat 3, buttons 1 and 12, with their data indices.
const std::vector<char> kGamepadReport = bytes({0x01, 0x12, 0x34, 0x13, 0x80});
const std::vector<HIDP_DATA> kGamepadData = {entry(0, 0x12), entry(1, 0x34), entry(2, 3),
                                             entry(3, 1), entry(14, 1)};

TEST(HidpDataTest, GetDataListsValuesAndButtonsThatAreOn) {
    ParsedDescriptor parsed(kGamepad);
    std::vector<char> report = kGamepadReport;
    HIDP_DATA list[16]{};
    ULONG count = 16;
    ASSERT_EQ(HidP_GetData(HidP_Input, list, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, kGamepadData.size());
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list[i].DataIndex, kGamepadData[i].DataIndex);
        EXPECT_EQ(list[i].RawValue, kGamepadData[i].RawValue);
    }

    count = 2;
    EXPECT_EQ(HidP_GetData(HidP_Input, list, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(count, kGamepadData.size());
}

TEST(HidpDataTest, SetDataBuildsTheSameReport) {
    ParsedDescriptor parsed(kGamepad);
    std::vector<char> report = parsed.report(0, HidP_Input, 1);
    std::vector<HIDP_DATA> list = kGamepadData;
    ULONG count = static_cast<ULONG>(list.size());
    ASSERT_EQ(
        HidP_SetData(HidP_Input, list.data(), &count, parsed[0], report.data(), length(report)),
        HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, kGamepadReport);

    HIDP_DATA off = entry(14, 0);
    count = 1;
    ASSERT_EQ(HidP_SetData(HidP_Input, &off, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x01, 0x12, 0x34, 0x13, 0x00}));
}

TEST(HidpDataTest, SetDataStopsAtTheFirstBadEntry) {
    struct Case {
        const char* name;
        HIDP_DATA bad;
        NTSTATUS status;
    };
    const Case cases[] = {
        {"index beyond the last", entry(15, 1), HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE},
        {"value wider than its field", entry(2, 0x10), HIDP_STATUS_VALUE_OUT_OF_RANGE},
    };
    ParsedDescriptor parsed(kGamepad);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> report = parsed.report(0, HidP_Input, 1);
        HIDP_DATA list[] = {entry(0, 0x12), c.bad, entry(1, 0x34)};
        ULONG count = 3;
        EXPECT_EQ(HidP_SetData(HidP_Input, list, &count, parsed[0], report.data(), length(report)),
                  c.status);
        EXPECT_EQ(count, 1u);
        EXPECT_EQ(report, bytes({0x01, 0x12, 0x00, 0x00, 0x00}));
    }
}

TEST(HidpDataTest, KeyboardKeysByDataIndex) {
    ParsedDescriptor parsed(kBootKeyboard);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    // Data indices 0..7 are the modifiers, 8 + n the key usage n.
    HIDP_DATA list[] = {entry(8 + 0x04, TRUE), entry(1, TRUE)};
    ULONG count = 2;
    ASSERT_EQ(HidP_SetData(HidP_Input, list, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x02, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00}));

    HIDP_DATA read[8]{};
    count = 8;
    ASSERT_EQ(HidP_GetData(HidP_Input, read, &count, parsed[0], report.data(), length(report)),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(read[0].DataIndex, 1);
    EXPECT_EQ(read[1].DataIndex, 8 + 0x04);
    EXPECT_TRUE(read[1].On);
}

struct InitCase {
    const char* name;
    std::span<const BYTE> descriptor;
    HIDP_REPORT_TYPE type;
    UCHAR id;
    size_t bufferLength;
    NTSTATUS status;
    std::vector<char> expected; // when the status is a success
};

TEST(HidpDataTest, InitializeReportForId) {
    std::vector<char> vendor5(255, 0);
    vendor5[0] = 5;
    const InitCase cases[] = {
        {"gamepad: hat starts null", kGamepad, HidP_Input, 1, 5, HIDP_STATUS_SUCCESS,
         bytes({0x01, 0x00, 0x00, 0x08, 0x00})},
        {"gamepad: no report 2", kGamepad, HidP_Input, 2, 5, HIDP_STATUS_REPORT_DOES_NOT_EXIST, {}},
        {"gamepad: no output report",
         kGamepad,
         HidP_Output,
         1,
         5,
         HIDP_STATUS_REPORT_DOES_NOT_EXIST,
         {}},
        {"keyboard: all zero", kBootKeyboard, HidP_Input, 0, 9, HIDP_STATUS_SUCCESS,
         std::vector<char>(9, 0)},
        {"keyboard: no ids in use",
         kBootKeyboard,
         HidP_Input,
         1,
         9,
         HIDP_STATUS_REPORT_DOES_NOT_EXIST,
         {}},
        {"vendor: shorter report at the longest length", kVendorFeatures, HidP_Feature, 5, 255,
         HIDP_STATUS_SUCCESS, vendor5},
        {"vendor: buffer of the report's own length",
         kVendorFeatures,
         HidP_Feature,
         5,
         247,
         HIDP_STATUS_INVALID_REPORT_LENGTH,
         {}},
        {"unknown report type",
         kGamepad,
         static_cast<HIDP_REPORT_TYPE>(7),
         1,
         5,
         HIDP_STATUS_INVALID_REPORT_TYPE,
         {}},
    };
    for (const InitCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        std::vector<char> report(c.bufferLength, static_cast<char>(0xAA));
        EXPECT_EQ(
            HidP_InitializeReportForID(c.type, c.id, parsed[0], report.data(), length(report)),
            c.status);
        if (c.status == HIDP_STATUS_SUCCESS)
            EXPECT_EQ(report, c.expected);
        else
            EXPECT_EQ(report, std::vector<char>(c.bufferLength, static_cast<char>(0xAA)));
    }
}

TEST(HidpDataTest, ExtendedAttributesCarryReservedGlobalItems) {
    // A global item with reserved tag 12 (prefix 0xC5, data 0x2A) before X.
    const BYTE descriptor[] = {0xA1, 0x01, 0xC5, 0x2A, 0x09, 0x30, 0x75,
                               0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    const ULONG needed = offsetof(HIDP_EXTENDED_ATTRIBUTES, Data) + sizeof(HIDP_UNKNOWN_TOKEN);

    alignas(HIDP_EXTENDED_ATTRIBUTES) BYTE storage[64]{};
    auto* attributes = reinterpret_cast<HIDP_EXTENDED_ATTRIBUTES*>(storage);
    ULONG size = needed - 1;
    EXPECT_EQ(HidP_GetExtendedAttributes(HidP_Input, 0, parsed[0], attributes, &size),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(size, needed);

    size = sizeof storage;
    ASSERT_EQ(HidP_GetExtendedAttributes(HidP_Input, 0, parsed[0], attributes, &size),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(attributes->NumGlobalUnknowns, 1);
    EXPECT_EQ(attributes->GlobalUnknowns[0].Token, 0xC5);
    EXPECT_EQ(attributes->GlobalUnknowns[0].BitField, 0x2Au);

    size = sizeof storage;
    EXPECT_EQ(HidP_GetExtendedAttributes(HidP_Input, 1, parsed[0], attributes, &size),
              HIDP_STATUS_DATA_INDEX_NOT_FOUND);
}

TEST(HidpDataTest, ScanCodeTranslationIsNotOffered) {
    USAGE usages[] = {0x04};
    EXPECT_EQ(HidP_TranslateUsagesToI8042ScanCodes(usages, 1, HidP_Keyboard_Make, nullptr, nullptr,
                                                   nullptr),
              HIDP_STATUS_NOT_IMPLEMENTED);
}

} // namespace
