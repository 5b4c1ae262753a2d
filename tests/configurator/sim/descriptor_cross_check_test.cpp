// The descriptor builder, the simulated controller and our HidP parser must agree: every
// generated descriptor parses, and an input report the controller packs decodes to the values
// it was given.

#include "configurator/model/report_bits.h"
#include "configurator/sim/sim_controller.h"
#include "configurator/sim/sim_controller_device.h"
#include "platform/hidparser/hidpi.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Parsed {
    explicit Parsed(const std::vector<std::uint8_t>& descriptor) {
        status = HidParserParse(descriptor.data(), ULONG(descriptor.size()), collections);
    }
    ~Parsed() {
        for (PHIDP_PREPARSED_DATA data : collections)
            HidParserFree(data);
    }
    NTSTATUS status;
    std::vector<PHIDP_PREPARSED_DATA> collections;
};

struct UsageEntry {
    USAGE page;
    USAGE usage;
};

constexpr UsageEntry Usages[] = {{1, 0},    {1, 0x30}, {1, 0x31}, {1, 0x32}, {1, 0x33},
                                 {1, 0x34}, {1, 0x35}, {1, 0x36}, {1, 0x37}, {1, 0x38},
                                 {2, 0xBA}, {2, 0xBB}, {2, 0xB0}, {2, 0xB8}};

void SetAxis(Config& c, int n, int usage, int precision) {
    c.axes[n - 1].source = 2;
    c.axes[n - 1].usage = usage;
    c.axes[n - 1].precision = precision;
}

struct CrossCase {
    const char* name;
    std::function<void(Config&)> setup;
};

void PrintTo(const CrossCase& c, std::ostream* os) {
    *os << c.name;
}

class CrossCheck : public testing::TestWithParam<CrossCase> {};

int AxisValue(int n, int precision) {
    return (n * 2311 + 77) % (PrecisionMaxValue(precision) + 1);
}

bool InputPressed(int input) {
    return input % 3 == 0;
}

