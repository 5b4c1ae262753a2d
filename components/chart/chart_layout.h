#pragma once
// The chart's layout arithmetic as plain functions of its options, so the plot, the paint step
// and the mouse agree on every pixel. Rounding is to the nearest integer, halves to even.

#include "components/chart/chart_options.h"

// The largest pixel coordinate the rounding gives; far inside int, so that offsets of a few
// pixels added to it cannot overflow.
constexpr int PixelLimit = 1 << 30;

// Values beyond +-PixelLimit give the nearer limit, NaN the lower one.
int RoundHalfEven(double value);
// Rounds toward zero, within the same limits.
int TruncToInt(double value);

// Plot area from the picture size: YEnd (height) and XEnd (right end), both at least 10.
void LayoutPlotArea(TWkChartOptions& options, int width, int height);

// Pixel positions of one plot, fixed by the plot frame step.
struct TWkChartFrame {
    double XPixelGap = 0; // pixels per value index
    double XOrigin = 0;   // pixel column of value index 0
    double YOrigin = 0;   // pixel row of the primary axis's YMin
    int XAxisRow = 0;     // pixel row of the X axis
    int XValueCount = 0;  // values plotted
};

// The largest number of values one plot draws.
constexpr int MaxPlottedValues = 20000;

TWkChartFrame ComputeFrame(const TWkChartOptions& options, int xValueCount);

// The pixel row of value on axis (NaN stays NaN), kept between the top offset - 2 and the row
// just above the origin; 0 for an axis whose gap is below 1e-7.
double PixelRow(const TWkChartOptions& options, const TWkChartFrame& frame,
                const TWkChartYAxisOptions& axis, double value);

// Horizontal step between two plotted values of the line kind.
double LineStep(const TWkChartOptions& options, int xValueCount);

// Column of the cursor line at value index position.
int CursorColumn(const TWkChartOptions& options, int position);

// Value index whose plotted column lies nearest to pixel column x, within 0..valueCount-1.
int MouseToXValue(const TWkChartOptions& options, const TWkChartFrame& frame, int x,
                  int valueCount);
// Primary-axis value under pixel row y, within YMin..YMax.
double MouseToYValue(const TWkChartOptions& options, const TWkChartFrame& frame, int y);
