// Figures for the paths that run often: the 10 ms live chart step, the configuration codec run on
// every read, write and save, and the parse of a generated descriptor. Prints; asserts nothing.
#include "components/chart/chart.h"
#include "configurator/model/config.h"
#include "configurator/model/descriptor_builder.h"
#include "configurator/model/report_codec.h"
#include "configurator/stats/joy_statistics.h"
#include "configurator/stats/live_chart.h"
#include "platform/hidparser/hidpi.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Eight 14-bit sensor axes: the largest input report the controller sends.
Config LargestConfig() {
    Config config = DefaultConfig();
    for (int row = 0; row < 8; ++row)
        config.axes[row] = {.source = 2, .port = row + 1, .usage = row + 1, .precision = 6};
    return config;
}

void LiveChartStep(benchmark::State& state) {
    TWkChart chart;
    chart.resize(1100, 300);
    chart.show();
    chart.Options().SetPenCount(2);
    chart.Data().SetValueCount(500);
    JoyStatistics statistics;
    const auto widths = StatFieldWidths(LargestConfig());
    std::uint8_t report[14] = {};
    LiveChartFeed feed;
    for (auto _ : state) {
        ++report[0];
        statistics.HIDDeviceData(1, report, sizeof report, widths);
        feed.Tick(chart, statistics, 1, 2);
    }
}
BENCHMARK(LiveChartStep)->Unit(benchmark::kMicrosecond);

void EncodeConfiguration(benchmark::State& state) {
    const Config config = LargestConfig();
    for (auto _ : state)
        benchmark::DoNotOptimize(ConfigToReport(config));
}
BENCHMARK(EncodeConfiguration)->Unit(benchmark::kMicrosecond);

void DecodeConfiguration(benchmark::State& state) {
    const ReportImages images = ConfigToReport(LargestConfig()).images;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportToConfig(images.axis, images.general, images.hid));
}
BENCHMARK(DecodeConfiguration)->Unit(benchmark::kMicrosecond);

void ParseGeneratedDescriptor(benchmark::State& state) {
    const JoystickDescriptor descriptor = BuildJoystickDescriptor(LargestConfig());
    for (auto _ : state) {
        std::vector<PHIDP_PREPARSED_DATA> collections;
        HidParserParse(descriptor.bytes.data(), static_cast<ULONG>(descriptor.bytes.size()),
                       collections);
        for (PHIDP_PREPARSED_DATA data : collections)
            HidParserFree(data);
    }
}
BENCHMARK(ParseGeneratedDescriptor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
