#include "configurator/stats/joy_statistics.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Widths = std::array<int, StatAxisCount>;

void feed(JoyStatistics& s, int id, const std::vector<std::uint8_t>& bytes, const Widths& widths) {
    s.HIDDeviceData(id, bytes.data(), bytes.size(), widths);
}

} // namespace

TEST(JoyStatistics, FieldsAreReadLeastSignificantBitFirstAcrossBytes) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Widths widths;
        std::vector<int> values; // axes 1.. in order
    } cases[] = {
        {"one 8-bit field", {0xA5}, {8}, {0xA5}},
        {"one 14-bit field", {0xFF, 0x3F, 0xFF}, {14}, {0x3FFF}},
        {"two 10-bit fields", {0x55, 0xA9, 0x0A}, {10, 10}, {0x155, 0x2AA}},
        {"12 then 9 bits", {0x34, 0x12, 0x1F}, {12, 9}, {0x234, 0x1F1}},
        {"axes without source are skipped", {0x01, 0x02}, {8, 0, 8}, {1, -1, 2}},
        {"every width 8..14",
         {0xFF, 0x7F, 0x00, 0xF8, 0xFF, 0x1F, 0x00, 0x80, 0xFF, 0x1F},
         {8, 9, 10, 11, 12, 13, 14},
         {0xFF, 0x7F, 0x000, 0x7FF, 0x7F, 0x0000, 0x3FFF}},
    };
    for (const auto& c : cases) {
        JoyStatistics s;
        feed(s, 1, c.bytes, c.widths);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            const std::optional<int> expected =
                c.values[i] < 0 ? std::nullopt : std::optional<int>(c.values[i]);
            EXPECT_EQ(s.Axis(static_cast<int>(i) + 1).Raw, expected) << c.name << " axis " << i + 1;
        }
    }
}

TEST(JoyStatistics, BitsPastTheReportReadAsZero) {
    JoyStatistics s;
    const std::vector<std::uint8_t> longReport(200, 0xFF);
    feed(s, 2, longReport, {});
    for (std::size_t i = 0; i < InputReportBufferSize; ++i)
        ASSERT_EQ(s.ExtractRawData(8), 0xFF);
    EXPECT_EQ(s.ExtractRawData(14), 0);
}

TEST(JoyStatistics, AShorterReportLeavesNothingOfTheLastOne) {
    JoyStatistics s;
    feed(s, 1, {0xFF, 0xFF}, {14});
    feed(s, 1, {0x01}, {14});
    EXPECT_EQ(s.Axis(1).Raw, 1);
}

TEST(JoyStatistics, OnlyReportOneIsCountedAndDecoded) {
    JoyStatistics s;
    feed(s, 2, {0x10}, {8});
    EXPECT_EQ(s.ReportCounter(), 0);
    EXPECT_FALSE(s.Axis(1).Raw);
    EXPECT_EQ(s.ExtractRawData(8), 0x10); // but it was copied
    feed(s, 1, {0x10}, {});
    EXPECT_EQ(s.ReportCounter(), 1);
    EXPECT_FALSE(s.Axis(1).Raw);
}

TEST(JoyStatistics, FirstValueAfterAResetStartsMinMaxAndStepFromNothing) {
    JoyStatistics s;
    feed(s, 1, {40}, {8});
    feed(s, 1, {90}, {8});
    s.JoyStatResetClick();
    EXPECT_EQ(JoyStatistics::Text(s.Axis(1).Min), QStringLiteral("x"));
    feed(s, 1, {70}, {8});
    EXPECT_EQ(s.Axis(1).Min, 70);
    EXPECT_EQ(s.Axis(1).Max, 70);
    EXPECT_EQ(s.Axis(1).Step, 70); // the previous "x" counts as 0
    feed(s, 1, {50}, {8});
    feed(s, 1, {80}, {8});
    EXPECT_EQ(s.Axis(1).Min, 50);
    EXPECT_EQ(s.Axis(1).Max, 80);
    EXPECT_EQ(s.Axis(1).Step, 30);
}

TEST(JoyStatistics, RatesCountReportsAndChangesSinceTheLastTick) {
    JoyStatistics s;
    for (const std::uint8_t v : {5, 5, 6, 6, 7})
        feed(s, 1, {v, 9}, {8, 8});
    s.JoyStatResetClick(); // the counters keep counting
    const StatRates first = s.TmrPerSecondTimer();
    EXPECT_EQ(first.ReportsPerSecond, 5);
    EXPECT_EQ(first.ChangesPerSecond[0], 3); // 0 -> 5, 5 -> 6, 6 -> 7
    EXPECT_EQ(first.ChangesPerSecond[1], 1);
    EXPECT_EQ(s.Axis(1).Fps, 3);
    const StatRates second = s.TmrPerSecondTimer();
    EXPECT_EQ(second.ReportsPerSecond, 0);
    EXPECT_EQ(second.ChangesPerSecond[0], 0);
}
