#pragma once
// The curve view of a special-function slot: the identity line, the slot's response curve over
// an axis's value range, and the three guide bars at the quarter, middle and three quarters.

#include <QString>
#include <array>
#include <optional>
#include <vector>

class TWkChart;

constexpr int CurvePointCount = 9;

struct CurveSeries {
    int MaxValue = 0;          // b: the axis's largest value; x runs over 0..b
    std::vector<int> Curve;    // y for x = 0..b
    std::array<int, 3> Bars{}; // value indexes of the guide bars: middle, quarter, three quarters
};

// The curve of nine points (percent, 100 = identity) over 0..maxValue. Non-symmetric: the
// points sit at x = 0, b/8, .., b; symmetric: at distances 0, b/16, .., b/2 from the middle on
// both sides. Past the last point the curve holds its ninth point.
CurveSeries ComputeCurveSeries(const std::array<int, CurvePointCount>& points, bool symmetric,
                               int maxValue);

// Draws the series on the curve chart: Y range 0..b, pen 0 the identity, pen 1 the curve, the
// guide bars replacing any earlier ones. Returns the curve's value at the chart's cursor (when
// the cursor lies within 0..b). With noAxis ("--" chosen) the cursor moves to 0.
std::optional<int> ShowCurve(TWkChart& chart, const CurveSeries& series, bool noAxis);
