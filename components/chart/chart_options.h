#pragma once
// All settings of a chart: kind, pens, texts, offsets, colours, fonts and both Y axes. The
// chart owns one and is told of every change through TWkChartOptionsOwner.

#include "components/chart/chart_types.h"
#include "components/chart/chart_y_axis_options.h"
#include "platform/ui/graphics_objects.h"

#include <QStringList>
#include <vector>

// What the options need from the chart that owns them.
class TWkChartOptionsOwner {
public:
    virtual ~TWkChartOptionsOwner() = default;
    // The options changed: take the pen count, re-plot at the next paint when asked to.
    virtual void OptionsChanged() = 0;
    virtual void RebuildYLegends() = 0;
    virtual void RepaintChart() = 0;
};

class TWkChartOptions {
public:
    // The largest pen count.
    static constexpr int MaxPens = 99;

    explicit TWkChartOptions(TWkChartOptionsOwner* owner = nullptr);
    TWkChartOptions(const TWkChartOptions&) = delete;
    TWkChartOptions& operator=(const TWkChartOptions&) = delete;

    TWkChartOptionsOwner* Owner() const { return FOwner; }
    // The change notification: passes the change to the chart, if there is one.
    void Changed();

    int PenCount() const { return FPenCount; }
    // Throws ERangeError "WkChart.Options.PenCount - PenCount out of range" outside 0..99.
    void SetPenCount(int count);
    // Colours beyond the table repeat the table from its start.
    TColor PenColor(int index) const;
    // Throws the same ERangeError outside 0..99; grows the table; no notification.
    void SetPenColor(int index, TColor color);
    TPenStyle PenStyle(int index) const;
    void SetPenStyle(int index, TPenStyle style);
    TWkChartPenMarkerKind PenMarkerKind(int index) const;
    void SetPenMarkerKind(int index, TWkChartPenMarkerKind kind);
    bool PenSecondaryAxisFlag(int index) const;
    void SetPenSecondaryAxisFlag(int index, bool flag);
    bool PenValueLabels(int index) const;
    void SetPenValueLabels(int index, bool flag);
    // ERangeError "GetAverageValue: Index negative" / "SetAverageValue: Index negative" below 0.
    double AverageValue(int index) const;
    void SetAverageValue(int index, double value);

    TWkChartYAxisOptions& PrimaryYAxis() { return FPrimaryYAxis; }
    TWkChartYAxisOptions& SecondaryYAxis() { return FSecondaryYAxis; }
    const TWkChartYAxisOptions& PrimaryYAxis() const { return FPrimaryYAxis; }
    // The secondary axis when the pen is flagged for it, else the primary one.
    TWkChartYAxisOptions& YAxisOfPen(int pen);

    TColor PaperColor() const { return FPaperColor; }
    // Repaints the chart on a change.
    void SetPaperColor(TColor color);
    // Index 0 and up: pen colours; -1 paper, -2 hint, -3 axis, -4 shadow, -5 division lines,
    // -6 average line; below that the button face.
    TColor ColorByIndex(int index) const;

    // Copies every setting, then notifies.
    void Assign(const TWkChartOptions& source);

    TWkChartKind ChartKind = ckChartLine;
    QStringList PenLegends;
    QStringList PenUnit;
    QStringList XLegends;
    QString Title;
    QString NoDataMessage;
    QString YAxisHeader;
    QString XAxisHeader;
    QString XAxisDateTimeFormat;
    QString DateTimeFormat;
    bool XAxisDivisionMarkers = true;
    bool YAxisDivisionMarkers = true;
    int XAxisValuesPerDivision = 0;
    int XAxisLegendSkipBy = 1;
    int XValueCount = 10;
    int MarkerSize = 3;
    int XStartOffset = 45;
    int YStartOffset = 10;
    int XEnd = 0; // right end of the plot area, set by the layout
    int YEnd = 0; // height of the plot area, set by the layout
    TWkChartLegend Legend = clChartLegendNone;
    int LegendWidth = 150;
    int PenLineWidth = 1;
    int AxisLineWidth = 3;
    TColor AxisLineColor = 0x000000;
    TColor AverageLineColor = 0xEEDDDD;
    TColor DivisionLineColor = 0xC0C0C0;
    TColor ShadowColor = 0xC0C0C0;
    TColor HintColor = 0xDDFBFA;
    TColor CursorColor = 0x000000;
    TPenStyle CursorStyle = psSolid;
    TFont HeaderFont;
    TFont LegendFont;
    TFont AxisFont;
    bool AutoUpdateGraph = true;
    bool MouseEdit = true;
    bool MouseInfo = true;
    bool MouseDragObjects = false;
    double XGap = 0;
    double XOrigin = 0;
    double YOrigin = 0;
    double XPixelGap = 0;
    int XLegendMaxTextWidth = 0;
    int LegendRowCount = 0;
    bool XAxisDateTimeMode = false;
    double XAxisDateTimeDivision = 0;
    int XAxisLabelAlignment = 0;
    bool XLegendHoriz = false;
    TColor GradientColor = 0;
    TWkChartGradientDirection GradientDirection = grNone;

private:
    TWkChartOptionsOwner* FOwner;
    int FPenCount = 1;
    std::vector<TColor> FPenColors;
    std::vector<TPenStyle> FPenStyles;
    std::vector<TWkChartPenMarkerKind> FPenMarkerKinds;
    std::vector<bool> FPenSecondaryAxis;
    std::vector<bool> FPenValueLabels;
    std::vector<double> FAverageValue;
    TColor FPaperColor = 0xFFFFFF;
    TWkChartYAxisOptions FPrimaryYAxis;
    TWkChartYAxisOptions FSecondaryYAxis;
};
