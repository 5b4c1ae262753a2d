#pragma once
// The statistics page's scrolling chart: one point per pen every tick at a cursor that runs
// over positions 0..500, and the Y range the page's two range edits and chart clicks choose.

#include "configurator/stats/joy_statistics.h"

#include <QString>
#include <Qt>

class TWkChart;

// The chart's top value and its positions.
constexpr int LiveChartFullRange = 16384;
constexpr int LiveChartLastPosition = 500;

struct ChartRange {
    int Min = 0;
    int Max = LiveChartFullRange;
    friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

// The range the two edits hold: unreadable texts count as 0 and 16384.
ChartRange VisualRange(const QString& minText, const QString& maxText);

// The new range after a click at row y of a chart of the given height: the left button zooms in
// around the value under the click, the right one zooms out, the middle one shows everything.
ChartRange ZoomForChartClick(Qt::MouseButton button, int y, int chartHeight, const QString& minText,
                             const QString& maxText);

// Sets the chart's primary Y range, in the order that never passes through an empty range.
void ApplyVisualRange(TWkChart& chart, const ChartRange& range);

// One tick of the live chart: writes both pens at the cursor (the raw value of the selected
// axis 1..8, 0 for "--"), moves the chart's cursor there, draws the values that changed (the
// whole chart when its options changed since the last plot), and steps the cursor on.
class LiveChartFeed {
public:
    void Tick(TWkChart& chart, const JoyStatistics& statistics, int selection1, int selection2);
    int ChartCursor() const { return FChartCursor; }

private:
    int FChartCursor = 0;
};
