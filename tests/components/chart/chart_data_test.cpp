#include "components/chart/chart_data.h"
#include "components/chart/chart_types.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(ChartData, FreshStoreHoldsRoomForOneHundredRowsOfSixteenPens) {
    const TWkChartData data;
    EXPECT_EQ(data.DataAlloc(), 2641);
    EXPECT_EQ(data.ValueCount(), 0);
    EXPECT_EQ(data.PenCount(), 16);
    EXPECT_EQ(data.Value(15, 100), 0);
}

TEST(ChartData, WritesGrowTheStoreOnlyWhenTheyNeedTo) {
    const struct {
        int pens, pen, index;
        int alloc, valueCount;
    } cases[] = {
        {2, 1, 499, 2641, 500},   {2, 0, 4095, 9217, 4096},
        {16, 15, 100, 2641, 101}, {16, 0, 165, 16 * 166 + 1025, 166},
        {1, 0, 0, 2641, 1},
    };
    for (const auto& c : cases) {
        TWkChartData data;
        data.SetPenCount(c.pens);
        data.SetValue(c.pen, c.index, 7.5);
        EXPECT_EQ(data.DataAlloc(), c.alloc) << c.pens << "/" << c.index;
        EXPECT_EQ(data.ValueCount(), c.valueCount);
        EXPECT_EQ(data.Value(c.pen, c.index), 7.5);
    }
}

TEST(ChartData, ReadingBeyondTheStoreNeverGrowsIt) {
    TWkChartData data;
    data.SetClearToValue(-1);
    EXPECT_EQ(data.Value(3, 5000), -1);
    EXPECT_EQ(data.DataAlloc(), 2641);
    EXPECT_EQ(data.ValueCount(), 0);
}

TEST(ChartData, BadIndexesRaiseAndLeaveTheStoreAlone) {
    const struct {
        const char* name;
        int pen, index;
        const char* message;
    } cases[] = {
        {"pen equal to the pen count", 2, 0, "Data: pen index invalid/out of range."},
        {"negative pen", -1, 0, "Data: pen index invalid/out of range."},
        {"negative value index", 0, -1, "Data: index too large. Probably an internal error"},
        {"flat index past the limit", 1, 6'000'000,
         "Data: index too large. Probably an internal error"},
        {"flat index that would overflow 32 bits", 0, 1'500'000'000,
         "Data: index too large. Probably an internal error"},
    };
    for (const auto& c : cases) {
        TWkChartData data;
        data.SetPenCount(2);
        data.SetValue(0, 3, 1.0);
        try {
            data.SetValue(c.pen, c.index, 9);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ERangeError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
        EXPECT_EQ(data.DataAlloc(), 2641) << c.name;
        EXPECT_EQ(data.ValueCount(), 4) << c.name;
    }
}

TEST(ChartData, PreGrowRefusesAStorePastTheLimitBeforeChangingIt) {
    const struct {
        const char* name;
        int pen, index;
    } cases[] = {
        {"row wider than the limit", 20'000'000, 0},
        {"wider row pushes the last value past the limit", 1000, 12'000},
        {"negative value index", 32, -1},
    };
    for (const auto& c : cases) {
        TWkChartData data;
        EXPECT_THROW(data.PreGrow(c.pen, c.index), ERangeError) << c.name;
        EXPECT_EQ(data.PenCount(), 16) << c.name;
        EXPECT_EQ(data.DataAlloc(), 2641) << c.name;
    }
    TWkChartData data;
    data.PreGrow(1000, 100);
    EXPECT_EQ(data.PenCount(), 1000);
    data.SetValue(999, 100, 4);
    EXPECT_EQ(data.Value(999, 100), 4);
}

TEST(ChartData, ReadingAPenOutsideTheRowIsAGap) {
    TWkChartData data;
    data.SetPenCount(2);
    EXPECT_TRUE(std::isnan(data.Value(2, 0)));
    EXPECT_TRUE(std::isnan(data.Value(-1, 0)));
    EXPECT_THROW(data.Value(0, 7'000'000), ERangeError);
}

TEST(ChartData, ClearKeepsTheValueCount) {
    TWkChartData data;
    data.SetPenCount(2);
    data.SetValue(1, 10, 5);
    data.SetClearToValue(3);
    data.Clear();
    EXPECT_EQ(data.Value(1, 10), 3);
    EXPECT_EQ(data.Value(0, 2000), 3);
    EXPECT_EQ(data.ValueCount(), 11);
}

TEST(ChartData, ScrollMovesRowsDownAndClearsTheLast) {
    TWkChartData data;
    data.SetPenCount(2);
    for (int v = 0; v < 5; ++v) {
        data.SetValue(0, v, v);
        data.SetValue(1, v, 10 + v);
    }
    data.Scroll();
    EXPECT_EQ(data.Value(0, 0), 1);
    EXPECT_EQ(data.Value(1, 3), 14);
    EXPECT_EQ(data.Value(0, 4), 0);
    EXPECT_EQ(data.Value(1, 4), 0);
}

TEST(ChartData, ScrollStaysInsideTheStore) {
    TWkChartData data;
    data.SetPenCount(2);
    data.SetValue(0, 0, 1);
    data.SetValueCount(1'000'000);
    data.Scroll();
    EXPECT_EQ(data.DataAlloc(), 2641);
    data.SetValue(1, 3, 2);
    EXPECT_EQ(data.Value(1, 3), 2);
}

TEST(ChartData, ScrollOfAShortStoreEmptiesIt) {
    TWkChartData data;
    data.SetPenCount(4);
    data.SetValue(3, 2, 8);
    data.Scroll();
    EXPECT_EQ(data.Value(3, 2), 0);
    EXPECT_EQ(data.PenCount(), 4);
    data.SetValue(3, 2, 9);
    EXPECT_EQ(data.Value(3, 2), 9);
}

TEST(ChartData, DebugStringListsEveryPen) {
    TWkChartData data;
    data.SetPenCount(3);
    data.SetValue(2, 0, 3.14159);
    data.SetValue(1, 0, std::nan(""));
    EXPECT_EQ(data.DebugStr(0), QStringLiteral(" 0.00, -,  3.14"));
    EXPECT_EQ(data.DebugStr(100'000), QString());
}
