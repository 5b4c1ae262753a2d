#include "components/chart/chart_layout.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Options of a chart of the given size with a 0..100 primary axis in ten divisions.
void layOut(TWkChartOptions& options, int width, int height) {
    LayoutPlotArea(options, width, height);
    TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    axis.SetYMax(100);
    axis.SetYDivisions(10);
    axis.Normalize();
}

} // namespace

TEST(ChartLayout, RoundingStopsAtThePixelLimit) {
    const struct {
        double value;
        int rounded, truncated;
    } cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 3},
        {-2.5, -2, -2},
        {189.6, 190, 189},
        {1e12, PixelLimit, PixelLimit},
        {-1e12, -PixelLimit, -PixelLimit},
        {HUGE_VAL, PixelLimit, PixelLimit},
        {-HUGE_VAL, -PixelLimit, -PixelLimit},
        {std::nan(""), -PixelLimit, -PixelLimit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
        EXPECT_EQ(TruncToInt(c.value), c.truncated) << c.value;
    }
}

TEST(ChartLayout, PlotAreaFromThePictureSize) {
    const struct {
        int width, height;
        TWkChartLegend legend;
        int xEnd, yEnd;
    } cases[] = {
        {530, 277, clChartLegendNone, 506, 257}, // 505.5 rounds to even
        {915, 423, clChartLegendNone, 890, 403}, // 890.5 rounds to even
        {300, 300, clChartLegendNone, 276, 280},
        {400, 200, clChartLegendRight, 180, 180}, // 400 - 2 - 67.5 - 150 = 180.5
        {20, 15, clChartLegendNone, 10, 10},
    };
    for (const auto& c : cases) {
        TWkChartOptions options;
        options.Legend = c.legend;
        LayoutPlotArea(options, c.width, c.height);
        EXPECT_EQ(options.XEnd, c.xEnd) << c.width << "x" << c.height;
        EXPECT_EQ(options.YEnd, c.yEnd) << c.width << "x" << c.height;
    }
}

TEST(ChartLayout, FrameOfTheCurveView) {
    TWkChartOptions options;
    layOut(options, 530, 277);
    const TWkChartFrame frame = ComputeFrame(options, 256);
    EXPECT_DOUBLE_EQ(options.PrimaryYAxis().YPixelGap, 25.6);
    EXPECT_DOUBLE_EQ(frame.XPixelGap, 460.0 / 256);
    EXPECT_EQ(frame.XOrigin, 45);
    EXPECT_EQ(frame.YOrigin, 266);
    EXPECT_EQ(frame.XAxisRow, 266);
}

TEST(ChartLayout, PixelRowOfAValue) {
    TWkChartOptions options;
    layOut(options, 530, 277);
    const TWkChartFrame frame = ComputeFrame(options, 256);
    const TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    const struct {
        double value;
        double row;
    } cases[] = {
        {0, 265},    // the minimum sits just above the axis
        {-50, 265},  // below the range: kept on the axis
        {50, 138},   // 266 - 128
        {100, 10},   // the top of the plot
        {1000, 8},   // above the range: two pixels over the top
        {99.99, 10}, // 10.0256 rounds to 10
        {0.5, 265},  // 264.72 rounds to the row above the axis
    };
    for (const auto& c : cases)
        EXPECT_EQ(PixelRow(options, frame, axis, c.value), c.row) << c.value;
    EXPECT_TRUE(std::isnan(PixelRow(options, frame, axis, std::nan(""))));
}

TEST(ChartLayout, CursorColumnAndTheValueUnderThePointerAgree) {
    TWkChartOptions options;
    layOut(options, 915, 423);
    options.XValueCount = 501;
    const TWkChartFrame frame = ComputeFrame(options, 501);
    const struct {
        int position;
        int column;
    } cases[] = {{0, 45}, {1, 47}, {250, 466}, {500, 888}, {501, 890}};
    for (const auto& c : cases) {
        EXPECT_EQ(CursorColumn(options, c.position), c.column) << c.position;
        if (c.position <= 500) {
            EXPECT_EQ(MouseToXValue(options, frame, c.column, 501), c.position) << c.position;
        }
    }
}

TEST(ChartLayout, MouseToValueStaysInsideTheData) {
    TWkChartOptions options;
    layOut(options, 530, 277);
    options.XValueCount = 256;
    const TWkChartFrame frame = ComputeFrame(options, 256);
    const struct {
        int x;
        int valueCount;
        int expected;
    } cases[] = {
        {0, 256, 0},     // left of the plot
        {45, 256, 0},    // the origin
        {46, 256, 1},    // 1 / 1.8 rounds to 1
        {504, 256, 255}, // the last value's column
        {700, 256, 255}, // right of the plot
        {300, 100, 99},  // fewer values stored than plotted
        {300, 0, 0},     // nothing stored
    };
    for (const auto& c : cases)
        EXPECT_EQ(MouseToXValue(options, frame, c.x, c.valueCount), c.expected) << c.x;
}

TEST(ChartLayout, MouseToYValueInvertsThePixelRowWithinTheRange) {
    TWkChartOptions options;
    layOut(options, 530, 277);
    const TWkChartFrame frame = ComputeFrame(options, 256);
    const struct {
        int y;
        double expected;
    } cases[] = {{266, 0}, {138, 50}, {10, 100}, {0, 100}, {276, 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(MouseToYValue(options, frame, c.y), c.expected) << c.y;
}
