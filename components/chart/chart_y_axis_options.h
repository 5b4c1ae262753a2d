#pragma once
// Settings of one Y axis: its range, divisions and legend texts, and the gaps the plot derives
// from them.

#include <QStringList>

class TWkChartOptions;

class TWkChartYAxisOptions {
public:
    explicit TWkChartYAxisOptions(TWkChartOptions* options);

    double YMax() const { return FYMax; }
    double YMin() const { return FYMin; }
    // A NaN or unchanged value is ignored. With a chart: normalises, notifies the options'
    // change and rebuilds the Y legends when there are any.
    void SetYMax(double value);
    void SetYMin(double value);
    int YDivisions() const { return FYDivisions; }
    // Stores the value; with a chart, normalises and notifies.
    void SetYDivisions(int value);
    const QStringList& YLegends() const { return FYLegends; }
    void SetYLegends(const QStringList& legends);
    QStringList& YLegendsList() { return FYLegends; }

    // Widens a range narrower than 1e-5 to 10, brings the divisions within their limits and
    // recomputes the gaps from the range and the plot height.
    void Normalize();
    // Default divisions, no legends, normalised.
    void Clear();
    void Assign(const TWkChartYAxisOptions& source);

    bool Active = false;
    double YGap = 0;      // value per division
    double YGap1 = 0;     // (range + 1) per division
    double YPixelGap = 0; // pixels per division
    int MarkerValueDecimals = -1;
    int MaxYDivisions = 20;
    int MinYDivisions = 5;
    int YLegendDecimalPlaces = 0;
    int DefaultYLegends = 20;

private:
    bool hasChart() const;
    // The common step of SetYMax and SetYMin.
    void setBound(double& bound, double value);
    void changed();

    TWkChartOptions* FOptions;
    double FYMax = 0;
    double FYMin = 0;
    int FYDivisions = 10;
    QStringList FYLegends;
};
