// Strip plots of TWkChart: a live chart changes a value or two per step, so it redraws only the
// columns those values reach, with the same drawing steps as a whole plot clipped to them.

#include "components/chart/chart.h"

#include <algorithm>
#include <cmath>

bool TWkChart::canPlotStrip() const {
    if (!FPictureCurrent || FOptions.ChartKind != ckChartLine || !isEnabled() || isHidden() ||
        FBitmap.size() != size())
        return false;
    const int count = std::min(FData.ValueCount(), MaxPlottedValues);
    if (count <= 0 || count != FFrame.XValueCount || !(FFrame.XPixelGap > 0))
        return false;
    // Markers and value labels reach beyond their own columns.
    for (int p = 0; p < FOptions.PenCount(); ++p)
        if (FOptions.PenMarkerKind(p) != pmkNone || FOptions.PenValueLabels(p))
            return false;
    return true;
}

void TWkChart::PlotValues(int first, int last) {
    if (!canPlotStrip()) {
        PlotGraph();
        return;
    }
    const int count = FFrame.XValueCount;
    first = std::clamp(first, 0, count - 1);
    last = std::clamp(last, first, count - 1);
    const double dx = LineStep(FOptions, count);
    if (!(dx > 0)) {
        PlotGraph();
        return;
    }
    // A changed value moves the lines to its neighbours; a wide pen reaches beyond their columns.
    const int reach = std::max(1, FOptions.PenLineWidth) + 1;
    const int left = RoundHalfEven(FFrame.XOrigin + (first - 1) * dx) - reach;
    const int right = RoundHalfEven(FFrame.XOrigin + (last + 1) * dx) + reach;
    const QRect strip(left, 0, right - left + 1, FBitmap.height());
    // Every line that may touch the strip is drawn, from a value far enough left that the first
    // line stays outside; the clip keeps the rest of the picture.
    const int beyond = static_cast<int>(std::ceil(2 * reach / dx)) + 2;
    FLineValues = {first - 1 - beyond, last + 1 + beyond};
    plotInto(FBitmap, strip);
    FLineValues = {};
    update(strip);
}

void TWkChart::repaintCursorLine(int position) {
    if (position < 0 || position > FOptions.XValueCount)
        return;
    const int x = CursorColumn(FOptions, position);
    update(QRect(x - 1, 0, 3, height()));
}
