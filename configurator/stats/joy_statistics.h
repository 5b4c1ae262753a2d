#pragma once
// What the statistics page counts from the joystick's input reports: reports per second and,
// for axes 1..8, the last decoded value, its minimum, maximum, last step and changes per second.
// Input report 1 carries the configured axes one after the other from bit 0 of its first data
// byte, each field least significant bit first.

#include "configurator/model/config.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

constexpr int StatAxisCount = 8;
// Bytes of an input report's data kept for decoding; longer reports are cut.
constexpr std::size_t InputReportBufferSize = 104;

// Field width of an axis row in input report 1: 8 to 14 bits by precision, 0 without a source.
int StatFieldWidth(const AxisRow& row);
// Field widths of axes 1..8 in input report 1 as the configuration lays them out.
std::array<int, StatAxisCount> StatFieldWidths(const Config& config);

// One axis's figures; an empty value is shown as "x" (nothing since the last reset).
struct AxisStatistics {
    std::optional<int> Raw;
    std::optional<int> Min;
    std::optional<int> Max;
    std::optional<int> Step;
    std::optional<int> Fps;
};

// Per-second figures handed to the page by the rate timer.
struct StatRates {
    int ReportsPerSecond = 0;
    std::array<int, StatAxisCount> ChangesPerSecond{};
};

class JoyStatistics {
public:
    // One input report (data = the bytes after the report id). fieldWidths[i] is the width of
    // axis i + 1's field, 0 for an axis without a source. Every report is copied; only id 1 is
    // counted and decoded. The caller passes only reports of the selected joystick interface.
    void HIDDeviceData(int reportId, const std::uint8_t* data, std::size_t size,
                       const std::array<int, StatAxisCount>& fieldWidths);
    // The next count bits of the report (count 0..31); bits past the report read as 0.
    int ExtractRawData(int count);
    // The counts since the last tick; each axis's rate shows them; the counters start again.
    StatRates TmrPerSecondTimer();
    // Every figure of every axis back to "x"; the counters keep counting.
    void JoyStatResetClick();

    // Axis 1..8.
    const AxisStatistics& Axis(int axis) const;
    int ReportCounter() const { return FReportCounter; }

    // The text a statistics edit shows for a figure.
    static QString Text(const std::optional<int>& figure);

private:
    std::array<std::uint8_t, InputReportBufferSize> FInputReportBuffer{};
    std::size_t FByteIndex = 0;
    int FBitIndex = 0;
    int FReportCounter = 0;
    std::array<int, StatAxisCount> FAxisChangeCounters{};
    std::array<AxisStatistics, StatAxisCount> FAxes{};
};
