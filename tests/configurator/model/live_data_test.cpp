#include "configurator/model/controller_reports.h"
#include "configurator/model/live_data.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(LiveData, DecodesTheLayout) {
    std::vector<std::uint8_t> report(LiveDataReportLength, 0);
    report[0] = 7;
    report[1] = 3;
    report[2] = 1, report[3] = 2, report[4] = 3;
    report[5] = 0x34, report[6] = 0x12;     // raw axis 1
    report[23] = 0xFF, report[24] = 0xFF;   // raw axis 10
    report[25] = 1;                         // input 1 pressed
    report[120] = 3;                        // input 96, bit 0 set
    report[119] = 2;                        // input 95, bit 0 clear
    report[121] = 0x00, report[122] = 0x40; // axis 1 output
    report[141] = 5;                        // first debug word
    report[147] = 0x01, report[148] = 0x80; // fourth debug word
    report[149] = 7, report[158] = 200;     // error counters 1 and 10
    const LiveData live = DecodeLiveData(report.data(), report.size());
    EXPECT_EQ(live.board, 3);
    EXPECT_EQ(UptimeText(live), QStringLiteral("1:2:3"));
    EXPECT_EQ(live.rawValues[0], 4660);
    EXPECT_EQ(live.rawValues[9], 65535);
    EXPECT_TRUE(live.buttons[0]);
    EXPECT_TRUE(live.buttons[95]);
    EXPECT_FALSE(live.buttons[94]);
    EXPECT_EQ(live.axisValues[0], 0x4000);
    EXPECT_EQ(live.debugWords[0], 5);
    EXPECT_EQ(live.debugWords[3], 0x8001);
    EXPECT_EQ(live.errorCounters[0], 7);
    EXPECT_EQ(live.errorCounters[9], 200);
    EXPECT_EQ(DebugLineText(live), QStringLiteral("d[5] b[0000000000000101]   d[0] "
                                                  "b[0000000000000000]   d[0] "
                                                  "b[0000000000000000]   d[32769] "
                                                  "b[1000000000000001]"));
    EXPECT_EQ(BoardMcuName(live.board), QStringLiteral("AT90USB1286"));
}

TEST(LiveData, ShortReadLeavesTheRestZero) {
    const std::uint8_t report[] = {7, 1, 9, 9};
    const LiveData live = DecodeLiveData(report, 3);
    EXPECT_EQ(live.board, 1);
    EXPECT_EQ(live.uptime, (std::array<int, 3>{9, 0, 0}));
    EXPECT_EQ(DecodeLiveData(nullptr, 0), LiveData{});
}

TEST(LiveData, EncodeDecodeRoundTrip) {
    LiveData live;
    live.board = 2;
    live.uptime = {4, 5, 6};
    for (int i = 0; i < LiveAxisCount; ++i) {
        live.rawValues[i] = 1000 + i;
        live.axisValues[i] = 16383 - i;
        live.errorCounters[i] = i;
    }
    live.buttons[41] = true;
    live.debugWords = {1, 2, 3, 65535};
    std::vector<std::uint8_t> report(LiveDataReportLength, 0xEE);
    EncodeLiveData(live, report.data());
    EXPECT_EQ(report[0], LiveDataReportId);
    EXPECT_EQ(report[169], 0);
    EXPECT_EQ(DecodeLiveData(report.data(), report.size()), live);
}

TEST(LiveData, BoardNames) {
    EXPECT_EQ(BoardMcuName(1), QStringLiteral("ATmega32U4"));
    EXPECT_EQ(BoardMcuName(2), QStringLiteral("AT90USB646"));
    EXPECT_TRUE(BoardMcuName(0).isEmpty());
    EXPECT_TRUE(BoardMcuName(4).isEmpty());
}

TEST(ControllerReports, CommandAndLedBytes) {
    const CommandReport bootloader = MakeCommandReport(ControllerCommand::Bootloader);
    EXPECT_EQ(bootloader[0], 7);
    EXPECT_EQ(bootloader[1], 1);
    EXPECT_EQ(bootloader[169], 0);
    EXPECT_EQ(MakeLedSetReport(4, 0x563412), (LedReport{8, 4, 0x12, 0x34, 0x56, 0}));
    EXPECT_EQ(MakeLedSelectReport(10), (LedReport{8, 20, 0, 0, 0, 0}));
    EXPECT_EQ(LedColorOf(LedReport{8, 14, 0x12, 0x34, 0x56, 0}), 0x563412u);
}

} // namespace
