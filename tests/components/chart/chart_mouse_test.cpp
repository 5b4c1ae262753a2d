#include "chart_fixture.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(x, y);
    QMouseEvent event(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void click(QWidget* w, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonPress, x, y, button);
}

struct MouseFixture : ChartFixture {
    MouseFixture() : guard(host) {
        fill(11, 45, 75);
        chart->PlotGraph();
    }
    RecordingUiHost host;
    ScopedUiHost guard;
};

} // namespace

TEST(ChartMouse, ScaleDialogSetsTheTopOfTheAxis) {
    const struct {
        const char* name;
        std::optional<QString> answer;
        double yMax;
        int axisClicks;
    } cases[] = {
        {"confirmed number", QStringLiteral("250"), 250, 1},
        {"confirmed text that is no number", QStringLiteral("lots"), 100, 1},
        {"cancelled", std::nullopt, 100, 0},
    };
    for (const auto& c : cases) {
        MouseFixture f;
        int axisClicks = 0;
        f.chart->OnYAxisClick = [&](TWkChart*) {
            ++axisClicks;
        };
        f.host.inputAnswers.push_back(c.answer);
        click(f.chart, 20, 100);
        EXPECT_EQ(f.host.log,
                  QStringList{QStringLiteral("inputQuery: Graph Scale | Y Axis Scale: 100 | 100")})
            << c.name;
        EXPECT_EQ(f.chart->Options().PrimaryYAxis().YMax(), c.yMax) << c.name;
        EXPECT_EQ(axisClicks, c.axisClicks) << c.name;
    }
}

TEST(ChartMouse, HeaderDialogsEditTitleAndXAxisHeader) {
    MouseFixture f;
    f.chart->Options().Title = QStringLiteral("Old");
    f.host.inputAnswers = {QStringLiteral("Live"), QStringLiteral("Samples")};
    click(f.chart, 150, 5);
    click(f.chart, 150, 195);
    EXPECT_EQ(f.host.log,
              (QStringList{
                  QStringLiteral("inputQuery: Graph Header | Current Header: Old | Old"),
                  QStringLiteral("inputQuery: Graph Header | X Axis Header:  | "),
              }));
    EXPECT_EQ(f.chart->Options().Title, QStringLiteral("Live"));
    EXPECT_EQ(f.chart->Options().XAxisHeader, QStringLiteral("Samples"));
}

TEST(ChartMouse, LeftClickShowsAHintUntilReleaseRightClickShowsNone) {
    MouseFixture f;
    click(f.chart, 150, 100, Qt::RightButton);
    EXPECT_FALSE(f.chart->HintShown());
    mouse(f.chart, QEvent::MouseButtonRelease, 150, 100, Qt::RightButton);

    click(f.chart, 150, 100);
    EXPECT_TRUE(f.chart->HintShown());
    EXPECT_TRUE(f.chart->HintLines().isEmpty()); // no legends: "No values here!"
    mouse(f.chart, QEvent::MouseButtonRelease, 150, 100);
    EXPECT_FALSE(f.chart->HintShown());
    EXPECT_TRUE(f.host.log.isEmpty());
}

TEST(ChartMouse, HintNamesTheValuePlottedUnderThePointer) {
    MouseFixture f;
    f.chart->Options().PenLegends = QStringList{"X", ""};
    f.chart->Options().PenUnit = QStringList{"mm"};
    f.chart->Data().SetValue(0, 7, 12.5);
    f.chart->Data().SetValue(1, 7, std::nan(""));
    f.chart->PlotGraph();
    const int x = RoundHalfEven(45 + 7 * 22.9);
    for (const int dx : {-10, 0, 10}) {
        click(f.chart, x + dx, 100);
        EXPECT_EQ(f.chart->HintLines(),
                  (QStringList{QStringLiteral("X : 12.500 mm"), QStringLiteral("2 :  n/a ")}))
            << dx;
        mouse(f.chart, QEvent::MouseButtonRelease, x + dx, 100);
    }
}

