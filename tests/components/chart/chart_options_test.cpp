#include "components/chart/chart_options.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct CountingOwner : TWkChartOptionsOwner {
    int changes = 0;
    int legendRebuilds = 0;
    int repaints = 0;
    void OptionsChanged() override { ++changes; }
    void RebuildYLegends() override { ++legendRebuilds; }
    void RepaintChart() override { ++repaints; }
};

} // namespace

TEST(ChartYAxis, UnchangedOrNaNRangeIsIgnored) {
    CountingOwner owner;
    TWkChartOptions options(&owner);
    TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    axis.SetYMax(100);
    ASSERT_EQ(owner.changes, 1);
    axis.SetYMax(100);
    axis.SetYMax(std::numeric_limits<double>::quiet_NaN());
    axis.SetYMin(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(owner.changes, 1);
    EXPECT_EQ(axis.YMax(), 100);
}

TEST(ChartYAxis, NormalizeWidensAnEmptyRangeAndLimitsTheDivisions) {
    const struct {
        double min, max;
        int divisions;
        double expectedMax;
        int expectedDivisions;
    } cases[] = {
        {5, 5, 10, 15, 10},    {5, 5.000001, 10, 15, 10}, {0, 100, 3, 100, 5},
        {0, 100, 40, 100, 20}, {0, 100, 0, 100, 20}, // none: the default count
    };
    for (const auto& c : cases) {
        TWkChartOptions options;
        options.YEnd = 101;
        TWkChartYAxisOptions& axis = options.PrimaryYAxis();
        axis.SetYMin(c.min);
        axis.SetYMax(c.max);
        axis.SetYDivisions(c.divisions);
        axis.Normalize();
        EXPECT_EQ(axis.YMax(), c.expectedMax) << c.min << ".." << c.max;
        EXPECT_EQ(axis.YDivisions(), c.expectedDivisions) << c.divisions;
        EXPECT_DOUBLE_EQ(axis.YGap, (axis.YMax() - axis.YMin()) / axis.YDivisions());
        EXPECT_DOUBLE_EQ(axis.YPixelGap, 100.0 / axis.YDivisions());
    }
}

TEST(ChartYAxis, RangeChangeWithLegendsRebuildsThem) {
    CountingOwner owner;
    TWkChartOptions options(&owner);
    TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    axis.SetYMax(50);
    EXPECT_EQ(owner.legendRebuilds, 0);
    axis.YLegendsList() = QStringList{"0", "50"};
    axis.SetYMin(10);
    EXPECT_EQ(owner.legendRebuilds, 1);
    EXPECT_TRUE(axis.YLegends().isEmpty());
}

TEST(ChartOptions, PenCountAndPenColourStayWithinNinetyNine) {
    CountingOwner owner;
    TWkChartOptions options(&owner);
    EXPECT_THROW(options.SetPenCount(100), ERangeError);
    EXPECT_THROW(options.SetPenCount(-1), ERangeError);
    EXPECT_EQ(options.PenCount(), 1);
    EXPECT_EQ(owner.changes, 0);
    options.SetPenCount(99);
    EXPECT_EQ(options.PenCount(), 99);
    EXPECT_EQ(owner.changes, 1);
    try {
        options.SetPenColor(100, clRed);
        ADD_FAILURE() << "no error";
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "WkChart.Options.PenCount - PenCount out of range");
    }
    options.SetPenColor(99, clRed);
    EXPECT_EQ(options.PenColor(99), clRed);
    EXPECT_EQ(owner.changes, 1);
}

TEST(ChartOptions, PenColoursBeyondTheTableRepeatIt) {
    TWkChartOptions options;
    EXPECT_EQ(options.PenColor(0), 0x00FF00);
    EXPECT_EQ(options.PenColor(1), 0x0000FF);
    EXPECT_EQ(options.PenColor(2), 0xFF0000);
    EXPECT_EQ(options.PenColor(12), options.PenColor(0));
    EXPECT_EQ(options.PenColor(50), options.PenColor(2));
}

TEST(ChartOptions, ColourLookupByIndex) {
    TWkChartOptions options;
    options.SetPenColor(3, clTeal);
    const struct {
        int index;
        TColor expected;
    } cases[] = {{3, clTeal},    {-1, 0xFFFFFF}, {-2, 0xDDFBFA}, {-3, 0x000000},
                 {-4, 0xC0C0C0}, {-5, 0xC0C0C0}, {-6, 0xEEDDDD}, {-7, clBtnFace}};
    for (const auto& c : cases)
        EXPECT_EQ(options.ColorByIndex(c.index), c.expected) << c.index;
}

TEST(ChartOptions, PerPenSettingsReadAsDefaultsOutsideTheirTables) {
    TWkChartOptions options;
    EXPECT_EQ(options.PenStyle(40), psSolid);
    EXPECT_EQ(options.PenMarkerKind(-3), pmkNone);
    EXPECT_FALSE(options.PenSecondaryAxisFlag(7));
    options.SetPenSecondaryAxisFlag(7, true);
    EXPECT_EQ(&options.YAxisOfPen(7), &options.SecondaryYAxis());
    EXPECT_EQ(&options.YAxisOfPen(6), &options.PrimaryYAxis());
}

TEST(ChartOptions, AverageValuesRefuseNegativeIndexes) {
    TWkChartOptions options;
    EXPECT_THROW(options.AverageValue(-1), ERangeError);
    EXPECT_THROW(options.SetAverageValue(-1, 1), ERangeError);
    EXPECT_EQ(options.AverageValue(500), 0);
    options.SetAverageValue(500, 4);
    EXPECT_EQ(options.AverageValue(500), 4);
}

TEST(ChartOptions, PaperColourRepaintsOnlyOnChange) {
    CountingOwner owner;
    TWkChartOptions options(&owner);
    options.SetPaperColor(0xFFFFFF);
    EXPECT_EQ(owner.repaints, 0);
    options.SetPaperColor(clCream);
    EXPECT_EQ(owner.repaints, 1);
}
