#pragma once
// The controller's command and LED reports as byte images: report 7 written as a command and
// report 8 for the LED colours.

#include <array>
#include <cstdint>

constexpr std::uint8_t CommandReportId = 7;
constexpr int CommandReportLength = 170; // including the id byte
constexpr std::uint8_t LedReportId = 8;
constexpr int LedReportLength = 6;
constexpr int LedCount = 10;

enum class ControllerCommand : std::uint8_t { Restart = 0, Bootloader = 1, ResetConfiguration = 2 };

using CommandReport = std::array<std::uint8_t, CommandReportLength>;
using LedReport = std::array<std::uint8_t, LedReportLength>;

// Byte 0 = 7, byte 1 = the command, the rest zero.
CommandReport MakeCommandReport(ControllerCommand command);

// Sets LED led (1..10) to rgb ($00BBGGRR): 8, led, red, green, blue, 0.
LedReport MakeLedSetReport(int led, std::uint32_t rgb);

// Selects LED led (1..10) for the next read: 8, 10 + led, 0, 0, 0, 0.
LedReport MakeLedSelectReport(int led);

// The colour ($00BBGGRR) a report 8 read returned in bytes 2..4.
std::uint32_t LedColorOf(const LedReport& report);