TEST_P(CrossCheck, ParserDecodesTheSimulatedReport) {
    Config config;
    GetParam().setup(config);
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());

    SimController controller;
    for (const auto& [image, length] : {std::pair{&encoded.images.axis, AxisReportLength},
                                        std::pair{&encoded.images.general, GeneralReportLength},
                                        std::pair{&encoded.images.hid, HidReportLength}})
        ASSERT_EQ(controller.setFeature(std::span(image->data(), length)), 0u);
    ASSERT_EQ(controller.setFeature(MakeCommandReport(ControllerCommand::Restart)), 0u);
    for (int n = 1; n <= JoystickAxisCount; ++n)
        controller.live().axisValues[n - 1] = AxisValue(n, config.axes[n - 1].precision);
    for (int k = 1; k <= LiveButtonCount; ++k)
        controller.live().buttons[k - 1] = InputPressed(k);
    controller.setHat(1, 3);
    controller.setHat(2, 6);
    std::vector<std::uint8_t> report = controller.inputReport();

    Parsed parsed(controller.joystickDescriptor());
    ASSERT_EQ(parsed.status, HIDP_STATUS_SUCCESS);
    ASSERT_EQ(parsed.collections.size(), 1u);
    PHIDP_PREPARSED_DATA pp = parsed.collections[0];
    HIDP_CAPS caps{};
    ASSERT_EQ(HidP_GetCaps(pp, &caps), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(caps.UsagePage, 1);
    EXPECT_EQ(caps.Usage, 4);
    EXPECT_EQ(caps.InputReportByteLength, encoded.descriptor.inputReportLength);
    ASSERT_EQ(int(report.size()), encoded.descriptor.inputReportLength);
    auto* bytes = reinterpret_cast<PCHAR>(report.data());
    const ULONG length = ULONG(report.size());

    for (int n = 1; n <= JoystickAxisCount; ++n) {
        const AxisRow& row = config.axes[n - 1];
        if (row.source == 0)
            continue;
        ULONG value = 0;
        const UsageEntry& u = Usages[row.usage];
        ASSERT_EQ(HidP_GetUsageValue(HidP_Input, u.page, 0, u.usage, &value, pp, bytes, length),
                  HIDP_STATUS_SUCCESS)
            << "axis " << n;
        EXPECT_EQ(int(value), AxisValue(n, row.precision)) << "axis " << n;
    }

    std::vector<int> expectedHats;
    for (int h = 1; h <= HatCount; ++h)
        if (config.hats[h - 1].on)
            expectedHats.push_back(h == 1 ? 3 : 6);
    HIDP_VALUE_CAPS hatCaps[2]{};
    USHORT hatCapsCount = 2;
    if (expectedHats.empty()) {
        EXPECT_NE(HidP_GetSpecificValueCaps(HidP_Input, 1, 0, 0x39, hatCaps, &hatCapsCount, pp),
                  HIDP_STATUS_SUCCESS);
    } else {
        ASSERT_EQ(HidP_GetSpecificValueCaps(HidP_Input, 1, 0, 0x39, hatCaps, &hatCapsCount, pp),
                  HIDP_STATUS_SUCCESS);
        ASSERT_EQ(hatCapsCount, expectedHats.size());
        std::vector<HIDP_DATA> data(HidP_MaxDataListLength(HidP_Input, pp));
        ULONG dataLength = ULONG(data.size());
        ASSERT_EQ(HidP_GetData(HidP_Input, data.data(), &dataLength, pp, bytes, length),
                  HIDP_STATUS_SUCCESS);
        for (std::size_t i = 0; i < expectedHats.size(); ++i) {
            const USHORT index = hatCaps[i].NotRange.DataIndex;
            const auto found =
                std::find_if(data.begin(), data.begin() + dataLength,
                             [&](const HIDP_DATA& d) { return d.DataIndex == index; });
            ASSERT_NE(found, data.begin() + dataLength) << "hat " << i;
            EXPECT_EQ(int(found->RawValue), expectedHats[i]) << "hat " << i;
        }
    }

    std::vector<USAGE> expectedButtons;
    for (int r = 1; r <= LogicalButtonCount; ++r) {
        const int input = config.knpTable[r - 1].number;
        if (input > 0 && InputPressed(input))
            expectedButtons.push_back(USAGE(r));
    }
    std::vector<USAGE> pressed(LogicalButtonCount);
    ULONG pressedCount = ULONG(pressed.size());
    const NTSTATUS status =
        HidP_GetUsages(HidP_Input, 9, 0, pressed.data(), &pressedCount, pp, bytes, length);
    if (HighestMappedButton(config) == 0) {
        EXPECT_NE(status, HIDP_STATUS_SUCCESS);
    } else {
        ASSERT_EQ(status, HIDP_STATUS_SUCCESS);
        pressed.resize(pressedCount);
        std::sort(pressed.begin(), pressed.end());
        EXPECT_EQ(pressed, expectedButtons);
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, CrossCheck,
                         testing::Values(CrossCase{"X10BitsAndThreeButtons",
                                                   [](Config& c) {
                                                       SetAxis(c, 1, 1, 2);
                                                       c.knpTable[0].number = 5;
                                                       c.knpTable[1].number = 6;
                                                       c.knpTable[2].number = 9;
                                                   }},
                                         CrossCase{"XRudderHat1",
                                                   [](Config& c) {
                                                       SetAxis(c, 1, 1, 0);
                                                       SetAxis(c, 3, 10, 0);
                                                       c.hats[0] = Hat{true, {1, 2, 3, 4}};
                                                   }},
                                         CrossCase{"OnlyHat2",
                                                   [](Config& c) {
                                                       c.hats[1] = Hat{true, {1, 2, 3, 4}};
                                                   }},
                                         CrossCase{"ButtonsOnly8",
                                                   [](Config& c) {
                                                       c.knpTable[7].number = 3;
                                                   }},
                                         CrossCase{"SimulationAxesAndSparseButtons",
                                                   [](Config& c) {
                                                       SetAxis(c, 2, 11, 1);
                                                       SetAxis(c, 5, 12, 3);
                                                       SetAxis(c, 8, 13, 5);
                                                       c.knpTable[0].number = 1;
                                                       c.knpTable[20].number = 21;
                                                       c.knpTable[39].number = 96;
                                                   }},
                                         CrossCase{"Largest",
                                                   [](Config& c) {
                                                       for (int n = 1; n <= JoystickAxisCount; ++n)
                                                           SetAxis(c, n, n, 6);
                                                       c.hats[0] = Hat{true, {1, 2, 3, 4}};
                                                       c.hats[1] = Hat{true, {5, 6, 7, 8}};
                                                       for (int r = 0; r < LogicalButtonCount; ++r)
                                                           c.knpTable[r].number = r + 10;
                                                   }}),
                         [](const testing::TestParamInfo<CrossCase>& info) {
                             return info.param.name;
                         });

TEST(CrossCheck, ConfigurationInterfaceDeclaresItsFeatureReports) {
    Parsed parsed(ConfigInterfaceDescriptor());
    ASSERT_EQ(parsed.status, HIDP_STATUS_SUCCESS);
    ASSERT_EQ(parsed.collections.size(), 1u);
    HIDP_CAPS caps{};
    ASSERT_EQ(HidP_GetCaps(parsed.collections[0], &caps), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(caps.UsagePage, 0xFF00);
    EXPECT_EQ(caps.Usage, 1);
    EXPECT_EQ(caps.FeatureReportByteLength, AxisReportLength);
    EXPECT_EQ(caps.InputReportByteLength, 0);
}

} // namespace