TEST(ChartMouse, ClickHandlerGetsTheValueAndFillsTheHint) {
    MouseFixture f;
    int calls = 0;
    f.chart->OnChartClick = [&](TWkChart*, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                                int y, int value, int pen, bool& show, bool& bold,
                                QStringList& lines) {
        ++calls;
        EXPECT_EQ(button, Qt::MiddleButton);
        EXPECT_EQ(y, 120);
        EXPECT_EQ(value, 3);
        EXPECT_EQ(pen, 0);
        show = true;
        bold = false;
        lines << QStringLiteral("three");
    };
    click(f.chart, RoundHalfEven(45 + 3 * 22.9), 120, Qt::MiddleButton);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.chart->HintLines(), QStringList{QStringLiteral("three")});
    mouse(f.chart, QEvent::MouseButtonRelease, 100, 120, Qt::MiddleButton);

    // Right of the plot but still in the click region: no call, no hint.
    click(f.chart, f.chart->Options().XEnd + 3, 120, Qt::MiddleButton);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(f.chart->HintShown());
}

TEST(ChartMouse, DraggedMarkerTakesTheValueWhereItWasDropped) {
    MouseFixture f;
    f.chart->Options().MouseDragObjects = true;
    TWkChartFloatingMarker* marker = f.chart->AddFloatingMarker();
    marker->Visible = true;
    marker->XDraggable = true;
    marker->SetXPosition(2);
    marker->SetYPosition(50);
    f.chart->grab(); // paints the marker and fixes its position
    ASSERT_EQ(marker->RawX, RoundHalfEven(45 + 2 * 22.9));
    int begun = 0;
    int ended = 0;
    f.chart->OnBeginFloatingMarkerDrag = [&](TWkChart*, TWkChartFloatingMarker* m) {
        EXPECT_EQ(m, marker);
        ++begun;
    };
    f.chart->OnEndFloatingMarkerDrag = [&](TWkChart*, TWkChartFloatingMarker*) {
        ++ended;
    };
    click(f.chart, marker->RawX + 1, marker->RawY - 1);
    mouse(f.chart, QEvent::MouseMove, RoundHalfEven(45 + 6 * 22.9) + 2, 30);
    mouse(f.chart, QEvent::MouseButtonRelease, RoundHalfEven(45 + 6 * 22.9) + 2, 30);
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(marker->XPosition(), 6);
    EXPECT_EQ(marker->YPosition(), 50); // not draggable up and down
    EXPECT_FALSE(f.chart->HintShown());
}

TEST(ChartMouse, DeletingAMarkerDropsTheDragAndLeavesTheDraggedOneFree) {
    const struct {
        const char* name;
        std::function<void(TWkChart&, TWkChartFloatingMarker* other)> remove;
    } cases[] = {
        {"by index",
         [](TWkChart& c, TWkChartFloatingMarker*) {
             c.DeleteFloatingMarker(0);
         }},
        {"by object",
         [](TWkChart& c, TWkChartFloatingMarker* other) {
             c.DeleteFloatingMarkerObj(other);
         }},
    };
    const auto column = [](int x) {
        return RoundHalfEven(45 + x * 22.9);
    };
    for (const auto& c : cases) {
        MouseFixture f;
        f.chart->Options().MouseDragObjects = true;
        TWkChartFloatingMarker* other = f.chart->AddFloatingMarker();
        TWkChartFloatingMarker* dragged = f.chart->AddFloatingMarker();
        for (TWkChartFloatingMarker* m : {other, dragged}) {
            m->Visible = true;
            m->XDraggable = true;
            m->SetYPosition(50);
        }
        other->SetXPosition(8);
        dragged->SetXPosition(2);
        f.chart->grab();
        int ended = 0;
        f.chart->OnEndFloatingMarkerDrag = [&](TWkChart*, TWkChartFloatingMarker*) {
            ++ended;
        };

        click(f.chart, dragged->RawX, dragged->RawY);
        mouse(f.chart, QEvent::MouseMove, column(4), 30);
        ASSERT_TRUE(dragged->Dragging) << c.name;
        c.remove(*f.chart, other);
        EXPECT_FALSE(dragged->Dragging) << c.name;
        mouse(f.chart, QEvent::MouseButtonRelease, column(4), 30);
        EXPECT_EQ(ended, 0) << c.name << ": the drag was dropped";
        EXPECT_EQ(dragged->XPosition(), 2) << c.name;

        dragged->SetXPosition(5);
        f.chart->grab();
        EXPECT_EQ(dragged->RawX, column(5)) << c.name << ": placed from code";

        click(f.chart, dragged->RawX, dragged->RawY);
        mouse(f.chart, QEvent::MouseMove, column(7), 30);
        mouse(f.chart, QEvent::MouseButtonRelease, column(7), 30);
        EXPECT_EQ(ended, 1) << c.name;
        EXPECT_EQ(dragged->XPosition(), 7) << c.name << ": dragged again";
        EXPECT_FALSE(dragged->Dragging) << c.name;
    }
}

