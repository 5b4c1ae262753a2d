// The chart's numbers read the same on every desktop: plain digits and a point, never the user
// locale's grouping or decimal comma.

#include "chart_fixture.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class ChartNumbersInLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(saved); }

    const QLocale saved;
};

void press(QWidget* w, int x, int y) {
    const QPointF at(x, y);
    QMouseEvent event(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

TEST_P(ChartNumbersInLocale, YLegendsShowPlainDigitsAndAPoint) {
    const struct {
        const char* name;
        double min, max;
        int divisions, decimals;
        QStringList legends;
    } cases[] = {
        {"live view scale",
         0,
         16000,
         5,
         1,
         {"0.0", "3200.0", "6400.0", "9600.0", "12800.0", "16000.0"}},
        {"negative values",
         -2000.5,
         2000.5,
         5,
         2,
         {"-2000.50", "-1200.30", "-400.10", "400.10", "1200.30", "2000.50"}},
        {"decimals added for a narrow range",
         0,
         1,
         5,
         0,
         {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {"whole numbers", 0, 20000, 5, 0, {"0", "4000", "8000", "12000", "16000", "20000"}},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        TWkChartYAxisOptions& axis = f.chart->Options().PrimaryYAxis();
        axis.SetYMin(c.min);
        axis.SetYMax(c.max);
        axis.SetYDivisions(c.divisions);
        axis.YLegendDecimalPlaces = c.decimals;
        f.chart->RebuildYLegends();
        EXPECT_EQ(axis.YLegends(), c.legends) << c.name;
    }
}

TEST_P(ChartNumbersInLocale, HintValuesShowPlainDigitsAndAPoint) {
    const struct {
        double value;
        const char* line;
    } cases[] = {
        {16000.5, "X : 16000.500 mm"},
        {-1234.25, "X : -1234.250 mm"},
        {0.125, "X : 0.125 mm"},
        {12345678.9, "X : 1.234568E+07 mm"},
        {123456.789, "X : 123456.800 mm"},
        {1234567.4, "X : 1234567.000 mm"},
        {-98765.4321, "X : -98765.430 mm"},
        {9999.99999, "X : 10000.000 mm"},
        {9999999.7, "X : 1.000000E+07 mm"},
        {0.0004996, "X : 0.000 mm"},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        f.fill(11, c.value, 0);
        f.chart->Options().PenLegends = QStringList{"X"};
        f.chart->Options().PenUnit = QStringList{"mm"};
        f.chart->PlotGraph();
        press(f.chart, 150, 100);
        EXPECT_EQ(f.chart->HintLines(), QStringList{QString::fromLatin1(c.line)}) << c.value;
    }
}

TEST_P(ChartNumbersInLocale, ScaleDialogShowsAndTakesAPoint) {
    ChartFixture f;
    RecordingUiHost host;
    const ScopedUiHost guard(host);
    f.fill(11, 45, 75);
    f.chart->Options().PrimaryYAxis().SetYMax(16383.5);
    f.chart->PlotGraph();
    host.inputAnswers.push_back(QStringLiteral("2500.25"));
    press(f.chart, 20, 100);
    EXPECT_EQ(host.log, QStringList{QStringLiteral(
                            "inputQuery: Graph Scale | Y Axis Scale: 16383.5 | 16383.5")});
    EXPECT_EQ(f.chart->Options().PrimaryYAxis().YMax(), 2500.25);
}

// Value labels are drawn only, so the picture itself is compared with one drawn where the
// locale has neither grouping nor a decimal comma.
TEST_P(ChartNumbersInLocale, ValueLabelsDrawAsInTheCLocale) {
    const auto draw = [] {
        ChartFixture f;
        f.chart->Options().PrimaryYAxis().SetYMax(20000);
        f.chart->Options().PrimaryYAxis().YLegendDecimalPlaces = 1;
        f.fill(3, 12345.5, 4321.25);
        for (int pen = 0; pen < 2; ++pen)
            f.chart->Options().SetPenValueLabels(pen, true);
        f.chart->PlotGraph();
        return f.chart->Picture();
    };
    const QImage inLocale = draw();
    QLocale::setDefault(QLocale::c());
    const QImage plain = draw();
    EXPECT_TRUE(inLocale == plain);
}

INSTANTIATE_TEST_SUITE_P(Desktops, ChartNumbersInLocale,
                         ::testing::Values("en_US", "ru_RU", "de_DE"));

} // namespace
