#include "chart_fixture.h"
#include "tests/support/recording_ui_host.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Columns of value indexes 0..10 of an 11-value line plot: round(45 + v * 22.9).
int column(int v) {
    return RoundHalfEven(45 + v * 22.9);
}

} // namespace

TEST(ChartPaint, LinesAxesAndPaperLandOnTheirPixels) {
    ChartFixture f;
    TWkChartOptions& options = f.chart->Options();
    options.SetPaperColor(clCream);
    options.AxisLineColor = clGreen;
    f.fill(11, 45, 75); // rows 108 and 55
    options.SetPenColor(0, clRed);
    options.SetPenColor(1, clBlue);
    f.chart->PlotGraph();
    ASSERT_EQ(f.chart->Picture().size(), QSize(300, 200));

    const struct {
        const char* name;
        int x, y;
        TColor expected;
    } cases[] = {
        {"pen 0 at value 4", column(4), 108, clRed},
        {"pen 1 at value 4", column(4), 55, clBlue},
        {"pen 0 between values", 150, 108, clRed},
        {"Y axis line", 45, 60, clGreen},
        {"Y axis is three pixels wide", 46, 60, clGreen},
        {"X axis line", 200, 189, clGreen},
        {"paper inside the plot", 200, 75, clCream},
        {"paper right of the plot", 290, 75, clCream},
    };
    for (const auto& c : cases)
        EXPECT_EQ(f.picture(c.x, c.y), Rgb(c.expected)) << c.name;
}

TEST(ChartPaint, BarsRiseFromTheXAxisToTheirValue) {
    // Two values of two pens: pen 0's bar of value 0 covers columns 46..98.
    const struct {
        const char* name;
        double value;
        int y;
        bool filled;
    } cases[] = {
        {"half scale: inside the bar", 50, 150, true},
        {"half scale: above the bar", 50, 60, false},
        {"far above the scale: up to the top", 1e12, 20, true},
        {"far below the scale: nothing above the axis", -1e12, 100, false},
        {"far below the scale: nothing near the top", -1e12, 20, false},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        f.chart->Options().ChartKind = ckChartBar;
        f.fill(2, c.value, 10);
        f.chart->Options().SetPenColor(0, clRed);
        f.chart->PlotGraph();
        EXPECT_EQ(f.picture(70, c.y) == Rgb(clRed), c.filled) << c.name;
    }
}

TEST(ChartPaint, ShadedBandsCoverOnlyTheirPartOfTheScale) {
    const struct {
        const char* name;
        double top, bottom;
        int y;
        bool filled;
    } cases[] = {
        {"inside the band", 40, 20, 140, true},
        {"above the band", 40, 20, 60, false},
        {"band far below the scale", -1e12, -2e12, 110, false},
        {"band over the whole scale", 1e12, -1e12, 110, true},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        f.fill(11, 45, 75);
        TWkChartHorizontalBar* band = f.chart->AddHorizontalBar();
        band->YTop = c.top;
        band->YBottom = c.bottom;
        band->SetColor(clYellow);
        band->SetVisible(true);
        f.chart->PlotGraph();
        EXPECT_EQ(f.picture(150, c.y) == Rgb(clYellow), c.filled) << c.name;
    }
}

TEST(ChartPaint, AMarkerFarOffTheScaleStaysAtTheEdge) {
    for (const double position : {-1e12, 1e12}) {
        ChartFixture f;
        f.fill(11, 45, 75);
        TWkChartFloatingMarker* marker = f.chart->AddFloatingMarker();
        marker->SetXPosition(5);
        marker->SetYPosition(position);
        marker->MarkerColor = clYellow;
        marker->Visible = true;
        const QImage shown = f.chart->grab().toImage();
        for (const int y : {20, 100, 180})
            EXPECT_NE(shown.pixel(column(5), y), Rgb(clYellow)) << position << " row " << y;
    }
}

