#include "components/chart/chart.h"
#include "configurator/stats/curve_series.h"
#include "tests/support/qt_test_app.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

using Points = std::array<int, CurvePointCount>;
constexpr Points Identity = {100, 100, 100, 100, 100, 100, 100, 100, 100};

} // namespace

TEST(CurveSeries, AllPointsAtOneHundredDrawTheIdentity) {
    for (const bool symmetric : {false, true})
        for (const int b : {255, 1023, 16383}) {
            const CurveSeries series = ComputeCurveSeries(Identity, symmetric, b);
            ASSERT_EQ(series.Curve.size(), static_cast<std::size_t>(b) + 1);
            for (int x = 0; x <= b; ++x)
                ASSERT_EQ(series.Curve[static_cast<std::size_t>(x)], x)
                    << "b " << b << " x " << x << " symmetric " << symmetric;
        }
}

TEST(CurveSeries, PointsShapeTheCurve) {
    const Points rising = {0, 50, 100, 150, 200, 150, 100, 50, 150};
    const struct {
        const char* name;
        bool symmetric;
        int x;
        int y;
    } cases[] = {
        // b = 1023: step 127, step2 63, middle 511.
        {"first point", false, 0, 0},
        {"at the second point", false, 127, 63}, // 127 * 50 / 100
        {"between points", false, 190, 190 * (50 + 50 * 63 / 127) / 100},
        {"last stretch holds the ninth point", false, 1020, 1530}, // 1020 * 150 / 100
        {"the middle", true, 511, 511},
        {"right of the middle", true, 511 + 63, 511 + 31}, // 63 * 50 / 100
        {"left of the middle mirrors it", true, 511 - 63, 511 - 31},
        {"far right holds the ninth point", true, 1023, 511 + 512 * 150 / 100},
    };
    for (const auto& c : cases) {
        const CurveSeries series = ComputeCurveSeries(rising, c.symmetric, 1023);
        EXPECT_EQ(series.Curve[static_cast<std::size_t>(c.x)], c.y) << c.name;
    }
    const CurveSeries series = ComputeCurveSeries(rising, false, 1023);
    EXPECT_EQ(series.Bars, (std::array<int, 3>{511, 255, 766}));
}

TEST(CurveSeries, RefreshingTheChartReplacesItsGuideBars) {
    EnsureQtApplication();
    QWidget parent;
    auto* chart = new TWkChart(&parent);
    chart->setGeometry(0, 0, 530, 277);
    chart->Options().SetPenCount(2);
    chart->SetCursorPosition(100);
    const CurveSeries series =
        ComputeCurveSeries({0, 50, 100, 150, 200, 150, 100, 50, 150}, false, 255);
    std::optional<int> fixed;
    for (int refresh = 0; refresh < 10; ++refresh)
        fixed = ShowCurve(*chart, series, false);
    EXPECT_EQ(chart->VerticalBarsCount(), 3);
    EXPECT_EQ(chart->VerticalBar(0)->XLeft, 127);
    EXPECT_EQ(fixed, series.Curve[100]);
    EXPECT_EQ(chart->Data().Value(0, 200), 200);
    EXPECT_EQ(chart->Data().Value(1, 200), series.Curve[200]);
    EXPECT_EQ(chart->Options().PrimaryYAxis().YMax(), 255);
    EXPECT_EQ(chart->CursorPosition(), 100);

    ShowCurve(*chart, series, true);
    EXPECT_EQ(chart->CursorPosition(), 0);
}
