#include "configurator/model/descriptor_builder.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void SetAxis(Config& c, int n, int usage, int precision) {
    c.axes[n - 1].source = 2;
    c.axes[n - 1].usage = usage;
    c.axes[n - 1].precision = precision;
}

struct DescriptorCase {
    const char* name;
    std::function<void(Config&)> setup;
    Bytes bytes;
    int bitCount;
    int inputReportLength;
    int padBits;
};

void PrintTo(const DescriptorCase& c, std::ostream* os) {
    *os << c.name;
}

const Bytes Header = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01};
const Bytes HatBlock = {0x09, 0x39, 0x35, 0x00, 0x46, 0x3B, 0x01, 0x15, 0x00,
                        0x25, 0x07, 0x65, 0x14, 0x95, 0x01, 0x75, 0x04};

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class DescriptorVectors : public testing::TestWithParam<DescriptorCase> {};

TEST_P(DescriptorVectors, BytesAndLengths) {
    const DescriptorCase& c = GetParam();
    Config config;
    c.setup(config);
    const JoystickDescriptor d = BuildJoystickDescriptor(config);
    EXPECT_EQ(d.bytes, c.bytes);
    EXPECT_EQ(d.bitCount, c.bitCount);
    EXPECT_EQ(d.inputReportLength, c.inputReportLength);
    EXPECT_EQ(d.padBits, c.padBits);
    EXPECT_EQ(d.debugLines.size(), HidDebugLineCount);
    EXPECT_FALSE(d.exceedsLimit());
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, DescriptorVectors,
    testing::Values(
        DescriptorCase{"Empty", [](Config&) {}, {}, 0, 0, 0},
        DescriptorCase{"MouseAxesOnly",
                       [](Config& c) {
                           c.axes[8].source = 2;
                           c.axes[9].source = 2;
                       },
                       {},
                       0,
                       0,
                       0},
        DescriptorCase{"X10Bits",
                       [](Config& c) { SetAxis(c, 1, 1, 2); },
                       {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x15, 0x00, 0x26,
                        0xFF, 0x03, 0x95, 0x01, 0x75, 0x0A, 0x09, 0x30, 0x81, 0x02, 0x15,
                        0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x06, 0x81, 0x03, 0xC0},
                       18,
                       3,
                       6},
        DescriptorCase{"ButtonsOnly8",
                       [](Config& c) { c.knpTable[7].number = 5; },
                       {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x05,
                        0x09, 0x15, 0x00, 0x25, 0x01, 0x19, 0x01, 0x29, 0x08,
                        0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0},
                       16,
                       2,
                       0},
        DescriptorCase{"XRudderHat",
                       [](Config& c) {
                           SetAxis(c, 1, 1, 0);
                           SetAxis(c, 3, 10, 0);
                           c.hats[0].on = true;
                       },
                       Join({Header,
                             {0x15, 0x00, 0x26, 0xFF, 0x00, 0x95, 0x01, 0x75, 0x08, 0x09, 0x30,
                              0x81, 0x02},
                             {0x15, 0x00, 0x26, 0xFF, 0x00, 0x95, 0x01, 0x75, 0x08, 0x05, 0x02,
                              0x09, 0xBA, 0x81, 0x02},
                             {0x05, 0x01},
                             HatBlock,
                             {0x81, 0x02},
                             {0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x04, 0x81, 0x03, 0xC0}}),
                       28,
                       4,
                       4},
        DescriptorCase{"OnlyHat2",
                       [](Config& c) { c.hats[1].on = true; },
                       Join({Header,
                             HatBlock,
                             {0x09, 0x39, 0x81, 0x02},
                             {0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x04, 0x81, 0x03, 0xC0}}),
                       12,
                       2,
                       4},
        DescriptorCase{"Rows1And40Mapped",
                       [](Config& c) {
                           c.knpTable[0].number = 1;
                           c.knpTable[39].number = 96;
                       },
                       Join({Header,
                             {0x05, 0x09, 0x15, 0x00, 0x25, 0x01, 0x19, 0x01, 0x29, 40, 0x75,
                              0x01, 0x95, 40, 0x81, 0x02, 0xC0}}),
                       48,
                       6,
                       0},
        DescriptorCase{"PaddingAfterButtonsReturnsToDesktopPage",
                       [](Config& c) { c.knpTable[0].number = 3; },
                       Join({Header,
                             {0x05, 0x09, 0x15, 0x00, 0x25, 0x01, 0x19, 0x01, 0x29, 1, 0x75,
                              0x01, 0x95, 1, 0x81, 0x02},
                             {0x05, 0x01, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x07, 0x81,
                              0x03, 0xC0}}),
                       9,
                       2,
                       7},
        DescriptorCase{"SimulationAxisThenButtons",
                       [](Config& c) {
                           SetAxis(c, 2, 11, 6);
                           c.knpTable[1].number = 7;
                       },
                       Join({Header,
                             {0x15, 0x00, 0x26, 0xFF, 0x3F, 0x95, 0x01, 0x75, 0x0E, 0x05, 0x02,
                              0x09, 0xBB, 0x81, 0x02},
                             {0x05, 0x09, 0x15, 0x00, 0x25, 0x01, 0x19, 0x01, 0x29, 2, 0x75,
                              0x01, 0x95, 2, 0x81, 0x02, 0xC0}}),
                       24,
                       3,
                       0}),
    [](const testing::TestParamInfo<DescriptorCase>& info) { return info.param.name; });

TEST(DescriptorBuilder, LargestConfigurationCountsEveryField) {
    Config config;
    for (int n = 1; n <= JoystickAxisCount; ++n)
        SetAxis(config, n, n, 6);
    config.hats[0].on = config.hats[1].on = true;
    config.knpTable[63].number = 1;
    const JoystickDescriptor d = BuildJoystickDescriptor(config);
    EXPECT_EQ(d.bitCount, 8 * 14 + 2 * 4 + 64 + 8);
    EXPECT_EQ(d.inputReportLength, 24);
    EXPECT_EQ(d.padBits, 0);
    EXPECT_EQ(d.bytes.size(), 152u);
    EXPECT_EQ(d.bytes.back(), 0xC0);
}

TEST(DescriptorBuilder, WorstCaseStaysWithinTheLimit) {
    Config config;
    // Alternating pages force a page item before every axis.
    for (int n = 1; n <= JoystickAxisCount; ++n)
        SetAxis(config, n, n % 2 ? 10 + n / 2 % 4 : 1 + n / 2, 6);
    config.hats[0].on = config.hats[1].on = true;
    config.knpTable[62].number = 1;
    const JoystickDescriptor d = BuildJoystickDescriptor(config);
    EXPECT_EQ(d.padBits, 1);
    EXPECT_LE(d.bytes.size(), 184u);
    EXPECT_FALSE(d.exceedsLimit());
}

TEST(DescriptorBuilder, HighestMappedButtonIgnoresGaps) {
    Config config;
    EXPECT_EQ(HighestMappedButton(config), 0);
    config.knpTable[4].number = 9;
    config.knpTable[20].number = 1;
    EXPECT_EQ(HighestMappedButton(config), 21);
    config.knpTable[63].number = 96;
    EXPECT_EQ(HighestMappedButton(config), 64);
}

} // namespace