TEST(ChartPaint, TheAverageLineBreaksAtAValueThatIsNoNumber) {
    ChartFixture f;
    f.chart->Options().ChartKind = ckChartBarAverage;
    f.chart->Options().AverageLineColor = clYellow;
    f.fill(4, 50, 50);
    f.chart->Data().SetValue(0, 1, std::nan(""));
    f.chart->PlotGraph();
    // Value index 1's column lies in the gap between two bars; the line goes on at row 100
    // from index 2 to 3.
    const int x = RoundHalfEven(45 + 57.5);
    EXPECT_EQ(f.picture(190, 100), Rgb(clYellow));
    for (const int y : {20, 60, 98})
        EXPECT_NE(f.picture(x, y), Rgb(clYellow)) << y;
}

TEST(ChartPaint, YLegendsNameEveryDivisionWithEnoughDecimals) {
    const struct {
        double min, max;
        QStringList legends;
    } cases[] = {
        {0, 100, {"0", "20", "40", "60", "80", "100"}},
        {-0.4, 9.6, {"0", "2", "4", "6", "8", "10"}},
        {0, 5e9, {"0", "1000000000", "2000000000", "3000000000", "4000000000", "5000000000"}},
        {-2e10,
         3e10,
         {"-20000000000", "-10000000000", "0", "10000000000", "20000000000", "30000000000"}},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        TWkChartYAxisOptions& axis = f.chart->Options().PrimaryYAxis();
        axis.SetYMin(c.min);
        axis.SetYMax(c.max);
        axis.SetYDivisions(5);
        f.chart->RebuildYLegends();
        EXPECT_EQ(axis.YLegends(), c.legends) << c.max;
    }
}

TEST(ChartPaint, StackedBarsPileUpEachPenOnThePreviousOne) {
    // Three pens at value index 0 of two; its column runs from x 102 to 213.
    const struct {
        const char* name;
        double value;
        int y;
        TColor expected;
    } cases[] = {
        {"first pen at the bottom", 20, 180, clRed},
        {"second pen above it", 20, 140, clBlue},
        {"third pen on top", 20, 100, clYellow},
        {"paper above the pile", 20, 60, clWhite},
        {"a first pen far above the scale fills the column", 1e12, 20, clRed},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        TWkChartOptions& options = f.chart->Options();
        options.ChartKind = ckChartStackedBar;
        options.SetPenCount(3);
        const TColor colours[] = {clRed, clBlue, clYellow};
        for (int p = 0; p < 3; ++p) {
            options.SetPenColor(p, colours[p]);
            for (int v = 0; v < 2; ++v)
                f.chart->Data().SetValue(p, v, c.value);
        }
        f.chart->PlotGraph();
        EXPECT_EQ(f.picture(130, c.y), Rgb(c.expected)) << c.name;
    }
}

TEST(ChartPaint, ANaNValueLeavesOutBothItsSegments) {
    ChartFixture f;
    f.fill(11, 45, 75);
    f.chart->Options().SetPenColor(0, clRed);
    f.chart->Data().SetValue(0, 6, std::nan(""));
    f.chart->PlotGraph();
    const int paper = Rgb(f.chart->Options().PaperColor());
    EXPECT_EQ(f.picture((column(4) + column(5)) / 2, 108), Rgb(clRed));
    EXPECT_EQ(f.picture((column(5) + column(6)) / 2, 108), paper);
    EXPECT_EQ(f.picture((column(6) + column(7)) / 2, 108), paper);
    EXPECT_EQ(f.picture((column(7) + column(8)) / 2, 108), Rgb(clRed));
}

TEST(ChartPaint, EqualPensDrawTheLaterOneAPixelHigherAndDotted) {
    ChartFixture f;
    f.fill(11, 45, 45);
    f.chart->Options().SetPenColor(0, clRed);
    f.chart->Options().SetPenColor(1, clBlue);
    f.chart->PlotGraph();
    const int start = column(1); // the stroke from value 1 to value 2 starts its dots here
    EXPECT_EQ(f.picture(start, 108), Rgb(clRed));
    EXPECT_EQ(f.picture(start, 107), Rgb(clBlue));
    EXPECT_EQ(f.picture(start + 2, 107), Rgb(clBlue));
    EXPECT_EQ(f.picture(start + 4, 107), Rgb(f.chart->Options().PaperColor()));
}

