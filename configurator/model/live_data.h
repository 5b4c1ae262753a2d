#pragma once
// Feature report 7 read as live data: board, uptime, raw sensor values, 96 button states, axis
// outputs, four debug words and ten sensor error counters.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::uint8_t LiveDataReportId = 7;
constexpr int LiveDataReportLength = 170; // including the id byte
constexpr int LiveAxisCount = 10;
constexpr int LiveButtonCount = 96;
constexpr int DebugWordCount = 4;

struct LiveData {
    int board = 0; // 0 none (or a failed read), 1 ATmega32U4, 2 AT90USB646, 3 AT90USB1286
    std::array<int, 3> uptime{};
    std::array<int, LiveAxisCount> rawValues{};
    std::array<bool, LiveButtonCount> buttons{}; // input k (1..96) at k - 1; true = pressed
    std::array<int, LiveAxisCount> axisValues{};
    std::array<int, DebugWordCount> debugWords{};
    std::array<int, LiveAxisCount> errorCounters{};

    bool operator==(const LiveData&) const = default;
};

// Decodes a report 7 buffer of size bytes (byte 0 the id, not checked). Bytes past size read as
// zero, so a short or failed read gives board 0.
LiveData DecodeLiveData(const std::uint8_t* data, std::size_t size);

// Fills out (LiveDataReportLength bytes) with the report for data; values are cut to their
// field's width.
void EncodeLiveData(const LiveData& data, std::uint8_t* out);

// joy_uptime: the three counters as "a:b:c".
QString UptimeText(const LiveData& data);

// The debug line: "d[w] b[16 binary digits]" per word, joined by "]   ", closed by "]".
QString DebugLineText(const LiveData& data);

// joy_hardware_mcu: "ATmega32U4", "AT90USB646", "AT90USB1286" for boards 1..3, else empty.
QString BoardMcuName(int board);
