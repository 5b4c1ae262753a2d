#include "configurator/stats/live_chart.h"

#include "components/chart/chart.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A decimal text's value, or fallback when it is none (the page's edits).
int StrToIntDef(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

ChartRange VisualRange(const QString& minText, const QString& maxText) {
    return ChartRange{StrToIntDef(minText, 0), StrToIntDef(maxText, LiveChartFullRange)};
}

ChartRange ZoomForChartClick(Qt::MouseButton button, int y, int chartHeight, const QString& minText,
                             const QString& maxText) {
    // The plot's top 11 pixels are not part of the value scale.
    constexpr int TopMargin = 11;
    // Typed edits may hold any int: the arithmetic runs in 64 bits and only the clamped result
    // goes back to int.
    const long long mx = StrToIntDef(maxText, LiveChartFullRange);
    const long long mn = StrToIntDef(minText, 0);
    const long long r = std::max(10LL, mx - mn);
    const long long scale = std::max(1, chartHeight - TopMargin);
    const long long c =
        mn + r - static_cast<long long>(std::trunc(static_cast<double>(y - TopMargin) * r / scale));
    const long long quarter = r / 4;
    long long low = mn;
    long long high = mx;
    switch (button) {
    case Qt::LeftButton:
        low = c - quarter;
        high = c + quarter;
        break;
    case Qt::RightButton:
        low = mn - quarter;
        high = StrToIntDef(maxText, 0) + quarter;
        break;
    case Qt::MiddleButton:
        low = 0;
        high = LiveChartFullRange;
        break;
    default:
        break;
    }
    return ChartRange{static_cast<int>(std::clamp<long long>(low, 0, LiveChartFullRange)),
                      static_cast<int>(std::clamp<long long>(high, INT_MIN, LiveChartFullRange))};
}

void ApplyVisualRange(TWkChart& chart, const ChartRange& range) {
    TWkChartYAxisOptions& axis = chart.Options().PrimaryYAxis();
    // Each setter widens a range whose top is not above its bottom, so the bound that moves
    // away from the other one goes first.
    if (range.Max > axis.YMin()) {
        axis.SetYMax(range.Max);
        axis.SetYMin(range.Min);
    } else {
        axis.SetYMin(range.Min);
        axis.SetYMax(range.Max);
    }
}

void LiveChartFeed::Tick(TWkChart& chart, const JoyStatistics& statistics, int selection1,
                         int selection2) {
    const int p = FChartCursor;
    const auto rawOf = [&](int selection) {
        return selection >= 1 && selection <= StatAxisCount
                   ? statistics.Axis(selection).Raw.value_or(0)
                   : 0;
    };
    TWkChartData& data = chart.Data();
    const double first = rawOf(selection1);
    const double second = rawOf(selection2);
    if (p >= data.ValueCount() || data.Value(0, p) != first || data.Value(1, p) != second) {
        FChangedFirst = std::min(FChangedFirst.value_or(p), p);
        FChangedLast = std::max(FChangedLast.value_or(p), p);
    }
    data.SetValue(0, p, first);
    data.SetValue(1, p, second);
    FWritten = p;
    FChartCursor = p + 1 > LiveChartLastPosition ? 0 : p + 1;
}

void LiveChartFeed::Show(TWkChart& chart) {
    if (FWritten)
        chart.SetCursorPosition(*FWritten);
    if (FChangedFirst && FChangedLast)
        chart.PlotValues(*FChangedFirst, *FChangedLast);
    FChangedFirst.reset();
    FChangedLast.reset();
}