TEST(ChartPaint, EmptyDataShowsTheNoDataTextInRed) {
    ChartFixture f;
    f.chart->Options().SetPenCount(2);
    f.chart->PlotGraph();
    int red = 0;
    for (int y = 190; y < 200; ++y)
        for (int x = 45; x < 250; ++x)
            red += f.picture(x, y) == Rgb(clRed);
    EXPECT_GT(red, 0);
    EXPECT_EQ(f.picture(45, 60), Rgb(clBlack)); // the Y axis is still drawn
}

TEST(ChartPaint, VerticalBarsCoverTheirValuesAndAtLeastOnePixel) {
    ChartFixture f;
    f.fill(11, 45, 75);
    TWkChartVerticalBar* wide = f.chart->AddVerticalBar();
    wide->XLeft = 2;
    wide->XRight = 4; // columns round(45 + 2 * 20.9) = 87 to 129, the right one excluded
    wide->SetColor(clYellow);
    wide->SetVisible(true);
    TWkChartVerticalBar* thin = f.chart->AddVerticalBar();
    thin->XLeft = 8;
    thin->XRight = 8; // column round(45 + 8 * 20.9) = 212
    thin->SetColor(clAqua);
    thin->SetVisible(true);
    TWkChartVerticalBar* beyond = f.chart->AddVerticalBar();
    beyond->XLeft = 12;
    beyond->XRight = 12; // column 296 lies right of the last value (275): not drawn
    beyond->SetColor(clRed);
    beyond->SetVisible(true);
    f.chart->PlotGraph();
    const struct {
        int x;
        TColor expected;
    } cases[] = {{87, clYellow}, {128, clYellow}, {129, clWhite}, {86, clWhite},
                 {212, clAqua},  {213, clWhite},  {296, clWhite}};
    for (const auto& c : cases)
        EXPECT_EQ(f.picture(c.x, 30), Rgb(c.expected)) << c.x;
}

TEST(ChartPaint, ShadedBarStepsFromItsColourToItsShade) {
    ChartFixture f;
    f.fill(11, 45, 75);
    TWkChartHorizontalBar* bar = f.chart->AddHorizontalBar();
    bar->YTop = 100;
    bar->YBottom = 0;
    bar->SetColor(clBlack);
    bar->GradColor = clBlue;
    bar->GradDirection = grDown;
    bar->SetVisible(true);
    f.chart->PlotGraph();
    const QColor top = QColor::fromRgb(f.picture(100, 11));
    const QColor bottom = QColor::fromRgb(f.picture(100, 185));
    EXPECT_LT(top.blue(), 10);
    EXPECT_GT(bottom.blue(), 240);
    EXPECT_EQ(bottom.red(), 0);
}

TEST(ChartPaint, CursorIsDrawnOnlyWithinTheValues) {
    ChartFixture f;
    f.fill(11, 45, 75);
    f.chart->Options().CursorColor = clFuchsia;
    const struct {
        int position;
        bool drawn;
    } cases[] = {{-1, false}, {4, true}, {11, true}, {12, false}};
    for (const auto& c : cases) {
        f.chart->SetCursorPosition(c.position);
        f.chart->PlotGraph();
        const QImage screen = f.chart->grab().toImage();
        const int x = CursorColumn(f.chart->Options(), std::clamp(c.position, 0, 11));
        EXPECT_EQ(screen.pixel(x, 30) == Rgb(clFuchsia), c.drawn) << c.position;
        EXPECT_NE(screen.pixel(x, 9), Rgb(clFuchsia)) << c.position;
    }
}

TEST(ChartPaint, OptionChangePlotsAgainAtTheNextPaint) {
    ChartFixture f;
    f.fill(11, 45, 75);
    f.chart->Options().SetPenColor(0, clRed);
    f.chart->grab();
    EXPECT_EQ(f.picture(column(4), 108), Rgb(clRed));
    f.chart->Data().SetValue(0, 4, 75);
    f.chart->Options().Changed();
    f.chart->grab();
    EXPECT_NE(f.picture(column(4), 108), Rgb(clRed));
}

TEST(ChartPaint, PivotRefusesMoreThanNinetyNineValuesBeforeChangingAnything) {
    ChartFixture f;
    f.fill(150, 1, 2);
    f.chart->PlotGraph();
    EXPECT_THROW(f.chart->PivotData(), ERangeError);
    EXPECT_EQ(f.chart->Options().PenCount(), 2);
    EXPECT_EQ(f.chart->Data().Value(1, 149), 2);
}

