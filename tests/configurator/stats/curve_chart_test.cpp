#include "components/chart/chart.h"
#include "configurator/stats/curve_chart.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct CurveView {
    CurveView() {
        parent = std::make_unique<QWidget>();
        chart = new TWkChart(parent.get());
        chart->setGeometry(0, 0, 530, 277);
        chart->Options().SetPenCount(2);
    }
    std::unique_ptr<QWidget> parent;
    TWkChart* chart;
};

// A curve over 0..b that doubles the identity up to the middle and then holds.
std::vector<int> bentCurve(int b) {
    std::vector<int> curve;
    for (int x = 0; x <= b; ++x)
        curve.push_back(std::min(2 * x, b));
    return curve;
}

} // namespace

TEST(CurveChart, GuideBarsSitAtTheMiddleAndTheQuarters) {
    const struct {
        int b;
        std::array<int, 3> bars;
    } cases[] = {{255, {127, 63, 190}}, {1023, {511, 255, 766}}, {16383, {8191, 4095, 12286}}};
    for (const auto& c : cases)
        EXPECT_EQ(CurveGuideBars(c.b), c.bars) << c.b;
}

TEST(CurveChart, DrawsTheIdentityAndTheCurveOverTheAxisRange) {
    CurveView view;
    view.chart->SetCursorPosition(100);
    const std::vector<int> curve = bentCurve(255);
    EXPECT_EQ(ShowCurve(*view.chart, curve, false), 200);
    EXPECT_EQ(view.chart->Options().PrimaryYAxis().YMax(), 255);
    EXPECT_EQ(view.chart->Data().ValueCount(), 256);
    for (const int x : {0, 100, 200, 255}) {
        EXPECT_EQ(view.chart->Data().Value(0, x), x);
        EXPECT_EQ(view.chart->Data().Value(1, x), curve[static_cast<std::size_t>(x)]);
    }
    EXPECT_EQ(view.chart->CursorPosition(), 100);
}

TEST(CurveChart, RefreshingReplacesTheGuideBarsInsteadOfPilingThemUp) {
    CurveView view;
    for (int refresh = 0; refresh < 10; ++refresh)
        ShowCurve(*view.chart, bentCurve(1023), false);
    ASSERT_EQ(view.chart->VerticalBarsCount(), 3);
    EXPECT_EQ(view.chart->VerticalBar(0)->XLeft, 511);
    EXPECT_EQ(view.chart->VerticalBar(2)->XRight, 766);
    EXPECT_TRUE(view.chart->VerticalBar(1)->Visible());
}

TEST(CurveChart, NoAxisPutsTheCursorAtZeroAndACursorPastTheRangeFixesNothing) {
    CurveView view;
    view.chart->SetCursorPosition(300);
    EXPECT_EQ(ShowCurve(*view.chart, bentCurve(255), true), std::nullopt);
    EXPECT_EQ(view.chart->CursorPosition(), 0);
    EXPECT_EQ(ShowCurve(*view.chart, {}, false), std::nullopt);
    EXPECT_EQ(view.chart->VerticalBarsCount(), 3);
}
