#pragma once
// Compares two configurations part by part, so a failure names the part that differs.

#include "configurator/model/config.h"

#include <gtest/gtest.h>

inline void ExpectSameConfig(const Config& actual, const Config& expected) {
    for (int n = 0; n < AxisRowCount; ++n)
        EXPECT_EQ(actual.axes[n], expected.axes[n]) << "axis row " << n + 1;
    for (int s = 0; s < SlotCount; ++s)
        EXPECT_EQ(actual.specialFunctions[s], expected.specialFunctions[s]) << "slot " << s + 1;
    EXPECT_EQ(actual.hats, expected.hats);
    EXPECT_EQ(actual.matrixRows, expected.matrixRows);
    EXPECT_EQ(actual.matrixColumns, expected.matrixColumns);
    EXPECT_EQ(actual.knpTable, expected.knpTable);
    EXPECT_EQ(actual.kbMsTable, expected.kbMsTable);
    EXPECT_EQ(actual.shiftButtons, expected.shiftButtons);
    EXPECT_EQ(actual.buttonTimers, expected.buttonTimers);
    EXPECT_EQ(actual.encoders, expected.encoders);
    EXPECT_EQ(actual.shiftRegisters, expected.shiftRegisters);
    EXPECT_EQ(actual.axisButtonRanges, expected.axisButtonRanges);
    EXPECT_EQ(actual.pollInterval, expected.pollInterval);
    EXPECT_EQ(actual.ledPort, expected.ledPort);
    EXPECT_EQ(actual.ledColorInit, expected.ledColorInit);
    EXPECT_EQ(actual.identity, expected.identity);
}
