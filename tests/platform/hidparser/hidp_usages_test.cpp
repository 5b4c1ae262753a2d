#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<USAGE> usagesOn(const ParsedDescriptor& parsed, size_t index, USAGE page,
                            std::vector<char>& report) {
    std::vector<USAGE> usages(32);
    ULONG length = static_cast<ULONG>(usages.size());
    const NTSTATUS status =
        HidP_GetUsages(HidP_Input, page, 0, usages.data(), &length, parsed[index], report.data(),
                       static_cast<ULONG>(report.size()));
    EXPECT_EQ(status, HIDP_STATUS_SUCCESS);
    usages.resize(status == HIDP_STATUS_SUCCESS ? length : 0);
    return usages;
}

NTSTATUS change(bool on, const ParsedDescriptor& parsed, size_t index, USAGE page,
                std::vector<USAGE> usages, std::vector<char>& report, ULONG* failedAt = nullptr) {
    ULONG length = static_cast<ULONG>(usages.size());
    const auto fn = on ? HidP_SetUsages : HidP_UnsetUsages;
    const NTSTATUS status = fn(HidP_Input, page, 0, usages.data(), &length, parsed[index],
                               report.data(), static_cast<ULONG>(report.size()));
    if (failedAt != nullptr)
        *failedAt = length;
    return status;
}

