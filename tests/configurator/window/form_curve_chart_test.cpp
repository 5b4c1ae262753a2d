#include "components/chart/chart.h"
#include "configurator/sim/sim_controller_device.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"
#include "tests/configurator/window/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <vector>

namespace {

class CurveChartTest : public WindowTest {
protected:
    TMForm& Start() {
        TMForm& window = Open();
        chart = Find<TWkChart>("CurveVisual");
        return window;
    }

    // Curve slot's points, each set through its editor (each change refreshes the chart).
    void SetPoints(int slot, const std::vector<int>& points) {
        for (int p = 1; p <= 9; ++p) {
            form->Arrays().CurvePoint[CurvePointSlot(slot, p)]->setValue(points[p - 1]);
        }
    }

    // The axis whose range the chart shows, with that axis row's precision (0..6).
    void ChooseAxis(int row, int precision) {
        form->Arrays().OsiPrcsn[row]->setCurrentIndex(precision);
        Find<QComboBox>("CurveVisualAxis")->setCurrentIndex(row);
    }

    TWkChart* chart = nullptr;
};

struct Point {
    int x;
    int y;
};

TEST_F(CurveChartTest, PointEditRedrawsTheSelectedCurve) {
    TMForm& window = Start();
    ASSERT_EQ(window.State().SelectedCurve, 1);
    ChooseAxis(1, 0);
    SetPoints(1, {100, 50, 100, 100, 100, 100, 100, 100, 100});

    EXPECT_EQ(chart->Options().PrimaryYAxis().YMax(), 255);
    // Step 255 / 8 = 31: the second point sits at x = 31, the ninth one holds to the end.
    for (const Point& p :
         {Point{0, 0}, Point{15, 11}, Point{31, 15}, Point{62, 62}, Point{255, 255}}) {
        EXPECT_EQ(chart->Data().Value(1, p.x), p.y) << "x " << p.x;
        EXPECT_EQ(chart->Data().Value(0, p.x), p.x) << "identity at " << p.x;
    }
}

TEST_F(CurveChartTest, CurveChangeHandlerRedrawsPointsSetQuietly) {
    TMForm& window = Start();
    ChooseAxis(1, 0);
    for (int p = 1; p <= 9; ++p) {
        QSpinBox* spin = window.Arrays().CurvePoint[CurvePointSlot(1, p)];
        const QSignalBlocker quiet(spin);
        spin->setValue(p == 2 ? 50 : 100);
    }
    ASSERT_NE(chart->Data().Value(1, 31), 15) << "nothing redrew yet";

    window.osi_1_curve_03Change();
    EXPECT_EQ(chart->Data().Value(1, 31), 15);
    EXPECT_EQ(chart->Data().Value(1, 255), 255);
}

TEST_F(CurveChartTest, GuideBarsAreReplacedOnEveryRefresh) {
    TMForm& window = Start();
    ChooseAxis(1, 0);
    for (int refresh = 0; refresh < 5; ++refresh) {
        window.CurveVisualRefrash();
    }
    ASSERT_EQ(chart->VerticalBarsCount(), 3);
    const int at[] = {127, 63, 190};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(chart->VerticalBar(i)->XLeft, at[i]);
        EXPECT_EQ(chart->VerticalBar(i)->Color(), TColor(0xC0C0C0));
    }
}

TEST_F(CurveChartTest, ClickedCurveIsDrawnOverTheChosenAxisRange) {
    TMForm& window = Start();
    ChooseAxis(2, 2);
    SetPoints(4, {0, 50, 100, 150, 200, 200, 200, 200, 200});
    window.osi_S_curve_Click(4);

    EXPECT_EQ(chart->Options().PrimaryYAxis().YMax(), 1023);
    // Step 1023 / 8 = 127.
    for (const Point& p : {Point{0, 0}, Point{127, 63}, Point{254, 254}}) {
        EXPECT_EQ(chart->Data().Value(1, p.x), p.y) << "x " << p.x;
    }
    ASSERT_EQ(chart->VerticalBarsCount(), 3);
    EXPECT_EQ(chart->VerticalBar(0)->XLeft, 511);
}

TEST_F(CurveChartTest, SymmetricCurveBendsAroundTheCentre) {
    TMForm& window = Start();
    ChooseAxis(1, 0);
    SetPoints(1, {100, 50, 100, 100, 100, 100, 100, 100, 100});
    window.Arrays().CurveSym[1]->setChecked(true);
    // Centre 127, step 255 / 16 = 15: the second point sits 15 away on both sides.
    for (const Point& p : {Point{112, 120}, Point{127, 127}, Point{142, 134}, Point{0, 0}}) {
        EXPECT_EQ(chart->Data().Value(1, p.x), p.y) << "x " << p.x;
    }
}

TEST_F(CurveChartTest, AxisPositionShowsTheCurveValueUnderTheCursor) {
    TMForm& window = Start();
    ChooseAxis(1, 0);
    SetPoints(1, {100, 50, 100, 100, 100, 100, 100, 100, 100});
    auto* fixed = Find<QLineEdit>("CurveVisualAxisValueFixed");

    window.ShowCurveAxisPosition(31);
    EXPECT_EQ(chart->CursorPosition(), 31);
    EXPECT_EQ(fixed->text(), "15");

    window.ShowCurveAxisPosition(300);
    EXPECT_EQ(fixed->text(), "15") << "a position beyond the range changes nothing";

    Find<QComboBox>("CurveVisualAxis")->setCurrentIndex(0);
    window.ShowCurveAxisPosition(40);
    EXPECT_EQ(chart->CursorPosition(), 0) << "no axis chosen";
}

TEST_F(CurveChartTest, LivePollPutsTheCursorAtTheAxisOutput) {
    RegisterStandardModules();
    SimHidBus bus;
    const ScopedHidBus busGuard(bus);
    SimControllerDevice controller(bus);
    TMForm& window = Start();
    QCoreApplication::sendPostedEvents();
    auto* list = Find<QListWidget>("lstHID_DeviceList");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    emit list->itemClicked(list->item(0));
    Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabOSI_SF);
    window.Arrays().OsiSrc[1]->setCurrentIndex(2);
    ChooseAxis(1, 0);
    SetPoints(1, {100, 50, 100, 100, 100, 100, 100, 100, 100});
    controller.with([](SimController& c) {
        c.live().board = 1;
        c.live().axisValues[0] = 31;
    });

    window.TmrGetRawDataTimer();

    EXPECT_EQ(chart->CursorPosition(), 31);
    EXPECT_EQ(Find<QLineEdit>("CurveVisualAxisValueFixed")->text(), "15");
}

} // namespace
