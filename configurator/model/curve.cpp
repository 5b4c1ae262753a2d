#include "configurator/model/curve.h"

#include "configurator/model/report_bits.h"

#include <algorithm>

namespace {

// The percentage at distance d along points spaced by step.
int Percent(const SpecialFunctionSlot& slot, int d, int step) {
    const int last = CurvePointCount - 1;
    const int k = std::min(d / step, last);
    if (k == last)
        return slot.points[last];
    const int from = slot.points[k];
    const int to = slot.points[k + 1];
    return from + (to - from) * (d - k * step) / step;
}

} // namespace

int CurveValue(const SpecialFunctionSlot& slot, int precisionIndex, int x) {
    const int max = PrecisionMaxValue(precisionIndex);
    const int m = max / 2;
    x = std::clamp(x, 0, max);
    if (!slot.symmetric)
        return x * Percent(slot, x, max / 8) / 100;
    if (x == m)
        return m;
    const int d = x < m ? m - x : x - m;
    const int offset = d * Percent(slot, d, max / 16) / 100;
    return x < m ? m - offset : m + offset;
}

std::vector<int> CurveValues(const SpecialFunctionSlot& slot, int precisionIndex) {
    const int max = PrecisionMaxValue(precisionIndex);
    std::vector<int> values(max + 1);
    for (int x = 0; x <= max; ++x)
        values[x] = CurveValue(slot, precisionIndex, x);
    return values;
}

int CurveAxisPrecision(const Config& config, int curveAxisIndex) {
    if (curveAxisIndex < 1 || curveAxisIndex > AxisRowCount)
        return 0;
    return config.axes[curveAxisIndex - 1].precision;
}
