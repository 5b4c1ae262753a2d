#include "components/chart/chart_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// Data values far off the scale give pixel positions beyond int: they stop at the limit
// instead of wrapping round.
int saturated(double whole) {
    if (whole >= PixelLimit)
        return PixelLimit;
    if (!(whole > -PixelLimit))
        return -PixelLimit;
    return static_cast<int>(whole);
}

} // namespace

int RoundHalfEven(double value) {
    // nearbyint rounds halves to even in the default rounding mode.
    return saturated(std::nearbyint(value));
}

int TruncToInt(double value) {
    return saturated(std::trunc(value));
}

void LayoutPlotArea(TWkChartOptions& options, int width, int height) {
    options.YEnd = height - 2 * options.YStartOffset;
    if (options.Legend == clChartLegendRight)
        options.XEnd = RoundHalfEven(width - 2 - 1.5 * options.XStartOffset - options.LegendWidth);
    else
        options.XEnd = RoundHalfEven(width - 2 - 0.5 * options.XStartOffset);
    options.YEnd = std::max(10, options.YEnd);
    options.XEnd = std::max(10, options.XEnd);
}

TWkChartFrame ComputeFrame(const TWkChartOptions& options, int xValueCount) {
    TWkChartFrame frame;
    frame.XValueCount = xValueCount;
    const TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    frame.XPixelGap = (options.XEnd - options.XStartOffset - 1.0) / std::max(1, xValueCount);
    frame.XOrigin = options.XOrigin * frame.XPixelGap + options.XStartOffset;
    frame.YOrigin =
        RoundHalfEven(std::max(1, axis.YDivisions()) * axis.YPixelGap) + options.YStartOffset;
    frame.XAxisRow = RoundHalfEven(axis.YDivisions() * axis.YPixelGap) + options.YStartOffset;
    return frame;
}

double PixelRow(const TWkChartOptions& options, const TWkChartFrame& frame,
                const TWkChartYAxisOptions& axis, double value) {
    if (std::isnan(value))
        return value;
    if (axis.YGap < 1e-7)
        return 0;
    double y = frame.YOrigin - (value - axis.YMin()) / axis.YGap * axis.YPixelGap;
    if (y >= frame.YOrigin - 1)
        y = RoundHalfEven(frame.YOrigin) - 1;
    else if (y < options.YStartOffset - 2)
        y = options.YStartOffset - 2;
    return RoundHalfEven(y);
}

double LineStep(const TWkChartOptions& options, int xValueCount) {
    const int divisor = xValueCount < 2 ? 1 : xValueCount - 1;
    return (options.XEnd - options.XStartOffset - 2.0) / divisor;
}

int CursorColumn(const TWkChartOptions& options, int position) {
    return RoundHalfEven(position * (options.XEnd - options.XStartOffset - 2.0) /
                             std::max(1, options.XValueCount - 1) +
                         options.XStartOffset);
}

int MouseToXValue(const TWkChartOptions& options, const TWkChartFrame& frame, int x,
                  int valueCount) {
    // The inverse of where the line kind and the floating markers put value index i.
    const double step = LineStep(options, std::max(2, options.XValueCount));
    if (step <= 0.001 || valueCount <= 0)
        return 0;
    const int i = RoundHalfEven((x - frame.XOrigin) / step);
    return std::clamp(i, 0, valueCount - 1);
}

double MouseToYValue(const TWkChartOptions& options, const TWkChartFrame& frame, int y) {
    const TWkChartYAxisOptions& axis = options.PrimaryYAxis();
    if (axis.YPixelGap <= 0)
        return axis.YMin();
    const double v = axis.YMin() + (frame.YOrigin - y) / axis.YPixelGap * axis.YGap;
    return std::clamp(v, axis.YMin(), std::max(axis.YMin(), axis.YMax()));
}
