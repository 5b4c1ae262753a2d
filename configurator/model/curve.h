#pragma once
// The response curve of a special-function slot: nine points in percent spread over an axis'
// value range, either from 0 upwards or symmetric around the centre.

#include "configurator/model/config.h"

#include <vector>

// The curve's output at x (0..PrecisionMaxValue(precisionIndex); x outside is held to it).
// Non-symmetric: the points sit at x = 0, step, .., 8 step with step = max / 8; symmetric: at
// distances 0, step2, .., 8 step2 from the centre max / 2, with step2 = max / 16. Between points
// the percentage is interpolated, divisions truncate toward zero, and past the ninth point its
// percentage holds.
int CurveValue(const SpecialFunctionSlot& slot, int precisionIndex, int x);

// The precision index whose value range the curve view shows for CurveVisualAxis item index
// (0 "--", 1..16): that axis row's precision for rows 1..10, 8 bits (index 0) for "--" and 11..16,
// which have no row.
int CurveAxisPrecision(const Config& config, int curveAxisIndex);

// CurveValue for every x in 0..PrecisionMaxValue(precisionIndex).
std::vector<int> CurveValues(const SpecialFunctionSlot& slot, int precisionIndex);
