#pragma once
// The statistics page's scrolling chart: one point per pen every tick at a cursor that runs
// over positions 0..500, and the Y range the page's two range edits and chart clicks choose.

#include "configurator/stats/joy_statistics.h"

#include <QString>
#include <Qt>
#include <optional>

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

// The live chart's steps: each tick writes both pens at the cursor (the raw value of the
// selected axis 1..8, 0 for "--") and steps the cursor on; each Show, at screen rate, moves the
// chart's cursor to the last position written and draws the values that changed since the last
// Show (the whole chart when its options changed since the last plot).
class LiveChartFeed {
public:
    void Tick(TWkChart& chart, const JoyStatistics& statistics, int selection1, int selection2);
    void Show(TWkChart& chart);
    // The position the next tick writes.
    int ChartCursor() const { return FChartCursor; }

private:
    int FChartCursor = 0;
    std::optional<int> FWritten;
    // Positions whose values changed since the last Show, lowest and highest.
    std::optional<int> FChangedFirst;
    std::optional<int> FChangedLast;
};
