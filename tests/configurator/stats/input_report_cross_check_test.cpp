// The statistics page must read input report 1 the way the generated descriptor lays it out:
// the simulated controller packs a report by the descriptor and the page decodes it.

#include "configurator/model/descriptor_builder.h"
#include "configurator/sim/input_report_packer.h"
#include "configurator/stats/joy_statistics.h"

#include <gtest/gtest.h>

TEST(InputReportCrossCheck, StatisticsDecodeWhatTheControllerPacks) {
    const struct {
        int row; // 1..8
        int precision;
        int value;
    } axes[] = {{1, 2, 1000}, {3, 6, 16000}, {4, 0, 200}, {8, 5, 8191}};
    Config config;
    LiveData live;
    for (const auto& a : axes) {
        AxisRow& row = config.axes[static_cast<std::size_t>(a.row - 1)];
        row.source = 2;
        row.usage = a.row;
        row.precision = a.precision;
        live.axisValues[static_cast<std::size_t>(a.row - 1)] = a.value;
    }
    config.hats[0].on = true;
    const JoystickDescriptor descriptor = BuildJoystickDescriptor(config);
    const std::vector<std::uint8_t> report =
        PackInputReport(descriptor.bytes, config, live, {3, 0});
    ASSERT_GT(report.size(), 1u);

    JoyStatistics stats;
    stats.HIDDeviceData(report[0], report.data() + 1, report.size() - 1, StatFieldWidths(config));
    for (const auto& a : axes)
        EXPECT_EQ(stats.Axis(a.row).Raw, a.value) << "axis " << a.row;
    EXPECT_FALSE(stats.Axis(2).Raw);
    EXPECT_EQ(StatFieldWidths(config), (std::array<int, StatAxisCount>{10, 0, 14, 8, 0, 0, 0, 13}));
}
