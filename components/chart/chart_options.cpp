#include "components/chart/chart_options.h"

namespace {

const char* const PenCountOutOfRange = "WkChart.Options.PenCount - PenCount out of range";

template <class T> T readOrDefault(const std::vector<T>& table, int index) {
    if (index < 0 || index >= static_cast<int>(table.size()))
        return T{};
    return table[static_cast<std::size_t>(index)];
}

template <class T> void writeGrowing(std::vector<T>& table, int index, T value) {
    if (index < 0)
        return;
    if (index >= static_cast<int>(table.size()))
        table.resize(static_cast<std::size_t>(index) + 1, T{});
    table[static_cast<std::size_t>(index)] = value;
}

} // namespace

TWkChartOptions::TWkChartOptions(TWkChartOptionsOwner* owner)
    : FOwner(owner), FPenColors{0x00FF00, 0x0000FF, 0xFF0000, 0x00FFFF, 0x000080, 0x008000,
                                0x008080, 0x800000, 0x800080, 0x808000, 0xFF00FF, 0xFFFF00},
      FAverageValue(100, 0.0), FPrimaryYAxis(this), FSecondaryYAxis(this) {}

void TWkChartOptions::Changed() {
    if (FOwner)
        FOwner->OptionsChanged();
}

void TWkChartOptions::SetPenCount(int count) {
    if (count < 0 || count > MaxPens)
        throw ERangeError(PenCountOutOfRange);
    FPenCount = count;
    FPenSecondaryAxis.resize(static_cast<std::size_t>(count) + 1, false);
    Changed();
}

TColor TWkChartOptions::PenColor(int index) const {
    if (index < 0 || FPenColors.empty())
        return clBlack;
    return FPenColors[static_cast<std::size_t>(index) % FPenColors.size()];
}

void TWkChartOptions::SetPenColor(int index, TColor color) {
    if (index < 0 || index > MaxPens)
        throw ERangeError(PenCountOutOfRange);
    writeGrowing(FPenColors, index, color);
}

TPenStyle TWkChartOptions::PenStyle(int index) const {
    return readOrDefault(FPenStyles, index);
}

void TWkChartOptions::SetPenStyle(int index, TPenStyle style) {
    writeGrowing(FPenStyles, index, style);
}

TWkChartPenMarkerKind TWkChartOptions::PenMarkerKind(int index) const {
    return readOrDefault(FPenMarkerKinds, index);
}

void TWkChartOptions::SetPenMarkerKind(int index, TWkChartPenMarkerKind kind) {
    writeGrowing(FPenMarkerKinds, index, kind);
}

bool TWkChartOptions::PenSecondaryAxisFlag(int index) const {
    return readOrDefault(FPenSecondaryAxis, index);
}

void TWkChartOptions::SetPenSecondaryAxisFlag(int index, bool flag) {
    writeGrowing(FPenSecondaryAxis, index, flag);
}

bool TWkChartOptions::PenValueLabels(int index) const {
    return readOrDefault(FPenValueLabels, index);
}

void TWkChartOptions::SetPenValueLabels(int index, bool flag) {
    writeGrowing(FPenValueLabels, index, flag);
}

double TWkChartOptions::AverageValue(int index) const {
    if (index < 0)
        throw ERangeError("GetAverageValue: Index negative");
    return readOrDefault(FAverageValue, index);
}

void TWkChartOptions::SetAverageValue(int index, double value) {
    if (index < 0)
        throw ERangeError("SetAverageValue: Index negative");
    writeGrowing(FAverageValue, index, value);
}

TWkChartYAxisOptions& TWkChartOptions::YAxisOfPen(int pen) {
    return PenSecondaryAxisFlag(pen) ? FSecondaryYAxis : FPrimaryYAxis;
}

void TWkChartOptions::SetPaperColor(TColor color) {
    if (color == FPaperColor)
        return;
    FPaperColor = color;
    if (FOwner)
        FOwner->RepaintChart();
}

TColor TWkChartOptions::ColorByIndex(int index) const {
    switch (index) {
    case -1:
        return FPaperColor;
    case -2:
        return HintColor;
    case -3:
        return AxisLineColor;
    case -4:
        return ShadowColor;
    case -5:
        return DivisionLineColor;
    case -6:
        return AverageLineColor;
    default:
        return index >= 0 ? PenColor(index) : clBtnFace;
    }
}

void TWkChartOptions::Assign(const TWkChartOptions& s) {
    ChartKind = s.ChartKind;
    PenLegends = s.PenLegends;
    PenUnit = s.PenUnit;
    XLegends = s.XLegends;
    Title = s.Title;
    NoDataMessage = s.NoDataMessage;
    YAxisHeader = s.YAxisHeader;
    XAxisHeader = s.XAxisHeader;
    XAxisDateTimeFormat = s.XAxisDateTimeFormat;
    DateTimeFormat = s.DateTimeFormat;
    XAxisDivisionMarkers = s.XAxisDivisionMarkers;
    YAxisDivisionMarkers = s.YAxisDivisionMarkers;
    XAxisValuesPerDivision = s.XAxisValuesPerDivision;
    XAxisLegendSkipBy = s.XAxisLegendSkipBy;
    XValueCount = s.XValueCount;
    MarkerSize = s.MarkerSize;
    XStartOffset = s.XStartOffset;
    YStartOffset = s.YStartOffset;
    XEnd = s.XEnd;
    YEnd = s.YEnd;
    Legend = s.Legend;
    LegendWidth = s.LegendWidth;
    PenLineWidth = s.PenLineWidth;
    AxisLineWidth = s.AxisLineWidth;
    AxisLineColor = s.AxisLineColor;
    AverageLineColor = s.AverageLineColor;
    DivisionLineColor = s.DivisionLineColor;
    ShadowColor = s.ShadowColor;
    HintColor = s.HintColor;
    CursorColor = s.CursorColor;
    CursorStyle = s.CursorStyle;
    HeaderFont = s.HeaderFont;
    LegendFont = s.LegendFont;
    AxisFont = s.AxisFont;
    AutoUpdateGraph = s.AutoUpdateGraph;
    MouseEdit = s.MouseEdit;
    MouseInfo = s.MouseInfo;
    MouseDragObjects = s.MouseDragObjects;
    XGap = s.XGap;
    XOrigin = s.XOrigin;
    YOrigin = s.YOrigin;
    XPixelGap = s.XPixelGap;
    XLegendMaxTextWidth = s.XLegendMaxTextWidth;
    LegendRowCount = s.LegendRowCount;
    XAxisDateTimeMode = s.XAxisDateTimeMode;
    XAxisDateTimeDivision = s.XAxisDateTimeDivision;
    XAxisLabelAlignment = s.XAxisLabelAlignment;
    XLegendHoriz = s.XLegendHoriz;
    GradientColor = s.GradientColor;
    GradientDirection = s.GradientDirection;
    FPenCount = s.FPenCount;
    FPenColors = s.FPenColors;
    FPenStyles = s.FPenStyles;
    FPenMarkerKinds = s.FPenMarkerKinds;
    FPenSecondaryAxis = s.FPenSecondaryAxis;
    FPenValueLabels = s.FPenValueLabels;
    FAverageValue = s.FAverageValue;
    FPaperColor = s.FPaperColor;
    FPrimaryYAxis.Assign(s.FPrimaryYAxis);
    FSecondaryYAxis.Assign(s.FSecondaryYAxis);
    Changed();
}
