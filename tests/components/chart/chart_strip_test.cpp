#include "components/chart/chart.h"

#include <QWidget>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr double Gap = std::numeric_limits<double>::quiet_NaN();
constexpr int Values = 500;

// A live chart's shape: two pens of 500 values over 0..16384 on a 756 x 440 control.
struct StripChart {
    explicit StripChart(const std::function<void(TWkChartOptions&)>& style) {
        parent = std::make_unique<QWidget>();
        chart = new TWkChart(parent.get());
        chart->setGeometry(0, 0, 756, 440);
        chart->ResizeChartCanvas();
        TWkChartOptions& options = chart->Options();
        options.SetPenCount(2);
        options.PrimaryYAxis().SetYMin(0);
        options.PrimaryYAxis().SetYMax(16384);
        if (style)
            style(options);
        for (int v = 0; v < Values; ++v) {
            chart->Data().SetValue(0, v, 4000 + 37 * (v % 90));
            chart->Data().SetValue(1, v, 12000 - 41 * (v % 70));
        }
    }

    std::unique_ptr<QWidget> parent;
    TWkChart* chart;
};

struct Change {
    int pen;
    int index;
    double value;
};

} // namespace

TEST(ChartStrip, StripPlotsDrawTheSamePictureAsAWholePlot) {
    const std::vector<Change> nearNeighbours = {
        {0, 250, 100}, {1, 250, 16000}, {0, 251, 8000}, {1, 249, 0}};
    const struct {
        const char* name;
        std::function<void(TWkChartOptions&)> style;
        std::vector<Change> changes;
        bool samePens = false;
    } cases[] = {
        {"plain lines", nullptr, nearNeighbours},
        {"first and last value", nullptr, {{0, 0, 16384}, {1, 0, 0}, {0, 499, 9}, {1, 499, 1e9}}},
        {"equal rows lift and dot the later pen",
         nullptr,
         {{0, 120, 5000}, {1, 120, 5000}, {0, 121, 5000}, {1, 121, 5000}, {1, 122, 7000}}},
        {"both pens on one line", [](TWkChartOptions& o) { o.PenLineWidth = 2; }, nearNeighbours,
         true},
        {"gaps next to the change", nullptr, {{0, 300, Gap}, {0, 302, Gap}, {0, 301, 3000}}},
        {"a gap filled again", nullptr, {{1, 40, Gap}, {1, 40, 2000}}},
        {"wide pen", [](TWkChartOptions& o) { o.PenLineWidth = 4; }, nearNeighbours},
        {"shaded paper and dotted divisions",
         [](TWkChartOptions& o) {
             o.GradientColor = 0xE0E0FF;
             o.GradientDirection = grDown;
             o.XAxisValuesPerDivision = 50;
         },
         {{0, 100, 2000}, {0, 150, 16384}, {1, 200, 0}, {1, 201, 300}}},
        {"dashed pen", [](TWkChartOptions& o) { o.SetPenStyle(1, psDash); }, nearNeighbours},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StripChart strips(c.style);
        StripChart whole(c.style);
        if (c.samePens)
            for (StripChart* twin : {&strips, &whole})
                for (int v = 0; v < Values; ++v)
                    twin->chart->Data().SetValue(1, v, twin->chart->Data().Value(0, v));
        strips.chart->PlotGraph();
        for (const Change& change : c.changes) {
            strips.chart->Data().SetValue(change.pen, change.index, change.value);
            strips.chart->PlotValues(change.index, change.index);
            whole.chart->Data().SetValue(change.pen, change.index, change.value);
            whole.chart->PlotGraph();
            ASSERT_EQ(strips.chart->Picture(), whole.chart->Picture())
                << "after pen " << change.pen << " at " << change.index;
        }
    }
}

TEST(ChartStrip, AStripPlotLeavesTheRestOfThePictureAlone) {
    StripChart live(nullptr);
    TWkChart& chart = *live.chart;
    chart.PlotGraph();
    const QImage before = chart.Picture();
    // Colours notify no change: drawn only where the strip is.
    chart.Options().SetPenColor(0, clBlack);
    chart.PlotValues(250, 250);
    const QImage after = chart.Picture();
    int changedLeft = after.width();
    int changedRight = -1;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y)) {
                changedLeft = std::min(changedLeft, x);
                changedRight = std::max(changedRight, x);
            }
    ASSERT_GE(changedRight, changedLeft) << "the strip was drawn";
    EXPECT_LT(changedRight - changedLeft, 12) << "only the columns of values 249..251";
}

TEST(ChartStrip, ChangesBeyondTheValuesPlotTheWholeChart) {
    const struct {
        const char* name;
        std::function<void(TWkChart&)> change;
    } cases[] = {
        {"options changed",
         [](TWkChart& c) {
             c.Options().Changed();
         }},
        {"value count grew",
         [](TWkChart& c) {
             c.Data().SetValue(0, Values, 1);
         }},
        {"size changed",
         [](TWkChart& c) {
             c.resize(700, 400);
             c.ResizeChartCanvas();
         }},
        {"another kind",
         [](TWkChart& c) {
             c.Options().ChartKind = ckChartBar;
         }},
        {"pen markers",
         [](TWkChart& c) {
             c.Options().SetPenMarkerKind(1, pmkCircle);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StripChart strips(nullptr);
        StripChart whole(nullptr);
        strips.chart->PlotGraph();
        for (StripChart* chart : {&strips, &whole}) {
            chart->chart->Options().SetPenColor(0, clBlack);
            c.change(*chart->chart);
        }
        strips.chart->PlotValues(10, 10);
        whole.chart->PlotGraph();
        EXPECT_EQ(strips.chart->Picture(), whole.chart->Picture());
    }
}

TEST(ChartStrip, BeforeAnyPlotTheWholeChartIsDrawn) {
    StripChart strips(nullptr);
    StripChart whole(nullptr);
    strips.chart->PlotValues(3, 3);
    whole.chart->PlotGraph();
    EXPECT_EQ(strips.chart->Picture(), whole.chart->Picture());
}

TEST(ChartStrip, AStripOfSeveralValuesMatchesAWholePlot) {
    StripChart strips(nullptr);
    StripChart whole(nullptr);
    strips.chart->PlotGraph();
    for (StripChart* twin : {&strips, &whole})
        for (int v = 100; v <= 104; ++v)
            twin->chart->Data().SetValue(v % 2, v, 1000 * (v - 99));
    strips.chart->PlotValues(100, 104);
    whole.chart->PlotGraph();
    EXPECT_EQ(strips.chart->Picture(), whole.chart->Picture());
}
