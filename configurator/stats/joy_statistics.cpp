#include "configurator/stats/joy_statistics.h"

#include "configurator/model/input_report_layout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int StatFieldWidth(const AxisRow& row) {
    return row.source == SourceNone ? 0 : AxisFieldBits(row);
}

std::array<int, StatAxisCount> StatFieldWidths(const Config& config) {
    std::array<int, StatAxisCount> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = StatFieldWidth(config.axes[i]);
    return widths;
}

void JoyStatistics::HIDDeviceData(int reportId, const std::uint8_t* data, std::size_t size,
                                  const std::array<int, StatAxisCount>& fieldWidths) {
    if (reportId == 1)
        ++FReportCounter;
    FByteIndex = 0;
    FBitIndex = 0;
    // A shorter report must not leave bytes of the previous one behind.
    FInputReportBuffer.fill(0);
    if (data)
        std::memcpy(FInputReportBuffer.data(), data, std::min(size, FInputReportBuffer.size()));
    if (reportId != 1)
        return;
    for (int i = 0; i < StatAxisCount; ++i) {
        if (fieldWidths[i] <= 0)
            continue;
        AxisStatistics& axis = FAxes[i];
        const int old = axis.Raw.value_or(0);
        const int v = ExtractRawData(fieldWidths[i]);
        axis.Raw = v;
        axis.Min = axis.Min ? std::min(*axis.Min, v) : v;
        axis.Max = axis.Max ? std::max(*axis.Max, v) : v;
        if (v != old)
            ++FAxisChangeCounters[i];
        axis.Step = std::abs(v - old);
    }
}

int JoyStatistics::ExtractRawData(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < std::clamp(count, 0, 31); ++i) {
        if (FByteIndex < FInputReportBuffer.size() &&
            (FInputReportBuffer[FByteIndex] >> FBitIndex) & 1)
            value |= 1u << i;
        if (++FBitIndex > 7) {
            FBitIndex = 0;
            ++FByteIndex;
        }
    }
    return static_cast<int>(value);
}

StatRates JoyStatistics::TmrPerSecondTimer() {
    StatRates rates;
    rates.ReportsPerSecond = FReportCounter;
    FReportCounter = 0;
    for (int i = 0; i < StatAxisCount; ++i) {
        rates.ChangesPerSecond[i] = FAxisChangeCounters[i];
        FAxes[i].Fps = FAxisChangeCounters[i];
        FAxisChangeCounters[i] = 0;
    }
    return rates;
}

void JoyStatistics::JoyStatResetClick() {
    FAxes.fill(AxisStatistics{});
}

const AxisStatistics& JoyStatistics::Axis(int axis) const {
    return FAxes[static_cast<std::size_t>(std::clamp(axis, 1, StatAxisCount) - 1)];
}

QString JoyStatistics::Text(const std::optional<int>& figure) {
    return figure ? QString::number(*figure) : QStringLiteral("x");
}