TEST(ChartPaint, PivotSwapsPensAndValues) {
    ChartFixture f;
    f.chart->Options().SetPenCount(2);
    for (int v = 0; v < 3; ++v) {
        f.chart->Data().SetValue(0, v, v);
        f.chart->Data().SetValue(1, v, 10 + v);
    }
    f.chart->Options().PenLegends = QStringList{"a", "b"};
    f.chart->PlotGraph();
    f.chart->PivotData();
    EXPECT_EQ(f.chart->Options().PenCount(), 3);
    EXPECT_EQ(f.chart->Data().Value(2, 1), 12);
    EXPECT_EQ(f.chart->Data().Value(0, 0), 0);
    EXPECT_EQ(f.chart->Options().XLegends, (QStringList{"a", "b"}));
}

TEST(ChartPaint, PlotPictureDrawsAtThePicturesSizeAndPutsTheSettingsBack) {
    ChartFixture f;
    f.fill(11, 45, 75);
    f.chart->Options().SetPenColor(0, clRed);
    f.chart->PlotGraph();
    const TWkChartOptions& options = f.chart->Options();
    const int xEnd = options.XEnd;
    const int axisFont = options.AxisFont.Height;

    QImage picture(600, 400, QImage::Format_RGB32);
    f.chart->PlotPicture(picture, 2.0);
    // Offsets doubled: Y axis at x = 90 from row 20 down to the origin row 379, 35.9 rows a
    // division.
    EXPECT_EQ(picture.pixel(90, 200), Rgb(clBlack));
    const int row = RoundHalfEven(379 - 4.5 * 35.9);
    EXPECT_EQ(picture.pixel(300, row), Rgb(clRed));
    EXPECT_EQ(options.XStartOffset, 45);
    EXPECT_EQ(options.YStartOffset, 10);
    EXPECT_EQ(options.AxisFont.Height, axisFont);
    EXPECT_EQ(options.XEnd, xEnd);

    QImage none;
    EXPECT_THROW(f.chart->PlotPicture(none, 1.0), std::runtime_error);
}

TEST(ChartPaint, AFailingPlotIsReportedNotPassedToTheEventLoop) {
    ChartFixture f;
    RecordingUiHost host;
    ScopedUiHost guard(host);
    f.chart->Options().SetPenCount(2);
    f.chart->Data().PreGrow(1000, 0); // rows of 1000 pens: value 12001 lies past the store's limit
    f.chart->Data().SetValueCount(15000);
    EXPECT_THROW(f.chart->PlotGraph(), ERangeError);
    f.chart->grab(); // the first paint plots
    EXPECT_EQ(host.entries(QStringLiteral("exception")),
              QStringList{
                  QStringLiteral("exception: Data: index too large. Probably an internal error")});
}

TEST(ChartPaint, ResizingAShownChartLaysItOutAgain) {
    ChartFixture f;
    f.parent->resize(1000, 500);
    f.parent->show();
    f.chart->resize(530, 277);
    EXPECT_EQ(f.chart->Picture().size(), QSize(530, 277));
    EXPECT_EQ(f.chart->Options().XEnd, 506);
    EXPECT_EQ(f.chart->Options().YEnd, 257);
}

TEST(ChartPaint, MarkerKindDrawsOnlyTheMarkers) {
    ChartFixture f;
    f.fill(11, 45, 75);
    TWkChartOptions& options = f.chart->Options();
    options.ChartKind = ckChartMarkers;
    options.SetPenColor(0, clRed);
    options.SetPenMarkerKind(0, pmkDiamond);
    options.SetPenMarkerKind(1, pmkCross);
    options.SetPenColor(1, clBlue);
    f.chart->PlotGraph();
    const int x = column(4);
    EXPECT_EQ(f.picture(x, 108), Rgb(clRed));
    EXPECT_EQ(f.picture(x + 1, 108), Rgb(clRed)); // inside the diamond
    EXPECT_EQ(f.picture(x + 2, 55), Rgb(clBlue)); // the cross's arm
    EXPECT_EQ(f.picture(x + 1, 56), Rgb(options.PaperColor()));
    EXPECT_EQ(f.picture((column(4) + column(5)) / 2, 108), Rgb(options.PaperColor()));
}