TEST(HidpUsagesTest, KeyboardModifiersAndKeysRoundTrip) {
    ParsedDescriptor parsed(kBootKeyboard);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    ASSERT_EQ(change(true, parsed, 0, 0x07, {0xE1, 0x04, 0x05}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(usagesOn(parsed, 0, 0x07, report), (std::vector<USAGE>{0xE1, 0x04, 0x05}));

    ASSERT_EQ(change(false, parsed, 0, 0x07, {0x04}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x02, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(usagesOn(parsed, 0, 0x07, report), (std::vector<USAGE>{0xE1, 0x05}));

    ULONG failedAt = 99;
    EXPECT_EQ(change(false, parsed, 0, 0x07, {0x05, 0x04}, report, &failedAt),
              HIDP_STATUS_BUTTON_NOT_PRESSED);
    EXPECT_EQ(failedAt, 1u);
    EXPECT_EQ(change(false, parsed, 0, 0x07, {0xE0}, report), HIDP_STATUS_BUTTON_NOT_PRESSED);
}

TEST(HidpUsagesTest, KeyboardWithEveryKeySlotTakenRefusesAnotherKey) {
    ParsedDescriptor parsed(kBootKeyboard);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    ULONG failedAt = 0;
    EXPECT_EQ(change(true, parsed, 0, 0x07, {0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A}, report,
                     &failedAt),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(failedAt, 6u);
    EXPECT_EQ(change(true, parsed, 0, 0x07, {0x04}, report), HIDP_STATUS_SUCCESS)
        << "a key already down takes no second slot";
    EXPECT_EQ(usagesOn(parsed, 0, 0x07, report).size(), 6u);
}

TEST(HidpUsagesTest, GamepadButtonsRoundTrip) {
    ParsedDescriptor parsed(kGamepad);
    std::vector<char> report = parsed.report(0, HidP_Input, 1);
    ASSERT_EQ(change(true, parsed, 0, 0x09, {1, 12}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x01, 0x00, 0x00, 0x10, 0x80}));
    EXPECT_EQ(usagesOn(parsed, 0, 0x09, report), (std::vector<USAGE>{1, 12}));

    USAGE_AND_PAGE list[4]{};
    ULONG length = 4;
    ASSERT_EQ(HidP_GetUsagesEx(HidP_Input, 0, list, &length, parsed[0], report.data(),
                               static_cast<ULONG>(report.size())),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 2u);
    EXPECT_EQ(list[0].UsagePage, 0x09);
    EXPECT_EQ(list[0].Usage, 1);
    EXPECT_EQ(list[1].Usage, 12);

    ULONG failedAt = 0;
    EXPECT_EQ(change(true, parsed, 0, 0x09, {2, 13}, report, &failedAt),
              HIDP_STATUS_USAGE_NOT_FOUND);
    EXPECT_EQ(failedAt, 1u);
}

TEST(HidpUsagesTest, ConsumerArrayOfSixteenBits) {
    ParsedDescriptor parsed(kMouseAndConsumer);
    std::vector<char> report = parsed.report(1, HidP_Input, 2);
    ASSERT_EQ(change(true, parsed, 1, 0x0C, {0x1E9}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x02, 0xE9, 0x01}));
    EXPECT_EQ(usagesOn(parsed, 1, 0x0C, report), (std::vector<USAGE>{0x1E9}));
}

TEST(HidpUsagesTest, ArrayWhoseZeroSelectsAUsageIsClearedOutsideItsRange) {
    // Two 2-bit slots, logical 0..2 selecting buttons 1..3; a 4-bit pad.
    const BYTE descriptor[] = {0xA1, 0x01, 0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15,
                               0x00, 0x25, 0x02, 0x75, 0x02, 0x95, 0x02, 0x81, 0x00,
                               0x75, 0x04, 0x95, 0x01, 0x81, 0x03, 0xC0};
    ParsedDescriptor parsed(descriptor);
    ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
    std::vector<char> report = parsed.report(0, HidP_Input, 0);
    ASSERT_EQ(HidP_InitializeReportForID(HidP_Input, 0, parsed[0], report.data(),
                                         static_cast<ULONG>(report.size())),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x0F}));
    EXPECT_TRUE(usagesOn(parsed, 0, 0x09, report).empty());
    ASSERT_EQ(change(true, parsed, 0, 0x09, {1}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x0C}));
    EXPECT_EQ(usagesOn(parsed, 0, 0x09, report), (std::vector<USAGE>{1}));
    ASSERT_EQ(change(false, parsed, 0, 0x09, {1}, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, bytes({0x00, 0x0F}));
}

struct StatusCase {
    const char* name;
    HIDP_REPORT_TYPE type;
    USAGE page;
    std::vector<char> report;
    ULONG room;
    bool validData;
    NTSTATUS status;
};

TEST(HidpUsagesTest, GetUsagesStatuses) {
    ParsedDescriptor parsed(kGamepad);
    const std::vector<char> pressed = bytes({0x01, 0x00, 0x00, 0x10, 0x80});
    const StatusCase cases[] = {
        {"fine", HidP_Input, 0x09, pressed, 8, true, HIDP_STATUS_SUCCESS},
        {"other report id", HidP_Input, 0x09, bytes({2, 0, 0, 0, 0}), 8, true,
         HIDP_STATUS_INCOMPATIBLE_REPORT_ID},
        {"page without buttons", HidP_Input, 0x07, pressed, 8, true, HIDP_STATUS_USAGE_NOT_FOUND},
        {"short report", HidP_Input, 0x09, bytes({1, 0, 0, 0}), 8, true,
         HIDP_STATUS_INVALID_REPORT_LENGTH},
        {"kind without reports", HidP_Feature, 0x09, pressed, 8, true,
         HIDP_STATUS_INVALID_REPORT_LENGTH},
        {"unknown report type", static_cast<HIDP_REPORT_TYPE>(3), 0x09, pressed, 8, true,
         HIDP_STATUS_INVALID_REPORT_TYPE},
        {"no preparsed data", HidP_Input, 0x09, pressed, 8, false,
         HIDP_STATUS_INVALID_PREPARSED_DATA},
        {"list too short", HidP_Input, 0x09, pressed, 1, true, HIDP_STATUS_BUFFER_TOO_SMALL},
    };
    for (StatusCase c : cases) {
        SCOPED_TRACE(c.name);
        USAGE list[8]{};
        ULONG length = c.room;
        EXPECT_EQ(HidP_GetUsages(c.type, c.page, 0, list, &length,
                                 c.validData ? parsed[0] : nullptr, c.report.data(),
                                 static_cast<ULONG>(c.report.size())),
                  c.status);
        if (c.status == HIDP_STATUS_BUFFER_TOO_SMALL) {
            EXPECT_EQ(length, 2u) << "the length needed";
            EXPECT_EQ(list[1], 0) << "wrote past the room given";
        }
    }
}

TEST(HidpUsagesTest, MaxUsageListLength) {
    struct Case {
        const char* name;
        std::span<const BYTE> descriptor;
        size_t collection;
        HIDP_REPORT_TYPE type;
        USAGE page;
        ULONG length;
    };
    const Case cases[] = {
        {"keyboard modifiers and six slots", kBootKeyboard, 0, HidP_Input, 0x07, 14},
        {"keyboard, any page", kBootKeyboard, 0, HidP_Input, 0, 14},
        {"keyboard LEDs", kBootKeyboard, 0, HidP_Output, 0x08, 5},
        {"gamepad buttons", kGamepad, 0, HidP_Input, 0x09, 12},
        {"gamepad, page without buttons", kGamepad, 0, HidP_Input, 0x01, 0},
        {"consumer slot", kMouseAndConsumer, 1, HidP_Input, 0x0C, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        EXPECT_EQ(HidP_MaxUsageListLength(c.type, c.page, parsed[c.collection]), c.length);
    }
    EXPECT_EQ(HidP_MaxUsageListLength(HidP_Input, 0, nullptr), 0u);
}

TEST(HidpUsagesTest, UsageListDifference) {
    struct Case {
        const char* name;
        std::vector<USAGE> previous, current, breaks, makes;
    };
    const Case cases[] = {
        {"changes", {1, 2, 3, 0}, {2, 4, 0, 0}, {1, 3, 0, 0}, {4, 0, 0, 0}},
        {"same", {5, 6, 0, 0}, {6, 5, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"full lists without end mark", {1, 2, 3, 4}, {4, 5, 6, 7}, {1, 2, 3, 0}, {5, 6, 7, 0}},
        {"stops at the first zero", {1, 0, 3, 0}, {0, 3, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<USAGE> breaks(4, 0xEEEE);
        std::vector<USAGE> makes(4, 0xEEEE);
        ASSERT_EQ(HidP_UsageListDifference(c.previous.data(), c.current.data(), breaks.data(),
                                           makes.data(), 4),
                  HIDP_STATUS_SUCCESS);
        EXPECT_EQ(breaks, c.breaks);
        EXPECT_EQ(makes, c.makes);
    }
}

} // namespace
