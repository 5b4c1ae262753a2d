#pragma once
// The curve view of a special-function slot: the identity line and the slot's response curve
// over an axis's value range, with guide bars at the middle, the quarter and three quarters.

#include <array>
#include <optional>
#include <vector>

class TWkChart;

// Value indexes of the guide bars over 0..maxValue: the middle m, m / 2 and 3m / 2.
std::array<int, 3> CurveGuideBars(int maxValue);

// Draws curve (its value for x = 0..b, b = curve.size() - 1) on the chart: Y range up to b,
// pen 0 the identity, pen 1 the curve, the guide bars replacing those of the last call. Returns
// the curve's value at the chart's cursor when the cursor lies within 0..b. With noAxis ("--"
// chosen) the cursor moves to 0 afterwards. An empty curve leaves the chart alone.
std::optional<int> ShowCurve(TWkChart& chart, const std::vector<int>& curve, bool noAxis);
