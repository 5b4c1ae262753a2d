#include "configurator/stats/curve_chart.h"

#include "components/chart/chart.h"

std::array<int, 3> CurveGuideBars(int maxValue) {
    const int m = maxValue / 2;
    return {m, m / 2, 3 * m / 2};
}

std::optional<int> ShowCurve(TWkChart& chart, const std::vector<int>& curve, bool noAxis) {
    constexpr TColor GuideBarColor = 0xC0C0C0;
    if (curve.empty())
        return std::nullopt;
    const int b = static_cast<int>(curve.size()) - 1;
    chart.Options().PrimaryYAxis().SetYMax(b);
    TWkChartData& data = chart.Data();
    data.SetValueCount(b);
    std::optional<int> atCursor;
    for (int x = 0; x <= b; ++x) {
        const int y = curve[static_cast<std::size_t>(x)];
        data.SetValue(0, x, x);
        data.SetValue(1, x, y);
        if (x == chart.CursorPosition())
            atCursor = y;
    }
    // Refreshed ten times a second: the bars of the last refresh go first.
    chart.ClearVerticalBars();
    for (const int x : CurveGuideBars(b)) {
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
