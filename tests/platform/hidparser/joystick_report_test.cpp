// Input report 1 of the joystick descriptors the configurator generates, decoded and encoded.

#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Control {
    USAGE page, usage;
    ULONG raw;
};

struct JoystickCase {
    const char* name;
    std::span<const BYTE> descriptor;
    USHORT inputLength;
    std::vector<Control> values;
    std::vector<USAGE> buttons;
    std::vector<BYTE> report;
};

const JoystickCase kCases[] = {
    {"one axis of 10 bits", kJoystickOneAxis, 3, {{0x01, 0x30, 0x2A5}}, {}, {0x01, 0xA5, 0x02}},
    {"axes, hat and buttons",
     kJoystickAxesHatButtons,
     5,
     {{0x01, 0x30, 0x11}, {0x02, 0xBA, 0x22}, {0x01, 0x39, 5}},
     {2, 8},
     {0x01, 0x11, 0x22, 0x25, 0x08}},
};

TEST(JoystickReportTest, EncodesToTheExpectedBytes) {
    for (const JoystickCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);
        ASSERT_EQ(parsed.caps(0).InputReportByteLength, c.inputLength);
        std::vector<char> report = parsed.report(0, HidP_Input, 1);
        const auto length = static_cast<ULONG>(report.size());
        for (const Control& v : c.values) {
            EXPECT_EQ(HidP_SetUsageValue(HidP_Input, v.page, 0, v.usage, v.raw, parsed[0],
                                         report.data(), length),
                      HIDP_STATUS_SUCCESS);
        }
        std::vector<USAGE> buttons = c.buttons;
        ULONG count = static_cast<ULONG>(buttons.size());
        if (count > 0) {
            EXPECT_EQ(HidP_SetUsages(HidP_Input, 0x09, 0, buttons.data(), &count, parsed[0],
                                     report.data(), length),
                      HIDP_STATUS_SUCCESS);
        }
        EXPECT_EQ(std::vector<BYTE>(report.begin(), report.end()), c.report);
    }
}

TEST(JoystickReportTest, DecodesTheExpectedControls) {
    for (const JoystickCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ParsedDescriptor parsed(c.descriptor);
        std::vector<char> report(c.report.begin(), c.report.end());
        const auto length = static_cast<ULONG>(report.size());
        for (const Control& v : c.values) {
            ULONG raw = 0;
            EXPECT_EQ(HidP_GetUsageValue(HidP_Input, v.page, 0, v.usage, &raw, parsed[0],
                                         report.data(), length),
                      HIDP_STATUS_SUCCESS);
            EXPECT_EQ(raw, v.raw);
        }
        std::vector<USAGE> buttons(16);
        ULONG count = 16;
        const NTSTATUS status = HidP_GetUsages(HidP_Input, 0x09, 0, buttons.data(), &count,
                                               parsed[0], report.data(), length);
        if (c.buttons.empty()) {
            EXPECT_EQ(status, HIDP_STATUS_USAGE_NOT_FOUND);
        } else {
            EXPECT_EQ(status, HIDP_STATUS_SUCCESS);
            buttons.resize(count);
            EXPECT_EQ(buttons, c.buttons);
        }
    }
}

TEST(JoystickReportTest, CentredHatWithoutNullStateIsOutOfRange) {
    ParsedDescriptor parsed(kJoystickAxesHatButtons);
    std::vector<char> report = {0x01, 0x00, 0x00, 0x08, 0x00};
    LONG degrees = 0;
    EXPECT_EQ(HidP_GetScaledUsageValue(HidP_Input, 0x01, 0, 0x39, &degrees, parsed[0],
                                       report.data(), static_cast<ULONG>(report.size())),
              HIDP_STATUS_VALUE_OUT_OF_RANGE);
    report[3] = 0x06;
    EXPECT_EQ(HidP_GetScaledUsageValue(HidP_Input, 0x01, 0, 0x39, &degrees, parsed[0],
                                       report.data(), static_cast<ULONG>(report.size())),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(degrees, 270);
}

} // namespace
