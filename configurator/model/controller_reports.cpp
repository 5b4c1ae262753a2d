#include "configurator/model/controller_reports.h"

namespace {

constexpr int LedSelectBase = 10;

} // namespace

CommandReport MakeCommandReport(ControllerCommand command) {
    CommandReport report{};
    report[0] = CommandReportId;
    report[1] = std::uint8_t(command);
    return report;
}

LedReport MakeLedSetReport(int led, std::uint32_t rgb) {
    return {LedReportId,
            std::uint8_t(led),
            std::uint8_t(rgb & 0xFF),
            std::uint8_t((rgb >> 8) & 0xFF),
            std::uint8_t((rgb >> 16) & 0xFF),
            0};
}

LedReport MakeLedSelectReport(int led) {
    return {LedReportId, std::uint8_t(LedSelectBase + led), 0, 0, 0, 0};
}

std::uint32_t LedColorOf(const LedReport& report) {
    return report[2] | (report[3] << 8) | (std::uint32_t(report[4]) << 16);
}
