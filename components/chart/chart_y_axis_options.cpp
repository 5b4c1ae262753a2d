#include "components/chart/chart_y_axis_options.h"

#include "components/chart/chart_options.h"

#include <cmath>

TWkChartYAxisOptions::TWkChartYAxisOptions(TWkChartOptions* options) : FOptions(options) {}

bool TWkChartYAxisOptions::hasChart() const {
    return FOptions && FOptions->Owner();
}

void TWkChartYAxisOptions::changed() {
    if (FOptions)
        FOptions->Changed();
}

void TWkChartYAxisOptions::SetYMax(double value) {
    setBound(FYMax, value);
}

void TWkChartYAxisOptions::SetYMin(double value) {
    setBound(FYMin, value);
}

void TWkChartYAxisOptions::setBound(double& bound, double value) {
    if (std::isnan(value) || value == bound)
        return;
    bound = value;
    if (!hasChart())
        return;
    Normalize();
    changed();
    if (!FYLegends.isEmpty()) {
        FYLegends.clear();
        FOptions->Owner()->RebuildYLegends();
    }
}

void TWkChartYAxisOptions::SetYDivisions(int value) {
    FYDivisions = value;
    if (!hasChart())
        return;
    Normalize();
    changed();
}

void TWkChartYAxisOptions::SetYLegends(const QStringList& legends) {
    FYLegends = legends;
    changed();
}

void TWkChartYAxisOptions::Normalize() {
    if (FYMax - FYMin < 1e-5)
        FYMax = FYMin + 10;
    if (DefaultYLegends > 0 && FYDivisions == 0)
        FYDivisions = DefaultYLegends;
    if (FYDivisions < MinYDivisions)
        FYDivisions = MinYDivisions;
    else if (FYDivisions > MaxYDivisions)
        FYDivisions = MaxYDivisions;
    const int d = FYDivisions > 0 ? FYDivisions : 1;
    const int plotHeight = FOptions ? FOptions->YEnd : 0;
    YGap = (FYMax - FYMin) / d;
    YGap1 = (FYMax - FYMin + 1) / d;
    YPixelGap = (plotHeight - 1.0) / d;
}

void TWkChartYAxisOptions::Clear() {
    FYDivisions = DefaultYLegends;
    FYLegends.clear();
    Normalize();
}

void TWkChartYAxisOptions::Assign(const TWkChartYAxisOptions& source) {
    FYLegends = source.FYLegends;
    FYDivisions = source.FYDivisions;
    MaxYDivisions = source.MaxYDivisions;
    MinYDivisions = source.MinYDivisions;
    MarkerValueDecimals = source.MarkerValueDecimals;
    YLegendDecimalPlaces = source.YLegendDecimalPlaces;
    DefaultYLegends = source.DefaultYLegends;
    SetYMin(source.FYMin);
    SetYMax(source.FYMax);
}