TEST(ChartMouse, LegendEdgeDragWidensThePlot) {
    MouseFixture f;
    const int xEnd = f.chart->Options().XEnd;
    const int legend = f.chart->Options().LegendWidth;
    click(f.chart, 45 + xEnd - 2, 100);
    EXPECT_FALSE(f.chart->HintShown());
    mouse(f.chart, QEvent::MouseButtonRelease, 45 + xEnd - 12, 100);
    EXPECT_EQ(f.chart->Options().LegendWidth, legend + 10);
}

TEST(ChartMouse, HintBoxNearTheLowerRightCornerIsMovedInside) {
    MouseFixture f;
    f.chart->Options().PenLegends = QStringList{"X", "Y"};
    f.chart->PlotGraph();
    click(f.chart, f.chart->Options().XEnd - 10, 185);
    ASSERT_EQ(f.chart->HintLines().size(), 2);
    const QImage screen = f.chart->grab().toImage();
    // The box ends at the control's last row and column instead of running past them.
    EXPECT_EQ(screen.pixel(298, 199), Rgb(clBlack));
    EXPECT_EQ(screen.pixel(298, 170), Rgb(f.chart->Options().HintColor));
}

TEST(ChartMouse, BarClickNamesTheBarUnderThePointer) {
    ChartFixture f;
    f.fill(4, 25, 50);
    TWkChartOptions& options = f.chart->Options();
    options.ChartKind = ckChartBar;
    options.SetPenColor(1, clBlue);
    f.chart->PlotGraph();
    // Eight bar slots of 28.75 pixels; pen 1 at value 2 is slot 5: columns 190..214, from row
    // 100 down to the axis.
    EXPECT_EQ(f.picture(200, 150), Rgb(clBlue));
    EXPECT_EQ(f.picture(200, 95), Rgb(options.PaperColor()));
    EXPECT_EQ(f.picture(188, 150), Rgb(options.PaperColor()));

    int value = -1;
    int pen = -1;
    f.chart->OnChartClick = [&](TWkChart*, Qt::MouseButton, Qt::KeyboardModifiers, int, int, int v,
                                int p, bool&, bool&, QStringList&) {
        value = v;
        pen = p;
    };
    click(f.chart, 200, 150);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(pen, 1);
    click(f.chart, 170, 150);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(pen, 0);
}

TEST(ChartMouse, ABarHintBesideTheLastBarNamesTheLastValue) {
    // One pen of ten values 0, 10, .. 90; the last bar ends left of x 285.
    const struct {
        const char* name;
        TWkChartKind kind;
        int x;
        const char* line;
    } cases[] = {
        {"bars: on the last bar", ckChartBar, 270, "1 : 90.000"},
        {"bars: beside the last bar", ckChartBar, 295, "1 : 90.000"},
        {"bars: on the first bar", ckChartBar, 50, "1 : 0.000"},
        {"stacked: on the last bar", ckChartStackedBar, 275, "1 : 90.000"},
        {"stacked: beside the last bar", ckChartStackedBar, 290, "1 : 90.000"},
        {"stacked: left of the first bar", ckChartStackedBar, 50, "1 : 0.000"},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        TWkChartOptions& options = f.chart->Options();
        options.ChartKind = c.kind;
        options.PenLegends = QStringList{QString()};
        for (int v = 0; v < 10; ++v)
            f.chart->Data().SetValue(0, v, 10 * v);
        f.chart->PlotGraph();
        click(f.chart, c.x, 150);
        EXPECT_EQ(f.chart->HintLines(), QStringList{QString::fromUtf8(c.line)}) << c.name;
    }
}
