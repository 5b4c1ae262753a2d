#include "configurator/stats/curve_series.h"

#include "components/chart/chart.h"

#include <algorithm>

namespace {

// Percent between point k and point k + 1 at distance d into the segment of length step.
int percentAt(const std::array<int, CurvePointCount>& p, int d, int step) {
    const int k = d / step;
    if (k >= CurvePointCount - 1)
        return p[CurvePointCount - 1];
    return p[k] + (p[k + 1] - p[k]) * (d - k * step) / step;
}

} // namespace

CurveSeries ComputeCurveSeries(const std::array<int, CurvePointCount>& points, bool symmetric,
                               int maxValue) {
    CurveSeries series;
    const int b = std::max(0, maxValue);
    series.MaxValue = b;
    const int m = b / 2;
    const int step = std::max(1, b / 8);
    const int step2 = std::max(1, b / 16);
    series.Curve.resize(static_cast<std::size_t>(b) + 1);
    for (int x = 0; x <= b; ++x) {
        int y = 0;
        if (!symmetric) {
            y = x * percentAt(points, x, step) / 100;
        } else if (x < m) {
            const int d = m - x;
            y = m - d * percentAt(points, d, step2) / 100;
        } else if (x == m) {
            y = m;
        } else {
            const int d = x - m;
            y = m + d * percentAt(points, d, step2) / 100;
        }
        series.Curve[static_cast<std::size_t>(x)] = y;
    }
    series.Bars = {m, m / 2, 3 * m / 2};
    return series;
}

std::optional<int> ShowCurve(TWkChart& chart, const CurveSeries& series, bool noAxis) {
    constexpr TColor GuideBarColor = 0xC0C0C0;
    const int b = series.MaxValue;
    chart.Options().PrimaryYAxis().SetYMax(b);
    TWkChartData& data = chart.Data();
    data.SetValueCount(b);
    std::optional<int> atCursor;
    for (int x = 0; x <= b; ++x) {
        const int y = series.Curve[static_cast<std::size_t>(x)];
        data.SetValue(0, x, x);
        data.SetValue(1, x, y);
        if (x == chart.CursorPosition())
            atCursor = y;
    }
    // Refreshed ten times a second: the bars of the last refresh go first.
    chart.ClearVerticalBars();
    for (const int x : series.Bars) {
        TWkChartVerticalBar* bar = chart.AddVerticalBar();
        bar->XLeft = x;
        bar->XRight = x;
        bar->SetColor(GuideBarColor);
        bar->SetVisible(true);
    }
    if (noAxis)
        chart.SetCursorPosition(0);
    chart.PlotGraph();
    return atCursor;
}
