#include "components/chart/chart.h"
#include "configurator/stats/live_chart.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct LiveChart {
    LiveChart() {
        parent = std::make_unique<QWidget>();
        chart = new TWkChart(parent.get());
        chart->setGeometry(0, 0, 915, 423);
        chart->Options().SetPenCount(2);
        ApplyVisualRange(*chart, ChartRange{0, LiveChartFullRange});
    }
    std::unique_ptr<QWidget> parent;
    TWkChart* chart;
};

} // namespace

TEST(LiveChart, ChartClicksZoomAroundTheValueUnderThePointer) {
    const struct {
        const char* name;
        Qt::MouseButton button;
        int y;
        const char *minText, *maxText;
        ChartRange expected;
    } cases[] = {
        // r = 1000; the top edge (y = 11) is the top of the range: c = 2000.
        {"left at the top edge", Qt::LeftButton, 11, "1000", "2000", {1750, 2250}},
        // y = 217 is half way down 412 rows: c = 1000 + 1000 - 500.
        {"left half way", Qt::LeftButton, 217, "1000", "2000", {1250, 1750}},
        {"right zooms out", Qt::RightButton, 100, "1000", "2000", {750, 2250}},
        {"right zooms out within the full range", Qt::RightButton, 100, "100", "16000", {0, 16384}},
        {"middle shows everything", Qt::MiddleButton, 300, "5000", "6000", {0, 16384}},
        {"unreadable edits count as the full range",
         Qt::LeftButton,
         11,
         "?",
         "?",
         {16384 - 4096, 16384}},
        {"a range below 10 counts as 10", Qt::LeftButton, 11, "500", "500", {508, 512}},
        {"extreme edits do not overflow", Qt::LeftButton, 11, "-5", "2147483647", {16384, 16384}},
        {"extreme edits zoom out within the full range",
         Qt::RightButton,
         11,
         "-2147483648",
         "2147483647",
         {0, 16384}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoomForChartClick(c.button, c.y, 423, QString::fromUtf8(c.minText),
                                    QString::fromUtf8(c.maxText)),
                  c.expected)
            << c.name;
}

TEST(LiveChart, ClickOnAChartNoTallerThanItsMarginDoesNotDivideByZero) {
    const ChartRange range = ZoomForChartClick(Qt::LeftButton, 5, 11, "0", "100");
    EXPECT_LE(range.Min, range.Max);
}

TEST(LiveChart, RangeEditsSetTheAxisEvenWhenTheNewRangeLiesBelowTheOld) {
    LiveChart live;
    ApplyVisualRange(*live.chart, VisualRange(QStringLiteral("500"), QStringLiteral("600")));
    ApplyVisualRange(*live.chart, VisualRange(QStringLiteral("0"), QStringLiteral("100")));
    EXPECT_EQ(live.chart->Options().PrimaryYAxis().YMin(), 0);
    EXPECT_EQ(live.chart->Options().PrimaryYAxis().YMax(), 100);
    ApplyVisualRange(*live.chart, VisualRange(QStringLiteral("3000"), QStringLiteral("x")));
    EXPECT_EQ(live.chart->Options().PrimaryYAxis().YMin(), 3000);
    EXPECT_EQ(live.chart->Options().PrimaryYAxis().YMax(), 16384);
}

TEST(LiveChart, TicksWriteTheSelectedAxesAndWrapAfterPosition500) {
    LiveChart live;
    JoyStatistics stats;
    const std::uint8_t report[] = {7, 9};
    stats.HIDDeviceData(1, report, sizeof report, {8, 8});
    LiveChartFeed feed;
    feed.Tick(*live.chart, stats, 2, 0);
    feed.Show(*live.chart);
    EXPECT_EQ(live.chart->Data().Value(0, 0), 9);
    EXPECT_EQ(live.chart->Data().Value(1, 0), 0);
    EXPECT_EQ(live.chart->CursorPosition(), 0);
    for (int i = 1; i <= LiveChartLastPosition; ++i)
        feed.Tick(*live.chart, stats, 1, 2);
    EXPECT_EQ(live.chart->CursorPosition(), 0) << "the cursor moves when the chart shows";
    feed.Show(*live.chart);
    EXPECT_EQ(live.chart->Data().ValueCount(), 501);
    EXPECT_EQ(live.chart->CursorPosition(), 500);
    EXPECT_EQ(feed.ChartCursor(), 0);
    feed.Tick(*live.chart, stats, 0, 1);
    EXPECT_EQ(live.chart->Data().Value(0, 0), 0);
    EXPECT_EQ(live.chart->Data().Value(1, 0), 7);
    EXPECT_EQ(live.chart->Data().ValueCount(), 501);
}

TEST(LiveChart, TicksDrawOnlyWhenAValueChangesAndMatchAWholePlot) {
    LiveChart live;
    LiveChart whole;
    for (LiveChart* chart : {&live, &whole}) {
        chart->chart->Data().SetValueCount(LiveChartLastPosition);
        chart->chart->PlotGraph();
    }
    JoyStatistics stats;
    LiveChartFeed feed;
    LiveChartFeed wholeFeed;
    const struct {
        const char* name;
        int raw; // axis 1 in a report before the tick; -1: no report
        bool draws;
    } ticks[] = {
        {"no report yet: zero over zero", -1, false},
        {"a report", 1000, true},
        {"the same value at the next position", -1, true},
        {"a report of zero: zero over zero", 0, false},
    };
    for (const auto& tick : ticks) {
        SCOPED_TRACE(tick.name);
        if (tick.raw >= 0) {
            const std::uint8_t report[] = {static_cast<std::uint8_t>(tick.raw & 0xFF),
                                           static_cast<std::uint8_t>(tick.raw >> 8)};
            stats.HIDDeviceData(1, report, sizeof report, {14, 0});
        }
        const qint64 before = live.chart->Picture().cacheKey();
        feed.Tick(*live.chart, stats, 1, 0);
        feed.Show(*live.chart);
        EXPECT_EQ(live.chart->Picture().cacheKey() != before, tick.draws);
        wholeFeed.Tick(*whole.chart, stats, 1, 0);
        whole.chart->PlotGraph();
        EXPECT_EQ(live.chart->Picture(), whole.chart->Picture());
    }
}

TEST(LiveChart, AShowingDrawsEveryValueWrittenSinceTheLastOne) {
    LiveChart live;
    LiveChart whole;
    for (LiveChart* chart : {&live, &whole}) {
        chart->chart->Data().SetValueCount(LiveChartLastPosition);
        chart->chart->PlotGraph();
    }
    JoyStatistics stats;
    LiveChartFeed feed;
    // Three ticks of rising values, one of them over the end of the first pass.
    for (int position = 0; position < LiveChartLastPosition - 1; ++position)
        feed.Tick(*live.chart, stats, 1, 0);
    feed.Show(*live.chart);
    for (int tick = 0; tick < 3; ++tick) {
        const std::uint8_t report[] = {static_cast<std::uint8_t>(40 * (tick + 1)), 0};
        stats.HIDDeviceData(1, report, sizeof report, {14, 0});
        feed.Tick(*live.chart, stats, 1, 0);
    }
    feed.Show(*live.chart);
    EXPECT_EQ(live.chart->CursorPosition(), 0) << "the last position written";
    for (int position = 0; position <= LiveChartLastPosition; ++position)
        whole.chart->Data().SetValue(0, position, live.chart->Data().Value(0, position));
    whole.chart->PlotGraph();
    EXPECT_EQ(live.chart->Picture(), whole.chart->Picture());
}
